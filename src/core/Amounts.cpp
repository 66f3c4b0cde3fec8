#include "core/Amounts.h"

#include "core/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kalvor {

namespace {

// Reads "[+|-]digits[.digits][e[+|-]digits]" with "." as the decimal point;
// anything else, or a value out of range, gives 0.
double readNumber(std::string text)
{
    if (!text.empty() && text.front() == '+') {
        text.erase(0, 1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-'))
            return 0;
    }
    double value = 0;
    const char *end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value))
        return 0;
    return value;
}

QString format(double value, int places, int significant, char grouping, const QString &zero)
{
    DecimalDigits d = DecimalDigits::fromDouble(value);
    if (significant > 0)
        d.roundToPlaces(places, significant);
    else
        d.roundToPlaces(places);
    if (d.isZero())
        return zero; // also what -0,001 rounds to: no "-0,00"
    std::string text = d.negative ? "-" : "";
    text += grouping ? d.groupedWhole(grouping) : d.whole;
    text += ',';
    text += d.fraction;
    return QString::fromStdString(text);
}

} // namespace

double ParseAmount(const QString &text)
{
    bool hasDigit = false;
    for (const QChar c : text)
        hasDigit = hasDigit || (c >= u'0' && c <= u'9');
    if (!hasDigit)
        return 0;

    QString t = text.trimmed();
    const qsizetype dot = t.indexOf(u'.');
    const qsizetype comma = t.indexOf(u',');
    QChar decimal = u',';
    if (dot >= 0 && comma >= 0) {
        // Every thousands separator in front of the decimal one goes, so that
        // an amount of a million or more that FormatAmount wrote reads back
        // as itself ("1.234.567,89").
        const QChar thousands = dot < comma ? u'.' : u',';
        decimal = dot < comma ? u',' : u'.';
        const qsizetype decimalAt = t.indexOf(decimal);
        QString kept;
        for (qsizetype i = 0; i < t.size(); ++i)
            if (!(t.at(i) == thousands && i < decimalAt))
                kept += t.at(i);
        t = kept;
    } else if (dot >= 0) {
        decimal = u'.';
    }
    if (decimal == u',')
        t.replace(u',', u'.');
    else if (t.contains(u','))
        return 0;
    return readNumber(t.toStdString());
}

QString FormatAmount(const QString &text)
{
    return FormatAmount(ParseAmount(text));
}

QString FormatAmount(double amount)
{
    return format(amount, 2, 0, '.', QString());
}

QString FormatAmountZero(const QString &text)
{
    return FormatAmountZero(ParseAmount(text));
}

QString FormatAmountZero(double amount)
{
    return format(amount, 2, 0, 0, QStringLiteral("0,00"));
}

QString FormatRate(const QString &text)
{
    return FormatRate(ParseAmount(text));
}

QString FormatRate(double rate)
{
    return format(rate, 7, 15, '.', QString());
}

} // namespace kalvor
