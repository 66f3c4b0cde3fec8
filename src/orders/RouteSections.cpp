#include "orders/RouteSections.h"

#include "core/Amounts.h"

#include <algorithm>
#include <cmath>

namespace kalvor {

namespace {

constexpr qint64 kDayMs = 24LL * 3600 * 1000;

qint64 msOfDay(const QTime &t)
{
    // A time that does not read as one counts as 00:00, so that a figure
    // never depends on the moment it is computed.
    return t.isValid() ? t.msecsSinceStartOfDay() : 0;
}

} // namespace

QTime DrivingTime(const QTime &departure, const QTime &arrival)
{
    const qint64 dep = msOfDay(departure);
    const qint64 arr = msOfDay(arrival);
    const qint64 ms = dep > arr ? (kDayMs - 1 - dep) + arr : arr - dep;
    return QTime::fromMSecsSinceStartOfDay(int(ms));
}

SectionCheck CheckNewSection(const QString &odometerText, const QString &relationText)
{
    if (odometerText.trimmed().isEmpty())
        return {QStringLiteral("Niste definirali stanje brojila!"), SectionCheck::Odometer};
    if (relationText.trimmed().isEmpty())
        return {QStringLiteral("Niste definirali relaciju!"), SectionCheck::Relation};
    if (ParseAmount(odometerText) == 0)
        return {QStringLiteral("Pogrešno definirano stanje brojila!"), SectionCheck::Odometer};
    return {};
}

SectionRow withTotalTkm(SectionRow row)
{
    row.totalTkm = row.tractorTkm + row.trailerTkm;
    return row;
}

QString sectionDateWarning()
{
    return QStringLiteral("Pogrešni podaci o datumima polaska i povratka s puta!");
}

SectionTotals DeriveSectionTotals(QVector<SectionRow> &sections)
{
    std::stable_sort(sections.begin(), sections.end(),
                     [](const SectionRow &a, const SectionRow &b) { return a.odometer < b.odometer; });
    SectionTotals t;
    if (sections.size() < 2)
        return t;
    const SectionRow &first = sections.first();
    const SectionRow &last = sections.last();
    t.start = QDateTime(first.date, first.departure.isValid() ? first.departure : QTime(0, 0));
    QDate endDate = last.date;
    if (msOfDay(last.arrival) < msOfDay(last.departure))
        endDate = endDate.addDays(1);
    t.end = QDateTime(endDate, last.arrival.isValid() ? last.arrival : QTime(0, 0));
    t.dateWarning = t.end < t.start;
    t.kilometres = last.odometer - first.odometer;
    t.days = int(first.date.daysTo(endDate));
    t.tripHours = std::round(double(t.start.msecsTo(t.end)) / 3600000.0 * 100.0) / 100.0;
    for (const SectionRow &s : sections) {
        const QTime times[6] = {s.driving, s.waiting, s.loading, s.breakdowns, s.rests, s.stops};
        for (int i = 0; i < 6; ++i)
            t.sums[i] += msOfDay(times[i]);
    }
    t.drivingHours = std::round(double(t.sums[0]) / 3600000.0 * 100.0) / 100.0;
    return t;
}

DaysHoursMinutes SplitDuration(qint64 milliseconds)
{
    DaysHoursMinutes d;
    const qint64 minutes = milliseconds / 60000;
    d.days = minutes / (24 * 60);
    d.hours = int((minutes / 60) % 24);
    d.minutes = int(minutes % 60);
    return d;
}

void OrderMeterReadings(double &start, double &end)
{
    if (end < start)
        std::swap(start, end);
}

bool RefrigerationConsumption(double litres, double start, double end, double *consumption)
{
    if (start == 0 || end == 0 || end - start == 0)
        return false;
    *consumption = litres / (end - start);
    return true;
}

} // namespace kalvor
