#pragma once

#include "orders/AllowanceCount.h"
#include "orders/RouteSections.h"
#include "orders/TravelOrder.h"

#include <QDate>
#include <QString>
#include <optional>

namespace kalvor {

namespace db {
class Transaction;
}

// The allowances of an order's journey from departure to return; nothing
// when the return is not defined.
AllowanceCount OrderAllowanceCount(const TravelOrder &order, const AllowanceRules &rules);

// "Ukupno sati: 57,50 - Broj dnevnica: 2,5", or "NIJE DEFINIRAN POVRATAK!"
// when the return is not defined.
QString AllowanceInfoLine(const TravelOrder &order, const AllowanceRules &rules);

// The daily allowance of a country valid at a date.
struct ReferenceRate
{
    double amount = 0;
    QString currency;
};

// Looks the rate of the order's country up at the accounting date; none when
// the country has no rate with a currency at that date.
std::optional<ReferenceRate> ReferenceAllowanceRate(db::Transaction &write, const QDate &accountingDate,
                                                    const QString &country);

// Fills an empty allowance amount: with the country's rate and currency, or
// with "25,00" in the accounting currency when the country has none. Returns
// whether it filled anything.
bool DefaultAllowanceRate(TravelOrder &order, const std::optional<ReferenceRate> &rate,
                          const QString &accountingCurrency);

// The standard view of the settlement, which is no method of its own.
constexpr int kStandardView = -1;

// Whether an employee receives allowances under a settlement method: the
// earning methods pay them by the order's two flags (the first employee,
// everybody else), the allowance methods and the standard view to everybody.
bool ReceivesAllowance(int method, bool firstEmployee, const SettlementInputs &settlement);

// "Odredi prema dionicama": with at least two sections the departure and
// return are those of the sections. Returns whether it set them.
bool TakeJourneyFromSections(TravelOrder &order, const SectionTotals &totals);

// Whole minutes between two moments as written (dates and times of day, no
// time-zone shifts); 0 when either is not valid.
qint64 MinutesBetween(const QDateTime &from, const QDateTime &to);

// The comparison of the journey's duration with the stays of its countries.
struct JourneyDurationCheck
{
    qint64 journeyMinutes = 0;
    qint64 staysMinutes = 0;
    bool matches() const { return journeyMinutes == staysMinutes; }
};

// The journey is departure to return, or with "Odredi prema dionicama" the
// whole days on the road by the sections.
JourneyDurationCheck CheckJourneyDuration(const TravelOrder &order, const SectionTotals &totals,
                                          qint64 staysMinutes);

// "Ispravi od-do": the return becomes the departure plus the stays' total
// duration, and the journey no longer follows the sections.
void CorrectReturnToStays(TravelOrder &order, qint64 staysMinutes);

} // namespace kalvor
