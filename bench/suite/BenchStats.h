#pragma once

#include <QString>
#include <QVector>

namespace kalvor::bench {

// Repeated measurements of one operation in milliseconds.
class Sample
{
public:
    void add(double ms) { m_ms.append(ms); }
    bool isEmpty() const { return m_ms.isEmpty(); }
    int size() const { return int(m_ms.size()); }

    double median() const { return quantile(0.5); }
    double mean() const;
    // p10 to p90 when there are ten runs or more, otherwise min to max.
    double low() const { return m_ms.size() >= 10 ? quantile(0.1) : quantile(0); }
    double high() const { return m_ms.size() >= 10 ? quantile(0.9) : quantile(1); }
    double quantile(double q) const;

private:
    QVector<double> m_ms;
};

// Milliseconds as the table shows them: three significant places below 10.
QString formatMs(double ms);

} // namespace kalvor::bench
