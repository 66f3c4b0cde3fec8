#pragma once

#include "orders/OrderRates.h"
#include "orders/OrderTotals.h"

#include <QString>
#include <QVector>

namespace kalvor {

class Settings;

// One line of a summary list of the editor: what it is for (an employee's
// name, a currency code) and the figure as shown.
struct SummaryLine
{
    QString label;
    QString value;

    bool operator==(const SummaryLine &o) const { return label == o.label && value == o.value; }
};

// A figure of a summary: two decimals with thousands separators, and "0,00"
// for nothing (a summary always shows a figure).
QString SummaryAmount(double amount);

// An amount followed by its currency code: "1.250,00 EUR".
QString AmountWithCode(double amount, const QString &code);

// The currency the summaries convert into: the accounting currency
// (`DefValuta`), or the order's base currency while that setting is empty.
QString SummaryAccountingCurrency(const Settings &settings, const TravelOrder &order);

// Sums per currency as summary lines, in the order of the sums.
QVector<SummaryLine> CurrencyLines(const CurrencySums &sums);

} // namespace kalvor
