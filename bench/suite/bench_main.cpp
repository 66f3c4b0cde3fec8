// kalvor_bench: the benchmarks on the generated M and L companies. Prints one
// markdown table (and writes it to bench/results.md with --write-results):
// median and spread over repeated runs in milliseconds, isql-fb's time for the
// same statements on the same file where an operation is a statement, the
// peak resident memory of each benchmark, and the goals met or missed.
//
//   kalvor_bench [--data DIR] [--sizes M,L] [--runs N] [--memory-orders N] [--write-results]
//   kalvor_bench --generate-only [--data DIR] [--sizes M,L]   (makes the missing databases)

#include "core/db/DbError.h"
#include "suite/BenchContext.h"
#include "suite/BenchDatabases.h"
#include "suite/CashBenchmarks.h"
#include "suite/ComputeBenchmarks.h"
#include "suite/MachineInfo.h"
#include "suite/OrderBenchmarks.h"
#include "suite/ProcessMemory.h"
#include "suite/ProposedIndexes.h"
#include "suite/StatementBenchmarks.h"
#include "suite/TransactionBenchmarks.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <exception>

using namespace kalvor;
using namespace kalvor::bench;

namespace {

QString option(const QStringList &args, const QString &name, const QString &fallback = {})
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : fallback;
}

// --memory PATH N, in a process of its own so that nothing before it has
// grown the process: connect, open and settle one order, then N more; prints
// the growth in MB after the first order and the milliseconds of the N.
int memoryChild(const QStringList &args)
{
    BenchOptions options;
    options.memoryOrders = option(args, QStringLiteral("--orders"), QStringLiteral("1000")).toInt();
    BenchTable table;
    BenchContext c(QStringLiteral("child"), option(args, QStringLiteral("--memory")), options, table);
    c.open();
    benchMemory(c);
    c.close();
    const BenchRow &row = table.rows().constLast();
    QTextStream(stdout) << row.value << ' ' << row.ours.median() << ' ' << row.peakMb << '\n';
    return 0;
}

BenchRow memoryRow(const QString &size, const QString &path, int orders)
{
    BenchRow row;
    row.name = QStringLiteral("open and settle %1 orders one after another (own process)").arg(orders);
    row.database = size;
    row.goal = QStringLiteral("RSS growth < 20 MB");
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory"), path, QStringLiteral("--orders"), QString::number(orders)});
    child.waitForFinished(-1);
    const QStringList parts = QString::fromUtf8(child.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
    if (child.exitCode() != 0 || parts.size() < 3) {
        row.result = QStringLiteral("failed: ") + QString::fromLocal8Bit(child.readAllStandardError()).trimmed();
        row.resultMet = false;
        return row;
    }
    row.value = parts.at(0).toDouble();
    row.result = QStringLiteral("+%1 MB").arg(row.value, 0, 'f', 1);
    row.resultMet = row.value < 20;
    row.ours.add(parts.at(1).toDouble());
    row.peakMb = parts.at(2).toDouble();
    return row;
}

void benchDatabase(const QString &size, const QString &path, const BenchOptions &options, BenchTable &table)
{
    BenchContext c(size, path, options, table);
    benchConnect(c);
    c.open();
    benchOpenOrders(c);
    benchSaveOrders(c);
    benchComputations(c);
    benchTransactions(c);
    benchCashBalances(c);
    benchStatements(c);
    c.close();
    table.add(memoryRow(size, path, options.memoryOrders));
    c.notePlans();
    benchWithProposedIndexes(size, path, options, table);
}

// What the rows that are no statement of the program measure, and why.
QStringList explanations()
{
    return {
        QStringLiteral(
            "Rows \"+idx\": the order benchmarks on a copy of the database with three more indexes, "
            "`NALOGVALUTA (IDNALOG)`, `OBRACUN (IDNALOG)` and `NALOZI (OZNAKA)`. Loading an order reads its "
            "fixed rates and its settlement row by `IDNALOG`, and saving it deletes them by `IDNALOG`; neither "
            "table has a key or an index, so every load and every save reads the whole table (twelve rate rows per "
            "order). The save of a new order tests its label with `SELECT COUNT(*) FROM NALOZI WHERE OZNAKA=:OZN`, "
            "which reads every order. An index returns the same rows; these three would be a step of the schema "
            "upgrade."),
        QStringLiteral(
            "Rows \"(same rows)\": a shape of the statement that returns the same rows (compared for every set of "
            "values the original ran with) and lets the engine use the indexes the schema has. "
            "\"DATUM=:DAT\": `CAST(DATUM AS DATE)` is the column itself, but it hides the column from "
            "NALOZI_IDX3 (likewise DATUMOBRADE and NALOZI_IDX4; for the timestamps `C >= :DAT AND C < :DAT + 1`). "
            "\"LASTSTANJE joined\": `IDNALOG IN (SELECT ...)` makes the engine test every section of the database "
            "for every order of the register; the join reaches the vehicle's earlier orders by NALOZI_IDX1/IDX3 and "
            "their sections by DIONICE_IDX1. The last odometer reading is the same case (the join, with `+0` on "
            "the joined column). \"NALOZI first\": the fuel statement reads every receipt and looks its order up; "
            "with `+0` it starts from the vehicle's orders (NALOZI_IDX1, NALOZI_IDX2). \"date ranges\": "
            "`EXTRACT(YEAR FROM DATUM)=:GOD AND DATUM<=:DT` can use BLPROMET_IDX1 only up to the date, from the "
            "first entry ever; `DATUM>=:OD AND DATUM<=:DT` (OD = 1 January) bounds it on both sides."),
        QStringLiteral(
            "`+0` is needed because every index of a database the program creates has the statistics 0: the "
            "upgrade creates the indexes on empty tables, and Firebird computes statistics only when an index is "
            "made or restored, or on `SET STATISTICS INDEX`. With real statistics the plain join finds the good "
            "plan too."),
        QStringLiteral(
            "\"UK without GETKM\": the kilometres computed in the statement instead of by the procedure; not "
            "faster, so the search's time is the rows it must read (CONTAINING reads whole tables) and the sections "
            "of every order found, not the procedure call."),
        QStringLiteral(
            "TECAJSVE reads every rate dated up to the day and groups them, then reads TECAJ once more per currency "
            "(TECAJ has no index). An order's rate lookup runs it for a currency the order's own rates lack; an "
            "index on `TECAJ (VALUTA, DATUM)` and a body that finds each currency's latest date by that index would "
            "return the same rows."),
        QStringLiteral(
            "Every transaction the program starts is read-write: its start writes the database header, and with "
            "forced writes (the default) that waits for the disk; a read-only read-committed transaction does not. "
            "Each list refresh, balance function and small read of the program starts one (isql-fb runs its "
            "statements in one transaction). The list transaction `Read` only reads and could be read-only. Rows "
            "\"forced writes off\": the same saves on the same copy with forced writes switched off, which leaves "
            "the engine's own work; the rest of a save's time is the pages its commit writes to the disk one by "
            "one."),
        QStringLiteral(
            "isql-fb reports whole milliseconds: where its median is below 5 ms both sides are compared by their "
            "means. The machine is shared; a spread that is wide says that others were working on it too. Peak "
            "RSS is the highest resident size while a benchmark ran; the engine keeps the memory it once took, so "
            "later rows carry what earlier ones needed."),
    };
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.contains(QStringLiteral("--memory")))
        return memoryChild(args);

    BenchOptions options;
    options.dataDir = option(args, QStringLiteral("--data"), QStringLiteral(KALVOR_BENCH_DATA));
    options.runs = option(args, QStringLiteral("--runs"), QStringLiteral("30")).toInt();
    options.memoryOrders = option(args, QStringLiteral("--memory-orders"), QStringLiteral("1000")).toInt();
    options.sizes = option(args, QStringLiteral("--sizes"), QStringLiteral("M,L")).split(QLatin1Char(','));
    options.writeResults = args.contains(QStringLiteral("--write-results"));
    QTextStream out(stdout), err(stderr);

    BenchTable table;
    BenchDatabases databases(options.dataDir);
    QStringList generated;
    for (const QString &size : options.sizes) {
        QString error;
        const QString path = databases.ensure(size, &error);
        if (path.isEmpty()) {
            err << "No " << size << " database: " << error << '\n';
            return 1;
        }
        generated << QStringLiteral("- %1: %2").arg(size, databases.generationNote(size));
        if (args.contains(QStringLiteral("--generate-only")))
            continue;
        out << "Benchmarks on " << size << " …\n";
        out.flush();
        try {
            benchDatabase(size, path, options, table);
        } catch (const db::DbError &e) {
            err << "Benchmark on " << size << " failed: " << e.message() << '\n';
            return 1;
        } catch (const std::exception &e) {
            err << "Benchmark on " << size << " failed: " << e.what() << '\n';
            return 1;
        }
    }

    if (args.contains(QStringLiteral("--generate-only"))) {
        out << generated.join(QLatin1Char('\n')) << '\n';
        return 0;
    }
    QString report;
    QTextStream r(&report);
    r << "# Kalvor benchmarks\n\n";
    r << MachineInfo::current().markdown() << "\n\n";
    r << "Run " << QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) << ", " << options.runs
      << " runs per benchmark (spread: p10 – p90, or min – max below ten runs). Databases:\n";
    for (const QString &line : generated)
        r << line << '\n';
    r << '\n' << table.markdown() << '\n';
    r << "Notes:\n\n";
    for (const QString &n : explanations())
        r << "- " << n << '\n';
    for (const QString &n : table.notes())
        r << "- " << n << '\n';
    r.flush();
    out << report;
    if (options.writeResults) {
        QFile file(QStringLiteral(KALVOR_SOURCE_DIR "/bench/results.md"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(report.toUtf8()) < 0) {
            err << "Cannot write " << file.fileName() << '\n';
            return 1;
        }
        out << "Written to " << file.fileName() << '\n';
    }
    return 0;
}
