#pragma once

#include "core/db/Database.h"
#include "core/db/Query.h"
#include "core/db/Script.h"
#include "core/db/Transaction.h"

#include <QStringList>

namespace kalvor {

class Settings;
class Prompter;

// The data module: the program's one connection and what is bound to it.
// `IBTransaction1` is the write transaction (every single statement: insert,
// update, delete, sum, count, generator read), `Read` the read transaction
// of every list, `IBS` the script runner on the write transaction.
class TDataModule1
{
public:
    TDataModule1();
    ~TDataModule1();

    static TDataModule1 &instance();

    db::Database DB;
    db::Transaction IBTransaction1;
    db::Transaction Read;
    db::Script IBS;

    // Closes and reopens the connection with the current settings, loads the
    // user tables and brings the schema up to date. On failure shows the
    // configuration failure message (once) and returns false; the program
    // stays usable without a database.
    bool OpenDatabase(const Settings &settings, Prompter &prompter);

    // User tables read right after the last successful connect.
    const QStringList &tableNames() const { return m_tables; }
    // The database's own text of the last OpenDatabase failure.
    const QString &lastError() const { return m_lastError; }

    // Runs one statement in the write transaction as a unit of its own:
    // starts the transaction when it is not active, commits when it started
    // it, rolls back and rethrows on failure.
    int execute(const QString &sql, const QVariantMap &params = {});
    QVariant scalar(const QString &sql, const QVariantMap &params = {});

private:
    QStringList m_tables;
    QString m_lastError;
};

// Builds the database name and the connection parameters from the settings:
// local mode the path alone, server mode "server:path"; user and password
// unless the prompt mode is on.
db::ConnectParams connectParamsFromSettings(const Settings &settings);

// "Greška - baza nije dobro konfigurirana!" and, on a new line,
// "Rad nije moguć. Kontaktirajte autora!"
QString databaseFailureMessage();

} // namespace kalvor
