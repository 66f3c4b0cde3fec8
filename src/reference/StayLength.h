#pragma once

#include <QDateTime>
#include <QString>

namespace kalvor {

// The length of a stay as the stay dialog enters it: days, hours and minutes.
struct StayLength
{
    qint64 days = 0;
    qint64 hours = 0;
    qint64 minutes = 0;

    static StayLength ofMinutes(qint64 minutes);
    qint64 totalMinutes() const;

    // Hours above 23 make the days: days = hours div 24 (in place of what the
    // days held), hours = the rest.
    void carryHours();
    // Minutes of 60 or more make the hours: hours = minutes div 60 (in place
    // of what the hours held), minutes = the rest; then the hours carry.
    void carryMinutes();
};

// A field of the length read as a whole number; anything else is 0.
qint64 ReadWholeNumber(const QString &text);

// "Boravak:" of a stay entered by entry and exit: the whole hours, " sati i ",
// the minute of the hour and " minuta"; "Pogrešan unos!!!" when the exit lies
// before the entry.
QString StayLengthText(const QDateTime &entry, const QDateTime &exit);

} // namespace kalvor
