#pragma once

#include "core/db/Database.h"

namespace kalvor {

// A new database with a small believable company in it: a few vehicles and
// employees, currencies with their rates, countries with their allowance
// rates, and the travel orders, cash entries and vehicle records of the
// month up to today. Refuses a file that exists (db::DbError); throws
// db::DbError or std::runtime_error when the company cannot be written, and
// leaves no file behind then.
void CreateDemoDatabase(const db::ConnectParams &params);

} // namespace kalvor
