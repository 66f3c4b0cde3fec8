#pragma once

#include "reference/StayText.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace kalvor {

class Settings;

// "dan" / "dana" after a number of days.
QString DayWord(qint64 n);
// "sat" / "sata" / "sati" after a number of hours.
QString HourWord(qint64 n);

// A duration in days as text, counted in whole minutes: "2 dana 05:30",
// with days "2 dana 05:30 (53 sata i 30 min.)", hours only
// "53 sata i 30 min.". A negative duration gets "-" in front.
QString FormatDuration(double days, bool withDays, bool hoursOnly);
QString FormatDurationMinutes(qint64 minutes, bool withDays, bool hoursOnly);

// A number of hours as "hh:mm" (whole hours zero-padded, then the minutes).
QString FormatHoursClock(double hours);

// One calculation line: a group of stays of one country, currency and rate.
// Times are in whole minutes.
struct CalculationLine
{
    QString country;
    QString currency;
    double amount = 0; // the rate of the group's first stay
    qint64 carriedOut = 0; // "Prijenos"
    qint64 carriedIn = 0;  // "Iz prethodne"
    qint64 duration = 0;   // the sum of the group's stays
    qint64 total = 0;      // "Ukupno": duration + carried in
    qint64 counted = 0;    // "Za dnevnice"
    double count = 0;      // "Br.dnev.", in steps of 0.5
    QVector<Stay> stays;

    double value() const { return count * amount; }
};

// The allowances of one currency.
struct CurrencyTotal
{
    QString currency;
    double amount = 0;

    // The currency code, "||" and the amount in the general number format.
    QString text() const;
};

// The allowance count of one journey of the given length in days, starting
// at 00:00 of day zero (the travel order's allowance count).
using JourneyAllowances = std::function<double(double days)>;

struct StayCalculationOptions
{
    // Stays of equal country, currency and rate form one line.
    bool grouping = true;
    // Durations and carries count as absolute values (how a stored text is
    // evaluated); otherwise a negative duration counts as negative hours.
    bool absoluteDurations = true;
    // `DnevCorrect`: bring the total count to what the whole journey gives.
    bool correct = false;
    // Needed only for the correction.
    JourneyAllowances journeyAllowances;
};

struct StayCalculation
{
    double allowances = 0;      // the sum of the lines' counts
    double totalDays = 0;       // the sum of all stays' durations
    qint64 totalMinutes = 0;
    QVector<CalculationLine> lines;
    QVector<CurrencyTotal> totals; // in order of first appearance
    QStringList totalTexts;        // CurrencyTotal::text() of each total
};

// Calculates a list of stays as entered.
StayCalculation CalculateStays(const QVector<Stay> &stays, const StayCalculationOptions &options);

// Evaluates a stored stay text: grouping on, absolute durations. A blank text
// gives 0 allowances and no totals.
StayCalculation CalculateStayText(const QString &text, const StayCalculationOptions &options);
// The same with the correction taken from the setting `DnevCorrect`.
StayCalculation CalculateStayText(const QString &text, const Settings &settings,
                                  const JourneyAllowances &journeyAllowances);

} // namespace kalvor
