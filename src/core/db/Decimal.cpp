#include "core/db/Decimal.h"

#include "core/DecimalDigits.h"
#include "core/db/DbError.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kalvor::db::detail {

qint64 scaledFromDouble(double value, int decimals)
{
    if (!std::isfinite(value))
        throw DbError(QStringLiteral("Vrijednost nije broj."));
    DecimalDigits digits = DecimalDigits::fromDouble(value);
    digits.roundToPlaces(decimals);
    const std::string text = digits.whole + digits.fraction;
    qint64 scaled = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), scaled);
    if (res.ec != std::errc())
        throw DbError(QStringLiteral("Broj %1 je prevelik za polje baze.").arg(value));
    return digits.negative ? -scaled : scaled;
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
