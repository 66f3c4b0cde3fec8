#include "cash/CashLedger.h"

#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

#include <QStringList>
#include <QVariantMap>

namespace kalvor {

const QVector<int> &IncomingCashKinds()
{
    static const QVector<int> kinds{CashAdvanceReturn, CashDeposit};
    return kinds;
}

const QVector<int> &OutgoingCashKinds()
{
    static const QVector<int> kinds{CashAdvancePayment, CashAllowancePayment, CashReceiptPayment, CashTransfer};
    return kinds;
}

bool IsIncomingCashKind(int kind)
{
    return IncomingCashKinds().contains(kind);
}

namespace {

// "(0,4)": the kinds as the IN list of a statement.
QString kindList(const QVector<int> &kinds)
{
    QStringList codes;
    for (int k : kinds)
        codes << QString::number(k);
    return QLatin1Char('(') + codes.join(QLatin1Char(',')) + QLatin1Char(')');
}

void bindAll(db::Query &q, const QVariantMap &params)
{
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.bind(it.key(), it.value());
}

// One balance function as a unit of work of the write transaction: started
// when needed, committed after the last statement, rolled back when any
// statement (or the commit) fails.
template<typename Work>
auto inWriteTransaction(db::Transaction &write, Work work)
{
    write.ensureStarted();
    try {
        auto result = work();
        write.commit();
        return result;
    } catch (const db::DbError &) {
        try {
            write.rollback();
        } catch (const db::DbError &) {
            // The first failure is the one to report.
        }
        throw;
    }
}

struct Opening
{
    double amount = 0;
    int year = 0; // 0 when there is no opening balance
};

// The first opening balance row that the condition on `GODINA` and the
// currency select, latest year first.
Opening openingBalance(db::Transaction &t, const QString &yearCondition, int year, const QString &currency)
{
    db::Query q(t, QStringLiteral("SELECT FIRST 1 IZNOS,GODINA FROM BLPOCSTANJE WHERE GODINA") + yearCondition
                       + QStringLiteral(":GOD AND VALUTA=:VL ORDER BY GODINA DESC"));
    q.bind(QStringLiteral("GOD"), year);
    q.bind(QStringLiteral("VL"), currency);
    q.open();
    Opening opening;
    if (q.next()) {
        opening.amount = q.value(0).toDouble();
        opening.year = q.value(1).toInt();
    }
    q.close();
    return opening;
}

// The sum of the amounts of the kinds in one currency over a range of dates
// (conditions that start with " AND").
double sumOf(db::Transaction &t, const QVector<int> &kinds, const QString &range, QVariantMap params,
             const QString &currency)
{
    db::Query q(t, QStringLiteral("SELECT SUM(IZNOS) FROM BLPROMET  WHERE TIP IN ") + kindList(kinds) + range
                       + QStringLiteral(" AND VALUTA=:VL"));
    params.insert(QStringLiteral("VL"), currency);
    bindAll(q, params);
    return q.scalar().toDouble(); // NULL reads as 0
}

double movement(db::Transaction &t, const QString &range, const QVariantMap &params, const QString &currency)
{
    return sumOf(t, IncomingCashKinds(), range, params, currency)
        - sumOf(t, OutgoingCashKinds(), range, params, currency);
}

// The entries of the date's year up to and including the day.
double yearToDay(db::Transaction &t, const QString &currency, const QDate &date)
{
    return movement(t, QStringLiteral(" AND EXTRACT(YEAR FROM DATUM)=:GOD AND DATUM<=:DT"),
                    {{QStringLiteral("GOD"), date.year()}, {QStringLiteral("DT"), date}}, currency);
}

} // namespace

double BalanceAtEndOfDay(db::Transaction &write, const QString &currency, const QDate &date)
{
    return inWriteTransaction(write, [&] {
        const Opening opening = openingBalance(write, QStringLiteral("="), date.year(), currency);
        return opening.amount + yearToDay(write, currency, date);
    });
}

double YearMovementToDay(db::Transaction &write, const QString &currency, const QDate &date)
{
    return inWriteTransaction(write, [&] { return yearToDay(write, currency, date); });
}

double BalanceBeforeDay(db::Transaction &write, const QString &currency, const QDate &date)
{
    return inWriteTransaction(write, [&] {
        const Opening opening = openingBalance(write, QStringLiteral("<="), date.year(), currency);
        // From the opening year on; within the date's year only when the
        // opening balance is that year's own.
        const bool sameYear = opening.year == date.year();
        const QString range = QStringLiteral(" AND EXTRACT(YEAR FROM DATUM)")
            + (sameYear ? QStringLiteral("=") : QStringLiteral(">=")) + QStringLiteral(":GOD AND DATUM<:D");
        return opening.amount
            + movement(write, range, {{QStringLiteral("GOD"), opening.year}, {QStringLiteral("D"), date}},
                       currency);
    });
}

StartOfYear StartOfYearBalance(db::Transaction &write, int year, const QString &currency)
{
    return inWriteTransaction(write, [&] {
        StartOfYear result;
        const Opening opening = openingBalance(write, QStringLiteral("<"), year, currency);
        result.fromLastOpening = opening.amount
            + movement(write,
                       QStringLiteral(" AND EXTRACT(YEAR FROM DATUM)<:GOD AND EXTRACT(YEAR FROM DATUM)>=:OGOD"),
                       {{QStringLiteral("GOD"), year}, {QStringLiteral("OGOD"), opening.year}}, currency);
        result.allEarlierYears = movement(write, QStringLiteral(" AND EXTRACT(YEAR FROM DATUM)<:GOD"),
                                          {{QStringLiteral("GOD"), year}}, currency);
        return result;
    });
}

} // namespace kalvor
