#include "orders/OrderAdvances.h"

#include "cash/CashLedger.h"
#include "core/Amounts.h"
#include "core/Settings.h"
#include "core/db/DbError.h"
#include "orders/OrderRates.h"
#include "orders/OrderTotals.h"

namespace kalvor {

OrderAdvances::OrderAdvances(TravelOrder &order, db::Transaction &write, const Settings &settings,
                             Prompter &prompter)
    : m_order(order), m_write(write), m_settings(settings), m_prompter(prompter)
{
}

QString OrderAdvances::lowBalanceQuestion(const QDate &date, const QString &currency, double balance)
{
    return QStringLiteral("Stanje blagajne na datum ") + date.toString(QStringLiteral("dd.MM.yyyy."))
        + QStringLiteral(" za valutu ") + currency + QStringLiteral(" je: ") + FormatAmountZero(balance)
        + QStringLiteral("\nIznos nije dovoljan za isplatu akontacije!!! Želite li ipak evidentirati isplatu?");
}

bool OrderAdvances::checkEntry(const AdvanceEntry &entry) const
{
    QString refusal;
    if (entry.employee.isEmpty())
        refusal = QStringLiteral("Niste odabrali djelatnika!");
    else if (ParseAmount(entry.amount) == 0)
        refusal = QStringLiteral("Pogrešno unesen iznos akontacije!");
    else if (entry.currency.trimmed().isEmpty())
        refusal = QStringLiteral("Niste definirali valutu!");
    if (refusal.isEmpty())
        return true;
    m_prompter.message(refusal, Prompter::Kind::Warning);
    return false;
}

bool OrderAdvances::cashAllows(const QDate &date, const QString &currency, double amount) const
{
    if (!m_settings.flag(QStringLiteral("AkontacijaProvjera")))
        return true;
    double balance = 0;
    try {
        balance = YearMovementToDay(m_write, currency, date);
    } catch (const db::DbError &e) {
        // A desk that could not be read lets no payout through unasked.
        m_prompter.message(e.message(), Prompter::Kind::Error);
        return false;
    }
    if (balance >= amount)
        return true;
    return m_prompter.question(lowBalanceQuestion(date, currency, balance));
}

Advance OrderAdvances::rowOf(const AdvanceEntry &entry, int id) const
{
    Advance a;
    a.id = id;
    a.employeeId = entry.employee.id;
    a.employeeName = entry.employee.name;
    a.date = entry.date;
    a.amount = ParseAmount(entry.amount);
    a.currency = entry.currency.trimmed();
    return a;
}

bool OrderAdvances::add(AdvanceEntry &entry)
{
    if (!checkEntry(entry))
        return false;
    const Advance row = rowOf(entry, -1);
    const QDate day = row.date.isValid() ? row.date : QDate::currentDate();
    if (!cashAllows(day, row.currency, row.amount))
        return false;

    m_order.advances.append(row);
    entry.employee = {};
    entry.amount.clear();
    entry.currency.clear();

    // With both currencies in use, the first third currency paid out becomes
    // the alternative one.
    if (m_settings.flag(QStringLiteral("AltValuta2")) && m_order.altCurrency.isEmpty()
        && row.currency != m_order.baseCurrency)
        m_order.altCurrency = row.currency;
    return true;
}

bool OrderAdvances::change(int row, const AdvanceEntry &entry)
{
    if (row < 0 || row >= m_order.advances.size())
        return false;
    if (!checkEntry(entry))
        return false;
    m_order.advances[row] = rowOf(entry, m_order.advances.at(row).id);
    return true;
}

void OrderAdvances::remove(int row)
{
    m_order.removeAdvance(row);
}

AdvanceEntry OrderAdvances::entryOf(int row, const QDate &today) const
{
    AdvanceEntry entry;
    if (row < 0 || row >= m_order.advances.size())
        return entry;
    const Advance &a = m_order.advances.at(row);
    for (const EmployeeRef &e : m_order.employees()) {
        if (e.id == a.employeeId)
            entry.employee = e;
    }
    if (entry.employee.isEmpty())
        entry.employee = {a.employeeId, a.employeeName, false};
    entry.date = a.date.isValid() ? a.date : today;
    entry.amount = FormatAmount(a.amount);
    entry.currency = a.currency;
    return entry;
}

AdvanceSummary OrderAdvances::summary()
{
    AdvanceSummary s;
    OrderRateLookup rates(m_write, m_order, SummaryAccountingCurrency(m_settings, m_order));
    const bool thirdToAlternative = m_settings.flag(QStringLiteral("DoubleAlternativno"));
    const QString &base = m_order.baseCurrency;
    const QString &alt = m_order.altCurrency;

    for (const EmployeeRef &e : m_order.employees()) {
        QString value;
        if (m_order.twoCurrencies) {
            const TwoCurrencyAmount parts = AdvancesSplit(rates, e.id, thirdToAlternative);
            value = AmountWithCode(parts.base, base) + QStringLiteral(", ") + AmountWithCode(parts.alternative, alt);
        } else {
            value = SummaryAmount(AdvancesInBase(rates, e.id));
        }
        s.byEmployee.append({e.name, value});
    }
    s.byCurrency = CurrencyLines(AdvancesByCurrency(m_order));

    s.totalCaption = QStringLiteral("Ukupno (") + base + QLatin1Char(')');
    s.total = SummaryAmount(AllAdvancesInBase(rates));
    if (m_order.twoCurrencies) {
        const TwoCurrencyAmount parts = AllAdvancesSplit(rates, thirdToAlternative);
        s.totalParts = {AmountWithCode(parts.base, base), AmountWithCode(parts.alternative, alt)};
    }

    s.missingRate = rates.metMissingRate();
    if (s.missingRate)
        m_prompter.message(OrderRateLookup::missingRateWarning(), Prompter::Kind::Warning);
    return s;
}

} // namespace kalvor
