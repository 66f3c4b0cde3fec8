#pragma once

#include "core/db/Transaction.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace kalvor {

class Settings;

// How order labels are numbered: per year ("17/2009") or per month
// ("PN-17/03/2009"), counted over the orders of the period by one of the
// order's dates.
struct LabelRules
{
    enum DateKind { AccountingDate = 0, OrderDate = 1, EntryTime = 2 };
    enum Pattern { Yearly = 0, Monthly = 1 };

    bool automatic = true;
    int pattern = Yearly;
    int dateKind = AccountingDate;
    QString prefix;
    QString suffix;
    QString separator = QStringLiteral("/");

    static LabelRules fromSettings(const Settings &settings);
};

// The dates of the order being labelled.
struct LabelDates
{
    QDate accounting;   // "Datum obračuna:"
    QDate order;        // "Datum naloga:"
    QDateTime entry;    // entry time (the server's at saving)
};

// The count statement of a period, its lines joined by line breaks.
QString labelCountStatement(int pattern, int dateKind);

// The next label of the period: the count of its stored orders plus one.
// Empty when automatic labels are off. Runs in the write transaction and
// commits it when it started it.
QString GenerateLabel(db::Transaction &write, const LabelRules &rules, const LabelDates &dates);

} // namespace kalvor
