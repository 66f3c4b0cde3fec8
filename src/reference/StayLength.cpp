#include "reference/StayLength.h"

#include "reference/StayText.h"

namespace kalvor {

namespace {
constexpr qint64 kHour = 60;
constexpr qint64 kDayHours = 24;
} // namespace

StayLength StayLength::ofMinutes(qint64 minutes)
{
    StayLength length;
    length.days = minutes / (kDayHours * kHour);
    length.hours = minutes / kHour % kDayHours;
    length.minutes = minutes % kHour;
    return length;
}

qint64 StayLength::totalMinutes() const
{
    return (days * kDayHours + hours) * kHour + minutes;
}

void StayLength::carryHours()
{
    if (hours < kDayHours)
        return;
    days = hours / kDayHours;
    hours %= kDayHours;
}

void StayLength::carryMinutes()
{
    if (minutes >= kHour) {
        hours = minutes / kHour;
        minutes %= kHour;
    }
    carryHours();
}

qint64 ReadWholeNumber(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

QString StayLengthText(const QDateTime &entry, const QDateTime &exit)
{
    const qint64 minutes = DaysToMinutes(DayNumber(exit)) - DaysToMinutes(DayNumber(entry));
    if (minutes < 0)
        return QStringLiteral("Pogrešan unos!!!");
    return QString::number(minutes / kHour) + QStringLiteral(" sati i ") + QString::number(minutes % kHour)
           + QStringLiteral(" minuta");
}

} // namespace kalvor
