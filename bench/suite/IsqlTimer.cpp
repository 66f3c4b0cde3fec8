#include "suite/IsqlTimer.h"

#include "core/db/Win1250.h"

#include <QDate>
#include <QDateTime>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace kalvor::bench {

namespace {

const QString kIsql = QStringLiteral("isql-fb");

QString marker(int k)
{
    return QStringLiteral("KALVOR_MARK_%1").arg(k);
}

} // namespace

IsqlTimer::IsqlTimer(const QString &database, const QString &user, const QString &password)
    : m_database(database), m_user(user), m_password(password)
{
}

QString IsqlTimer::literal(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::QDate:
        return QStringLiteral("DATE '%1'").arg(value.toDate().toString(Qt::ISODate));
    case QMetaType::QDateTime:
        return QStringLiteral("TIMESTAMP '%1'").arg(value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 17);
    default: {
        QString text = value.toString();
        text.replace(QLatin1Char('\''), QStringLiteral("''"));
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    }
    }
}

QString IsqlTimer::withLiterals(const QString &sql, const QVariantMap &params)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u':' && i + 1 < sql.size() && (sql.at(i + 1).isLetter() || sql.at(i + 1) == u'_')) {
            qsizetype end = i + 1;
            while (end < sql.size() && (sql.at(end).isLetterOrNumber() || sql.at(end) == u'_'))
                ++end;
            const QString name = sql.mid(i + 1, end - i - 1).toUpper();
            out += literal(params.value(name));
            i = end - 1;
            continue;
        }
        out += c;
    }
    return out;
}

int IsqlTimer::add(const QVector<IsqlUnit> &units)
{
    Group g;
    for (const IsqlUnit &unit : units) {
        for (const IsqlStatement &st : unit)
            g.statements << withLiterals(st.sql, st.params);
        g.unitSizes << int(unit.size());
    }
    m_groups.append(g);
    m_times.append(Sample());
    return int(m_times.size()) - 1;
}

QString IsqlTimer::runIsql(const QByteArray &input, bool *ok)
{
    QTemporaryFile file;
    *ok = false;
    if (!file.open() || file.write(input) != input.size() || !file.flush()) {
        m_errors = QStringLiteral("cannot write the isql input file");
        return {};
    }
    QProcess isql;
    isql.start(kIsql, {QStringLiteral("-q"), QStringLiteral("-user"), m_user, QStringLiteral("-password"),
                       m_password, QStringLiteral("-i"), file.fileName(), m_database});
    if (!isql.waitForStarted(10000)) {
        m_errors = QStringLiteral("isql-fb did not start: ") + isql.errorString();
        return {};
    }
    isql.waitForFinished(-1);
    const QString err = QString::fromLocal8Bit(isql.readAllStandardError()).trimmed();
    if (!err.isEmpty())
        m_errors += err + QLatin1Char('\n');
    *ok = true;
    return db::fromWin1250(isql.readAllStandardOutput());
}

bool IsqlTimer::run()
{
    QString script = QStringLiteral("SET STATS ON;\nSET HEADING OFF;\n");
    for (qsizetype k = 0; k < m_groups.size(); ++k) {
        script += QStringLiteral("SELECT '%1' FROM RDB$DATABASE;\n").arg(marker(int(k)));
        for (const QString &statement : m_groups.at(k).statements)
            script += statement + QStringLiteral(";\n");
    }
    bool ok = false;
    const QString output = runIsql(db::toWin1250(script), &ok);
    if (!ok)
        return false;

    static const QRegularExpression elapsed(QStringLiteral("^Elapsed time\\s*=\\s*([0-9.]+)\\s*sec"));
    static const QRegularExpression mark(QStringLiteral("^KALVOR_MARK_([0-9]+)$"));
    QVector<QVector<double>> seen(m_groups.size());
    int current = -1;
    bool markerStats = false;
    for (const QString &rawLine : output.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        const QRegularExpressionMatch m = mark.match(line);
        if (m.hasMatch()) {
            current = m.captured(1).toInt();
            markerStats = true;
            continue;
        }
        const QRegularExpressionMatch e = elapsed.match(line);
        if (!e.hasMatch() || current < 0 || current >= seen.size())
            continue;
        if (markerStats) {
            markerStats = false;
            continue;
        }
        seen[current].append(e.captured(1).toDouble() * 1000.0);
    }
    // A statement that failed reports no time: its group then has no times
    // at all rather than times that belong to other statements.
    for (qsizetype k = 0; k < m_groups.size(); ++k) {
        const Group &g = m_groups.at(k);
        if (seen.at(k).size() != g.statements.size()) {
            m_errors += QStringLiteral("isql-fb gave %1 times for %2 statements of group %3\n")
                            .arg(seen.at(k).size()).arg(g.statements.size()).arg(k);
            continue;
        }
        qsizetype at = 0;
        for (int size : g.unitSizes) {
            double sum = 0;
            for (int i = 0; i < size; ++i)
                sum += seen.at(k).at(at++);
            m_times[k].add(sum);
        }
    }
    return true;
}

QStringList IsqlTimer::plans(const QStringList &statements)
{
    QStringList plans;
    for (const QString &statement : statements) {
        bool ok = false;
        const QString output = runIsql(db::toWin1250(QStringLiteral("SET PLANONLY ON;\n") + statement + QStringLiteral(";\n")), &ok);
        QStringList lines;
        for (const QString &line : output.split(QLatin1Char('\n'))) {
            if (line.trimmed().startsWith(QLatin1String("PLAN")))
                lines << line.trimmed();
        }
        plans << lines.join(QLatin1Char(' '));
    }
    return plans;
}

QString IsqlTimer::version()
{
    QProcess isql;
    isql.start(kIsql, {QStringLiteral("-z"), QStringLiteral("-q"), QStringLiteral("-i"), QStringLiteral("/dev/null")});
    if (!isql.waitForFinished(10000))
        return QStringLiteral("isql-fb not found");
    const QString text = QString::fromLocal8Bit(isql.readAllStandardOutput() + isql.readAllStandardError());
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

} // namespace kalvor::bench
