#include "core/SchemaUpgradeStatements.h"

#include <QStringList>

namespace kalvor::upgradesql {

namespace {

QString lines(const QStringList &parts)
{
    return parts.join(QLatin1Char('\n'));
}

// A CREATE TABLE statement of a script, one column per line.
QString table(const QString &name, const QStringList &columns)
{
    return QStringLiteral("CREATE TABLE %1 (\n    %2);").arg(name, columns.join(QStringLiteral(",\n    ")));
}

QString generator(const QString &name)
{
    return QStringLiteral("CREATE GENERATOR %1;").arg(name);
}

QString primaryKey(const QString &tableName, const QString &column)
{
    return QStringLiteral("ALTER TABLE %1 ADD PRIMARY KEY (%2);").arg(tableName, column);
}

QString index(const QString &name, const QString &tableName, const QString &column)
{
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3);").arg(name, tableName, column);
}

const QString setTermCaret = QStringLiteral("SET TERM ^ ; ");
const QString setTermSemicolon = QStringLiteral("SET TERM ; ^ ");

// The trigger that fills a key from its generator when an insert leaves it
// NULL; written for the "^" terminator.
QString idTrigger(const QString &tableName, const QString &key, const QString &gen)
{
    return lines({
        QStringLiteral("CREATE TRIGGER %1_BI FOR %1 ACTIVE BEFORE INSERT POSITION 0 AS").arg(tableName),
        QStringLiteral("BEGIN"),
        QStringLiteral("  IF (NEW.%1 IS NULL) THEN      NEW.%1 = GEN_ID(%2,1); END^ ").arg(key, gen),
    });
}

const QStringList blPrometColumns = {
    "IDBP INTEGER NOT NULL", "DATVRI TIMESTAMP DEFAULT 'NOW'", "DATUM DATE", "IZNOS NUMERIC(7,2)",
    "TIP SMALLINT DEFAULT 0 NOT NULL", "IDNALOG INTEGER", "IDRADNIK INTEGER", "OPIS VARCHAR(200)",
    "RADNIK VARCHAR(70)", "OZNAKA VARCHAR(20)", "NOZNAKA VARCHAR(12)", "PROMJENA TIMESTAMP",
    "VALUTA VARCHAR(5)", "AUT SMALLINT",
};

} // namespace

QString userTables()
{
    return QStringLiteral("Select RDB$RELATION_NAME from RDB$RELATIONS  where RDB$VIEW_BLR is NULL and "
                          "RDB$SYSTEM_FLAG = 0 ORDER BY RDB$RELATION_NAME");
}

QString tableColumns(const QString &tableName)
{
    return QStringLiteral("Select R.RDB$FIELD_NAME from RDB$RELATION_FIELDS R, RDB$FIELDS F where "
                          "R.RDB$RELATION_NAME = '")
        + tableName + QStringLiteral("' ") + QStringLiteral("and R.RDB$FIELD_SOURCE = F.RDB$FIELD_NAME ")
        + QStringLiteral("ORDER BY RDB$FIELD_POSITION");
}

QString indexCount(const QString &indexName)
{
    return QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME='%1'").arg(indexName);
}

QString procedureCount(const QString &procedure)
{
    return QStringLiteral("SELECT COUNT(*) FROM RDB$PROCEDURES WHERE RDB$PROCEDURE_NAME='%1'").arg(procedure);
}

QString createNalogValuta()
{
    return lines({
        QStringLiteral("CREATE TABLE NALOGVALUTA ("),
        QStringLiteral("    IDNALOG INTEGER NOT NULL, VALUTA  VARCHAR(5) NOT NULL, KURS    NUMERIC(16,7) NOT NULL)"),
    });
}

QString createBlPromet()
{
    return lines({
        generator("GEN_BLPROMET_ID"),
        table("BLPROMET", blPrometColumns),
        QStringLiteral("ALTER TABLE BLPROMET ADD PRIMARY KEY (IDBP);"),
        QStringLiteral("CREATE INDEX BLPROMET_TIP1 ON BLPROMET (TIP);"),
        QStringLiteral("CREATE INDEX BLPROMET_IDNALOG1 ON BLPROMET (IDNALOG);"),
        QStringLiteral("CREATE INDEX BLPROMET_IDX1 ON BLPROMET (DATUM); "),
        setTermCaret,
        QStringLiteral("CREATE TRIGGER BLPROMET_BI FOR BLPROMET ACTIVE BEFORE INSERT POSITION 0 AS"),
        QStringLiteral("BEGIN"),
        QStringLiteral("  IF (NEW.IDBP IS NULL) THEN      NEW.IDBP = GEN_ID(GEN_BLPROMET_ID,1); END^ "),
        setTermSemicolon,
    });
}

QString createBlPocStanje()
{
    return lines({
        generator("GEN_BLPOCSTANJE_ID"),
        table("BLPOCSTANJE", {"IDSTANJE INTEGER", "VALUTA VARCHAR(5)", "GODINA INTEGER", "IZNOS NUMERIC(7,2)",
                              "DATUM DATE"}),
    });
}

QString createAdPromet()
{
    return lines({
        generator("GEN_ADPROMET_ID"),
        table("ADPROMET", {"IDAP INTEGER NOT NULL", "DATVRI TIMESTAMP DEFAULT 'NOW'", "DATUM DATE",
                           "IZNOS NUMERIC(7,2)", "TIP SMALLINT DEFAULT 0 NOT NULL", "IDRADNIK INTEGER",
                           "OPIS VARCHAR(200)", "RADNIK VARCHAR(70)", "OZNAKA VARCHAR(20)", "VALUTA VARCHAR(5)",
                           "AD1 SMALLINT"}),
        primaryKey("ADPROMET", "IDAP"),
        index("ADPROMET_TIP1", "ADPROMET", "TIP"),
        index("ADPROMET_DATUM", "ADPROMET", "DATUM"),
        index("ADPROMET_RADNIK", "ADPROMET", "IDRADNIK"),
        index("ADPROMET_VALUTA", "ADPROMET", "VALUTA"),
    });
}

QString createOmd()
{
    return lines({
        table("OMD", {"IDNALOG INTEGER NOT NULL", "DATA BLOB SUB_TYPE 1 SEGMENT SIZE 2048"}),
        QStringLiteral("CREATE INDEX OMD_NALOG ON OMD (IDNALOG);"),
    });
}

QString createVehicleRecords()
{
    return lines({
        generator("GEN_VEVID_ID"),
        generator("GEN_VZADUZENJA_ID"),
        generator("GEN_VPOTROSNJA_ID"),
        table("VEVID", {"IDEV INTEGER NOT NULL", "DATVRI TIMESTAMP DEFAULT 'NOW'", "DATUM DATE", "DOD TIMESTAMP",
                        "DDO TIMESTAMP", "TIP SMALLINT", "STANJEKM NUMERIC(7,2)", "IZNOS NUMERIC(7,2)",
                        "RACUN VARCHAR(20)", "PDV NUMERIC(7,2)", "SATI NUMERIC(7,2)", "FIRMA VARCHAR(50)",
                        "SERVISER VARCHAR(70)", "DJELATNIK VARCHAR(70)", "OPIS VARCHAR(220)", "OPIS2 VARCHAR(80)",
                        "STANJEKM2 NUMERIC(7,2)", "VOZILO VARCHAR(50)", "REGOZNAKA VARCHAR(20)", "VOZILOID INTEGER",
                        "PODTIP SMALLINT", "UNIO VARCHAR(40)", "RBR INTEGER", "ALERT SMALLINT",
                        "FINDATUM TIMESTAMP"}),
        primaryKey("VEVID", "IDEV"),
        index("VEVID_TIP1", "VEVID", "TIP"),
        index("VEVID_IDX1", "VEVID", "DATUM"),
        index("VEVID_IDX2", "VEVID", "VOZILOID"),
        table("VZADUZENJA", {"IDZ INTEGER NOT NULL", "DATVRI TIMESTAMP DEFAULT 'NOW'", "DATUM TIMESTAMP",
                             "VOZILOID INTEGER", "OPIS VARCHAR(200)", "RAZDUZENO TIMESTAMP", "RAZOPIS VARCHAR(200)",
                             "PONOVNO SMALLINT", "ZDJELATNIK VARCHAR(40)", "RDJELATNIK VARCHAR(40)"}),
        primaryKey("VZADUZENJA", "IDZ"),
        index("VZADUZENJA_IDX1", "VZADUZENJA", "VOZILOID"),
        index("VZADUZENJA_IDX2", "VZADUZENJA", "DATUM"),
        table("VPOTROSNJA", {"IDVP INTEGER NOT NULL", "DATVRI TIMESTAMP DEFAULT 'NOW'", "DATUM TIMESTAMP",
                             "VOZILOID INTEGER", "OPIS VARCHAR(80)", "TIP SMALLINT", "KOLICINA NUMERIC(7,3)",
                             "UNIO VARCHAR(40)"}),
        primaryKey("VPOTROSNJA", "IDVP"),
        index("VPOTROSNJA_IDX1", "VPOTROSNJA", "VOZILOID"),
        index("VPOTROSNJA_IDX2", "VPOTROSNJA", "DATUM"),
        index("VPOTROSNJA_IDX3", "VPOTROSNJA", "TIP"),
        setTermCaret,
        idTrigger("VEVID", "IDEV", "GEN_VEVID_ID"),
        idTrigger("VZADUZENJA", "IDZ", "GEN_VZADUZENJA_ID"),
        idTrigger("VPOTROSNJA", "IDVP", "GEN_VPOTROSNJA_ID"),
        setTermSemicolon,
    });
}

QString createRelacije()
{
    return lines({
        generator("GEN_RELACIJE_ID"),
        table("RELACIJE", {"IDREL INTEGER NOT NULL", "OPIS VARCHAR(240)", "TIP SMALLINT"}),
        table("RDIONICA", {"IDREL INTEGER", "DIONICA VARCHAR(60)", "RKM NUMERIC(7,2)", "RVRI TIMESTAMP"}),
        primaryKey("RELACIJE", "IDREL"),
        index("RDIONICA_REL", "RDIONICA", "IDREL"),
        index("RELACIJE_TIP", "RELACIJE", "TIP"),
        setTermCaret,
        idTrigger("RELACIJE", "IDREL", "GEN_RELACIJE_ID"),
        setTermSemicolon,
    });
}

QString createRSati()
{
    return lines({
        table("RSATI", {"IDNALOG INTEGER", "IDVOZAC INTEGER", "IDVOZAC2 INTEGER", "IDDIONICA INTEGER",
                        "UKVOZNJA TIMESTAMP", "UKVOZEF TIMESTAMP", "UKNOC TIMESTAMP", "VOZEF TIMESTAMP",
                        "NOCEF TIMESTAMP", "VOZEF2 TIMESTAMP", "NOCEF2 TIMESTAMP", "DIONICA VARCHAR(60)",
                        "DATUM DATE"}),
        index("RSATI_IDX1", "RSATI", "IDNALOG"),
        index("RSATI_IDX2", "RSATI", "IDVOZAC"),
    });
}

QString createAPromet()
{
    return lines({
        generator("GEN_APROMET_ID"),
        table("APROMET", {"IDNALOG INTEGER", "IDAP INTEGER", "IDLINIJA INTEGER", "DATUM TIMESTAMP",
                          "SMJER VARCHAR(200)", "VOZAC1 VARCHAR(80)", "VOZAC2 VARCHAR(80)", "PRIMIO1 VARCHAR(80)",
                          "PRIMIO2 VARCHAR(80)", "PREDAO1 VARCHAR(80)", "PREDAO2 VARCHAR(80)", "UK1 INTEGER",
                          "UK2 INTEGER", "UK3 INTEGER", "UK4 INTEGER"}),
        table("APZADUZ", {"IDAPR INTEGER", "TIP SMALLINT", "N_OD INTEGER", "N_DO INTEGER", "S_OD VARCHAR(40)",
                          "S_DO VARCHAR(40)"}),
        table("APBROJ", {"IDAPR INTEGER", "RBR INTEGER", "BR1 INTEGER", "BR2 INTEGER", "MJESTO VARCHAR(60)",
                         "SMJER SMALLINT"}),
        index("APROMET_IDX1", "APROMET", "IDNALOG"),
        index("APZADUZ_IDX1", "APZADUZ", "IDAPR"),
        index("APBROJ_IDX1", "APBROJ", "IDAPR"),
        table("RSTANICE", {"IDREL INTEGER", "MJESTO VARCHAR(60)", "SMJER SMALLINT"}),
        index("RSTANICE_IDX1", "RSTANICE", "IDREL"),
    });
}

QString createDOdluka()
{
    return lines({
        generator("GEN_DODLUKA_ID"),
        table("DODLUKA", {"IDODLUKA INTEGER NOT NULL", "DATVRI TIMESTAMP DEFAULT 'NOW'", "OZNAKA VARCHAR(50)",
                          "OPIS VARCHAR(400)", "VRIJEDIOD TIMESTAMP", "VRIJEDIDO TIMESTAMP", "IZNOS NUMERIC(10,4)",
                          "VALUTA VARCHAR(5)", "AKTIV SMALLINT", "DEL SMALLINT"}),
        table("RELODLUKE", {"IDODLUKA INTEGER", "IDRELACIJA INTEGER"}),
        primaryKey("DODLUKA", "IDODLUKA"),
        setTermCaret,
        idTrigger("DODLUKA", "IDODLUKA", "GEN_DODLUKA_ID"),
        setTermSemicolon,
        index("RO_IDX1", "RELODLUKE", "IDODLUKA"),
        index("RO_IDX2", "RELODLUKE", "IDRELACIJA"),
    });
}

QString createDjNalog()
{
    return lines({
        generator("GEN_DJNALOG_ID"),
        table("DJNALOG", {"IDN INTEGER NOT NULL", "DATVRI TIMESTAMP DEFAULT 'NOW'", "OZNAKA VARCHAR(20)",
                          "IDPLIST INTEGER", "IDDJ INTEGER", "NOZNAKA INTEGER", "O2 VARCHAR(40)",
                          "NAPOMENA VARCHAR(300)"}),
        primaryKey("DJNALOG", "IDN"),
        setTermCaret,
        idTrigger("DJNALOG", "IDN", "GEN_DJNALOG_ID"),
        setTermSemicolon,
        index("DJN_IDX1", "DJNALOG", "IDPLIST"),
        index("DJN_IDX2", "DJNALOG", "IDDJ"),
    });
}

QString alterTable(const QString &tableName, const QString &additions)
{
    return QStringLiteral("ALTER TABLE ") + tableName + QStringLiteral(" \n") + additions;
}

QString createObracun()
{
    return table("OBRACUN", {"IDNALOG INTEGER NOT NULL", "VALUTAKM VARCHAR(5)", "CIJENAKM NUMERIC(7,3)",
                             "VALUTAALL VARCHAR(5)", "CIJENAALL NUMERIC(7,3)", "POSTOTAK NUMERIC(7,3)",
                             "FIXVALUTA VARCHAR(5)", "FIXVAL NUMERIC(7,3)", "NACINOBRACUNA SMALLINT",
                             "FIKSALL NUMERIC(7,3)", "FIXALLVALUTA VARCHAR(5)", "SAMOVOZAC SMALLINT",
                             "DNEVNICAVOZAC SMALLINT", "DNEVNICAOSTALI SMALLINT"});
}

QString createBinTables()
{
    return lines({
        generator("GEN_VOZILOBIN_ID"),
        table("VOZAKT", {"IDVOZ INTEGER NOT NULL", "D1 TIMESTAMP", "D2 TIMESTAMP", "OPIS VARCHAR(40)"}),
        table("DJEAKT", {"IDDJ INTEGER NOT NULL", "D1 TIMESTAMP", "D2 TIMESTAMP", "OPIS VARCHAR(40)"}),
        table("VOZILOBIN", {"IDVOZ INTEGER NOT NULL", "IDBIN INTEGER NOT NULL", "OPIS VARCHAR(40)",
                            "DAT BLOB SUB_TYPE 0 SEGMENT SIZE 1024"}),
        primaryKey("VOZILOBIN", "IDBIN"),
        generator("GEN_DJELBIN_ID"),
        table("DJELBIN", {"IDDJ INTEGER NOT NULL", "IDBIN INTEGER NOT NULL", "OPIS VARCHAR(40)",
                          "DAT BLOB SUB_TYPE 0 SEGMENT SIZE 1024"}),
        primaryKey("DJELBIN", "IDBIN"),
        index("VOZAKT_IDV", "VOZAKT", "IDVOZ"),
        index("DJEAKT_IDD", "DJEAKT", "IDDJ"),
        index("VOZILOBIN_IDX1", "VOZILOBIN", "IDVOZ"),
        index("DJELBIN_IDX1", "DJELBIN", "IDDJ"),
        setTermCaret,
        idTrigger("VOZILOBIN", "IDBIN", "GEN_VOZILOBIN_ID"),
        idTrigger("DJELBIN", "IDBIN", "GEN_DJELBIN_ID"),
        setTermSemicolon,
    });
}

QString addDjeAktKey()
{
    return lines({
        generator("GEN_DJEAKT_ID"),
        QStringLiteral("ALTER TABLE DJEAKT ADD UTIP SMALLINT, ADD NAPOMENA VARCHAR(300), ADD IDS INTEGER NOT NULL;"),
        QStringLiteral("ALTER TABLE DJEAKT ADD PRIMARY KEY (IDS);"),
        setTermCaret,
        idTrigger("DJEAKT", "IDS", "GEN_DJEAKT_ID"),
        setTermSemicolon,
    });
}

QString addDjeAktRaskid()
{
    return QStringLiteral("ALTER TABLE DJEAKT ADD RASKID TIMESTAMP, ADD OZNAKA VARCHAR(40);");
}

namespace {

// Lines shared by the versions of KMDJELATNIK and KMDJELATNIK2.
const QString kmDeclarations = QStringLiteral(
    "AS DECLARE VARIABLE POMNALOG INTEGER; DECLARE VARIABLE NUM INTEGER; DECLARE VARIABLE PKM1 NUMERIC(10,2);");
const QString kmOrderLoop =
    QStringLiteral("  for select distinct IDNALOG from vozaci where vozacid=:iddj into :pomnalog do ");

// KMDJELATNIK2 from its second line on; `positiveOnly` gives the body that
// counts only readings above 0 and takes 0 for an order without them.
QStringList kmDjelatnik2Tail(bool positiveOnly)
{
    QStringList body = {
        QStringLiteral("(IMEPREZIME VARCHAR(70),SAMOKM NUMERIC(10,2), PARKM NUMERIC(10,2),UKKM NUMERIC(10,2))"),
        kmDeclarations,
        QStringLiteral("DECLARE VARIABLE PD DATE;"),
        QStringLiteral("begin     SAMOKM=0;      PARKM=0;       UKKM=0; "),
        kmOrderLoop,
        QStringLiteral("  begin      select count(*) from vozaci where idnalog=:pomnalog into :num;   "),
        QStringLiteral("    pkm1=0;    "),
        QStringLiteral(" if (d1 is null) then     begin   "),
        positiveOnly
            ? QStringLiteral("        select max(stanjekm)-min(stanjekm) from dionice where idnalog=:pomnalog "
                             "and stanjekm>0 into :pkm1;")
            : QStringLiteral("        select max(stanjekm)-min(stanjekm) from dionice where idnalog=:pomnalog "
                             "into :pkm1;"),
        QStringLiteral("    end  "),
        QStringLiteral("    if (d1 is not null) then      begin "),
        QStringLiteral("       select datum from nalozi where idnalog=:pomnalog into :pd;  "),
        QStringLiteral("        if ((pd>=D1) and (pd<=D2)) then  "),
        QStringLiteral("        begin  "),
        positiveOnly
            ? QStringLiteral("           select max(stanjekm)-min(stanjekm) from dionice where idnalog=:pomnalog "
                             "and stanjekm>0 into :pkm1; ")
            : QStringLiteral("           select max(stanjekm)-min(stanjekm) from dionice where idnalog=:pomnalog  "
                             "into :pkm1; "),
        QStringLiteral("        end "),
        QStringLiteral("    end"),
    };
    if (positiveOnly)
        body << QStringLiteral("    if (pkm1 is null) then pkm1=0;");
    body << QStringLiteral("    if (num=1) then samokm=samokm+pkm1; else parkm=parkm+pkm1; ")
         << QStringLiteral("  end   ")
         << QStringLiteral("  ukkm=samokm+parkm; ")
         << QStringLiteral("  select imeprezime from djelatnici where iddj=:iddj into :imeprezime;")
         << QStringLiteral("  suspend;  end");
    return body;
}

} // namespace

QString createKmDjelatnik()
{
    return lines({
        QStringLiteral("CREATE PROCEDURE KMDJELATNIK (IDDJ INTEGER,D1 DATE,D2 DATE) RETURNS (SAMOKM NUMERIC(10,2),"
                       "PARKM NUMERIC(10,2))"),
        kmDeclarations,
        QStringLiteral("declare variable pd date; "),
        QStringLiteral("begin      SAMOKM=0;      PARKM=0;   "),
        kmOrderLoop,
        QStringLiteral("  begin      select count(*) from vozaci where idnalog=:pomnalog into :num;  "),
        QStringLiteral("    pkm1=0; "),
        QStringLiteral("  if (d1 is null) then     begin    "),
        QStringLiteral("        select max(stanjekm)-min(stanjekm) from dionice where idnalog=:pomnalog into :pkm1; "),
        QStringLiteral("  end    if (d1 is not null) then      begin"),
        QStringLiteral("       select datum from nalozi where idnalog=:pomnalog into :pd;    "),
        QStringLiteral("         if ((pd>=D1) and (pd<=D2)) then            begin "),
        QStringLiteral("         select max(stanjekm)-min(stanjekm) from dionice where idnalog=:pomnalog  "
                       "into :pkm1;  "),
        QStringLiteral("        end                end "),
        QStringLiteral("    if (num=1) then samokm=samokm+pkm1; else parkm=parkm+pkm1;     end     suspend;end "),
    });
}

QString createKmDjelatnik2()
{
    return lines(QStringList{QStringLiteral("CREATE PROCEDURE KMDJELATNIK2 (IDDJ INTEGER,D1 DATE,D2 DATE) RETURNS ")}
                 + kmDjelatnik2Tail(false));
}

QString createKmDjelatnici()
{
    return lines({
        QStringLiteral("CREATE PROCEDURE KMDJELATNICI (    D1 DATE,    D2 DATE)  RETURNS ("),
        QStringLiteral("    IMEPREZIME VARCHAR(70),     SAMOKM NUMERIC(10,2),     PARKM NUMERIC(10,2),      "
                       "UKKM NUMERIC(10,2))"),
        QStringLiteral("AS   DECLARE VARIABLE POMNALOG INTEGER;  "),
        QStringLiteral("begin "),
        QStringLiteral("  for select distinct vozacid from vozaci into :pomnalog do   begin   "),
        QStringLiteral("    select imeprezime,samokm,parkm,ukkm from kmdjelatnik2(:pomnalog,:d1,:d2) into "
                       ":imeprezime,:samokm,:parkm,:ukkm;"),
        QStringLiteral("    suspend;   end    end "),
    });
}

QString createGetKm2()
{
    return lines({
        QStringLiteral("SET TERM ^ ; "),
        QStringLiteral(" CREATE PROCEDURE GETKM2 (ID INTEGER) RETURNS (KM NUMERIC(10,2))"),
        QStringLiteral("AS DECLARE VARIABLE POM1 NUMERIC(10,2); DECLARE VARIABLE POM2 NUMERIC(10,2); "),
        QStringLiteral("begin   pom1=0;     pom2=0;  "),
        QStringLiteral(" SELECT MIN(STANJEKM) FROM DIONICE WHERE DIONICE.IDNALOG=:ID AND STANJEKM>0 into pom1; "),
        QStringLiteral(" SELECT MAX(STANJEKM) FROM DIONICE WHERE DIONICE.IDNALOG=:ID AND STANJEKM>0 into pom2; "),
        QStringLiteral("  km=pom2-pom1;   suspend; end   ^   SET TERM ; ^  "),
        QStringLiteral("GRANT SELECT ON DIONICE TO PROCEDURE GETKM;"),
        QStringLiteral("GRANT EXECUTE ON PROCEDURE GETKM TO SYSDBA;"),
    });
}

QString alterKmDjelatnik2()
{
    return lines(QStringList{QStringLiteral("ALTER PROCEDURE KMDJELATNIK2 (IDDJ INTEGER,D1 DATE,D2 DATE) RETURNS ")}
                 + kmDjelatnik2Tail(true));
}

} // namespace kalvor::upgradesql
