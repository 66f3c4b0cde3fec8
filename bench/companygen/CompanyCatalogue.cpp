#include "companygen/CompanyCatalogue.h"

namespace kalvor::companygen {

namespace {

QStringList words(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

CountryEntry country(const char *name, const char *code, const char *currency, double allowance, int weight,
                     const char *local, const char *cities, const char *via)
{
    CountryEntry c;
    c.name = QString::fromUtf8(name);
    c.code = QString::fromUtf8(code);
    c.currency = QString::fromLatin1(currency);
    c.allowance = allowance;
    c.weight = weight;
    c.local = QString::fromLatin1(local);
    c.cities = words(cities);
    c.via = words(via);
    return c;
}

const char *const toGermany = "Slovenija,Austrija";
const char *const toNorth = "Slovenija,Austrija,Njemačka";
const char *const toWest = "Slovenija,Italija";
const char *const toEast = "Mađarska,Slovačka";

} // namespace

const QVector<CurrencyEntry> &CompanyCatalogue::currencies()
{
    static const QVector<CurrencyEntry> list = {
        {QStringLiteral("HRK"), QStringLiteral("kuna"), 1.0, 0.0},
        {QStringLiteral("EUR"), QStringLiteral("euro"), 7.5345, 0.0015},
        {QStringLiteral("USD"), QStringLiteral("američki dolar"), 6.45, 0.006},
        {QStringLiteral("CHF"), QStringLiteral("švicarski franak"), 6.95, 0.004},
        {QStringLiteral("GBP"), QStringLiteral("britanska funta"), 8.85, 0.005},
        {QStringLiteral("BAM"), QStringLiteral("konvertibilna marka"), 3.852, 0.0015},
        {QStringLiteral("HUF"), QStringLiteral("mađarska forinta"), 0.0243, 0.006},
        {QStringLiteral("CZK"), QStringLiteral("češka kruna"), 0.2795, 0.004},
        {QStringLiteral("PLN"), QStringLiteral("poljski zlot"), 1.765, 0.005},
        {QStringLiteral("SEK"), QStringLiteral("švedska kruna"), 0.7312, 0.005},
        {QStringLiteral("DKK"), QStringLiteral("danska kruna"), 1.0107, 0.0015},
        {QStringLiteral("NOK"), QStringLiteral("norveška kruna"), 0.7455, 0.006},
    };
    return list;
}

const QVector<CountryEntry> &CompanyCatalogue::countries()
{
    static const QVector<CountryEntry> list = {
        country("Hrvatska", "HR", "HRK", 170, 9, "HRK",
                "Zagreb,Split,Rijeka,Osijek,Zadar,Varaždin,Slavonski Brod,Pula,Karlovac,Šibenik,Dubrovnik,Vukovar", ""),
        country("Slovenija", "SLO", "EUR", 45, 10, "EUR", "Ljubljana,Maribor,Celje,Koper,Novo Mesto,Kranj", ""),
        country("Austrija", "A", "EUR", 52, 12, "EUR", "Graz,Beč,Linz,Salzburg,Innsbruck,Klagenfurt,Villach",
                "Slovenija"),
        country("Njemačka", "D", "EUR", 52, 25, "EUR",
                "München,Stuttgart,Frankfurt,Köln,Hamburg,Berlin,Nürnberg,Düsseldorf,Augsburg,Regensburg", toGermany),
        country("Italija", "I", "EUR", 52, 14, "EUR", "Trst,Milano,Verona,Bologna,Torino,Padova,Udine,Brescia",
                "Slovenija"),
        country("Mađarska", "H", "EUR", 45, 6, "HUF", "Budimpešta,Győr,Pečuh,Szeged,Nagykanizsa", ""),
        country("Srbija", "SRB", "EUR", 40, 4, "EUR", "Beograd,Novi Sad,Niš,Subotica,Kragujevac", ""),
        country("Bosna i Hercegovina", "BIH", "BAM", 75, 6, "BAM", "Sarajevo,Mostar,Banja Luka,Tuzla,Zenica,Bihać", ""),
        country("Crna Gora", "MNE", "EUR", 40, 1, "EUR", "Podgorica,Bar,Nikšić", "Bosna i Hercegovina"),
        country("Sjeverna Makedonija", "MK", "EUR", 35, 1, "EUR", "Skopje,Bitola", "Srbija"),
        country("Albanija", "AL", "EUR", 35, 1, "EUR", "Tirana,Drač", "Bosna i Hercegovina,Crna Gora"),
        country("Kosovo", "RKS", "EUR", 35, 1, "EUR", "Priština,Prizren", "Srbija"),
        country("Bugarska", "BG", "EUR", 40, 2, "EUR", "Sofija,Plovdiv,Varna", "Srbija"),
        country("Rumunjska", "RO", "EUR", 40, 2, "EUR", "Temišvar,Arad,Bukurešt,Kluž", "Mađarska"),
        country("Grčka", "GR", "EUR", 45, 1, "EUR", "Solun,Atena", "Srbija,Sjeverna Makedonija"),
        country("Turska", "TR", "EUR", 45, 1, "EUR", "Istanbul,Edirne", "Srbija,Bugarska"),
        country("Slovačka", "SK", "EUR", 45, 3, "EUR", "Bratislava,Žilina,Košice,Nitra", "Mađarska"),
        country("Češka", "CZ", "EUR", 45, 4, "CZK", "Prag,Brno,Plzeň,Ostrava", toGermany),
        country("Poljska", "PL", "EUR", 45, 4, "PLN", "Varšava,Krakov,Katowice,Wrocław,Poznań", toEast),
        country("Litva", "LT", "EUR", 45, 1, "EUR", "Vilnius,Kaunas", "Mađarska,Slovačka,Poljska"),
        country("Latvija", "LV", "EUR", 45, 1, "EUR", "Riga", "Mađarska,Slovačka,Poljska,Litva"),
        country("Estonija", "EST", "EUR", 45, 0, "EUR", "Tallinn,Tartu", "Mađarska,Slovačka,Poljska,Litva,Latvija"),
        country("Danska", "DK", "DKK", 400, 2, "DKK", "Kopenhagen,Aarhus,Odense", toNorth),
        country("Švedska", "S", "SEK", 520, 2, "SEK", "Malmö,Göteborg,Stockholm", "Slovenija,Austrija,Njemačka,Danska"),
        country("Norveška", "N", "NOK", 560, 1, "NOK", "Oslo,Drammen",
                "Slovenija,Austrija,Njemačka,Danska,Švedska"),
        country("Finska", "FIN", "EUR", 55, 0, "EUR", "Helsinki,Turku",
                "Mađarska,Slovačka,Poljska,Litva,Latvija,Estonija"),
        country("Nizozemska", "NL", "EUR", 52, 5, "EUR", "Rotterdam,Amsterdam,Utrecht,Venlo,Eindhoven", toNorth),
        country("Belgija", "B", "EUR", 52, 4, "EUR", "Antwerpen,Bruxelles,Gent,Charleroi", toNorth),
        country("Luksemburg", "L", "EUR", 52, 1, "EUR", "Luxembourg", toNorth),
        country("Francuska", "F", "EUR", 52, 6, "EUR", "Lyon,Pariz,Strasbourg,Marseille,Grenoble", toWest),
        country("Španjolska", "E", "EUR", 50, 2, "EUR", "Barcelona,Madrid,Valencia,Zaragoza",
                "Slovenija,Italija,Francuska"),
        country("Portugal", "P", "EUR", 48, 1, "EUR", "Lisabon,Porto", "Slovenija,Italija,Francuska,Španjolska"),
        country("Ujedinjeno Kraljevstvo", "GB", "GBP", 45, 2, "GBP", "London,Birmingham,Manchester,Dover",
                "Slovenija,Austrija,Njemačka,Belgija,Francuska"),
        country("Irska", "IRL", "EUR", 52, 0, "EUR", "Dublin,Cork",
                "Slovenija,Austrija,Njemačka,Belgija,Francuska,Ujedinjeno Kraljevstvo"),
        country("Švicarska", "CH", "CHF", 70, 3, "CHF", "Zürich,Basel,Bern,Luzern", "Slovenija,Italija"),
        country("Lihtenštajn", "FL", "CHF", 70, 0, "CHF", "Vaduz", toGermany),
        country("Moldavija", "MD", "USD", 40, 0, "USD", "Kišinjev", "Mađarska,Rumunjska"),
        country("Ukrajina", "UA", "USD", 40, 1, "USD", "Lavov,Užgorod,Kijev", "Mađarska"),
        country("Bjelorusija", "BY", "USD", 40, 0, "USD", "Minsk,Brest", "Mađarska,Slovačka,Poljska"),
        country("Rusija", "RUS", "USD", 50, 0, "USD", "Moskva,Smolensk", "Mađarska,Slovačka,Poljska,Bjelorusija"),
        country("Andora", "AND", "EUR", 50, 0, "EUR", "Andorra la Vella", "Slovenija,Italija,Francuska"),
        country("Monako", "MC", "EUR", 55, 0, "EUR", "Monako", "Slovenija,Italija"),
        country("San Marino", "RSM", "EUR", 52, 0, "EUR", "San Marino", "Slovenija,Italija"),
        country("Cipar", "CY", "EUR", 45, 0, "EUR", "Nikozija,Limassol", ""),
        country("Malta", "M", "EUR", 45, 0, "EUR", "Valletta", ""),
    };
    return list;
}

const QStringList &CompanyCatalogue::maleNames()
{
    static const QStringList list = words(
        "Ivan,Marko,Josip,Tomislav,Ante,Stjepan,Mario,Zoran,Dario,Goran,Krešimir,Damir,Nikola,Luka,Mateo,Hrvoje,"
        "Željko,Dražen,Igor,Robert,Davor,Branko,Mladen,Vlado,Petar,Filip,Matej,Dejan,Saša,Boris,Zdravko,Miroslav,"
        "Nenad,Ivica,Darko,Slavko,Antun,Franjo,Vedran,Domagoj");
    return list;
}

const QStringList &CompanyCatalogue::femaleNames()
{
    static const QStringList list =
        words("Ana,Marija,Ivana,Petra,Maja,Kristina,Jelena,Martina,Snježana,Vesna,Sanja,Tea,Mirela,Dubravka,Lidija");
    return list;
}

const QStringList &CompanyCatalogue::surnames()
{
    // Horvat comes first and most often: the common name of the searches.
    static const QStringList list = words(
        "Horvat,Horvat,Horvat,Kovačević,Babić,Marić,Jurić,Novak,Kovačić,Knežević,Vuković,Marković,Petrović,Matić,"
        "Tomić,Pavlović,Kovač,Božić,Blažević,Grgić,Pavić,Radić,Perić,Filipović,Šarić,Lovrić,Vidović,Perković,"
        "Popović,Bošnjak,Jukić,Barišić,Vukić,Mikulić,Nikolić,Klarić,Jakovljević,Galić,Ivanković,Lučić,Đurić,"
        "Šimić,Brkić,Mandić,Golub,Rukavina,Zrinski,Crnković,Bilić,Šimunović");
    return list;
}

const QStringList &CompanyCatalogue::streets()
{
    static const QStringList list = words(
        "Ilica,Vukovarska,Savska cesta,Zagrebačka,Ulica Matije Gupca,Kolodvorska,Trg bana Jelačića,Radnička cesta,"
        "Ulica Stjepana Radića,Frankopanska,Domovinskog rata,Ulica kralja Tomislava,Školska,Vinogradska,Obrtnička");
    return list;
}

const QStringList &CompanyCatalogue::homeTowns()
{
    static const QStringList list = words(
        "Zagreb,Sesvete,Velika Gorica,Samobor,Zaprešić,Dugo Selo,Sveta Nedelja,Ivanić-Grad,Karlovac,Sisak,"
        "Varaždin,Krapina,Zabok,Bjelovar,Koprivnica,Križevci,Vrbovec,Jastrebarsko");
    return list;
}

const QStringList &CompanyCatalogue::plateAreas()
{
    static const QStringList list = words("ZG,ZG,ZG,ZG,KA,SK,VŽ,KR,BJ,KC");
    return list;
}

const QVector<VehicleMake> &CompanyCatalogue::tractorMakes()
{
    static const QVector<VehicleMake> list = {
        {QStringLiteral("MAN TGX 18.440"), 7650, 10350, 18000},
        {QStringLiteral("MAN TGX 18.510"), 7900, 10100, 18000},
        {QStringLiteral("Mercedes-Benz Actros 1845"), 7800, 10200, 18000},
        {QStringLiteral("Mercedes-Benz Actros 1848"), 7850, 10150, 18000},
        {QStringLiteral("Volvo FH 460"), 7400, 10600, 18000},
        {QStringLiteral("Volvo FH 500"), 7550, 10450, 18000},
        {QStringLiteral("Scania R450"), 7600, 10400, 18000},
        {QStringLiteral("DAF XF 480"), 7300, 10700, 18000},
        {QStringLiteral("Iveco S-Way 490"), 7700, 10300, 18000},
        {QStringLiteral("Renault T 480"), 7450, 10550, 18000},
        {QStringLiteral("MAN TGS 26.440 6x2"), 9800, 16200, 26000},
        {QStringLiteral("Mercedes-Benz Atego 1224"), 6100, 5890, 11990},
    };
    return list;
}

const QVector<VehicleMake> &CompanyCatalogue::trailerMakes()
{
    static const QVector<VehicleMake> list = {
        {QStringLiteral("Schmitz Cargobull SCS 24"), 6800, 32200, 39000},
        {QStringLiteral("Schmitz Cargobull SKO 24 hladnjača"), 8300, 30700, 39000},
        {QStringLiteral("Krone Profi Liner"), 6600, 32400, 39000},
        {QStringLiteral("Krone Cool Liner"), 8400, 30600, 39000},
        {QStringLiteral("Kögel Cargo"), 6500, 32500, 39000},
        {QStringLiteral("Wielton NS 34"), 6700, 32300, 39000},
        {QStringLiteral("Schwarzmüller cerada"), 6900, 32100, 39000},
    };
    return list;
}

const QVector<VehicleMake> &CompanyCatalogue::carMakes()
{
    static const QVector<VehicleMake> list = {
        {QStringLiteral("Škoda Octavia 2.0 TDI"), 1390, 520, 1910},
        {QStringLiteral("Volkswagen Passat Variant"), 1520, 570, 2090},
        {QStringLiteral("Opel Vivaro kombi"), 1850, 1050, 2900},
    };
    return list;
}

const QStringList &CompanyCatalogue::partners()
{
    static const QStringList list = words(
        "Crpka Sava d.o.o.|Zagreb|F,Petrolka d.d.|Zagreb|F,Benzinska postaja Lučko|Lučko|F,Jadran Gorivo d.o.o.|Rijeka|F,"
        "Drava Nafta d.o.o.|Osijek|F,Euro Diesel Card GmbH|Graz|F,Autoservis Horvat|Sesvete|S,"
        "Servis gospodarskih vozila Kovač d.o.o.|Velika Gorica|S,Kamion Servis Zaprešić d.o.o.|Zaprešić|S,"
        "Hladnjak Servis d.o.o.|Zagreb|S,Vulkanizer Perić|Dugo Selo|P,Gume i dijelovi Golub d.o.o.|Zagreb|P,"
        "Auto Dijelovi Babić d.o.o.|Karlovac|P,Osiguranje Adria d.d.|Zagreb|O,Croatia Cestovno Osiguranje d.d.|Zagreb|O,"
        "Sigurna Cesta osiguranje d.d.|Split|O,Stanica za tehnički pregled Sesvete|Sesvete|R,"
        "Centar za vozila Jankomir|Zagreb|R,Autocesta Zagreb-Macelj d.o.o.|Zagreb|T,Autoceste Sjever d.o.o.|Zagreb|T,"
        "Trajektna luka Split|Split|T,Cestarina Austrija|Beč|T,Mautservice Süd GmbH|München|T,"
        "Parking Luka Rijeka d.o.o.|Rijeka|T,Praonica kamiona Lučko|Lučko|S,Tahograf Servis d.o.o.|Zagreb|S,"
        "Električar Šimić|Samobor|S,Limarija Božić|Sveta Nedelja|S,Mazivo Trade d.o.o.|Zagreb|P,"
        "Oprema Vozila Radić d.o.o.|Zagreb|P");
    return list;
}

const QStringList &CompanyCatalogue::tasks()
{
    static const QStringList list = words(
        "Prijevoz robe,Prijevoz paletizirane robe,Prijevoz hlađene robe,Prijevoz građevinskog materijala,"
        "Prijevoz namještaja,Prijevoz strojeva i opreme,Prijevoz papira,Prijevoz pića,Zbirni prijevoz,"
        "Prijevoz autodijelova,Prijevoz drvne građe,Prijevoz prehrambenih proizvoda");
    return list;
}

const QVector<CompanyCatalogue::Expense> &CompanyCatalogue::expenses()
{
    static const QVector<Expense> list = {
        {QStringLiteral("Cestarina"), 12, 180},        {QStringLiteral("Cestarina"), 12, 180},
        {QStringLiteral("Vinjeta"), 9, 40},            {QStringLiteral("Parkiranje"), 5, 35},
        {QStringLiteral("Pranje vozila"), 25, 70},     {QStringLiteral("Trajekt"), 60, 320},
        {QStringLiteral("AdBlue"), 15, 60},            {QStringLiteral("Sitni popravak"), 20, 250},
        {QStringLiteral("Telefon"), 10, 40},           {QStringLiteral("Noćenje"), 35, 90},
        {QStringLiteral("Vaganje vozila"), 8, 20},     {QStringLiteral("Carinska dokumentacija"), 20, 120},
    };
    return list;
}

const QStringList &CompanyCatalogue::fuelKinds()
{
    static const QStringList list = words("Eurodiesel,Eurodiesel,Eurodiesel,Diesel Plus,Eurodiesel BS");
    return list;
}

const QStringList &CompanyCatalogue::officeRoles()
{
    static const QStringList list = words(
        "Utovarivač,Utovarivač,Utovarivač,Skladištar,Disponent,Disponent,Mehaničar,Referent za obračun putnih naloga,"
        "Voditelj voznog parka,Računovođa,Administrativni referent,Direktor");
    return list;
}

const QStringList &CompanyCatalogue::serviceWorks()
{
    static const QStringList list = words(
        "Redovni servis - zamjena ulja i filtera,Zamjena kočionih pločica,Zamjena guma,Servis klima uređaja,"
        "Popravak hladnjaka,Zamjena akumulatora,Baždarenje tahografa,Popravak mjenjača,Zamjena remena,"
        "Veliki servis,Zamjena žarulja i svjetala,Popravak cerade,Geometrija kotača,Zamjena amortizera");
    return list;
}

const QStringList &CompanyCatalogue::equipmentItems()
{
    static const QStringList list = words(
        "Protupožarni aparat 6 kg,Sigurnosni trokut,Kutija prve pomoći,Lanci za snijeg,Remeni za teret (10 kom),"
        "Reflektirajući prsluk,Klinovi za kotače,Kartica za gorivo,Mobilni telefon,Navigacijski uređaj,"
        "Kutne zaštite za teret (20 kom),Dizalica 20 t,Set ključeva,Rezervna žarulja - komplet");
    return list;
}

const QString &CompanyCatalogue::companyName()
{
    static const QString name = QStringLiteral("Prijevoz Zrinski d.o.o.");
    return name;
}

const QString &CompanyCatalogue::companyTown()
{
    static const QString town = QStringLiteral("Sesvete");
    return town;
}

const QString &CompanyCatalogue::companyAddress()
{
    static const QString address = QStringLiteral("Obrtnička ulica 12");
    return address;
}

} // namespace kalvor::companygen
