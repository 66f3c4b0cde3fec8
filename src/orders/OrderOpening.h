#pragma once

#include "orders/Settlement.h"
#include "orders/TravelOrder.h"

#include <QStringList>

namespace kalvor {

class Settings;
namespace db {
class Transaction;
}

// The employee choice lists of the editor: the drivers and all employees in
// name order; a new order offers only the active ones.
OrderEmployeeLists LoadEmployeeLists(db::Transaction &read, bool activeOnly);

// The country of the country list that a stored name stands for (compared
// without regard to case); the name itself when the list has none.
QString CountryOfList(db::Transaction &write, const QString &name);

// What opening an order computes before it is shown: the country as the
// list spells it, an empty allowance
// amount is filled from the country's rate at the accounting date (or the
// default of 25,00 in the accounting currency), then the settlement.
SettlementResult SettleOnOpening(TravelOrder &order, db::Transaction &write, const Settings &settings);

// The settlement as the command line prints it, one item per line with
// TAB-separated fields: the method, the kilometres, the allowances, the trip
// hours, then every employee with advances, earning, cash receipts,
// allowance and "Isplata" or "Povrat" with the amount.
QStringList SettlementReportLines(const TravelOrder &order, const SettlementResult &settlement);

} // namespace kalvor
