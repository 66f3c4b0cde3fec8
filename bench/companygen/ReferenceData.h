#pragma once

#include "companygen/CompanyCatalogue.h"
#include "companygen/CompanyProfile.h"
#include "companygen/CompanyRandom.h"
#include "orders/OrderRates.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor {
namespace db {
class Transaction;
}
namespace companygen {

// The company's currencies with their rate list on every working day, and
// the countries with their daily allowance rates, which change on 1 January
// and 1 July. Held in memory for the orders that are built from them and
// written to `VALUTE`, `TECAJ`, `DRZAVE` and `DNEVNICE`.
class ReferenceData
{
public:
    struct Country
    {
        int id = -1; // `DRZAVE.ID`, known once written
        const CountryEntry *entry = nullptr;
        QString allowanceCurrency; // a currency of the company
        QVector<QDate> validFrom;  // ascending
        QVector<double> amounts;
    };
    struct Allowance
    {
        double amount = 0;
        QString currency;
    };

    ReferenceData(const CompanyProfile &profile, CompanyRandom random);

    // Inserts the currencies, the rate list, the countries (ids from
    // `GEN_DRZAVE_ID`) and the allowance rates in the write transaction.
    void write(db::Transaction &write);

    const QString &accountingCurrency() const { return m_codes.first(); }
    const QStringList &currencyCodes() const { return m_codes; }
    bool hasCurrency(const QString &code) const { return m_codes.contains(code); }
    // The currency receipts are paid in where `local` is the custom: itself
    // when the company keeps it, otherwise the euro.
    QString paidIn(const QString &local) const;

    // The rate list valid at a date, as `TECAJSVE` gives it: per currency the
    // rate of the latest working day not after the date, in code order.
    QVector<ListedRate> ratesAt(const QDate &date) const;
    double rate(const QString &currency, const QDate &date) const;
    // An amount in euro expressed in another currency at a date.
    double fromEuro(double euro, const QString &currency, const QDate &date) const;

    const QVector<Country> &countries() const { return m_countries; }
    int countryIndex(const QString &name) const { return m_countryIndex.value(name, -1); }
    Allowance allowanceAt(int country, const QDate &date) const;

    int rateRows() const { return int(m_days.size() * m_codes.size()); }
    int allowanceRows() const;

private:
    int dayIndex(const QDate &date) const; // -1 before the first working day

    QStringList m_codes;
    QVector<QDate> m_days;             // the working days of the rate list
    QVector<QVector<double>> m_rates;  // per currency, per day
    QVector<Country> m_countries;
    QHash<QString, int> m_countryIndex;
};

// The first day of the reference data: the start of the year the company's
// data begins in, one year earlier for the small company, so that its rates
// and allowances cover the months before its orders.
QDate referenceStart(const CompanyProfile &profile);

} // namespace companygen
} // namespace kalvor
