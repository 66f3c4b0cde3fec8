#pragma once

#include "core/db/Database.h"

namespace kalvor::companygen {

// Switches the forced writes of a local database file through the service
// manager of the embedded engine (as "gfix -write sync|async" does). Filling
// a new file with forced writes off spares a flush at every commit; the file
// is switched back before it is handed on, so that it behaves as every
// database of the program does. Needs the owner's or SYSDBA's login; throws
// db::DbError with the engine's message.
void SetForcedWrites(const db::ConnectParams &params, bool on);

} // namespace kalvor::companygen
