#pragma once

#include <QString>
#include <QtGlobal>

namespace kalvor {

// Amounts written out in Croatian words for cash vouchers and the cash
// journal, as in "tisućudvjestotridesetčetiri kuna i pedesetšest lipa". The
// number words of one number are written together without blanks.

// The words of the whole part of the number in `text` (read as ParseAmount
// reads it, sign ignored); empty for an empty text or zero. Whole parts are
// counted on 64 bits; one beyond 18 446 744 073 709 551 615 gives an empty
// text.
QString NumberWords(const QString &text);
QString NumberWords(quint64 number);

// The whole units in words with `currencyWord`, the joining word, and the
// hundredths in words with `hundredthsWord`; the sign is ignored. Either part
// is left out (with the joining word) when it is zero; zero gives an empty
// text. The hundredths are the fraction rounded to cents half away from zero
// on its decimal value, as the amount itself shows, without carrying into the
// units: 0,999 gives "sto lipa".
QString AmountInWords(double amount, const QString &currencyWord,
                      const QString &hundredthsWord, const QString &joiningWord);
// The same with the words settings `SlovaValuta`, `SlovaStoti` and
// `SlovaVeznik` as they stand at the moment of the call.
QString AmountInWords(double amount);

// For a voucher in another currency: the given currency word and no word for
// the hundredths ("dvanaest EUR i pedeset " for 12,50, the last blank
// included).
QString AmountInWordsForCurrency(double amount, const QString &currencyWord,
                                 const QString &joiningWord);
// The same with the joining word `SlovaVeznik` of the current settings.
QString AmountInWordsForCurrency(double amount, const QString &currencyWord);

} // namespace kalvor
