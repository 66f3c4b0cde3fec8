#pragma once

#include "reference/MultiCountryCalculator.h"
#include "reference/StayText.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kalvor {

// The texts of the multi-country calculator screen: its stay list, its result
// list and the figures under them.

// The stay list's duration: with an entry the hours, then " (" entry "-" exit
// ")" as "dd.MM.yyyy HH:mm"; a length of stay with days, then " (N/A)".
QString StayDurationText(const Stay &stay);
// A row of the stay list: "##" (from 1), country, duration, rate, currency.
QStringList StayListCells(int position, const Stay &stay);

// "Sati prema popisu:": the sum of the stays' durations as "hh:mm", then
// " (" the hours in the general number format ")".
QString ListedHoursText(const QVector<Stay> &stays);

// A calculation line of the result list: "##" (from 1), country, duration,
// carried in, total, counted, count, carried out and "count x rate currency".
QStringList CalculationLineCells(int lineNumber, const CalculationLine &line);
// A stay of a line: " line.stay", country and the stay's duration with days.
QStringList CalculationStayCells(int lineNumber, int stayNumber, const Stay &stay);

// The totals shown under the result list. The kn total collects the lines
// whose currency is the currency word of the settings (`SlovaValuta`, letter
// case ignored) or "Kn"; EUR and USD those whose currency is exactly that.
struct MainCurrencyTotals
{
    double kn = 0;
    double eur = 0;
    double usd = 0;
};
MainCurrencyTotals SumMainCurrencies(const StayCalculation &calculation, const QString &currencyWord);

} // namespace kalvor
