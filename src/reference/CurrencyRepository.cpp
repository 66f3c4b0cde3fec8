#include "reference/CurrencyRepository.h"

#include "core/TDataModule1.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"

namespace kalvor {

QVector<Currency> CurrencyRepository::all() const
{
    db::TransactionGuard guard(m_dm.Read);
    db::Query q(m_dm.Read, QStringLiteral("SELECT * FROM VALUTE ORDER BY OZNAKA"));
    QVector<Currency> result;
    q.open();
    while (q.next())
        result.push_back({q.value(QStringLiteral("OZNAKA")).toString(), q.value(QStringLiteral("NAZIV")).toString()});
    q.close();
    guard.commit();
    return result;
}

CurrencyRepository::AddResult CurrencyRepository::add(const QString &code, const QString &name)
{
    try {
        db::TransactionGuard guard(m_dm.IBTransaction1);
        db::Query count(m_dm.IBTransaction1, QStringLiteral("SELECT COUNT(*) FROM VALUTE WHERE OZNAKA=:OZNAKA"));
        count.bind(QStringLiteral("OZNAKA"), code);
        if (count.scalar().toInt() != 0)
            return AddResult::Exists;
        db::Query insert(m_dm.IBTransaction1, QStringLiteral("INSERT INTO VALUTE (OZNAKA,NAZIV) VALUES (:OZNAKA,:NAZIV)"));
        insert.bind(QStringLiteral("OZNAKA"), code).bind(QStringLiteral("NAZIV"), name);
        insert.exec();
        guard.commit();
        return AddResult::Added;
    } catch (const db::DbError &) {
        return AddResult::Refused;
    }
}

bool CurrencyRepository::remove(const QString &code)
{
    try {
        db::TransactionGuard guard(m_dm.IBTransaction1);
        db::Query q(m_dm.IBTransaction1, QStringLiteral("DELETE FROM VALUTE WHERE OZNAKA=:OZNAKA"));
        q.bind(QStringLiteral("OZNAKA"), code);
        q.exec();
        guard.commit();
        return true;
    } catch (const db::DbError &) {
        return false;
    }
}

int CurrencyRepository::change(const QString &oldCode, const QString &oldName, const QString &newCode,
                               const QString &newName)
{
    db::TransactionGuard guard(m_dm.IBTransaction1);
    db::Query q(m_dm.IBTransaction1, QStringLiteral("UPDATE VALUTE SET OZNAKA=:O2, NAZIV=:N2")
                                         + QStringLiteral(" WHERE OZNAKA=:O AND NAZIV=:N"));
    q.bind(QStringLiteral("O2"), newCode).bind(QStringLiteral("N2"), newName);
    q.bind(QStringLiteral("O"), oldCode).bind(QStringLiteral("N"), oldName);
    const int rows = q.exec();
    guard.commit();
    return rows;
}

QStringList CurrencyRepository::addImported(const QStringList &codes)
{
    QStringList stored;
    if (codes.isEmpty())
        return stored;
    db::TransactionGuard guard(m_dm.IBTransaction1);
    db::Query insert(m_dm.IBTransaction1, QStringLiteral("INSERT INTO VALUTE VALUES (:A,:A)"));
    db::Query mark(m_dm.IBTransaction1, QStringLiteral("SAVEPOINT UVOZVALUTE"));
    db::Query undo(m_dm.IBTransaction1, QStringLiteral("ROLLBACK TO SAVEPOINT UVOZVALUTE"));
    for (const QString &code : codes) {
        // A savepoint per currency: a refused insert undoes only itself.
        mark.exec();
        try {
            insert.bind(QStringLiteral("A"), code);
            insert.exec();
            stored << code;
        } catch (const db::DbError &) {
            undo.exec();
        }
    }
    guard.commit();
    return stored;
}

} // namespace kalvor
