#include "core/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kalvor {

DecimalDigits DecimalDigits::fromDouble(double value)
{
    DecimalDigits d;
    if (!std::isfinite(value) || value == 0.0)
        return d;
    d.negative = value < 0;
    // The longest fixed text of a double (the smallest subnormal) has about
    // 330 characters.
    char buf[512];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
    const std::string text(buf, res.ptr);
    const auto point = text.find('.');
    d.whole = text.substr(0, point);
    if (point != std::string::npos)
        d.fraction = text.substr(point + 1);
    return d;
}

void DecimalDigits::roundToPlaces(int places)
{
    roundAt(whole.size() + std::size_t(std::max(places, 0)));
    fraction.resize(std::size_t(std::max(places, 0)), '0');
}

void DecimalDigits::roundToPlaces(int places, int significant)
{
    const std::string all = whole + fraction;
    const auto first = all.find_first_not_of('0');
    if (first != std::string::npos)
        roundAt(std::min(whole.size() + std::size_t(std::max(places, 0)),
                         first + std::size_t(std::max(significant, 1))));
    fraction.resize(std::size_t(std::max(places, 0)), '0');
}

// Keeps the first `keep` digits of whole and fraction together, rounding half
// away from zero on the first digit dropped; dropped whole digits become 0.
void DecimalDigits::roundAt(std::size_t keep)
{
    std::string all = whole + fraction;
    std::size_t wholeSize = whole.size();
    if (keep >= all.size())
        return;
    const bool up = all[keep] >= '5';
    std::fill(all.begin() + long(keep), all.end(), '0');
    if (up) {
        std::size_t i = keep;
        while (i > 0 && all[i - 1] == '9')
            all[--i] = '0';
        if (i == 0) {
            all.insert(all.begin(), '1');
            ++wholeSize;
        } else {
            ++all[i - 1];
        }
    }
    whole = all.substr(0, wholeSize);
    fraction = all.substr(wholeSize);
    const auto nonZero = whole.find_first_not_of('0');
    whole = nonZero == std::string::npos ? std::string("0") : whole.substr(nonZero);
    const auto last = fraction.find_last_not_of('0');
    fraction.resize(last == std::string::npos ? 0 : last + 1);
}

bool DecimalDigits::isZero() const
{
    return whole.find_first_not_of('0') == std::string::npos
        && fraction.find_first_not_of('0') == std::string::npos;
}

std::string DecimalDigits::groupedWhole(char separator) const
{
    std::string out;
    const std::size_t n = whole.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += whole[i];
    }
    return out;
}

} // namespace kalvor
