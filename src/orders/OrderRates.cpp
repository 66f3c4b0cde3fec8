#include "orders/OrderRates.h"

#include "core/Amounts.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

namespace kalvor {

OrderRateLookup::OrderRateLookup(db::Transaction &write, const TravelOrder &order, const QString &accountingCurrency)
    : m_write(write), m_order(order), m_accounting(accountingCurrency)
{
}

QString OrderRateLookup::missingRateWarning()
{
    return QStringLiteral("Neki od kurseva nisu definirani - moguća greška kod proračuna!");
}

double OrderRateLookup::rate(const QString &currency)
{
    return rate(currency, m_order.accountingDate);
}

double OrderRateLookup::rate(const QString &currency, const QDate &date)
{
    if (currency == m_accounting)
        return 1;
    const QString fixed = m_order.rateText(currency);
    if (!fixed.isEmpty())
        return ParseAmount(fixed);

    const QString key = date.toString(Qt::ISODate) + QLatin1Char('|') + currency;
    auto known = m_listRates.constFind(key);
    double value = -1;
    if (known != m_listRates.constEnd()) {
        value = *known;
    } else {
        db::TransactionGuard guard(m_write);
        db::Query q(m_write,
                    QStringLiteral("SELECT * FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL AND VALUTA=:VAL"));
        q.bind(QStringLiteral("DAT"), date);
        q.bind(QStringLiteral("VAL"), currency);
        q.open();
        if (q.next())
            value = q.value(QStringLiteral("KURS")).toDouble();
        q.close();
        guard.commit();
        m_listRates.insert(key, value);
    }
    if (value == -1)
        m_missing = true;
    return value;
}

TwoCurrencyAmount OrderRateLookup::split(double amount, const QString &currency, const QDate &date,
                                         bool thirdToAlternative)
{
    TwoCurrencyAmount result;
    if (!m_order.altCurrency.isEmpty() && currency == m_order.altCurrency) {
        result.alternative = amount;
    } else if (currency == m_order.baseCurrency) {
        result.base = amount;
    } else if (thirdToAlternative && !m_order.altCurrency.isEmpty()) {
        result.alternative = amount * rate(currency, date) / rate(m_order.altCurrency, date);
    } else {
        result.base = amount * rate(currency, date);
    }
    return result;
}

QString OrderRateLookup::baseCurrency() const
{
    return m_order.baseCurrency.isEmpty() ? m_accounting : m_order.baseCurrency;
}

OrderRateLookup::Booked OrderRateLookup::book(double amount, const QString &currency, const QDate &date,
                                              bool twoCurrencies, bool keepCurrencies, bool thirdToAlternative)
{
    const QString base = baseCurrency();
    if (twoCurrencies) {
        const TwoCurrencyAmount parts = split(amount, currency, date, thirdToAlternative);
        const QString &alt = m_order.altCurrency;
        if (!alt.isEmpty() && (currency == alt || (currency != base && thirdToAlternative)))
            return {alt, parts.alternative};
        return {base, parts.base};
    }
    if (keepCurrencies)
        return {currency, amount};
    return {base, amount * rate(currency, date)};
}

void PrepareRateTable(TravelOrder &order, const QStringList &currencies, const QString &accountingCurrency)
{
    order.rates.clear();
    for (const QString &code : currencies) {
        if (code != accountingCurrency)
            order.rates.append({code, QString()});
    }
}

QVector<ListedRate> RatesValidAt(db::Transaction &write, const QDate &date)
{
    QVector<ListedRate> rates;
    db::TransactionGuard guard(write);
    db::Query q(write, QStringLiteral("SELECT * FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL"));
    q.bind(QStringLiteral("DAT"), date);
    q.open();
    while (q.next())
        rates.append({q.value(QStringLiteral("VALUTA")).toString(), q.value(QStringLiteral("KURS")).toDouble()});
    q.close();
    guard.commit();
    return rates;
}

void CopyRate(TravelOrder &order, const ListedRate &rate)
{
    for (OrderRate &row : order.rates) {
        if (row.currency == rate.currency) {
            row.rateText = FormatRate(rate.rate);
            return;
        }
    }
    order.rates.append({rate.currency, FormatRate(rate.rate)});
}

void CopyAllRates(TravelOrder &order, const QVector<ListedRate> &rates)
{
    for (const ListedRate &r : rates)
        CopyRate(order, r);
}

void ClearRate(TravelOrder &order, int row)
{
    if (row >= 0 && row < order.rates.size())
        order.rates[row].rateText.clear();
}

bool SameCurrencies(const QString &base, const QString &alternative, bool alternativeEnabled)
{
    return alternativeEnabled && !alternative.isEmpty() && base == alternative;
}

} // namespace kalvor
