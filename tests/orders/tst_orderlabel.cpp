// Order labels: the running number of the period counted over the stored
// orders by the chosen date, in both patterns.

#include "core/Settings.h"
#include "orders/OrderLabel.h"
#include "support/TestDatabase.h"

#include <QtTest>

using namespace kalvor;

class TestOrderLabel : public QObject
{
    Q_OBJECT

private slots:
    void countStatementLines()
    {
        QCOMPARE(labelCountStatement(LabelRules::Yearly, LabelRules::AccountingDate),
                 QStringLiteral("SELECT COUNT(*) FROM NALOZI WHERE \n EXTRACT(YEAR FROM\nDATUMOBRADE)=:Y"));
        QCOMPARE(labelCountStatement(LabelRules::Monthly, LabelRules::EntryTime),
                 QStringLiteral("SELECT COUNT(*) FROM NALOZI WHERE \n EXTRACT(MONTH FROM\nDATVRIUNOSA)=:M\n"
                                " AND EXTRACT(YEAR FROM\nDATVRIUNOSA)=:Y\nAND DATVRIUNOSA<=:DD"));
    }

    void generate_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("expected");
        // Stored: two orders accounted in March 2009, one in May 2009, one
        // in 2010; their order dates and entry times are in generate().
        QTest::newRow("first of a year") << 0 << 0 << "" << "" << "1/2011";
        QTest::newRow("yearly by accounting date") << 0 << 0 << "" << "" << "4/2009";
        QTest::newRow("monthly, March") << 1 << 0 << "PN-" << "" << "PN-3/03/2009";
        QTest::newRow("yearly by order date") << 0 << 1 << "" << "-A" << "3/2009-A";
        QTest::newRow("entry time counts only earlier entries") << 0 << 2 << "" << "" << "3/2009";
    }
    void generate()
    {
        QFETCH(int, pattern);
        QFETCH(int, kind);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(QString, expected);
        db::Database database;
        test::TestDatabase fixture(database);
        const char *rows[][4] = {
            // id, DATUMOBRADE, DATUM, DATVRIUNOSA
            {"1", "2009-03-02", "2009-02-20", "2009-03-02 08:00:00"},
            {"2", "2009-03-20", "2009-03-10", "2009-03-20 09:00:00"},
            {"3", "2009-05-01", "2008-12-30", "2009-06-01 10:00:00"},
            {"4", "2010-01-05", "2010-01-02", "2010-01-05 10:00:00"},
        };
        for (const auto &r : rows)
            VERIFY_DB(fixture.exec(QStringLiteral("INSERT INTO NALOZI (IDNALOG, DATUMOBRADE, DATUM, DATVRIUNOSA) "
                                                  "VALUES (:ID, :DO, :DN, :DV)"),
                                   {{"ID", QString::fromLatin1(r[0]).toInt()},
                                    {"DO", QDate::fromString(QString::fromLatin1(r[1]), Qt::ISODate)},
                                    {"DN", QDate::fromString(QString::fromLatin1(r[2]), Qt::ISODate)},
                                    {"DV", QDateTime::fromString(QString::fromLatin1(r[3]), Qt::ISODate)}}));
        LabelRules rules;
        rules.pattern = pattern;
        rules.dateKind = kind;
        rules.prefix = prefix;
        rules.suffix = suffix;
        LabelDates dates;
        const bool firstOfYear = QByteArray(QTest::currentDataTag()) == "first of a year";
        dates.accounting = firstOfYear ? QDate(2011, 1, 3) : QDate(2009, 3, 25);
        dates.order = QDate(2009, 7, 1);
        dates.entry = QDateTime(QDate(2009, 5, 15), QTime(12, 0)); // before order 3 was entered
        db::Transaction write(database);
        QString label;
        VERIFY_DB(label = GenerateLabel(write, rules, dates));
        QCOMPARE(label, expected);
        QVERIFY(!write.isActive()); // committed afterwards
    }

    void automaticLabelsOff()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        LabelRules rules;
        rules.automatic = false;
        db::Transaction write(database);
        QCOMPARE(GenerateLabel(write, rules, {QDate(2009, 3, 1), QDate(2009, 3, 1), {}}), QString());
    }

    void rulesFromTheSettingsDefaults()
    {
        Settings settings;
        const LabelRules rules = LabelRules::fromSettings(settings);
        QVERIFY(rules.automatic);
        QCOMPARE(rules.pattern, int(LabelRules::Yearly));
        QCOMPARE(rules.dateKind, int(LabelRules::AccountingDate));
        QCOMPARE(rules.separator, QStringLiteral("/"));
        QVERIFY(rules.prefix.isEmpty() && rules.suffix.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOrderLabel)
#include "tst_orderlabel.moc"
