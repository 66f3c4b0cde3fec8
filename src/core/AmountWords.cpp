#include "core/AmountWords.h"

#include "core/Amounts.h"
#include "core/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kalvor {

namespace {

const char16_t *const units[20] = {
    u"", u"jedna", u"dvije", u"tri", u"četiri", u"pet", u"šest", u"sedam", u"osam", u"devet",
    u"deset", u"jedanaest", u"dvanaest", u"trinaest", u"četrnaest", u"petnaest",
    u"šesnaest", u"sedamnaest", u"osamnaest", u"devetnaest"};
const char16_t *const tens[10] = {
    u"", u"", u"dvadeset", u"trideset", u"četrdeset", u"pedeset",
    u"šezdeset", u"sedamdeset", u"osamdeset", u"devedeset"};
const char16_t *const hundreds[10] = {
    u"", u"sto", u"dvjesto", u"tristo", u"četiristo", u"petsto",
    u"šesto", u"sedamsto", u"osamsto", u"devetsto"};

QString word(const char16_t *w)
{
    return QString::fromUtf16(w);
}

// 1 to 99: the units-and-teens word below 20, otherwise tens and units.
QString belowHundred(quint64 r)
{
    if (r < 20)
        return word(units[r]);
    return word(tens[r / 10]) + word(units[r % 10]);
}

// 0 to 999: the hundreds word and the words of the rest.
QString belowThousand(quint64 r)
{
    return word(hundreds[r / 100]) + belowHundred(r % 100);
}

// The whole part of a non-negative double, or nothing when it does not fit
// in 64 bits.
bool wholePart(double value, quint64 &whole, std::string &fraction)
{
    const DecimalDigits d = DecimalDigits::fromDouble(std::fabs(value));
    fraction = d.fraction;
    const auto res = std::from_chars(d.whole.data(), d.whole.data() + d.whole.size(), whole);
    return res.ec == std::errc();
}

} // namespace

QString NumberWords(quint64 n)
{
    if (n == 0)
        return QString();
    if (n < 100)
        return belowHundred(n);
    QString text;
    const quint64 k = n / 1000;
    if (k > 1000) {
        // Millions and beyond: the count of millions in words, "milijuna",
        // and the words of what is left below a million.
        return NumberWords(n / 1000000) + QStringLiteral("milijuna")
             + NumberWords((k % 1000) * 1000 + n % 1000);
    }
    if (k == 1)
        text = QStringLiteral("tisuću");
    else if (k == 1000)
        text = QStringLiteral("milijun");
    else if (k >= 100)
        text = belowThousand(k) + QStringLiteral("tisuće");
    else if (k >= 2)
        text = belowHundred(k) + QStringLiteral("tisuća");
    return text + belowThousand(n % 1000);
}

QString NumberWords(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QString();
    quint64 whole = 0;
    std::string fraction;
    if (!wholePart(ParseAmount(text), whole, fraction))
        return QString();
    return NumberWords(whole);
}

QString AmountInWords(double amount, const QString &currencyWord,
                      const QString &hundredthsWord, const QString &joiningWord)
{
    quint64 whole = 0;
    std::string fraction;
    if (!wholePart(amount, whole, fraction))
        return QString();
    // Cents of the fraction, rounded half away from zero on its decimal
    // digits (0,675 gives 68, 0,999 gives 100).
    DecimalDigits cents;
    cents.fraction = fraction;
    cents.roundToPlaces(2);
    const quint64 hundredths = std::stoull(cents.whole + cents.fraction);

    QString a = NumberWords(whole);
    if (!a.trimmed().isEmpty())
        a += u' ' + currencyWord;
    QString b = NumberWords(hundredths);
    if (!b.trimmed().isEmpty())
        b += u' ' + hundredthsWord;
    if (!a.isEmpty() && !b.isEmpty())
        return a + u' ' + joiningWord + u' ' + b;
    return a.isEmpty() ? b : a;
}

QString AmountInWordsForCurrency(double amount, const QString &currencyWord,
                                 const QString &joiningWord)
{
    return AmountInWords(amount, currencyWord, QString(), joiningWord);
}

} // namespace kalvor
