// kalvor_generate --size S|M|L --seed N --out PATH: a synthetic company in a
// new database file, the same for the same size and seed.
// kalvor_generate --write-settings DATABASE: the company's settings, naming
// the database, into the settings store of KALVOR_CONFIG_DIR (which must be
// set: a user's own settings are never touched).

#include "companygen/CompanyGenerator.h"
#include "core/Settings.h"
#include "core/db/DbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>
#include <exception>

using namespace kalvor;
using namespace kalvor::companygen;

namespace {

QString option(const QStringList &args, const QString &name)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
}

int usage(QTextStream &err)
{
    err << "Uporaba: kalvor_generate --size S|M|L [--seed N] --out PUTANJA [--user K] [--password L]\n"
           "        kalvor_generate --write-settings BAZA   (u KALVOR_CONFIG_DIR)\n";
    return 2;
}

int writeSettings(const QString &database, QTextStream &out, QTextStream &err)
{
    if (database.isEmpty())
        return usage(err);
    if (qEnvironmentVariable("KALVOR_CONFIG_DIR").isEmpty()) {
        err << "KALVOR_CONFIG_DIR nije postavljen: postavke se ne zapisuju.\n";
        return 2;
    }
    QDir().mkpath(configFolder());
    Settings settings = CompanyGenerator::companySettings();
    settings.set(QStringLiteral("DB"), QFileInfo(database).absoluteFilePath());
    // The company and its currencies; labels stay automatic, and the
    // company's numbering (running number per year of the accounting date)
    // goes on where the generated orders end.
    const QStringList keys{QStringLiteral("DB"),       QStringLiteral("DefValuta"), QStringLiteral("AltValuta"),
                           QStringLiteral("MjObracun"), QStringLiteral("Tvrtka"),    QStringLiteral("TAdresa"),
                           QStringLiteral("TSjediste"), QStringLiteral("Naslov")};
    if (!settings.write(keys)) {
        err << "Postavke nisu zapisane: " << machineSettingsFile() << '\n';
        return 1;
    }
    out << "Postavke su zapisane: " << machineSettingsFile() << '\n';
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.contains(QStringLiteral("--write-settings")))
        return writeSettings(option(args, QStringLiteral("--write-settings")), out, err);

    CompanyProfile::Size size = CompanyProfile::Size::S;
    if (!CompanyProfile::parseSize(option(args, QStringLiteral("--size")), &size))
        return usage(err);
    const QString path = option(args, QStringLiteral("--out"));
    if (path.isEmpty())
        return usage(err);
    bool ok = true;
    const QString seedText = option(args, QStringLiteral("--seed"));
    const uint seed = seedText.isEmpty() ? 1u : seedText.toUInt(&ok);
    if (!ok)
        return usage(err);

    db::ConnectParams params;
    params.databaseName = QFileInfo(path).absoluteFilePath();
    params.user = option(args, QStringLiteral("--user"));
    params.password = option(args, QStringLiteral("--password"));
    if (params.user.isEmpty())
        params.user = QStringLiteral("SYSDBA");
    if (params.password.isEmpty())
        params.password = QStringLiteral("korimatno");
    QDir().mkpath(QFileInfo(params.databaseName).absolutePath());

    CompanyGenerator generator(CompanyProfile::of(size), seed);
    QElapsedTimer clock;
    clock.start();
    generator.setProgress([&out, &clock](const QString &line) {
        out << "  [" << QString::number(double(clock.elapsed()) / 1000.0, 'f', 1) << " s] " << line << '\n';
        out.flush();
    });
    try {
        const GenerationReport report = generator.generate(params);
        out << "Tvrtka " << CompanyProfile::sizeName(size) << " (sjeme " << seed << "): " << params.databaseName << '\n';
        for (const QString &line : report.lines())
            out << "  " << line << '\n';
    } catch (const db::DbError &e) {
        err << "Baza nije stvorena: " << e.message() << '\n';
        return 1;
    } catch (const std::exception &e) {
        err << "Baza nije stvorena: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
