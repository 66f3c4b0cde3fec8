// The settlement of an order: the five methods, the standard view, the
// summary per employee, the rates, the two-currency split and the cost tree,
// on a real rate list.

#include "core/Amounts.h"
#include "core/Settings.h"
#include "orders/CostTree.h"
#include "orders/Settlement.h"
#include "support/TestDatabase.h"

#include <QtTest>

using namespace kalvor;

namespace {

Settings testSettings()
{
    Settings s;
    s.set(QStringLiteral("DefValuta"), QStringLiteral("HRK"));
    return s;
}

SectionRow section(int day, double km)
{
    SectionRow s;
    s.date = QDate(2026, 3, day);
    s.odometer = km;
    s.relation = QStringLiteral("Zagreb");
    return s;
}

// The worked example: 1.250 km at 0,18 EUR, two allowances of 70,00 EUR,
// an advance of 200,00 EUR and cash receipts of 300,00 HRK; EUR at 7,40.
TravelOrder workedExample()
{
    TravelOrder o;
    o.accountingDate = QDate(2026, 3, 10);
    o.departureDate = QDate(2026, 3, 1);
    o.departureTime = QStringLiteral("08:00");
    o.returnDate = QDate(2026, 3, 2);
    o.returnTime = QStringLiteral("21:00");
    o.baseCurrency = QStringLiteral("HRK");
    o.allowanceAmount = QStringLiteral("70,00");
    o.allowanceCurrency = QStringLiteral("EUR");
    o.drivers[0] = {1, QStringLiteral("Horvat Ivan"), true};
    o.sections = {section(2, 101250), section(1, 100000)};
    o.advances = {{-1, 1, QStringLiteral("Horvat Ivan"), QDate(2026, 3, 1), 200, QStringLiteral("EUR")}};
    Receipt r;
    r.amount = 300;
    r.currency = QStringLiteral("HRK");
    r.number = QStringLiteral("1");
    o.receipts = {r};
    o.settlement.method = ByKilometres;
    o.settlement.pricePerKm = QStringLiteral("0,18");
    o.settlement.kmCurrency = QStringLiteral("EUR");
    o.settlement.allowanceFirst = true;
    return o;
}

QString cents(double v)
{
    return FormatAmountZero(v);
}

} // namespace

class TestSettlement : public QObject
{
    Q_OBJECT

    db::Database m_db;
    std::unique_ptr<test::TestDatabase> m_fixture;
    std::unique_ptr<db::Transaction> m_write;

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<test::TestDatabase>(m_db);
        const char *rates[][3] = {{"2026-03-01", "EUR", "7.40"}, {"2026-02-01", "EUR", "7.50"},
                                  {"2026-02-01", "USD", "6.00"}, {"2026-03-05", "USD", "5.80"}};
        for (const auto &r : rates)
            VERIFY_DB(m_fixture->exec(QStringLiteral("INSERT INTO TECAJ (DATUM, VALUTA, KURS) VALUES (:D, :V, :K)"),
                                      {{"D", QString::fromLatin1(r[0])},
                                       {"V", QString::fromLatin1(r[1])},
                                       {"K", QString::fromLatin1(r[2]).toDouble()}}));
        m_write = std::make_unique<db::Transaction>(m_db);
    }

    void cleanupTestCase()
    {
        m_write.reset();
        m_fixture.reset();
    }

    void workedExampleByKilometres()
    {
        const TravelOrder o = workedExample();
        const Settings settings = testSettings();
        OrderRateLookup rates(*m_write, o, QStringLiteral("HRK"));
        SettlementResult r;
        VERIFY_DB(r = ComputeSettlement(o, rates, settings));
        QVERIFY(!r.missingRate);
        QCOMPARE(r.kilometres, 1250.0);
        const MethodSettlement &km = r.methods[ByKilometres];
        QCOMPARE(km.lines.size(), 5);
        QCOMPARE(km.lines[1].caption, QStringLiteral("Zarada po km"));
        QCOMPARE(cents(km.lines[1].value), QStringLiteral("1,33"));
        QVERIFY(qAbs(km.lines[1].value - 1.332) < 1e-9);
        QCOMPARE(cents(km.lines[2].value), QStringLiteral("1665,00"));
        QCOMPARE(km.lines[3].value, 2.0);
        QCOMPARE(km.lines[4].value, 1.0);
        const EmployeeSettlement &d = km.employees[0];
        QCOMPARE(cents(d.allowance), QStringLiteral("1036,00"));
        QCOMPARE(cents(d.advances), QStringLiteral("1480,00"));
        QCOMPARE(cents(d.cashReceipts), QStringLiteral("300,00"));
        QCOMPARE(cents(d.payable()), QStringLiteral("485,00"));
        QCOMPARE(d.balanceKind(), QStringLiteral("Isplata"));
        QCOMPARE(FormatAmount(d.balance()), QStringLiteral("1.521,00"));
    }

    void secondEmployee_data()
    {
        QTest::addColumn<bool>("onlyFirstEarns");
        QTest::addColumn<bool>("allowanceOthers");
        QTest::addColumn<QString>("earning");
        QTest::addColumn<QString>("allowance");
        QTest::newRow("earns, no allowance") << false << false << "1665,00" << "0,00";
        QTest::newRow("only the driver earns") << true << false << "0,00" << "0,00";
        QTest::newRow("earns with allowance") << false << true << "1665,00" << "1036,00";
    }
    void secondEmployee()
    {
        QFETCH(bool, onlyFirstEarns);
        QFETCH(bool, allowanceOthers);
        QFETCH(QString, earning);
        QFETCH(QString, allowance);
        TravelOrder o = workedExample();
        o.coDrivers[0] = {2, QStringLiteral("Kovač Marko"), true};
        o.settlement.onlyFirstEarns = onlyFirstEarns;
        o.settlement.allowanceOthers = allowanceOthers;
        const Settings settings = testSettings();
        OrderRateLookup rates(*m_write, o, QStringLiteral("HRK"));
        SettlementResult r;
        VERIFY_DB(r = ComputeSettlement(o, rates, settings));
        const EmployeeSettlement &c = r.methods[ByKilometres].employees[1];
        QCOMPARE(c.employee.name, QStringLiteral("Kovač Marko"));
        QCOMPARE(cents(c.earning), earning);
        QCOMPARE(c.cashReceipts, 0.0);
        QCOMPARE(c.advances, 0.0);
        QCOMPARE(cents(c.allowance), allowance);
        QCOMPARE(r.methods[ByKilometres].employees[0].earning, 1665.0);
    }

    void theOtherMethodsAndTheStandardView()
    {
        TravelOrder o = workedExample();
        o.coDrivers[0] = {2, QStringLiteral("Kovač Marko"), true};
        SettlementInputs &s = o.settlement;
        s.totalPrice = QStringLiteral("1.000,00");
        s.totalCurrency = QStringLiteral("EUR");
        s.percentage = QStringLiteral("15");
        s.fixedTotal = QStringLiteral("5000");
        s.fixedTotalCurrency = QStringLiteral("HRK");
        s.fixedFee = QStringLiteral("100");
        s.fixedFeeCurrency = QStringLiteral("EUR");
        // 24 h in Austria at 40 EUR and 12 h in Germany at 60 EUR: 2 allowances.
        o.multiCountryText = QStringLiteral(
            "<PDNSTAVKA><DRZAVA>Austrija</DRZAVA><DNEVNICA>40</DNEVNICA><VALUTA>EUR</VALUTA><OD>0</OD><DO>1</DO>"
            "<TRAJANJE>1</TRAJANJE></PDNSTAVKA>\r\n<PDNSTAVKA><DRZAVA>Njemačka</DRZAVA><DNEVNICA>60</DNEVNICA>"
            "<VALUTA>EUR</VALUTA><OD>0</OD><DO>0,5</DO><TRAJANJE>0,5</TRAJANJE></PDNSTAVKA>\r\n");
        const Settings settings = testSettings();
        OrderRateLookup rates(*m_write, o, QStringLiteral("HRK"));
        SettlementResult r;
        VERIFY_DB(r = ComputeSettlement(o, rates, settings));

        const MethodSettlement &pct = r.methods[ByPercentage];
        QCOMPARE(cents(pct.lines[1].value), QStringLiteral("7400,00"));
        QCOMPARE(pct.lines[2].caption, QStringLiteral("Zarada djelatnika"));
        QCOMPARE(cents(pct.lines[2].value), QStringLiteral("1110,00"));
        QCOMPARE(cents(pct.employees[1].earning), QStringLiteral("1110,00"));

        const MethodSettlement &fixed = r.methods[FixedFee];
        QCOMPARE(cents(fixed.lines[1].value), QStringLiteral("5000,00"));
        QCOMPARE(cents(fixed.lines[2].value), QStringLiteral("740,00"));

        const MethodSettlement &days = r.methods[ByAllowances];
        QCOMPARE(days.lines.size(), 4);
        QCOMPARE(cents(days.lines[2].value), QStringLiteral("1036,00"));
        for (const EmployeeSettlement &e : days.employees) {
            QCOMPARE(e.earning, 0.0);
            QCOMPARE(cents(e.allowance), QStringLiteral("1036,00"));
        }
        // The driver's advances and cash receipts count under every method.
        QCOMPARE(cents(days.employees[0].balance()), QStringLiteral("-144,00"));
        QCOMPARE(days.employees[0].balanceKind(), QStringLiteral("Povrat"));

        const MethodSettlement &multi = r.methods[MultiCountry];
        QCOMPARE(multi.lines[1].value, 2.0);
        QCOMPARE(cents(multi.lines[2].value), QStringLiteral("740,00")); // (40 + 60) × 7,40
        QCOMPARE(cents(multi.employees[1].allowance), QStringLiteral("740,00"));

        const MethodSettlement &standard = r.standard;
        QCOMPARE(standard.lines[2].currency, QStringLiteral("HRK"));
        QCOMPARE(cents(standard.lines[2].value), QStringLiteral("1036,00"));
        QCOMPARE(cents(standard.employees[1].allowance), QStringLiteral("1036,00"));

        // Two currencies with the allowance in the alternative currency: the
        // standard view keeps it in euros.
        o.twoCurrencies = true;
        o.altCurrency = QStringLiteral("EUR");
        OrderRateLookup twoRates(*m_write, o, QStringLiteral("HRK"));
        VERIFY_DB(r = ComputeSettlement(o, twoRates, settings));
        QCOMPARE(r.standard.lines[2].currency, QStringLiteral("EUR"));
        QCOMPARE(cents(r.standard.lines[2].value), QStringLiteral("140,00"));
    }

    void receiptsPaidByTheCompanyDoNotCount()
    {
        TravelOrder o = workedExample();
        o.coDrivers[0] = {2, QStringLiteral("Kovač Marko"), true};
        Receipt company;
        company.amount = 1000;
        company.currency = QStringLiteral("HRK");
        company.payment = Receipt::Company;
        o.receipts.append(company);
        const Settings settings = testSettings();
        OrderRateLookup rates(*m_write, o, QStringLiteral("HRK"));
        SettlementResult r;
        VERIFY_DB(r = ComputeSettlement(o, rates, settings));
        QCOMPARE(r.cashReceipts, 300.0);
        QCOMPARE(r.methods[ByAllowances].employees[0].cashReceipts, 300.0);
        QCOMPARE(r.methods[ByAllowances].employees[1].cashReceipts, 0.0);
    }

    void ratesOfTheOrder()
    {
        TravelOrder o = workedExample();
        o.advances.clear();
        o.allowanceCurrency = QStringLiteral("HRK");
        o.settlement.kmCurrency = QStringLiteral("HRK");
        const Settings settings = testSettings();
        {
            // Only the accounting currency: rate 1 without asking the list.
            OrderRateLookup rates(*m_write, o, QStringLiteral("HRK"));
            QStringList statements;
            m_db.setStatementSink([&statements](const QString &sql) { statements << sql; });
            SettlementResult r;
            VERIFY_DB(r = ComputeSettlement(o, rates, settings));
            m_db.setStatementSink({});
            QVERIFY2(statements.filter(QStringLiteral("TECAJSVE")).isEmpty(), qPrintable(statements.join('\n')));
            QCOMPARE(cents(r.allowances.amount), QStringLiteral("140,00"));
        }
        // A fixed rate wins over the list; the list is asked at the date; a
        // currency without any rate is -1 and is remembered.
        o.rates = {{QStringLiteral("EUR"), QStringLiteral("7,5")}};
        OrderRateLookup rates(*m_write, o, QStringLiteral("HRK"));
        VERIFY_DB(QCOMPARE(rates.rate(QStringLiteral("EUR")), 7.5));
        VERIFY_DB(QCOMPARE(rates.rate(QStringLiteral("USD"), QDate(2026, 3, 4)), 6.0));
        VERIFY_DB(QCOMPARE(rates.rate(QStringLiteral("USD"), QDate(2026, 3, 5)), 5.8));
        QVERIFY(!rates.metMissingRate());
        VERIFY_DB(QCOMPARE(rates.rate(QStringLiteral("GBP")), -1.0));
        QVERIFY(rates.metMissingRate());
        QCOMPARE(OrderRateLookup::missingRateWarning(),
                 QStringLiteral("Neki od kurseva nisu definirani - moguća greška kod proračuna!"));
    }

    void rateTable()
    {
        TravelOrder o;
        PrepareRateTable(o, {QStringLiteral("EUR"), QStringLiteral("HRK"), QStringLiteral("USD")},
                         QStringLiteral("HRK"));
        QCOMPARE(o.rates.size(), 2);
        QVector<ListedRate> listed;
        VERIFY_DB(listed = RatesValidAt(*m_write, QDate(2026, 3, 4)));
        QCOMPARE(listed.size(), 2);
        CopyRate(o, listed[0]);
        QCOMPARE(o.rateText(QStringLiteral("EUR")), QStringLiteral("7,4000000"));
        QVERIFY(o.rateText(QStringLiteral("USD")).isEmpty());
        CopyAllRates(o, listed);
        QCOMPARE(o.rateText(QStringLiteral("USD")), QStringLiteral("6,0000000"));
        // Copying the accounting currency's rate adds its row.
        CopyRate(o, {QStringLiteral("HRK"), 1});
        QCOMPARE(o.rates.size(), 3);
        ClearRate(o, 0);
        QCOMPARE(o.currenciesWithoutRate(), QStringList());
        o.allowanceCurrency = QStringLiteral("EUR");
        QCOMPARE(o.currenciesWithoutRate(), QStringList{QStringLiteral("EUR")});
        QVERIFY(SameCurrencies(QStringLiteral("EUR"), QStringLiteral("EUR"), true));
        QVERIFY(!SameCurrencies(QStringLiteral("EUR"), QStringLiteral("EUR"), false));
        QVERIFY(!SameCurrencies(QStringLiteral("HRK"), QStringLiteral("EUR"), true));
    }

    void twoCurrencySplit_data()
    {
        QTest::addColumn<bool>("thirdToAlternative");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("alternative");
        // Receipts: 100 HRK, 50 EUR, 10 USD (6,00 at the accounting date).
        QTest::newRow("third currency into the base") << false << "160,00" << "50,00";
        QTest::newRow("third currency into the alternative") << true << "100,00" << "58,11";
    }
    void twoCurrencySplit()
    {
        QFETCH(bool, thirdToAlternative);
        QFETCH(QString, base);
        QFETCH(QString, alternative);
        TravelOrder o = workedExample();
        o.accountingDate = QDate(2026, 3, 4);
        o.twoCurrencies = true;
        o.altCurrency = QStringLiteral("EUR");
        o.receipts.clear();
        o.advances.clear();
        const char *currencies[] = {"HRK", "EUR", "USD"};
        const double amounts[] = {100, 50, 10};
        for (int i = 0; i < 3; ++i) {
            Receipt r;
            r.amount = amounts[i];
            r.currency = QString::fromLatin1(currencies[i]);
            o.receipts.append(r);
            o.advances.append({-1, 1, QStringLiteral("Horvat Ivan"), QDate(2026, 3, 1), amounts[i], r.currency});
        }
        OrderRateLookup rates(*m_write, o, QStringLiteral("HRK"));
        TwoCurrencyAmount receipts;
        TwoCurrencyAmount advances;
        VERIFY_DB(receipts = CashReceiptsSplit(rates, thirdToAlternative));
        VERIFY_DB(advances = AdvancesSplit(rates, 1, thirdToAlternative));
        QCOMPARE(cents(receipts.base), base);
        QCOMPARE(cents(receipts.alternative), alternative); // 60 / 7,40 = 8,11
        QCOMPARE(cents(advances.base), base);
        QCOMPARE(cents(advances.alternative), alternative);
    }

    void costTree_data()
    {
        QTest::addColumn<bool>("keepCurrencies");
        QTest::addColumn<bool>("atAccountingDate");
        QTest::addColumn<QStringList>("branches");
        QTest::addColumn<QString>("total");
        // Advance 200 EUR on 01.02. (7,50 that day, 7,40 at the accounting
        // date), cash receipt 300 HRK, allowances 2 × 70 EUR.
        QTest::newRow("converted at the accounting date")
            << false << true << QStringList{"HRK: 1336,00 - 1480,00 = Povrat 144,00"} << "Povrat 144,00";
        QTest::newRow("converted at the advance's date")
            << false << false << QStringList{"HRK: 1336,00 - 1500,00 = Povrat 164,00"} << "Povrat 164,00";
        QTest::newRow("every currency its own")
            << true << true << QStringList{"EUR: 140,00 - 200,00 = Povrat 60,00", "HRK: 300,00 - 0,00 = Isplata 300,00"}
            << "Povrat 144,00";
    }
    void costTree()
    {
        QFETCH(bool, keepCurrencies);
        QFETCH(bool, atAccountingDate);
        QFETCH(QStringList, branches);
        QFETCH(QString, total);
        TravelOrder o = workedExample();
        o.advances[0].date = QDate(2026, 2, 1);
        o.coDrivers[0] = {2, QStringLiteral("Kovač Marko"), true};
        Settings settings = testSettings();
        settings.set(QStringLiteral("MultiValuta"), keepCurrencies ? 1 : 0);
        settings.set(QStringLiteral("AkontacijaDatumObracuna"), atAccountingDate ? 1 : 0);
        OrderRateLookup rates(*m_write, o, QStringLiteral("HRK"));
        QVector<CostEmployee> tree;
        VERIFY_DB(tree = BuildCostTree(o, rates, settings, ComputeAllowanceFigures(o, rates, settings)));
        QCOMPARE(tree.size(), 2);
        QStringList shown;
        for (const CostCurrency &c : tree[0].currencies)
            shown << c.currency + QStringLiteral(": ") + cents(c.in) + QStringLiteral(" - ") + cents(c.out)
                    + QStringLiteral(" = ") + CostResultKind(c.result()) + QLatin1Char(' ') + cents(qAbs(c.result()));
        QCOMPARE(shown, branches);
        QCOMPARE(CostResultKind(tree[0].total) + QLatin1Char(' ') + cents(qAbs(tree[0].total)), total);
        QCOMPARE(tree[0].baseCurrency, QStringLiteral("HRK"));
        const CostItem &advance = tree[0].currencies[0].items[0];
        QCOMPARE(advance.text(), QStringLiteral("Akontacija - 200,00 EUR"));
        QCOMPARE(advance.date, QDate(2026, 2, 1));
        // The co-driver receives no allowance under the kilometre method
        // with the flag for the others off: nothing to pay out.
        QVERIFY(tree[1].currencies.isEmpty());
        QCOMPARE(tree[1].total, 0.0);
    }

    void proposedTotalPrices()
    {
        Settings settings = testSettings();
        settings.set(QStringLiteral("CijenaKm2"), 0.5);
        settings.set(QStringLiteral("Postotak"), 15);
        SettlementInputs in;
        ProposeTotalPrices(in, 1250, settings);
        QCOMPARE(in.totalPrice, QStringLiteral("625,00"));
        QCOMPARE(in.totalCurrency, QStringLiteral("HRK"));
        QCOMPARE(in.fixedTotal, QStringLiteral("625,00"));
        QCOMPARE(in.fixedFee, QStringLiteral("93,75"));
        in.totalPrice = QStringLiteral("700,00");
        ProposeTotalPrices(in, 2000, settings); // filled fields stay
        QCOMPARE(in.totalPrice, QStringLiteral("700,00"));
        ProposeTotalPrices(in, 2000, settings, true);
        QCOMPARE(in.totalPrice, QStringLiteral("1000,00"));

        SettlementInputs copy;
        copy.totalPrice = QStringLiteral("2000");
        copy.totalCurrency = QStringLiteral("EUR");
        CopyPercentageTotal(copy, settings);
        QCOMPARE(copy.fixedTotal, QStringLiteral("2000"));
        QCOMPARE(copy.fixedTotalCurrency, QStringLiteral("EUR"));
        QCOMPARE(copy.fixedFee, QStringLiteral("300,00"));
        SettlementInputs back;
        back.fixedTotal = QStringLiteral("900");
        CopyFixedTotal(back);
        QCOMPARE(back.totalPrice, QStringLiteral("900"));
    }
};

QTEST_GUILESS_MAIN(TestSettlement)
#include "tst_settlement.moc"
