#pragma once

#include "cash/CashLedger.h"

#include <QDateTime>
#include <QString>

namespace kalvor {

// One cash register entry of a travel order (a `BLPROMET` row whose
// `IDNALOG` is the order), as the order holds it until it is saved.
struct Blagajna
{
    // Entry kinds (`TIP`) as the ledger has them: 0 and 4 bring money in,
    // the others take it out.
    enum Kind {
        AdvanceReturn = CashAdvanceReturn,       // "Uplata/povrat akontacije"
        AdvancePayment = CashAdvancePayment,     // "Isplata akontacije"
        AllowancePayment = CashAllowancePayment, // "Isplata dnevnica"
        ReceiptPayment = CashReceiptPayment,     // "Isplata troškova gotovinskih računa"
        Deposit = CashDeposit,                   // "Polog u blagajnu"
        Transfer = CashTransfer,                 // "Prijenos iz blagajne (u banku i slično)"
    };

    int id = -1;             // `IDBP`; -1 while not stored
    QDateTime entered;       // `DATVRI`, set by the database on insert
    QDateTime date;          // `DATUM`
    double amount = 0;       // `IZNOS`
    int kind = AdvanceReturn; // `TIP`
    int orderId = -1;        // `IDNALOG`
    int employeeId = -1;     // `IDRADNIK`
    QString description;     // `OPIS`
    QString employeeName;    // `RADNIK`
    QString voucherLabel;    // `OZNAKA`
    QString orderLabel;      // `NOZNAKA`
    QDateTime changed;       // `PROMJENA`
    QString currency;        // `VALUTA`
    bool automatic = false;  // `AUT`

    // Whether the kind brings money into the register ("Uplata").
    bool isIncoming() const { return IsIncomingCashKind(kind); }

    // The second kind written with an entry (`TIP2`): an advance returned is
    // booked against the advance paid out and the other way round.
    static int secondKind(int kind);
};

} // namespace kalvor
