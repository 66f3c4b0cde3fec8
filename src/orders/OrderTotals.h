#pragma once

#include "orders/OrderRates.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor {

// Sums of an order's advances and receipts per currency, in the order in
// which their currencies first appear.
struct CurrencySum
{
    QString currency;
    double amount = 0;
};
using CurrencySums = QVector<CurrencySum>;
void AddToSums(CurrencySums &sums, const QString &currency, double amount);

// The advances of one employee (by id) converted into the base currency at
// the accounting date.
double AdvancesInBase(OrderRateLookup &rates, int employeeId);
// The same split by the two-currency rule.
TwoCurrencyAmount AdvancesSplit(OrderRateLookup &rates, int employeeId, bool thirdToAlternative);
// All advances, plain sums per currency.
CurrencySums AdvancesByCurrency(const TravelOrder &order);
// All advances of the order, whoever they were paid to, converted into the
// base currency at the accounting date, and split by the two-currency rule.
double AllAdvancesInBase(OrderRateLookup &rates);
TwoCurrencyAmount AllAdvancesSplit(OrderRateLookup &rates, bool thirdToAlternative);

// The receipts paid in cash by the employee ("Gotovinski") or the others
// ("Ostalo"): plain sums per currency, and converted into the base currency.
CurrencySums ReceiptsByCurrency(const TravelOrder &order, bool cash);
double ReceiptsInBase(OrderRateLookup &rates, bool cash);
// The cash receipts split by the two-currency rule.
TwoCurrencyAmount CashReceiptsSplit(OrderRateLookup &rates, bool thirdToAlternative);

// Litres of the fuel receipts for the refrigeration unit ("termoking").
double RefrigerationLitres(const TravelOrder &order);

} // namespace kalvor
