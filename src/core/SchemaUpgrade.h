#pragma once

#include "core/db/Transaction.h"

#include <QStringList>

namespace kalvor {

// The user tables of the database (names without trailing blanks), read in
// the write transaction, which is committed afterwards.
QStringList readUserTables(db::Transaction &write);

// Brings the schema of a database of any earlier generation up to date:
// checks the catalogue step by step and creates whatever is missing, each
// step committed on its own. `tableNames` is the list readUserTables() gave
// right after connecting. On an up-to-date database only the catalogue is
// read. Any failure rolls back the step that failed and throws db::DbError;
// the steps already committed stay, and the next run resumes at the failed
// step.
void UpgradeSchema(db::Transaction &write, const QStringList &tableNames);

} // namespace kalvor
