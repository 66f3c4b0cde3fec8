#include "core/DatabaseCreator.h"
#include "core/SchemaUpgrade.h"
#include "core/Settings.h"
#include "core/TDataModule1.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Script.h"
#include "core/db/Transaction.h"
#include "support/FbServer.h"
#include "support/ScriptedPrompter.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvor;
using kalvor::test::FbServer;
using kalvor::test::ServerDatabase;

// Two clients of one database through the Firebird server, each with its own
// connection, as two programs on two machines would be.
class TestMultiClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void writeMeetsLockedRow_data();
    void writeMeetsLockedRow();
    void readSeesOnlyCommittedChanges();
    void concurrentUpgrade();

private:
    // A fresh server database with one table KT holding row 1 'prvi'.
    void createTable(ServerDatabase &sdb);
    static QString naziv(db::Transaction &t);

    QTemporaryDir m_config;
};

void TestMultiClient::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("KALVOR_CONFIG_DIR", QFile::encodeName(m_config.path()));
}

void TestMultiClient::init()
{
    KALVOR_REQUIRE_FB_SERVER();
}

void TestMultiClient::createTable(ServerDatabase &sdb)
{
    sdb.create();
    db::Database d;
    d.open(sdb.params());
    db::Transaction t(d);
    t.start();
    db::executeImmediate(t, QStringLiteral("CREATE TABLE KT (ID INTEGER NOT NULL PRIMARY KEY, NAZIV VARCHAR(40))"));
    t.commit();
    t.start();
    db::executeImmediate(t, QStringLiteral("INSERT INTO KT (ID, NAZIV) VALUES (1, 'prvi')"));
    t.commit();
}

QString TestMultiClient::naziv(db::Transaction &t)
{
    db::Query q(t, QStringLiteral("SELECT NAZIV FROM KT WHERE ID = 1"));
    return q.scalar().toString();
}

void TestMultiClient::writeMeetsLockedRow_data()
{
    QTest::addColumn<QString>("write");
    QTest::newRow("update") << QStringLiteral("UPDATE KT SET NAZIV = 'drugi' WHERE ID = 1");
    QTest::newRow("delete") << QStringLiteral("DELETE FROM KT WHERE ID = 1");
}

// The other client's open transaction holds the row: the write fails at once
// (nowait) with a recognisable lock conflict, and succeeds once the holder
// has committed.
void TestMultiClient::writeMeetsLockedRow()
{
    QFETCH(QString, write);
    ServerDatabase sdb;
    createTable(sdb);

    db::Database a, b;
    a.open(sdb.params());
    b.open(sdb.params());
    db::Transaction ta(a), tb(b);

    ta.start();
    QCOMPARE(db::Query(ta, QStringLiteral("UPDATE KT SET NAZIV = 'treci' WHERE ID = 1")).exec(), 1);

    tb.start();
    QElapsedTimer timer;
    timer.start();
    bool conflict = false;
    try {
        db::Query(tb, write).exec();
    } catch (const db::DbError &e) {
        conflict = e.isLockConflict();
        if (!conflict)
            qWarning() << "not a lock conflict:" << e.message() << e.codes();
    }
    QVERIFY(conflict);
    QVERIFY2(timer.elapsed() < 2000, "the write waited for the other transaction");

    ta.commit();
    QCOMPARE(db::Query(tb, write).exec(), 1);
    tb.commit();
}

// A list of the first client opened again shows what the second client
// committed; what it has not committed yet neither shows nor blocks the read.
void TestMultiClient::readSeesOnlyCommittedChanges()
{
    ServerDatabase sdb;
    createTable(sdb);

    db::Database a, b;
    a.open(sdb.params());
    b.open(sdb.params());
    db::Transaction read(a), tb(b);
    read.start();
    QCOMPARE(naziv(read), QStringLiteral("prvi"));

    tb.start();
    QCOMPARE(db::Query(tb, QStringLiteral("UPDATE KT SET NAZIV = 'drugi' WHERE ID = 1")).exec(), 1);
    QCOMPARE(naziv(read), QStringLiteral("prvi"));

    tb.commit();
    QCOMPARE(naziv(read), QStringLiteral("drugi"));
    QVERIFY(read.isActive());
}

// Two programs open the same old database (base tables only) at once and
// both start the upgrade. The first has checked the catalogue and is about
// to create its first missing object when the second runs its whole upgrade
// and creates that object. The first then fails on it with the failure
// message; its next connect resumes the upgrade and passes.
void TestMultiClient::concurrentUpgrade()
{
    ServerDatabase sdb;
    createBaseDatabase(sdb.params());

    Settings settings;
    settings.set(QStringLiteral("Local"), 0);
    settings.set(QStringLiteral("Server"), FbServer::instance().host());
    settings.set(QStringLiteral("DB"), sdb.path());
    settings.set(QStringLiteral("USER"), FbServer::instance().user());
    settings.set(QStringLiteral("USER2"), FbServer::instance().password());
    settings.set(QStringLiteral("Prompt"), 0);

    test::ScriptedPrompter prompter;
    TDataModule1 first, second;
    bool secondRan = false;
    bool secondPassed = false;
    QString contested;
    static const QRegularExpression create(
        QStringLiteral("^\\s*CREATE\\s+(TABLE|GENERATOR|SEQUENCE|PROCEDURE|TRIGGER|INDEX)\\s+(\\w+)"),
        QRegularExpression::CaseInsensitiveOption);
    first.DB.setStatementSink([&](const QString &sql) {
        const auto m = create.match(sql);
        if (secondRan || !m.hasMatch())
            return;
        secondRan = true;
        contested = m.captured(2);
        secondPassed = second.OpenDatabase(settings, prompter);
    });

    QVERIFY(!first.OpenDatabase(settings, prompter));
    QVERIFY(secondRan);
    QVERIFY2(secondPassed, qPrintable(second.lastError()));
    QCOMPARE(prompter.messages, QStringList{databaseFailureMessage()});
    QVERIFY2(first.lastError().contains(contested, Qt::CaseInsensitive),
             qPrintable(contested + QStringLiteral(": ") + first.lastError()));

    first.DB.setStatementSink({});
    prompter.clear();
    QVERIFY2(first.OpenDatabase(settings, prompter), qPrintable(first.lastError()));
    QVERIFY(prompter.messages.isEmpty());
    // Both see the one complete schema that the second client built.
    QStringList upgraded = readUserTables(second.IBTransaction1);
    QStringList seen = first.tableNames();
    upgraded.sort();
    seen.sort();
    QCOMPARE(seen, upgraded);
    QVERIFY(seen.size() > second.tableNames().size());
}

QTEST_GUILESS_MAIN(TestMultiClient)
#include "tst_multiclient.moc"
