#pragma once

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

namespace kalvor {

class TDataModule1;
namespace db {
class Transaction;
}

// One row of `TECAJ`: the rate `KURS` of the currency from its date on.
struct ExchangeRate
{
    QDate date;
    QString currency;
    double rate = 0;
};

// Dated exchange rates: the value of one unit of a currency in the accounting
// currency. A rate holds from its date until the next later date of the same
// currency; the lookups go through the stored procedure TECAJSVE.
class ExchangeRates
{
public:
    explicit ExchangeRates(TDataModule1 &dm) : m_dm(dm) {}

    // The rates valid at `date` (a rate dated on that day counts), one per
    // currency that has one, through the read transaction.
    QVector<ExchangeRate> ratesAt(const QDate &date) const;
    // The rate of one currency valid at `date`; none when the currency has
    // no rate up to that day.
    std::optional<double> rateAt(const QString &currency, const QDate &date) const;

    // The same lookups in a transaction of the caller's (started when it is
    // not active), for a unit of work that reads the rates it writes with.
    static QVector<ExchangeRate> ratesAt(db::Transaction &t, const QDate &date);
    static std::optional<double> rateAt(db::Transaction &t, const QString &currency, const QDate &date);

    // The rate history of one currency, newest first.
    QVector<ExchangeRate> history(const QString &currency) const;

    // Adds a rate dated `date`; false when the database refuses it.
    bool add(const QDate &date, const QString &currency, double rate);
    // Deletes every row equal in date, currency and rate; false when refused.
    bool remove(const QDate &date, const QString &currency, double rate);

private:
    TDataModule1 &m_dm;
};

} // namespace kalvor
