#pragma once

#include "core/Settings.h"
#include "core/db/Database.h"
#include "core/db/Transaction.h"
#include "orders/TravelOrder.h"
#include "suite/BenchTable.h"
#include "suite/IsqlTimer.h"

#include <QDate>
#include <QElapsedTimer>
#include <QString>
#include <QVector>
#include <functional>
#include <random>

namespace kalvor::bench {

struct BenchOptions
{
    int runs = 30;           // repetitions of each timed operation
    int memoryOrders = 1000; // orders opened one after another for the memory figure
    bool writeResults = false;
    QString dataDir;         // where the generated databases are kept
    QStringList sizes{QStringLiteral("M"), QStringLiteral("L")};
};

// Everything the benchmarks of one database share: the connection with the
// program's two transactions, the company's settings, the employee lists an
// order is matched against, a reproducible choice of orders, and the rows
// and isql-fb statements gathered on the way.
class BenchContext
{
public:
    BenchContext(const QString &size, const QString &path, const BenchOptions &options, BenchTable &table);

    void open();
    void close();

    const QString &size() const { return m_size; }
    const db::ConnectParams &params() const { return m_params; }
    const BenchOptions &options() const { return m_options; }
    db::Database &database() { return m_database; }
    db::Transaction &write() { return m_write; }
    db::Transaction &read() { return m_read; }
    const Settings &settings() const { return m_settings; }
    const OrderEmployeeLists &lists() const { return m_lists; }
    const QString &accountingCurrency() const { return m_accounting; }

    // n orders drawn at random (the same for the same database).
    QVector<int> someOrders(int n);
    int pick(int n) { return int(m_random() % unsigned(n)); }
    QDate firstDay() const { return m_firstDay; }
    QDate lastDay() const { return m_lastDay; }

    // Times `work` once per run, with the peak memory of the runs.
    BenchRow measure(const QString &name, int runs, const std::function<void(int run)> &work);
    // The same where only a part of each run counts: `work` returns the
    // milliseconds of that part (see timeMs()).
    BenchRow measurePart(const QString &name, int runs, const std::function<double(int run)> &work);
    void add(BenchRow row);
    // A row compared with isql-fb: closes the connection, runs the units
    // with isql-fb, adds the row and opens the connection again.
    void addTimed(BenchRow row, const QVector<IsqlUnit> &units);
    // Asks for the access plan of a statement (with the values of one run).
    void wantPlan(const QString &name, const QString &sql, const QVariantMap &params);
    // Notes the plans asked for; runs isql-fb, so the connection must be closed.
    void notePlans();

    BenchTable &table() { return m_table; }

private:
    QString m_size;
    db::ConnectParams m_params;
    const BenchOptions &m_options;
    BenchTable &m_table;
    db::Database m_database;
    db::Transaction m_write;
    db::Transaction m_read;
    Settings m_settings;
    OrderEmployeeLists m_lists;
    QString m_accounting;
    QVector<int> m_orders;
    QDate m_firstDay, m_lastDay;
    std::mt19937 m_random{20090101u};
    QStringList m_planNames, m_planStatements;
};

// Keeps a computed value alive, so that the work that made it is not
// optimised away.
void keep(double value);

double elapsedMs(const QElapsedTimer &timer);

// The milliseconds that `work` takes.
template <typename Work>
double timeMs(Work work)
{
    QElapsedTimer t;
    t.start();
    work();
    return elapsedMs(t);
}

} // namespace kalvor::bench
