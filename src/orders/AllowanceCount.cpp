#include "orders/AllowanceCount.h"

#include "core/Settings.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kalvor {

namespace {

constexpr double msPerHour = 3600.0 * 1000.0;
constexpr qint64 msPerDay = 24LL * 3600 * 1000;

// Milliseconds from `from` to `to`, counted on the calendar and the clock.
qint64 span(const QDate &fromDate, const QTime &fromTime, const QDate &toDate, const QTime &toTime)
{
    return fromDate.daysTo(toDate) * msPerDay
           + (toTime.msecsSinceStartOfDay() - fromTime.msecsSinceStartOfDay());
}

// What a part of a day is worth: 1 from 12 hours on, 0.5 from 8 hours on.
double dayPart(double hours)
{
    if (hours >= 12)
        return 1;
    if (hours >= 8)
        return 0.5;
    return 0;
}

AllowanceCount countByRule(QDate dd, QTime td, QDate dr, QTime tr, const AllowanceRules &rules)
{
    AllowanceCount result;
    if (dd == dr && tr < td)
        std::swap(td, tr);
    if (dr < dd)
        return result;

    const qint64 tdMs = td.msecsSinceStartOfDay();
    const qint64 trMs = tr.msecsSinceStartOfDay();
    const double remainder = td > tr ? 24.0 - (tdMs - trMs) / msPerHour : (trMs - tdMs) / msPerHour;
    const qint64 fullDays = std::max<qint64>(0, dd.daysTo(dr) - (td > tr ? 1 : 0));

    const double a12 = rules.twelveHoursWhole ? 0.001 : -0.001;
    const double a8 = rules.eightHoursHalf ? 0.001 : -0.001;
    double count = double(fullDays);
    if (remainder + a12 > 12)
        count += 1;
    else if (remainder + a8 > 8)
        count += 0.5;

    result.count = count;
    result.hours = double(fullDays) * 24 + remainder;
    result.days = double(fullDays);
    return result;
}

AllowanceCount countFavourable(QDate dd, QTime td, QDate dr, QTime tr)
{
    AllowanceCount result;
    const qint64 total = span(dd, td, dr, tr);
    if (total < 0)
        return result;

    double count = 0;
    if (dd != dr) {
        if (dd.daysTo(dr) > 1)
            count = double(total / msPerDay - 1);
        const double h1 = (msPerDay - 1 - td.msecsSinceStartOfDay()) / msPerHour;
        const double h2 = tr.msecsSinceStartOfDay() / msPerHour;
        count += dayPart(h1) + dayPart(h2);
    } else {
        count += dayPart(total / msPerHour);
    }

    result.count = count;
    result.hours = total / msPerHour;
    result.days = result.hours / 24;
    return result;
}

} // namespace

AllowanceRules::AllowanceRules(bool byRule, bool favourable, bool twelveHoursWhole, bool eightHoursHalf,
                               bool remainderZero)
    : byRule(byRule)
    , favourable(favourable)
    , twelveHoursWhole(twelveHoursWhole)
    , eightHoursHalf(eightHoursHalf)
    , remainderZero(remainderZero)
{
}

AllowanceRules AllowanceRules::fromSettings(const Settings &settings)
{
    return AllowanceRules(settings.flag(QStringLiteral("DnevniceKALVOR")),
                          settings.flag(QStringLiteral("DnevniceOld")),
                          settings.integer(QStringLiteral("12Dnevnica")) != 0,
                          settings.integer(QStringLiteral("8Dnevnica")) != 0,
                          settings.flag(QStringLiteral("Preostalo0")));
}

AllowanceCount CountAllowances(const QDateTime &departure, const QDateTime &ret, const AllowanceRules &rules)
{
    if (!departure.isValid() || !ret.isValid())
        return {};
    const QDate dd = departure.date();
    const QDate dr = ret.date();
    const QTime td = departure.time();
    const QTime tr = ret.time();
    if (rules.usesFavourable())
        return countFavourable(dd, td, dr, tr);
    return countByRule(dd, td, dr, tr, rules);
}

QTime ParseTimeText(const QString &text)
{
    const QString trimmed = text.trimmed();

    // A plain number with "," as the decimal separator: hours and a fraction
    // of an hour.
    static const QRegularExpression number(
        QStringLiteral("^\\+?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?$"));
    if (number.match(trimmed).hasMatch()) {
        QString c = trimmed;
        c.replace(u',', u'.');
        bool ok = false;
        const double value = c.toDouble(&ok);
        if (ok && value < 24) {
            int hours = int(std::floor(value));
            int minutes = int(std::lround((value - hours) * 60));
            if (minutes >= 60) {
                hours += 1;
                minutes -= 60;
            }
            if (hours > 23)
                return QTime(23, 59);
            return QTime(hours, minutes);
        }
    }

    QString digits;
    for (const QChar ch : trimmed)
        if (ch >= u'0' && ch <= u'9')
            digits += ch;
    if (digits.isEmpty())
        return QTime(0, 0);

    if (digits.size() <= 2) {
        const int value = digits.toInt();
        if (value <= 59)
            return QTime(0, value);
        return QTime(digits.left(1).toInt(), digits.mid(1, 1).toInt());
    }

    int minutes = digits.right(2).toInt();
    if (minutes > 59)
        minutes = 0;
    const QString rest = digits.left(digits.size() - 2);
    int hours = rest.right(2).toInt();
    if (hours > 23)
        hours = 23;
    return QTime(hours, minutes);
}

} // namespace kalvor
