// Loading, checking and saving travel orders on a real database: every
// column and child table round trips, the checks refuse in their order with
// nothing written, and a failed save leaves no trace and can be repeated.

#include "core/Settings.h"
#include "orders/TravelOrderStore.h"
#include "support/TestDatabase.h"

#include <QtTest>

using namespace kalvor;

namespace {

const OrderEmployeeLists kLists{
    {{1, QStringLiteral("Horvat Ivan")}, {2, QStringLiteral("Kovač Marko")}},
    {{1, QStringLiteral("Horvat Ivan")}, {2, QStringLiteral("Kovač Marko")}, {3, QStringLiteral("Šimić Ana")},
     {4, QStringLiteral("Babić Luka")}},
};

Settings testSettings()
{
    Settings s;
    s.set(QStringLiteral("DefValuta"), QStringLiteral("HRK"));
    s.set(QStringLiteral("AltValuta"), QStringLiteral("EUR"));
    s.set(QStringLiteral("AutomatskaOznaka"), 0);
    return s;
}

SectionRow section(int day, double km, const QString &relation)
{
    SectionRow s;
    s.date = QDate(2026, 3, day);
    s.odometer = km;
    s.relation = relation;
    s.departure = QTime(8, 0);
    s.arrival = QTime(17, 30);
    s.driving = QTime(9, 30);
    s.waiting = QTime(0, 45);
    s.loading = QTime(1, 15);
    s.breakdowns = QTime(0, 5);
    s.rests = QTime(0, 50);
    s.stops = QTime(0, 10);
    s.tractorLoaded = 120;
    s.tractorEmpty = 30.5;
    s.trailerLoaded = 110;
    s.trailerEmpty = 20;
    s.tractorTkm = 1200;
    s.trailerTkm = 990;
    s.totalTkm = 2190;
    return s;
}

// An order with something in every field and child table.
TravelOrder fullOrder()
{
    TravelOrder o;
    o.label = QStringLiteral("  17/2026 ");
    o.place = QStringLiteral("Čakovec");
    o.orderDate = QDate(2026, 2, 26);
    o.accountingDate = QDate(2026, 3, 8);
    o.vehicleId = 11;
    o.trailerId = 12;
    o.vehicleMass = QStringLiteral("7500");
    o.vehiclePayload = QStringLiteral("11500,5");
    o.vehicleTotal = QStringLiteral("19000,5");
    o.trailerMass = QStringLiteral("6000");
    o.trailerPayload = QStringLiteral("24000");
    o.trailerTotal = QStringLiteral("30000");
    o.relation = QStringLiteral("Zagreb - Graz - München");
    o.task = QStringLiteral("PREVOZ TERETA");
    o.departureDate = QDate(2026, 3, 1);
    o.departureTime = QStringLiteral("7,5");
    o.returnDate = QDate(2026, 3, 4);
    o.returnTime = QStringLiteral("2130");
    o.country = QStringLiteral("Njemačka");
    o.allowanceAmount = QStringLiteral("60,125");
    o.allowanceCurrency = QStringLiteral("EUR");
    const char *km[6] = {"1200", "300,5", "14400", "1100", "250", "13200,25"};
    for (int i = 0; i < 6; ++i) {
        o.tachoKm[i] = QString::fromLatin1(km[i]);
        o.tachoTimes[i] = {QString::number(i), QTime(i + 1, 5 * i)};
    }
    o.refrigerationStart = QStringLiteral("1250,5");
    o.refrigerationEnd = QStringLiteral("1300,25");
    o.twoCurrencies = true;
    o.baseCurrency = QStringLiteral("HRK");
    o.altCurrency = QStringLiteral("EUR");
    o.drivers[0] = {1, QStringLiteral("Horvat Ivan"), true};
    o.drivers[1] = {2, QStringLiteral("Kovač Marko"), true};
    o.coDrivers[0] = {3, QStringLiteral("Šimić Ana"), true};
    o.loaders = {{4, QStringLiteral("Babić Luka"), true}};
    o.advances = {{-1, 1, QStringLiteral("Horvat Ivan"), QDate(2026, 3, 1), 200, QStringLiteral("EUR")},
                  {-1, 3, QStringLiteral("Šimić Ana"), QDate(2026, 3, 2), 500, QStringLiteral("HRK")}};
    Receipt fuel;
    fuel.date = QDate(2026, 3, 2);
    fuel.number = QStringLiteral("R-1/2026");
    fuel.amount = 310.4;
    fuel.currency = QStringLiteral("EUR");
    fuel.payment = Receipt::Company;
    fuel.fuel = Receipt::Refrigeration;
    fuel.inFavourOf = QStringLiteral("Benzinska d.o.o.");
    fuel.description = QStringLiteral("Gorivo");
    fuel.place = QStringLiteral("Graz");
    fuel.partnerId = 7;
    fuel.odometer = 100400;
    fuel.litres = 220.5;
    fuel.fuelType = QStringLiteral("Eurodizel");
    Receipt toll;
    toll.date = QDate(2026, 3, 1);
    toll.number = QStringLiteral("T-9");
    toll.amount = 45;
    toll.currency = QStringLiteral("HRK");
    toll.inFavourOf = QStringLiteral("Putarina RH");
    toll.odometer = 5; // not fuel: odometer and litres are not kept
    toll.litres = 3;
    o.receipts = {fuel, toll};
    o.sections = {section(1, 100000, QStringLiteral("Zagreb")), section(4, 101250, QStringLiteral("München"))};
    o.rates = {{QStringLiteral("EUR"), QStringLiteral("7,5312345")}, {QStringLiteral("USD"), QString()},
               {QStringLiteral("HRK"), QStringLiteral("1")}};
    SettlementInputs &s = o.settlement;
    s.method = ByKilometres;
    s.kmCurrency = QStringLiteral("EUR");
    s.pricePerKm = QStringLiteral("0,185");
    s.totalCurrency = QStringLiteral("EUR");
    s.totalPrice = QStringLiteral("9999,5");
    s.percentage = QStringLiteral("15");
    s.fixedFeeCurrency = QStringLiteral("HRK");
    s.fixedFee = QStringLiteral("300,00");
    s.fixedTotalCurrency = QStringLiteral("HRK");
    s.fixedTotal = QStringLiteral("2000,00");
    s.onlyFirstEarns = true;
    s.allowanceFirst = true;
    s.allowanceOthers = false;
    o.multiCountryText = QStringLiteral("<PDNSTAVKA><DRZAVA>Austrija</DRZAVA></PDNSTAVKA>\r\n");
    Blagajna b;
    b.date = QDateTime(QDate(2026, 3, 8), QTime(0, 0));
    b.amount = 200;
    b.kind = Blagajna::AdvancePayment;
    b.employeeId = 1;
    b.employeeName = QStringLiteral("Horvat Ivan");
    b.description = QStringLiteral("Nalog za isplatu akontacije");
    b.voucherLabel = QStringLiteral("IS-__");
    b.changed = QDateTime(QDate(2026, 3, 8), QTime(10, 0));
    b.currency = QStringLiteral("EUR");
    b.automatic = true;
    o.cash = {b};
    return o;
}

} // namespace

class TestTravelOrderStore : public QObject
{
    Q_OBJECT

private slots:
    void fullOrderRoundTrips()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        const Settings settings = testSettings();
        TravelOrderStore store(write, settings);

        TravelOrder order = fullOrder();
        SaveOutcome outcome;
        VERIFY_DB(outcome = store.save(order));
        QVERIFY2(outcome.saved, qPrintable(outcome.problem ? outcome.problem->message : QString()));
        QVERIFY(order.id > 0);
        QCOMPARE(order.label, QStringLiteral("17/2026"));
        QVERIFY(order.entryTime.isValid());

        TravelOrder loaded;
        VERIFY_DB(QVERIFY(store.load(order.id, loaded, kLists).found));
        QCOMPARE(loaded.id, order.id);
        QCOMPARE(loaded.label, QStringLiteral("17/2026"));
        QCOMPARE(loaded.place, order.place);
        QCOMPARE(loaded.orderDate, order.orderDate);
        QCOMPARE(loaded.accountingDate, order.accountingDate);
        QCOMPARE(loaded.entryTime, order.entryTime);
        QCOMPARE(loaded.vehicleId, 11);
        QCOMPARE(loaded.trailerId, 12);
        QCOMPARE(loaded.vehiclePayload, QStringLiteral("11500,5"));
        QCOMPARE(loaded.trailerTotal, QStringLiteral("30000"));
        QCOMPARE(loaded.relation, order.relation);
        QCOMPARE(loaded.task, order.task);
        QCOMPARE(loaded.departure(), QDateTime(QDate(2026, 3, 1), QTime(7, 30)));
        QCOMPARE(loaded.departureTime, QStringLiteral("07:30"));
        QCOMPARE(loaded.returnMoment(), QDateTime(QDate(2026, 3, 4), QTime(21, 30)));
        QVERIFY(loaded.returnDefined);
        QVERIFY(!loaded.durationFromSections);
        QCOMPARE(loaded.country, order.country);
        QCOMPARE(loaded.allowanceAmount, QStringLiteral("60,125"));
        QCOMPARE(loaded.allowanceCurrency, QStringLiteral("EUR"));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(loaded.tachoKm[i], order.tachoKm[i]);
            QCOMPARE(loaded.tachoTimes[i].daysText, QString::number(i));
            QCOMPARE(loaded.tachoTimes[i].time, order.tachoTimes[i].time);
        }
        QCOMPARE(loaded.refrigerationStart, QStringLiteral("1250,5"));
        QCOMPARE(loaded.refrigerationEnd, QStringLiteral("1300,25"));
        QVERIFY(loaded.twoCurrencies);
        QCOMPARE(loaded.baseCurrency, QStringLiteral("HRK"));
        QCOMPARE(loaded.altCurrency, QStringLiteral("EUR"));

        for (int i = 0; i < 2; ++i) {
            QCOMPARE(loaded.drivers[i], order.drivers[i]);
            QCOMPARE(loaded.coDrivers[i], order.coDrivers[i]);
        }
        QVERIFY(loaded.drivers[0].listed);
        QCOMPARE(loaded.loaders, order.loaders);

        QCOMPARE(loaded.advances.size(), 2);
        QVERIFY(loaded.advances[0].id > 0);
        QCOMPARE(loaded.advances[1].employeeName, QStringLiteral("Šimić Ana"));
        QCOMPARE(loaded.advances[1].amount, 500.0);
        QCOMPARE(loaded.advances[0].currency, QStringLiteral("EUR"));

        // Receipts come back by date: the toll first. A receipt that is not
        // fuel keeps no odometer and litres.
        QCOMPARE(loaded.receipts.size(), 2);
        const Receipt &toll = loaded.receipts[0];
        QCOMPARE(toll.number, QStringLiteral("T-9"));
        QCOMPARE(toll.fuel, int(Receipt::NoFuel));
        QCOMPARE(toll.odometer, 0.0);
        QCOMPARE(toll.litres, 0.0);
        QCOMPARE(toll.partnerId, -1);
        const Receipt &fuel = loaded.receipts[1];
        const Receipt &fuelIn = order.receipts[0];
        QCOMPARE(fuel.fuel, int(Receipt::Refrigeration));
        QCOMPARE(fuel.payment, int(Receipt::Company));
        QCOMPARE(fuel.amount, fuelIn.amount);
        QCOMPARE(fuel.odometer, fuelIn.odometer);
        QCOMPARE(fuel.litres, fuelIn.litres);
        QCOMPARE(fuel.partnerId, 7);
        QCOMPARE(fuel.inFavourOf, fuelIn.inFavourOf);
        QCOMPARE(fuel.description, fuelIn.description);
        QCOMPARE(fuel.place, fuelIn.place);
        QCOMPARE(fuel.fuelType, fuelIn.fuelType);
        QCOMPARE(fuel.date, fuelIn.date);

        QCOMPARE(loaded.sections.size(), 2);
        const SectionRow &s = loaded.sections[1];
        const SectionRow &sIn = order.sections[1];
        QVERIFY(s.id > 0);
        QCOMPARE(s.date, sIn.date);
        QCOMPARE(s.odometer, sIn.odometer);
        QCOMPARE(s.relation, sIn.relation);
        QCOMPARE(s.departure, sIn.departure);
        QCOMPARE(s.arrival, sIn.arrival);
        QCOMPARE(s.driving, sIn.driving);
        QCOMPARE(s.waiting, sIn.waiting);
        QCOMPARE(s.loading, sIn.loading);
        QCOMPARE(s.breakdowns, sIn.breakdowns);
        QCOMPARE(s.rests, sIn.rests);
        QCOMPARE(s.stops, sIn.stops);
        QCOMPARE(s.tractorEmpty, sIn.tractorEmpty);
        QCOMPARE(s.trailerLoaded, sIn.trailerLoaded);
        QCOMPARE(s.totalTkm, sIn.totalTkm);

        // The rate without a text is not stored; the rates keep seven decimals.
        QCOMPARE(loaded.rates.size(), 2);
        QCOMPARE(loaded.rateText(QStringLiteral("EUR")), QStringLiteral("7,5312345"));
        QCOMPARE(loaded.rateText(QStringLiteral("HRK")), QStringLiteral("1,0000000"));

        const SettlementInputs &st = loaded.settlement;
        QCOMPARE(st.method, int(ByKilometres));
        QCOMPARE(st.pricePerKm, QStringLiteral("0,185"));
        QCOMPARE(st.totalPrice, QStringLiteral("9999,50"));
        QCOMPARE(st.percentage, QStringLiteral("15"));
        QCOMPARE(st.fixedFee, QStringLiteral("300,00"));
        QCOMPARE(st.fixedTotal, QStringLiteral("2000,00"));
        QCOMPARE(st.kmCurrency, QStringLiteral("EUR"));
        QCOMPARE(st.fixedFeeCurrency, QStringLiteral("HRK"));
        QVERIFY(st.onlyFirstEarns && st.allowanceFirst && !st.allowanceOthers);

        QCOMPARE(loaded.multiCountryText, order.multiCountryText);

        QCOMPARE(loaded.cash.size(), 1);
        const Blagajna &b = loaded.cash[0];
        QVERIFY(b.id > 0);
        QCOMPARE(b.orderId, order.id);
        QCOMPARE(b.orderLabel, QStringLiteral("17/2026"));
        QCOMPARE(b.kind, int(Blagajna::AdvancePayment));
        QCOMPARE(b.amount, 200.0);
        QCOMPARE(b.voucherLabel, QStringLiteral("IS-__"));
        QCOMPARE(b.changed, order.cash[0].changed);
        QVERIFY(b.automatic);
        QVERIFY(b.entered.isValid());
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT TIP2 FROM BLPROMET")).toInt(), 0);
        QVERIFY(loaded.deletedCash.isEmpty());
    }

    void unchangedExistingOrderRewritesAndUpdatesInPlace()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        const Settings settings = testSettings();
        TravelOrderStore store(write, settings);
        TravelOrder order = fullOrder();
        VERIFY_DB(QVERIFY(store.save(order).saved));
        TravelOrder loaded;
        VERIFY_DB(store.load(order.id, loaded, kLists));
        const auto idsBefore = fixture.rows(QStringLiteral(
            "SELECT (SELECT LIST(IDAKONTACIJA) FROM AKONTACIJA), (SELECT LIST(IDRAC) FROM RACUNI), "
            "(SELECT LIST(IDDIONICA) FROM DIONICE), (SELECT LIST(IDBP) FROM BLPROMET) FROM RDB$DATABASE"));

        QStringList statements;
        database.setStatementSink([&statements](const QString &sql) { statements << sql.section(' ', 0, 2); });
        SaveOutcome outcome;
        VERIFY_DB(outcome = store.save(loaded));
        database.setStatementSink({});
        QVERIFY(outcome.saved);

        const QStringList expected = {
            "UPDATE NALOZI SET",      "DELETE FROM VOZACI",       "INSERT INTO VOZACI",  "INSERT INTO VOZACI",
            "INSERT INTO VOZACI",     "DELETE FROM UTOVARIVACI",  "INSERT INTO UTOVARIVACI",
            "DELETE FROM NALOGVALUTA", "INSERT INTO NALOGVALUTA", "INSERT INTO NALOGVALUTA",
            "DELETE FROM OBRACUN",    "INSERT INTO OBRACUN",      "UPDATE AKONTACIJA SET", "UPDATE AKONTACIJA SET",
            "UPDATE RACUNI SET",      "UPDATE RACUNI SET",        "UPDATE DIONICE SET",  "UPDATE DIONICE SET",
            "UPDATE BLPROMET SET",    "SELECT COUNT(*) FROM",     "UPDATE OMD SET",
        };
        QCOMPARE(statements, expected);
        QCOMPARE(fixture.rows(QStringLiteral(
                     "SELECT (SELECT LIST(IDAKONTACIJA) FROM AKONTACIJA), (SELECT LIST(IDRAC) FROM RACUNI), "
                     "(SELECT LIST(IDDIONICA) FROM DIONICE), (SELECT LIST(IDBP) FROM BLPROMET) FROM RDB$DATABASE")),
                 idsBefore);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM VOZACI")).toInt(), 3);
        QVERIFY(!fixture.scalar(QStringLiteral("SELECT DATVRIPROMJENE FROM NALOZI")).isNull());
    }

    void removedRowsAreDeletedAndNewOnesInserted()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        const Settings settings = testSettings();
        TravelOrderStore store(write, settings);
        TravelOrder order = fullOrder();
        VERIFY_DB(QVERIFY(store.save(order).saved));
        TravelOrder loaded;
        VERIFY_DB(store.load(order.id, loaded, kLists));

        const int removedAdvance = loaded.advances[0].id;
        loaded.removeAdvance(0);
        loaded.removeReceipt(0);
        loaded.removeCashEntry(0);
        QVERIFY(!loaded.addDeletedCash(loaded.deletedCash.first())); // the same id only once
        loaded.sections.append(section(5, 101500, QStringLiteral("Beč")));
        loaded.removeSection(2); // added and removed again: -1 is skipped
        loaded.sections.append(section(6, 101800, QStringLiteral("Zagreb")));
        QCOMPARE(loaded.deletedSections, QVector<int>{-1});
        loaded.multiCountryText.clear();
        VERIFY_DB(QVERIFY(store.save(loaded).saved));

        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM AKONTACIJA WHERE IDAKONTACIJA=:ID"),
                                {{"ID", removedAdvance}})
                     .toInt(),
                 0);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM AKONTACIJA")).toInt(), 1);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM RACUNI")).toInt(), 1);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM BLPROMET")).toInt(), 0);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM DIONICE")).toInt(), 3);
        // A stored text is emptied, its row stays.
        QCOMPARE(fixture.rows(QStringLiteral("SELECT DATA FROM OMD")),
                 QVector<QVariantList>{{QVariant(QString())}});
    }

    void checksRefuseInOrder_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("field");
        QTest::newRow("no driver, no label") << 0 << "Niste definirali vozača! Ne možete snimiti nalog."
                                             << int(OrderTab::BasicI) << int(OrderField::FirstDriver);
        QTest::newRow("blank label") << 1 << "Niste unijeli oznaku naloga! Ne možete snimiti nalog."
                                     << int(OrderTab::BasicI) << int(OrderField::Label);
        QTest::newRow("no vehicle, no sections") << 2 << "Niste definirali vozilo! Ne možete snimiti nalog."
                                                 << int(OrderTab::BasicI) << int(OrderField::Vehicle);
        QTest::newRow("no sections, no country")
            << 3 << "Niste definirali ni jednu dionicu! Ne možete snimiti nalog." << int(OrderTab::Sections)
            << int(OrderField::SectionOdometer);
        QTest::newRow("no country") << 4 << "Niste definirali državu za obračun dnevnica!" << int(OrderTab::BasicI)
                                    << int(OrderField::Country);
        QTest::newRow("label in use") << 5 << "Nalog sa definiranom oznakom već postoji! Odaberite drugu oznaku!"
                                      << int(OrderTab::BasicI) << int(OrderField::Label);
        // The receipt's USD has an empty rate; the allowance's EUR has one.
        QTest::newRow("a receipt currency without a rate")
            << 6 << "Nisu definirani tečajevi za sve korištene valute! Nedefinirane valute: USD|"
            << int(OrderTab::Rates) << int(OrderField::RateTable);
        QTest::newRow("accounting currency without a rate row")
            << 7 << "Nisu definirani tečajevi za sve korištene valute! Nedefinirane valute: HRK|USD|"
            << int(OrderTab::Rates) << int(OrderField::RateTable);
    }
    void checksRefuseInOrder()
    {
        QFETCH(int, breakage);
        QFETCH(QString, message);
        QFETCH(int, tab);
        QFETCH(int, field);
        db::Database database;
        test::TestDatabase fixture(database);
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO NALOZI (IDNALOG, OZNAKA) VALUES (-5, '17/2026')")));
        db::Transaction write(database);
        const Settings settings = testSettings();
        TravelOrderStore store(write, settings);

        TravelOrder order = fullOrder();
        order.label = QStringLiteral("18/2026");
        switch (breakage) {
        case 0:
            order.drivers[0] = order.drivers[1] = {};
            order.label.clear();
            break;
        case 1:
            order.label = QStringLiteral("   ");
            break;
        case 2:
            order.vehicleId = -1;
            order.sections.clear();
            break;
        case 3:
            order.sections.clear();
            order.country.clear();
            break;
        case 4:
            order.country.clear();
            break;
        case 5:
            order.label = QStringLiteral(" 17/2026");
            break;
        case 6:
            order.receipts[1].currency = QStringLiteral("USD");
            break;
        case 7:
            order.receipts[1].currency = QStringLiteral("USD");
            order.rates.removeLast();
            break;
        }
        const qint64 generatorBefore = fixture.scalar(QStringLiteral("SELECT GEN_ID(GEN_NALOZI_ID,0) FROM RDB$DATABASE")).toLongLong();
        SaveOutcome outcome;
        VERIFY_DB(outcome = store.save(order));
        QVERIFY(!outcome.saved);
        QVERIFY(!outcome.writeFailed);
        QVERIFY(outcome.problem);
        QCOMPARE(outcome.problem->message, message);
        QCOMPARE(int(outcome.problem->tab), tab);
        QCOMPARE(int(outcome.problem->field), field);
        QCOMPARE(order.id, -1);
        // Nothing written and no id drawn.
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM NALOZI")).toInt(), 1);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT GEN_ID(GEN_NALOZI_ID,0) FROM RDB$DATABASE")).toLongLong(),
                 generatorBefore);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM OBRACUN")).toInt(), 0);
    }

    void existingOrderSkipsTheLabelTest()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        const Settings settings = testSettings();
        TravelOrderStore store(write, settings);
        TravelOrder order = fullOrder();
        VERIFY_DB(QVERIFY(store.save(order).saved));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO NALOZI (IDNALOG, OZNAKA) VALUES (-5, '17/2026')")));
        VERIFY_DB(QVERIFY(store.save(order).saved));
    }

    void automaticLabelIsGeneratedAtSaving()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO NALOZI (IDNALOG, OZNAKA, DATUMOBRADE) "
                                              "VALUES (-5, '1/2026', '2026-01-10')")));
        db::Transaction write(database);
        Settings settings = testSettings();
        settings.set(QStringLiteral("AutomatskaOznaka"), 1);
        TravelOrderStore store(write, settings);
        TravelOrder order = fullOrder();
        order.label = QStringLiteral("1/2026"); // what the editor proposed before another client saved
        VERIFY_DB(QVERIFY(store.save(order).saved));
        QCOMPARE(order.label, QStringLiteral("2/2026"));
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT OZNAKA FROM NALOZI WHERE IDNALOG=:ID"), {{"ID", order.id}})
                     .toString(),
                 QStringLiteral("2/2026"));
    }

    void noTrailerAndUndefinedReturn()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        const Settings settings = testSettings();
        TravelOrderStore store(write, settings);
        TravelOrder order = fullOrder();
        order.trailerId = -1;
        order.returnDefined = false;
        order.returnDate = QDate(2026, 3, 20);
        VERIFY_DB(QVERIFY(store.save(order).saved));
        const auto row = fixture.rows(QStringLiteral("SELECT PRIKLJUCNOID, DATVRIPOVRATKA FROM NALOZI"));
        QCOMPARE(row[0][0].toInt(), -1);
        QVERIFY(row[0][1].isNull());

        TravelOrder loaded;
        VERIFY_DB(store.load(order.id, loaded, kLists));
        QCOMPARE(loaded.trailerId, -1);
        QVERIFY(!loaded.returnDefined);
        QCOMPARE(loaded.returnDate, loaded.departureDate);
        QCOMPARE(loaded.returnTime, QStringLiteral("00:00"));
        QVERIFY(!loaded.returnMoment().isValid());
    }

    void failedWritesLeaveNoTraceAndCanBeRepeated_data()
    {
        QTest::addColumn<bool>("inSections");
        QTest::addColumn<QString>("message");
        QTest::newRow("a section after the header")
            << true
            << "Greška prilikom snimanja podataka o akontacijama,dionicama i računima vezanim uz nalog! Podaci "
               "nisu snimljeni!";
        QTest::newRow("a total price of 10 000") << false
                                                 << "Greška prilikom snimanja podataka o nalogu! Podaci nisu snimljeni!";
    }
    void failedWritesLeaveNoTraceAndCanBeRepeated()
    {
        QFETCH(bool, inSections);
        QFETCH(QString, message);
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        const Settings settings = testSettings();
        TravelOrderStore store(write, settings);

        TravelOrder order = fullOrder();
        const QString goodRelation = order.sections[1].relation;
        if (inSections)
            order.sections[1].relation = QString(61, QLatin1Char('x')); // longer than the column
        else
            order.settlement.totalPrice = QStringLiteral("10.000,00");
        const TravelOrder before = order;

        SaveOutcome outcome;
        VERIFY_DB(outcome = store.save(order));
        QVERIFY(!outcome.saved);
        QVERIFY(outcome.writeFailed);
        QCOMPARE(outcome.problem->message, message);
        QVERIFY(!write.isActive());
        for (const char *table : {"NALOZI", "VOZACI", "UTOVARIVACI", "NALOGVALUTA", "OBRACUN", "AKONTACIJA",
                                  "RACUNI", "DIONICE", "BLPROMET", "OMD"})
            QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt(), 0);
        QCOMPARE(order.id, -1);
        QCOMPARE(order.advances[0].id, -1);
        QCOMPARE(order.deletedAdvances, before.deletedAdvances);

        if (inSections)
            order.sections[1].relation = goodRelation;
        else
            order.settlement.totalPrice = QStringLiteral("9.999,99");
        VERIFY_DB(outcome = store.save(order));
        QVERIFY(outcome.saved);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM DIONICE")).toInt(), 2);
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT CIJENAALL FROM OBRACUN")).toDouble(),
                 inSections ? 9999.5 : 9999.99);
    }

    void loadingReadsOlderRowsAndKeepsMissingEmployees()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        // An order as older versions left it: no settlement row, no
        // currencies, a fuel receipt marked -1, a renamed driver, a driver
        // whose id now belongs to someone else, an inactive loader.
        VERIFY_DB(fixture.exec(QStringLiteral(
            "INSERT INTO NALOZI (IDNALOG, OZNAKA, DATVRIODLASKA, DATVRIPOVRATKA, PRIKLJUCNOID, VOZILOID) "
            "VALUES (5, '3/2009', '2009-03-01 08:00', '2009-03-03 18:15', -1, 2)")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES "
                                              "(5, 1, 'HORVAT IVAN', 0)")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES "
                                              "(5, 2, 'Perić Josip', 0)")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES "
                                              "(5, 9, 'Stari Suvozač', 1)")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO UTOVARIVACI (IDNALOG, DJELATNIKID, IMEPREZIME) VALUES "
                                              "(5, 8, 'Neaktivni Radnik')")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO UTOVARIVACI (IDNALOG, DJELATNIKID, IMEPREZIME) VALUES "
                                              "(5, 3, 'Simic Ana')")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO RACUNI (IDNALOG, DATRAC, IZNOS, BENZIN) VALUES "
                                              "(5, '2009-03-02', 100, -1)")));
        db::Transaction write(database);
        Settings settings = testSettings();
        settings.set(QStringLiteral("AutoBlagajna"), 1);
        settings.set(QStringLiteral("CijenaKm"), 0.2);
        settings.set(QStringLiteral("Postotak"), 12.5);
        TravelOrderStore store(write, settings);

        TravelOrder order;
        LoadOutcome outcome;
        VERIFY_DB(outcome = store.load(5, order, kLists));
        QVERIFY(outcome.found);
        QVERIFY(outcome.offerAutomaticCash);
        QCOMPARE(order.receipts[0].fuel, int(Receipt::Tank));
        QCOMPARE(order.baseCurrency, QStringLiteral("HRK"));
        QCOMPARE(order.altCurrency, QStringLiteral("EUR"));
        QVERIFY(!order.twoCurrencies);
        const SettlementInputs &s = order.settlement;
        QCOMPARE(s.method, int(ByAllowances));
        QCOMPARE(s.kmCurrency, QStringLiteral("HRK"));
        QCOMPARE(s.fixedTotalCurrency, QStringLiteral("HRK"));
        QCOMPARE(s.pricePerKm, QStringLiteral("0,20"));
        QCOMPARE(s.percentage, QStringLiteral("12,5"));
        QVERIFY(s.totalPrice.isEmpty() && s.fixedFee.isEmpty() && s.fixedTotal.isEmpty());
        QVERIFY(!s.onlyFirstEarns && !s.allowanceFirst && !s.allowanceOthers);

        // Name and id agree (the name without regard to case): the list's entry.
        QCOMPARE(order.drivers[0], (EmployeeRef{1, QStringLiteral("Horvat Ivan"), true}));
        // Id 2 is Kovač Marko now: the stored driver stays as stored.
        QCOMPARE(order.drivers[1], (EmployeeRef{2, QStringLiteral("Perić Josip"), false}));
        QCOMPARE(order.coDrivers[0], (EmployeeRef{9, QStringLiteral("Stari Suvozač"), false}));
        QVERIFY(order.coDrivers[1].isEmpty());
        // Loaders are matched by id alone.
        QCOMPARE(order.loaders[0], (EmployeeRef{8, QStringLiteral("Neaktivni Radnik"), false}));
        QCOMPARE(order.loaders[1], (EmployeeRef{3, QStringLiteral("Šimić Ana"), true}));
        QCOMPARE(order.employees().size(), 5);

        // A missing order leaves the aggregate as it was.
        VERIFY_DB(QVERIFY(!store.load(77, order, kLists).found));
        QCOMPARE(order.id, 5);

        // The stored employees are written back unchanged.
        order.rates = {{QStringLiteral("HRK"), QStringLiteral("1")}};
        order.country = QStringLiteral("Austrija");
        order.sections = {section(1, 100, QStringLiteral("A"))};
        VERIFY_DB(QVERIFY(store.save(order).saved));
        QCOMPARE(fixture.rows(QStringLiteral("SELECT VOZACID, VOZACIME, SUV FROM VOZACI ORDER BY SUV, VOZACID")),
                 (QVector<QVariantList>{{1, QStringLiteral("Horvat Ivan"), 0},
                                        {2, QStringLiteral("Perić Josip"), 0},
                                        {9, QStringLiteral("Stari Suvozač"), 1}}));
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT BENZIN FROM RACUNI")).toInt(), 1);
    }

    void aCopySavesNewRowsAndLeavesTheSourceCashAlone()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        const Settings settings = testSettings();
        TravelOrderStore store(write, settings);
        TravelOrder source = fullOrder();
        VERIFY_DB(QVERIFY(store.save(source).saved));
        const auto sourceCash = fixture.rows(QStringLiteral("SELECT IDBP, IDNALOG, NOZNAKA, IZNOS FROM BLPROMET"));

        TravelOrder copy;
        VERIFY_DB(QVERIFY(store.loadCopy(source.id, copy, kLists, QDate(2026, 4, 20))));
        QVERIFY(copy.isNew());
        QVERIFY(copy.label.isEmpty());
        QCOMPARE(copy.accountingDate, QDate(2026, 4, 20));
        QCOMPARE(copy.orderDate, QDate(2026, 4, 10));
        QCOMPARE(copy.relation, source.relation);
        QVERIFY(copy.cash.isEmpty());
        for (const SectionRow &s : copy.sections)
            QCOMPARE(s.id, -1);
        copy.label = QStringLiteral("18/2026");
        VERIFY_DB(QVERIFY(store.save(copy).saved));
        QVERIFY(copy.id != source.id);

        QCOMPARE(fixture.rows(QStringLiteral("SELECT IDBP, IDNALOG, NOZNAKA, IZNOS FROM BLPROMET")), sourceCash);
        for (const char *table : {"AKONTACIJA", "RACUNI", "DIONICE"}) {
            QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IDNALOG=:ID").arg(QLatin1String(table)),
                                    {{"ID", source.id}})
                         .toInt(),
                     2);
            QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IDNALOG=:ID").arg(QLatin1String(table)),
                                    {{"ID", copy.id}})
                         .toInt(),
                     2);
        }
    }
};

QTEST_GUILESS_MAIN(TestTravelOrderStore)
#include "tst_travelorderstore.moc"
