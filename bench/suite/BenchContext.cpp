#include "suite/BenchContext.h"

#include "companygen/CompanyGenerator.h"
#include "core/db/Query.h"
#include "orders/OrderOpening.h"
#include "suite/ProcessMemory.h"

#include <algorithm>

namespace kalvor::bench {

volatile double g_kept = 0;

void keep(double value)
{
    g_kept = g_kept + value;
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

BenchContext::BenchContext(const QString &size, const QString &path, const BenchOptions &options, BenchTable &table)
    : m_size(size)
    , m_options(options)
    , m_table(table)
    , m_write(m_database)
    , m_read(m_database)
    , m_settings(companygen::CompanyGenerator::companySettings())
{
    m_params.databaseName = path;
    m_params.user = QStringLiteral("SYSDBA");
    m_params.password = QStringLiteral("korimatno");
    m_accounting = m_settings.text(QStringLiteral("DefValuta"));
}

void BenchContext::open()
{
    m_database.open(m_params);
    if (!m_orders.isEmpty())
        return;
    // The editor's lists for a stored order.
    m_lists = LoadEmployeeLists(m_read, false);
    db::TransactionGuard guard(m_write);
    db::Query ids(m_write, QStringLiteral("SELECT IDNALOG FROM NALOZI ORDER BY IDNALOG"));
    ids.open();
    while (ids.next())
        m_orders << ids.value(0).toInt();
    db::Query days(m_write, QStringLiteral("SELECT MIN(DATUM),MAX(DATUM) FROM NALOZI"));
    days.open();
    days.next();
    m_firstDay = days.value(0).toDate();
    m_lastDay = days.value(1).toDate();
    guard.commit();
}

void BenchContext::close()
{
    m_database.close();
}

QVector<int> BenchContext::someOrders(int n)
{
    QVector<int> list;
    for (int i = 0; i < n && !m_orders.isEmpty(); ++i)
        list << m_orders.at(pick(int(m_orders.size())));
    return list;
}

BenchRow BenchContext::measure(const QString &name, int runs, const std::function<void(int run)> &work)
{
    return measurePart(name, runs, [&work](int r) { return timeMs([&] { work(r); }); });
}

BenchRow BenchContext::measurePart(const QString &name, int runs, const std::function<double(int run)> &work)
{
    BenchRow row;
    row.name = name;
    row.database = m_size;
    ProcessMemory::resetPeak();
    for (int r = 0; r < runs; ++r)
        row.ours.add(work(r));
    row.peakMb = ProcessMemory::peakMb();
    return row;
}

void BenchContext::add(BenchRow row)
{
    row.database = m_size;
    m_table.add(row);
}

void BenchContext::addTimed(BenchRow row, const QVector<IsqlUnit> &units)
{
    row.database = m_size;
    row.timedStatement = true;
    // isql-fb runs right after our runs, so that both see the machine as
    // alike as a shared machine allows; the file is ours again afterwards.
    const bool wasOpen = m_database.isOpen();
    if (wasOpen)
        close();
    IsqlTimer timer(m_params.databaseName, m_params.user, m_params.password);
    const int handle = timer.add(units);
    if (!timer.run())
        m_table.note(QStringLiteral("isql-fb could not run on %1: %2").arg(m_size, timer.errors()));
    else if (!timer.errors().isEmpty())
        m_table.note(QStringLiteral("isql-fb on %1, %2: %3").arg(m_size, row.name, timer.errors().trimmed()));
    row.isql = timer.times(handle);
    m_table.add(row);
    if (wasOpen)
        open();
}

void BenchContext::wantPlan(const QString &name, const QString &sql, const QVariantMap &params)
{
    m_planNames << name;
    m_planStatements << IsqlTimer::withLiterals(sql, params);
}

void BenchContext::notePlans()
{
    IsqlTimer timer(m_params.databaseName, m_params.user, m_params.password);
    const QStringList plans = timer.plans(m_planStatements);
    for (qsizetype i = 0; i < plans.size(); ++i)
        m_table.note(QStringLiteral("Plan on %1, %2: `%3`").arg(m_size, m_planNames.at(i), plans.at(i)));
    m_planNames.clear();
    m_planStatements.clear();
}

} // namespace kalvor::bench
