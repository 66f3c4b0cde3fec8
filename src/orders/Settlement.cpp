#include "orders/Settlement.h"

#include "core/Amounts.h"
#include "core/Settings.h"
#include "orders/AllowanceCount.h"
#include "orders/OrderAllowances.h"
#include "orders/OrderStayText.h"
#include "orders/RouteSections.h"
#include "orders/TravelOrderStore.h"

#include <cmath>

namespace kalvor {

namespace {

const QString kKm = QStringLiteral("Pređeno km");
const QString kCount = QStringLiteral("Broj dnevnica");
const QString kEmployees = QStringLiteral("Broj djelatnika");
const QString kTransport = QStringLiteral("Trošak prijevoza");
const QString kEarning = QStringLiteral("Zarada djelatnika");
const QString kAllowanceAmount = QStringLiteral("Iznos za dnevnice");

double roundedToCents(double v)
{
    return std::round(v * 100.0) / 100.0;
}

// The employees' rows of a method: the earning T for the first employee
// (and the others unless only the first earns), the cash receipts for the
// first, the allowance where the method pays it.
QVector<EmployeeSettlement> employeeRows(const TravelOrder &order, OrderRateLookup &rates, int method,
                                         double earning, double cashReceipts, double allowance)
{
    QVector<EmployeeSettlement> rows;
    const QVector<EmployeeRef> employees = order.employees();
    for (int i = 0; i < employees.size(); ++i) {
        EmployeeSettlement row;
        const bool first = i == 0;
        row.employee = employees.at(i);
        row.advances = AdvancesInBase(rates, row.employee.id);
        row.earning = (first || !order.settlement.onlyFirstEarns) ? earning : 0;
        row.cashReceipts = first ? cashReceipts : 0;
        row.receivesAllowance = ReceivesAllowance(method, first, order.settlement);
        row.allowance = row.receivesAllowance ? allowance : 0;
        rows.append(row);
    }
    return rows;
}

// An amount of a field in the base currency; an empty or zero amount needs
// no rate.
double inBase(OrderRateLookup &rates, const QString &amountText, const QString &currency)
{
    const double amount = ParseAmount(amountText);
    return amount == 0 ? 0 : amount * rates.rate(currency);
}

} // namespace

QString EmployeeSettlement::balanceKind() const
{
    return roundedToCents(balance()) >= 0 ? QStringLiteral("Isplata") : QStringLiteral("Povrat");
}

const MethodSettlement &SettlementResult::chosen(int method) const
{
    if (method >= 0 && method < 5)
        return methods[method];
    return standard;
}

AllowanceFigures ComputeAllowanceFigures(const TravelOrder &order, OrderRateLookup &rates, const Settings &settings)
{
    AllowanceFigures f;
    const AllowanceCount count = OrderAllowanceCount(order, AllowanceRules::fromSettings(settings));
    f.count = count.count;
    f.tripHours = count.hours;
    const double perDay = ParseAmount(order.allowanceAmount);
    const QString &currency = order.allowanceCurrency;
    f.amount = f.count * perDay == 0 ? 0 : f.count * perDay * rates.rate(currency);

    const bool unconverted = order.twoCurrencies && !currency.isEmpty()
        && (currency == order.baseCurrency || currency == order.altCurrency);
    f.standardAmount = unconverted ? f.count * perDay : f.amount;
    f.standardCurrency = unconverted ? currency : order.baseCurrency;

    const StayCalculation stays = EvaluateOrderStayText(order.multiCountryText, settings);
    f.multiCount = stays.allowances;
    for (const CurrencyTotal &t : stays.totals) {
        f.multiTotals.append({t.currency, t.amount});
        f.multiAmount += t.amount * rates.rate(t.currency);
    }
    return f;
}

SettlementResult ComputeSettlement(const TravelOrder &order, OrderRateLookup &rates, const Settings &settings)
{
    SettlementResult r;
    rates.resetMissing();
    QVector<SectionRow> sections = order.sections;
    const double km = DeriveSectionTotals(sections).kilometres;
    r.kilometres = km;
    const AllowanceFigures &a = r.allowances = ComputeAllowanceFigures(order, rates, settings);
    const double g = r.cashReceipts = ReceiptsInBase(rates, true);
    const double employees = order.employees().size();
    const SettlementInputs &in = order.settlement;

    // Kilometres.
    const double perKm = inBase(rates, in.pricePerKm, in.kmCurrency);
    const double transportKm = perKm * km;
    r.methods[ByKilometres] = {ByKilometres,
                               {{kKm, km, {}},
                                {QStringLiteral("Zarada po km"), perKm, {}},
                                {kTransport, transportKm, {}},
                                {kCount, a.count, {}},
                                {kEmployees, employees, {}}},
                               employeeRows(order, rates, ByKilometres, transportKm, g, a.amount)};

    // Percentage of the order's total price.
    const double price = inBase(rates, in.totalPrice, in.totalCurrency);
    const double share = ParseAmount(in.percentage) * price / 100.0;
    r.methods[ByPercentage] = {ByPercentage,
                               {{kKm, km, {}},
                                {kTransport, price, {}},
                                {kEarning, share, {}},
                                {kCount, a.count, {}},
                                {kEmployees, employees, {}}},
                               employeeRows(order, rates, ByPercentage, share, g, a.amount)};

    // Fixed fee.
    const double fixedTotal = inBase(rates, in.fixedTotal, in.fixedTotalCurrency);
    const double fee = inBase(rates, in.fixedFee, in.fixedFeeCurrency);
    r.methods[FixedFee] = {FixedFee,
                           {{kKm, km, {}},
                            {kTransport, fixedTotal, {}},
                            {kEarning, fee, {}},
                            {kCount, a.count, {}},
                            {kEmployees, employees, {}}},
                           employeeRows(order, rates, FixedFee, fee, g, a.amount)};

    // Allowances only, in one country and in several.
    r.methods[ByAllowances] = {ByAllowances,
                               {{kKm, km, {}},
                                {kCount, a.count, {}},
                                {kAllowanceAmount, a.amount, {}},
                                {kEmployees, employees, {}}},
                               employeeRows(order, rates, ByAllowances, 0, g, a.amount)};
    r.methods[MultiCountry] = {MultiCountry,
                               {{kKm, km, {}},
                                {kCount, a.multiCount, {}},
                                {kAllowanceAmount, a.multiAmount, {}},
                                {kEmployees, employees, {}}},
                               employeeRows(order, rates, MultiCountry, 0, g, a.multiAmount)};

    r.standard = {kStandardView,
                  {{kKm, km, {}},
                   {kCount, a.count, {}},
                   {kAllowanceAmount, a.standardAmount, a.standardCurrency},
                   {kEmployees, employees, {}}},
                  employeeRows(order, rates, kStandardView, 0, g, a.standardAmount)};

    r.missingRate = rates.metMissingRate();
    return r;
}

QString SettlementAmountText(double value)
{
    return DecimalFieldText(value, 2, 3);
}

void ProposeTotalPrices(SettlementInputs &inputs, double kilometres, const Settings &settings, bool force)
{
    const QString accounting = settings.text(QStringLiteral("DefValuta"));
    const double perKm = settings.number(QStringLiteral("CijenaKm2"));
    const double percentage = settings.number(QStringLiteral("Postotak"));
    const double total = kilometres * perKm;
    if (force || inputs.totalPrice.trimmed().isEmpty()) {
        inputs.totalPrice = SettlementAmountText(total);
        inputs.totalCurrency = accounting;
    }
    if (force || inputs.fixedTotal.trimmed().isEmpty()) {
        inputs.fixedTotal = SettlementAmountText(total);
        inputs.fixedTotalCurrency = accounting;
        inputs.fixedFee = SettlementAmountText(percentage * total / 100.0);
        inputs.fixedFeeCurrency = accounting;
    }
}

void CopyPercentageTotal(SettlementInputs &inputs, const Settings &settings)
{
    if (!inputs.fixedTotal.trimmed().isEmpty())
        return;
    inputs.fixedTotal = inputs.totalPrice;
    inputs.fixedTotalCurrency = inputs.totalCurrency;
    inputs.fixedFee = SettlementAmountText(settings.number(QStringLiteral("Postotak")) * ParseAmount(inputs.fixedTotal)
                                           / 100.0);
}

void CopyFixedTotal(SettlementInputs &inputs)
{
    if (!inputs.totalPrice.trimmed().isEmpty())
        return;
    inputs.totalPrice = inputs.fixedTotal;
    inputs.totalCurrency = inputs.fixedTotalCurrency;
}

} // namespace kalvor
