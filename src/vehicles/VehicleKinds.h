#pragma once

#include <QString>
#include <QStringList>

namespace kalvor {

// Kind codes of a vehicle (`VOZILO.VRSTA`): 0 lorry or tractor unit,
// 1 trailer, 2 car, 3 bus. The list filter adds 4 ("Ostao", a code the
// dialog cannot produce) and 5 ("Sva vozila", every kind; never stored).
namespace VehicleKind {
inline constexpr int Lorry = 0;
inline constexpr int Trailer = 1;
inline constexpr int Car = 2;
inline constexpr int Bus = 3;
inline constexpr int Other = 4;
inline constexpr int AllKinds = 5;
} // namespace VehicleKind

// Items of the dialog's "Vrsta:" drop-down, position = code.
const QStringList &vehicleKindItems();
// Items of the list's kind filter, position = code (0 to 5).
const QStringList &vehicleFilterItems();
// The filter item text of a stored code ("Kamioni" for 0); empty for a code
// outside 0 to 4.
QString vehicleKindFilterText(int code);

} // namespace kalvor
