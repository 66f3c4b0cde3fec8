#include "core/DatabaseCreator.h"
#include "core/SchemaUpgrade.h"
#include "core/SchemaUpgradeStatements.h"
#include "core/db/Query.h"
#include "core/db/Script.h"
#include "support/SchemaCatalogue.h"
#include "support/TestDatabase.h"

#include <QFileInfo>
#include <QtTest>

using namespace kalvor;
using kalvor::test::SchemaCatalogue;
using kalvor::test::TestDatabase;

namespace {

// Runs the upgrade as the program does after a connect, recording every
// statement sent to the database.
QStringList upgrade(db::Database &database)
{
    QStringList sent;
    database.setStatementSink([&sent](const QString &sql) { sent << sql; });
    db::Transaction write(database);
    try {
        UpgradeSchema(write, readUserTables(write));
    } catch (...) {
        database.setStatementSink({});
        throw;
    }
    database.setStatementSink({});
    return sent;
}

QStringList changesOnly(const QStringList &sent)
{
    QStringList changes;
    for (const QString &sql : sent)
        if (!sql.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive))
            changes << sql;
    return changes;
}

void runScript(TestDatabase &t, const QString &script)
{
    db::Transaction write(t.database());
    db::TransactionGuard guard(write);
    db::Script(write).execute(script);
    guard.commit();
}

void compareCatalogues(const SchemaCatalogue &actual, const SchemaCatalogue &expected)
{
    QCOMPARE(actual.tables, expected.tables);
    QCOMPARE(actual.columns, expected.columns);
    QCOMPARE(actual.indexes, expected.indexes);
    QCOMPARE(actual.generators, expected.generators);
    QCOMPARE(actual.triggers, expected.triggers);
    QCOMPARE(actual.procedures, expected.procedures);
}

SchemaCatalogue fullCatalogue()
{
    db::Database database;
    TestDatabase full(database);
    return SchemaCatalogue::read(database);
}

int indexCount(TestDatabase &t, const QString &name)
{
    return t.scalar("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = :N", {{"N", name}}).toInt();
}

} // namespace

class tst_SchemaUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void baseDatabaseGetsEveryStep();
    void upgradeTableColumns_data();
    void upgradeTableColumns();
    void columnPositions_data();
    void columnPositions();
    void upToDateDatabaseOnlyReads();
    void statementTexts();
    void blPrometDirectionFromType();
    void sentinelIndexStandsForItsGroup();
    void vevidStandsForEquipmentTables();
    void obracunWithoutFlagsGetsThem();
    void failureStopsAndNextRunResumes();
    void baseIdsFilledByTriggers();
    void kilometreProcedures();
    void ratesValidAtDate();
    void allowanceRatesValidAtDate();
    void creatorRefusesExistingFile();
};

void tst_SchemaUpgrade::baseDatabaseGetsEveryStep()
{
    db::Database database;
    TestDatabase t(database, TestDatabase::Schema::Base);
    QStringList sent;
    VERIFY_DB(sent = upgrade(database));

    const QStringList changes = changesOnly(sent);
    // OBRACUN goes through the create branch of its step.
    QVERIFY(changes.contains(upgradesql::createObracun().chopped(1)));
    QVERIFY(!changes.join('\n').contains("ALTER TABLE OBRACUN"));
    // Every group of tables was created.
    const SchemaCatalogue catalogue = SchemaCatalogue::read(database);
    for (const char *table : {"NALOGVALUTA", "BLPROMET", "BLPOCSTANJE", "ADPROMET", "OMD", "VEVID", "VZADUZENJA",
                              "VPOTROSNJA", "RELACIJE", "RDIONICA", "RSATI", "APROMET", "APZADUZ", "APBROJ",
                              "RSTANICE", "DODLUKA", "RELODLUKE", "DJNALOG", "OBRACUN", "VOZAKT", "DJEAKT",
                              "VOZILOBIN", "DJELBIN"})
        QVERIFY2(catalogue.tables.contains(table), table);

    compareCatalogues(catalogue, fullCatalogue());
}

void tst_SchemaUpgrade::upgradeTableColumns_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns");
    const auto row = [](const char *table, const char *columns) { QTest::newRow(table) << table << columns; };
    row("NALOGVALUTA", "IDNALOG INTEGER NOT NULL, VALUTA VARCHAR(5) NOT NULL, KURS NUMERIC(16,7) NOT NULL");
    row("BLPROMET", "IDBP INTEGER NOT NULL, DATVRI TIMESTAMP DEFAULT 'NOW', DATUM DATE, IZNOS NUMERIC(7,2), "
                    "TIP SMALLINT DEFAULT 0 NOT NULL, IDNALOG INTEGER, IDRADNIK INTEGER, OPIS VARCHAR(200), "
                    "RADNIK VARCHAR(70), OZNAKA VARCHAR(20), NOZNAKA VARCHAR(12), PROMJENA TIMESTAMP, "
                    "VALUTA VARCHAR(5), AUT SMALLINT, TIP2 SMALLINT, OBROJ INTEGER");
    row("BLPOCSTANJE", "IDSTANJE INTEGER, VALUTA VARCHAR(5), GODINA INTEGER, IZNOS NUMERIC(7,2), DATUM DATE");
    row("ADPROMET", "IDAP INTEGER NOT NULL, DATVRI TIMESTAMP DEFAULT 'NOW', DATUM DATE, IZNOS NUMERIC(7,2), "
                    "TIP SMALLINT DEFAULT 0 NOT NULL, IDRADNIK INTEGER, OPIS VARCHAR(200), RADNIK VARCHAR(70), "
                    "OZNAKA VARCHAR(20), VALUTA VARCHAR(5), AD1 SMALLINT");
    row("OMD", "IDNALOG INTEGER NOT NULL, DATA BLOB SUB_TYPE 1 SEGMENT SIZE 2048");
    row("OBRACUN", "IDNALOG INTEGER NOT NULL, VALUTAKM VARCHAR(5), CIJENAKM NUMERIC(7,3), VALUTAALL VARCHAR(5), "
                   "CIJENAALL NUMERIC(7,3), POSTOTAK NUMERIC(7,3), FIXVALUTA VARCHAR(5), FIXVAL NUMERIC(7,3), "
                   "NACINOBRACUNA SMALLINT, FIKSALL NUMERIC(7,3), FIXALLVALUTA VARCHAR(5), SAMOVOZAC SMALLINT, "
                   "DNEVNICAVOZAC SMALLINT, DNEVNICAOSTALI SMALLINT");
    row("VEVID", "IDEV INTEGER NOT NULL, DATVRI TIMESTAMP DEFAULT 'NOW', DATUM DATE, DOD TIMESTAMP, DDO TIMESTAMP, "
                 "TIP SMALLINT, STANJEKM NUMERIC(7,2), IZNOS NUMERIC(7,2), RACUN VARCHAR(20), PDV NUMERIC(7,2), "
                 "SATI NUMERIC(7,2), FIRMA VARCHAR(50), SERVISER VARCHAR(70), DJELATNIK VARCHAR(70), "
                 "OPIS VARCHAR(220), OPIS2 VARCHAR(80), STANJEKM2 NUMERIC(7,2), VOZILO VARCHAR(50), "
                 "REGOZNAKA VARCHAR(20), VOZILOID INTEGER, PODTIP SMALLINT, UNIO VARCHAR(40), RBR INTEGER, "
                 "ALERT SMALLINT, FINDATUM TIMESTAMP");
    row("VZADUZENJA", "IDZ INTEGER NOT NULL, DATVRI TIMESTAMP DEFAULT 'NOW', DATUM TIMESTAMP, VOZILOID INTEGER, "
                      "OPIS VARCHAR(200), RAZDUZENO TIMESTAMP, RAZOPIS VARCHAR(200), PONOVNO SMALLINT, "
                      "ZDJELATNIK VARCHAR(40), RDJELATNIK VARCHAR(40)");
    row("VPOTROSNJA", "IDVP INTEGER NOT NULL, DATVRI TIMESTAMP DEFAULT 'NOW', DATUM TIMESTAMP, VOZILOID INTEGER, "
                      "OPIS VARCHAR(80), TIP SMALLINT, KOLICINA NUMERIC(7,3), UNIO VARCHAR(40)");
    row("RELACIJE", "IDREL INTEGER NOT NULL, OPIS VARCHAR(240), TIP SMALLINT");
    row("RDIONICA", "IDREL INTEGER, DIONICA VARCHAR(60), RKM NUMERIC(7,2), RVRI TIMESTAMP");
    row("RSATI", "IDNALOG INTEGER, IDVOZAC INTEGER, IDVOZAC2 INTEGER, IDDIONICA INTEGER, UKVOZNJA TIMESTAMP, "
                 "UKVOZEF TIMESTAMP, UKNOC TIMESTAMP, VOZEF TIMESTAMP, NOCEF TIMESTAMP, VOZEF2 TIMESTAMP, "
                 "NOCEF2 TIMESTAMP, DIONICA VARCHAR(60), DATUM DATE");
    row("APROMET", "IDNALOG INTEGER, IDAP INTEGER, IDLINIJA INTEGER, DATUM TIMESTAMP, SMJER VARCHAR(200), "
                   "VOZAC1 VARCHAR(80), VOZAC2 VARCHAR(80), PRIMIO1 VARCHAR(80), PRIMIO2 VARCHAR(80), "
                   "PREDAO1 VARCHAR(80), PREDAO2 VARCHAR(80), UK1 INTEGER, UK2 INTEGER, UK3 INTEGER, UK4 INTEGER");
    row("APZADUZ", "IDAPR INTEGER, TIP SMALLINT, N_OD INTEGER, N_DO INTEGER, S_OD VARCHAR(40), S_DO VARCHAR(40)");
    row("APBROJ", "IDAPR INTEGER, RBR INTEGER, BR1 INTEGER, BR2 INTEGER, MJESTO VARCHAR(60), SMJER SMALLINT");
    row("RSTANICE", "IDREL INTEGER, MJESTO VARCHAR(60), SMJER SMALLINT");
    row("DODLUKA", "IDODLUKA INTEGER NOT NULL, DATVRI TIMESTAMP DEFAULT 'NOW', OZNAKA VARCHAR(50), "
                   "OPIS VARCHAR(400), VRIJEDIOD TIMESTAMP, VRIJEDIDO TIMESTAMP, IZNOS NUMERIC(10,4), "
                   "VALUTA VARCHAR(5), AKTIV SMALLINT, DEL SMALLINT");
    row("RELODLUKE", "IDODLUKA INTEGER, IDRELACIJA INTEGER");
    row("DJNALOG", "IDN INTEGER NOT NULL, DATVRI TIMESTAMP DEFAULT 'NOW', OZNAKA VARCHAR(20), IDPLIST INTEGER, "
                   "IDDJ INTEGER, NOZNAKA INTEGER, O2 VARCHAR(40), NAPOMENA VARCHAR(300)");
    row("VOZAKT", "IDVOZ INTEGER NOT NULL, D1 TIMESTAMP, D2 TIMESTAMP, OPIS VARCHAR(40)");
    row("DJEAKT", "IDDJ INTEGER NOT NULL, D1 TIMESTAMP, D2 TIMESTAMP, OPIS VARCHAR(40), UTIP SMALLINT, "
                  "NAPOMENA VARCHAR(300), IDS INTEGER NOT NULL, RASKID TIMESTAMP, OZNAKA VARCHAR(40)");
    row("VOZILOBIN", "IDVOZ INTEGER NOT NULL, IDBIN INTEGER NOT NULL, OPIS VARCHAR(40), "
                     "DAT BLOB SUB_TYPE 0 SEGMENT SIZE 1024");
    row("DJELBIN", "IDDJ INTEGER NOT NULL, IDBIN INTEGER NOT NULL, OPIS VARCHAR(40), "
                   "DAT BLOB SUB_TYPE 0 SEGMENT SIZE 1024");
    // Base tables with their upgrade columns.
    row("VOZILO", "IDVOZ INTEGER NOT NULL, MARKAITIP VARCHAR(40), OZNAKA VARCHAR(20), MASA DOUBLE PRECISION, "
                  "NOSIVOST DOUBLE PRECISION, UKUPNAMASA DOUBLE PRECISION, VRSTA SMALLINT, "
                  "NAPOMENA BLOB SUB_TYPE 1 SEGMENT SIZE 1024, GARBR VARCHAR(10), BRSASIJE VARCHAR(30), "
                  "BRSJED INTEGER, GODPRO INTEGER, GODPREG INTEGER, AKTIVNOALL SMALLINT");
    row("DJELATNICI", "IDDJ INTEGER NOT NULL, IMEPREZIME VARCHAR(70), ZVANJE VARCHAR(100), RADNOMJESTO VARCHAR(100), "
                      "VOZAC SMALLINT, ADRESA VARCHAR(100), KONTAKT VARCHAR(100), OSOBNA VARCHAR(20), "
                      "NAPOMENA BLOB SUB_TYPE 1 SEGMENT SIZE 1024, AKTIVNOALL SMALLINT, MBR INTEGER, TIP INTEGER, "
                      "TIPS VARCHAR(30), GRAD VARCHAR(70), ZAP INTEGER, ZAP2 INTEGER");
    row("VOZACI", "IDNALOG INTEGER, VOZACID INTEGER, VOZACIME VARCHAR(100), SUV SMALLINT, NAL SMALLINT");
    row("VALUTE", "OZNAKA VARCHAR(5) NOT NULL, NAZIV VARCHAR(20)");
}

void tst_SchemaUpgrade::upgradeTableColumns()
{
    QFETCH(QString, table);
    QFETCH(QString, columns);
    db::Database database;
    TestDatabase t(database);
    QCOMPARE(SchemaCatalogue::read(database).columnsOf(table), columns);
}

void tst_SchemaUpgrade::columnPositions_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("column");
    QTest::newRow("NALOZI 3") << "NALOZI" << 3 << "DATUM";
    QTest::newRow("NALOZI 16") << "NALOZI" << 16 << "DATUMOBRADE";
    QTest::newRow("NALOZI 32") << "NALOZI" << 32 << "DATVRIPROMJENE";
    QTest::newRow("NALOZI 33") << "NALOZI" << 33 << "TKINGSTART";
    QTest::newRow("RACUNI 3") << "RACUNI" << 3 << "DATRAC";
    QTest::newRow("RACUNI 11") << "RACUNI" << 11 << "BENZINKM";
    QTest::newRow("RACUNI 15") << "RACUNI" << 15 << "VRSTAGORIVA";
    QTest::newRow("RACUNI 16") << "RACUNI" << 16 << "POM";
    QTest::newRow("VOZILO 8") << "VOZILO" << 8 << "NAPOMENA";
}

void tst_SchemaUpgrade::columnPositions()
{
    QFETCH(QString, table);
    QFETCH(int, position);
    QFETCH(QString, column);
    db::Database database;
    TestDatabase t(database);
    // The lists sort by column position over "SELECT *".
    db::Transaction read(database);
    read.start();
    db::Query q(read, QStringLiteral("SELECT * FROM %1").arg(table));
    q.open();
    QCOMPARE(q.columnName(position - 1), column);
}

void tst_SchemaUpgrade::upToDateDatabaseOnlyReads()
{
    db::Database database;
    TestDatabase t(database);
    const SchemaCatalogue before = SchemaCatalogue::read(database);
    QStringList sent;
    VERIFY_DB(sent = upgrade(database));
    QCOMPARE(changesOnly(sent), QStringList());
    // One table list, the column lists of the steps, two index and two
    // procedure counts.
    QCOMPARE(sent.size(), 1 + 12 + 2 + 2);
    compareCatalogues(SchemaCatalogue::read(database), before);
}

void tst_SchemaUpgrade::statementTexts()
{
    db::Database database;
    TestDatabase t(database, TestDatabase::Schema::Base);
    QStringList sent;
    VERIFY_DB(sent = upgrade(database));

    QCOMPARE(sent.first(), QStringLiteral("Select RDB$RELATION_NAME from RDB$RELATIONS  where RDB$VIEW_BLR is NULL "
                                          "and RDB$SYSTEM_FLAG = 0 ORDER BY RDB$RELATION_NAME"));
    QCOMPARE(sent.at(1), QStringLiteral("CREATE TABLE NALOGVALUTA (\n    IDNALOG INTEGER NOT NULL, VALUTA  "
                                        "VARCHAR(5) NOT NULL, KURS    NUMERIC(16,7) NOT NULL)"));
    const QStringList expected = {
        "CREATE TRIGGER BLPROMET_BI FOR BLPROMET ACTIVE BEFORE INSERT POSITION 0 AS\nBEGIN\n"
        "  IF (NEW.IDBP IS NULL) THEN      NEW.IDBP = GEN_ID(GEN_BLPROMET_ID,1); END",
        "Select R.RDB$FIELD_NAME from RDB$RELATION_FIELDS R, RDB$FIELDS F where R.RDB$RELATION_NAME = 'NALOZI' "
        "and R.RDB$FIELD_SOURCE = F.RDB$FIELD_NAME ORDER BY RDB$FIELD_POSITION",
        "ALTER TABLE NALOZI \n    ADD TKINGSTART NUMERIC(10,2), ADD TKINGEND NUMERIC(10,2)",
        "ALTER TABLE BLPROMET \n    ADD TIP2 SMALLINT",
        "UPDATE BLPROMET SET TIP2=TIP WHERE (TIP<>1) AND (TIP<>0)",
        "ALTER TABLE VOZILO \n    ADD GARBR VARCHAR(10),ADD BRSASIJE VARCHAR(30),\n    ADD BRSJED INTEGER, "
        "ADD GODPRO INTEGER, ADD GODPREG INTEGER, ADD AKTIVNOALL SMALLINT",
        "ALTER TABLE VOZILO \n    ADD NAPOMENA BLOB SUB_TYPE 1 SEGMENT SIZE 1024",
        "ALTER TABLE VOZILO ALTER COLUMN NAPOMENA POSITION 8",
        "ALTER TABLE DJEAKT ADD UTIP SMALLINT, ADD NAPOMENA VARCHAR(300), ADD IDS INTEGER NOT NULL",
        "CREATE INDEX VOZACI_IDX3 ON VOZACI (VOZACIME)",
        "SELECT COUNT(*) FROM RDB$PROCEDURES WHERE RDB$PROCEDURE_NAME='GETKM2'",
        "CREATE PROCEDURE GETKM2 (ID INTEGER) RETURNS (KM NUMERIC(10,2))\n"
        "AS DECLARE VARIABLE POM1 NUMERIC(10,2); DECLARE VARIABLE POM2 NUMERIC(10,2); \n"
        "begin   pom1=0;     pom2=0;  \n"
        " SELECT MIN(STANJEKM) FROM DIONICE WHERE DIONICE.IDNALOG=:ID AND STANJEKM>0 into pom1; \n"
        " SELECT MAX(STANJEKM) FROM DIONICE WHERE DIONICE.IDNALOG=:ID AND STANJEKM>0 into pom2; \n"
        "  km=pom2-pom1;   suspend; end",
        "GRANT SELECT ON DIONICE TO PROCEDURE GETKM",
        "GRANT EXECUTE ON PROCEDURE GETKM TO SYSDBA",
    };
    qsizetype from = 0;
    for (const QString &statement : expected) {
        const qsizetype at = sent.indexOf(statement, from);
        QVERIFY2(at >= 0, qPrintable("not sent in order: " + statement));
        from = at + 1;
    }
    // The last statement is the final body of KMDJELATNIK2.
    const QString last = sent.last();
    QVERIFY(last.startsWith("ALTER PROCEDURE KMDJELATNIK2 (IDDJ INTEGER,D1 DATE,D2 DATE) RETURNS \n"
                            "(IMEPREZIME VARCHAR(70),SAMOKM NUMERIC(10,2), PARKM NUMERIC(10,2),UKKM NUMERIC(10,2))\n"));
    QVERIFY(last.contains("\n           select max(stanjekm)-min(stanjekm) from dionice where idnalog=:pomnalog "
                          "and stanjekm>0 into :pkm1; \n        end \n    end\n    if (pkm1 is null) then pkm1=0;\n"
                          "    if (num=1) then samokm=samokm+pkm1; else parkm=parkm+pkm1; \n"));
    QVERIFY(last.endsWith("\n  suspend;  end"));
}

void tst_SchemaUpgrade::blPrometDirectionFromType()
{
    db::Database database;
    TestDatabase t(database, TestDatabase::Schema::Base);
    // A cash register of the generation before the direction code.
    VERIFY_DB(runScript(t, upgradesql::createBlPromet()));
    for (int type = 0; type <= 5; ++type)
        VERIFY_DB(t.exec("INSERT INTO BLPROMET (DATUM, IZNOS, TIP, IDNALOG) VALUES ('2009-03-01', 10, :T, -1)",
                         {{"T", type}}));
    VERIFY_DB(upgrade(database));
    QVector<QVariantList> rows;
    VERIFY_DB(rows = t.rows("SELECT TIP, TIP2, OBROJ FROM BLPROMET ORDER BY TIP"));
    QCOMPARE(rows.size(), 6);
    const int expected[] = {1, 0, 2, 3, 4, 5};
    for (int type = 0; type <= 5; ++type) {
        QCOMPARE(rows[type][0].toInt(), type);
        QCOMPARE(rows[type][1].toInt(), expected[type]);
        QVERIFY(rows[type][2].isNull());
    }
}

void tst_SchemaUpgrade::sentinelIndexStandsForItsGroup()
{
    db::Database database;
    TestDatabase t(database, TestDatabase::Schema::Base);
    VERIFY_DB(t.exec("CREATE INDEX NALOZI_IDX1 ON NALOZI (VOZILOID)"));
    VERIFY_DB(upgrade(database));
    QCOMPARE(indexCount(t, "NALOZI_IDX1"), 1);
    QCOMPARE(indexCount(t, "NALOZI_IDX2"), 0);
    QCOMPARE(indexCount(t, "VOZACI_IDX2"), 0);
    // The next group has a sentinel of its own.
    QCOMPARE(indexCount(t, "UTOVARIVACI_IDX1"), 1);
    QCOMPARE(indexCount(t, "VOZACI_IDX3"), 1);
    VERIFY_DB(upgrade(database));
    QCOMPARE(indexCount(t, "NALOZI_IDX2"), 0);
}

void tst_SchemaUpgrade::vevidStandsForEquipmentTables()
{
    db::Database database;
    TestDatabase t(database, TestDatabase::Schema::Base);
    // An early VEVID, before the finishing date.
    VERIFY_DB(t.exec("CREATE TABLE VEVID (IDEV INTEGER NOT NULL, DATUM DATE, TIP SMALLINT)"));
    QStringList sent;
    VERIFY_DB(sent = upgrade(database));
    VERIFY_DB(upgrade(database));
    const SchemaCatalogue catalogue = SchemaCatalogue::read(database);
    QVERIFY(!catalogue.tables.contains("VZADUZENJA"));
    QVERIFY(!catalogue.tables.contains("VPOTROSNJA"));
    QVERIFY(!catalogue.generators.contains("GEN_VEVID_ID"));
    QCOMPARE(catalogue.columnNames("VEVID"), QStringList({"IDEV", "DATUM", "TIP", "FINDATUM"}));
    QVERIFY(sent.contains("ALTER TABLE VEVID \n    ADD FINDATUM TIMESTAMP"));
}

void tst_SchemaUpgrade::obracunWithoutFlagsGetsThem()
{
    db::Database database;
    TestDatabase t(database, TestDatabase::Schema::Base);
    VERIFY_DB(t.exec("CREATE TABLE OBRACUN (IDNALOG INTEGER NOT NULL, VALUTAKM VARCHAR(5), CIJENAKM NUMERIC(7,3), "
                     "VALUTAALL VARCHAR(5), CIJENAALL NUMERIC(7,3), POSTOTAK NUMERIC(7,3), FIXVALUTA VARCHAR(5), "
                     "FIXVAL NUMERIC(7,3), NACINOBRACUNA SMALLINT, FIKSALL NUMERIC(7,3), FIXALLVALUTA VARCHAR(5))"));
    VERIFY_DB(t.exec("INSERT INTO OBRACUN (IDNALOG, NACINOBRACUNA) VALUES (5, 2)"));
    QStringList sent;
    VERIFY_DB(sent = upgrade(database));
    const QStringList changes = changesOnly(sent);
    QVERIFY(changes.contains("ALTER TABLE OBRACUN \n    ADD SAMOVOZAC SMALLINT, ADD DNEVNICAVOZAC SMALLINT, "
                             "ADD DNEVNICAOSTALI SMALLINT"));
    QVERIFY(!changes.join('\n').contains("CREATE TABLE OBRACUN"));
    QCOMPARE(SchemaCatalogue::read(database).columnNames("OBRACUN").mid(11),
             QStringList({"SAMOVOZAC", "DNEVNICAVOZAC", "DNEVNICAOSTALI"}));
    QCOMPARE(t.scalar("SELECT NACINOBRACUNA FROM OBRACUN WHERE IDNALOG = 5").toInt(), 2);
}

void tst_SchemaUpgrade::failureStopsAndNextRunResumes()
{
    db::Database database;
    TestDatabase t(database, TestDatabase::Schema::Base);
    // RACUNI has POM but not VRSTAGORIVA: step 20 cannot add both.
    VERIFY_DB(t.exec("ALTER TABLE RACUNI ADD POM INTEGER"));
    QVERIFY_THROWS_EXCEPTION(db::DbError, upgrade(database));

    SchemaCatalogue c = SchemaCatalogue::read(database);
    QCOMPARE(c.columnNames("VOZILO").value(7), QStringLiteral("NAPOMENA"));  // step 19
    QVERIFY(c.columnNames("DJELATNICI").contains("ADRESA"));                // step 18
    QVERIFY(c.tables.contains("DJELBIN"));
    QVERIFY(!c.columnNames("RACUNI").contains("VRSTAGORIVA"));              // step 20
    QVERIFY(!c.columnNames("NALOZI").contains("GARKM1"));                   // step 21
    QVERIFY(!c.columnNames("DJELATNICI").contains("MBR"));                  // step 22
    QCOMPARE(indexCount(t, "NALOZI_IDX1"), 0);                              // step 26
    QVERIFY(!c.procedures.join('\n').contains("KMDJELATNIK"));              // step 28

    VERIFY_DB(t.exec("ALTER TABLE RACUNI DROP POM"));
    QStringList sent;
    VERIFY_DB(sent = upgrade(database));
    const QStringList changes = changesOnly(sent);
    QVERIFY(!changes.isEmpty());
    QCOMPARE(changes.first(), QStringLiteral("ALTER TABLE RACUNI \n    ADD VRSTAGORIVA VARCHAR(60), ADD POM INTEGER"));
    compareCatalogues(SchemaCatalogue::read(database), fullCatalogue());
}

void tst_SchemaUpgrade::baseIdsFilledByTriggers()
{
    db::Database database;
    TestDatabase t(database);
    for (int i = 0; i < 2; ++i) {
        VERIFY_DB(t.exec("INSERT INTO AKONTACIJA (IDNALOG,IDDJELATNIK,DJELATNIKIME,DATUM,IZNOS,VALUTA) "
                         "VALUES (1,2,'Ivić Ana','2009-01-02',100.5,'EUR')"));
        VERIFY_DB(t.exec("INSERT INTO RACUNI (IDNALOG,DATRAC,IZNOS,VALUTA,NACIN,IDPARTNER) "
                         "VALUES (-3,'2009-01-02',20,'EUR',0,-1)"));
        VERIFY_DB(t.exec("INSERT INTO DIONICE (IDNALOG,DATUM,STANJEKM) VALUES (1,'2009-01-02',1000)"));
        VERIFY_DB(t.exec("INSERT INTO BLPROMET (DATUM,IZNOS,IDNALOG) VALUES ('2009-01-02',5,-1)"));
    }
    for (const char *key : {"SELECT LIST(IDAKONTACIJA) FROM AKONTACIJA", "SELECT LIST(IDRAC) FROM RACUNI",
                            "SELECT LIST(IDDIONICA) FROM DIONICE", "SELECT LIST(IDBP) FROM BLPROMET"})
        QCOMPARE(t.scalar(key).toString(), QStringLiteral("1,2"));
    QCOMPARE(t.scalar("SELECT DJELATNIKIME FROM AKONTACIJA WHERE IDAKONTACIJA = 2").toString(),
             QStringLiteral("Ivić Ana"));
    // Currencies are inserted positionally into their two columns.
    VERIFY_DB(t.exec("INSERT INTO VALUTE VALUES (:A,:A)", {{"A", "EUR"}}));
    QCOMPARE(t.scalar("SELECT NAZIV FROM VALUTE WHERE OZNAKA = 'EUR'").toString(), QStringLiteral("EUR"));
    // Generators drawn by the screens exist.
    db::Transaction write(database);
    write.start();
    for (const char *gen : {"GEN_NALOZI_ID", "GEN_VOZILO_ID", "GEN_DJELATNICI_ID", "GEN_DRZAVE_ID",
                            "GEN_PARTNERI_ID", "GEN_ADPROMET_ID", "GEN_BLPOCSTANJE_ID"})
        VERIFY_DB(QCOMPARE(db::generatorValue(write, gen, 1), qint64(1)));
    write.rollback();
}

void tst_SchemaUpgrade::kilometreProcedures()
{
    db::Database database;
    TestDatabase t(database);
    // Order 1: sole driver 7, readings 0, 100, 350. Order 2: drivers 7 and 8,
    // all readings 0. Order 3: driver 8, no sections.
    const char *setup[] = {
        "INSERT INTO DJELATNICI (IDDJ, IMEPREZIME, VOZAC) VALUES (7, 'Horvat Ivan', 1)",
        "INSERT INTO DJELATNICI (IDDJ, IMEPREZIME, VOZAC) VALUES (8, 'Kovač Šime', 1)",
        "INSERT INTO NALOZI (IDNALOG, DATUM) VALUES (1, '2009-05-10')",
        "INSERT INTO NALOZI (IDNALOG, DATUM) VALUES (2, '2009-06-10')",
        "INSERT INTO NALOZI (IDNALOG, DATUM) VALUES (3, '2009-06-12')",
        "INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES (1, 7, 'Horvat Ivan', 0)",
        "INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES (2, 7, 'Horvat Ivan', 0)",
        "INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES (2, 8, 'Kovač Šime', 1)",
        "INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES (3, 8, 'Kovač Šime', 0)",
        "INSERT INTO DIONICE (IDNALOG, STANJEKM) VALUES (1, 100)",
        "INSERT INTO DIONICE (IDNALOG, STANJEKM) VALUES (1, 0)",
        "INSERT INTO DIONICE (IDNALOG, STANJEKM) VALUES (1, 350)",
        "INSERT INTO DIONICE (IDNALOG, STANJEKM) VALUES (2, 0)",
        "INSERT INTO DIONICE (IDNALOG, STANJEKM) VALUES (2, 0)",
    };
    for (const char *sql : setup)
        VERIFY_DB(t.exec(sql));

    const auto one = [&](const QString &sql) {
        const QVector<QVariantList> rows = t.rows(sql);
        return rows.size() == 1 ? rows.first() : QVariantList{QStringLiteral("rows: %1").arg(rows.size())};
    };
    QVariantList r;
    // GETKM counts every reading, zeros included; no sections: NULL.
    VERIFY_DB(r = one("SELECT KM FROM GETKM(1)"));
    QCOMPARE(r.value(0).toDouble(), 350.0);
    VERIFY_DB(r = one("SELECT KM FROM GETKM(2)"));
    QCOMPARE(r.value(0).toDouble(), 0.0);
    VERIFY_DB(r = one("SELECT KM FROM GETKM(3)"));
    QVERIFY(r.value(0).isNull());
    VERIFY_DB(r = one("SELECT (SELECT KM FROM GETKM(NALOZI.IDNALOG)) AS UK FROM NALOZI WHERE IDNALOG = 1"));
    QCOMPARE(r.value(0).toDouble(), 350.0);
    // GETKM2 counts readings above 0 only.
    VERIFY_DB(r = one("SELECT KM FROM GETKM2(1)"));
    QCOMPARE(r.value(0).toDouble(), 250.0);
    VERIFY_DB(r = one("SELECT KM FROM GETKM2(2)"));
    QVERIFY(r.value(0).isNull());

    // KMDJELATNIK2: order 1 alone, order 2 shared but without readings (adds 0).
    VERIFY_DB(r = one("SELECT IMEPREZIME, SAMOKM, PARKM, UKKM FROM KMDJELATNIK2(7, NULL, NULL)"));
    QCOMPARE(r.value(0).toString(), QStringLiteral("Horvat Ivan"));
    QCOMPARE(r.value(1).toDouble(), 250.0);
    QCOMPARE(r.value(2).toDouble(), 0.0);
    QCOMPARE(r.value(3).toDouble(), 250.0);
    // A period that leaves out order 1.
    VERIFY_DB(r = one("SELECT SAMOKM, PARKM, UKKM FROM KMDJELATNIK2(7, '2009-06-01', '2009-06-30')"));
    QCOMPARE(r, QVariantList({0.0, 0.0, 0.0}));
    // Driver 8: order 3 without sections adds 0 as well.
    VERIFY_DB(r = one("SELECT IMEPREZIME, SAMOKM, PARKM, UKKM FROM KMDJELATNIK2(8, NULL, NULL)"));
    QCOMPARE(r, QVariantList({QStringLiteral("Kovač Šime"), 0.0, 0.0, 0.0}));

    QVector<QVariantList> all;
    VERIFY_DB(all = t.rows("SELECT IMEPREZIME, UKKM FROM KMDJELATNICI(NULL, NULL) ORDER BY IMEPREZIME"));
    QCOMPARE(all.size(), 2);
    QCOMPARE(all[0], QVariantList({QStringLiteral("Horvat Ivan"), 250.0}));
    QCOMPARE(all[1], QVariantList({QStringLiteral("Kovač Šime"), 0.0}));
}

void tst_SchemaUpgrade::ratesValidAtDate()
{
    db::Database database;
    TestDatabase t(database);
    const char *rates[] = {
        "INSERT INTO TECAJ (DATUM, VALUTA, KURS) VALUES ('2009-01-01', 'EUR', 7.3)",
        "INSERT INTO TECAJ (DATUM, VALUTA, KURS) VALUES ('2009-02-01', 'EUR', 7.4)",
        "INSERT INTO TECAJ (DATUM, VALUTA, KURS) VALUES ('2009-02-01', 'EUR', 7.4)",
        "INSERT INTO TECAJ (DATUM, VALUTA, KURS) VALUES ('2009-03-01', 'EUR', 7.5)",
        "INSERT INTO TECAJ (DATUM, VALUTA, KURS) VALUES ('2009-01-15', 'USD', 5.6543210)",
        "INSERT INTO TECAJ (DATUM, VALUTA, KURS) VALUES ('2009-02-15', 'CHF', 4.9)",
    };
    for (const char *sql : rates)
        VERIFY_DB(t.exec(sql));
    const auto at = [&](const char *date) {
        QStringList result;
        for (const QVariantList &r : t.rows("SELECT * FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL",
                                            {{"DAT", QDate::fromString(date, Qt::ISODate)}}))
            result << r.value(0).toString() + '=' + QString::number(r.value(r.size() - 1).toDouble(), 'f', 7);
        result.sort();
        return result;
    };
    QStringList r;
    VERIFY_DB(r = at("2008-12-31"));
    QCOMPARE(r, QStringList());
    VERIFY_DB(r = at("2009-02-01"));
    QCOMPARE(r, QStringList({"EUR=7.4000000", "USD=5.6543210"}));
    VERIFY_DB(r = at("2009-02-28"));
    QCOMPARE(r, QStringList({"CHF=4.9000000", "EUR=7.4000000", "USD=5.6543210"}));
    VERIFY_DB(r = at("2009-03-01"));
    QCOMPARE(r, QStringList({"CHF=4.9000000", "EUR=7.5000000", "USD=5.6543210"}));

    QVariant kurs;
    VERIFY_DB(kurs = t.scalar("SELECT KURS FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL AND VALUTA=:VAL",
                              {{"DAT", QDate(2009, 1, 31)}, {"VAL", "EUR"}}));
    QCOMPARE(kurs.toDouble(), 7.3);
    VERIFY_DB(kurs = t.scalar("SELECT KURS FROM TECAJSVE(:DAT) WHERE KURS IS NOT NULL AND VALUTA=:VAL",
                              {{"DAT", QDate(2009, 1, 31)}, {"VAL", "CHF"}}));
    QVERIFY(kurs.isNull());
}

void tst_SchemaUpgrade::allowanceRatesValidAtDate()
{
    db::Database database;
    TestDatabase t(database);
    const char *setup[] = {
        "INSERT INTO DRZAVE (ID, DRZAVA, OZNAKA) VALUES (1, 'Njemačka', 'DE')",
        "INSERT INTO DRZAVE (ID, DRZAVA, OZNAKA) VALUES (2, 'Austrija', 'AT')",
        "INSERT INTO DRZAVE (ID, DRZAVA, OZNAKA) VALUES (3, 'Italija', 'IT')",
        "INSERT INTO DNEVNICE (IDDRZAVA, VRIJEDIOD, VALUTA, IZNOS) VALUES (1, '2009-01-01', 'EUR', 60)",
        "INSERT INTO DNEVNICE (IDDRZAVA, VRIJEDIOD, VALUTA, IZNOS) VALUES (1, '2009-06-01', 'EUR', 70)",
        "INSERT INTO DNEVNICE (IDDRZAVA, VRIJEDIOD, VALUTA, IZNOS) VALUES (2, '2009-01-01', 'EUR', 50)",
        "INSERT INTO DNEVNICE (IDDRZAVA, VRIJEDIOD, VALUTA, IZNOS) VALUES (2, '2009-05-01', 'EUR', 0)",
        "INSERT INTO DNEVNICE (IDDRZAVA, VRIJEDIOD, VALUTA, IZNOS) VALUES (3, '2009-07-01', 'EUR', 55)",
    };
    for (const char *sql : setup)
        VERIFY_DB(t.exec(sql));
    const auto at = [&](const char *sql, const char *date) {
        QStringList result;
        db::Transaction read(database);
        read.start();
        db::Query q(read, sql);
        q.bind("DAT", QDate::fromString(date, Qt::ISODate));
        q.open();
        while (q.next())
            result << q.value("DRZAVA").toString() + ' ' + QString::number(q.value("IZNOS").toDouble()) + ' '
                          + q.value("VALUTA").toString();
        return result;
    };
    QStringList r;
    VERIFY_DB(r = at("SELECT * FROM SVEDNEVNICE(:DAT) ORDER BY DRZAVA", "2009-06-01"));
    QCOMPARE(r, QStringList({"Austrija 0 EUR", "Njemačka 70 EUR"}));
    VERIFY_DB(r = at("SELECT * FROM SVEDNEVNICE(:DAT) WHERE IZNOS<>0 AND VALUTA IS NOT NULL", "2009-05-31"));
    QCOMPARE(r, QStringList({"Njemačka 60 EUR"}));
    VERIFY_DB(r = at("SELECT * FROM SVEDNEVNICE(:DAT) WHERE IZNOS<>0 AND VALUTA IS NOT NULL", "2009-04-30"));
    QCOMPARE(r, QStringList({"Austrija 50 EUR", "Njemačka 60 EUR"}));

    QVariant amount;
    VERIFY_DB(amount = t.scalar("SELECT IZNOS FROM SVEDNEVNICE(:DAT) WHERE DRZAVA=:DRZ",
                                {{"DAT", QDate(2009, 7, 1)}, {"DRZ", QStringLiteral("Italija")}}));
    QCOMPARE(amount.toDouble(), 55.0);
}

void tst_SchemaUpgrade::creatorRefusesExistingFile()
{
    db::Database database;
    TestDatabase t(database);
    t.close();
    const qint64 size = QFileInfo(t.path()).size();
    try {
        createKalvorDatabase(t.params());
        QFAIL("an existing database file was accepted");
    } catch (const db::DbError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("već postoji")), qPrintable(e.message()));
    }
    QCOMPARE(QFileInfo(t.path()).size(), size);
    VERIFY_DB(t.open());
}

QTEST_GUILESS_MAIN(tst_SchemaUpgrade)
#include "tst_schema_upgrade.moc"
