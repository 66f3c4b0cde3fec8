#include "suite/StatementBenchmarks.h"

#include "core/db/Query.h"
#include "suite/BenchContext.h"
#include "suite/ProcessMemory.h"
#include "vehicles/LastOdometer.h"

#include <QPair>
#include <algorithm>
#include <functional>

namespace kalvor::bench {

namespace {

const QString kPersonOrders = QStringLiteral(
    "SELECT DISTINCT NALOZI.*, (SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI,VOZACI WHERE "
    "((NALOZI.IDNALOG=VOZACI.IDNALOG) AND ((VOZACI.VOZACID=:VID) OR (VOZACI.VOZACIME=:IME))) UNION "
    "SELECT DISTINCT NALOZI.*, (SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI,UTOVARIVACI WHERE "
    "((NALOZI.IDNALOG=UTOVARIVACI.IDNALOG) AND ((UTOVARIVACI.DJELATNIKID=:VID) OR (UTOVARIVACI.IMEPREZIME=:IME))) "
    "ORDER BY 16 DESC");

const QString kDayOrders = QStringLiteral(
    "SELECT DISTINCT NALOZI.*,(SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI WHERE CAST(DATUM AS DATE)=:DAT "
    "ORDER BY DATUMOBRADE DESC");
// DATUM is a DATE column already: the cast is the column itself, and
// without it the engine can use the column's index.
const QString kDayOrdersIndexed = QStringLiteral(
    "SELECT DISTINCT NALOZI.*,(SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI WHERE DATUM=:DAT "
    "ORDER BY DATUMOBRADE DESC");

const QString kVehicleOrders = QStringLiteral(
    "SELECT DISTINCT NALOZI.*,(SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM VOZILO,NALOZI WHERE "
    "((VOZILO.IDVOZ=NALOZI.VOZILOID) OR (VOZILO.IDVOZ=NALOZI.PRIKLJUCNOID)) AND VOZILO.IDVOZ=:IDV "
    "ORDER BY DATUMOBRADE DESC");

const QString kSearch = QStringLiteral(
    "SELECT DISTINCT NALOZI.*, (SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI,VOZACI WHERE "
    "((NALOZI.IDNALOG=VOZACI.IDNALOG) AND (VOZACI.VOZACIME CONTAINING :IME)) UNION "
    "SELECT DISTINCT NALOZI.*, (SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI,UTOVARIVACI WHERE "
    "((NALOZI.IDNALOG=UTOVARIVACI.IDNALOG) AND (UTOVARIVACI.IMEPREZIME CONTAINING :IME)) UNION "
    "SELECT DISTINCT NALOZI.*,(SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI,VOZILO WHERE "
    "((VOZILO.IDVOZ=NALOZI.VOZILOID) OR (VOZILO.IDVOZ=NALOZI.PRIKLJUCNOID)) AND "
    "(VOZILO.OZNAKA||VOZILO.MARKAITIP CONTAINING :IME OR VOZILO.NAPOMENA CONTAINING :IME) UNION "
    "SELECT DISTINCT NALOZI.*,(SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI  WHERE "
    "(NALOZI.MJIZRADE CONTAINING :IME OR NALOZI.ZADACA CONTAINING :IME OR NALOZI.OZNAKA CONTAINING :IME OR "
    "NALOZI.RELACIJA CONTAINING :IME) ORDER BY 16 DESC");

// The register's statement. Its outer table is named A, so the subqueries
// refer to it as A (as NALOZI the engine refuses them: "Column unknown").
const QString kRegisterHead = QStringLiteral(
    "SELECT DATUM, OZNAKA, (SELECT FIRST 1 VOZACIME FROM VOZACI WHERE idnalog=A.idnalog AND SUV=0) AS VOZAC,"
    "RELACIJA,ZADACA,datvriodlaska,datvripovratka,(SELECT SUM(IZNOS) FROM AKONTACIJA WHERE idnalog=A.IDNALOG) AS AKONT,"
    "datumobrade, (SELECT MIN(STANJEKM) FROM DIONICE WHERE idnalog=A.IDNALOG) AS POCSTANJE,"
    "(SELECT MAX(STANJEKM) FROM DIONICE WHERE idnalog=A.IDNALOG) AS ZAVSTANJE,"
    "(SELECT OZNAKA FROM VOZILO WHERE IDVOZ=A.VOZILOID) AS REG1,(SELECT OZNAKA FROM VOZILO WHERE IDVOZ=A.prikljucnoid) "
    "AS REG2,");
const QString kRegisterTail = QStringLiteral(
    " AS LASTSTANJE,IDNALOG FROM NALOZI A WHERE (DATUM>=:D1 AND DATUM<=:D2) ORDER BY DATUM DESC,10,IDNALOG");
const QString kRegister = kRegisterHead
    + QStringLiteral("(SELECT MAX(STANJEKM) FROM DIONICE WHERE IDNALOG IN (SELECT IDNALOG FROM NALOZI where "
                     "VOZILOID=A.VOZILOID AND DATUM<A.DATUM))")
    + kRegisterTail;
// The same maximum over the same sections, reached from the vehicle's orders
// (NALOZI_IDX1) and their sections (DIONICE_IDX1) instead of testing every
// section of the database against the subquery.
const QString kRegisterJoined = kRegisterHead
    + QStringLiteral("(SELECT MAX(D.STANJEKM) FROM NALOZI N JOIN DIONICE D ON D.IDNALOG=N.IDNALOG WHERE "
                     "N.VOZILOID=A.VOZILOID AND N.DATUM<A.DATUM)")
    + kRegisterTail;

const QString kLastOdometer = QStringLiteral(
    "SELECT FIRST 1 STANJEKM,IDNALOG FROM DIONICE WHERE IDNALOG IN (SELECT IDNALOG FROM NALOZI WHERE VOZILOID=:IDV) "
    "ORDER BY STANJEKM DESC");
// The sections of the vehicle's orders, reached from its orders
// (NALOZI_IDX1) and their sections (DIONICE_IDX1). "+0" keeps the engine from
// walking every section first: with the index statistics as an empty new
// database leaves them it would.
const QString kLastOdometerJoined = QStringLiteral(
    "SELECT FIRST 1 D.STANJEKM,D.IDNALOG FROM NALOZI N JOIN DIONICE D ON D.IDNALOG=N.IDNALOG+0 "
    "WHERE N.VOZILOID=:IDV ORDER BY D.STANJEKM DESC");

const QString kFuel = QStringLiteral(
    "SELECT RACUNI.* FROM NALOZI,RACUNI WHERE NALOZI.IDNALOG=RACUNI.IDNALOG AND RACUNI.BENZIN=1 AND "
    "(NALOZI.VOZILOID=:V OR NALOZI.PRIKLJUCNOID=:V) UNION SELECT RACUNI.* FROM RACUNI WHERE RACUNI.IDNALOG<0 AND "
    "RACUNI.BENZIN=1 AND RACUNI.IDNALOG=:NV ORDER BY 11 ASC,3 ASC");

// The rate list of the order's tab "Tečaj" and of every rate lookup that the
// order's own rates do not answer.
const QString kRates = QStringLiteral("SELECT * FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL");

// The kilometres of an order as GETKM gives them, written into the statement:
// the same value, without a procedure call for every row.
QString withInlineKm(QString sql)
{
    sql.replace(QStringLiteral("(SELECT KM FROM GETKM(NALOZI.IDNALOG))"),
                QStringLiteral("(SELECT MAX(S.STANJEKM)-MIN(S.STANJEKM) FROM DIONICE S WHERE S.IDNALOG=NALOZI.IDNALOG)"));
    return sql;
}

// The same receipts reached from the vehicle's orders (NALOZI_IDX1 or
// NALOZI_IDX2) and their receipts (RACUNI_IDX2); "+0" keeps the engine from
// reading every receipt first, as it does with an empty database's index
// statistics.
const QString kFuelFromOrders = QStringLiteral(
    "SELECT RACUNI.* FROM NALOZI,RACUNI WHERE RACUNI.IDNALOG=NALOZI.IDNALOG+0 AND RACUNI.BENZIN=1 AND "
    "(NALOZI.VOZILOID=:V OR NALOZI.PRIKLJUCNOID=:V) UNION SELECT RACUNI.* FROM RACUNI WHERE RACUNI.IDNALOG<0 AND "
    "RACUNI.BENZIN=1 AND RACUNI.IDNALOG=:NV ORDER BY 11 ASC,3 ASC");

using Rows = QVector<QVariantList>;

// Runs a list statement as a screen fills its list: prepared, opened, every
// value of every row read.
Rows fetch(db::Transaction &read, const QString &sql, const QVariantMap &params)
{
    db::TransactionGuard guard(read);
    db::Query q(read, sql);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.bind(it.key(), it.value());
    Rows rows;
    q.open();
    const int columns = q.columnCount();
    while (q.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << q.value(i);
        rows << row;
    }
    q.close();
    guard.commit();
    return rows;
}

QStringList rowTexts(const Rows &rows, int columns)
{
    QStringList texts;
    for (const QVariantList &row : rows) {
        QStringList values;
        for (int i = 0; i < std::min(columns, int(row.size())); ++i)
            values << row.at(i).toString();
        texts << values.join(QLatin1Char('|'));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

struct Statement
{
    QString name;
    QString sql;
    QVector<QVariantMap> params; // one set per run
};

QVector<IsqlUnit> unitsOf(const Statement &s)
{
    QVector<IsqlUnit> units;
    for (const QVariantMap &p : s.params)
        units << IsqlUnit{{s.sql, p}};
    return units;
}

using Runner = std::function<Rows(const QVariantMap &)>;

// Times a statement over its sets of values, each set once, after a pass
// that warms the cache. A statement that takes seconds runs with the first
// few sets only, one of minutes with the first set once (isql-fb then runs
// the same). Returns the statement as run and the rows of every set.
QPair<Statement, QVector<Rows>> run(BenchContext &c, Statement s, const Runner &runner)
{
    ProcessMemory::resetPeak();
    Rows firstRows;
    const double first = timeMs([&] { firstRows = runner(s.params.first()); });
    int runs = int(s.params.size());
    if (first > 20000)
        runs = 1;
    else if (first > 3000)
        runs = std::min(3, runs);
    else if (first > 500)
        runs = std::min(10, runs);
    s.params.resize(runs);
    QVector<Rows> rows(runs);
    BenchRow row;
    if (runs == 1) {
        row.name = s.name + QStringLiteral(" (one cold run)");
        row.ours.add(first);
        row.peakMb = ProcessMemory::peakMb();
        rows[0] = firstRows;
    } else {
        if (first <= 500) {
            for (const QVariantMap &p : s.params)
                runner(p);
        }
        row = c.measure(s.name, runs, [&](int r) { rows[r] = runner(s.params.at(r)); });
    }
    row.goal = QStringLiteral("≤ 1.25 × isql-fb");
    row.goalRatio = 1.25;
    c.addTimed(row, unitsOf(s));
    c.wantPlan(s.name, s.sql, s.params.first());
    return {s, rows};
}

QPair<Statement, QVector<Rows>> run(BenchContext &c, const Statement &s)
{
    return run(c, s, [&c, &s](const QVariantMap &p) { return fetch(c.read(), s.sql, p); });
}

// A faster shape of a statement, run with the same values; its rows are
// compared with the original's (the first `columns` columns, in any order).
void runProposal(BenchContext &c, const QPair<Statement, QVector<Rows>> &original, Statement proposal, int columns)
{
    proposal.params = original.first.params;
    QVector<Rows> rows(proposal.params.size());
    for (qsizetype i = 0; i < proposal.params.size(); ++i)
        rows[i] = fetch(c.read(), proposal.sql, proposal.params.at(i));
    int differ = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rowTexts(rows.at(i), columns) != rowTexts(original.second.at(i), columns))
            ++differ;
    }
    proposal.name += differ == 0 ? QStringLiteral(" (same rows)") : QStringLiteral(" (ROWS DIFFER in %1 runs)").arg(differ);
    run(c, proposal);
}

QVector<QVariantMap> valuesOf(BenchContext &c, const QString &sql, const QStringList &names, int runs)
{
    const Rows rows = fetch(c.read(), sql, {});
    QVector<QVariantMap> sets;
    for (int r = 0; r < runs && !rows.isEmpty(); ++r) {
        const QVariantList &row = rows.at(c.pick(int(rows.size())));
        QVariantMap p;
        for (qsizetype i = 0; i < names.size(); ++i)
            p.insert(names.at(i), row.at(i));
        sets << p;
    }
    return sets;
}

QVector<Statement> statements(BenchContext &c)
{
    const int runs = c.options().runs;
    QVector<Statement> list;
    list.append({QStringLiteral("main window: orders of a person"), kPersonOrders,
                 valuesOf(c, QStringLiteral("SELECT DISTINCT VOZACID,VOZACIME FROM VOZACI"),
                          {QStringLiteral("VID"), QStringLiteral("IME")}, runs)});
    list.append({QStringLiteral("main window: orders of a day"), kDayOrders,
                 valuesOf(c, QStringLiteral("SELECT DISTINCT DATUM FROM NALOZI"), {QStringLiteral("DAT")}, runs)});
    list.append({QStringLiteral("main window: orders of a vehicle"), kVehicleOrders,
                 valuesOf(c, QStringLiteral("SELECT DISTINCT VOZILOID FROM NALOZI"), {QStringLiteral("IDV")}, runs)});
    list.append({QStringLiteral("main window: search \"HORVAT\""), kSearch,
                 QVector<QVariantMap>(runs, {{QStringLiteral("IME"), QStringLiteral("HORVAT")}})});

    // The register's default period: a fortnight, within one year.
    QVector<QVariantMap> periods;
    const qint64 span = c.firstDay().daysTo(c.lastDay());
    for (int r = 0; r < runs; ++r) {
        QDate end = c.firstDay().addDays(14 + c.pick(int(std::max<qint64>(1, span - 14))));
        QDate start = end.addDays(-14);
        if (start.year() != end.year())
            start = QDate(end.year(), 1, 1);
        periods << QVariantMap{{QStringLiteral("D1"), start}, {QStringLiteral("D2"), end}};
    }
    list.append({QStringLiteral("order register, a fortnight"), kRegister, periods});

    const QVector<QVariantMap> tractors = valuesOf(c, QStringLiteral("SELECT DISTINCT VOZILOID FROM NALOZI"),
                                                   {QStringLiteral("IDV")}, runs);
    list.append({QStringLiteral("last odometer reading of a vehicle"), kLastOdometer, tractors});

    list.append({QStringLiteral("rate list valid at a date (TECAJSVE)"), kRates,
                 valuesOf(c, QStringLiteral("SELECT DISTINCT DATUMOBRADE FROM NALOZI"), {QStringLiteral("DAT")}, runs)});

    QVector<QVariantMap> fuel = valuesOf(c, QStringLiteral("SELECT IDVOZ FROM VOZILO"), {QStringLiteral("V")}, runs);
    for (QVariantMap &p : fuel)
        p.insert(QStringLiteral("NV"), -p.value(QStringLiteral("V")).toInt());
    list.append({QStringLiteral("fuel consumption statement of a vehicle"), kFuel, fuel});
    return list;
}

} // namespace

void benchStatements(BenchContext &c)
{
    const QVector<Statement> list = statements(c);
    for (const Statement &s : list) {
        if (s.params.isEmpty())
            continue;
        if (s.sql == kLastOdometer) {
            // Through the program's own function; the original statement's rows
            // are read afterwards for the comparison.
            Statement viaFunction = s;
            viaFunction.name += QStringLiteral(" (LastOdometerReading)");
            auto measured = run(c, viaFunction, [&c](const QVariantMap &p) {
                const OdometerReading r = LastOdometerReading(c.write(), p.value(QStringLiteral("IDV")).toInt());
                return r.found() ? Rows{{r.km, r.orderId}} : Rows{};
            });
            for (qsizetype i = 0; i < measured.first.params.size(); ++i)
                measured.second[i] = fetch(c.read(), s.sql, measured.first.params.at(i));
            runProposal(c, measured, {s.name + QStringLiteral(", joined"), kLastOdometerJoined, {}}, 1);
            continue;
        }
        const auto measured = run(c, s);
        if (s.sql == kSearch)
            runProposal(c, measured, {s.name + QStringLiteral(", UK without GETKM"), withInlineKm(s.sql), {}}, 100);
        if (s.sql == kFuel)
            runProposal(c, measured, {s.name + QStringLiteral(", NALOZI first"), kFuelFromOrders, {}}, 100);
        if (s.sql == kDayOrders)
            runProposal(c, measured, {s.name + QStringLiteral(", DATUM=:DAT"), kDayOrdersIndexed, {}}, 100);
        if (s.sql == kRegister)
            runProposal(c, measured, {s.name + QStringLiteral(", LASTSTANJE joined"), kRegisterJoined, {}}, 100);
    }
}

} // namespace kalvor::bench
