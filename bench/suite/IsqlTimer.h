#pragma once

#include "suite/BenchStats.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

namespace kalvor::bench {

// A statement with the values of its parameters.
struct IsqlStatement
{
    QString sql;
    QVariantMap params;
};
// Statements whose times add up to one measurement (the statements of one
// call of a function).
using IsqlUnit = QVector<IsqlStatement>;

// Times statements with isql-fb on a database file: all the units added run
// one after another in one isql session with "SET STATS ON" (parameters
// written in as literals), and the "Elapsed time" that isql reports for each
// statement is collected (isql reports whole milliseconds). The embedded
// engine opens a file for one process at a time, so run() must come after
// the benchmark's own connection is closed.
class IsqlTimer
{
public:
    IsqlTimer(const QString &database, const QString &user, const QString &password);

    // Returns the handle of the units' times.
    int add(const QVector<IsqlUnit> &units);
    bool run();
    const Sample &times(int handle) const { return m_times.at(handle); }
    // Why run() failed, or the errors isql reported.
    const QString &errors() const { return m_errors; }

    // The access plans isql shows for the statements (SET PLANONLY), one
    // text per statement.
    QStringList plans(const QStringList &statements);

    // ":NAME" parameters outside quotes replaced by SQL literals.
    static QString withLiterals(const QString &sql, const QVariantMap &params);
    static QString literal(const QVariant &value);
    static QString version();

private:
    QString runIsql(const QByteArray &input, bool *ok);

    QString m_database, m_user, m_password;
    struct Group
    {
        QStringList statements; // with literals
        QVector<int> unitSizes;
    };
    QVector<Group> m_groups;
    QVector<Sample> m_times;
    QString m_errors;
};

} // namespace kalvor::bench
