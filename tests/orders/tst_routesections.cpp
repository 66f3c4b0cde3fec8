// Route sections: driving time, the checks of a new section, the totals
// derived from the sections and the refrigeration unit's meter.

#include "orders/RouteSections.h"

#include <QtTest>

using namespace kalvor;

namespace {
SectionRow section(const QDate &date, double km, const QTime &dep, const QTime &arr, const QTime &driving = {0, 0})
{
    SectionRow s;
    s.date = date;
    s.odometer = km;
    s.relation = QStringLiteral("Zagreb");
    s.departure = dep;
    s.arrival = arr;
    s.driving = driving;
    return s;
}
} // namespace

class TestRouteSections : public QObject
{
    Q_OBJECT

private slots:
    void drivingTime_data()
    {
        QTest::addColumn<QTime>("departure");
        QTest::addColumn<QTime>("arrival");
        QTest::addColumn<QTime>("driving");
        QTest::newRow("same day") << QTime(8, 15) << QTime(12, 45) << QTime(4, 30);
        QTest::newRow("past midnight") << QTime(22, 0) << QTime(2, 0) << QTime(3, 59, 59, 999);
        QTest::newRow("no time") << QTime(7, 0) << QTime(7, 0) << QTime(0, 0);
    }
    void drivingTime()
    {
        QFETCH(QTime, departure);
        QFETCH(QTime, arrival);
        QFETCH(QTime, driving);
        QCOMPARE(DrivingTime(departure, arrival), driving);
    }

    void checksOfANewSection_data()
    {
        QTest::addColumn<QString>("odometer");
        QTest::addColumn<QString>("relation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::newRow("no odometer") << " " << "" << "Niste definirali stanje brojila!" << int(SectionCheck::Odometer);
        QTest::newRow("no place") << "1200" << "" << "Niste definirali relaciju!" << int(SectionCheck::Relation);
        QTest::newRow("zero reading") << "abc" << "Graz" << "Pogrešno definirano stanje brojila!"
                                      << int(SectionCheck::Odometer);
        QTest::newRow("good") << "125.400,5" << "Graz" << "" << int(SectionCheck::None);
    }
    void checksOfANewSection()
    {
        QFETCH(QString, odometer);
        QFETCH(QString, relation);
        QFETCH(QString, message);
        QFETCH(int, focus);
        const SectionCheck c = CheckNewSection(odometer, relation);
        QCOMPARE(c.message, message);
        QCOMPARE(int(c.focus), focus);
    }

    void singleSectionGivesNothing()
    {
        QVector<SectionRow> rows{section(QDate(2009, 3, 1), 1000, QTime(8, 0), QTime(9, 0))};
        const SectionTotals t = DeriveSectionTotals(rows);
        QVERIFY(!t.defined());
        QCOMPARE(t.kilometres, 0.0);
        QCOMPARE(t.days, 0);
        QVERIFY(!t.dateWarning);
    }

    void sectionsAreCountedByOdometer()
    {
        QVector<SectionRow> rows{
            section(QDate(2009, 3, 3), 1800, QTime(20, 0), QTime(1, 30), QTime(5, 0)),
            section(QDate(2009, 3, 1), 1000, QTime(6, 0), QTime(11, 0), QTime(4, 45)),
            section(QDate(2009, 3, 2), 1400, QTime(7, 0), QTime(9, 0), QTime(2, 0)),
        };
        const SectionTotals t = DeriveSectionTotals(rows);
        QCOMPARE(rows.first().odometer, 1000.0);
        QCOMPARE(rows.last().odometer, 1800.0);
        QCOMPARE(t.kilometres, 800.0);
        QCOMPARE(t.start, QDateTime(QDate(2009, 3, 1), QTime(6, 0)));
        QCOMPARE(t.end, QDateTime(QDate(2009, 3, 4), QTime(1, 30))); // arrival after midnight
        QCOMPARE(t.days, 3);
        QCOMPARE(t.tripHours, 67.5);
        QCOMPARE(t.drivingHours, 11.75);
        const DaysHoursMinutes d = SplitDuration(t.sums[0]);
        QCOMPARE(d.days, 0);
        QCOMPARE(d.hours, 11);
        QCOMPARE(d.minutes, 45);
        QVERIFY(!t.dateWarning);
    }

    void unreadableTimeCountsAsMidnight()
    {
        QVector<SectionRow> rows{section(QDate(2009, 3, 1), 1000, QTime(6, 0), QTime(7, 0), QTime(1, 0)),
                                 section(QDate(2009, 3, 1), 1100, QTime(8, 0), QTime(9, 0), QTime()),
                                 section(QDate(2009, 3, 1), 1200, QTime(10, 0), QTime(11, 0), QTime(2, 0))};
        rows[1].waiting = QTime(25, 0); // not a time of day
        const SectionTotals t = DeriveSectionTotals(rows);
        QCOMPARE(t.sums[0], qint64(3 * 3600 * 1000));
        QCOMPARE(t.sums[1], qint64(0));
        QCOMPARE(t.drivingHours, 3.0);
    }

    void endBeforeStartWarns()
    {
        QVector<SectionRow> rows{section(QDate(2009, 3, 5), 1000, QTime(6, 0), QTime(7, 0)),
                                 section(QDate(2009, 3, 1), 1500, QTime(6, 0), QTime(7, 0))};
        const SectionTotals t = DeriveSectionTotals(rows);
        QVERIFY(t.dateWarning);
        QCOMPARE(sectionDateWarning(), QStringLiteral("Pogrešni podaci o datumima polaska i povratka s puta!"));
    }

    void longDurationsSplitIntoDays()
    {
        const DaysHoursMinutes d = SplitDuration((2LL * 24 * 60 + 3 * 60 + 7) * 60000);
        QCOMPARE(d.days, 2);
        QCOMPARE(d.hours, 3);
        QCOMPARE(d.minutes, 7);
    }

    void refrigerationMeter()
    {
        double start = 1500, end = 1200;
        OrderMeterReadings(start, end);
        QCOMPARE(start, 1200.0);
        QCOMPARE(end, 1500.0);
        double consumption = 0;
        QVERIFY(RefrigerationConsumption(600, start, end, &consumption));
        QCOMPARE(consumption, 2.0);
        QVERIFY(!RefrigerationConsumption(600, 0, end, &consumption));
        QVERIFY(!RefrigerationConsumption(600, 1200, 1200, &consumption));
    }

    void totalTonneKilometres()
    {
        SectionRow s;
        s.tractorTkm = 1200.5;
        s.trailerTkm = 800.25;
        QCOMPARE(withTotalTkm(s).totalTkm, 2000.75);
    }
};

QTEST_GUILESS_MAIN(TestRouteSections)
#include "tst_routesections.moc"
