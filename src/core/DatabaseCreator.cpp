#include "core/DatabaseCreator.h"

#include "core/SchemaUpgrade.h"
#include "core/db/Script.h"
#include "core/db/Transaction.h"

#include <QFile>
#include <QFileInfo>

// The schema resource lives in a static library: register it explicitly so
// that the linker keeps it.
static void initSchemaResource()
{
    Q_INIT_RESOURCE(schema);
}

namespace kalvor {

namespace {

// "host:/path" names a database on a server; anything else is a local file.
bool isLocalFile(const QString &databaseName)
{
    const qsizetype colon = databaseName.indexOf(QLatin1Char(':'));
    const qsizetype slash = databaseName.indexOf(QLatin1Char('/'));
    return colon <= 0 || (slash >= 0 && slash < colon);
}

void refuseExistingFile(const QString &databaseName)
{
    if (isLocalFile(databaseName) && QFileInfo::exists(databaseName))
        throw db::DbError(QStringLiteral("Baza podataka \"%1\" već postoji. Postojeća datoteka se ne prepisuje.")
                              .arg(databaseName));
}

} // namespace

QString baseSchemaScript()
{
    initSchemaResource();
    QFile file(QStringLiteral(":/sql/base.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw db::DbError(QStringLiteral("Shema baze podataka nije dostupna (%1).").arg(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

namespace {

// Creates the database and runs `fill` on it. A file that could not be
// completed is removed again, so that the next attempt starts clean.
template <typename Fill>
void createDatabase(const db::ConnectParams &params, Fill fill)
{
    refuseExistingFile(params.databaseName);
    const QString script = baseSchemaScript();
    db::Database database;
    database.create(params);
    try {
        {
            db::Transaction write(database);
            db::TransactionGuard guard(write);
            db::Script(write).execute(script);
            guard.commit();
            fill(write);
        }
        database.close();
    } catch (...) {
        database.close();
        if (isLocalFile(params.databaseName))
            QFile::remove(params.databaseName);
        throw;
    }
}

} // namespace

void createBaseDatabase(const db::ConnectParams &params)
{
    createDatabase(params, [](db::Transaction &) {});
}

void createKalvorDatabase(const db::ConnectParams &params)
{
    createDatabase(params, [](db::Transaction &write) { UpgradeSchema(write, readUserTables(write)); });
}

} // namespace kalvor
