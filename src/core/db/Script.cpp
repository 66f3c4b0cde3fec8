#include "core/db/Script.h"

#include "core/db/FbStatus.h"
#include "core/db/Win1250.h"

#include <QRegularExpression>
#include <firebird/Interface.h>

namespace kalvor::db {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Moves past a quoted text or a comment starting at i; returns false when
// there is none at i.
bool skipQuotedOrComment(const QString &s, qsizetype &i)
{
    const qsizetype n = s.size();
    const QChar c = s.at(i);
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
        qsizetype j = i + 1;
        while (j < n) {
            if (s.at(j) == c) {
                if (j + 1 < n && s.at(j + 1) == c) {
                    j += 2;
                    continue;
                }
                break;
            }
            ++j;
        }
        i = qMin(j + 1, n);
        return true;
    }
    if (c == QLatin1Char('-') && i + 1 < n && s.at(i + 1) == QLatin1Char('-')) {
        const qsizetype j = s.indexOf(QLatin1Char('\n'), i);
        i = j < 0 ? n : j + 1;
        return true;
    }
    if (c == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
        const qsizetype j = s.indexOf(QStringLiteral("*/"), i + 2);
        i = j < 0 ? n : j + 2;
        return true;
    }
    return false;
}

void skipSpace(const QString &s, qsizetype &i)
{
    while (i < s.size() && s.at(i).isSpace())
        ++i;
}

// End of a procedure or trigger that starts at i: just past the "end" that
// closes its outermost "begin".
qsizetype routineEnd(const QString &s, qsizetype i, const QString &terminator)
{
    const qsizetype n = s.size();
    int depth = 0;
    bool begun = false;
    while (i < n) {
        if (skipQuotedOrComment(s, i))
            continue;
        if (!begun && s.mid(i, terminator.size()) == terminator && terminator != QLatin1String(";"))
            return i; // a routine without body ends at the terminator
        if (isWordChar(s.at(i)) && (i == 0 || !isWordChar(s.at(i - 1)))) {
            qsizetype j = i;
            while (j < n && isWordChar(s.at(j)))
                ++j;
            const QString word = s.mid(i, j - i).toUpper();
            if (word == QLatin1String("BEGIN") || (begun && word == QLatin1String("CASE"))) {
                ++depth;
                begun = true;
            } else if (word == QLatin1String("END") && begun) {
                if (--depth == 0)
                    return j;
            }
            i = j;
            continue;
        }
        ++i;
    }
    return n;
}

} // namespace

QStringList Script::split(const QString &script)
{
    static const QRegularExpression setTerm(
        QStringLiteral("\\ASET\\s+TERM\\s+(\\S+)\\s*"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression routine(
        QStringLiteral("\\A(CREATE\\s+OR\\s+ALTER|RECREATE|CREATE|ALTER)\\s+(PROCEDURE|TRIGGER)\\b"),
        QRegularExpression::CaseInsensitiveOption);

    QStringList statements;
    QString term = QStringLiteral(";");
    const qsizetype n = script.size();
    qsizetype i = 0;
    for (;;) {
        // Leading blanks and comments belong to no statement.
        for (;;) {
            skipSpace(script, i);
            if (i < n && script.at(i) != QLatin1Char('\'') && script.at(i) != QLatin1Char('"')
                && skipQuotedOrComment(script, i))
                continue;
            break;
        }
        if (i >= n)
            break;
        const QStringView rest = QStringView(script).mid(i);
        const QRegularExpressionMatch st = setTerm.match(rest);
        if (st.hasMatch()) {
            QString newTerm = st.captured(1);
            qsizetype j = i + st.capturedLength(0);
            // "SET TERM ^;" written without a blank before the old terminator.
            if (newTerm.endsWith(term) && newTerm.size() > term.size()) {
                newTerm.chop(term.size());
                j = i + st.capturedStart(1) + newTerm.size();
            }
            skipSpace(script, j);
            if (script.mid(j, term.size()) == term)
                j += term.size();
            term = newTerm;
            i = j;
            continue;
        }
        qsizetype end;
        qsizetype next;
        if (routine.match(rest).hasMatch()) {
            end = routineEnd(script, i, term);
            next = end;
            skipSpace(script, next);
            if (script.mid(next, term.size()) == term)
                next += term.size();
        } else {
            qsizetype j = i;
            while (j < n) {
                if (skipQuotedOrComment(script, j))
                    continue;
                if (script.mid(j, term.size()) == term)
                    break;
                ++j;
            }
            end = j;
            next = qMin(n, j + term.size());
        }
        const QString statement = script.mid(i, end - i).trimmed();
        if (!statement.isEmpty())
            statements << statement;
        i = next;
    }
    return statements;
}

void Script::execute(const QString &script)
{
    for (const QString &statement : split(script))
        executeImmediate(m_tr, statement);
}

void executeImmediate(Transaction &t, const QString &sql)
{
    if (!t.isActive())
        throw DbError(QStringLiteral("Transakcija nije pokrenuta."), {}, 0, sql);
    Database &db = t.database();
    const QByteArray text = toWin1250(sql);
    db.noteStatement(sql);
    detail::Status st;
    db.attachment()->execute(&st, t.handle(), unsigned(text.size()), text.constData(), 3, nullptr, nullptr,
                             nullptr, nullptr);
    st.check(sql);
}

} // namespace kalvor::db
