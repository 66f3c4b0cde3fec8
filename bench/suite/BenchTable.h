#pragma once

#include "suite/BenchStats.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor::bench {

// One line of the results: an operation on one database, our times, the
// times isql-fb took for the same statements where it is a statement, the
// peak resident memory while it ran and the goal it is held to.
struct BenchRow
{
    QString name;
    QString database; // "M", "L"
    Sample ours;
    Sample isql;
    bool timedStatement = false; // has an isql-fb comparison
    double peakMb = 0;
    QString goal; // "< 20 ms", "≤ 1,25 × isql-fb"
    double goalMs = 0;     // a median goal, 0 for none
    double goalRatio = 0;  // a ratio goal, 0 for none
    QString result;        // a figure that is no time (memory growth)
    double value = 0;      // that figure as a number
    bool resultMet = true;

    bool comparedByMeans() const;
    double ratio() const;
    // "met", "missed" or empty when the row has no goal.
    QString verdict() const;
    QString spreadText() const; // "p10 – p90" (min – max below ten runs)
};

class BenchTable
{
public:
    void add(const BenchRow &row) { m_rows.append(row); }
    void setIsql(int row, const Sample &times) { m_rows[row].isql = times; }
    const QVector<BenchRow> &rows() const { return m_rows; }
    void note(const QString &text) { m_notes.append(text); }
    const QStringList &notes() const { return m_notes; }

    QString markdown() const;

private:
    QVector<BenchRow> m_rows;
    QStringList m_notes;
};

} // namespace kalvor::bench
