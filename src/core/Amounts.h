#pragma once

#include <QString>

namespace kalvor {

// Amount texts as every screen reads and shows them: "," is the decimal
// separator and "." the thousands separator.

// The number in an amount text. Either "." or "," may be the decimal
// separator: when both occur, the one that comes first is a thousands
// separator and its first occurrence is dropped. A text without any digit, or
// one that still does not read as a number (such as "1.2.3"), gives 0.
double ParseAmount(const QString &text);

// Two decimals with thousands separators ("1.234,50"); an amount that is zero
// at two decimals gives an empty text. Rounding is half away from zero on the
// decimal value of the number, so 2,675 shows 2,68 and -2,675 shows -2,68.
QString FormatAmount(const QString &text);
QString FormatAmount(double amount);

// Two decimals without thousands separators ("1234,50"); zero gives "0,00".
QString FormatAmountZero(const QString &text);
QString FormatAmountZero(double amount);

// An exchange rate: seven decimals (at most fifteen significant digits) with
// thousands separators; zero gives an empty text.
QString FormatRate(const QString &text);
QString FormatRate(double rate);

} // namespace kalvor
