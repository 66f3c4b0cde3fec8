// Advances and receipts of a travel order: the entry checks in their order,
// the cash desk check of a payout, what a receipt keeps of hidden panels, the
// entry reset and choice lists, and the summaries of both tabs in one and in
// two currencies. Logic that must not touch the database runs on a closed
// connection, so that any statement would fail the test.

#include "core/Amounts.h"
#include "core/Settings.h"
#include "orders/OrderAdvances.h"
#include "orders/OrderReceipts.h"
#include "orders/OrderTotals.h"
#include "orders/TravelOrderStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QtTest>

using namespace kalvor;

namespace {

const EmployeeRef kDriver{1, QStringLiteral("Horvat Ivan"), true};
const EmployeeRef kCoDriver{3, QStringLiteral("Šimić Ana"), true};

Settings testSettings()
{
    Settings s;
    s.set(QStringLiteral("DefValuta"), QStringLiteral("HRK"));
    s.set(QStringLiteral("AkontacijaProvjera"), 0);
    s.set(QStringLiteral("AltValuta2"), 0);
    s.set(QStringLiteral("DoubleAlternativno"), 0);
    s.set(QStringLiteral("AutomatskaOznaka"), 0);
    return s;
}

// Base HRK, EUR at 7,50 and USD at 6,00 fixed in the order's table.
TravelOrder crewOrder()
{
    TravelOrder o;
    o.accountingDate = QDate(2026, 3, 8);
    o.baseCurrency = QStringLiteral("HRK");
    o.drivers[0] = kDriver;
    o.coDrivers[0] = kCoDriver;
    o.rates = {{QStringLiteral("EUR"), QStringLiteral("7,5")}, {QStringLiteral("USD"), QStringLiteral("6")}};
    return o;
}

AdvanceEntry advanceEntry(const QString &amount, const QString &currency = QStringLiteral("EUR"))
{
    return {kDriver, QDate(2026, 3, 5), amount, currency};
}

ReceiptEntry receiptEntry(const QString &amount, const QString &currency, int payment = Receipt::Cash)
{
    ReceiptEntry e;
    e.date = QDate(2026, 3, 4);
    e.amount = amount;
    e.number = QStringLiteral("R-1");
    e.currency = currency;
    e.payment = payment;
    return e;
}

Receipt storedReceipt(int id, const QString &number)
{
    Receipt r;
    r.id = id;
    r.number = number;
    r.amount = 10;
    r.currency = QStringLiteral("HRK");
    return r;
}

void addCashEntry(test::TestDatabase &fixture, const QDate &date, int kind, const QString &currency, double amount)
{
    fixture.exec(QStringLiteral("INSERT INTO BLPROMET (DATUM,TIP,VALUTA,IZNOS,IDNALOG) VALUES (:D,:T,:V,:I,-1)"),
                 {{QStringLiteral("D"), date},
                  {QStringLiteral("T"), kind},
                  {QStringLiteral("V"), currency},
                  {QStringLiteral("I"), amount}});
}

// The desk's EUR movement of 2026 up to 05.03.2026 is 100,00; the opening
// balance, a later day and another currency do not count.
void fillCashDesk(test::TestDatabase &fixture)
{
    fixture.exec(QStringLiteral("INSERT INTO BLPOCSTANJE (IDSTANJE,GODINA,VALUTA,IZNOS) VALUES (1,2026,'EUR',1000)"));
    addCashEntry(fixture, QDate(2026, 3, 1), 4, QStringLiteral("EUR"), 300);
    addCashEntry(fixture, QDate(2026, 3, 2), 1, QStringLiteral("EUR"), 200);
    addCashEntry(fixture, QDate(2026, 3, 6), 4, QStringLiteral("EUR"), 500);
    addCashEntry(fixture, QDate(2026, 3, 1), 4, QStringLiteral("HRK"), 9999);
}

} // namespace

class TestAdvancesReceipts : public QObject
{
    Q_OBJECT

private slots:
    // The checks refuse in their order, for a new row and for a change of a
    // stored one alike, before the cash desk is asked anything.
    void advanceChecks_data()
    {
        QTest::addColumn<bool>("withEmployee");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("message");

        const QString noEmployee = QStringLiteral("Niste odabrali djelatnika!");
        const QString badAmount = QStringLiteral("Pogrešno unesen iznos akontacije!");
        const QString noCurrency = QStringLiteral("Niste definirali valutu!");
        QTest::newRow("nothing entered") << false << QString() << QString() << noEmployee;
        QTest::newRow("no employee") << false << QStringLiteral("100") << QStringLiteral("EUR") << noEmployee;
        QTest::newRow("empty amount") << true << QString() << QString() << badAmount;
        QTest::newRow("zero amount") << true << QStringLiteral("0,00") << QStringLiteral("EUR") << badAmount;
        QTest::newRow("not a number") << true << QStringLiteral("abc") << QStringLiteral("EUR") << badAmount;
        QTest::newRow("no currency") << true << QStringLiteral("100") << QString() << noCurrency;
    }

    void advanceChecks()
    {
        QFETCH(bool, withEmployee);
        QFETCH(QString, amount);
        QFETCH(QString, currency);
        QFETCH(QString, message);

        db::Database closed;
        db::Transaction write(closed);
        Settings settings = testSettings();
        settings.set(QStringLiteral("AkontacijaProvjera"), 1);
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        const Advance stored{7, 1, QStringLiteral("Horvat Ivan"), QDate(2026, 3, 1), 50, QStringLiteral("HRK")};
        order.advances = {stored};
        OrderAdvances advances(order, write, settings, prompter);

        AdvanceEntry entry{withEmployee ? kDriver : EmployeeRef{}, QDate(2026, 3, 5), amount, currency};
        QVERIFY(!advances.add(entry));
        QVERIFY(!advances.change(0, entry));
        QCOMPARE(prompter.messages, (QStringList{message, message}));
        QVERIFY(prompter.questions.isEmpty());
        QCOMPARE(order.advances.size(), 1);
        QCOMPARE(order.advances.at(0).amount, stored.amount);
        QCOMPARE(order.advances.at(0).currency, stored.currency);
        QCOMPARE(entry.amount, amount); // kept for correcting
        QCOMPARE(entry.currency, currency);
    }

    // The desk's movement of the year up to the advance date, without the
    // opening balance, against the amount: a smaller figure asks, Yes books
    // the payout anyway, No keeps the entry for correcting.
    void balanceCheck_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("added");

        QTest::newRow("covered exactly") << QStringLiteral("100,00") << false << false << true;
        QTest::newRow("above, Yes") << QStringLiteral("150,50") << true << true << true;
        QTest::newRow("above, No") << QStringLiteral("150,50") << false << true << false;
    }

    void balanceCheck()
    {
        QFETCH(QString, amount);
        QFETCH(bool, answer);
        QFETCH(bool, asks);
        QFETCH(bool, added);

        db::Database database;
        test::TestDatabase fixture(database);
        VERIFY_DB(fillCashDesk(fixture));
        db::Transaction write(database);
        Settings settings = testSettings();
        settings.set(QStringLiteral("AkontacijaProvjera"), 1);
        test::ScriptedPrompter prompter;
        prompter.answers.enqueue(answer);
        TravelOrder order = crewOrder();
        OrderAdvances advances(order, write, settings, prompter);

        AdvanceEntry entry = advanceEntry(amount);
        bool result = false;
        VERIFY_DB(result = advances.add(entry));
        QCOMPARE(result, added);
        QVERIFY(prompter.messages.isEmpty());
        QCOMPARE(prompter.questions,
                 asks ? QStringList{QStringLiteral("Stanje blagajne na datum 05.03.2026. za valutu EUR je: 100,00\n"
                                                   "Iznos nije dovoljan za isplatu akontacije!!! Želite li ipak "
                                                   "evidentirati isplatu?")}
                      : QStringList{});
        QVERIFY(!write.isActive());
        if (!added) {
            QVERIFY(order.advances.isEmpty());
            QCOMPARE(entry.amount, amount);
            return;
        }
        QCOMPARE(order.advances.size(), 1);
        const Advance &a = order.advances.at(0);
        QCOMPARE(a.id, -1);
        QCOMPARE(a.employeeId, 1);
        QCOMPARE(a.employeeName, kDriver.name);
        QCOMPARE(a.date, QDate(2026, 3, 5));
        QCOMPARE(a.amount, ParseAmount(amount));
        QCOMPARE(a.currency, QStringLiteral("EUR"));
        // The fields are emptied for the next advance; the date stays.
        QVERIFY(entry.employee.isEmpty());
        QVERIFY(entry.amount.isEmpty());
        QVERIFY(entry.currency.isEmpty());
        QCOMPARE(entry.date, QDate(2026, 3, 5));
    }

    void balanceQueryOnlyWhenOn_data()
    {
        QTest::addColumn<bool>("check");
        QTest::newRow("AkontacijaProvjera off") << false;
        QTest::newRow("AkontacijaProvjera on") << true;
    }

    void balanceQueryOnlyWhenOn()
    {
        QFETCH(bool, check);

        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        Settings settings = testSettings();
        settings.set(QStringLiteral("AkontacijaProvjera"), check ? 1 : 0);
        test::ScriptedPrompter prompter;
        prompter.answers.enqueue(true);
        TravelOrder order = crewOrder();
        OrderAdvances advances(order, write, settings, prompter);

        QStringList statements;
        database.setStatementSink([&](const QString &sql) { statements << sql; });
        AdvanceEntry entry = advanceEntry(QStringLiteral("1000000"));
        VERIFY_DB(QVERIFY(advances.add(entry)));
        database.setStatementSink({});

        QCOMPARE(order.advances.size(), 1);
        QCOMPARE(prompter.questions.size(), check ? 1 : 0);
        if (check)
            QVERIFY(!statements.isEmpty());
        else
            QCOMPARE(statements, QStringList{});
    }

    // A desk that cannot be read shows the database's message and books
    // nothing: no figure of 0 stands in for the balance.
    void balanceQueryFailure()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        VERIFY_DB({
            fillCashDesk(fixture);
            fixture.exec(QStringLiteral("ALTER TABLE BLPROMET ALTER COLUMN IZNOS TO IZNOSX"));
        });
        db::Transaction write(database);
        Settings settings = testSettings();
        settings.set(QStringLiteral("AkontacijaProvjera"), 1);
        test::ScriptedPrompter prompter;
        prompter.answers.enqueue(true);
        TravelOrder order = crewOrder();
        OrderAdvances advances(order, write, settings, prompter);

        AdvanceEntry entry = advanceEntry(QStringLiteral("10"));
        QVERIFY(!advances.add(entry));
        QVERIFY(order.advances.isEmpty());
        QCOMPARE(entry.amount, QStringLiteral("10"));
        QVERIFY(prompter.questions.isEmpty());
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY2(prompter.messages.at(0).contains(QStringLiteral("IZNOS")), qPrintable(prompter.messages.at(0)));
        QCOMPARE(prompter.kinds.at(0), Prompter::Kind::Error);
        QVERIFY(!write.isActive());
    }

    void altCurrencyAdoption_data()
    {
        QTest::addColumn<bool>("bothCurrencies");
        QTest::addColumn<QString>("alternative");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("expected");

        const QString eur = QStringLiteral("EUR");
        QTest::newRow("third currency adopted") << true << QString() << eur << eur;
        QTest::newRow("base currency") << true << QString() << QStringLiteral("HRK") << QString();
        QTest::newRow("alternative already chosen") << true << QStringLiteral("USD") << eur
                                                    << QStringLiteral("USD");
        QTest::newRow("AltValuta2 off") << false << QString() << eur << QString();
    }

    void altCurrencyAdoption()
    {
        QFETCH(bool, bothCurrencies);
        QFETCH(QString, alternative);
        QFETCH(QString, currency);
        QFETCH(QString, expected);

        db::Database closed;
        db::Transaction write(closed);
        Settings settings = testSettings();
        settings.set(QStringLiteral("AltValuta2"), bothCurrencies ? 1 : 0);
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        order.altCurrency = alternative;
        OrderAdvances advances(order, write, settings, prompter);

        AdvanceEntry entry = advanceEntry(QStringLiteral("20"), currency);
        QVERIFY(advances.add(entry));
        QCOMPARE(order.altCurrency, expected);
    }

    // A change keeps the row's id and runs no cash check (a change on a
    // closed connection would otherwise fail); a receipt changes without the
    // checks. Removed stored rows go to the deleted-row lists, new ones as -1.
    void changeAndRemove()
    {
        db::Database closed;
        db::Transaction write(closed);
        Settings settings = testSettings();
        settings.set(QStringLiteral("AkontacijaProvjera"), 1);
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        order.advances = {{7, 1, kDriver.name, QDate(2026, 3, 1), 50, QStringLiteral("HRK")},
                          {-1, 1, kDriver.name, QDate(2026, 3, 2), 60, QStringLiteral("HRK")}};
        order.receipts = {storedReceipt(9, QStringLiteral("A")), storedReceipt(-1, QStringLiteral("B"))};
        OrderAdvances advances(order, write, settings, prompter);
        OrderReceipts receipts(order, write, settings, prompter);

        QVERIFY(advances.change(0, {kCoDriver, QDate(2026, 3, 3), QStringLiteral("1.234,50"), QStringLiteral("EUR")}));
        const Advance &a = order.advances.at(0);
        QCOMPARE(a.id, 7);
        QCOMPARE(a.employeeId, 3);
        QCOMPARE(a.employeeName, kCoDriver.name);
        QCOMPARE(a.date, QDate(2026, 3, 3));
        QCOMPARE(a.amount, 1234.5);
        QCOMPARE(a.currency, QStringLiteral("EUR"));
        QCOMPARE(advances.entryOf(0).amount, QStringLiteral("1.234,50"));

        ReceiptEntry noNumber = receiptEntry(QString(), QString());
        noNumber.number.clear();
        QVERIFY(receipts.change(0, noNumber));
        QCOMPARE(order.receipts.at(0).id, 9);
        QCOMPARE(order.receipts.at(0).amount, 0.0);
        QVERIFY(order.receipts.at(0).number.isEmpty());
        QVERIFY(prompter.messages.isEmpty());

        advances.remove(1);
        advances.remove(0);
        receipts.remove(0);
        receipts.remove(0);
        QVERIFY(order.advances.isEmpty());
        QVERIFY(order.receipts.isEmpty());
        QCOMPARE(order.deletedAdvances, (QVector<int>{-1, 7}));
        QCOMPARE(order.deletedReceipts, (QVector<int>{9, -1}));
    }

    void receiptChecks_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("message");

        const QString noAmount = QStringLiteral("Niste definirali iznos računa!");
        const QString noNumber = QStringLiteral("Niste unijeli broj računa!");
        const QString noCurrency = QStringLiteral("Niste odredili valutu plaćanja!");
        QTest::newRow("nothing entered") << QString() << QString() << QString() << noAmount;
        QTest::newRow("zero amount") << QStringLiteral("0") << QStringLiteral("R-1") << QStringLiteral("EUR")
                                     << noAmount;
        QTest::newRow("no number") << QStringLiteral("12,5") << QString() << QString() << noNumber;
        QTest::newRow("blank number") << QStringLiteral("12,5") << QStringLiteral("  ") << QStringLiteral("EUR")
                                      << noNumber;
        QTest::newRow("no currency") << QStringLiteral("12,5") << QStringLiteral("R-1") << QString() << noCurrency;
    }

    void receiptChecks()
    {
        QFETCH(QString, amount);
        QFETCH(QString, number);
        QFETCH(QString, currency);
        QFETCH(QString, message);

        db::Database closed;
        db::Transaction write(closed);
        const Settings settings = testSettings();
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        OrderReceipts receipts(order, write, settings, prompter);

        ReceiptEntry entry = receiptEntry(amount, currency);
        entry.number = number;
        entry.place = QStringLiteral("Graz");
        QVERIFY(!receipts.add(entry));
        QCOMPARE(prompter.messages, QStringList{message});
        QVERIFY(order.receipts.isEmpty());
        QCOMPARE(entry.amount, amount);
        QCOMPARE(entry.place, QStringLiteral("Graz"));
    }

    // What a hidden panel holds does not reach the receipt; the fuel kind is
    // taken from its number, and anything else counts as "rezervoar".
    void receiptPanels_data()
    {
        QTest::addColumn<int>("payment");
        QTest::addColumn<bool>("fuel");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("partner");
        QTest::addColumn<int>("storedFuel");
        QTest::addColumn<double>("refrigerationLitres");

        QTest::newRow("cash, no fuel") << int(Receipt::Cash) << false << QStringLiteral("2") << -1
                                       << int(Receipt::NoFuel) << 0.0;
        QTest::newRow("company, termoking") << int(Receipt::Company) << true << QStringLiteral("2") << 5
                                            << int(Receipt::Refrigeration) << 120.5;
        QTest::newRow("lubricant") << int(Receipt::Cash) << true << QStringLiteral("3") << -1
                                   << int(Receipt::Lubricant) << 0.0;
        QTest::newRow("kind not a number") << int(Receipt::Company) << true << QStringLiteral("termoking") << 5
                                           << int(Receipt::Tank) << 0.0;
        QTest::newRow("kind empty") << int(Receipt::Cash) << true << QString() << -1 << int(Receipt::Tank) << 0.0;
    }

    void receiptPanels()
    {
        QFETCH(int, payment);
        QFETCH(bool, fuel);
        QFETCH(QString, kind);
        QFETCH(int, partner);
        QFETCH(int, storedFuel);
        QFETCH(double, refrigerationLitres);

        db::Database closed;
        db::Transaction write(closed);
        const Settings settings = testSettings();
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        OrderReceipts receipts(order, write, settings, prompter);

        ReceiptEntry entry = receiptEntry(QStringLiteral("310,40"), QStringLiteral("EUR"), payment);
        entry.partnerId = 5; // chosen before the payment was switched
        entry.fuel = fuel;
        entry.fuelKind = kind;
        entry.odometer = QStringLiteral("100400");
        entry.litres = QStringLiteral("120,5");
        entry.fuelType = QStringLiteral("Eurodizel");
        QVERIFY(receipts.add(entry));

        const Receipt &r = order.receipts.at(0);
        QCOMPARE(r.id, -1);
        QCOMPARE(r.amount, 310.4);
        QCOMPARE(r.partnerId, partner);
        QCOMPARE(r.fuel, storedFuel);
        QCOMPARE(r.odometer, fuel ? 100400.0 : 0.0);
        QCOMPARE(r.litres, fuel ? 120.5 : 0.0);
        QCOMPARE(RefrigerationLitres(order), refrigerationLitres);
    }

    // "Očisti": the fields emptied, the lists from the settings a line each.
    void resetAndChoices()
    {
        db::Database closed;
        db::Transaction write(closed);
        Settings settings = testSettings();
        settings.set(QStringLiteral("OpisRacunaDefault"), QStringLiteral("Gorivo\r\nCestarina\n\nParking"));
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        OrderReceipts receipts(order, write, settings, prompter);

        const ReceiptChoices lists = receipts.choices();
        QCOMPARE(lists.inFavourOf, (QStringList{"Putarina RH", "Putarina SLO", "Terminal BiH", "Terminal HR",
                                                "Terminal SLO"}));
        QCOMPARE(lists.descriptions, (QStringList{"Gorivo", "Cestarina", "Parking"}));

        ReceiptEntry entry = receiptEntry(QStringLiteral("50"), QStringLiteral("EUR"), Receipt::Company);
        entry.partnerId = 5;
        entry.fuel = true;
        entry.fuelKind = QStringLiteral("2");
        entry.odometer = QStringLiteral("1");
        entry.litres = QStringLiteral("2");
        entry.fuelType = QStringLiteral("Eurodizel");
        entry.place = QStringLiteral("Graz");
        entry.inFavourOf = QStringLiteral("Putarina RH");
        entry.description = QStringLiteral("Gorivo");
        QVERIFY(receipts.add(entry)); // adding resets as "Očisti" does

        QCOMPARE(entry.date, QDate(2026, 3, 4));
        QVERIFY(entry.amount.isEmpty());
        QVERIFY(entry.number.isEmpty());
        QVERIFY(entry.place.isEmpty());
        QVERIFY(entry.odometer.isEmpty());
        QVERIFY(entry.litres.isEmpty());
        QVERIFY(entry.fuelType.isEmpty());
        QCOMPARE(entry.partnerId, -1);
        QVERIFY(entry.currency.isEmpty());
        QCOMPARE(entry.payment, int(Receipt::Cash));
        QVERIFY(!entry.fuel);
        QVERIFY(entry.inFavourOf.isEmpty());
        QVERIFY(entry.description.isEmpty());
    }

    void partnerName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << QStringLiteral("Benzinska d.o.o.");
        QTest::newRow("blanks") << QStringLiteral("  ") << QStringLiteral("Benzinska d.o.o.");
        QTest::newRow("typed") << QStringLiteral("Putarina RH") << QStringLiteral("Putarina RH");
    }

    void partnerName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        ReceiptEntry entry;
        entry.inFavourOf = typed;
        OrderReceipts::choosePartner(entry, 7, QStringLiteral("Benzinska d.o.o."));
        QCOMPARE(entry.partnerId, 7);
        QCOMPARE(entry.inFavourOf, expected);
    }

    // Through the save: receipts that are not fuel write kind, odometer and
    // litres as 0, whatever was typed before the fuel panel was closed.
    void savedFuelValues()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        const Settings settings = testSettings();
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        order.label = QStringLiteral("5/2026");
        order.vehicleId = 1;
        order.country = QStringLiteral("Hrvatska");
        order.departureDate = QDate(2026, 3, 1);
        order.returnDate = QDate(2026, 3, 4);
        SectionRow section;
        section.date = QDate(2026, 3, 1);
        section.odometer = 1000;
        order.sections = {section};
        order.rates = {{QStringLiteral("HRK"), QStringLiteral("1")}};
        OrderReceipts receipts(order, write, settings, prompter);

        ReceiptEntry closedPanel = receiptEntry(QStringLiteral("45"), QStringLiteral("HRK"));
        closedPanel.number = QStringLiteral("T-9");
        closedPanel.odometer = QStringLiteral("5");
        closedPanel.litres = QStringLiteral("3");
        QVERIFY(receipts.add(closedPanel));

        ReceiptEntry refuel = receiptEntry(QStringLiteral("300"), QStringLiteral("HRK"));
        refuel.number = QStringLiteral("G-1");
        refuel.fuel = true;
        refuel.fuelKind = QStringLiteral("2");
        refuel.odometer = QStringLiteral("100400");
        refuel.litres = QStringLiteral("220,5");
        ReceiptEntry changedLater = refuel;
        changedLater.number = QStringLiteral("G-2");
        QVERIFY(receipts.add(refuel));
        QVERIFY(receipts.add(changedLater));
        ReceiptEntry unfuelled = receipts.entryOf(2);
        QCOMPARE(unfuelled.litres, QStringLiteral("220,50"));
        unfuelled.fuel = false;
        QVERIFY(receipts.change(2, unfuelled));

        TravelOrderStore store(write, settings);
        SaveOutcome outcome;
        VERIFY_DB(outcome = store.save(order));
        QVERIFY2(outcome.saved, qPrintable(outcome.problem ? outcome.problem->message : store.lastError()));

        QVector<QVariantList> rows;
        VERIFY_DB(rows = fixture.rows(QStringLiteral("SELECT BROJ,BENZIN,BENZINKM,BENZINKOL FROM RACUNI ORDER BY BROJ")));
        QCOMPARE(rows.size(), 3);
        const QVector<QVariantList> expected{{QStringLiteral("G-1"), 2, 100400.0, 220.5},
                                             {QStringLiteral("G-2"), 0, 0.0, 0.0},
                                             {QStringLiteral("T-9"), 0, 0.0, 0.0}};
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i][0].toString(), expected[i][0].toString());
            QCOMPARE(rows[i][1].toInt(), expected[i][1].toInt());
            QCOMPARE(rows[i][2].toDouble(), expected[i][2].toDouble());
            QCOMPARE(rows[i][3].toDouble(), expected[i][3].toDouble());
        }
    }

    // Base HRK, alternative EUR at 7,50, USD at 6,00. Cash: 100 HRK, 20 EUR,
    // 15 USD; paid by the company: 40 EUR, 10 HRK, listed apart and not among
    // the employee's cash receipts.
    void receiptSummary_data()
    {
        QTest::addColumn<bool>("twoCurrencies");
        QTest::addColumn<bool>("thirdToAlternative");
        QTest::addColumn<QString>("split");

        QTest::newRow("one currency") << false << false << QString();
        QTest::newRow("two currencies") << true << false << QStringLiteral("190,00 HRK   20,00 EUR");
        QTest::newRow("third into the alternative") << true << true << QStringLiteral("100,00 HRK   32,00 EUR");
    }

    void receiptSummary()
    {
        QFETCH(bool, twoCurrencies);
        QFETCH(bool, thirdToAlternative);
        QFETCH(QString, split);

        db::Database closed;
        db::Transaction write(closed);
        Settings settings = testSettings();
        settings.set(QStringLiteral("DoubleAlternativno"), thirdToAlternative ? 1 : 0);
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        order.twoCurrencies = twoCurrencies;
        order.altCurrency = QStringLiteral("EUR");
        OrderReceipts receipts(order, write, settings, prompter);
        for (ReceiptEntry e : {receiptEntry("100", "HRK"), receiptEntry("20", "EUR"),
                               receiptEntry("40", "EUR", Receipt::Company), receiptEntry("15", "USD"),
                               receiptEntry("10", "HRK", Receipt::Company)})
            QVERIFY(receipts.add(e));

        const ReceiptSummary s = receipts.summary();
        QCOMPARE(s.cashByCurrency, (QVector<SummaryLine>{{"HRK", "100,00"}, {"EUR", "20,00"}, {"USD", "15,00"}}));
        QCOMPARE(s.otherByCurrency, (QVector<SummaryLine>{{"EUR", "40,00"}, {"HRK", "10,00"}}));
        QCOMPARE(s.cashInBase, QStringLiteral("340,00"));
        QCOMPARE(s.otherInBase, QStringLiteral("310,00"));
        QCOMPARE(s.cashSplit, split);
        QCOMPARE(s.count, 5);
        QCOMPARE(s.cashCount, 3);
        QVERIFY(!s.missingRate);
        QVERIFY(prompter.messages.isEmpty());
    }

    // The driver has 200 EUR and 500 HRK, the co-driver 10 USD.
    void advanceSummary_data()
    {
        QTest::addColumn<bool>("twoCurrencies");
        QTest::addColumn<bool>("thirdToAlternative");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("coDriver");
        QTest::addColumn<QStringList>("parts");

        QTest::newRow("one currency") << false << false << QStringLiteral("2.000,00") << QStringLiteral("60,00")
                                      << QStringList{};
        QTest::newRow("two currencies") << true << false << QStringLiteral("500,00 HRK, 200,00 EUR")
                                        << QStringLiteral("60,00 HRK, 0,00 EUR")
                                        << QStringList{"560,00 HRK", "200,00 EUR"};
        QTest::newRow("third into the alternative") << true << true << QStringLiteral("500,00 HRK, 200,00 EUR")
                                                    << QStringLiteral("0,00 HRK, 8,00 EUR")
                                                    << QStringList{"500,00 HRK", "208,00 EUR"};
    }

    void advanceSummary()
    {
        QFETCH(bool, twoCurrencies);
        QFETCH(bool, thirdToAlternative);
        QFETCH(QString, driver);
        QFETCH(QString, coDriver);
        QFETCH(QStringList, parts);

        db::Database closed;
        db::Transaction write(closed);
        Settings settings = testSettings();
        settings.set(QStringLiteral("DoubleAlternativno"), thirdToAlternative ? 1 : 0);
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        order.twoCurrencies = twoCurrencies;
        order.altCurrency = QStringLiteral("EUR");
        order.advances = {{-1, 1, kDriver.name, QDate(2026, 3, 1), 200, QStringLiteral("EUR")},
                          {-1, 3, kCoDriver.name, QDate(2026, 3, 1), 10, QStringLiteral("USD")},
                          {-1, 1, kDriver.name, QDate(2026, 3, 2), 500, QStringLiteral("HRK")}};
        OrderAdvances advances(order, write, settings, prompter);

        const AdvanceSummary s = advances.summary();
        QCOMPARE(s.byEmployee, (QVector<SummaryLine>{{kDriver.name, driver}, {kCoDriver.name, coDriver}}));
        QCOMPARE(s.byCurrency, (QVector<SummaryLine>{{"EUR", "200,00"}, {"USD", "10,00"}, {"HRK", "500,00"}}));
        QCOMPARE(s.totalCaption, QStringLiteral("Ukupno (HRK)"));
        QCOMPARE(s.total, QStringLiteral("2.060,00"));
        QCOMPARE(s.totalParts, parts);
        QVERIFY(prompter.messages.isEmpty());
    }

    // A currency without any rate warns once after each tab's totals, however
    // often its rate was asked for.
    void missingRateWarning_data()
    {
        QTest::addColumn<QString>("currency");
        QTest::addColumn<bool>("missing");
        QTest::newRow("rate fixed in the order") << QStringLiteral("EUR") << false;
        QTest::newRow("no rate anywhere") << QStringLiteral("GBP") << true;
    }

    void missingRateWarning()
    {
        QFETCH(QString, currency);
        QFETCH(bool, missing);

        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        Settings settings = testSettings();
        test::ScriptedPrompter prompter;
        TravelOrder order = crewOrder();
        order.twoCurrencies = true;
        order.altCurrency = QStringLiteral("USD");
        settings.set(QStringLiteral("DoubleAlternativno"), 1);
        order.advances = {{-1, 1, kDriver.name, QDate(2026, 3, 1), 20, currency},
                          {-1, 3, kCoDriver.name, QDate(2026, 3, 1), 30, currency}};
        order.receipts = {storedReceipt(-1, QStringLiteral("A")), storedReceipt(-1, QStringLiteral("B"))};
        order.receipts[0].currency = currency;
        order.receipts[1].currency = currency;
        order.receipts[1].payment = Receipt::Company;
        OrderAdvances advances(order, write, settings, prompter);
        OrderReceipts receipts(order, write, settings, prompter);

        AdvanceSummary a;
        VERIFY_DB(a = advances.summary());
        QCOMPARE(a.missingRate, missing);
        const QStringList once = missing ? QStringList{QStringLiteral(
                                               "Neki od kurseva nisu definirani - moguća greška kod proračuna!")}
                                         : QStringList{};
        QCOMPARE(prompter.messages, once);

        prompter.clear();
        ReceiptSummary r;
        VERIFY_DB(r = receipts.summary());
        QCOMPARE(r.missingRate, missing);
        QCOMPARE(prompter.messages, once);
    }
};

QTEST_GUILESS_MAIN(TestAdvancesReceipts)
#include "tst_advancesreceipts.moc"
