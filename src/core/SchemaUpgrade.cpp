#include "core/SchemaUpgrade.h"

#include "core/SchemaUpgradeStatements.h"
#include "core/db/Query.h"
#include "core/db/Script.h"

namespace kalvor {

namespace sql = upgradesql;

namespace {

bool contains(const QStringList &names, const QString &name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

QStringList readNames(db::Transaction &write, const QString &statement)
{
    write.ensureStarted();
    db::Query q(write, statement);
    QStringList names;
    q.open();
    while (q.next())
        names << q.value(0).toString().trimmed();
    q.close();
    return names;
}

QStringList columnsOf(db::Transaction &write, const QString &table)
{
    return readNames(write, sql::tableColumns(table));
}

bool countIsZero(db::Transaction &write, const QString &statement)
{
    write.ensureStarted();
    db::Query q(write, statement);
    return q.scalar().toLongLong() == 0;
}

void statement(db::Transaction &write, const QString &text)
{
    write.ensureStarted();
    db::executeImmediate(write, text);
}

void script(db::Transaction &write, const QString &text)
{
    write.ensureStarted();
    db::Script(write).execute(text);
}

// Ends the step. A step whose checks found nothing missing commits the
// transaction of its catalogue reads.
void commit(db::Transaction &write)
{
    if (write.isActive())
        write.commit();
}

void rollbackAfterFailure(db::Transaction &write)
{
    if (!write.isActive())
        return;
    try {
        write.rollback();
    } catch (const db::DbError &) {
        // The failure that got us here is the one to report.
    }
}

// A missing column of `columns` adds `additions` to `table` and commits.
void addColumnsWhenMissing(db::Transaction &write, const QStringList &columns, const QString &sentinel,
                           const QString &table, const QString &additions)
{
    if (contains(columns, sentinel))
        return;
    statement(write, sql::alterTable(table, additions));
    commit(write);
}

void createTables(db::Transaction &write, const QStringList &tables)
{
    // Steps 1 to 11: one group per missing sentinel table.
    if (!contains(tables, "NALOGVALUTA")) {
        statement(write, sql::createNalogValuta());
        commit(write);
    }
    const struct { const char *sentinel; QString (*script)(); } groups[] = {
        {"BLPROMET", sql::createBlPromet},   {"BLPOCSTANJE", sql::createBlPocStanje},
        {"ADPROMET", sql::createAdPromet},   {"OMD", sql::createOmd},
        {"VEVID", sql::createVehicleRecords}, {"RELACIJE", sql::createRelacije},
        {"RSATI", sql::createRSati},         {"APROMET", sql::createAPromet},
        {"DODLUKA", sql::createDOdluka},     {"DJNALOG", sql::createDjNalog},
    };
    for (const auto &group : groups) {
        if (contains(tables, QString::fromLatin1(group.sentinel)))
            continue;
        script(write, group.script());
        commit(write);
    }
}

void addColumns(db::Transaction &write)
{
    // Step 12.
    addColumnsWhenMissing(write, columnsOf(write, "VEVID"), "FINDATUM", "VEVID", "    ADD FINDATUM TIMESTAMP");
    commit(write);

    // Step 13.
    QStringList nalozi = columnsOf(write, "NALOZI");
    addColumnsWhenMissing(write, nalozi, "TKINGSTART", "NALOZI",
                          "    ADD TKINGSTART NUMERIC(10,2), ADD TKINGEND NUMERIC(10,2)");
    addColumnsWhenMissing(write, nalozi, "DNEV1IZNOS", "NALOZI",
                          "    ADD DNEV1IZNOS NUMERIC(7,3), ADD DNEV1VAL VARCHAR(5)");
    addColumnsWhenMissing(write, nalozi, "GBR", "NALOZI",
                          "    ADD GBR VARCHAR(10), ADD NUMSJ INTEGER, ADD GBR2 VARCHAR(10), ADD NUMSJ2 INTEGER");
    addColumnsWhenMissing(write, nalozi, "PRIMJ", "NALOZI", "    ADD PRIMJ VARCHAR(300)");
    addColumnsWhenMissing(write, nalozi, "LINID", "NALOZI", "    ADD LINID INTEGER");
    commit(write);

    // Step 14: an existing settlement table gets its flags, a missing one
    // is created whole.
    const QStringList obracun = columnsOf(write, "OBRACUN");
    if (obracun.isEmpty()) {
        script(write, sql::createObracun());
    } else if (!contains(obracun, "SAMOVOZAC")) {
        statement(write, sql::alterTable("OBRACUN", "    ADD SAMOVOZAC SMALLINT, ADD DNEVNICAVOZAC SMALLINT, "
                                                    "ADD DNEVNICAOSTALI SMALLINT"));
    }
    commit(write);

    // Steps 15 and 16: the direction code, filled from the old entry type,
    // and the voucher number.
    const QStringList blpromet = columnsOf(write, "BLPROMET");
    if (!contains(blpromet, "TIP2")) {
        statement(write, sql::alterTable("BLPROMET", "    ADD TIP2 SMALLINT"));
        commit(write);
        statement(write, "UPDATE BLPROMET SET TIP2=1 WHERE TIP=0");
        statement(write, "UPDATE BLPROMET SET TIP2=0 WHERE TIP=1");
        statement(write, "UPDATE BLPROMET SET TIP2=TIP WHERE (TIP<>1) AND (TIP<>0)");
    }
    commit(write);
    addColumnsWhenMissing(write, blpromet, "OBROJ", "BLPROMET", "    ADD OBROJ INTEGER");
    commit(write);

    // Step 17.
    nalozi = columnsOf(write, "NALOZI");
    addColumnsWhenMissing(write, nalozi, "RBR", "NALOZI", "    ADD TIP SMALLINT,ADD PODTIP SMALLINT,ADD RBR INTEGER");
    addColumnsWhenMissing(write, nalozi, "MULTIVAL", "NALOZI",
                          "    ADD MULTIVAL SMALLINT,ADD VAL1 VARCHAR(5),ADD VAL2 VARCHAR(5)");
    commit(write);

    // Steps 18 and 19.
    const QStringList vozilo = columnsOf(write, "VOZILO");
    if (!contains(vozilo, "GARBR")) {
        statement(write, sql::alterTable("VOZILO", "    ADD GARBR VARCHAR(10),ADD BRSASIJE VARCHAR(30),\n"
                                                   "    ADD BRSJED INTEGER, ADD GODPRO INTEGER, ADD GODPREG INTEGER, "
                                                   "ADD AKTIVNOALL SMALLINT"));
        statement(write, sql::alterTable("DJELATNICI",
                                         "    ADD ADRESA VARCHAR(100),ADD KONTAKT VARCHAR(100), ADD OSOBNA VARCHAR(20), "
                                         "ADD NAPOMENA BLOB SUB_TYPE 1 SEGMENT SIZE 1024, ADD AKTIVNOALL SMALLINT"));
        commit(write);
        script(write, sql::createBinTables());
    }
    commit(write);
    if (!contains(vozilo, "NAPOMENA")) {
        statement(write, sql::alterTable("VOZILO", "    ADD NAPOMENA BLOB SUB_TYPE 1 SEGMENT SIZE 1024"));
        statement(write, "ALTER TABLE VOZILO ALTER COLUMN NAPOMENA POSITION 8");
    }
    commit(write);

    // Step 20.
    addColumnsWhenMissing(write, columnsOf(write, "RACUNI"), "VRSTAGORIVA", "RACUNI",
                          "    ADD VRSTAGORIVA VARCHAR(60), ADD POM INTEGER");
    commit(write);

    // Step 21.
    addColumnsWhenMissing(write, columnsOf(write, "NALOZI"), "GARKM1", "NALOZI",
                          "    ADD GARKM1 NUMERIC(10,2), ADD GARKM2 NUMERIC(10,2)");
    commit(write);

    // Step 22.
    const QStringList djelatnici = columnsOf(write, "DJELATNICI");
    addColumnsWhenMissing(write, djelatnici, "MBR", "DJELATNICI",
                          "    ADD MBR INTEGER, ADD TIP INTEGER, ADD TIPS VARCHAR(30), ADD GRAD VARCHAR(70)");
    addColumnsWhenMissing(write, djelatnici, "ZAP", "DJELATNICI", "    ADD ZAP INTEGER, ADD ZAP2 INTEGER");
    commit(write);

    // Step 23.
    addColumnsWhenMissing(write, columnsOf(write, "VOZACI"), "NAL", "VOZACI", "    ADD NAL SMALLINT");
    commit(write);

    // Step 24.
    const QStringList djeakt = columnsOf(write, "DJEAKT");
    if (!contains(djeakt, "UTIP")) {
        script(write, sql::addDjeAktKey());
        commit(write);
    }
    if (!contains(djeakt, "RASKID")) {
        script(write, sql::addDjeAktRaskid());
        commit(write);
    }
    commit(write);

    // Step 25.
    nalozi = columnsOf(write, "NALOZI");
    addColumnsWhenMissing(write, nalozi, "ODLUKAID", "NALOZI", "    ADD ODLUKAID INTEGER");
    addColumnsWhenMissing(write, nalozi, "ODLUKAOPIS", "NALOZI",
                          "    ADD ODLUKAOPIS VARCHAR(400), ADD ODLUKAOZNAKA VARCHAR(50), ADD ODLUKAIZNOS "
                          "NUMERIC(10,4), ADD ODLUKAVAL VARCHAR(5)");
    commit(write);
}

void addIndexes(db::Transaction &write)
{
    // Step 26: NALOZI_IDX1 stands for all of these.
    if (countIsZero(write, sql::indexCount("NALOZI_IDX1"))) {
        for (const char *text : {
                 "CREATE INDEX NALOZI_IDX1 ON NALOZI (VOZILOID)", "CREATE INDEX NALOZI_IDX2 ON NALOZI (PRIKLJUCNOID)",
                 "CREATE INDEX NALOZI_IDX3 ON NALOZI (DATUM)", "CREATE INDEX NALOZI_IDX4 ON NALOZI (DATUMOBRADE)",
                 "CREATE INDEX DIONICE_IDX1 ON DIONICE (IDNALOG)", "CREATE INDEX RACUNI_IDX1 ON RACUNI (IDRAC)",
                 "CREATE INDEX RACUNI_IDX2 ON RACUNI (IDNALOG)", "CREATE INDEX AKONTACIJA_IDX1 ON AKONTACIJA (IDNALOG)",
                 "CREATE INDEX AKONTACIJA_IDX2 ON AKONTACIJA (IDDJELATNIK)",
                 "CREATE INDEX VOZACI_IDX1 ON VOZACI (IDNALOG)", "CREATE INDEX VOZACI_IDX2 ON VOZACI (VOZACID)"})
            statement(write, QString::fromLatin1(text));
    }
    commit(write);

    // Step 27: UTOVARIVACI_IDX1 stands for all of these.
    if (countIsZero(write, sql::indexCount("UTOVARIVACI_IDX1"))) {
        for (const char *text : {"CREATE INDEX UTOVARIVACI_IDX1 ON UTOVARIVACI (IDNALOG)",
                                 "CREATE INDEX UTOVARIVACI_IDX2 ON UTOVARIVACI (DJELATNIKID)",
                                 "CREATE INDEX UTOVARIVACI_IDX3 ON UTOVARIVACI (IMEPREZIME)",
                                 "CREATE INDEX VOZACI_IDX3 ON VOZACI (VOZACIME)"})
            statement(write, QString::fromLatin1(text));
    }
    commit(write);
}

void addProcedures(db::Transaction &write)
{
    // Step 28: the kilometre procedures of the employee report.
    const bool kmMissing = countIsZero(write, sql::procedureCount("KMDJELATNIK"));
    commit(write);
    if (kmMissing) {
        script(write, sql::createKmDjelatnik());
        script(write, sql::createKmDjelatnik2());
        script(write, sql::createKmDjelatnici());
        commit(write);
    }

    // Step 29: GETKM2, and KMDJELATNIK2 counting only readings above 0.
    const bool getKm2Missing = countIsZero(write, sql::procedureCount("GETKM2"));
    commit(write);
    if (getKm2Missing) {
        script(write, sql::createGetKm2());
        script(write, sql::alterKmDjelatnik2());
        commit(write);
    }
}

} // namespace

QStringList readUserTables(db::Transaction &write)
{
    try {
        QStringList tables = readNames(write, sql::userTables());
        commit(write);
        return tables;
    } catch (...) {
        rollbackAfterFailure(write);
        throw;
    }
}

void UpgradeSchema(db::Transaction &write, const QStringList &tableNames)
{
    try {
        createTables(write, tableNames);
        addColumns(write);
        addIndexes(write);
        addProcedures(write);
    } catch (...) {
        // The failed step leaves nothing behind; committed steps stay.
        rollbackAfterFailure(write);
        throw;
    }
}

} // namespace kalvor
