#pragma once

#include "core/db/Transaction.h"

#include <QString>
#include <QStringList>

namespace kalvor::db {

// Script runner: splits a script into statements at the current terminator
// (";" at first; "SET TERM ^ ;" switches it to "^", "SET TERM ; ^" back),
// keeps a CREATE or ALTER PROCEDURE (and a trigger) whole up to its final
// "end", and sends each statement in the given transaction. Quotes and
// comments are respected. The transaction is not committed here.
class Script
{
public:
    explicit Script(Transaction &transaction) : m_tr(transaction) {}

    void execute(const QString &script);
    static QStringList split(const QString &script);

private:
    Transaction &m_tr;
};

// Sends one statement without parameters (DDL among them).
void executeImmediate(Transaction &t, const QString &sql);

} // namespace kalvor::db
