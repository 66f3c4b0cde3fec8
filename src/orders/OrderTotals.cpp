#include "orders/OrderTotals.h"

namespace kalvor {

void AddToSums(CurrencySums &sums, const QString &currency, double amount)
{
    for (CurrencySum &s : sums) {
        if (s.currency == currency) {
            s.amount += amount;
            return;
        }
    }
    sums.append({currency, amount});
}

double AdvancesInBase(OrderRateLookup &rates, int employeeId)
{
    double total = 0;
    for (const Advance &a : rates.order().advances) {
        if (a.employeeId == employeeId)
            total += a.amount * rates.rate(a.currency);
    }
    return total;
}

TwoCurrencyAmount AdvancesSplit(OrderRateLookup &rates, int employeeId, bool thirdToAlternative)
{
    TwoCurrencyAmount total;
    const QDate date = rates.order().accountingDate;
    for (const Advance &a : rates.order().advances) {
        if (a.employeeId == employeeId)
            total += rates.split(a.amount, a.currency, date, thirdToAlternative);
    }
    return total;
}

double AllAdvancesInBase(OrderRateLookup &rates)
{
    double total = 0;
    for (const Advance &a : rates.order().advances)
        total += a.amount * rates.rate(a.currency);
    return total;
}

TwoCurrencyAmount AllAdvancesSplit(OrderRateLookup &rates, bool thirdToAlternative)
{
    TwoCurrencyAmount total;
    const QDate date = rates.order().accountingDate;
    for (const Advance &a : rates.order().advances)
        total += rates.split(a.amount, a.currency, date, thirdToAlternative);
    return total;
}

CurrencySums AdvancesByCurrency(const TravelOrder &order)
{
    CurrencySums sums;
    for (const Advance &a : order.advances)
        AddToSums(sums, a.currency, a.amount);
    return sums;
}

CurrencySums ReceiptsByCurrency(const TravelOrder &order, bool cash)
{
    CurrencySums sums;
    for (const Receipt &r : order.receipts) {
        if ((r.payment == Receipt::Cash) == cash)
            AddToSums(sums, r.currency, r.amount);
    }
    return sums;
}

double ReceiptsInBase(OrderRateLookup &rates, bool cash)
{
    double total = 0;
    for (const Receipt &r : rates.order().receipts) {
        if ((r.payment == Receipt::Cash) == cash)
            total += r.amount * rates.rate(r.currency);
    }
    return total;
}

TwoCurrencyAmount CashReceiptsSplit(OrderRateLookup &rates, bool thirdToAlternative)
{
    TwoCurrencyAmount total;
    const QDate date = rates.order().accountingDate;
    for (const Receipt &r : rates.order().receipts) {
        if (r.payment == Receipt::Cash)
            total += rates.split(r.amount, r.currency, date, thirdToAlternative);
    }
    return total;
}

double RefrigerationLitres(const TravelOrder &order)
{
    double litres = 0;
    for (const Receipt &r : order.receipts) {
        if (r.fuel == Receipt::Refrigeration)
            litres += r.litres;
    }
    return litres;
}

} // namespace kalvor
