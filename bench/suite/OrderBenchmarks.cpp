#include "suite/OrderBenchmarks.h"

#include "core/SchemaUpgrade.h"
#include "core/db/Query.h"
#include "orders/OrderOpening.h"
#include "orders/TravelOrderStore.h"
#include "suite/BenchContext.h"
#include "suite/ProcessMemory.h"

namespace kalvor::bench {

namespace {

// What the editor does with a stored order before it shows it: the
// milliseconds of the load and of the computations.
struct OpenTimes
{
    double load = 0, settle = 0;
};

OpenTimes openAndSettle(BenchContext &c, int id)
{
    OpenTimes t;
    TravelOrderStore store(c.write(), c.settings());
    TravelOrder order;
    t.load = timeMs([&] { store.load(id, order, c.lists()); });
    t.settle = timeMs([&] {
        const SettlementResult result = SettleOnOpening(order, c.write(), c.settings());
        keep(result.kilometres + result.chosen(order.settlement.method).employees.size());
    });
    return t;
}

// The order's rows as the main window deletes them.
void deleteOrders(BenchContext &c, const QVector<int> &ids)
{
    db::TransactionGuard guard(c.write());
    for (int id : ids) {
        for (const char *table : {"NALOZI", "OBRACUN", "RACUNI", "UTOVARIVACI", "VOZACI", "AKONTACIJA", "BLPROMET",
                                  "DIONICE", "NALOGVALUTA", "OMD"}) {
            db::Query q(c.write(), QStringLiteral("DELETE FROM %1 WHERE IDNALOG=:ID").arg(QLatin1String(table)));
            q.bind(QStringLiteral("ID"), id);
            q.exec();
        }
    }
    guard.commit();
}

} // namespace

void benchConnect(BenchContext &c)
{
    Sample connect, check;
    BenchRow both = c.measure(QStringLiteral("connect + upgrade check"), c.options().runs, [&](int) {
        db::Database database;
        db::Transaction write(database);
        connect.add(timeMs([&] { database.open(c.params()); }));
        check.add(timeMs([&] { UpgradeSchema(write, readUserTables(write)); }));
        database.close();
    });
    BenchRow connectRow = both, checkRow = both;
    connectRow.name = QStringLiteral("connect (embedded)");
    connectRow.ours = connect;
    checkRow.name = QStringLiteral("upgrade check, up-to-date database");
    checkRow.ours = check;
    checkRow.goal = QStringLiteral("< 50 ms");
    checkRow.goalMs = 50;
    c.add(both);
    c.add(connectRow);
    c.add(checkRow);
}

void benchOpenOrders(BenchContext &c)
{
    const QVector<int> ids = c.someOrders(c.options().runs * 2);
    // One pass to warm the page cache, as a user who has worked a while has.
    for (int id : ids)
        openAndSettle(c, id);
    Sample load, settle;
    BenchRow open = c.measure(QStringLiteral("open an order: load + allowances + settlement"), int(ids.size()),
                              [&](int r) {
                                  const OpenTimes t = openAndSettle(c, ids.at(r));
                                  load.add(t.load);
                                  settle.add(t.settle);
                              });
    open.goal = QStringLiteral("< 20 ms");
    open.goalMs = 20;
    c.add(open);
    BenchRow part = open;
    part.goal.clear();
    part.goalMs = 0;
    part.name = QStringLiteral("… of that: load (TravelOrderStore::load)");
    part.ours = load;
    c.add(part);
    part.name = QStringLiteral("… of that: allowances + settlement (SettleOnOpening)");
    part.ours = settle;
    c.add(part);
}

void benchSaveOrders(BenchContext &c)
{
    const QVector<int> ids = c.someOrders(c.options().runs);
    BenchRow unchanged = c.measurePart(QStringLiteral("save an existing order unchanged"), int(ids.size()), [&](int r) {
        TravelOrderStore store(c.write(), c.settings());
        TravelOrder order;
        store.load(ids.at(r), order, c.lists());
        return timeMs([&] {
            if (!store.save(order).saved)
                throw std::runtime_error(store.lastError().toStdString());
        });
    });
    unchanged.goal = QStringLiteral("< 60 ms");
    unchanged.goalMs = 60;
    c.add(unchanged);

    // Orders a benchmark that was stopped half-way left behind.
    QVector<int> created;
    {
        db::TransactionGuard guard(c.write());
        db::Query left(c.write(), QStringLiteral("SELECT IDNALOG FROM NALOZI WHERE OZNAKA STARTING WITH 'BENCH-'"));
        left.open();
        while (left.next())
            created << left.value(0).toInt();
        guard.commit();
    }
    deleteOrders(c, created);
    created.clear();
    BenchRow fresh = c.measurePart(QStringLiteral("save a new order (a copy of a stored one)"), int(ids.size()), [&](int r) {
        TravelOrderStore store(c.write(), c.settings());
        TravelOrder order;
        store.loadCopy(ids.at(r), order, c.lists(), c.lastDay());
        order.label = QStringLiteral("BENCH-%1").arg(r + 1);
        const double ms = timeMs([&] {
            if (!store.save(order).saved)
                throw std::runtime_error(store.lastError().toStdString());
        });
        created << order.id;
        return ms;
    });
    c.add(fresh);
    deleteOrders(c, created);
}

void benchMemory(BenchContext &c)
{
    const int n = c.options().memoryOrders;
    const QVector<int> ids = c.someOrders(n);
    ProcessMemory::resetPeak();
    const double before = ProcessMemory::residentMb();
    QElapsedTimer t;
    t.start();
    for (int id : ids)
        openAndSettle(c, id);
    const double ms = elapsedMs(t);
    const double growth = ProcessMemory::residentMb() - before;
    BenchRow row;
    row.name = QStringLiteral("open and settle %1 orders one after another").arg(n);
    row.ours.add(ms);
    row.peakMb = ProcessMemory::peakMb();
    row.goal = QStringLiteral("RSS growth < 20 MB");
    row.value = growth;
    row.result = QStringLiteral("+%1 MB").arg(growth, 0, 'f', 1);
    row.resultMet = growth < 20;
    c.add(row);
}

} // namespace kalvor::bench
