#pragma once

#include "core/db/Database.h"

#include <QString>
#include <QStringList>

namespace kalvor::test {

// The user schema of a database as read from its RDB$ tables, one text per
// object, for comparing two databases and for checking column definitions.
struct SchemaCatalogue
{
    QStringList tables;      // names
    QStringList columns;     // "TABLE: COL TYPE[ DEFAULT x][ NOT NULL]", in column order
    QStringList indexes;     // "NAME ON TABLE (COLS)[ UNIQUE]"; system names of keys as "PK"
    QStringList generators;  // names
    QStringList triggers;    // "NAME ON TABLE type sequence active"
    QStringList procedures;  // "NAME (inputs) RETURNS (outputs)"

    static SchemaCatalogue read(db::Database &database);

    // "COL TYPE, COL TYPE, ..." of one table, types as in a CREATE TABLE.
    QString columnsOf(const QString &table) const;
    QStringList columnNames(const QString &table) const;
};

} // namespace kalvor::test
