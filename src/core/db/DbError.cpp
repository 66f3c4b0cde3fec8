#include "core/db/DbError.h"

#include <ibase.h>

namespace kalvor::db {

DbError::DbError(const QString &message, QVector<long> codes, int sqlCode, QString statement)
    : std::runtime_error(message.toStdString())
    , m_message(message)
    , m_codes(std::move(codes))
    , m_sqlCode(sqlCode)
    , m_statement(std::move(statement))
{
}

bool DbError::isLockConflict() const
{
    return hasCode(isc_lock_conflict) || hasCode(isc_update_conflict) || hasCode(isc_deadlock);
}

bool DbError::isUniqueViolation() const
{
    return hasCode(isc_unique_key_violation) || hasCode(isc_no_dup);
}

} // namespace kalvor::db
