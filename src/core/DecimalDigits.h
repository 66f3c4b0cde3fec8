#pragma once

#include <string>

namespace kalvor {

// A double as the shortest decimal text that reads back as the same double,
// held as sign, whole digits and fraction digits. Amounts are rounded on this
// decimal value, so 2,675 rounds to 2,68 although the nearest double lies a
// little below 2,675.
struct DecimalDigits
{
    bool negative = false;
    std::string whole = "0"; // no leading zeros, "0" for values below one
    std::string fraction;    // digits after the decimal point

    // NaN and infinities give zero.
    static DecimalDigits fromDouble(double value);

    // Rounds half away from zero so that at most `places` fraction digits
    // remain, then pads the fraction with zeros to exactly `places` digits.
    void roundToPlaces(int places);
    // The same, but also keeps no more than `significant` significant digits.
    void roundToPlaces(int places, int significant);

    bool isZero() const;
    // The whole digits with `separator` between groups of three.
    std::string groupedWhole(char separator) const;

private:
    void roundAt(std::size_t keep);
};

} // namespace kalvor
