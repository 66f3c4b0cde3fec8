#pragma once

#include "orders/TravelOrder.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVector>

namespace kalvor {

namespace db {
class Transaction;
}

// An amount split between the base and the alternative currency of a
// two-currency settlement.
struct TwoCurrencyAmount
{
    double base = 0;
    double alternative = 0;

    TwoCurrencyAmount &operator+=(const TwoCurrencyAmount &o)
    {
        base += o.base;
        alternative += o.alternative;
        return *this;
    }
};

// The conversion of an order's amounts into its base currency: the
// accounting currency is 1, a rate fixed in the order's rate table wins, and
// otherwise the rate list valid at the date is asked; a currency without any
// rate gives -1 and is remembered so that the caller can warn once.
class OrderRateLookup
{
public:
    OrderRateLookup(db::Transaction &write, const TravelOrder &order, const QString &accountingCurrency);

    // rate(C, d); the date defaults to the order's accounting date.
    double rate(const QString &currency, const QDate &date);
    double rate(const QString &currency);

    // Whether a rate of -1 was met since the last reset.
    bool metMissingRate() const { return m_missing; }
    void resetMissing() { m_missing = false; }
    // "Neki od kurseva nisu definirani - moguća greška kod proračuna!"
    static QString missingRateWarning();

    // The two-currency rule for receipts and advances: an amount in the
    // alternative currency stays there, one in the base currency stays in
    // the base part, a third currency is converted into the base part, or
    // with `DoubleAlternativno` into the alternative part.
    TwoCurrencyAmount split(double amount, const QString &currency, const QDate &date, bool thirdToAlternative);

    // Where an amount is booked per currency (the cost tree, the cash
    // postings): with two currencies by the two-currency rule into the base
    // or the alternative currency; otherwise in its own currency when
    // `keepCurrencies`, else converted into the base currency.
    struct Booked
    {
        QString currency;
        double amount = 0;
    };
    Booked book(double amount, const QString &currency, const QDate &date, bool twoCurrencies, bool keepCurrencies,
                bool thirdToAlternative);

    // The order's base currency (the accounting currency when none is set).
    QString baseCurrency() const;
    const QString &accountingCurrency() const { return m_accounting; }
    const TravelOrder &order() const { return m_order; }

private:
    db::Transaction &m_write;
    const TravelOrder &m_order;
    QString m_accounting;
    // The rate list's answers by date and currency within one computation.
    QHash<QString, double> m_listRates;
    bool m_missing = false;
};

// The order's rate table as the tab "Tečaj" keeps it: one row per currency
// of the currency list except the accounting currency; rows cannot be added
// by hand, copying a rate of a currency without a row adds one.
void PrepareRateTable(TravelOrder &order, const QStringList &currencies, const QString &accountingCurrency);
// A rate of the rate list at a date.
struct ListedRate
{
    QString currency;
    double rate = 0;
};
// "SELECT * FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL"
QVector<ListedRate> RatesValidAt(db::Transaction &write, const QDate &date);
// "Dodaj": copies one listed rate into the order's table (shown with
// FormatRate).
void CopyRate(TravelOrder &order, const ListedRate &rate);
// "Dodaj sve"
void CopyAllRates(TravelOrder &order, const QVector<ListedRate> &rates);
// "Obriši": empties the rate of a row.
void ClearRate(TravelOrder &order, int row);

// "Iste valute!!!": the alternative currency is enabled and equal to the base.
bool SameCurrencies(const QString &base, const QString &alternative, bool alternativeEnabled);

} // namespace kalvor
