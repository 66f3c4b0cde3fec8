#pragma once

#include <QDate>
#include <QString>
#include <QVector>

namespace kalvor {

namespace db {
class Transaction;
}

// Kinds of cash entries (`BLPROMET.TIP`).
enum CashEntryKind {
    CashAdvanceReturn = 0,    // "Uplata/povrat akontacije": an employee returns advance money
    CashAdvancePayment = 1,   // "Isplata akontacije"
    CashAllowancePayment = 2, // "Isplata dnevnica"
    CashReceiptPayment = 3,   // "Isplata troškova gotovinskih računa"
    CashDeposit = 4,          // "Polog u blagajnu"
    CashTransfer = 5,         // "Prijenos iz blagajne (u banku i slično)"
};

// The kinds that bring money into the desk and those that take it out; every
// sum over the ledger uses exactly these two sets.
const QVector<int> &IncomingCashKinds();
const QVector<int> &OutgoingCashKinds();
bool IsIncomingCashKind(int kind);

// The balance functions of the desk, per currency and without any conversion.
// Each runs its statements in the write transaction, starting it when it is
// not active and committing after the last statement; a missing row or a NULL
// sum counts as 0. When a statement fails the write transaction is rolled
// back and the db::DbError reaches the caller: a figure the desk was never
// asked for must not pass for a balance.

// The balance after all entries of the day: the opening balance of exactly
// the date's year (0 when that year has none) plus the incoming minus the
// outgoing entries of that year up to and including the day.
double BalanceAtEndOfDay(db::Transaction &write, const QString &currency, const QDate &date);

// The incoming minus the outgoing entries of the date's year up to and
// including the day, without any opening balance.
double YearMovementToDay(db::Transaction &write, const QString &currency, const QDate &date);

// The balance carried into the day: the opening balance of the latest year
// not after the date's year (0 and year 0 when there is none) plus the
// movements from that year up to the day before.
double BalanceBeforeDay(db::Transaction &write, const QString &currency, const QDate &date);

// The two proposals for the opening balance of a year.
struct StartOfYear
{
    // The opening balance of the latest earlier year plus the movements of
    // the years from that one up to the year before.
    double fromLastOpening = 0;
    // The net movement of every earlier year, ignoring opening balances.
    double allEarlierYears = 0;
};
StartOfYear StartOfYearBalance(db::Transaction &write, int year, const QString &currency);

} // namespace kalvor
