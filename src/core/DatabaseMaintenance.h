#pragma once

#include "core/db/Database.h"
#include "core/db/Services.h"

#include <QString>
#include <QStringList>

namespace kalvor {

class Prompter;

// The database work of the settings screen, each on a connection of its own
// (never the program's connection): the connection test of "Provjeri", the
// clear-all of "Obriši podatke u bazi" and the server listing of "Dohvat".
class DatabaseMaintenance
{
public:
    // The connection values as the fields of "Pristup bazi" hold them.
    struct Connection
    {
        QString database;
        QString user;
        QString password;
        bool prompt = false;
        bool local = true;
        QString server;
    };

    // The four boxes of the clear-all; each ticked box keeps its data.
    struct ClearChoice
    {
        bool keepCurrenciesAndCountries = true; // "osim valuta i država"
        bool keepVehiclesAndEmployees = true;   // "ne briši vozila i djelatnike"
        bool keepPartners = true;               // "ne briši partnere"
        bool keepRates = true;                  // "ne briši tečaj"
    };

    // Name and parameters built as the program's own connection builds them:
    // "server:path" in server mode, the path alone in local mode; user and
    // password unless the prompt mode is on.
    static db::ConnectParams connectParams(const Connection &connection);

    // The statements of the clear-all for the chosen boxes, in the order they
    // run. Allowance rates go even when countries stay; opening balances,
    // vehicle periodic records, equipment and lubricants are never touched.
    static QStringList clearAllStatements(const ClearChoice &choice);
    // The table a clear-all statement deletes from.
    static QString statementTable(const QString &statement);

    // Opens `database` with the connection values; in the prompt mode the
    // login dialog gives the user name and password (cancelling it is a
    // failure). Throws db::DbError.
    static void connect(db::Database &database, const Connection &connection, Prompter &prompter);

    // Connects, reads the user tables and closes again. Throws db::DbError.
    QStringList testConnection(const Connection &connection, Prompter &prompter);

    // Deletes the data in one transaction: every statement of
    // clearAllStatements(), in order, for the tables the database has (a
    // table missing from an older database has nothing to delete). Either
    // all of it is committed or, when a statement fails, all of it is rolled
    // back and false is returned with the database's text in lastError().
    bool clearAll(const Connection &connection, const ClearChoice &choice, Prompter &prompter);
    // The statements the last clearAll() sent, in order.
    const QStringList &sentStatements() const { return m_sent; }
    const QString &lastError() const { return m_lastError; }

    // The databases in use and the users of the database server: locally
    // in local mode, over TCP with the server name otherwise. Each throws
    // db::DbError on its own.
    static db::ServiceLogin serviceLogin(const Connection &connection);
    QStringList serverDatabases(const db::ServiceLogin &login);
    QStringList serverUsers(const db::ServiceLogin &login);

private:
    QStringList m_sent;
    QString m_lastError;
};

} // namespace kalvor
