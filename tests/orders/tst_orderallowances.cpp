// The allowances of an order: the information line, the country's rate and
// the defaulting of an empty rate, who receives allowances, the employees of
// an order, the journey taken from the sections and the comparison of the
// journey with the stays of its countries.

#include "orders/OrderAllowances.h"
#include "support/TestDatabase.h"

#include <QtTest>

using namespace kalvor;

namespace {

TravelOrder journey(const QDate &dep, const QString &depTime, const QDate &ret, const QString &retTime)
{
    TravelOrder o;
    o.departureDate = dep;
    o.departureTime = depTime;
    o.returnDate = ret;
    o.returnTime = retTime;
    return o;
}

SectionRow section(const QDate &date, double km, const QTime &dep, const QTime &arr)
{
    SectionRow s;
    s.date = date;
    s.odometer = km;
    s.departure = dep;
    s.arrival = arr;
    return s;
}

} // namespace

class TestOrderAllowances : public QObject
{
    Q_OBJECT

private slots:
    void informationLine()
    {
        const AllowanceRules rules;
        TravelOrder o = journey(QDate(2026, 3, 1), QStringLiteral("8"), QDate(2026, 3, 3), QStringLiteral("1830"));
        QCOMPARE(AllowanceInfoLine(o, rules), QStringLiteral("Ukupno sati: 58,50 - Broj dnevnica: 2,5"));
        o.returnDate = QDate(2026, 4, 20);
        o.returnTime = QStringLiteral("8");
        QCOMPARE(AllowanceInfoLine(o, rules), QStringLiteral("Ukupno sati: 1.200,00 - Broj dnevnica: 50"));
        o.returnDate = o.departureDate;
        QCOMPARE(AllowanceInfoLine(o, rules), QStringLiteral("Ukupno sati: 0,00 - Broj dnevnica: 0"));
        o.returnDefined = false;
        QCOMPARE(AllowanceInfoLine(o, rules), QStringLiteral("NIJE DEFINIRAN POVRATAK!"));
        QCOMPARE(OrderAllowanceCount(o, rules).hours, 0.0);
    }

    void rateOfTheCountryAndItsDefault()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO DRZAVE (ID, DRZAVA, OZNAKA) VALUES (1, 'Njemačka', 'D')")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO DRZAVE (ID, DRZAVA, OZNAKA) VALUES (2, 'Italija', 'I')")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO DNEVNICE (IDDRZAVA, VRIJEDIOD, VALUTA, IZNOS) VALUES "
                                              "(1, '2026-01-01', 'EUR', 60)")));
        VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO DNEVNICE (IDDRZAVA, VRIJEDIOD, VALUTA, IZNOS) VALUES "
                                              "(1, '2026-03-01', 'EUR', 62.5)")));
        db::Transaction write(database);

        std::optional<ReferenceRate> rate;
        VERIFY_DB(rate = ReferenceAllowanceRate(write, QDate(2026, 2, 15), QStringLiteral("Njemačka")));
        QVERIFY(rate);
        QCOMPARE(rate->amount, 60.0);
        QCOMPARE(rate->currency, QStringLiteral("EUR"));
        VERIFY_DB(rate = ReferenceAllowanceRate(write, QDate(2026, 3, 1), QStringLiteral("Njemačka")));
        QCOMPARE(rate->amount, 62.5);
        QVERIFY(!write.isActive());

        TravelOrder o;
        QVERIFY(DefaultAllowanceRate(o, rate, QStringLiteral("HRK")));
        QCOMPARE(o.allowanceAmount, QStringLiteral("62,50"));
        QCOMPARE(o.allowanceCurrency, QStringLiteral("EUR"));
        // A rate already entered stays.
        QVERIFY(!DefaultAllowanceRate(o, std::nullopt, QStringLiteral("HRK")));
        QCOMPARE(o.allowanceAmount, QStringLiteral("62,50"));

        // No rate before the first date, none for a country without rates.
        VERIFY_DB(rate = ReferenceAllowanceRate(write, QDate(2025, 12, 31), QStringLiteral("Njemačka")));
        QVERIFY(!rate);
        VERIFY_DB(rate = ReferenceAllowanceRate(write, QDate(2026, 3, 1), QStringLiteral("Italija")));
        QVERIFY(!rate);
        TravelOrder other;
        QVERIFY(DefaultAllowanceRate(other, rate, QStringLiteral("HRK")));
        QCOMPARE(other.allowanceAmount, QStringLiteral("25,00"));
        QCOMPARE(other.allowanceCurrency, QStringLiteral("HRK"));
    }

    void whoReceivesAllowances_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("others");
        QTest::addColumn<bool>("firstReceives");
        QTest::addColumn<bool>("otherReceives");
        QTest::newRow("km, flags on") << int(ByKilometres) << true << true << true << true;
        QTest::newRow("km, driver only") << int(ByKilometres) << true << false << true << false;
        QTest::newRow("percentage, others only") << int(ByPercentage) << false << true << false << true;
        QTest::newRow("fixed fee, flags off") << int(FixedFee) << false << false << false << false;
        QTest::newRow("allowances, flags off") << int(ByAllowances) << false << false << true << true;
        QTest::newRow("several countries") << int(MultiCountry) << false << false << true << true;
        QTest::newRow("standard view") << kStandardView << false << false << true << true;
    }
    void whoReceivesAllowances()
    {
        QFETCH(int, method);
        QFETCH(bool, first);
        QFETCH(bool, others);
        QFETCH(bool, firstReceives);
        QFETCH(bool, otherReceives);
        SettlementInputs s;
        s.allowanceFirst = first;
        s.allowanceOthers = others;
        QCOMPARE(ReceivesAllowance(method, true, s), firstReceives);
        QCOMPARE(ReceivesAllowance(method, false, s), otherReceives);
    }

    void employeesInTheirOrderWithoutRepetition()
    {
        TravelOrder o;
        o.drivers[1] = {2, QStringLiteral("B"), true};
        o.coDrivers[0] = {3, QStringLiteral("C"), true};
        o.coDrivers[1] = {2, QStringLiteral("B"), true};
        o.loaders = {{4, QStringLiteral("D"), true}, {3, QStringLiteral("C"), true}, {9, QStringLiteral("Stari"), false}};
        QVector<int> ids;
        for (const EmployeeRef &e : o.employees())
            ids << e.id;
        QCOMPARE(ids, (QVector<int>{2, 3, 4, 9}));
        o.drivers[0] = {1, QStringLiteral("A"), true};
        QCOMPARE(o.employees().first().id, 1);
    }

    void journeyFromSections()
    {
        TravelOrder o = journey(QDate(2026, 3, 1), QStringLiteral("00:00"), QDate(2026, 3, 11), QStringLiteral("00:00"));
        o.sections = {section(QDate(2026, 3, 2), 1000, QTime(6, 15), QTime(12, 0)),
                      section(QDate(2026, 3, 4), 1900, QTime(22, 0), QTime(2, 30))};
        const SectionTotals totals = DeriveSectionTotals(o.sections);
        QVERIFY(!TakeJourneyFromSections(o, totals)); // switched off
        o.durationFromSections = true;
        QVERIFY(TakeJourneyFromSections(o, totals));
        QCOMPARE(o.departure(), QDateTime(QDate(2026, 3, 2), QTime(6, 15)));
        QCOMPARE(o.returnMoment(), QDateTime(QDate(2026, 3, 5), QTime(2, 30))); // arrival past midnight
        o.sections.removeLast();
        QVERIFY(!TakeJourneyFromSections(o, DeriveSectionTotals(o.sections)));
    }

    void durationAgainstTheStays_data()
    {
        QTest::addColumn<QString>("returnTime");
        QTest::addColumn<bool>("fromSections");
        QTest::addColumn<qint64>("stays");
        QTest::addColumn<bool>("matches");
        // Departure 01.03. 08:00, return 03.03.; the sections span 3 days.
        QTest::newRow("equal to the minute") << "10:30" << false << qint64(50 * 60 + 30) << true;
        QTest::newRow("a minute short") << "10:30" << false << qint64(50 * 60 + 29) << false;
        QTest::newRow("whole days by sections") << "10:30" << true << qint64(3 * 24 * 60) << true;
        QTest::newRow("sections differ") << "10:30" << true << qint64(50 * 60 + 30) << false;
    }
    void durationAgainstTheStays()
    {
        QFETCH(QString, returnTime);
        QFETCH(bool, fromSections);
        QFETCH(qint64, stays);
        QFETCH(bool, matches);
        TravelOrder o = journey(QDate(2026, 3, 1), QStringLiteral("08:00"), QDate(2026, 3, 3), returnTime);
        o.durationFromSections = fromSections;
        o.sections = {section(QDate(2026, 3, 1), 100, QTime(8, 0), QTime(9, 0)),
                      section(QDate(2026, 3, 4), 900, QTime(8, 0), QTime(9, 0))};
        const SectionTotals totals = DeriveSectionTotals(o.sections);
        QCOMPARE(CheckJourneyDuration(o, totals, stays).matches(), matches);
    }

    void correctingTheReturn()
    {
        // Across a change of daylight saving time the minutes stay as written.
        TravelOrder o = journey(QDate(2026, 3, 28), QStringLiteral("20:15"), QDate(2026, 3, 28), QStringLiteral("21:00"));
        o.returnDefined = false;
        o.durationFromSections = true;
        const qint64 stays = 2 * 24 * 60 + 5 * 60 + 50; // 2 days 05:50
        CorrectReturnToStays(o, stays);
        QCOMPARE(o.returnMoment(), QDateTime(QDate(2026, 3, 31), QTime(2, 5)));
        QVERIFY(!o.durationFromSections);
        QCOMPARE(CheckJourneyDuration(o, {}, stays).matches(), true);
    }
};

QTEST_GUILESS_MAIN(TestOrderAllowances)
#include "tst_orderallowances.moc"
