#include "orders/CostTree.h"

#include "core/Amounts.h"
#include "core/Settings.h"
#include "orders/OrderAllowances.h"

#include <cmath>

namespace kalvor {

namespace {

// Where an amount is booked in the tree.
class BranchRule
{
public:
    BranchRule(const TravelOrder &order, OrderRateLookup &rates, const Settings &settings)
        : m_order(order), m_rates(rates), m_keepCurrencies(settings.flag(QStringLiteral("MultiValuta"))),
          m_thirdToAlternative(settings.flag(QStringLiteral("DoubleAlternativno")))
    {
    }

    OrderRateLookup::Booked place(double amount, const QString &currency, const QDate &date) const
    {
        return m_rates.book(amount, currency, date, m_order.twoCurrencies, m_keepCurrencies, m_thirdToAlternative);
    }

    QString base() const { return m_rates.baseCurrency(); }

private:
    const TravelOrder &m_order;
    OrderRateLookup &m_rates;
    bool m_keepCurrencies;
    bool m_thirdToAlternative;
};

CostCurrency &branch(CostEmployee &e, const QString &currency)
{
    for (CostCurrency &c : e.currencies) {
        if (c.currency == currency)
            return c;
    }
    e.currencies.append({currency, {}, 0, 0});
    return e.currencies.last();
}

void addItem(CostEmployee &e, const BranchRule &rule, CostItem::Kind kind, double amount, const QString &currency,
             const QDate &bookingDate, const QDate &conversionDate)
{
    const OrderRateLookup::Booked placed = rule.place(amount, currency, conversionDate);
    CostItem item{kind, amount, currency, bookingDate, placed.amount};
    CostCurrency &c = branch(e, placed.currency);
    c.items.append(item);
    c.in += item.in();
    c.out += item.out();
}

} // namespace

QString CostItem::text() const
{
    static const QString prefixes[] = {QStringLiteral("Akontacija - "), QStringLiteral("Gotovinski račun - "),
                                       QStringLiteral("Dnevnica - ")};
    QString amountText = FormatAmount(originalAmount);
    if (amountText.isEmpty())
        amountText = QStringLiteral("0,00");
    return prefixes[kind] + amountText + QLatin1Char(' ') + originalCurrency;
}

QString CostResultKind(double result)
{
    return std::round(result * 100.0) >= 0 ? QStringLiteral("Isplata") : QStringLiteral("Povrat");
}

QString CostTreeNote()
{
    return QStringLiteral("Kod obračuna u više valuta, ukupni iznos je dobiven konverzijom ostalih valuta u osnovnu "
                          "obračunsku valutu.");
}

QVector<CostEmployee> BuildCostTree(const TravelOrder &order, OrderRateLookup &rates, const Settings &settings,
                                    const AllowanceFigures &allowances)
{
    const BranchRule rule(order, rates, settings);
    const bool advancesAtAccountingDate = settings.flag(QStringLiteral("AkontacijaDatumObracuna"));
    const QDate accounting = order.accountingDate;
    const int method = order.settlement.method;

    QVector<CostEmployee> tree;
    const QVector<EmployeeRef> employees = order.employees();
    for (int i = 0; i < employees.size(); ++i) {
        CostEmployee e;
        e.employee = employees.at(i);
        e.baseCurrency = rule.base();
        for (const Advance &a : order.advances) {
            if (a.employeeId == e.employee.id)
                addItem(e, rule, CostItem::AdvanceItem, a.amount, a.currency, a.date,
                        advancesAtAccountingDate ? accounting : a.date);
        }
        if (i == 0) {
            for (const Receipt &r : order.receipts) {
                if (r.payment == Receipt::Cash)
                    addItem(e, rule, CostItem::ReceiptItem, r.amount, r.currency, accounting, accounting);
            }
        }
        // Allowances are paid to those who receive them under the chosen
        // method, as the settlement says.
        if (ReceivesAllowance(method, i == 0, order.settlement)) {
            if (method == MultiCountry) {
                for (const CurrencySum &t : allowances.multiTotals)
                    addItem(e, rule, CostItem::AllowanceItem, t.amount, t.currency, accounting, accounting);
            } else if (!order.allowanceCurrency.isEmpty()) {
                addItem(e, rule, CostItem::AllowanceItem, allowances.count * ParseAmount(order.allowanceAmount),
                        order.allowanceCurrency, accounting, accounting);
            }
        }
        for (const CostCurrency &c : e.currencies)
            e.total += c.result() * rates.rate(c.currency, accounting);
        tree.append(e);
    }
    return tree;
}

} // namespace kalvor
