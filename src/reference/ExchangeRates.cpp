#include "reference/ExchangeRates.h"

#include "core/TDataModule1.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"

namespace kalvor {

namespace {

ExchangeRate rateOfRow(const db::Query &q)
{
    return {q.value(QStringLiteral("DATUM")).toDate(), q.value(QStringLiteral("VALUTA")).toString(),
            q.value(QStringLiteral("KURS")).toDouble()};
}

} // namespace

QVector<ExchangeRate> ExchangeRates::ratesAt(const QDate &date) const
{
    return ratesAt(m_dm.Read, date);
}

std::optional<double> ExchangeRates::rateAt(const QString &currency, const QDate &date) const
{
    return rateAt(m_dm.Read, currency, date);
}

QVector<ExchangeRate> ExchangeRates::ratesAt(db::Transaction &t, const QDate &date)
{
    db::TransactionGuard guard(t);
    db::Query q(t, QStringLiteral("SELECT * FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL"));
    q.bind(QStringLiteral("DAT"), date);
    QVector<ExchangeRate> result;
    q.open();
    while (q.next())
        result.push_back(rateOfRow(q));
    q.close();
    guard.commit();
    return result;
}

std::optional<double> ExchangeRates::rateAt(db::Transaction &t, const QString &currency, const QDate &date)
{
    db::TransactionGuard guard(t);
    db::Query q(t, QStringLiteral("SELECT * FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL AND VALUTA=:VAL"));
    q.bind(QStringLiteral("DAT"), date).bind(QStringLiteral("VAL"), currency);
    std::optional<double> result;
    q.open();
    if (q.next())
        result = q.value(QStringLiteral("KURS")).toDouble();
    q.close();
    guard.commit();
    return result;
}

QVector<ExchangeRate> ExchangeRates::history(const QString &currency) const
{
    db::TransactionGuard guard(m_dm.Read);
    db::Query q(m_dm.Read, QStringLiteral("SELECT * FROM TECAJ WHERE VALUTA=:VAL ORDER BY DATUM DESC"));
    q.bind(QStringLiteral("VAL"), currency);
    QVector<ExchangeRate> result;
    q.open();
    while (q.next())
        result.push_back(rateOfRow(q));
    q.close();
    guard.commit();
    return result;
}

bool ExchangeRates::add(const QDate &date, const QString &currency, double rate)
{
    try {
        db::TransactionGuard guard(m_dm.IBTransaction1);
        db::Query q(m_dm.IBTransaction1, QStringLiteral("INSERT INTO TECAJ (DATUM,VALUTA,KURS) VALUES (:DAT,:VAL,:IZN)"));
        q.bind(QStringLiteral("DAT"), date).bind(QStringLiteral("VAL"), currency).bind(QStringLiteral("IZN"), rate);
        q.exec();
        guard.commit();
        return true;
    } catch (const db::DbError &) {
        return false;
    }
}

bool ExchangeRates::remove(const QDate &date, const QString &currency, double rate)
{
    try {
        db::TransactionGuard guard(m_dm.IBTransaction1);
        db::Query q(m_dm.IBTransaction1,
                    QStringLiteral("DELETE FROM TECAJ WHERE DATUM=:DAT AND VALUTA=:VAL AND KURS=:IZN"));
        q.bind(QStringLiteral("DAT"), date).bind(QStringLiteral("VAL"), currency).bind(QStringLiteral("IZN"), rate);
        q.exec();
        guard.commit();
        return true;
    } catch (const db::DbError &) {
        return false;
    }
}

} // namespace kalvor
