#include "reference/MultiCountryTexts.h"

#include "core/Amounts.h"

namespace kalvor {

namespace {

const QString kMomentFormat = QStringLiteral("dd.MM.yyyy HH:mm");

QString hoursOnly(qint64 minutes)
{
    return FormatDurationMinutes(minutes, false, true);
}

} // namespace

QString StayDurationText(const Stay &stay)
{
    if (!stay.hasEntry())
        return FormatDuration(stay.duration, true, false) + QStringLiteral(" (N/A)");
    return FormatDuration(stay.duration, false, true) + QStringLiteral(" (")
           + FromDayNumber(stay.entry).toString(kMomentFormat) + QLatin1Char('-')
           + FromDayNumber(stay.exit).toString(kMomentFormat) + QLatin1Char(')');
}

QStringList StayListCells(int position, const Stay &stay)
{
    return {QString::number(position), stay.country, StayDurationText(stay), FormatAmountZero(stay.amount),
            stay.currency};
}

QString ListedHoursText(const QVector<Stay> &stays)
{
    qint64 minutes = 0;
    for (const Stay &stay : stays)
        minutes += DaysToMinutes(stay.duration);
    const double hours = double(minutes) / 60.0;
    return FormatHoursClock(hours) + QStringLiteral(" (") + FormatGeneralNumber(hours) + QLatin1Char(')');
}

QStringList CalculationLineCells(int lineNumber, const CalculationLine &line)
{
    return {QString::number(lineNumber),
            line.country,
            hoursOnly(line.duration),
            hoursOnly(line.carriedIn),
            hoursOnly(line.total),
            hoursOnly(line.counted),
            FormatGeneralNumber(line.count),
            hoursOnly(line.carriedOut),
            FormatAmountZero(line.value()) + QLatin1Char(' ') + line.currency};
}

QStringList CalculationStayCells(int lineNumber, int stayNumber, const Stay &stay)
{
    return {QLatin1Char(' ') + QString::number(lineNumber) + QLatin1Char('.') + QString::number(stayNumber),
            stay.country, FormatDuration(stay.duration, true, false)};
}

MainCurrencyTotals SumMainCurrencies(const StayCalculation &calculation, const QString &currencyWord)
{
    MainCurrencyTotals totals;
    for (const CalculationLine &line : calculation.lines) {
        if (line.currency.compare(currencyWord, Qt::CaseInsensitive) == 0 || line.currency == QLatin1String("Kn"))
            totals.kn += line.value();
        if (line.currency == QLatin1String("EUR"))
            totals.eur += line.value();
        if (line.currency == QLatin1String("USD"))
            totals.usd += line.value();
    }
    return totals;
}

} // namespace kalvor
