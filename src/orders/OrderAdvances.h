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

// The entry fields of the tab "Akontacije".
struct AdvanceEntry
{
    EmployeeRef employee; // "Djelatnici:"; empty when none is chosen
    QDate date;           // "Datum:"
    QString amount;       // "Iznos:" as typed
    QString currency;     // "Valuta:"; empty when none is chosen
};

// What the tab "Akontacije" shows beside its list.
struct AdvanceSummary
{
    // "Prema djelatnicima:": every employee of the order with the advances in
    // the base currency; with two currencies "<base> <code>, <alt> <code>".
    QVector<SummaryLine> byEmployee;
    // "Prema valutama:": the plain sum of every currency.
    QVector<SummaryLine> byCurrency;
    // "Ukupno (" + base code + ")" and the converted total; with two
    // currencies also the base and the alternative part, one line each.
    QString totalCaption;
    QString total;
    QStringList totalParts;
    // A currency without any rate was met; the warning has been shown.
    bool missingRate = false;
};

// The advances of an order as the tab "Akontacije" edits them: the checks of
// an entry, the cash desk check of a payout, and the summaries. Messages and
// questions go through the prompter.
class OrderAdvances
{
public:
    OrderAdvances(TravelOrder &order, db::Transaction &write, const Settings &settings,
                  Prompter &prompter = Prompter::current());

    // "Dodaj": the checks in order, then, with `AkontacijaProvjera` on, the
    // cash desk's movement of the year up to the advance date in its
    // currency; when it is smaller than the amount the user decides. The row
    // is appended as new, the entry emptied (its date stays), and with
    // `AltValuta2` on a third currency becomes the order's alternative
    // currency when none is chosen. False when refused, cancelled or when
    // the desk could not be read (its message shown); the entry is then kept.
    // The caller refreshes the summary afterwards.
    bool add(AdvanceEntry &entry);
    // "Promijeni": the entry checks only (no cash check) and the row keeps
    // its id. False when refused or when there is no such row.
    bool change(int row, const AdvanceEntry &entry);
    // "Obriši": a stored row's id goes into the deleted-row list.
    void remove(int row);
    // Selecting a row fills the entry; a row without a date shows today.
    AdvanceEntry entryOf(int row, const QDate &today = QDate::currentDate()) const;

    // The summaries; a rate of -1 met on the way is warned about once after
    // them. A failure of the rate list reaches the caller as db::DbError.
    AdvanceSummary summary();

    // "Stanje blagajne na datum 05.03.2026. za valutu EUR je: 100,00" and the
    // question whether to book the payout anyway.
    static QString lowBalanceQuestion(const QDate &date, const QString &currency, double balance);

private:
    // The checks of add and change; false after showing the refusal.
    bool checkEntry(const AdvanceEntry &entry) const;
    // The cash desk check; false when cancelled or the desk could not be read.
    bool cashAllows(const QDate &date, const QString &currency, double amount) const;
    Advance rowOf(const AdvanceEntry &entry, int id) const;

    TravelOrder &m_order;
    db::Transaction &m_write;
    const Settings &m_settings;
    Prompter &m_prompter;
};

} // namespace kalvor
