#pragma once

#include "orders/Blagajna.h"
#include "orders/TravelOrder.h"

#include <QDateTime>
#include <QString>
#include <QVector>

namespace kalvor {

class OrderRateLookup;
class Settings;
namespace db {
class Transaction;
}

// "Stavke prema unesenom": replaces the order's automatic cash entries with
// those its advances, cash receipts and allowances give. Every advance is
// paid out and booked as returned in full, the cash receipts and the
// allowances are paid out. Manual entries stay; the stored automatic ones go
// into the deleted-row list. `singleCurrencyRules` applies the rules of a
// single-currency settlement whatever the order says (the proposal made
// when an old order without entries is opened).
void RebuildAutomaticEntries(TravelOrder &order, OrderRateLookup &rates, const Settings &settings,
                             const QDateTime &now, bool singleCurrencyRules = false);
void RebuildAutomaticEntries(TravelOrder &order, db::Transaction &write, const Settings &settings,
                             const QDateTime &now, bool singleCurrencyRules = false);

// "Želite li da program automatski definira stavke uplata i isplata u
// blagajnu?"
QString AutomaticEntriesQuestion();

// An entry added by hand in the entry dialog: not stored, not automatic,
// the order's id filled in when the order is saved.
Blagajna ManualCashEntry(const QString &description, const EmployeeRef &employee, const QString &voucherLabel,
                         double amount, const QString &currency, const QDateTime &date, int kind,
                         const QDateTime &now);
// A change from the entry dialog keeps the entry's id and automatic flag.
void ChangeCashEntry(Blagajna &entry, const Blagajna &fromDialog, const QDateTime &now);

// "Jeste li sigurni da želite obrisati označene stavke?!"
QString DeleteCashEntriesQuestion();
// Removes the entries at the given rows; stored ones go into the deleted-row
// list once each.
void DeleteCashEntries(TravelOrder &order, QVector<int> rows);

// The list order: by date, then kind, then currency code regardless of case.
void SortCashEntries(QVector<Blagajna> &entries);

// The "Uplata" and "Isplata" columns of the list: amount and currency in the
// column of the entry's direction, the other empty.
QString CashEntryInText(const Blagajna &entry);
QString CashEntryOutText(const Blagajna &entry);

} // namespace kalvor
