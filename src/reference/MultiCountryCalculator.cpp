#include "reference/MultiCountryCalculator.h"

#include "core/Settings.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace kalvor {

namespace {

constexpr qint64 kHour = 60;
constexpr qint64 kDay = 24 * kHour;
constexpr qint64 kEightHours = 8 * kHour;
constexpr qint64 kTwelveHours = 12 * kHour;

QString twoDigits(qint64 n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Counts the allowances of one line from its total time; sets the counted
// and the carried-out time.
void countLine(CalculationLine &line)
{
    const qint64 t = line.total;
    line.carriedOut = 0;
    if (t < kEightHours) {
        line.count = 0;
        line.counted = 0;
        line.carriedOut = t;
    } else if (t < kTwelveHours) {
        line.count = 0.5;
        line.counted = t;
    } else if (t < kDay) {
        line.count = 1;
        line.counted = t;
    } else {
        const qint64 n = t / kDay;
        const qint64 r = t - n * kDay;
        if (r < kEightHours) {
            line.count = double(n);
            line.counted = n * kDay;
        } else if (r < kTwelveHours) {
            line.count = double(n) + 0.5;
            line.counted = n * kDay + kEightHours;
        } else {
            line.count = double(n) + 1;
            line.counted = t;
        }
        line.carriedOut = t - line.counted;
    }
}

void computeTotals(StayCalculation &result)
{
    result.allowances = 0;
    result.totals.clear();
    result.totalTexts.clear();
    for (const CalculationLine &line : std::as_const(result.lines)) {
        result.allowances += line.count;
        auto it = std::find_if(result.totals.begin(), result.totals.end(),
                               [&](const CurrencyTotal &t) { return t.currency == line.currency; });
        if (it == result.totals.end()) {
            result.totals.append(CurrencyTotal{line.currency, 0});
            it = result.totals.end() - 1;
        }
        it->amount += line.value();
    }
    for (const CurrencyTotal &total : std::as_const(result.totals))
        result.totalTexts.append(total.text());
}

bool sameCount(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}

// Brings the sum of the counts to what the whole journey gives, taking from
// (or adding to) the line with the least counted time among lines with a rate.
void correct(StayCalculation &result, const JourneyAllowances &journeyAllowances)
{
    if (!journeyAllowances)
        return;
    const double expected = journeyAllowances(result.totalDays);
    // Each step either stops or brings the sum to the expected count; the
    // bound only guards against a count that never settles.
    for (qsizetype step = 0; step <= result.lines.size(); ++step) {
        if (sameCount(result.allowances, expected))
            return;
        CalculationLine *least = nullptr;
        for (CalculationLine &line : result.lines) {
            if (line.amount > 0 && (!least || line.counted < least->counted))
                least = &line;
        }
        if (!least)
            return;
        const double excess = result.allowances - expected;
        if (excess > least->count)
            return;
        least->count -= excess;
        computeTotals(result);
    }
}

} // namespace

QString DayWord(qint64 n)
{
    return (n % 10 == 1 && n % 100 != 11) ? QStringLiteral("dan") : QStringLiteral("dana");
}

QString HourWord(qint64 n)
{
    if (n % 10 == 1 && n % 100 != 11)
        return QStringLiteral("sat");
    if (n % 100 == 11)
        return QStringLiteral("sati");
    if (n >= 2 && n <= 4)
        return QStringLiteral("sata");
    const qint64 last = n % 10;
    if ((n >= 12 && n <= 14) || last < 2 || last > 4)
        return QStringLiteral("sati");
    return QStringLiteral("sata");
}

QString FormatDurationMinutes(qint64 minutes, bool withDays, bool hoursOnly)
{
    const bool negative = minutes < 0;
    const qint64 m = negative ? -minutes : minutes;
    QString text;
    if (!hoursOnly) {
        const qint64 days = m / kDay;
        if (days > 0)
            text += QString::number(days) + QLatin1Char(' ') + DayWord(days);
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        const qint64 rest = m % kDay;
        if (rest >= 1)
            text += twoDigits(rest / kHour) + QLatin1Char(':') + twoDigits(rest % kHour);
    }
    if (withDays || hoursOnly) {
        const qint64 hours = m / kHour;
        const qint64 mins = m % kHour;
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        if (withDays)
            text += QLatin1Char('(');
        if (hours > 0)
            text += QString::number(hours) + QLatin1Char(' ') + HourWord(hours);
        if (hours > 0 && mins > 0)
            text += QStringLiteral(" i ");
        if (mins > 0)
            text += QString::number(mins) + QStringLiteral(" min.");
        if (withDays)
            text += QLatin1Char(')');
    }
    return negative ? QLatin1Char('-') + text : text;
}

QString FormatDuration(double days, bool withDays, bool hoursOnly)
{
    return FormatDurationMinutes(DaysToMinutes(days), withDays, hoursOnly);
}

QString FormatHoursClock(double hours)
{
    const qint64 minutes = qRound64(std::abs(hours) * 60.0);
    const QString clock = twoDigits(minutes / kHour) + QLatin1Char(':') + twoDigits(minutes % kHour);
    return hours < 0 && minutes > 0 ? QLatin1Char('-') + clock : clock;
}

QString CurrencyTotal::text() const
{
    return currency + QStringLiteral("||") + FormatGeneralNumber(amount);
}

StayCalculation CalculateStays(const QVector<Stay> &stays, const StayCalculationOptions &options)
{
    StayCalculation result;

    // Group numbers in order of first appearance; the rate compares as a number.
    struct Entry
    {
        int group;
        int position;
    };
    QVector<Entry> order;
    QVector<const Stay *> firsts;
    for (int i = 0; i < stays.size(); ++i) {
        const Stay &stay = stays[i];
        int group = -1;
        if (options.grouping) {
            for (int g = 0; g < firsts.size(); ++g) {
                const Stay &first = *firsts[g];
                if (first.country == stay.country && first.currency == stay.currency
                    && first.amount == stay.amount) {
                    group = g;
                    break;
                }
            }
        }
        if (group < 0) {
            group = int(firsts.size());
            firsts.append(&stay);
        }
        order.append(Entry{group, i});
    }
    std::stable_sort(order.begin(), order.end(), [](const Entry &a, const Entry &b) {
        return a.group != b.group ? a.group < b.group : a.position < b.position;
    });

    auto minutesOf = [&](const Stay &stay) {
        const qint64 m = DaysToMinutes(stay.duration);
        return options.absoluteDurations ? std::abs(m) : m;
    };

    int currentGroup = -1;
    for (const Entry &entry : std::as_const(order)) {
        const Stay &stay = stays[entry.position];
        if (entry.group != currentGroup) {
            CalculationLine line;
            line.country = stay.country;
            line.currency = stay.currency;
            line.amount = stay.amount;
            result.lines.append(line);
            currentGroup = entry.group;
        }
        CalculationLine &line = result.lines.last();
        line.duration += minutesOf(stay);
        line.stays.append(stay);
        result.totalMinutes += minutesOf(stay);
    }
    result.totalDays = MinutesToDays(result.totalMinutes);

    qint64 carry = 0;
    for (CalculationLine &line : result.lines) {
        line.carriedIn = options.absoluteDurations ? std::abs(carry) : carry;
        line.total = line.duration + line.carriedIn;
        countLine(line);
        carry = line.carriedOut;
    }
    // The carry out of the last line is dropped.
    if (!result.lines.isEmpty())
        result.lines.last().carriedOut = 0;

    computeTotals(result);
    if (options.correct)
        correct(result, options.journeyAllowances);
    return result;
}

StayCalculation CalculateStayText(const QString &text, const StayCalculationOptions &options)
{
    StayCalculationOptions stored = options;
    stored.grouping = true;
    stored.absoluteDurations = true;
    return CalculateStays(ReadStayText(text), stored);
}

StayCalculation CalculateStayText(const QString &text, const Settings &settings,
                                  const JourneyAllowances &journeyAllowances)
{
    StayCalculationOptions options;
    options.correct = settings.flag(QStringLiteral("DnevCorrect"));
    options.journeyAllowances = journeyAllowances;
    return CalculateStayText(text, options);
}

} // namespace kalvor
