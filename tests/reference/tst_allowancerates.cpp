#include "core/TDataModule1.h"
#include "core/db/Win1250.h"
#include "reference/AllowanceRateFile.h"
#include "reference/AllowanceRateImport.h"
#include "reference/AllowanceRates.h"
#include "reference/Countries.h"
#include "reference/CountryList.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace kalvor;

// Countries, dated allowance rates and their lookups through SVEDNEVNICE, the
// country choice list, and the import of a rate table from a file.
class TestAllowanceRates : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void countryItemParts_data();
    void countryItemParts();
    void countryListInNameOrder();

    void addCountryRefusesExistingNameOrCode();
    void deleteAndChangeCountry();

    void rateValidAtDate_data();
    void rateValidAtDate();
    void latestRateOfZeroIsNoRate();
    void deleteOneDayOnly();

    void parseFile_data();
    void parseFile();
    void unreadableFiles();
    void importCreatesCountriesCurrenciesAndRates();
    void importSkipsRowsThatCannotBeImported();

private:
    int country(const QString &name, const QString &code = QStringLiteral("X"));
    void rate(int countryId, const QDate &from, double amount, const QString &currency);
    std::unique_ptr<TDataModule1> m_dm;
    std::unique_ptr<test::TestDatabase> m_db;
};

void TestAllowanceRates::init()
{
    m_dm = std::make_unique<TDataModule1>();
    m_db = std::make_unique<test::TestDatabase>(m_dm->DB);
}

void TestAllowanceRates::cleanup()
{
    m_db.reset();
    m_dm.reset();
}

int TestAllowanceRates::country(const QString &name, const QString &code)
{
    const std::optional<int> id = Countries(*m_dm).add(code, name);
    if (!id)
        throw db::DbError(QStringLiteral("country not added: ") + name);
    return *id;
}

void TestAllowanceRates::rate(int countryId, const QDate &from, double amount, const QString &currency)
{
    if (!AllowanceRates(*m_dm).add(countryId, from, currency, amount))
        throw db::DbError(QStringLiteral("rate not added"));
}

void TestAllowanceRates::countryItemParts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");

    QTest::newRow("full item") << "Austrija||AT||12" << "Austrija" << 12;
    QTest::newRow("no separator") << "Austrija" << "Austrija" << -1;
    QTest::newRow("one separator") << "Austrija||12" << "Austrija" << -1;
    QTest::newRow("id not a number") << "Austrija||AT||x1" << "Austrija" << -1;
    QTest::newRow("empty id") << "Austrija||AT||" << "Austrija" << -1;
    QTest::newRow("empty code") << "Njemačka||||7" << QStringLiteral("Njemačka") << 7;
}

void TestAllowanceRates::countryItemParts()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(int, id);
    QCOMPARE(ItemCountryName(item), name);
    QCOMPARE(ItemCountryId(item), id);
}

void TestAllowanceRates::countryListInNameOrder()
{
    int at = 0, de = 0;
    VERIFY_DB(de = country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    QStringList items;
    VERIFY_DB(items = FillCountryList(m_dm->Read));
    QCOMPARE(items, (QStringList{QStringLiteral("Austrija||AT||%1").arg(at), QStringLiteral("Njemačka||DE||%1").arg(de)}));
    QCOMPARE(FindCountryIndex(items, QStringLiteral("NJEMAČKA")), 1);
    QCOMPARE(FindCountryIndex(items, QStringLiteral("austrija")), 0);
    QCOMPARE(FindCountryIndex(items, QStringLiteral("Austr")), -1);
    QCOMPARE(FindCountryIndex({}, QStringLiteral("Austrija")), -1);
}

void TestAllowanceRates::addCountryRefusesExistingNameOrCode()
{
    Countries countries(*m_dm);
    QVERIFY(countries.add(QStringLiteral("ATX"), QStringLiteral("Austrija")).has_value());
    QVERIFY(!countries.add(QStringLiteral("DE"), QStringLiteral("Austrija")).has_value());
    QVERIFY(countries.add(QStringLiteral("AT"), QStringLiteral("Njemačka")).has_value());
    // The code is cut to 3 characters before the test: "ATXY" is "ATX".
    QVERIFY(!countries.add(QStringLiteral("ATXY"), QStringLiteral("Italija")).has_value());
    // The name is cut to 40 characters.
    const QString longName = QString(45, QLatin1Char('L'));
    QVERIFY(countries.add(QStringLiteral("LL"), longName).has_value());
    QVERIFY(!countries.add(QStringLiteral("LM"), QString(41, QLatin1Char('L'))).has_value());
    // A name the database cannot hold is refused, not counted as done.
    QVERIFY(!countries.add(QStringLiteral("RU"), QStringLiteral("Россия")).has_value());
    QVector<Country> all;
    VERIFY_DB(all = countries.all());
    QCOMPARE(all.size(), 3);
    QCOMPARE(all.at(0).name, QStringLiteral("Austrija"));
    QCOMPARE(all.at(1).name, QString(40, QLatin1Char('L')));
    QCOMPARE(all.at(2).code, QStringLiteral("AT"));
    QVERIFY(!m_dm->IBTransaction1.isActive());
}

void TestAllowanceRates::deleteAndChangeCountry()
{
    int at = 0, de = 0;
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(de = country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(rate(at, QDate(2024, 1, 1), 30, QStringLiteral("EUR")));
    Countries countries(*m_dm);
    QVERIFY(countries.remove(at));
    int changed = 0;
    VERIFY_DB(changed = countries.change(de, QStringLiteral("D"), QStringLiteral("Deutschland")));
    QCOMPARE(changed, 1);
    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT ID, OZNAKA, DRZAVA FROM DRZAVE")));
    QCOMPARE(rows, (QVector<QVariantList>{{de, "D", "Deutschland"}}));
    // The rates of a deleted country stay.
    QVariant n;
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM DNEVNICE")));
    QCOMPARE(n.toInt(), 1);
}

void TestAllowanceRates::rateValidAtDate_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<double>("amount"); // 0: no usable rate

    QTest::newRow("day before the later rate") << QDate(2024, 6, 30) << 30.0;
    QTest::newRow("day of the later rate") << QDate(2024, 7, 1) << 35.0;
    QTest::newRow("day of the first rate") << QDate(2024, 1, 1) << 30.0;
    QTest::newRow("before any rate") << QDate(2023, 12, 31) << 0.0;
}

void TestAllowanceRates::rateValidAtDate()
{
    QFETCH(QDate, day);
    QFETCH(double, amount);
    int at = 0, de = 0;
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(de = country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(rate(at, QDate(2024, 1, 1), 30, QStringLiteral("EUR")));
    VERIFY_DB(rate(at, QDate(2024, 7, 1), 35, QStringLiteral("EUR")));
    VERIFY_DB(rate(de, QDate(2023, 1, 1), 40, QStringLiteral("USD")));

    std::optional<AllowanceRate> one;
    VERIFY_DB(one = AllowanceRates::rateOf(m_dm->IBTransaction1, QStringLiteral("Austrija"), day));
    QVERIFY(!m_dm->IBTransaction1.isActive());
    QCOMPARE(one.has_value(), amount != 0);
    QVector<AllowanceRate> dayView, calculator;
    VERIFY_DB(dayView = AllowanceRates(*m_dm).ratesAt(day));
    VERIFY_DB(calculator = AllowanceRates::ratesByCountryAt(m_dm->Read, day));
    QCOMPARE(dayView.size(), amount != 0 ? 2 : 1);
    QCOMPARE(calculator.size(), dayView.size());
    QCOMPARE(calculator.last().country, QStringLiteral("Njemačka"));
    QCOMPARE(calculator.last().amount, 40.0);
    if (amount != 0) {
        QCOMPARE(one->amount, amount);
        QCOMPARE(one->currency, QStringLiteral("EUR"));
        QCOMPARE(calculator.first().country, QStringLiteral("Austrija"));
        QCOMPARE(calculator.first().amount, amount);
    }
}

void TestAllowanceRates::latestRateOfZeroIsNoRate()
{
    int at = 0, de = 0;
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(de = country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(rate(at, QDate(2024, 1, 1), 30, QStringLiteral("EUR")));
    VERIFY_DB(rate(at, QDate(2024, 2, 1), 0, QStringLiteral("EUR")));
    VERIFY_DB(rate(de, QDate(2024, 1, 1), 40, QStringLiteral("EUR")));
    QVector<AllowanceRate> dayView;
    VERIFY_DB(dayView = AllowanceRates(*m_dm).ratesAt(QDate(2024, 3, 1)));
    QCOMPARE(dayView.size(), 1);
    QCOMPARE(dayView.first().country, QStringLiteral("Njemačka"));
    std::optional<AllowanceRate> one;
    VERIFY_DB(one = AllowanceRates(*m_dm).rateOf(QStringLiteral("Austrija"), QDate(2024, 3, 1)));
    QVERIFY(!one.has_value());
    VERIFY_DB(one = AllowanceRates(*m_dm).rateOf(QStringLiteral("Austrija"), QDate(2024, 1, 15)));
    QVERIFY(one.has_value());
}

void TestAllowanceRates::deleteOneDayOnly()
{
    int at = 0, de = 0;
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(de = country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(rate(at, QDate(2024, 1, 1), 30, QStringLiteral("EUR")));
    VERIFY_DB(rate(de, QDate(2024, 1, 1), 40, QStringLiteral("EUR")));
    VERIFY_DB(rate(at, QDate(2024, 7, 1), 35, QStringLiteral("EUR")));
    VERIFY_DB(rate(de, QDate(2024, 1, 2), 41, QStringLiteral("EUR")));
    int deleted = 0;
    VERIFY_DB(deleted = AllowanceRates(*m_dm).removeDay(QDate(2024, 1, 1)));
    QCOMPARE(deleted, 2);
    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT IZNOS FROM DNEVNICE ORDER BY IZNOS")));
    QCOMPARE(rows, (QVector<QVariantList>{{35.0}, {41.0}}));
    // Deleting one row by all four values.
    QVERIFY(AllowanceRates(*m_dm).remove(at, QDate(2024, 7, 1), QStringLiteral("EUR"), 35));
    QVector<AllowanceRate> history;
    VERIFY_DB(history = AllowanceRates(*m_dm).history(at));
    QVERIFY(history.isEmpty());
    VERIFY_DB(history = AllowanceRates(*m_dm).history(de));
    QCOMPARE(history.size(), 1);
}

void TestAllowanceRates::parseFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows"); // country|amount|currency
    QTest::addColumn<QStringList>("countries");
    QTest::addColumn<QStringList>("currencies");

    QTest::newRow("CR LF") << QByteArray("Austrija\t35,50\tEUR\r\nNjemacka\t40\tEUR\r\n")
                           << QStringList{"Austrija|35.5|EUR", "Njemacka|40|EUR"} << QStringList{"Austrija", "Njemacka"}
                           << QStringList{"EUR"};
    QTest::newRow("CR only") << QByteArray("Austrija\t35,5\tEUR\rSAD\t60\tUSD\r")
                             << QStringList{"Austrija|35.5|EUR", "SAD|60|USD"} << QStringList{"Austrija", "SAD"}
                             << QStringList{"EUR", "USD"};
    QTest::newRow("LF, no end") << QByteArray("Austrija\t35\tEUR\nSAD\t60\tUSD")
                                << QStringList{"Austrija|35|EUR", "SAD|60|USD"} << QStringList{"Austrija", "SAD"}
                                << QStringList{"EUR", "USD"};
    QTest::newRow("one TAB only") << QByteArray("Austrija\t35,50\r\nSAD\t60\tUSD\r\n") << QStringList{"SAD|60|USD"}
                                  << QStringList{"SAD"} << QStringList{"USD"};
    QTest::newRow("currency holds the rest") << QByteArray("Austrija\t35\tEUR\tx\r\n")
                                             << QStringList{"Austrija|35|EUR\tx"} << QStringList{"Austrija"}
                                             << QStringList{"EUR\tx"};
    QTest::newRow("bad amount is 0, blanks trimmed") << QByteArray(" Austrija \tabc\t EUR \r\nAustrija\t1\tEUR\r\n")
                                                     << QStringList{"Austrija|0|EUR", "Austrija|1|EUR"}
                                                     << QStringList{"Austrija"} << QStringList{"EUR"};
    QTest::newRow("Windows-1250 letters") << QByteArray("Gr\x9a\x9e\xe8\xe6\xf0ka\t3\tEUR\r\n")
                                          << QStringList{QStringLiteral("Gršžčćđka|3|EUR")}
                                          << QStringList{QStringLiteral("Gršžčćđka")} << QStringList{"EUR"};
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{} << QStringList{};
}

void TestAllowanceRates::parseFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, countries);
    QFETCH(QStringList, currencies);
    AllowanceRateFile file;
    file.parse(bytes);
    QStringList got;
    for (const AllowanceRateRow &r : file.rows())
        got << r.country + QLatin1Char('|') + QString::number(r.amount) + QLatin1Char('|') + r.currency;
    QCOMPARE(got, rows);
    QCOMPARE(file.countries(), countries);
    QCOMPARE(file.currencies(), currencies);
}

void TestAllowanceRates::unreadableFiles()
{
    QTemporaryDir dir;
    AllowanceRateFile file;
    QCOMPARE(file.read(dir.filePath("nema.txt")), AllowanceRateFile::Status::Missing);
    QCOMPARE(file.read(dir.path()), AllowanceRateFile::Status::Unreadable);
    QFile binary(dir.filePath("slika.kvr"));
    QVERIFY(binary.open(QIODevice::WriteOnly));
    binary.write(QByteArray("Austrija\t35\tEUR\r\n\0\x01\x02", 20));
    binary.close();
    QCOMPARE(file.read(binary.fileName()), AllowanceRateFile::Status::NotText);
    QVERIFY(file.rows().isEmpty());
    QVERIFY(!AllowanceRateFile::failureMessage(AllowanceRateFile::Status::NotText, binary.fileName()).isEmpty());
}

void TestAllowanceRates::importCreatesCountriesCurrenciesAndRates()
{
    VERIFY_DB(country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO VALUTE VALUES ('EUR','euro')")));
    AllowanceRateFile file;
    file.parse(QByteArray("AUSTRIJA\t35,50\teur\rSrbija\t40\tRSD\r\xc8"
                          "e\x9aka\t45,25\tCZK\rSrbija\t41\tRSD\rNula\t0\tEUR\r"));
    const QDate day(2024, 5, 1);
    AllowanceRateImport::Result result;
    VERIFY_DB(result = AllowanceRateImport(*m_dm).run(file, day));
    // "eur" is no code of the list (exact comparison), so it is added too.
    QCOMPARE(result.newCurrencies, (QStringList{"eur", "RSD", "CZK"}));
    QCOMPARE(result.newCountries, (QStringList{"AUSTRIJA", "Srbija", QStringLiteral("Češka"), "Nula"}));
    QCOMPARE(result.ratesImported, 5);
    QCOMPARE(result.rowsSkipped, 0);

    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT DRZAVA, OZNAKA FROM DRZAVE ORDER BY DRZAVA")));
    QCOMPARE(rows, (QVector<QVariantList>{{"AUSTRIJA", "00"}, {"Austrija", "AT"}, {"Nula", "00"}, {"Srbija", "00"},
                                          {QStringLiteral("Češka"), "00"}}));
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT D.DRZAVA, N.IZNOS, N.VALUTA, N.VRIJEDIOD FROM DNEVNICE N "
                                               "JOIN DRZAVE D ON D.ID = N.IDDRZAVA ORDER BY N.IZNOS")));
    // The case-insensitive finds give the first country and currency in
    // list order: "AUSTRIJA" sorts before "Austrija", "EUR" before "eur".
    QCOMPARE(rows, (QVector<QVariantList>{{"Nula", 0.0, "EUR", day},
                                          {"AUSTRIJA", 35.5, "EUR", day},
                                          {"Srbija", 40.0, "RSD", day},
                                          {"Srbija", 41.0, "RSD", day},
                                          {QStringLiteral("Češka"), 45.25, "CZK", day}}));
    // The day view leaves the zero rate out.
    QVector<AllowanceRate> dayView;
    VERIFY_DB(dayView = AllowanceRates(*m_dm).ratesAt(day));
    QCOMPARE(dayView.size(), 3);
}

void TestAllowanceRates::importSkipsRowsThatCannotBeImported()
{
    VERIFY_DB(country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    AllowanceRateFile file;
    const QString longName = QString(45, QLatin1Char('D'));
    file.parse(QByteArray("Austrija\t30\tTOOLONG\r\n\t31\tEUR\r\nAustrija\t32\t\r\n")
               + db::toWin1250(longName) + QByteArray("\t33\tEUR\r\nAustrija \t34\t EUR\r\n"));
    AllowanceRateImport::Result result;
    VERIFY_DB(result = AllowanceRateImport(*m_dm).run(file, QDate(2024, 5, 1)));
    QCOMPARE(result.newCurrencies, (QStringList{"EUR"}));
    QCOMPARE(result.newCountries, (QStringList{QString(40, QLatin1Char('D'))}));
    QCOMPARE(result.ratesImported, 2);
    QCOMPARE(result.rowsSkipped, 3);
    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT D.DRZAVA, N.IZNOS FROM DNEVNICE N "
                                               "JOIN DRZAVE D ON D.ID = N.IDDRZAVA ORDER BY N.IZNOS")));
    QCOMPARE(rows, (QVector<QVariantList>{{QString(40, QLatin1Char('D')), 33.0}, {"Austrija", 34.0}}));
    QVERIFY(!m_dm->IBTransaction1.isActive());
}

QTEST_GUILESS_MAIN(TestAllowanceRates)
#include "tst_allowancerates.moc"
