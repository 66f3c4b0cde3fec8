// Daily allowances: the count of a trip under the rule and the favourable
// variant, and the typed time texts of departure and return.

#include "core/Settings.h"
#include "orders/AllowanceCount.h"

#include <QtTest>

using namespace kalvor;

namespace {

QDateTime at(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("dd.MM.yyyy HH:mm"));
}

} // namespace

class TestAllowanceCount : public QObject
{
    Q_OBJECT

private slots:
    void byRule_data()
    {
        QTest::addColumn<QString>("departure");
        QTest::addColumn<QString>("ret");
        QTest::addColumn<bool>("twelveWhole");
        QTest::addColumn<bool>("eightHalf");
        QTest::addColumn<double>("count");
        QTest::addColumn<double>("hours");
        QTest::addColumn<double>("days");

        QTest::newRow("same day 9.5 h") << "01.03.2026 08:00" << "01.03.2026 17:30" << true << true << 0.5 << 9.5 << 0.0;
        QTest::newRow("one day and 13 h") << "01.03.2026 08:00" << "02.03.2026 21:00" << true << true << 2.0 << 37.0 << 1.0;
        QTest::newRow("over midnight, one day and 10 h") << "01.03.2026 20:00" << "03.03.2026 06:00" << true << true << 1.5 << 34.0 << 1.0;
        QTest::newRow("exactly 12 h counts whole") << "01.03.2026 08:00" << "01.03.2026 20:00" << true << true << 1.0 << 12.0 << 0.0;
        QTest::newRow("exactly 12 h counts half") << "01.03.2026 08:00" << "01.03.2026 20:00" << false << true << 0.5 << 12.0 << 0.0;
        QTest::newRow("exactly 8 h counts half") << "01.03.2026 08:00" << "01.03.2026 16:00" << true << true << 0.5 << 8.0 << 0.0;
        QTest::newRow("exactly 8 h counts nothing") << "01.03.2026 08:00" << "01.03.2026 16:00" << true << false << 0.0 << 8.0 << 0.0;
        QTest::newRow("just under 8 h") << "01.03.2026 08:00" << "01.03.2026 15:59" << true << true << 0.0 << 7.0 + 59.0 / 60 << 0.0;
        QTest::newRow("same day times swapped") << "01.03.2026 17:00" << "01.03.2026 08:00" << true << true << 0.5 << 9.0 << 0.0;
        QTest::newRow("exactly one day") << "01.03.2026 10:00" << "02.03.2026 10:00" << true << true << 1.0 << 24.0 << 1.0;
        QTest::newRow("next day 14 h over midnight") << "01.03.2026 20:00" << "02.03.2026 10:00" << true << true << 1.0 << 14.0 << 0.0;
        QTest::newRow("two days and 4 h") << "01.03.2026 10:00" << "03.03.2026 14:00" << true << true << 2.0 << 52.0 << 2.0;
        QTest::newRow("same moment") << "01.03.2026 10:00" << "01.03.2026 10:00" << true << true << 0.0 << 0.0 << 0.0;
        QTest::newRow("return a day before departure") << "05.03.2026 10:00" << "04.03.2026 20:00" << true << true << 0.0 << 0.0 << 0.0;
        QTest::newRow("return days before departure") << "05.03.2026 10:00" << "01.03.2026 09:00" << true << true << 0.0 << 0.0 << 0.0;
        QTest::newRow("no return") << "01.03.2026 08:00" << "" << true << true << 0.0 << 0.0 << 0.0;
    }

    void byRule()
    {
        QFETCH(QString, departure);
        QFETCH(QString, ret);
        QFETCH(bool, twelveWhole);
        QFETCH(bool, eightHalf);
        QFETCH(double, count);
        QFETCH(double, hours);
        QFETCH(double, days);

        const AllowanceRules rules(true, false, twelveWhole, eightHalf);
        const AllowanceCount result = CountAllowances(at(departure), at(ret), rules);
        QCOMPARE(result.count, count);
        QVERIFY2(qAbs(result.hours - hours) < 1e-9, qPrintable(QString::number(result.hours)));
        QCOMPARE(result.days, days);
    }

    void favourable_data()
    {
        QTest::addColumn<QString>("departure");
        QTest::addColumn<QString>("ret");
        QTest::addColumn<double>("count");
        QTest::addColumn<double>("hours");

        QTest::newRow("middle period and two long ends") << "01.03.2026 10:00" << "03.03.2026 14:00" << 3.0 << 52.0;
        QTest::newRow("short departure day, 10 h return day") << "01.03.2026 20:00" << "02.03.2026 10:00" << 0.5 << 14.0;
        QTest::newRow("departure at 12:00 counts half") << "01.03.2026 12:00" << "02.03.2026 12:00" << 1.5 << 24.0;
        QTest::newRow("same day 12 h") << "01.03.2026 08:00" << "01.03.2026 20:00" << 1.0 << 12.0;
        QTest::newRow("same day 8 h") << "01.03.2026 08:00" << "01.03.2026 16:00" << 0.5 << 8.0;
        QTest::newRow("same day under 8 h") << "01.03.2026 08:00" << "01.03.2026 15:30" << 0.0 << 7.5;
        QTest::newRow("three whole days from midnight") << "01.03.2026 00:00" << "04.03.2026 00:00" << 3.0 << 72.0;
        QTest::newRow("return before departure") << "05.03.2026 10:00" << "03.03.2026 14:00" << 0.0 << 0.0;
        QTest::newRow("no return") << "01.03.2026 08:00" << "" << 0.0 << 0.0;
    }

    void favourable()
    {
        QFETCH(QString, departure);
        QFETCH(QString, ret);
        QFETCH(double, count);
        QFETCH(double, hours);

        const AllowanceRules rules(false, true, true, true);
        QVERIFY(rules.usesFavourable());
        const AllowanceCount result = CountAllowances(at(departure), at(ret), rules);
        QCOMPARE(result.count, count);
        QVERIFY2(qAbs(result.hours - hours) < 1e-9, qPrintable(QString::number(result.hours)));
        QVERIFY(qAbs(result.days - hours / 24) < 1e-9);
    }

    void variantChoice_data()
    {
        QTest::addColumn<bool>("byRule");
        QTest::addColumn<bool>("favourable");
        QTest::addColumn<double>("count");

        // 01.03. 10:00 to 03.03. 14:00: 2 by the rule, 3 favourable.
        QTest::newRow("rule only") << true << false << 2.0;
        QTest::newRow("favourable only") << false << true << 3.0;
        QTest::newRow("both on") << true << true << 2.0;
        QTest::newRow("both off") << false << false << 2.0;
    }

    void variantChoice()
    {
        QFETCH(bool, byRule);
        QFETCH(bool, favourable);
        QFETCH(double, count);

        Settings settings;
        settings.set(QStringLiteral("DnevniceKALVOR"), byRule ? 1 : 0);
        settings.set(QStringLiteral("DnevniceOld"), favourable ? 1 : 0);
        const AllowanceRules rules = AllowanceRules::fromSettings(settings);
        QCOMPARE(CountAllowances(at("01.03.2026 10:00"), at("03.03.2026 14:00"), rules).count, count);
    }

    void rulesFromSettings()
    {
        Settings settings;
        AllowanceRules rules = AllowanceRules::fromSettings(settings);
        QVERIFY(rules.byRule);
        QVERIFY(!rules.favourable);
        QVERIFY(rules.twelveHoursWhole);
        QVERIFY(rules.eightHoursHalf);
        QVERIFY(!rules.remainderZero);

        settings.set(QStringLiteral("12Dnevnica"), 0);
        settings.set(QStringLiteral("8Dnevnica"), 0);
        settings.set(QStringLiteral("Preostalo0"), 1);
        rules = AllowanceRules::fromSettings(settings);
        QVERIFY(!rules.twelveHoursWhole);
        QVERIFY(!rules.eightHoursHalf);
        QVERIFY(rules.remainderZero);
        QCOMPARE(CountAllowances(at("01.03.2026 08:00"), at("01.03.2026 20:00"), rules).count, 0.5);
    }

    void parseTimeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time");

        QTest::newRow("whole hours") << "8" << QTime(8, 0);
        QTest::newRow("decimal comma") << "7,5" << QTime(7, 30);
        QTest::newRow("decimal comma rounds into the hour") << "7,999" << QTime(8, 0);
        QTest::newRow("full stop goes by the digits") << "7.5" << QTime(7, 5);
        QTest::newRow("minutes") << "45" << QTime(0, 45);
        QTest::newRow("24 is minutes") << "24" << QTime(0, 24);
        QTest::newRow("two digits above 59") << "75" << QTime(7, 5);
        QTest::newRow("four digits") << "0730" << QTime(7, 30);
        QTest::newRow("with a colon") << "7:30" << QTime(7, 30);
        QTest::newRow("hours and minutes too high") << "2599" << QTime(23, 0);
        QTest::newRow("five digits") << "12345" << QTime(23, 45);
        QTest::newRow("written time") << "14:05" << QTime(14, 5);
        QTest::newRow("surrounding spaces") << " 9 " << QTime(9, 0);
        QTest::newRow("empty") << "" << QTime(0, 0);
        QTest::newRow("spaces only") << "   " << QTime(0, 0);
        QTest::newRow("no digits") << "abc" << QTime(0, 0);
    }

    void parseTimeText()
    {
        QFETCH(QString, text);
        QFETCH(QTime, time);
        QCOMPARE(ParseTimeText(text), time);
    }
};

QTEST_GUILESS_MAIN(TestAllowanceCount)
#include "tst_allowancecount.moc"
