#pragma once

#include <QString>
#include <QVector>
#include <stdexcept>

namespace kalvor::db {

// A failure reported by the database or by the layer itself. It carries the
// database's own message text, the Firebird status codes (first one is the
// main error) and the SQLCODE, so that callers can tell a lock conflict or a
// unique-key violation from any other failure.
class DbError : public std::runtime_error
{
public:
    DbError(const QString &message, QVector<long> codes = {}, int sqlCode = 0,
            QString statement = {});

    const QString &message() const { return m_message; }
    long errorCode() const { return m_codes.isEmpty() ? 0 : m_codes.first(); }
    const QVector<long> &codes() const { return m_codes; }
    int sqlCode() const { return m_sqlCode; }
    const QString &statement() const { return m_statement; }

    bool hasCode(long code) const { return m_codes.contains(code); }
    // "lock conflict on no wait transaction" / "update conflicts with
    // concurrent update": another client holds the row in an open transaction.
    bool isLockConflict() const;
    bool isUniqueViolation() const;

private:
    QString m_message;
    QVector<long> m_codes;
    int m_sqlCode;
    QString m_statement;
};

} // namespace kalvor::db
