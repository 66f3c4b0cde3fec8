#include "SettlementCommand.h"

#include "core/Settings.h"
#include "core/TDataModule1.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Transaction.h"
#include "orders/OrderOpening.h"
#include "orders/TravelOrderStore.h"

using namespace kalvor;

namespace {

int usageError(QTextStream &err)
{
    err << "Uporaba: kalvor --settlement ID [--db BAZA] [--user K] [--password L] [--set KLJUČ=VRIJEDNOST]...\n";
    err.flush();
    return 2;
}

} // namespace

int settlementCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString idText;
    QString database;
    QString user;
    QString password;
    QStringList overrides;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (i + 1 >= args.size())
            return usageError(err);
        const QString value = args.at(++i);
        if (arg == u"--settlement" && idText.isEmpty())
            idText = value;
        else if (arg == u"--db")
            database = value;
        else if (arg == u"--user")
            user = value;
        else if (arg == u"--password")
            password = value;
        else if (arg == u"--set")
            overrides << value;
        else
            return usageError(err);
    }
    bool idOk = false;
    const int id = idText.toInt(&idOk);
    if (!idOk)
        return usageError(err);

    Settings &settings = Settings::current();
    settings.load();
    for (const QString &pair : overrides) {
        QString error;
        if (!settings.applyOverride(pair, &error)) {
            err << error << '\n';
            err.flush();
            return 2;
        }
    }

    db::ConnectParams params = connectParamsFromSettings(settings);
    if (!database.isEmpty()) {
        params.databaseName = database;
        params.user = QStringLiteral("SYSDBA");
        params.password = QStringLiteral("korimatno");
    }
    if (!user.isEmpty())
        params.user = user;
    if (!password.isEmpty())
        params.password = password;
    params.withLogin = true;
    if (params.databaseName.trimmed().isEmpty()) {
        err << "Baza nije zadana: navedite --db ili postavku DB.\n";
        err.flush();
        return 1;
    }

    db::Database db;
    db::Transaction write(db);
    db::Transaction read(db);
    try {
        db.open(params);
        TravelOrderStore store(write, settings);
        TravelOrder order;
        if (!store.load(id, order, LoadEmployeeLists(read, false)).found) {
            err << "Nalog ne postoji: " << id << '\n';
            err.flush();
            return 1;
        }
        const SettlementResult result = SettleOnOpening(order, write, settings);
        for (const QString &line : SettlementReportLines(order, result))
            out << line << '\n';
        out.flush();
        db.close();
    } catch (const db::DbError &e) {
        err << databaseFailureMessage() << '\n' << e.message() << '\n';
        err.flush();
        return 1;
    }
    return 0;
}
