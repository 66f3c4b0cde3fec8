#include "orders/SummaryLines.h"

#include "core/Amounts.h"
#include "core/Settings.h"

namespace kalvor {

QString SummaryAmount(double amount)
{
    const QString text = FormatAmount(amount);
    return text.isEmpty() ? FormatAmountZero(0.0) : text;
}

QString AmountWithCode(double amount, const QString &code)
{
    return SummaryAmount(amount) + QLatin1Char(' ') + code;
}

QString SummaryAccountingCurrency(const Settings &settings, const TravelOrder &order)
{
    const QString code = settings.text(QStringLiteral("DefValuta"));
    return code.isEmpty() ? order.baseCurrency : code;
}

QVector<SummaryLine> CurrencyLines(const CurrencySums &sums)
{
    QVector<SummaryLine> lines;
    for (const CurrencySum &s : sums)
        lines.append({s.currency, SummaryAmount(s.amount)});
    return lines;
}

} // namespace kalvor
