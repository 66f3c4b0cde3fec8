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
#include "orders/OrderStayText.h"
#include "reference/MultiCountryCalculator.h"
#include "reference/StayText.h"
#include "DemoCompany.h"
#include "SettlementCommand.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <exception>

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

// A message on stderr and the exit code.
int fail(const QString &message, int rc)
{
    err() << message << '\n';
    err().flush();
    return rc;
}

int usage()
{
    err() << "Uporaba:\n"
             "  kalvor                                   pokreće program\n"
             "  kalvor --create-db PUTANJA [--demo] [--user K] [--password L]\n"
             "                                           stvara novu bazu; s --demo u njoj je\n"
             "                                           mala tvrtka s nalozima zadnjeg mjeseca\n"
             "  kalvor --upgrade-db BAZA [--user K] [--password L]\n"
             "                                           dovodi shemu baze na tekuću inačicu\n"
             "  kalvor --stays DATOTEKA [--set KLJUČ=VRIJEDNOST]...\n"
             "                                           obračun dnevnica iz datoteke .kvcalc\n"
             "                                           (više država) kao na nalogu\n"
             "\n"
             "  kalvor --settlement ID [--db BAZA] [--user K] [--password L]\n"
             "                        [--set KLJUČ=VRIJEDNOST]...\n"
             "                                           obračun pohranjenog naloga\n"
             "\n"
             "  --set KLJUČ=VRIJEDNOST mijenja postavku samo za to pokretanje\n"
             "  (ne sprema se); može se ponoviti.\n";
    err().flush();
    return 2;
}

// The settings of the store with the --set pairs of the command line applied
// on top (for this run only). Exit code 2 with a message for a pair that
// does not apply; 0 otherwise.
int loadSettingsWithOverrides(Settings &settings, const QStringList &overrides)
{
    settings.load();
    for (const QString &pair : overrides) {
        QString error;
        if (!settings.applyOverride(pair, &error))
            return fail(error, 2);
    }
    return 0;
}

// kalvor --stays FILE [--set KEY=VALUE]...: evaluates a stay text as a travel
// order does and prints the count, the total duration and the totals per
// currency.
int evaluateStays(const QStringList &args)
{
    QString path;
    QStringList overrides;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == u"--stays" && hasValue && path.isEmpty())
            path = args.at(++i);
        else if (arg == u"--set" && hasValue)
            overrides << args.at(++i);
        else
            return usage();
    }
    if (path.isEmpty())
        return usage();

    Settings &settings = Settings::current();
    if (const int rc = loadSettingsWithOverrides(settings, overrides))
        return rc;

    if (!QFileInfo::exists(path))
        return fail(QStringLiteral("Datoteka ne postoji: ") + path, 1);
    QFile file(path);
    QByteArray bytes;
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Datoteku nije moguće pročitati: ") + path, 1);

    const StayCalculation result = EvaluateOrderStayText(StayTextFromBytes(bytes), settings);
    out() << "Broj dnevnica:\t" << FormatGeneralNumber(result.allowances) << '\n';
    out() << "Ukupno trajanje:\t" << FormatDuration(result.totalDays, true, false) << '\n';
    for (const CurrencyTotal &total : result.totals)
        out() << total.currency << '\t' << FormatGeneralNumber(total.amount) << '\n';
    out().flush();
    return 0;
}

int createDatabase(const QStringList &args)
{
    const QString path = option(args, QStringLiteral("--create-db"), QString());
    if (path.isEmpty() || path.startsWith(QLatin1String("--")))
        return usage();
    try {
        if (args.contains(QStringLiteral("--demo")))
            CreateDemoDatabase(paramsFromArguments(args, path));
        else
            createKalvorDatabase(paramsFromArguments(args, path));
    } catch (const db::DbError &e) {
        err() << "Baza nije stvorena: " << e.message() << '\n';
        return 1;
    } catch (const std::exception &e) {
        err() << "Baza nije stvorena: " << e.what() << '\n';
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
    if (args.contains(QStringLiteral("--settlement"))) {
        QCoreApplication app(argc, argv);
        return settlementCommand(args, out(), err());
    }
    if (args.contains(QStringLiteral("--stays"))) {
        QCoreApplication app(argc, argv);
        return evaluateStays(args);
    }
    if (!args.isEmpty() && args.first().startsWith(QLatin1String("--")))
        return usage();
    return runProgram(argc, argv);
}
