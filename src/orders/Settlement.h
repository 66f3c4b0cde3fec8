#pragma once

#include "orders/OrderRates.h"
#include "orders/OrderTotals.h"
#include "orders/TravelOrder.h"

#include <QString>
#include <QVector>

namespace kalvor {

class Settings;

// One line of a method's parameter list: its caption, the value and, in the
// standard view, the value's currency.
struct SettlementLine
{
    QString caption;
    double value = 0;
    QString currency;
};

// One employee's row of the settlement.
struct EmployeeSettlement
{
    EmployeeRef employee;
    double advances = 0;     // Vi, in the base currency
    double earning = 0;      // Zi
    double cashReceipts = 0; // Gi: the first employee's only
    double allowance = 0;    // Ai
    bool receivesAllowance = false;

    // "Za uplatu/isplatu": without the allowance.
    double payable() const { return earning + cashReceipts - advances; }
    // S of the summary line.
    double balance() const { return earning + cashReceipts + allowance - advances; }
    // "Isplata" or "Povrat", decided on S rounded to cents.
    QString balanceKind() const;
};

struct MethodSettlement
{
    int method = ByAllowances; // kStandardView for the standard view
    QVector<SettlementLine> lines;
    QVector<EmployeeSettlement> employees;
};

// The daily allowances as the settlement takes them.
struct AllowanceFigures
{
    double count = 0;       // N of the single-country count
    double tripHours = 0;   // departure to return
    double amount = 0;      // A: N × rate × rate of the currency, in the base currency
    double multiCount = 0;  // N of the stays in several countries
    double multiAmount = 0; // the stays' totals converted into the base currency
    CurrencySums multiTotals;
    // The standard view's amount and its currency: with two currencies an
    // allowance in the base or the alternative currency stays unconverted.
    double standardAmount = 0;
    QString standardCurrency;
};

AllowanceFigures ComputeAllowanceFigures(const TravelOrder &order, OrderRateLookup &rates, const Settings &settings);

// The settlement of an order under every method and in the standard view.
struct SettlementResult
{
    double kilometres = 0; // "Pređeno km"
    AllowanceFigures allowances;
    double cashReceipts = 0; // G, "Gotovinski"
    MethodSettlement methods[5];
    MethodSettlement standard;
    // A currency without a rate was met: "Neki od kurseva nisu definirani -
    // moguća greška kod proračuna!".
    bool missingRate = false;

    const MethodSettlement &chosen(int method) const;
};

SettlementResult ComputeSettlement(const TravelOrder &order, OrderRateLookup &rates, const Settings &settings);

// The proposals of empty total prices from the kilometres (`CijenaKm2`):
// the percentage method's total, the fixed method's total and its fee
// (`Postotak` of that total), all in the accounting currency. `force`
// recomputes them even when filled ("Proračun ukupne cijene naloga prema
// kilometrima").
void ProposeTotalPrices(SettlementInputs &inputs, double kilometres, const Settings &settings, bool force = false);
// Leaving the percentage total: an empty fixed total takes it, and the fixed
// fee becomes `Postotak` of it.
void CopyPercentageTotal(SettlementInputs &inputs, const Settings &settings);
// Leaving the fixed total: an empty percentage total takes it.
void CopyFixedTotal(SettlementInputs &inputs);

// The text of a settlement amount in the editor's fields.
QString SettlementAmountText(double value);

} // namespace kalvor
