// The table of every setting: key, kind, default, store group, the value saved
// for a field without a valid value, and the longest text a field takes.

#include "core/Settings.h"

namespace kalvor {

namespace {

using Kind = Settings::Kind;
using Group = Settings::Group;
using Key = Settings::Key;

Key text(const char *name, const QString &def = {}, int maxLength = 0)
{
    return {QString::fromLatin1(name), Kind::Text, def, Group::Main, {}, maxLength};
}

Key flag(const char *name, int def)
{
    return {QString::fromLatin1(name), Kind::Flag, def};
}

Key integer(const char *name, const QVariant &def, const QVariant &saveFallback = {})
{
    return {QString::fromLatin1(name), Kind::Integer, def, Group::Main, saveFallback};
}

// A text that is not a number is saved as 0.
Key number(const char *name, double def)
{
    return {QString::fromLatin1(name), Kind::Number, def, Group::Main, 0.0};
}

Key printing(Key key)
{
    key.group = Group::PrintEvSetup;
    return key;
}

// Colours as the store holds them (0x00BBGGRR).
constexpr int maroon = 0x000080;
constexpr int yellow = 0x00FFFF;
constexpr int lightGrey = 0xEEEEEE;
constexpr int white = 0xFFFFFF;

QVector<Key> buildTable()
{
    return {
        // Database connection.
        text("DB"),  // the default database location, set at start
        text("USER", QStringLiteral("SYSDBA")),
        {QStringLiteral("USER2"), Kind::Scrambled, QStringLiteral("korimatno"), Group::Main, {}, 31},
        flag("Prompt", 0),
        flag("Local", 1),
        text("Server"),

        // Title bar and company.
        text("Naslov", QStringLiteral("Prijevozničko poduzeće - cestovni prijevoz tereta - Mjesto")),
        integer("BackTitleColor", maroon),
        integer("FontTitleColor", yellow),
        text("Tvrtka", QStringLiteral("Prijevozničko poduzeće")),
        text("TAdresa", QStringLiteral("Ulica i kućni broj")),
        text("TSjediste", QStringLiteral("Mjesto")),
        text("TMBR", {}, 13),
        text("THead"),
        text("MjObracun"),
        // A file in the program folder; the program folder is put in front at run time.
        text("LogoPrint", QStringLiteral("logotip.bmp")),

        // Amounts in words.
        text("SlovaValuta", QStringLiteral("kuna")),
        text("SlovaStoti", QStringLiteral("lipa")),
        text("SlovaVeznik", QStringLiteral("i")),

        // Settlement. An empty `DefValuta` means the first currency of the list.
        text("DefValuta", {}, 5),
        text("AltValuta", {}, 5),
        number("CijenaKm", 0.18),
        number("Postotak", 15),
        number("CijenaKm2", 0.50),
        flag("ObracunKm", 0),
        flag("ObracunPostotak", 0),
        flag("ObracunFiksno", 0),
        flag("ObracunDnevnice", 1),
        flag("ObracunOMD", 0),
        flag("ZaradaSamoVozacu", 0),
        flag("HideAlternativni", 1),
        flag("AltValuta2", 0),
        flag("VozacDnevnice", 0),
        flag("OstaliDnevnice", 1),
        flag("MultiValuta", 0),
        flag("DoubleAlternativno", 0),

        // Daily allowances.
        integer("12Dnevnica", 1),
        integer("8Dnevnica", 1),
        flag("DnevniceKALVOR", 1),
        flag("DnevniceOld", 0),
        flag("Preostalo0", 0),
        flag("DnevniceDetails", 0),
        flag("DnevCorrect", 1),

        // Order labels.
        flag("AutomatskaOznaka", 1),
        integer("Oznaka_tip", 0),
        text("Oznaka_separator", QStringLiteral("/")),
        text("Oznaka_prefiks"),
        text("Oznaka_sufiks"),
        integer("OznakaDatum", 0),

        // Documents.
        flag("VozacRacuni", 1),
        flag("PrintOMD", 1),
        text("NemaDnevnicaOznaka", QStringLiteral("/")),
        flag("IspisiSateDane", 1),
        text("LMargina"),
        text("RMargina"),
        text("UMargina"),
        text("BMargina"),
        flag("PrintNewNalog", 1),
        flag("NalogVozilaDodatak", 1),

        // Cash register.
        flag("AutoBlagajna", 0),
        flag("BlagajnePoValuti", 0),
        flag("AkontacijaDatumObracuna", 1),
        flag("AkontacijaProvjera", 1),
        text("IsplataAk", QStringLiteral("Nalog za isplatu akontacije"), 200),
        text("UplataAk", QStringLiteral("Povrat/uplata akontacije"), 200),
        text("TrosakRacuni", QStringLiteral("Isplata troška gotovinskih računa"), 200),
        text("IsplataDn", QStringLiteral("Isplata dnevnica"), 200),
        text("UplOznaka", QStringLiteral("UP-__"), 20),
        text("IspOznaka", QStringLiteral("IS-__"), 20),
        flag("BDUkupnaSuma", 0),
        flag("BDStranicaSuma", 0),

        // Status check.
        integer("BrojDanaDelta", 7, 7),
        integer("BrojKmDelta", 500, 500),
        flag("AutoStatus", 0),

        // Initial values of a new order; the line lists are texts of lines
        // separated by "\n".
        text("ZadaceDefault", QStringLiteral("PREVOZ TERETA")),
        text("OpisRacunaDefault"),
        text("UKoristDefault", QStringLiteral("Putarina RH\nPutarina SLO\nTerminal BiH\n"
                                              "Terminal HR\nTerminal SLO")),
        flag("PopuniKm", 0),
        flag("PovratakOff", 1),
        flag("PrikaziDetalje", 1),

        // Shown and kept by the settings screen only (some of them hidden).
        flag("AutomatskaDjelatnik", 1),
        integer("Oznaka_Djtip", 0),
        integer("OznakaPomak", QString(), 0),  // an empty field until saved
        flag("AutoGenerator", 1),
        flag("NeVremenaNalog", 1),
        flag("v2Vremena", 1),
        flag("v2Parcijalni", 1),
        flag("PrintAllDjelatnici", 0),
        flag("ReduciraniNalogDjelatnika", 1),
        flag("DjNalogVrstaVozila", 1),
        flag("KnIspis", 1),
        flag("VodiBlagajnu", 1),
        text("DjNalogNaziv", QStringLiteral("NALOG ZA SLUŽBENO PUTOVANJE")),
        integer("TrajanjePuta", 1, 0),
        flag("NovoAktivni", 0),
        flag("NoviNalogZaduziKarte", 1),
        flag("DatumNalogaIzrada", 1),
        flag("AutoDatumOdlazak", 1),
        integer("AutoDeltaOdlazak", 1, 0),
        flag("DozvoliBezDionice", 1),
        flag("InicijalnaDionica", 0),
        text("OpisInicijalna", QStringLiteral("Garaža")),
        number("PDVKarte", 18.03279),

        // Grid printout of the order register. An empty `EVPisac` means the
        // first printer.
        printing(flag("EPNLogoPrint", 1)),
        printing(integer("EVPrintL", 10, 10)),
        printing(integer("EVPrintR", 10, 10)),
        printing(integer("EVPrintT", 5, 5)),
        printing(integer("EVPrintB", 5, 5)),
        printing(text("EVPisac")),
        printing(flag("EVShowBefore", 0)),
        printing(flag("EVERLinije", 0)),
        printing(flag("EVECLinije", 0)),
        printing(flag("EVENaslov", 1)),
        printing(flag("EVEMultiColor", 1)),
        printing(integer("EVE0Boja", lightGrey)),
        printing(integer("EVE1Boja", white)),
        printing(flag("EVLogoSvaka", 0)),
        printing(flag("EVDatumVrijeme", 0)),
        printing(flag("EVPageNum", 1)),
    };
}

} // namespace

const QVector<Settings::Key> &Settings::table()
{
    static const QVector<Key> keys = buildTable();
    return keys;
}

const Settings::Key *Settings::find(const QString &name)
{
    static const QHash<QString, const Key *> index = [] {
        QHash<QString, const Key *> result;
        for (const Key &key : table())
            result.insert(key.name, &key);
        return result;
    }();
    return index.value(name, nullptr);
}

const QStringList &Settings::connectionKeys()
{
    static const QStringList keys{QStringLiteral("DB"),     QStringLiteral("USER"),
                                  QStringLiteral("USER2"),  QStringLiteral("Prompt"),
                                  QStringLiteral("Local"),  QStringLiteral("Server")};
    return keys;
}

const QVector<Settings::JournalText> &Settings::journalTable()
{
    static const QVector<JournalText> texts{
        {QStringLiteral("Naslov"), QStringLiteral("DNEVNIK - IZVJEŠTAJ BLAGAJNE")},
        {QStringLiteral("1. stupac"), QStringLiteral("Red.br.")},
        {QStringLiteral("2. stupac"), QStringLiteral("Temeljnica")},
        {QStringLiteral("3. stupac"), QStringLiteral("OPIS")},
        {QStringLiteral("4. stupac"), QStringLiteral("ULAZ")},
        {QStringLiteral("5. stupac"), QStringLiteral("IZLAZ")},
        {QStringLiteral("6. stupac"), QStringLiteral("Broj računa")},
        {QStringLiteral("Promet"), QStringLiteral("Promet blagajne")},
        {QStringLiteral("Saldo"), QStringLiteral("Saldo blagajne")},
        {QStringLiteral("Ukupno uplate"), QStringLiteral("Ukupno naplaćeno")},
        {QStringLiteral("Ukupno isplate"), QStringLiteral("Ukupno isplaćeno")},
        {QStringLiteral("Kontrola"), QStringLiteral("Kontrolirao")},
        {QStringLiteral("Blagajnik"), QStringLiteral("Blagajnik")},
    };
    return texts;
}

} // namespace kalvor
