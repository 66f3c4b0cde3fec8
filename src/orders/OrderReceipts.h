#pragma once

#include "core/Prompter.h"
#include "orders/SummaryLines.h"
#include "orders/TravelOrder.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor {

class Settings;
namespace db {
class Transaction;
}

// The entry fields of the tab "Računi".
struct ReceiptEntry
{
    QDate date;                   // "Datum:"
    QString amount;               // "Iznos:" as typed
    QString number;               // "Broj računa:"
    QString currency;             // "Valuta:"; empty when none is chosen
    int payment = Receipt::Cash;  // "Plaćanje:": "Gotovinski" or "Plaća firma"
    bool fuel = false;            // "Gorivo/mazivo"
    QString description;          // "Opis:"
    QString inFavourOf;           // "U korist:"
    QString place;                // "Mjesto:"
    // "Plaća firma direktno partnerima": shown with "Plaća firma" only.
    int partnerId = -1;
    // The fuel panel, shown with "Gorivo/mazivo" only.
    QString odometer;             // "Stanje km:"
    QString litres;               // "Količina (l):"
    // The kind as its number: "1" "rezervoar", "2" "termoking", "3" "mazivo".
    QString fuelKind = QStringLiteral("1");
    QString fuelType;             // "Vrsta:"

    bool partnerShown() const { return payment == Receipt::Company; }
};

// The choice lists of "U korist:" and "Opis:".
struct ReceiptChoices
{
    QStringList inFavourOf;
    QStringList descriptions;
};

// What the tab "Računi" shows beside its list.
struct ReceiptSummary
{
    QVector<SummaryLine> cashByCurrency;  // "Valute-gotovinski:"
    QVector<SummaryLine> otherByCurrency; // "Valute-ostalo:"
    QString cashInBase;                   // "Gotovinski"
    QString otherInBase;                  // "Ostalo"
    // With two currencies, the cash receipts split into the base and the
    // alternative part: "<base> <code>   <alt> <code>"; empty otherwise.
    QString cashSplit;
    int count = 0;                        // "Evidentirano računa:"
    int cashCount = 0;                    // "Od toga gotovinskih:"
    // A currency without any rate was met; the warning has been shown.
    bool missingRate = false;
};

// The receipts of an order as the tab "Računi" edits them.
class OrderReceipts
{
public:
    OrderReceipts(TravelOrder &order, db::Transaction &write, const Settings &settings,
                  Prompter &prompter = Prompter::current());

    // "Dodaj": the checks in order; the row is appended as new without the
    // values of a hidden panel, and the entry is reset as by "Očisti" (the
    // caller fills the lists from choices()). False when refused; the entry
    // is then kept.
    bool add(ReceiptEntry &entry);
    // "Promijeni": writes the entry into the row without the checks; the row
    // keeps its id, and the values of a hidden panel are not kept either.
    bool change(int row, const ReceiptEntry &entry);
    // "Obriši": a stored row's id goes into the deleted-row list.
    void remove(int row);
    // Selecting a row fills the entry; a row without a date shows today.
    ReceiptEntry entryOf(int row, const QDate &today = QDate::currentDate()) const;

    // "Očisti": everything but the date and the fuel kind emptied, payment
    // "Gotovinski", fuel off.
    static void reset(ReceiptEntry &entry);
    // The lists of "U korist:" and "Opis:" from `UKoristDefault` and
    // `OpisRacunaDefault`, a line each.
    ReceiptChoices choices() const;
    // Choosing a partner: an empty "U korist:" takes the partner's name.
    static void choosePartner(ReceiptEntry &entry, int partnerId, const QString &partnerName);

    // The fuel kind of a fuel receipt; a kind text that is not one of the
    // kinds' numbers counts as "rezervoar".
    static int fuelKindOf(const QString &kindText);

    // The summaries; a rate of -1 met on the way is warned about once after
    // them. A failure of the rate list reaches the caller as db::DbError.
    ReceiptSummary summary();

private:
    bool checkEntry(const ReceiptEntry &entry) const;
    Receipt rowOf(const ReceiptEntry &entry, int id) const;

    TravelOrder &m_order;
    db::Transaction &m_write;
    const Settings &m_settings;
    Prompter &m_prompter;
};

} // namespace kalvor
