#include "core/TDataModule1.h"
#include "core/db/DbError.h"
#include "reference/CurrencyRepository.h"
#include "reference/ExchangeRates.h"
#include "support/TestDatabase.h"

#include <QTest>
#include <memory>

using namespace kalvor;

// Currencies and dated exchange rates on a real database: the lookups through
// TECAJSVE, the rate history and the writes of the currency screen.
class TestExchangeRates : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rateValidAtDate_data();
    void rateValidAtDate();
    void dayViewListsEveryCurrencyWithARate();
    void identicalRowsAreDeletedTogether();
    void historyIsNewestFirst();
    void addingAnExistingCodeStoresNothing();
    void deletingACurrencyLeavesItsRates();
    void renameMatchesTheOldNameToo();
    void importedCurrenciesSkipRefusedCodes();

private:
    void insertRate(const QDate &date, const QString &currency, double rate);
    std::unique_ptr<TDataModule1> m_dm;
    std::unique_ptr<test::TestDatabase> m_db;
};

void TestExchangeRates::init()
{
    m_dm = std::make_unique<TDataModule1>();
    m_db = std::make_unique<test::TestDatabase>(m_dm->DB);
}

void TestExchangeRates::cleanup()
{
    m_db.reset();
    m_dm.reset();
}

void TestExchangeRates::insertRate(const QDate &date, const QString &currency, double rate)
{
    m_db->exec(QStringLiteral("INSERT INTO TECAJ (DATUM,VALUTA,KURS) VALUES (:D,:V,:K)"),
               {{QStringLiteral("D"), date}, {QStringLiteral("V"), currency}, {QStringLiteral("K"), rate}});
}

void TestExchangeRates::rateValidAtDate_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("rate");

    QTest::newRow("day before the later rate") << QDate(2024, 3, 14) << true << 7.5;
    QTest::newRow("day of the later rate") << QDate(2024, 3, 15) << true << 7.6;
    QTest::newRow("day of the first rate") << QDate(2024, 3, 1) << true << 7.5;
    QTest::newRow("before any rate") << QDate(2024, 2, 28) << false << 0.0;
}

void TestExchangeRates::rateValidAtDate()
{
    QFETCH(QDate, day);
    QFETCH(bool, found);
    QFETCH(double, rate);
    VERIFY_DB(insertRate(QDate(2024, 3, 1), QStringLiteral("EUR"), 7.5));
    VERIFY_DB(insertRate(QDate(2024, 3, 15), QStringLiteral("EUR"), 7.6));
    VERIFY_DB(insertRate(QDate(2024, 2, 1), QStringLiteral("USD"), 6.1));

    ExchangeRates rates(*m_dm);
    std::optional<double> single;
    VERIFY_DB(single = rates.rateAt(QStringLiteral("EUR"), day));
    QCOMPARE(single.has_value(), found);
    QVector<ExchangeRate> all;
    VERIFY_DB(all = rates.ratesAt(day));
    const auto eur = std::find_if(all.cbegin(), all.cend(), [](const ExchangeRate &r) { return r.currency == "EUR"; });
    QCOMPARE(eur != all.cend(), found);
    if (found) {
        QCOMPARE(*single, rate);
        QCOMPARE(eur->rate, rate);
    }
    // A currency without any rate up to the day has none.
    VERIFY_DB(single = rates.rateAt(QStringLiteral("GBP"), day));
    QVERIFY(!single.has_value());
}

void TestExchangeRates::dayViewListsEveryCurrencyWithARate()
{
    VERIFY_DB(insertRate(QDate(2024, 3, 1), QStringLiteral("EUR"), 7.5));
    VERIFY_DB(insertRate(QDate(2024, 3, 2), QStringLiteral("USD"), 6.25));
    VERIFY_DB(insertRate(QDate(2024, 3, 9), QStringLiteral("CHF"), 8.0));
    QVector<ExchangeRate> all;
    VERIFY_DB(all = ExchangeRates(*m_dm).ratesAt(QDate(2024, 3, 5)));
    QCOMPARE(all.size(), 2);
    QStringList codes;
    for (const ExchangeRate &r : all)
        codes << r.currency;
    codes.sort();
    QCOMPARE(codes, (QStringList{"EUR", "USD"}));
}

void TestExchangeRates::identicalRowsAreDeletedTogether()
{
    const QDate day(2024, 3, 1);
    VERIFY_DB(insertRate(day, QStringLiteral("EUR"), 7.5));
    VERIFY_DB(insertRate(day, QStringLiteral("EUR"), 7.5));
    VERIFY_DB(insertRate(day, QStringLiteral("EUR"), 7.55));
    ExchangeRates rates(*m_dm);
    QVector<ExchangeRate> history;
    VERIFY_DB(history = rates.history(QStringLiteral("EUR")));
    QCOMPARE(history.size(), 3);
    const ExchangeRate one = *std::find_if(history.cbegin(), history.cend(),
                                           [](const ExchangeRate &r) { return r.rate == 7.5; });
    QVERIFY(rates.remove(one.date, one.currency, one.rate));
    QVariant left;
    VERIFY_DB(left = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM TECAJ")));
    QCOMPARE(left.toInt(), 1);
    VERIFY_DB(left = m_db->scalar(QStringLiteral("SELECT KURS FROM TECAJ")));
    QCOMPARE(left.toDouble(), 7.55);
}

void TestExchangeRates::historyIsNewestFirst()
{
    ExchangeRates rates(*m_dm);
    QVERIFY(rates.add(QDate(2024, 1, 10), QStringLiteral("EUR"), 7.4));
    QVERIFY(rates.add(QDate(2024, 3, 10), QStringLiteral("EUR"), 7.6));
    QVERIFY(rates.add(QDate(2024, 2, 10), QStringLiteral("EUR"), 7.5));
    QVERIFY(rates.add(QDate(2024, 2, 11), QStringLiteral("USD"), 6.0));
    QVector<ExchangeRate> history;
    VERIFY_DB(history = rates.history(QStringLiteral("EUR")));
    QCOMPARE(history.size(), 3);
    QCOMPARE(history.at(0).date, QDate(2024, 3, 10));
    QCOMPARE(history.at(1).date, QDate(2024, 2, 10));
    QCOMPARE(history.at(2).rate, 7.4);
    // A rate the database refuses (a code longer than the column) is no row.
    QVERIFY(!rates.add(QDate(2024, 2, 11), QStringLiteral("TOOLONG"), 1.0));
    QVERIFY(!m_dm->IBTransaction1.isActive());
}

void TestExchangeRates::addingAnExistingCodeStoresNothing()
{
    CurrencyRepository currencies(*m_dm);
    QCOMPARE(currencies.add(QStringLiteral("EUR"), QStringLiteral("euro")), CurrencyRepository::AddResult::Added);
    QCOMPARE(currencies.add(QStringLiteral("EUR"), QStringLiteral("drugi euro")), CurrencyRepository::AddResult::Exists);
    QCOMPARE(currencies.add(QStringLiteral("TOOLONG"), QStringLiteral("x")), CurrencyRepository::AddResult::Refused);
    // Empty texts are stored as they are.
    QCOMPARE(currencies.add(QString(""), QString("")), CurrencyRepository::AddResult::Added);
    QVector<Currency> all;
    VERIFY_DB(all = currencies.all());
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.at(0).code, QString());
    QCOMPARE(all.at(1).code, QStringLiteral("EUR"));
    QCOMPARE(all.at(1).name, QStringLiteral("euro"));
    QVERIFY(!m_dm->IBTransaction1.isActive());
}

void TestExchangeRates::deletingACurrencyLeavesItsRates()
{
    CurrencyRepository currencies(*m_dm);
    QCOMPARE(currencies.add(QStringLiteral("EUR"), QStringLiteral("euro")), CurrencyRepository::AddResult::Added);
    VERIFY_DB(insertRate(QDate(2024, 3, 1), QStringLiteral("EUR"), 7.5));
    QVERIFY(currencies.remove(QStringLiteral("EUR")));
    QVariant n;
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM VALUTE")));
    QCOMPARE(n.toInt(), 0);
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM TECAJ")));
    QCOMPARE(n.toInt(), 1);
}

void TestExchangeRates::renameMatchesTheOldNameToo()
{
    CurrencyRepository currencies(*m_dm);
    QCOMPARE(currencies.add(QStringLiteral("EUR"), QStringLiteral("euro")), CurrencyRepository::AddResult::Added);
    QCOMPARE(currencies.add(QStringLiteral("USD"), QStringLiteral("dolar")), CurrencyRepository::AddResult::Added);
    // Another client renames the euro meanwhile.
    VERIFY_DB(m_db->exec(QStringLiteral("UPDATE VALUTE SET NAZIV='Euro (EMU)' WHERE OZNAKA='EUR'")));
    int changed = -1;
    VERIFY_DB(changed = currencies.change(QStringLiteral("EUR"), QStringLiteral("euro"), QStringLiteral("EUX"),
                                          QStringLiteral("promijenjen")));
    QCOMPARE(changed, 0);
    VERIFY_DB(changed = currencies.change(QStringLiteral("USD"), QStringLiteral("dolar"), QStringLiteral("USN"),
                                          QStringLiteral("američki dolar")));
    QCOMPARE(changed, 1);
    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT OZNAKA, NAZIV FROM VALUTE ORDER BY OZNAKA")));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0), (QVariantList{"EUR", "Euro (EMU)"}));
    QCOMPARE(rows.at(1), (QVariantList{"USN", QStringLiteral("američki dolar")}));
    // A rename onto an existing code fails with the database's own message.
    QVERIFY_THROWS_EXCEPTION(db::DbError, currencies.change(QStringLiteral("USN"), QStringLiteral("američki dolar"),
                                                            QStringLiteral("EUR"), QStringLiteral("x")));
    QVERIFY(!m_dm->IBTransaction1.isActive());
}

void TestExchangeRates::importedCurrenciesSkipRefusedCodes()
{
    CurrencyRepository currencies(*m_dm);
    QCOMPARE(currencies.add(QStringLiteral("EUR"), QStringLiteral("euro")), CurrencyRepository::AddResult::Added);
    QStringList stored;
    VERIFY_DB(stored = currencies.addImported({"USD", "TOOLONG", "EUR", "CHF"}));
    QCOMPARE(stored, (QStringList{"USD", "CHF"}));
    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT OZNAKA, NAZIV FROM VALUTE ORDER BY OZNAKA")));
    QCOMPARE(rows, (QVector<QVariantList>{{"CHF", "CHF"}, {"EUR", "euro"}, {"USD", "USD"}}));
}

QTEST_GUILESS_MAIN(TestExchangeRates)
#include "tst_exchangerates.moc"
