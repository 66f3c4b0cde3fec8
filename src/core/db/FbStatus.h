#pragma once

// Internal to the database layer: a status wrapper that turns a Firebird
// error into DbError with the database's own message and codes.

#include "core/db/DbError.h"

#include <firebird/Interface.h>

namespace kalvor::db::detail {

class Status
{
public:
    Status();
    ~Status();
    Status(const Status &) = delete;
    Status &operator=(const Status &) = delete;

    Firebird::CheckStatusWrapper *operator&() { return &m_wrapper; }
    // Throws DbError when the last call failed; resets the status.
    void check(const QString &statement = {});
    bool failed() const;
    DbError error(const QString &statement = {}) const;
    void reset() { m_wrapper.init(); }

private:
    Firebird::IStatus *m_status;
    Firebird::CheckStatusWrapper m_wrapper;
};

} // namespace kalvor::db::detail
