#pragma once

#include "orders/OrderRates.h"
#include "orders/Settlement.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace kalvor {

class Settings;

// One money item of an employee on the order, in the currency it is booked
// in: an advance paid out, a cash receipt or an allowance to pay out.
struct CostItem
{
    enum Kind { AdvanceItem, ReceiptItem, AllowanceItem };
    Kind kind = AdvanceItem;
    double originalAmount = 0;
    QString originalCurrency;
    QDate date;
    double amount = 0; // in the currency of its branch

    // "Akontacija - 200,00 EUR", "Gotovinski račun - ...", "Dnevnica - ...".
    QString text() const;
    double in() const { return kind == AdvanceItem ? 0 : amount; }
    double out() const { return kind == AdvanceItem ? amount : 0; }
};

struct CostCurrency
{
    QString currency;
    QVector<CostItem> items;
    double in = 0;  // "Uplata": receipts and allowances
    double out = 0; // "Isplata": advances
    double result() const { return in - out; }
};

struct CostEmployee
{
    EmployeeRef employee;
    QVector<CostCurrency> currencies;
    // Σ (Uplata − Isplata) × rate over the currencies, in the base currency.
    double total = 0;
    QString baseCurrency;
};

// "Isplata" for a result of 0 or more (at cents), else "Povrat".
QString CostResultKind(double result);

// The order's costs per employee and currency ("Troškovi naloga"): every
// employee's advances, the first employee's cash receipts and the
// allowances of those who receive them under the chosen method. In
// single-currency settlement amounts stay in their currencies with
// `MultiValuta` and are converted into the base currency without it; in
// two-currency settlement the base and the alternative currency stay and a
// third one is converted by the two-currency rule. Advances are converted at
// the accounting date with `AkontacijaDatumObracuna`, else at their own date.
QVector<CostEmployee> BuildCostTree(const TravelOrder &order, OrderRateLookup &rates, const Settings &settings,
                                    const AllowanceFigures &allowances);

// "Kod obračuna u više valuta, ukupni iznos je dobiven konverzijom ostalih
// valuta u osnovnu obračunsku valutu."
QString CostTreeNote();

} // namespace kalvor
