#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

namespace kalvor {

class Settings;

// The settings that decide how a trip is counted in daily allowances.
struct AllowanceRules
{
    // "prema pravilu": 0-8 hours = 0, 8-12 = 0.5, 12 and more = 1 allowance
    // for the hours beyond the full days.
    bool byRule = true;
    // The "povoljniji" count for the employees (every hour beyond 24 opens a
    // new allowance). Applies only when byRule is off.
    bool favourable = false;
    // Exactly 12 hours count as 1 allowance (otherwise as 0.5).
    bool twelveHoursWhole = true;
    // Exactly 8 hours count as 0.5 allowance (otherwise as 0).
    bool eightHoursHalf = true;
    // "U slučaju jedne dnevnice - sve iznad 12 sati - preostalo 0 sati":
    // carried for the screens that show the remainder; the count itself does
    // not depend on it.
    bool remainderZero = false;

    AllowanceRules() = default;
    explicit AllowanceRules(bool byRule, bool favourable, bool twelveHoursWhole, bool eightHoursHalf,
                            bool remainderZero = false);

    // `DnevniceKALVOR`, `DnevniceOld`, `12Dnevnica`, `8Dnevnica`, `Preostalo0`.
    static AllowanceRules fromSettings(const Settings &settings);

    // Whether the favourable count applies (favourable on, rule off).
    bool usesFavourable() const { return favourable && !byRule; }
};

// What a trip from departure to return is worth.
struct AllowanceCount
{
    // The number of allowances N (halves possible).
    double count = 0;
    // The total hours of the trip.
    double hours = 0;
    // By the rule: the full days F; favourable: the trip length in days.
    double days = 0;
};

// Counts the allowances of a trip. An invalid return means the return is not
// defined: nothing is counted. A return before the departure counts nothing.
// The date and the time of day of each moment are taken as written (no time
// zone shifts).
AllowanceCount CountAllowances(const QDateTime &departure, const QDateTime &ret,
                               const AllowanceRules &rules);

// The time of day a typed time text stands for: "8" is 08:00, "7,5" 07:30,
// "45" 00:45, "75" 07:05, "0730" and "7:30" 07:30, "2599" 23:00; an empty
// text or one without any digit is 00:00. Always a valid time.
QTime ParseTimeText(const QString &text);

} // namespace kalvor
