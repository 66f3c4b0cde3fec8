#include "core/Settings.h"
#include "reference/MultiCountryCalculator.h"
#include "reference/StayText.h"

#include <QTest>

using namespace kalvor;

namespace {

// A stay text from "country|rate|currency|hours[:minutes]" descriptions, each
// a length of stay.
QString stayText(const QStringList &descriptions)
{
    QVector<Stay> stays;
    for (const QString &d : descriptions) {
        const QStringList p = d.split(QLatin1Char('|'));
        const QStringList time = p[3].split(QLatin1Char(':'));
        const qint64 minutes = time[0].toLongLong() * 60 + (time.size() > 1 ? time[1].toLongLong() : 0);
        Stay stay = Stay::ofLength(StayRate{p[0], p[1].toDouble(), p[2]}, MinutesToDays(minutes));
        stays.append(stay);
    }
    return WriteStayText(stays);
}

QString counts(const StayCalculation &result)
{
    QStringList list;
    for (const CalculationLine &line : result.lines)
        list.append(line.country + QLatin1Char('=') + FormatGeneralNumber(line.count));
    return list.join(QLatin1Char(' '));
}

QString carries(const StayCalculation &result)
{
    QStringList list;
    for (const CalculationLine &line : result.lines)
        list.append(QString::number(line.carriedIn / 60.0) + QLatin1Char('>')
                    + QString::number(line.carriedOut / 60.0));
    return list.join(QLatin1Char(' '));
}

} // namespace

class TestMultiCountry : public QObject
{
    Q_OBJECT

private slots:
    void calculateStayText_data()
    {
        QTest::addColumn<QStringList>("stays");
        QTest::addColumn<bool>("correct");
        QTest::addColumn<double>("journeyCount");
        QTest::addColumn<double>("allowances");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("carried"); // hours in > out per line
        QTest::addColumn<QStringList>("totals");

        QTest::newRow("30 h alone: 1, the 6 h rest is dropped")
            << QStringList{"A|30|EUR|30"} << false << 0.0 << 1.0 << "A=1" << "0>0"
            << QStringList{"EUR||30"};
        QTest::newRow("30 h then 2 h: the 6 h rest makes 8 h")
            << QStringList{"A|30|EUR|30", "B|20|USD|2"} << false << 0.0 << 1.5 << "A=1 B=0,5"
            << "0>6 6>0" << QStringList{"EUR||30", "USD||10"};
        QTest::newRow("6 h then 7 h: carried into 13 h")
            << QStringList{"A|30|EUR|6", "B|40|EUR|7"} << false << 0.0 << 1.0 << "A=0 B=1"
            << "0>6 6>0" << QStringList{"EUR||40"};
        QTest::newRow("exactly 8 h is half")
            << QStringList{"A|30|EUR|8"} << false << 0.0 << 0.5 << "A=0,5" << "0>0"
            << QStringList{"EUR||15"};
        QTest::newRow("7:59 is nothing, carried on")
            << QStringList{"A|30|EUR|7:59", "B|10|EUR|0:01"} << false << 0.0 << 0.5
            << "A=0 B=0,5" << QString("0>%1 %1>0").arg(QString::number(479 / 60.0))
            << QStringList{"EUR||5"};
        QTest::newRow("exactly 12 h is one, 11:59 half")
            << QStringList{"A|30|EUR|12", "B|10|EUR|11:59"} << false << 0.0 << 1.5
            << "A=1 B=0,5" << "0>0 0>0" << QStringList{"EUR||35"};
        QTest::newRow("24 h exactly, 32 h, 36 h")
            << QStringList{"A|10|EUR|24", "B|10|EUR|32", "C|10|EUR|36"} << false << 0.0 << 4.5
            << "A=1 B=1,5 C=2" << "0>0 0>0 0>0" << QStringList{"EUR||45"};
        QTest::newRow("31:59 gives 1 and carries 7:59")
            << QStringList{"A|10|EUR|31:59", "B|10|EUR|0:01"} << false << 0.0 << 1.5
            << "A=1 B=0,5" << QString("0>%1 %1>0").arg(QString::number(479 / 60.0))
            << QStringList{"EUR||15"};
        QTest::newRow("24 h, 16 h, 9 h without correction")
            << QStringList{"A|10|EUR|24", "B|20|EUR|16", "C|30|USD|9"} << false << 2.0 << 2.5
            << "A=1 B=1 C=0,5" << "0>0 0>0 0>0" << QStringList{"EUR||30", "USD||15"};
        QTest::newRow("24 h, 16 h, 9 h corrected to 2: the 9 h line goes to 0")
            << QStringList{"A|10|EUR|24", "B|20|EUR|16", "C|30|USD|9"} << true << 2.0 << 2.0
            << "A=1 B=1 C=0" << "0>0 0>0 0>0" << QStringList{"EUR||30", "USD||0"};
        QTest::newRow("correction raises the count of the least line")
            << QStringList{"A|10|EUR|20", "B|20|EUR|6", "C|30|EUR|6"} << true << 2.5 << 2.5
            << "A=1 B=0,5 C=1" << "0>0 0>6 6>0" << QStringList{"EUR||50"};
        QTest::newRow("correction stops when the excess exceeds the least count")
            << QStringList{"A|10|EUR|24", "B|20|EUR|9"} << true << 0.0 << 1.5 << "A=1 B=0,5"
            << "0>0 0>0" << QStringList{"EUR||20"};
        QTest::newRow("correction skips lines without a rate")
            << QStringList{"A|0|EUR|9", "B|20|EUR|24"} << true << 0.5 << 0.5 << "A=0,5 B=0"
            << "0>0 0>0" << QStringList{"EUR||0"};
        QTest::newRow("same country and rate separated: one line at the first position")
            << QStringList{"A|30|EUR|5", "B|20|EUR|10", "A|30|EUR|5"} << false << 0.0 << 1.0
            << "A=0,5 B=0,5" << "0>0 0>0" << QStringList{"EUR||25"};
        QTest::newRow("same country, other rate: two lines")
            << QStringList{"A|30|EUR|5", "A|31|EUR|5"} << false << 0.0 << 0.5 << "A=0 A=0,5"
            << "0>5 5>0" << QStringList{"EUR||15,5"};
        QTest::newRow("currencies listed in order of first appearance")
            << QStringList{"A|10|USD|12", "B|10|EUR|12", "C|10|USD|12"} << false << 0.0 << 3.0
            << "A=1 B=1 C=1" << "0>0 0>0 0>0" << QStringList{"USD||20", "EUR||10"};
    }

    void calculateStayText()
    {
        QFETCH(QStringList, stays);
        QFETCH(bool, correct);
        QFETCH(double, journeyCount);
        QFETCH(double, allowances);
        QFETCH(QString, lines);
        QFETCH(QString, carried);
        QFETCH(QStringList, totals);

        StayCalculationOptions options;
        options.correct = correct;
        double askedDays = -1;
        options.journeyAllowances = [&](double days) {
            askedDays = days;
            return journeyCount;
        };
        const StayCalculation result = CalculateStayText(stayText(stays), options);
        QCOMPARE(result.allowances, allowances);
        QCOMPARE(counts(result), lines);
        QCOMPARE(carries(result), carried);
        QCOMPARE(result.totalTexts, totals);
        if (correct)
            QCOMPARE(DaysToMinutes(askedDays), result.totalMinutes);
    }

    void settingDecidesTheCorrection_data()
    {
        QTest::addColumn<bool>("dnevCorrect");
        QTest::addColumn<double>("allowances");
        QTest::newRow("on") << true << 2.0;
        QTest::newRow("off") << false << 2.5;
    }

    void settingDecidesTheCorrection()
    {
        QFETCH(bool, dnevCorrect);
        QFETCH(double, allowances);
        Settings settings;
        settings.set(QStringLiteral("DnevCorrect"), dnevCorrect ? 1 : 0);
        const QString text = stayText({"A|10|EUR|24", "B|20|EUR|16", "C|30|USD|9"});
        const StayCalculation result =
            CalculateStayText(text, settings, [](double) { return 2.0; });
        QCOMPARE(result.allowances, allowances);
        QCOMPARE(result.totalMinutes, qint64(49 * 60));
    }

    void groupingOff()
    {
        const QVector<Stay> stays{Stay::ofLength({"A", 30, "EUR"}, 6.0 / 24),
                                  Stay::ofLength({"A", 30, "EUR"}, 7.0 / 24)};
        StayCalculationOptions options;
        options.grouping = false;
        const StayCalculation result = CalculateStays(stays, options);
        QCOMPARE(counts(result), QStringLiteral("A=0 A=1"));
        options.grouping = true;
        QCOMPARE(counts(CalculateStays(stays, options)), QStringLiteral("A=1"));
    }

    void readStayText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // country/amount/currency/entry/exit/duration; ...

        const QString line = QStringLiteral(
            "<PDNSTAVKA><DRZAVA>Austrija</DRZAVA><DNEVNICA>30</DNEVNICA><VALUTA>EUR</VALUTA>"
            "<OD>39094,3333333333</OD><DO>39095,5</DO><TRAJANJE>1,1666666667</TRAJANJE>"
            "</PDNSTAVKA>");
        const QString expected = QStringLiteral("Austrija/30/EUR/39094,3333333333/39095,5/1,16666666666667");
        QTest::newRow("one line") << line + "\r\n" << expected;
        QTest::newRow("last block with nothing after it") << line + "\r\n" + line
                                                          << expected + ";" + expected;
        QTest::newRow("fields in any order, trimmed, full stop as separator")
            << QStringLiteral("<PDNSTAVKA> <TRAJANJE> 0.5 </TRAJANJE><VALUTA>USD</VALUTA>"
                              "<DRZAVA> Češka </DRZAVA><DNEVNICA>30,00</DNEVNICA></PDNSTAVKA>")
            << QStringLiteral("Češka/30/USD/0/0/0,5");
        QTest::newRow("missing and wrong tags give empty fields")
            << QStringLiteral("<PDNSTAVKA><drzava>X</drzava><DNEVNICA>abc</DNEVNICA></PDNSTAVKA>")
            << QStringLiteral("/0//0/0/0");
        QTest::newRow("empty block skipped") << "<PDNSTAVKA> </PDNSTAVKA>\r\n" + line << expected;
        QTest::newRow("blank text") << QStringLiteral("  \r\n") << QString();
    }

    void readStayText()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QStringList list;
        for (const Stay &s : ReadStayText(text))
            list.append(QStringList{s.country, FormatGeneralNumber(s.amount), s.currency,
                                    FormatGeneralNumber(s.entry), FormatGeneralNumber(s.exit),
                                    FormatGeneralNumber(s.duration)}
                            .join(QLatin1Char('/')));
        QCOMPARE(list.join(QLatin1Char(';')), read);
    }

    void writeStayText()
    {
        const Stay byTimes = Stay::fromEntryExit({"Austrija", 30, "EUR"},
                                                 QDateTime(QDate(2007, 1, 12), QTime(8, 0)),
                                                 QDateTime(QDate(2007, 1, 13), QTime(12, 0)));
        const Stay byLength = Stay::ofLength({"Njemačka", 42.5, "EUR"}, 1.25);
        const QString text = WriteStayText({byTimes, byLength});
        QCOMPARE(text,
                 QStringLiteral(
                     "<PDNSTAVKA><DRZAVA>Austrija</DRZAVA><DNEVNICA>30</DNEVNICA><VALUTA>EUR</VALUTA>"
                     "<OD>39094,3333333333</OD><DO>39095,5</DO><TRAJANJE>1,16666666666667</TRAJANJE>"
                     "</PDNSTAVKA>\r\n"
                     "<PDNSTAVKA><DRZAVA>Njemačka</DRZAVA><DNEVNICA>42,5</DNEVNICA><VALUTA>EUR</VALUTA>"
                     "<OD>0</OD><DO>1,25</DO><TRAJANJE>1,25</TRAJANJE></PDNSTAVKA>\r\n"));
        const QVector<Stay> back = ReadStayText(StayTextFromBytes(StayTextToBytes(text)));
        QCOMPARE(back.size(), 2);
        QCOMPARE(back[1].country, QStringLiteral("Njemačka"));
        QCOMPARE(DaysToMinutes(back[0].duration), qint64(28 * 60));
        QCOMPARE(FromDayNumber(back[0].entry), QDateTime(QDate(2007, 1, 12), QTime(8, 0)));
        QCOMPARE(WriteStayText({}), QString());
        const StayCalculation blank = CalculateStayText(QString(), StayCalculationOptions{});
        QCOMPARE(blank.allowances, 0.0);
        QVERIFY(blank.totalTexts.isEmpty());
    }

    void formatDuration_data()
    {
        QTest::addColumn<qint64>("minutes");
        QTest::addColumn<bool>("withDays");
        QTest::addColumn<bool>("hoursOnly");
        QTest::addColumn<QString>("text");
        const qint64 m = 2 * 1440 + 5 * 60 + 30;
        QTest::newRow("with days") << m << true << false << "2 dana 05:30 (53 sata i 30 min.)";
        QTest::newRow("hours only") << m << false << true << "53 sata i 30 min.";
        QTest::newRow("days only") << m << false << false << "2 dana 05:30";
        QTest::newRow("5:59 from whole minutes") << qint64(359) << false << true << "5 sati i 59 min.";
        QTest::newRow("one day, one hour") << qint64(1500) << true << false << "1 dan 01:00 (25 sati)";
        QTest::newRow("minutes only") << qint64(45) << true << false << "00:45 (45 min.)";
        QTest::newRow("negative") << -qint64(21 * 60) << false << true << "-21 sat";
        QTest::newRow("zero hours only") << qint64(0) << false << true << "";
    }

    void formatDuration()
    {
        QFETCH(qint64, minutes);
        QFETCH(bool, withDays);
        QFETCH(bool, hoursOnly);
        QFETCH(QString, text);
        QCOMPARE(FormatDurationMinutes(minutes, withDays, hoursOnly), text);
        QCOMPARE(FormatDuration(MinutesToDays(minutes), withDays, hoursOnly), text);
    }

    void hourWord_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("word");
        const QList<QPair<int, QString>> table{{1, "sat"},   {2, "sata"},   {5, "sati"},
                                               {11, "sati"}, {12, "sati"},  {21, "sat"},
                                               {22, "sata"}, {111, "sati"}, {112, "sata"},
                                               {0, "sati"}};
        for (const auto &[n, word] : table)
            QTest::newRow(qPrintable(QString::number(n))) << n << word;
    }

    void hourWord()
    {
        QFETCH(int, n);
        QFETCH(QString, word);
        QCOMPARE(HourWord(n), word);
        QCOMPARE(DayWord(n), (n % 10 == 1 && n % 100 != 11) ? QStringLiteral("dan")
                                                             : QStringLiteral("dana"));
    }

    void hoursClock()
    {
        QCOMPARE(FormatHoursClock(53.5), QStringLiteral("53:30"));
        QCOMPARE(FormatHoursClock(5 + 59 / 60.0), QStringLiteral("05:59"));
    }
};

QTEST_GUILESS_MAIN(TestMultiCountry)
#include "tst_multicountry.moc"
