// The synthetic company: the same seed gives the same company, what it holds
// is what the program itself would have stored, and the demo mode of the
// program makes a database that opens with orders in it.

#include "companygen/CompanyGenerator.h"
#include "core/SchemaUpgrade.h"
#include "core/db/Query.h"
#include "orders/OrderOpening.h"
#include "orders/TravelOrderStore.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace kalvor;
using namespace kalvor::companygen;
using kalvor::test::TestDatabase;

namespace {

const QStringList kTables{
    "VALUTE", "TECAJ",  "DRZAVE",    "DNEVNICE",   "VOZILO",  "DJELATNICI", "PARTNERI", "NALOZI",
    "VOZACI", "UTOVARIVACI", "DIONICE", "RACUNI", "AKONTACIJA", "NALOGVALUTA", "OBRACUN", "OMD",
    "BLPROMET", "BLPOCSTANJE", "VEVID", "VZADUZENJA", "VPOTROSNJA"};

QStringList tableTexts(db::Transaction &t, const QString &table)
{
    db::Query q(t, QStringLiteral("SELECT * FROM ") + table);
    QStringList rows;
    q.open();
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.columnCount(); ++i)
            values << q.value(i).toString();
        rows << values.join(QLatin1Char('|'));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Every row of the company's tables, table by table, each sorted.
QMap<QString, QStringList> contents(const QString &path)
{
    db::Database database;
    database.open(TestDatabase::connectParams(path));
    db::Transaction t(database);
    t.start();
    QMap<QString, QStringList> all;
    for (const QString &table : kTables)
        all.insert(table, tableTexts(t, table));
    t.commit();
    database.close();
    return all;
}

QString generate(const QTemporaryDir &dir, const QString &name, std::uint32_t seed)
{
    const QString path = dir.filePath(name);
    CompanyGenerator(CompanyProfile::of(CompanyProfile::Size::S), seed).generate(TestDatabase::connectParams(path));
    return path;
}

} // namespace

class TestCompanyGenerator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameSeedSameCompany();
    void companyIsWhatTheProgramStores();
    void demoModeCreatesAWorkingCompany();

private:
    QTemporaryDir m_dir;
    QString m_first; // seed 5
};

void TestCompanyGenerator::initTestCase()
{
    VERIFY_DB(m_first = generate(m_dir, "a.fdb", 5));
}

void TestCompanyGenerator::sameSeedSameCompany()
{
    QMap<QString, QStringList> first, second, other;
    VERIFY_DB(first = contents(m_first));
    VERIFY_DB(second = contents(generate(m_dir, "b.fdb", 5)));
    VERIFY_DB(other = contents(generate(m_dir, "c.fdb", 6)));
    for (const char *table : {"TECAJ", "NALOZI", "DIONICE", "RACUNI", "BLPROMET", "VEVID", "OMD"})
        QVERIFY2(!first.value(table).isEmpty(), table);
    for (const QString &table : kTables) {
        QCOMPARE(second.value(table).size(), first.value(table).size());
        QCOMPARE(second.value(table), first.value(table));
    }
    QVERIFY(other.value("NALOZI") != first.value("NALOZI"));
    QVERIFY(other.value("DIONICE") != first.value("DIONICE"));
}

// The orders went through the store's save: they load, settle and hold what
// a clerk would have entered, and the reference data answers what they ask.
void TestCompanyGenerator::companyIsWhatTheProgramStores()
{
    const CompanyProfile profile = CompanyProfile::of(CompanyProfile::Size::S);
    db::Database database;
    VERIFY_DB(database.open(TestDatabase::connectParams(m_first)));
    db::Transaction write(database);
    // The file has the program's schema: the check after a connect finds
    // nothing to do.
    QStringList sent;
    database.setStatementSink([&sent](const QString &sql) { sent << sql; });
    VERIFY_DB(UpgradeSchema(write, readUserTables(write)));
    database.setStatementSink({});
    for (const QString &sql : sent)
        QVERIFY2(sql.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive), qPrintable(sql));

    const Settings settings = CompanyGenerator::companySettings();
    OrderEmployeeLists lists;
    VERIFY_DB(lists = LoadEmployeeLists(write, false));
    write.start();
    QVector<int> ids;
    VERIFY_DB(for (const QVariantList &row : db::Query(write, "SELECT IDNALOG FROM NALOZI ORDER BY IDNALOG").fetchAll())
                  ids << row.at(0).toInt());
    QCOMPARE(ids.size(), profile.orders);

    QSet<QString> labels;
    QSet<int> methods;
    int fuel = 0, receipts = 0, withCash = 0, multiCountry = 0;
    double lastReading = -1;
    for (int id : ids) {
        TravelOrderStore store(write, settings);
        TravelOrder order;
        VERIFY_DB(QVERIFY(store.load(id, order, lists).found));
        QVERIFY2(!labels.contains(order.label), qPrintable(order.label));
        labels.insert(order.label);
        QVERIFY(order.label.endsWith(QLatin1Char('/') + QString::number(order.accountingDate.year())));
        QVERIFY(order.sections.size() >= 3 && order.sections.size() <= 25);
        QVERIFY(order.drivers[0].listed);
        QVERIFY(order.orderDate <= order.departureDate);
        QVERIFY(order.accountingDate <= profile.today);
        if (order.returnDefined)
            QVERIFY(order.departure() < order.returnMoment());
        QVERIFY2(order.currenciesWithoutRate().isEmpty(), qPrintable(order.label));
        methods.insert(order.settlement.method);
        for (const Receipt &r : order.receipts) {
            ++receipts;
            if (r.isFuel()) {
                ++fuel;
                QVERIFY(r.odometer >= order.sections.first().odometer && r.odometer <= order.sections.last().odometer);
                QVERIFY(r.litres > 0);
            }
        }
        if (!order.cash.isEmpty())
            ++withCash;
        if (!order.multiCountryText.isEmpty())
            ++multiCountry;
        // The settlement by stays in several countries has its stays.
        if (order.settlement.method == MultiCountry)
            QVERIFY(!order.multiCountryText.isEmpty());
        SettlementResult settled;
        VERIFY_DB(settled = SettleOnOpening(order, write, settings));
        QVERIFY(!settled.missingRate);
        QVERIFY(!settled.chosen(order.settlement.method).employees.isEmpty());
        lastReading = std::max(lastReading, order.sections.last().odometer);
    }
    QCOMPARE(methods.size(), 5);
    QVERIFY2(fuel * 5 >= receipts && fuel * 2 <= receipts, qPrintable(QString("%1 of %2").arg(fuel).arg(receipts)));
    QVERIFY(withCash > 0);
    QVERIFY(multiCountry > 0);
    QVERIFY(lastReading > 0);

    // Every vehicle's orders follow each other on the odometer.
    const QVector<QVariantList> gaps = db::Query(write, QStringLiteral(
        "SELECT COUNT(*) FROM NALOZI A WHERE (SELECT MIN(STANJEKM) FROM DIONICE WHERE IDNALOG=A.IDNALOG) < "
        "(SELECT MAX(D.STANJEKM) FROM NALOZI N JOIN DIONICE D ON D.IDNALOG=N.IDNALOG WHERE N.VOZILOID=A.VOZILOID "
        "AND N.DATVRIODLASKA<A.DATVRIODLASKA)")).fetchAll();
    QCOMPARE(gaps.first().first().toInt(), 0);
    write.commit();
    database.close();
}

void TestCompanyGenerator::demoModeCreatesAWorkingCompany()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("demo/kalvbaza.fdb");
    QDir().mkpath(dir.filePath("demo"));
    auto run = [&dir](const QStringList &args) {
        QProcess kalvor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KALVOR_CONFIG_DIR", dir.filePath("config"));
        kalvor.setProcessEnvironment(env);
        kalvor.start(KALVOR_EXE, args);
        kalvor.waitForFinished(120000);
        return kalvor.exitStatus() == QProcess::NormalExit ? kalvor.exitCode() : -1;
    };
    QCOMPARE(run({"--create-db", path, "--demo", "--password", "masterkey"}), 0);
    // An existing file is never written over.
    QCOMPARE(run({"--create-db", path, "--demo", "--password", "masterkey"}), 1);

    db::Database database;
    VERIFY_DB(database.open(TestDatabase::connectParams(path)));
    db::Transaction write(database);
    VERIFY_DB(UpgradeSchema(write, readUserTables(write)));
    write.start();
    QVector<QVariantList> rows;
    VERIFY_DB(rows = db::Query(write, "SELECT COUNT(*), MAX(DATUMOBRADE), MIN(IDNALOG) FROM NALOZI").fetchAll());
    QVERIFY(rows.first().at(0).toInt() > 0);
    // The month of orders ends today.
    QVERIFY(rows.first().at(1).toDate() >= QDate::currentDate().addDays(-10));
    QVERIFY(rows.first().at(1).toDate() <= QDate::currentDate());

    const Settings settings = CompanyGenerator::companySettings();
    TravelOrderStore store(write, settings);
    TravelOrder order;
    OrderEmployeeLists lists;
    VERIFY_DB(lists = LoadEmployeeLists(write, false));
    VERIFY_DB(QVERIFY(store.load(rows.first().at(2).toInt(), order, lists).found));
    QVERIFY(!order.sections.isEmpty());
    write.commit();
    database.close();
}

QTEST_GUILESS_MAIN(TestCompanyGenerator)
#include "tst_companygenerator.moc"
