#include "reference/Countries.h"

#include "core/TDataModule1.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"

namespace kalvor {

QVector<Country> Countries::all() const
{
    db::TransactionGuard guard(m_dm.Read);
    db::Query q(m_dm.Read, QStringLiteral("SELECT * FROM DRZAVE ORDER BY DRZAVA"));
    QVector<Country> result;
    q.open();
    while (q.next())
        result.push_back({q.value(QStringLiteral("ID")).toInt(), q.value(QStringLiteral("DRZAVA")).toString(),
                          q.value(QStringLiteral("OZNAKA")).toString()});
    q.close();
    guard.commit();
    return result;
}

std::optional<int> Countries::add(const QString &code, const QString &name)
{
    return insert(code.left(kCodeLength), name.left(kNameLength), false);
}

std::optional<int> Countries::addImported(const QString &name)
{
    return insert(QStringLiteral("00"), name.left(kNameLength), true);
}

std::optional<int> Countries::insert(const QString &code, const QString &name, bool nameAlone)
{
    try {
        db::TransactionGuard guard(m_dm.IBTransaction1);
        db::Query count(m_dm.IBTransaction1,
                        nameAlone ? QStringLiteral("SELECT COUNT(*) FROM DRZAVE WHERE DRZAVA=:NAZIV")
                                  : QStringLiteral("SELECT COUNT(*) FROM DRZAVE WHERE (DRZAVA=:NAZIV) OR (OZNAKA=:OZNAKA)"));
        count.bind(QStringLiteral("NAZIV"), name);
        if (!nameAlone)
            count.bind(QStringLiteral("OZNAKA"), code);
        if (count.scalar().toInt() != 0)
            return std::nullopt;
        const int id = int(db::generatorValue(m_dm.IBTransaction1, QStringLiteral("GEN_DRZAVE_ID"), 1));
        db::Query q(m_dm.IBTransaction1, QStringLiteral("INSERT INTO DRZAVE (DRZAVA,ID,OZNAKA) VALUES (:NAZIV,:ID,:OZNAKA)"));
        q.bind(QStringLiteral("NAZIV"), name).bind(QStringLiteral("ID"), id).bind(QStringLiteral("OZNAKA"), code);
        q.exec();
        guard.commit();
        return id;
    } catch (const db::DbError &) {
        return std::nullopt;
    }
}

bool Countries::remove(int id)
{
    try {
        db::TransactionGuard guard(m_dm.IBTransaction1);
        // The parameter named OZNAKA carries the country's id.
        db::Query q(m_dm.IBTransaction1, QStringLiteral("DELETE FROM DRZAVE WHERE ID=:OZNAKA"));
        q.bind(QStringLiteral("OZNAKA"), id);
        q.exec();
        guard.commit();
        return true;
    } catch (const db::DbError &) {
        return false;
    }
}

int Countries::change(int id, const QString &code, const QString &name)
{
    db::TransactionGuard guard(m_dm.IBTransaction1);
    db::Query q(m_dm.IBTransaction1,
                QStringLiteral("UPDATE DRZAVE SET OZNAKA=:O2, DRZAVA=:N2") + QStringLiteral(" WHERE ID=:O"));
    q.bind(QStringLiteral("O2"), code).bind(QStringLiteral("N2"), name).bind(QStringLiteral("O"), id);
    const int rows = q.exec();
    guard.commit();
    return rows;
}

} // namespace kalvor
