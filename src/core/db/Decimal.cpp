#include "core/db/Decimal.h"

#include "core/db/DbError.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kalvor::db::detail {

qint64 scaledFromDouble(double value, int decimals)
{
    if (!std::isfinite(value))
        throw DbError(QStringLiteral("Vrijednost nije broj."));
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string text(buf, res.ptr);
    // text: [-]d[.ddd]e[+-]xx
    bool negative = false;
    size_t pos = 0;
    if (text[0] == '-') {
        negative = true;
        pos = 1;
    }
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = pos; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::stoi(text.substr(e + 1));
    // value = 0.d1d2d3... * 10^(exponent+1); we want the digits up to place
    // 10^-decimals.
    const int keep = exponent + 1 + decimals; // digits that stay before rounding
    if (keep > 19)
        throw DbError(QStringLiteral("Broj %1 je prevelik za polje baze.").arg(value));
    if (keep < 0)
        return 0;
    unsigned long long scaled = 0;
    for (int i = 0; i < keep; ++i) {
        const int d = i < int(digits.size()) ? digits[size_t(i)] - '0' : 0;
        scaled = scaled * 10 + unsigned(d);
    }
    if (keep < int(digits.size()) && digits[size_t(keep)] >= '5')
        ++scaled;
    if (scaled > static_cast<unsigned long long>(std::numeric_limits<qint64>::max()))
        throw DbError(QStringLiteral("Broj %1 je prevelik za polje baze.").arg(value));
    return negative ? -qint64(scaled) : qint64(scaled);
}

double doubleFromScaled(qint64 scaled, int decimals)
{
    if (decimals <= 0)
        return double(scaled) * std::pow(10.0, -decimals);
    // Parse the exact decimal text: the nearest double, with no error from
    // a division by a power of ten.
    std::string text = std::to_string(scaled) + "e-" + std::to_string(decimals);
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

} // namespace kalvor::db::detail
