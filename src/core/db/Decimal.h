#pragma once

#include <QString>
#include <QtGlobal>

namespace kalvor::db::detail {

// Exact decimal conversions for NUMERIC/DECIMAL columns, which Firebird keeps
// as integers scaled by a power of ten.

// The scaled integer of a double at `decimals` places, rounded half away from
// zero on the double's shortest decimal representation (2.675 at 2 places
// gives 268, not 267). Throws DbError when it does not fit in 64 bits.
qint64 scaledFromDouble(double value, int decimals);
// The double nearest to scaled / 10^decimals.
double doubleFromScaled(qint64 scaled, int decimals);

} // namespace kalvor::db::detail
