#include "core/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalvor;
using Kind = Settings::Kind;
using Group = Settings::Group;

Q_DECLARE_METATYPE(Settings::Kind)
Q_DECLARE_METATYPE(Settings::Group)

namespace {

struct Expected
{
    const char *name;
    Kind kind;
    QVariant value;
    Group group = Group::Main;
};

Expected printing(Expected e)
{
    e.group = Group::PrintEvSetup;
    return e;
}

// Every setting with the value a store without any value must yield.
QVector<Expected> expectedDefaults()
{
    const QString logo = QDir(QCoreApplication::applicationDirPath()).filePath("logotip.bmp");
    return {
        {"DB", Kind::Text, QString()},
        {"USER", Kind::Text, QString("SYSDBA")},
        {"USER2", Kind::Scrambled, QString("korimatno")},
        {"Prompt", Kind::Flag, 0},
        {"Local", Kind::Flag, 1},
        {"Server", Kind::Text, QString()},
        {"Naslov", Kind::Text, QString("Prijevozničko poduzeće - cestovni prijevoz tereta - Mjesto")},
        {"BackTitleColor", Kind::Integer, 128},
        {"FontTitleColor", Kind::Integer, 65535},
        {"Tvrtka", Kind::Text, QString("Prijevozničko poduzeće")},
        {"TAdresa", Kind::Text, QString("Ulica i kućni broj")},
        {"TSjediste", Kind::Text, QString("Mjesto")},
        {"TMBR", Kind::Text, QString()},
        {"THead", Kind::Text, QString()},
        {"MjObracun", Kind::Text, QString()},
        {"LogoPrint", Kind::Text, logo},
        {"SlovaValuta", Kind::Text, QString("kuna")},
        {"SlovaStoti", Kind::Text, QString("lipa")},
        {"SlovaVeznik", Kind::Text, QString("i")},
        {"DefValuta", Kind::Text, QString()},
        {"AltValuta", Kind::Text, QString()},
        {"CijenaKm", Kind::Number, 0.18},
        {"Postotak", Kind::Number, 15.0},
        {"CijenaKm2", Kind::Number, 0.5},
        {"ObracunKm", Kind::Flag, 0},
        {"ObracunPostotak", Kind::Flag, 0},
        {"ObracunFiksno", Kind::Flag, 0},
        {"ObracunDnevnice", Kind::Flag, 1},
        {"ObracunOMD", Kind::Flag, 0},
        {"ZaradaSamoVozacu", Kind::Flag, 0},
        {"HideAlternativni", Kind::Flag, 1},
        {"AltValuta2", Kind::Flag, 0},
        {"VozacDnevnice", Kind::Flag, 0},
        {"OstaliDnevnice", Kind::Flag, 1},
        {"MultiValuta", Kind::Flag, 0},
        {"DoubleAlternativno", Kind::Flag, 0},
        {"12Dnevnica", Kind::Integer, 1},
        {"8Dnevnica", Kind::Integer, 1},
        {"DnevniceKALVOR", Kind::Flag, 1},
        {"DnevniceOld", Kind::Flag, 0},
        {"Preostalo0", Kind::Flag, 0},
        {"DnevniceDetails", Kind::Flag, 0},
        {"DnevCorrect", Kind::Flag, 1},
        {"AutomatskaOznaka", Kind::Flag, 1},
        {"Oznaka_tip", Kind::Integer, 0},
        {"Oznaka_separator", Kind::Text, QString("/")},
        {"Oznaka_prefiks", Kind::Text, QString()},
        {"Oznaka_sufiks", Kind::Text, QString()},
        {"OznakaDatum", Kind::Integer, 0},
        {"VozacRacuni", Kind::Flag, 1},
        {"PrintOMD", Kind::Flag, 1},
        {"NemaDnevnicaOznaka", Kind::Text, QString("/")},
        {"IspisiSateDane", Kind::Flag, 1},
        {"LMargina", Kind::Text, QString()},
        {"RMargina", Kind::Text, QString()},
        {"UMargina", Kind::Text, QString()},
        {"BMargina", Kind::Text, QString()},
        {"PrintNewNalog", Kind::Flag, 1},
        {"NalogVozilaDodatak", Kind::Flag, 1},
        {"AutoBlagajna", Kind::Flag, 0},
        {"BlagajnePoValuti", Kind::Flag, 0},
        {"AkontacijaDatumObracuna", Kind::Flag, 1},
        {"AkontacijaProvjera", Kind::Flag, 1},
        {"IsplataAk", Kind::Text, QString("Nalog za isplatu akontacije")},
        {"UplataAk", Kind::Text, QString("Povrat/uplata akontacije")},
        {"TrosakRacuni", Kind::Text, QString("Isplata troška gotovinskih računa")},
        {"IsplataDn", Kind::Text, QString("Isplata dnevnica")},
        {"UplOznaka", Kind::Text, QString("UP-__")},
        {"IspOznaka", Kind::Text, QString("IS-__")},
        {"BDUkupnaSuma", Kind::Flag, 0},
        {"BDStranicaSuma", Kind::Flag, 0},
        {"BrojDanaDelta", Kind::Integer, 7},
        {"BrojKmDelta", Kind::Integer, 500},
        {"AutoStatus", Kind::Flag, 0},
        {"ZadaceDefault", Kind::Text, QString("PREVOZ TERETA")},
        {"OpisRacunaDefault", Kind::Text, QString()},
        {"UKoristDefault", Kind::Text,
         QString("Putarina RH\nPutarina SLO\nTerminal BiH\nTerminal HR\nTerminal SLO")},
        {"PopuniKm", Kind::Flag, 0},
        {"PovratakOff", Kind::Flag, 1},
        {"PrikaziDetalje", Kind::Flag, 1},
        {"AutomatskaDjelatnik", Kind::Flag, 1},
        {"Oznaka_Djtip", Kind::Integer, 0},
        {"OznakaPomak", Kind::Integer, QString()},
        {"AutoGenerator", Kind::Flag, 1},
        {"NeVremenaNalog", Kind::Flag, 1},
        {"v2Vremena", Kind::Flag, 1},
        {"v2Parcijalni", Kind::Flag, 1},
        {"PrintAllDjelatnici", Kind::Flag, 0},
        {"ReduciraniNalogDjelatnika", Kind::Flag, 1},
        {"DjNalogVrstaVozila", Kind::Flag, 1},
        {"KnIspis", Kind::Flag, 1},
        {"VodiBlagajnu", Kind::Flag, 1},
        {"DjNalogNaziv", Kind::Text, QString("NALOG ZA SLUŽBENO PUTOVANJE")},
        {"TrajanjePuta", Kind::Integer, 1},
        {"NovoAktivni", Kind::Flag, 0},
        {"NoviNalogZaduziKarte", Kind::Flag, 1},
        {"DatumNalogaIzrada", Kind::Flag, 1},
        {"AutoDatumOdlazak", Kind::Flag, 1},
        {"AutoDeltaOdlazak", Kind::Integer, 1},
        {"DozvoliBezDionice", Kind::Flag, 1},
        {"InicijalnaDionica", Kind::Flag, 0},
        {"OpisInicijalna", Kind::Text, QString("Garaža")},
        {"PDVKarte", Kind::Number, 18.03279},
        printing({"EPNLogoPrint", Kind::Flag, 1}),
        printing({"EVPrintL", Kind::Integer, 10}),
        printing({"EVPrintR", Kind::Integer, 10}),
        printing({"EVPrintT", Kind::Integer, 5}),
        printing({"EVPrintB", Kind::Integer, 5}),
        printing({"EVPisac", Kind::Text, QString()}),
        printing({"EVShowBefore", Kind::Flag, 0}),
        printing({"EVERLinije", Kind::Flag, 0}),
        printing({"EVECLinije", Kind::Flag, 0}),
        printing({"EVENaslov", Kind::Flag, 1}),
        printing({"EVEMultiColor", Kind::Flag, 1}),
        printing({"EVE0Boja", Kind::Integer, 15658734}),
        printing({"EVE1Boja", Kind::Integer, 0xFFFFFF}),
        printing({"EVLogoSvaka", Kind::Flag, 0}),
        printing({"EVDatumVrijeme", Kind::Flag, 0}),
        printing({"EVPageNum", Kind::Flag, 1}),
    };
}

const QList<QPair<QString, QString>> expectedJournalTexts{
    {"Naslov", "DNEVNIK - IZVJEŠTAJ BLAGAJNE"},
    {"1. stupac", "Red.br."},
    {"2. stupac", "Temeljnica"},
    {"3. stupac", "OPIS"},
    {"4. stupac", "ULAZ"},
    {"5. stupac", "IZLAZ"},
    {"6. stupac", "Broj računa"},
    {"Promet", "Promet blagajne"},
    {"Saldo", "Saldo blagajne"},
    {"Ukupno uplate", "Ukupno naplaćeno"},
    {"Ukupno isplate", "Ukupno isplaćeno"},
    {"Kontrola", "Kontrolirao"},
    {"Blagajnik", "Blagajnik"},
};

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Settings loaded()
{
    Settings s;
    s.load();
    return s;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void emptyStoreYieldsTheDefaults();
    void tableHoldsExactlyTheExpectedKeys();
    void cashJournalTextsStartWithTheirDefaults();

    void savedValueReadsBack_data();
    void savedValueReadsBack();
    void storeHoldsNumbersAsNumbersAndPrintingInItsGroup();
    void handWrittenStoreIsRead();
    void malformedValueFallsBackToDefault_data();
    void malformedValueFallsBackToDefault();
    void savingFallbacks_data();
    void savingFallbacks();
    void connectionKeysAreWrittenAlone();
    void runtimeDefaultOfTheDatabase();
    void unwritableStoreIsReported();
    void commandLineOverride_data();
    void commandLineOverride();

    void passwordRoundTrip_data();
    void passwordRoundTrip();
    void shortPasswordKeepsTheStoredForm_data();
    void shortPasswordKeepsTheStoredForm();
    void keyEqualCharacterSurvivesTheStore();

    void colourValues();

private:
    QTemporaryDir m_root;
    int m_case = 0;
};

// Each test gets a store folder of its own.
void TestSettings::init()
{
    QVERIFY(m_root.isValid());
    const QString folder = m_root.filePath(QString("store%1").arg(++m_case));
    QVERIFY(QDir().mkpath(folder));
    qputenv("KALVOR_CONFIG_DIR", folder.toUtf8());
    QCOMPARE(configFolder(), folder);
    QCOMPARE(machineSettingsFile(), folder + "/kalvor.ini");
    QCOMPARE(userSettingsFile(), folder + "/kalvor-user.ini");
}

void TestSettings::emptyStoreYieldsTheDefaults()
{
    const Settings s = loaded();
    for (const Expected &e : expectedDefaults()) {
        const QVariant v = s.value(e.name);
        if (v != e.value || v.typeId() != e.value.typeId())
            QFAIL(qPrintable(QString("%1: %2, expected %3")
                                 .arg(e.name, v.toString(), e.value.toString())));
    }
    QCOMPARE(s.text("UplOznaka"), "UP-__");
    QCOMPARE(s.number("CijenaKm"), 0.18);
    QCOMPARE(s.integer("BrojKmDelta"), 500);
    QVERIFY(s.flag("Local"));
    QVERIFY(!s.flag("Prompt"));
    QCOMPARE(s.integer("OznakaPomak"), 0);
}

void TestSettings::tableHoldsExactlyTheExpectedKeys()
{
    const QVector<Expected> expected = expectedDefaults();
    QStringList names;
    for (const Settings::Key &key : Settings::table())
        names << key.name;
    QStringList expectedNames;
    for (const Expected &e : expected)
        expectedNames << e.name;
    QCOMPARE(names, expectedNames);

    for (const Expected &e : expected) {
        const Settings::Key *key = Settings::find(e.name);
        QVERIFY(key);
        QCOMPARE(key->kind, e.kind);
        QCOMPARE(key->group, e.group);
    }
    QVERIFY(!Settings::find("Nepostojeci"));
    QCOMPARE(Settings::find("TMBR")->maxLength, 13);
    QCOMPARE(Settings::find("UplOznaka")->maxLength, 20);
    QCOMPARE(Settings::find("IsplataAk")->maxLength, 200);
}

void TestSettings::cashJournalTextsStartWithTheirDefaults()
{
    QList<QPair<QString, QString>> table;
    for (const Settings::JournalText &row : Settings::journalTable())
        table << qMakePair(row.name, row.text);
    QCOMPARE(table, expectedJournalTexts);

    // Edited texts stay until the end of the run but are never stored.
    Settings s;
    s.setJournalText("Naslov", "BLAGAJNA");
    s.load();
    QCOMPARE(s.journalText("Naslov"), "BLAGAJNA");
    QVERIFY(s.write());
    QVERIFY(!readFile(machineSettingsFile()).contains("BLAGAJNA"));
    QCOMPARE(loaded().journalText("Naslov"), "DNEVNIK - IZVJEŠTAJ BLAGAJNE");
    s.resetToDefaults();
    QCOMPARE(s.journalText("Naslov"), "DNEVNIK - IZVJEŠTAJ BLAGAJNE");
}

void TestSettings::savedValueReadsBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("expected");

    const QString lines = "Putarina A\nTerminal B, d.o.o.\n";
    QTest::newRow("text with commas and Croatian letters")
        << "Naslov" << QVariant("Prijevoz Šćuka, \"Đurđevac\", 23") << QVariant("Prijevoz Šćuka, \"Đurđevac\", 23");
    QTest::newRow("text of lines") << "UKoristDefault" << QVariant(lines) << QVariant(lines);
    QTest::newRow("text with outer blanks") << "Oznaka_separator" << QVariant(" - ") << QVariant(" - ");
    QTest::newRow("text emptied") << "SlovaVeznik" << QVariant("") << QVariant(QString());
    QTest::newRow("integer") << "AutoDeltaOdlazak" << QVariant(3) << QVariant(3);
    QTest::newRow("integer from a field") << "BrojKmDelta" << QVariant(" 1200 ") << QVariant(1200);
    QTest::newRow("negative integer") << "OznakaPomak" << QVariant(-3) << QVariant(-3);
    QTest::newRow("colour") << "BackTitleColor" << QVariant(0xABCDEF) << QVariant(0xABCDEF);
    QTest::newRow("flag off") << "Local" << QVariant(false) << QVariant(0);
    QTest::newRow("flag on") << "AutoStatus" << QVariant(true) << QVariant(1);
    QTest::newRow("flag from a number") << "PopuniKm" << QVariant(5) << QVariant(1);
    QTest::newRow("number") << "CijenaKm" << QVariant(0.2345) << QVariant(0.2345);
    QTest::newRow("number, many digits") << "PDVKarte" << QVariant(1.0 / 3.0) << QVariant(1.0 / 3.0);
    QTest::newRow("password") << "USER2" << QVariant("tajna") << QVariant("tajna");
    QTest::newRow("printing integer") << "EVPrintL" << QVariant(25) << QVariant(25);
    QTest::newRow("printing text") << "EVPisac" << QVariant("Pisač 1") << QVariant("Pisač 1");
    QTest::newRow("printing flag") << "EVPageNum" << QVariant(0) << QVariant(0);
}

void TestSettings::savedValueReadsBack()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QVariant, expected);

    Settings s;
    s.set(key, value);
    QCOMPARE(s.value(key), expected);
    s.save();

    const Settings next = loaded();
    QCOMPARE(next.value(key), expected);
    QCOMPARE(next.value(key).typeId(), expected.typeId());
    // The other keys keep their defaults.
    QCOMPARE(next.text("IspOznaka"), "IS-__");
}

void TestSettings::storeHoldsNumbersAsNumbersAndPrintingInItsGroup()
{
    Settings s;
    s.set("CijenaKm", 0.25);
    s.save();
    const QString file = readFile(machineSettingsFile());
    QVERIFY2(file.contains("\nCijenaKm=0.25\n"), qPrintable(file));
    QVERIFY(file.contains("\nLocal=1\n"));
    QVERIFY(file.contains("\nBrojKmDelta=500\n"));
    QVERIFY(!file.contains("korimatno"));

    const qsizetype printGroup = file.indexOf("[PrintEvSetup]");
    QVERIFY(printGroup > 0);
    QVERIFY(file.indexOf("\nEVPrintL=10\n") > printGroup);
    QVERIFY(file.indexOf("\nEVE0Boja=15658734\n") > printGroup);
    QVERIFY(file.indexOf("\nLocal=1\n") < printGroup);
    QVERIFY(!QFile::exists(userSettingsFile()));
}

// A store written elsewhere (no value cached in this process) is parsed from its text.
void TestSettings::handWrittenStoreIsRead()
{
    writeFile(machineSettingsFile(),
              "[General]\n"
              "Local=0\nServer=srv1\nCijenaKm=0.25\nBrojDanaDelta=-2\nNaslov=Prijevoz, d.o.o.\n"
              "USER2=W0]\\x18L\n"
              "[PrintEvSetup]\nEVPrintL=12\nEVPisac=\"Pisač, ured\"\n");
    const Settings s = loaded();
    QCOMPARE(s.value("Local"), QVariant(0));
    QCOMPARE(s.value("Server"), QVariant("srv1"));
    QCOMPARE(s.value("CijenaKm"), QVariant(0.25));
    QCOMPARE(s.value("BrojDanaDelta"), QVariant(-2));
    QCOMPARE(s.value("Naslov"), QVariant("Prijevoz, d.o.o."));
    QCOMPARE(s.value("USER2"), QVariant("tajna"));
    QCOMPARE(s.value("EVPrintL"), QVariant(12));
    QCOMPARE(s.value("EVPisac"), QVariant("Pisač, ured"));
}

void TestSettings::malformedValueFallsBackToDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("main");
    QTest::addColumn<QByteArray>("printing");

    QTest::newRow("text in a number") << "CijenaKm" << QByteArray("CijenaKm=abc") << QByteArray();
    QTest::newRow("comma in a number") << "Postotak" << QByteArray("Postotak=\"12,5\"") << QByteArray();
    QTest::newRow("not a finite number") << "CijenaKm2" << QByteArray("CijenaKm2=nan") << QByteArray();
    QTest::newRow("fraction in an integer") << "BrojDanaDelta" << QByteArray("BrojDanaDelta=12.5") << QByteArray();
    QTest::newRow("integer beyond 32 bits") << "BrojKmDelta" << QByteArray("BrojKmDelta=99999999999") << QByteArray();
    QTest::newRow("empty integer") << "12Dnevnica" << QByteArray("12Dnevnica=") << QByteArray();
    QTest::newRow("text in a flag") << "Local" << QByteArray("Local=da") << QByteArray();
    QTest::newRow("list in a number") << "PDVKarte" << QByteArray("PDVKarte=1, 2") << QByteArray();
    QTest::newRow("binary value in a text") << "Tvrtka" << QByteArray("Tvrtka=@Rect(1 2 3 4)") << QByteArray();
    QTest::newRow("binary value in a password") << "USER2" << QByteArray("USER2=@Point(1 2)") << QByteArray();
    QTest::newRow("text in a printing integer") << "EVPrintT" << QByteArray() << QByteArray("EVPrintT=pet");
    QTest::newRow("printing key outside its group") << "EVPrintB" << QByteArray("EVPrintB=30") << QByteArray();
}

void TestSettings::malformedValueFallsBackToDefault()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, main);
    QFETCH(QByteArray, printing);

    writeFile(machineSettingsFile(), "[General]\nServer=srv1\n" + main + "\n[PrintEvSetup]\nEVPrintR=22\n"
                                         + printing + "\n");
    const Settings s = loaded();
    const Settings::Key *k = Settings::find(key);
    QVERIFY(k);
    QCOMPARE(s.value(key), k->defaultValue);
    // The well-formed values of the same store are read.
    QCOMPARE(s.text("Server"), "srv1");
    QCOMPARE(s.integer("EVPrintR"), 22);
}

void TestSettings::savingFallbacks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("field");
    QTest::addColumn<QVariant>("saved");

    QTest::newRow("days, text") << "BrojDanaDelta" << QVariant("abc") << QVariant(7);
    QTest::newRow("days, empty") << "BrojDanaDelta" << QVariant("") << QVariant(7);
    QTest::newRow("days, fraction") << "BrojDanaDelta" << QVariant("12,5") << QVariant(7);
    QTest::newRow("days, whole") << "BrojDanaDelta" << QVariant("30") << QVariant(30);
    QTest::newRow("kilometres") << "BrojKmDelta" << QVariant("x") << QVariant(500);
    QTest::newRow("left margin") << "EVPrintL" << QVariant("x") << QVariant(10);
    QTest::newRow("right margin") << "EVPrintR" << QVariant("") << QVariant(10);
    QTest::newRow("top margin") << "EVPrintT" << QVariant("x") << QVariant(5);
    QTest::newRow("bottom margin") << "EVPrintB" << QVariant("1e3") << QVariant(5);
    QTest::newRow("label offset") << "OznakaPomak" << QVariant("x") << QVariant(0);
    QTest::newRow("trip duration") << "TrajanjePuta" << QVariant("dva") << QVariant(0);
    QTest::newRow("departure days") << "AutoDeltaOdlazak" << QVariant("") << QVariant(0);
    QTest::newRow("number") << "CijenaKm" << QVariant("abc") << QVariant(0.0);
    QTest::newRow("choice without a fallback") << "12Dnevnica" << QVariant("x") << QVariant(1);
    QTest::newRow("flag without a fallback") << "VodiBlagajnu" << QVariant("x") << QVariant(1);
}

void TestSettings::savingFallbacks()
{
    QFETCH(QString, key);
    QFETCH(QVariant, field);
    QFETCH(QVariant, saved);

    Settings s;
    s.set(key, field);
    QVERIFY(s.write());
    QCOMPARE(loaded().value(key), saved);
}

void TestSettings::connectionKeysAreWrittenAlone()
{
    Settings s;
    s.set("USER", "ADMIN");
    s.set("USER2", "nova");
    s.set("Local", 0);
    s.set("Server", "srv1");
    s.set("Naslov", "Ne sprema se");
    QVERIFY(s.write(Settings::connectionKeys()));

    const Settings next = loaded();
    QCOMPARE(next.text("USER"), "ADMIN");
    QCOMPARE(next.text("USER2"), "nova");
    QVERIFY(!next.flag("Local"));
    QCOMPARE(next.text("Server"), "srv1");
    QCOMPARE(next.text("Naslov"), Settings::find("Naslov")->defaultValue.toString());
    QVERIFY(!readFile(machineSettingsFile()).contains("Naslov"));
}

void TestSettings::runtimeDefaultOfTheDatabase()
{
    Settings s;
    s.load();
    QCOMPARE(s.text("DB"), QString());
    s.setDefault("DB", "/opt/kalvor/Baza/kalvbaza.fdb");
    QCOMPARE(s.text("DB"), "/opt/kalvor/Baza/kalvbaza.fdb");
    s.load();
    QCOMPARE(s.text("DB"), "/opt/kalvor/Baza/kalvbaza.fdb");

    // A stored path overrides the default.
    writeFile(machineSettingsFile(), "[General]\nDB=/srv/baze/prijevoz.fdb\n");
    s.load();
    QCOMPARE(s.text("DB"), "/srv/baze/prijevoz.fdb");
    QCOMPARE(s.defaultValue("DB").toString(), "/opt/kalvor/Baza/kalvbaza.fdb");
}

void TestSettings::unwritableStoreIsReported()
{
    const QString blocker = m_root.filePath("not-a-folder");
    writeFile(blocker, "x");
    qputenv("KALVOR_CONFIG_DIR", blocker.toUtf8());
    Settings s;
    QVERIFY(!s.write());
    QVERIFY(!s.write(Settings::connectionKeys()));
}

void TestSettings::commandLineOverride_data()
{
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value"); // invalid: the pair is refused
    QTest::addColumn<QString>("named");  // what the refusal names

    const QVariant refused;
    QTest::newRow("flag 0") << "DnevCorrect=0" << "DnevCorrect" << QVariant(0) << "";
    QTest::newRow("flag true") << "DnevniceDetails=true" << "DnevniceDetails" << QVariant(1) << "";
    QTest::newRow("flag FALSE") << "DnevCorrect=FALSE" << "DnevCorrect" << QVariant(0) << "";
    QTest::newRow("flag 2") << "DnevCorrect=2" << "DnevCorrect" << refused << "DnevCorrect";
    QTest::newRow("flag empty") << "DnevCorrect=" << "DnevCorrect" << refused << "DnevCorrect";
    QTest::newRow("integer") << "8Dnevnica=0" << "8Dnevnica" << QVariant(0) << "";
    QTest::newRow("negative integer") << "BrojDanaDelta=-3" << "BrojDanaDelta" << QVariant(-3) << "";
    QTest::newRow("fraction in an integer") << "BrojDanaDelta=2,5" << "BrojDanaDelta" << refused << "BrojDanaDelta";
    QTest::newRow("integer beyond 32 bits") << "BrojKmDelta=99999999999" << "BrojKmDelta" << refused << "BrojKmDelta";
    QTest::newRow("number, comma") << "CijenaKm=0,25" << "CijenaKm" << QVariant(0.25) << "";
    QTest::newRow("number, full stop") << "CijenaKm=0.25" << "CijenaKm" << QVariant(0.25) << "";
    QTest::newRow("whole number") << "Postotak=20" << "Postotak" << QVariant(20.0) << "";
    QTest::newRow("number with grouping") << "CijenaKm=1.234,5" << "CijenaKm" << refused << "CijenaKm";
    QTest::newRow("text in a number") << "CijenaKm=abc" << "CijenaKm" << refused << "CijenaKm";
    QTest::newRow("text as it is") << "Tvrtka= Prijevoz, d.o.o. " << "Tvrtka" << QVariant(" Prijevoz, d.o.o. ") << "";
    QTest::newRow("text holding =") << "MjObracun=Zagreb=Sjever" << "MjObracun" << QVariant("Zagreb=Sjever") << "";
    QTest::newRow("empty text") << "Oznaka_separator=" << "Oznaka_separator" << QVariant("") << "";
    QTest::newRow("password, plain") << "USER2=tajna" << "USER2" << QVariant("tajna") << "";
    QTest::newRow("text beyond the field") << "DefValuta=EURO12" << "DefValuta" << refused << "DefValuta";
    QTest::newRow("printing key") << "EVPrintL=12" << "EVPrintL" << QVariant(12) << "";
    QTest::newRow("unknown key") << "Nepostojeca=1" << "Nepostojeca" << refused << "Nepostojeca";
    QTest::newRow("key in other case") << "dnevcorrect=0" << "DnevCorrect" << refused << "dnevcorrect";
    QTest::newRow("no =") << "DnevCorrect" << "DnevCorrect" << refused << "DnevCorrect";
    QTest::newRow("no key") << "=1" << "DnevCorrect" << refused << "=1";
}

void TestSettings::commandLineOverride()
{
    QFETCH(QString, pair);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, named);

    writeFile(machineSettingsFile(), "[General]\nDnevCorrect=1\n");
    const QByteArray store = readFile(machineSettingsFile());
    Settings s = loaded();
    const QVariant before = s.value(key);
    QString error;
    const bool applied = s.applyOverride(pair, &error);
    QCOMPARE(applied, value.isValid());
    if (applied) {
        QVERIFY(error.isEmpty());
        QCOMPARE(s.value(key), value);
    } else {
        QVERIFY2(error.contains(named), qPrintable(error));
        QCOMPARE(s.value(key), before);
    }
    // For this run only: the store is as it was.
    QCOMPARE(readFile(machineSettingsFile()), store);
}

void TestSettings::passwordRoundTrip_data()
{
    QTest::addColumn<QString>("password");

    QTest::newRow("empty") << QString();
    QTest::newRow("short") << "tajna";
    QTest::newRow("eight characters") << "Abc12345";
    QTest::newRow("the default, nine characters") << "korimatno";
    QTest::newRow("31 characters") << "abcdefghijklmnopqrstuvwxyz01234";
    QTest::newRow("longer than 31") << QString(45, u'x');
    QTest::newRow("the key itself") << "#Q7v-Kd3";
    QTest::newRow("key character at position 2") << "aQ";
    QTest::newRow("key character beyond the eighth") << "abcdefgh#Q";
    QTest::newRow("key character in 31") << "abcdefghijklmnopqrstuvwxyz0123#";
    QTest::newRow("Croatian letters") << "šifraČćĐ";
    QTest::newRow("outside the basic plane") << QString::fromUtf8("lozinka\xF0\x9F\x9A\x9A");
    QTest::newRow("dots and hex digits") << QString(32, u'.');
}

void TestSettings::passwordRoundTrip()
{
    QFETCH(QString, password);

    const QString stored = scramblePassword(password);
    QVERIFY(!stored.contains(QChar(u'\0')));
    QCOMPARE(unscramblePassword(stored), password);

    Settings s;
    s.set("USER2", password);
    QVERIFY(s.write());
    QCOMPARE(loaded().text("USER2"), password);
}

void TestSettings::shortPasswordKeepsTheStoredForm_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("stored");

    // Each character exclusive-or the key "#Q7v-Kd3" at its position.
    QTest::newRow("tajna") << "tajna" << QString::fromLatin1("W0]\x18L");
    QTest::newRow("eight") << "Abc12345" << QString::fromLatin1("b3TG\x1fxP\x06");
    QTest::newRow("one") << "x" << "[";
    // Beyond the eighth character the key starts again.
    QTest::newRow("nine") << "korimatno" << QString::fromLatin1("H>E\x1f@*\x10]L");
}

void TestSettings::shortPasswordKeepsTheStoredForm()
{
    QFETCH(QString, password);
    QFETCH(QString, stored);

    QCOMPARE(scramblePassword(password), stored);
    QCOMPARE(unscramblePassword(stored), password);
    for (qsizetype i = 0; i < password.size(); ++i)
        QVERIFY(stored[i] != password[i]);
}

void TestSettings::keyEqualCharacterSurvivesTheStore()
{
    // Code 0 cannot be stored: the long form takes over, at least 32 characters.
    QCOMPARE(scramblePassword("aQ"), QString(24, u'.') + "00420000");
    QCOMPARE(scramblePassword("#Q7v-Kd3"), QString(32, u'0'));
    QCOMPARE(unscramblePassword(QString(24, u'.') + "00420000"), "aQ");

    // A long form damaged by hand still reads as something, never fails.
    const QString damaged = QString(28, u'.') + "zz00";
    QCOMPARE(unscramblePassword(damaged).size(), damaged.size());
}

void TestSettings::colourValues()
{
    QCOMPARE(settingColor(128), QColor(128, 0, 0));
    QCOMPARE(settingColor(65535), QColor(255, 255, 0));
    QCOMPARE(settingColor(15658734), QColor(0xEE, 0xEE, 0xEE));
    QCOMPARE(settingColorValue(QColor(0x12, 0x34, 0x56)), 0x563412);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
