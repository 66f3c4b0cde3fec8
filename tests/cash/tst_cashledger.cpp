// The balance functions of the cash desk on a real database: opening balances
// and entries per currency and year, which kinds bring money in and which
// take it out, and a failing statement that is reported, not read as 0.

#include "cash/CashLedger.h"
#include "core/db/DbError.h"
#include "support/TestDatabase.h"

#include <QtTest>
#include <functional>

using namespace kalvor;

namespace {

void addOpening(test::TestDatabase &fixture, int year, const QString &currency, double amount)
{
    fixture.exec(QStringLiteral("INSERT INTO BLPOCSTANJE (IDSTANJE,GODINA,VALUTA,IZNOS) "
                                "VALUES (GEN_ID(GEN_BLPOCSTANJE_ID,1),:G,:V,:I)"),
                 {{QStringLiteral("G"), year}, {QStringLiteral("V"), currency}, {QStringLiteral("I"), amount}});
}

void addEntry(test::TestDatabase &fixture, const QDate &date, int kind, const QString &currency, double amount)
{
    fixture.exec(QStringLiteral("INSERT INTO BLPROMET (DATUM,TIP,VALUTA,IZNOS,IDNALOG) VALUES (:D,:T,:V,:I,-1)"),
                 {{QStringLiteral("D"), date},
                  {QStringLiteral("T"), kind},
                  {QStringLiteral("V"), currency},
                  {QStringLiteral("I"), amount}});
}

enum class Figure { EndOfDay, YearMovement, BeforeDay, StartOfYearLast, StartOfYearAll };

double figure(db::Transaction &write, Figure f, const QString &currency, const QDate &date)
{
    switch (f) {
    case Figure::EndOfDay:
        return BalanceAtEndOfDay(write, currency, date);
    case Figure::YearMovement:
        return YearMovementToDay(write, currency, date);
    case Figure::BeforeDay:
        return BalanceBeforeDay(write, currency, date);
    case Figure::StartOfYearLast:
        return StartOfYearBalance(write, date.year(), currency).fromLastOpening;
    case Figure::StartOfYearAll:
        return StartOfYearBalance(write, date.year(), currency).allEarlierYears;
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Figure)

class TestCashLedger : public QObject
{
    Q_OBJECT

private slots:
    void kindSets()
    {
        QCOMPARE(IncomingCashKinds(), (QVector<int>{0, 4}));
        QCOMPARE(OutgoingCashKinds(), (QVector<int>{1, 2, 3, 5}));
        QVERIFY(IsIncomingCashKind(CashDeposit));
        QVERIFY(!IsIncomingCashKind(CashTransfer));
    }

    void balances_data()
    {
        QTest::addColumn<Figure>("function");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("expected");

        const QString eur = QStringLiteral("EUR");
        const QString usd = QStringLiteral("USD");
        // EUR: opening 100,00 for 2009, +50,00 and -30,00 on 10.03.2009.
        QTest::newRow("EUR end of 10.03.") << Figure::EndOfDay << eur << QDate(2009, 3, 10) << 120.0;
        QTest::newRow("EUR end of 09.03.") << Figure::EndOfDay << eur << QDate(2009, 3, 9) << 100.0;
        QTest::newRow("EUR before 11.03.") << Figure::BeforeDay << eur << QDate(2009, 3, 11) << 120.0;
        QTest::newRow("EUR before 10.03.") << Figure::BeforeDay << eur << QDate(2009, 3, 10) << 100.0;
        QTest::newRow("EUR movement to 10.03.") << Figure::YearMovement << eur << QDate(2009, 3, 10) << 20.0;
        // The 7,00 of 2008 has no opening row of its own year before it.
        QTest::newRow("EUR start of 2009") << Figure::StartOfYearLast << eur << QDate(2009, 1, 1) << 7.0;
        QTest::newRow("EUR end of 2010 day") << Figure::EndOfDay << eur << QDate(2010, 6, 1) << -4.0;
        QTest::newRow("EUR before 2010 day") << Figure::BeforeDay << eur << QDate(2010, 6, 1) << 116.0;

        // USD: only opening 100,00 for 2008; +20,00 in 2008, +5,00 on
        // 02.01.2009, and +50,00 in 2007 before that opening balance.
        QTest::newRow("USD before 10.01.2009") << Figure::BeforeDay << usd << QDate(2009, 1, 10) << 125.0;
        QTest::newRow("USD start of 2009") << Figure::StartOfYearLast << usd << QDate(2009, 1, 1) << 120.0;
        QTest::newRow("USD all before 2009") << Figure::StartOfYearAll << usd << QDate(2009, 1, 1) << 70.0;
        QTest::newRow("USD end of 10.01.2009") << Figure::EndOfDay << usd << QDate(2009, 1, 10) << 5.0;
        QTest::newRow("USD movement to 01.01.2009") << Figure::YearMovement << usd << QDate(2009, 1, 1) << 0.0;
        QTest::newRow("USD start of 2008") << Figure::StartOfYearLast << usd << QDate(2008, 1, 1) << 50.0;

        QTest::newRow("no entries at all") << Figure::BeforeDay << QStringLiteral("CHF") << QDate(2009, 1, 10)
                                           << 0.0;
    }

    void balances()
    {
        QFETCH(Figure, function);
        QFETCH(QString, currency);
        QFETCH(QDate, date);
        QFETCH(double, expected);

        db::Database database;
        test::TestDatabase fixture(database);
        VERIFY_DB({
            addOpening(fixture, 2009, QStringLiteral("EUR"), 100);
            addEntry(fixture, QDate(2009, 3, 10), CashAdvanceReturn, QStringLiteral("EUR"), 50);
            addEntry(fixture, QDate(2009, 3, 10), CashAdvancePayment, QStringLiteral("EUR"), 30);
            addEntry(fixture, QDate(2008, 12, 31), CashAdvanceReturn, QStringLiteral("EUR"), 7);
            addEntry(fixture, QDate(2010, 2, 1), CashAllowancePayment, QStringLiteral("EUR"), 4);

            addOpening(fixture, 2008, QStringLiteral("USD"), 100);
            addEntry(fixture, QDate(2007, 5, 5), CashDeposit, QStringLiteral("USD"), 50);
            addEntry(fixture, QDate(2008, 6, 1), CashDeposit, QStringLiteral("USD"), 20);
            addEntry(fixture, QDate(2009, 1, 2), CashAdvanceReturn, QStringLiteral("USD"), 5);

            // Another currency with an opening balance and entries of every
            // kind on the same days changes none of the figures above.
            for (int year : {2007, 2008, 2009, 2010})
                addOpening(fixture, year, QStringLiteral("GBP"), 1000);
            for (const QDate &d : {QDate(2007, 5, 5), QDate(2008, 6, 1), QDate(2009, 1, 2), QDate(2009, 3, 10)}) {
                for (int kind = 0; kind <= 5; ++kind)
                    addEntry(fixture, d, kind, QStringLiteral("GBP"), 11 + kind);
            }
        });

        db::Transaction write(database);
        double result = 0;
        VERIFY_DB(result = figure(write, function, currency, date));
        QCOMPARE(result, expected);
        QVERIFY(!write.isActive()); // committed after the last statement
    }

    // Every kind on its own, in every function: 0 and 4 in, the rest out.
    void kindDirection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("sign");
        for (int kind = 0; kind <= 5; ++kind) {
            const bool in = kind == 0 || kind == 4;
            QTest::addRow("kind %d", kind) << kind << (in ? 1.0 : -1.0);
        }
    }

    void kindDirection()
    {
        QFETCH(int, kind);
        QFETCH(double, sign);

        db::Database database;
        test::TestDatabase fixture(database);
        VERIFY_DB({
            addEntry(fixture, QDate(2011, 4, 4), kind, QStringLiteral("EUR"), 10);
            addEntry(fixture, QDate(2010, 4, 4), kind, QStringLiteral("EUR"), 1);
        });

        db::Transaction write(database);
        VERIFY_DB({
            QCOMPARE(BalanceAtEndOfDay(write, QStringLiteral("EUR"), QDate(2011, 4, 4)), 10 * sign);
            QCOMPARE(YearMovementToDay(write, QStringLiteral("EUR"), QDate(2011, 4, 4)), 10 * sign);
            QCOMPARE(BalanceBeforeDay(write, QStringLiteral("EUR"), QDate(2011, 4, 5)), 11 * sign);
            const StartOfYear start = StartOfYearBalance(write, 2011, QStringLiteral("EUR"));
            QCOMPARE(start.fromLastOpening, sign);
            QCOMPARE(start.allEarlierYears, sign);
        });
    }

    // A statement that fails rolls the write transaction back (work of the
    // caller's in it included) and reports the database's error instead of a
    // balance: the opening amount already read does not pass for one either.
    void failureIsReported_data()
    {
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<Figure>("function");

        const QString noAmounts = QStringLiteral("ALTER TABLE BLPROMET ALTER COLUMN IZNOS TO IZNOSX");
        const QString noOpenings = QStringLiteral("DROP TABLE BLPOCSTANJE");
        QTest::newRow("end of day, opening read, sums fail") << noAmounts << Figure::EndOfDay;
        QTest::newRow("year movement, sums fail") << noAmounts << Figure::YearMovement;
        QTest::newRow("before day, opening fails") << noOpenings << Figure::BeforeDay;
        QTest::newRow("start of year, opening fails") << noOpenings << Figure::StartOfYearLast;
        QTest::newRow("start of year, sums fail") << noAmounts << Figure::StartOfYearAll;
    }

    void failureIsReported()
    {
        QFETCH(QString, breakage);
        QFETCH(Figure, function);

        db::Database database;
        test::TestDatabase fixture(database);
        VERIFY_DB({
            addOpening(fixture, 2009, QStringLiteral("EUR"), 100);
            addEntry(fixture, QDate(2009, 3, 10), CashDeposit, QStringLiteral("EUR"), 50);
            fixture.exec(breakage);
        });

        db::Transaction write(database);
        VERIFY_DB({
            write.start();
            db::Query pending(write, QStringLiteral("INSERT INTO VALUTE (OZNAKA,NAZIV) VALUES ('XYZ','Pending')"));
            pending.exec();
        });

        QString message;
        try {
            figure(write, function, QStringLiteral("EUR"), QDate(2009, 3, 10));
            QFAIL("a failing statement gave a figure");
        } catch (const db::DbError &e) {
            message = e.message();
        }
        QVERIFY(!message.isEmpty());
        QVERIFY(!write.isActive());
        QVariant pendingRows;
        VERIFY_DB(pendingRows = fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM VALUTE WHERE OZNAKA='XYZ'")));
        QCOMPARE(pendingRows.toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCashLedger)
#include "tst_cashledger.moc"
