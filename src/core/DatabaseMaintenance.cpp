#include "core/DatabaseMaintenance.h"

#include "core/Prompter.h"
#include "core/SchemaUpgrade.h"
#include "core/Settings.h"
#include "core/TDataModule1.h"
#include "core/db/Script.h"
#include "core/db/Transaction.h"

#include <QRegularExpression>

namespace kalvor {

db::ConnectParams DatabaseMaintenance::connectParams(const Connection &connection)
{
    Settings values;
    values.set(QStringLiteral("DB"), connection.database);
    values.set(QStringLiteral("USER"), connection.user);
    values.set(QStringLiteral("USER2"), connection.password);
    values.set(QStringLiteral("Prompt"), connection.prompt ? 1 : 0);
    values.set(QStringLiteral("Local"), connection.local ? 1 : 0);
    values.set(QStringLiteral("Server"), connection.server);
    return connectParamsFromSettings(values);
}

QStringList DatabaseMaintenance::clearAllStatements(const ClearChoice &choice)
{
    QStringList s{
        QStringLiteral("DELETE FROM AKONTACIJA WHERE IDAKONTACIJA<>0"),
        QStringLiteral("DELETE FROM DIONICE WHERE IDDIONICA<>0"),
        QStringLiteral("DELETE FROM ADPROMET"),
    };
    if (!choice.keepVehiclesAndEmployees)
        s << QStringLiteral("DELETE FROM DJELATNICI WHERE IDDJ<>0");
    s << QStringLiteral("DELETE FROM DNEVNICE WHERE IZNOS IS NOT NULL");
    if (!choice.keepCurrenciesAndCountries)
        s << QStringLiteral("DELETE FROM DRZAVE WHERE ID<>0")
          << QStringLiteral("DELETE FROM VALUTE WHERE OZNAKA IS NOT NULL");
    s << QStringLiteral("DELETE FROM NALOGVALUTA WHERE VALUTA IS NOT NULL")
      << QStringLiteral("DELETE FROM NALOZI WHERE IDNALOG<>0")
      << QStringLiteral("DELETE FROM OBRACUN WHERE IDNALOG<>0");
    if (!choice.keepPartners)
        s << QStringLiteral("DELETE FROM PARTNERI WHERE IDPARTNER<>0");
    s << QStringLiteral("DELETE FROM RACUNI WHERE IDRAC<>0");
    if (!choice.keepRates)
        s << QStringLiteral("DELETE FROM TECAJ WHERE DATUM IS NOT NULL");
    s << QStringLiteral("DELETE FROM UTOVARIVACI WHERE IDNALOG<>0")
      << QStringLiteral("DELETE FROM VOZACI WHERE IDNALOG<>0");
    if (!choice.keepVehiclesAndEmployees)
        s << QStringLiteral("DELETE FROM VOZILO WHERE IDVOZ<>0");
    s << QStringLiteral("DELETE FROM BLPROMET WHERE IDBP<>0") << QStringLiteral("DELETE FROM DJEAKT")
      << QStringLiteral("DELETE FROM DJELBIN") << QStringLiteral("DELETE FROM EVOZILO")
      << QStringLiteral("DELETE FROM OMD") << QStringLiteral("DELETE FROM VOZILOBIN")
      << QStringLiteral("DELETE FROM VOZAKT");
    return s;
}

QString DatabaseMaintenance::statementTable(const QString &statement)
{
    static const QRegularExpression from(QStringLiteral("^DELETE FROM (\\w+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return from.match(statement).captured(1).toUpper();
}

void DatabaseMaintenance::connect(db::Database &database, const Connection &connection, Prompter &prompter)
{
    db::ConnectParams params = connectParams(connection);
    if (!params.withLogin) {
        QString user = params.user;
        QString password;
        if (!prompter.login(params.databaseName, user, password))
            throw db::DbError(QStringLiteral("Prijava u bazu je otkazana."));
        params.user = user;
        params.password = password;
        params.withLogin = true;
    }
    database.open(params);
}

QStringList DatabaseMaintenance::testConnection(const Connection &connection, Prompter &prompter)
{
    db::Database database;
    connect(database, connection, prompter);
    db::Transaction read(database);
    return readUserTables(read);
}

bool DatabaseMaintenance::clearAll(const Connection &connection, const ClearChoice &choice, Prompter &prompter)
{
    m_sent.clear();
    m_lastError.clear();
    try {
        db::Database database;
        connect(database, connection, prompter);
        db::Transaction write(database);
        const QStringList tables = readUserTables(write);
        db::TransactionGuard guard(write);
        for (const QString &statement : clearAllStatements(choice)) {
            if (!tables.contains(statementTable(statement)))
                continue;
            m_sent << statement;
            db::executeImmediate(write, statement);
        }
        guard.commit();
        return true;
    } catch (const db::DbError &e) {
        // The guard has rolled back everything this clear-all deleted.
        m_lastError = e.message();
        return false;
    }
}

db::ServiceLogin DatabaseMaintenance::serviceLogin(const Connection &connection)
{
    return {connection.local ? QString() : connection.server, connection.user, connection.password};
}

QStringList DatabaseMaintenance::serverDatabases(const db::ServiceLogin &login)
{
    db::ServiceManager service(login);
    return service.attachedDatabases();
}

QStringList DatabaseMaintenance::serverUsers(const db::ServiceLogin &login)
{
    db::ServiceManager service(login);
    return service.userNames();
}

} // namespace kalvor
