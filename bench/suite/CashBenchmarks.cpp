#include "suite/CashBenchmarks.h"

#include "cash/CashLedger.h"
#include "core/db/Query.h"
#include "suite/BenchContext.h"

namespace kalvor::bench {

namespace {

// The statements of the ledger's functions (cash/CashLedger.cpp), for isql-fb.
const QString kOpening = QStringLiteral("SELECT FIRST 1 IZNOS,GODINA FROM BLPOCSTANJE WHERE GODINA%1:GOD AND VALUTA=:VL "
                                        "ORDER BY GODINA DESC");
const QString kSum = QStringLiteral("SELECT SUM(IZNOS) FROM BLPROMET  WHERE TIP IN %1%2 AND VALUTA=:VL");
const QString kIn = QStringLiteral("(0,4)");
const QString kOut = QStringLiteral("(1,2,3,5)");

IsqlStatement opening(const QString &comparison, int year, const QString &currency)
{
    return {kOpening.arg(comparison), {{QStringLiteral("GOD"), year}, {QStringLiteral("VL"), currency}}};
}

IsqlUnit movement(const QString &range, QVariantMap params, const QString &currency)
{
    params.insert(QStringLiteral("VL"), currency);
    return {{kSum.arg(kIn, range), params}, {kSum.arg(kOut, range), params}};
}

int openingYear(BenchContext &c, const QString &comparison, int year, const QString &currency)
{
    db::TransactionGuard guard(c.write());
    db::Query q(c.write(), kOpening.arg(comparison));
    q.bind(QStringLiteral("GOD"), year).bind(QStringLiteral("VL"), currency);
    q.open();
    const int found = q.next() ? q.value(1).toInt() : 0;
    q.close();
    guard.commit();
    return found;
}

// The statements of one function's calls through our layer, all in one
// transaction as isql-fb runs them: what the layer adds to the engine's time,
// without the function's own start and commit of the transaction. Returns
// every value the statements gave.
QVector<double> statementsOnly(BenchContext &c, const QString &name, const QVector<IsqlUnit> &units)
{
    QVector<double> values;
    c.write().ensureStarted();
    BenchRow row = c.measure(name, int(units.size()), [&](int r) {
        for (const IsqlStatement &st : units.at(r)) {
            db::Query q(c.write(), st.sql);
            for (auto it = st.params.cbegin(); it != st.params.cend(); ++it)
                q.bind(it.key(), it.value());
            values << q.scalar().toDouble();
        }
    });
    c.write().commit();
    row.goal = QStringLiteral("≤ 1.25 × isql-fb");
    row.goalRatio = 1.25;
    c.addTimed(row, units);
    return values;
}

// The year of a sum as a range of dates: "EXTRACT(YEAR FROM DATUM)=:GOD AND
// DATUM<=:DT" selects the days from 1 January of that year to the date, and
// so does "DATUM>=:OD AND DATUM<=:DT", which the index on DATUM can bound on
// both sides.
QVector<IsqlUnit> withDateRanges(QVector<IsqlUnit> units)
{
    for (IsqlUnit &u : units) {
        for (IsqlStatement &st : u) {
            if (!st.sql.contains(QLatin1String("EXTRACT(YEAR FROM DATUM)=:GOD AND DATUM<=:DT")))
                continue;
            st.sql.replace(QStringLiteral("EXTRACT(YEAR FROM DATUM)=:GOD AND DATUM<=:DT"),
                           QStringLiteral("DATUM>=:OD AND DATUM<=:DT"));
            st.params.insert(QStringLiteral("OD"), QDate(st.params.value(QStringLiteral("GOD")).toInt(), 1, 1));
            st.params.remove(QStringLiteral("GOD"));
        }
    }
    return units;
}

void statementsAndProposal(BenchContext &c, const QString &function, const QVector<IsqlUnit> &units)
{
    const QVector<double> values =
        statementsOnly(c, function + QStringLiteral(": its statements, in one open transaction"), units);
    const QVector<IsqlUnit> ranged = withDateRanges(units);
    // Run once untimed for the comparison, then timed.
    QVector<double> check;
    c.write().ensureStarted();
    for (const IsqlUnit &u : ranged) {
        for (const IsqlStatement &st : u) {
            db::Query q(c.write(), st.sql);
            for (auto it = st.params.cbegin(); it != st.params.cend(); ++it)
                q.bind(it.key(), it.value());
            check << q.scalar().toDouble();
        }
    }
    c.write().commit();
    statementsOnly(c, function + (check == values ? QStringLiteral(": the same with date ranges (same values)")
                                                  : QStringLiteral(": the same with date ranges (VALUES DIFFER)")),
                   ranged);
}

} // namespace

void benchCashBalances(BenchContext &c)
{
    const int runs = c.options().runs;
    const qint64 span = c.firstDay().daysTo(c.lastDay());
    QVector<QDate> days;
    QStringList currencies;
    for (int r = 0; r < runs; ++r) {
        days << c.firstDay().addDays(c.pick(int(span) + 1));
        currencies << (c.pick(2) == 0 ? c.accountingCurrency() : QStringLiteral("EUR"));
    }
    double sink = 0;
    QVector<IsqlUnit> units;

    const QString yearToDay = QStringLiteral(" AND EXTRACT(YEAR FROM DATUM)=:GOD AND DATUM<=:DT");
    BenchRow end = c.measure(QStringLiteral("BalanceAtEndOfDay"), runs, [&](int r) {
        sink += BalanceAtEndOfDay(c.write(), currencies.at(r), days.at(r));
    });
    for (int r = 0; r < runs; ++r) {
        IsqlUnit u{opening(QStringLiteral("="), days.at(r).year(), currencies.at(r))};
        u += movement(yearToDay, {{QStringLiteral("GOD"), days.at(r).year()}, {QStringLiteral("DT"), days.at(r)}},
                      currencies.at(r));
        units << u;
    }
    end.goal = QStringLiteral("≤ 1.25 × isql-fb");
    end.goalRatio = 1.25;
    c.addTimed(end, units);
    statementsAndProposal(c, end.name, units);

    units.clear();
    BenchRow year = c.measure(QStringLiteral("YearMovementToDay"), runs, [&](int r) {
        sink += YearMovementToDay(c.write(), currencies.at(r), days.at(r));
    });
    for (int r = 0; r < runs; ++r)
        units << movement(yearToDay, {{QStringLiteral("GOD"), days.at(r).year()}, {QStringLiteral("DT"), days.at(r)}},
                          currencies.at(r));
    year.goal = end.goal;
    year.goalRatio = 1.25;
    c.addTimed(year, units);

    units.clear();
    BenchRow before = c.measure(QStringLiteral("BalanceBeforeDay"), runs, [&](int r) {
        sink += BalanceBeforeDay(c.write(), currencies.at(r), days.at(r));
    });
    for (int r = 0; r < runs; ++r) {
        const int y = days.at(r).year();
        const int from = openingYear(c, QStringLiteral("<="), y, currencies.at(r));
        IsqlUnit u{opening(QStringLiteral("<="), y, currencies.at(r))};
        u += movement(QStringLiteral(" AND EXTRACT(YEAR FROM DATUM)") + (from == y ? QStringLiteral("=") : QStringLiteral(">="))
                          + QStringLiteral(":GOD AND DATUM<:D"),
                      {{QStringLiteral("GOD"), from}, {QStringLiteral("D"), days.at(r)}}, currencies.at(r));
        units << u;
    }
    before.goal = end.goal;
    before.goalRatio = 1.25;
    c.addTimed(before, units);

    units.clear();
    BenchRow start = c.measure(QStringLiteral("StartOfYearBalance"), runs, [&](int r) {
        const StartOfYear s = StartOfYearBalance(c.write(), days.at(r).year(), currencies.at(r));
        sink += s.fromLastOpening + s.allEarlierYears;
    });
    for (int r = 0; r < runs; ++r) {
        const int y = days.at(r).year();
        const int from = openingYear(c, QStringLiteral("<"), y, currencies.at(r));
        IsqlUnit u{opening(QStringLiteral("<"), y, currencies.at(r))};
        u += movement(QStringLiteral(" AND EXTRACT(YEAR FROM DATUM)<:GOD AND EXTRACT(YEAR FROM DATUM)>=:OGOD"),
                      {{QStringLiteral("GOD"), y}, {QStringLiteral("OGOD"), from}}, currencies.at(r));
        u += movement(QStringLiteral(" AND EXTRACT(YEAR FROM DATUM)<:GOD"), {{QStringLiteral("GOD"), y}},
                      currencies.at(r));
        units << u;
    }
    start.goal = end.goal;
    start.goalRatio = 1.25;
    c.addTimed(start, units);
    keep(sink);
}

} // namespace kalvor::bench
