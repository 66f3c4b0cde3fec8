#pragma once

#include <QDate>

namespace kalvor::order_columns {

// The tachograph columns of `NALOZI` in the order TravelOrder keeps them:
// tractor loaded, empty, tonne-km, trailer loaded, empty, tonne-km.
inline constexpr const char *kTachoKm[6] = {"TAHOVTERET", "TAHOVBEZ", "TAHOVTKM",
                                            "TAHOPTERET", "TAHOPBEZ", "TAHOPTKM"};
// Driving, waiting, loading, breakdowns, rests, stops.
inline constexpr const char *kTachoTimes[6] = {"TAHOVOZNJA", "TAHOCEKANJE", "TAHOUTOVAR",
                                               "TAHOKVAROVI", "TAHOODMORI", "TAHOZASTOJI"};

// A tachograph duration is stored as a timestamp counted from this day.
inline const QDate kDurationDayZero{1899, 12, 30};

} // namespace kalvor::order_columns
