#include "suite/BenchTable.h"

namespace kalvor::bench {

// isql-fb reports whole milliseconds. For statements of a few milliseconds
// its median is mostly the rounding; the mean of many runs is not, so such
// statements are compared by their means.
bool BenchRow::comparedByMeans() const
{
    return !isql.isEmpty() && isql.median() < 5;
}

double BenchRow::ratio() const
{
    if (!timedStatement || ours.isEmpty() || isql.isEmpty())
        return 0;
    if (comparedByMeans())
        return isql.mean() > 0 ? ours.mean() / isql.mean() : 0;
    return ours.median() / isql.median();
}

QString BenchRow::verdict() const
{
    if (!result.isEmpty())
        return resultMet ? QStringLiteral("met") : QStringLiteral("missed");
    if (goalMs > 0)
        return ours.median() < goalMs ? QStringLiteral("met") : QStringLiteral("missed");
    if (goalRatio > 0) {
        const double r = ratio();
        if (r <= 0)
            return QStringLiteral("n/a");
        return r <= goalRatio ? QStringLiteral("met") : QStringLiteral("missed");
    }
    return {};
}

QString BenchRow::spreadText() const
{
    return formatMs(ours.low()) + QStringLiteral(" – ") + formatMs(ours.high());
}

QString BenchTable::markdown() const
{
    QString out;
    out += QStringLiteral("| Benchmark | DB | runs | median ms | spread ms | isql-fb median ms | ratio | peak RSS MB "
                          "| goal | result |\n");
    out += QStringLiteral("|---|---|---:|---:|---:|---:|---:|---:|---|---|\n");
    for (const BenchRow &r : m_rows) {
        QString isql;
        if (r.timedStatement)
            isql = r.isql.isEmpty() ? QStringLiteral("–")
                                    : (r.comparedByMeans() ? formatMs(r.isql.mean()) + QStringLiteral(" (mean)")
                                                           : formatMs(r.isql.median()));
        const double ratio = r.ratio();
        QString ratioText;
        if (r.timedStatement)
            ratioText = ratio > 0 ? QString::number(ratio, 'f', 2) + (r.comparedByMeans() ? QStringLiteral(" (means)")
                                                                                              : QString())
                                  : QStringLiteral("–");
        QString verdict = r.verdict();
        if (!r.result.isEmpty())
            verdict = r.result + QStringLiteral(": ") + verdict;
        out += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 | %9 | %10 |\n")
                   .arg(r.name, r.database)
                   .arg(r.ours.size())
                   .arg(r.ours.isEmpty() ? QStringLiteral("–") : formatMs(r.ours.median()))
                   .arg(r.ours.isEmpty() ? QStringLiteral("–") : r.spreadText())
                   .arg(isql, ratioText)
                   .arg(r.peakMb, 0, 'f', 1)
                   .arg(r.goal, verdict);
    }
    return out;
}

} // namespace kalvor::bench
