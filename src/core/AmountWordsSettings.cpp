#include "core/AmountWords.h"

#include "core/Settings.h"

// The amount-in-words routines that take their words from the current
// settings. Kept apart from the word rules so that code using only the
// explicit words does not need the settings.

namespace kalvor {

QString AmountInWords(double amount)
{
    const Settings &s = Settings::current();
    return AmountInWords(amount, s.text(QStringLiteral("SlovaValuta")),
                         s.text(QStringLiteral("SlovaStoti")),
                         s.text(QStringLiteral("SlovaVeznik")));
}

QString AmountInWordsForCurrency(double amount, const QString &currencyWord)
{
    return AmountInWordsForCurrency(amount, currencyWord,
                                    Settings::current().text(QStringLiteral("SlovaVeznik")));
}

} // namespace kalvor
