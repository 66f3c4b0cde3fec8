// Kalvor: start-up of the program and its command-line modes.

#include "core/DatabaseCreator.h"
#include "core/Formats.h"
#include "core/Prompter.h"
#include "core/SchemaUpgrade.h"
#include "core/Settings.h"
#include "core/StartUp.h"
#include "core/TDataModule1.h"
#include "core/Version.h"
#include "core/ui/TSplash.h"
#include "main/ui/TMainForm.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>
#include <QTimer>

using namespace kalvor;

namespace {

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

// The value following an option, or the fallback.
QString option(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : fallback;
}

db::ConnectParams paramsFromArguments(const QStringList &args, const QString &database)
{
    db::ConnectParams p;
    p.databaseName = database;
    p.user = option(args, QStringLiteral("--user"), QStringLiteral("SYSDBA"));
    p.password = option(args, QStringLiteral("--password"), QStringLiteral("korimatno"));
    return p;
}

int usage()
{
    err() << "Uporaba:\n"
             "  kalvor                                   pokreće program\n"
             "  kalvor --create-db PUTANJA [--user K] [--password L]\n"
             "                                           stvara novu bazu\n"
             "  kalvor --upgrade-db BAZA [--user K] [--password L]\n"
             "                                           dovodi shemu baze na tekuću inačicu\n";
    err().flush();
    return 2;
}

int createDatabase(const QStringList &args)
{
    const QString path = option(args, QStringLiteral("--create-db"), QString());
    if (path.isEmpty() || path.startsWith(QLatin1String("--")))
        return usage();
    try {
        createKalvorDatabase(paramsFromArguments(args, path));
    } catch (const db::DbError &e) {
        err() << "Baza nije stvorena: " << e.message() << '\n';
        return 1;
    }
    out() << "Baza je stvorena: " << path << '\n';
    return 0;
}

int upgradeDatabase(const QStringList &args)
{
    const QString database = option(args, QStringLiteral("--upgrade-db"), QString());
    if (database.isEmpty() || database.startsWith(QLatin1String("--")))
        return usage();
    db::Database db;
    db::Transaction write(db);
    try {
        db.open(paramsFromArguments(args, database));
        UpgradeSchema(write, readUserTables(write));
        db.close();
    } catch (const db::DbError &e) {
        err() << databaseFailureMessage() << '\n' << e.message() << '\n';
        return 1;
    }
    out() << "Shema baze je ažurna: " << database << '\n';
    return 0;
}

int runProgram(int argc, char **argv)
{
    applyNumberAndDateConventions();
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProductName);
    QApplication::setApplicationDisplayName(kProductName);

    TSplash *splash = new TSplash;
    splash->showCentered();
    QElapsedTimer shown;
    shown.start();

    TDataModule1 &data = TDataModule1::instance();
    Settings &settings = Settings::current();
    prepareSettingsAndDefaultDatabase(settings, DefaultDatabasePlaces::current(), Prompter::current());
    TMainForm mainForm(data, settings);
    const auto quit = [&mainForm] {
        mainForm.close();
        QApplication::quit();
    };

    while (shown.elapsed() < 500) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    splash->hide();
    delete splash;

    mainForm.show();
    // After the first connect: the database engine has set its own handlers.
    QTimer::singleShot(0, &mainForm, [quit] { quitOnTerminationSignals(quit); });
    const int rc = QApplication::exec();
    data.DB.close();
    return rc;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.contains(QStringLiteral("--create-db")) || args.contains(QStringLiteral("--upgrade-db"))) {
        QCoreApplication app(argc, argv);
        return args.contains(QStringLiteral("--create-db")) ? createDatabase(args) : upgradeDatabase(args);
    }
    if (!args.isEmpty() && args.first().startsWith(QLatin1String("--")))
        return usage();
    return runProgram(argc, argv);
}
