#include "reference/AllowanceRates.h"

#include "core/TDataModule1.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"

namespace kalvor {

namespace {

AllowanceRate rateOfRow(const db::Query &q)
{
    AllowanceRate r;
    r.countryId = q.value(QStringLiteral("IDDRZAVA")).toInt();
    if (q.columnIndex(QStringLiteral("DRZAVA")) >= 0)
        r.country = q.value(QStringLiteral("DRZAVA")).toString();
    r.validFrom = q.value(QStringLiteral("VRIJEDIOD")).toDate();
    r.amount = q.value(QStringLiteral("IZNOS")).toDouble();
    r.currency = q.value(QStringLiteral("VALUTA")).toString();
    return r;
}

bool usable(const db::Query &q)
{
    return !q.isNull(q.columnIndex(QStringLiteral("VALUTA"))) && q.value(QStringLiteral("IZNOS")).toDouble() != 0;
}

QVector<AllowanceRate> usableRows(db::Transaction &t, const QString &sql, const QDate &date)
{
    db::TransactionGuard guard(t);
    db::Query q(t, sql);
    q.bind(QStringLiteral("DAT"), date);
    QVector<AllowanceRate> result;
    q.open();
    while (q.next())
        if (usable(q))
            result.push_back(rateOfRow(q));
    q.close();
    guard.commit();
    return result;
}

} // namespace

QVector<AllowanceRate> AllowanceRates::ratesAt(const QDate &date) const
{
    return usableRows(m_dm.Read, QStringLiteral("SELECT * FROM SVEDNEVNICE(:DAT) WHERE IZNOS<>0 AND VALUTA IS NOT NULL"),
                      date);
}

QVector<AllowanceRate> AllowanceRates::ratesByCountryAt(db::Transaction &t, const QDate &date)
{
    return usableRows(t, QStringLiteral("SELECT * FROM SVEDNEVNICE(:DAT) ORDER BY DRZAVA"), date);
}

std::optional<AllowanceRate> AllowanceRates::rateOf(db::Transaction &t, const QString &country, const QDate &date)
{
    db::TransactionGuard guard(t);
    db::Query q(t, QStringLiteral("SELECT * FROM SVEDNEVNICE(:DAT) WHERE DRZAVA=:DRZ"));
    q.bind(QStringLiteral("DAT"), date).bind(QStringLiteral("DRZ"), country);
    std::optional<AllowanceRate> result;
    q.open();
    if (q.next() && usable(q))
        result = rateOfRow(q);
    q.close();
    guard.commit();
    return result;
}

std::optional<AllowanceRate> AllowanceRates::rateOf(const QString &country, const QDate &date) const
{
    return rateOf(m_dm.Read, country, date);
}

QVector<AllowanceRate> AllowanceRates::history(int countryId) const
{
    db::TransactionGuard guard(m_dm.Read);
    db::Query q(m_dm.Read, QStringLiteral("SELECT * FROM DNEVNICE WHERE IDDRZAVA=:ID ORDER BY VRIJEDIOD DESC"));
    q.bind(QStringLiteral("ID"), countryId);
    QVector<AllowanceRate> result;
    q.open();
    while (q.next())
        result.push_back(rateOfRow(q));
    q.close();
    guard.commit();
    return result;
}

bool AllowanceRates::add(int countryId, const QDate &validFrom, const QString &currency, double amount)
{
    try {
        db::TransactionGuard guard(m_dm.IBTransaction1);
        db::Query q(m_dm.IBTransaction1, QStringLiteral("INSERT INTO DNEVNICE (IDDRZAVA,VRIJEDIOD,VALUTA,IZNOS) "
                                                        "VALUES (:DRZ,:DAT,:VAL,:IZN)"));
        q.bind(QStringLiteral("DRZ"), countryId).bind(QStringLiteral("DAT"), validFrom);
        q.bind(QStringLiteral("VAL"), currency).bind(QStringLiteral("IZN"), amount);
        q.exec();
        guard.commit();
        return true;
    } catch (const db::DbError &) {
        return false;
    }
}

bool AllowanceRates::remove(int countryId, const QDate &validFrom, const QString &currency, double amount)
{
    try {
        db::TransactionGuard guard(m_dm.IBTransaction1);
        db::Query q(m_dm.IBTransaction1, QStringLiteral("DELETE FROM DNEVNICE WHERE IDDRZAVA=:DRZ AND VRIJEDIOD=:DAT "
                                                        "AND VALUTA=:VAL AND IZNOS=:IZN"));
        q.bind(QStringLiteral("DRZ"), countryId).bind(QStringLiteral("DAT"), validFrom);
        q.bind(QStringLiteral("VAL"), currency).bind(QStringLiteral("IZN"), amount);
        q.exec();
        guard.commit();
        return true;
    } catch (const db::DbError &) {
        return false;
    }
}

int AllowanceRates::removeDay(const QDate &validFrom)
{
    db::TransactionGuard guard(m_dm.IBTransaction1);
    db::Query q(m_dm.IBTransaction1, QStringLiteral("DELETE FROM DNEVNICE WHERE VRIJEDIOD=:D1"));
    q.bind(QStringLiteral("D1"), validFrom);
    const int rows = q.exec();
    guard.commit();
    return rows;
}

} // namespace kalvor
