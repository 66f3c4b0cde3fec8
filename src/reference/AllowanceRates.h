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

// A daily allowance rate: the amount of one full allowance in `currency`
// for the country, from `validFrom` on. `country` is the country's name
// where the row comes from the lookup.
struct AllowanceRate
{
    int countryId = 0;
    QString country;
    QDate validFrom;
    double amount = 0;
    QString currency;
};

// Dated allowance rates of `DNEVNICE`. A rate holds from its date until the
// next later date of the same country; the lookups go through the stored
// procedure SVEDNEVNICE. A lookup row without a currency or with the amount 0
// is no usable rate, and every lookup here leaves it out.
class AllowanceRates
{
public:
    explicit AllowanceRates(TDataModule1 &dm) : m_dm(dm) {}

    // The rates valid at `date` as the day view lists them.
    QVector<AllowanceRate> ratesAt(const QDate &date) const;

    // The rates valid at `date` in country name order (the multi-country
    // calculator's list).
    static QVector<AllowanceRate> ratesByCountryAt(db::Transaction &t, const QDate &date);
    // The rate of one country, named as `DRZAVE.DRZAVA`, valid at `date`;
    // none when the country has no usable rate up to that day.
    static std::optional<AllowanceRate> rateOf(db::Transaction &t, const QString &country, const QDate &date);
    std::optional<AllowanceRate> rateOf(const QString &country, const QDate &date) const;

    // The rate history of one country, newest first.
    QVector<AllowanceRate> history(int countryId) const;

    // False when the database refuses the row.
    bool add(int countryId, const QDate &validFrom, const QString &currency, double amount);
    // Deletes every row equal in all four values; false when refused.
    bool remove(int countryId, const QDate &validFrom, const QString &currency, double amount);
    // Deletes the rates of every country dated `validFrom`; returns how many.
    // A database error is thrown with its own message.
    int removeDay(const QDate &validFrom);

private:
    TDataModule1 &m_dm;
};

} // namespace kalvor
