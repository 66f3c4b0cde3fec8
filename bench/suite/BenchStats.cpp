#include "suite/BenchStats.h"

#include <algorithm>
#include <cmath>

namespace kalvor::bench {

double Sample::mean() const
{
    if (m_ms.isEmpty())
        return 0;
    double sum = 0;
    for (double v : m_ms)
        sum += v;
    return sum / double(m_ms.size());
}

double Sample::quantile(double q) const
{
    if (m_ms.isEmpty())
        return 0;
    QVector<double> s = m_ms;
    std::sort(s.begin(), s.end());
    const double pos = q * double(s.size() - 1);
    const qsizetype lo = qsizetype(std::floor(pos));
    const qsizetype hi = qsizetype(std::ceil(pos));
    return s.at(lo) + (s.at(hi) - s.at(lo)) * (pos - double(lo));
}

QString formatMs(double ms)
{
    if (ms < 0.01)
        return QString::number(ms, 'f', 6);
    if (ms < 0.1)
        return QString::number(ms, 'f', 4);
    if (ms < 10)
        return QString::number(ms, 'f', 2);
    if (ms < 1000)
        return QString::number(ms, 'f', 1);
    return QString::number(ms, 'f', 0);
}

} // namespace kalvor::bench
