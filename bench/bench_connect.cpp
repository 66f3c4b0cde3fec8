// Connect plus the schema check on an up-to-date database, and the full
// upgrade of a database that holds only the delivered tables, on the
// embedded engine. Prints one markdown table: median and spread (min-max)
// in milliseconds, with the number of statements sent.

#include "core/DatabaseCreator.h"
#include "core/SchemaUpgrade.h"
#include "core/db/Database.h"
#include "core/db/Transaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

using namespace kalvor;

namespace {

struct Sample
{
    std::vector<double> ms;
    int statements = 0;

    QString row(const QString &what) const
    {
        std::vector<double> s = ms;
        std::sort(s.begin(), s.end());
        const double median = s[s.size() / 2];
        return QStringLiteral("| %1 | %2 | %3 | %4 - %5 | %6 |")
            .arg(what)
            .arg(s.size())
            .arg(median, 0, 'f', 2)
            .arg(s.front(), 0, 'f', 2)
            .arg(s.back(), 0, 'f', 2)
            .arg(statements);
    }
};

db::ConnectParams params(const QString &path)
{
    db::ConnectParams p;
    p.databaseName = path;
    p.user = QStringLiteral("SYSDBA");
    p.password = QStringLiteral("korimatno");
    return p;
}

double elapsedMs(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    QTemporaryDir dir;
    QTextStream out(stdout);

    const QString full = dir.filePath(QStringLiteral("full.fdb"));
    const QString base = dir.filePath(QStringLiteral("base.fdb"));
    try {
        createKalvorDatabase(params(full));
        createBaseDatabase(params(base));
    } catch (const db::DbError &e) {
        out << "cannot create the databases: " << e.message() << '\n';
        return 1;
    }

    Sample connect, check, upgrade;
    for (int i = 0; i < runs; ++i) {
        db::Database database;
        db::Transaction write(database);
        QElapsedTimer t;
        t.start();
        database.open(params(full));
        connect.ms.push_back(elapsedMs(t));
        const int before = database.statementsSent();
        t.restart();
        UpgradeSchema(write, readUserTables(write));
        check.ms.push_back(elapsedMs(t));
        check.statements = database.statementsSent() - before;
        database.close();
    }
    for (int i = 0; i < std::max(3, runs / 4); ++i) {
        const QString copy = dir.filePath(QStringLiteral("upgrade%1.fdb").arg(i));
        QFile::copy(base, copy);
        db::Database database;
        db::Transaction write(database);
        database.open(params(copy));
        const int before = database.statementsSent();
        QElapsedTimer t;
        t.start();
        UpgradeSchema(write, readUserTables(write));
        upgrade.ms.push_back(elapsedMs(t));
        upgrade.statements = database.statementsSent() - before;
        database.close();
        QFile::remove(copy);
    }

    out << "| operation (embedded) | runs | median ms | spread ms | statements |\n";
    out << "|---|---|---|---|---|\n";
    out << connect.row(QStringLiteral("connect")) << '\n';
    out << check.row(QStringLiteral("upgrade check, up-to-date database")) << '\n';
    out << upgrade.row(QStringLiteral("full upgrade of a base-only database")) << '\n';
    return 0;
}
