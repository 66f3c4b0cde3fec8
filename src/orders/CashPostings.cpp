#include "orders/CashPostings.h"

#include "core/Amounts.h"
#include "core/Settings.h"
#include "orders/OrderAllowances.h"
#include "orders/OrderRates.h"
#include "orders/Settlement.h"

#include <algorithm>
#include <cmath>

namespace kalvor {

namespace {

// Amounts of one employee grouped by a key (currency, or currency and date)
// in the order of their first appearance.
struct Group
{
    QString currency;
    QDate date;
    double amount = 0;
};

void addToGroup(QVector<Group> &groups, const QString &currency, const QDate &date, double amount)
{
    for (Group &g : groups) {
        if (g.currency == currency && g.date == date) {
            g.amount += amount;
            return;
        }
    }
    groups.append({currency, date, amount});
}

class PostingBuilder
{
public:
    PostingBuilder(const TravelOrder &order, OrderRateLookup &rates, const Settings &settings, const QDateTime &now,
                   bool singleCurrencyRules)
        : m_order(order), m_rates(rates), m_settings(settings), m_now(now),
          m_two(order.twoCurrencies && !singleCurrencyRules),
          m_byCurrency(settings.flag(QStringLiteral("BlagajnePoValuti"))),
          m_advancesAtAccountingDate(settings.flag(QStringLiteral("AkontacijaDatumObracuna"))),
          m_thirdToAlternative(settings.flag(QStringLiteral("DoubleAlternativno")))
    {
    }

    QVector<Blagajna> build(const AllowanceFigures &allowances)
    {
        QVector<Blagajna> entries;
        const QVector<EmployeeRef> employees = m_order.employees();
        for (int i = 0; i < employees.size(); ++i)
            buildFor(employees.at(i), i == 0, allowances, entries);
        return entries;
    }

private:
    // With two currencies an amount in the base or the alternative currency
    // keeps it and a third one is converted; otherwise either every currency
    // stays its own (`BlagajnePoValuti`) or everything is converted into the
    // base currency.
    OrderRateLookup::Booked place(double amount, const QString &currency, const QDate &conversionDate) const
    {
        return m_rates.book(amount, currency, conversionDate, m_two, m_byCurrency, m_thirdToAlternative);
    }

    Blagajna entry(int kind, const EmployeeRef &employee, const QDate &date, double amount,
                   const QString &currency) const
    {
        Blagajna b;
        b.kind = kind;
        b.date = QDateTime(date, QTime(0, 0));
        b.amount = amount;
        b.currency = currency;
        b.employeeId = employee.id;
        b.employeeName = employee.name;
        b.orderId = m_order.id;
        b.orderLabel = m_order.label;
        b.entered = b.changed = m_now;
        b.automatic = true;
        if (kind == Blagajna::AdvanceReturn) {
            b.description = m_settings.text(QStringLiteral("UplataAk"));
            b.voucherLabel = m_settings.text(QStringLiteral("UplOznaka"));
        } else {
            b.description = m_settings.text(kind == Blagajna::AdvancePayment   ? QStringLiteral("IsplataAk")
                                            : kind == Blagajna::ReceiptPayment ? QStringLiteral("TrosakRacuni")
                                                                               : QStringLiteral("IsplataDn"));
            b.voucherLabel = m_settings.text(QStringLiteral("IspOznaka"));
        }
        return b;
    }

    void buildFor(const EmployeeRef &employee, bool first, const AllowanceFigures &allowances,
                  QVector<Blagajna> &entries) const
    {
        const QDate accounting = m_order.accountingDate;
        const bool grouped = m_two || m_byCurrency;

        // Advances: per currency and date (or per date once converted).
        QVector<Group> advances;
        for (const Advance &a : m_order.advances) {
            if (a.employeeId != employee.id)
                continue;
            const QDate conversion = m_advancesAtAccountingDate ? accounting : a.date;
            const OrderRateLookup::Booked p = place(a.amount, a.currency, conversion);
            addToGroup(advances, p.currency, a.date, p.amount);
        }
        for (const Group &g : advances) {
            entries.append(entry(Blagajna::AdvancePayment, employee, g.date, g.amount, g.currency));
            entries.append(entry(Blagajna::AdvanceReturn, employee, accounting, g.amount, g.currency));
        }

        // The first employee's cash receipts, per currency.
        if (first && !m_order.receipts.isEmpty()) {
            QVector<Group> receipts;
            if (!grouped)
                receipts.append({m_rates.baseCurrency(), accounting, 0}); // also when the cash total is 0
            for (const Receipt &r : m_order.receipts) {
                if (r.payment != Receipt::Cash)
                    continue;
                const OrderRateLookup::Booked p = place(r.amount, r.currency, accounting);
                addToGroup(receipts, p.currency, accounting, p.amount);
            }
            for (const Group &g : receipts)
                entries.append(entry(Blagajna::ReceiptPayment, employee, accounting, g.amount, g.currency));
        }

        // Allowances of those who receive them under the chosen method.
        if (!ReceivesAllowance(m_order.settlement.method, first, m_order.settlement))
            return;
        QVector<Group> lines;
        auto addLine = [&](double amount, const QString &currency) {
            if (currency.isEmpty())
                return;
            const OrderRateLookup::Booked p = place(amount, currency, accounting);
            addToGroup(lines, p.currency, accounting, p.amount);
        };
        if (m_order.settlement.method == MultiCountry) {
            for (const CurrencySum &t : allowances.multiTotals)
                addLine(t.amount, t.currency);
        } else {
            addLine(allowances.count * ParseAmount(m_order.allowanceAmount), m_order.allowanceCurrency);
        }
        for (const Group &g : lines) {
            if (std::round(g.amount * 100.0) != 0)
                entries.append(entry(Blagajna::AllowancePayment, employee, accounting, g.amount, g.currency));
        }
    }

    const TravelOrder &m_order;
    OrderRateLookup &m_rates;
    const Settings &m_settings;
    QDateTime m_now;
    bool m_two;
    bool m_byCurrency;
    bool m_advancesAtAccountingDate;
    bool m_thirdToAlternative;
};

QString amountAndCurrency(const Blagajna &e)
{
    QString amount = FormatAmount(e.amount);
    if (amount.isEmpty())
        amount = QStringLiteral("0,00");
    return amount + QLatin1Char(' ') + e.currency;
}

} // namespace

void RebuildAutomaticEntries(TravelOrder &order, OrderRateLookup &rates, const Settings &settings,
                             const QDateTime &now, bool singleCurrencyRules)
{
    for (int i = order.cash.size() - 1; i >= 0; --i) {
        if (order.cash.at(i).automatic)
            order.removeCashEntry(i);
    }
    const AllowanceFigures allowances = ComputeAllowanceFigures(order, rates, settings);
    order.cash += PostingBuilder(order, rates, settings, now, singleCurrencyRules).build(allowances);
    SortCashEntries(order.cash);
}

void RebuildAutomaticEntries(TravelOrder &order, db::Transaction &write, const Settings &settings,
                             const QDateTime &now, bool singleCurrencyRules)
{
    OrderRateLookup rates(write, order, settings.text(QStringLiteral("DefValuta")));
    RebuildAutomaticEntries(order, rates, settings, now, singleCurrencyRules);
}

QString AutomaticEntriesQuestion()
{
    return QStringLiteral("Želite li da program automatski definira stavke uplata i isplata u blagajnu?");
}

Blagajna ManualCashEntry(const QString &description, const EmployeeRef &employee, const QString &voucherLabel,
                         double amount, const QString &currency, const QDateTime &date, int kind,
                         const QDateTime &now)
{
    Blagajna b;
    b.description = description;
    b.employeeId = employee.id;
    b.employeeName = employee.name;
    b.voucherLabel = voucherLabel;
    b.amount = amount;
    b.currency = currency;
    b.date = date;
    b.kind = kind;
    b.entered = b.changed = now;
    return b;
}

void ChangeCashEntry(Blagajna &entry, const Blagajna &fromDialog, const QDateTime &now)
{
    Blagajna changed = fromDialog;
    changed.id = entry.id;
    changed.automatic = entry.automatic;
    changed.orderId = entry.orderId;
    changed.orderLabel = entry.orderLabel;
    changed.entered = entry.entered;
    changed.changed = now;
    entry = changed;
}

QString DeleteCashEntriesQuestion()
{
    return QStringLiteral("Jeste li sigurni da želite obrisati označene stavke?!");
}

void DeleteCashEntries(TravelOrder &order, QVector<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        order.removeCashEntry(row);
}

void SortCashEntries(QVector<Blagajna> &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Blagajna &a, const Blagajna &b) {
        if (a.date.date() != b.date.date())
            return a.date.date() < b.date.date();
        if (a.kind != b.kind)
            return a.kind < b.kind;
        return a.currency.compare(b.currency, Qt::CaseInsensitive) < 0;
    });
}

QString CashEntryInText(const Blagajna &entry)
{
    return entry.isIncoming() ? amountAndCurrency(entry) : QString();
}

QString CashEntryOutText(const Blagajna &entry)
{
    return entry.isIncoming() ? QString() : amountAndCurrency(entry);
}

} // namespace kalvor
