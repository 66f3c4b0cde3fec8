#pragma once

#include "core/db/Database.h"

#include <QString>

namespace kalvor {

// Creates a new database file with the current schema: the delivered base
// schema, then the schema upgrade. Refuses (db::DbError) to touch a file that
// exists already. The connection is closed afterwards.
void createKalvorDatabase(const db::ConnectParams &params);

// Creates a new database file with the delivered base schema only, as the
// database the system was first delivered with (for tests of the upgrade).
void createBaseDatabase(const db::ConnectParams &params);

// The delivered base schema as a script for db::Script.
QString baseSchemaScript();

} // namespace kalvor
