// The cash entries of an order: the automatic entries in every currency
// model, the rebuild that replaces only them, manual entries, the list order
// and how they are written when the order is saved.

#include "core/Settings.h"
#include "orders/CashPostings.h"
#include "orders/OrderRates.h"
#include "orders/TravelOrderStore.h"
#include "support/TestDatabase.h"

#include <QtTest>

using namespace kalvor;

namespace {

const QDateTime kNow(QDate(2026, 3, 10), QTime(9, 0));
const OrderEmployeeLists kLists{{{1, QStringLiteral("Horvat Ivan")}},
                                {{1, QStringLiteral("Horvat Ivan")}, {2, QStringLiteral("Kovač Marko")}}};

Settings testSettings()
{
    Settings s;
    s.set(QStringLiteral("DefValuta"), QStringLiteral("HRK"));
    s.set(QStringLiteral("AutomatskaOznaka"), 0);
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

// Driver with advances in EUR on two dates and one in USD, cash receipts in
// HRK and EUR, a company receipt, two allowances of 70 EUR; a co-driver
// without allowances under the kilometre method.
TravelOrder order()
{
    TravelOrder o;
    o.label = QStringLiteral("5/2026");
    o.accountingDate = QDate(2026, 3, 10);
    o.departureDate = QDate(2026, 3, 1);
    o.departureTime = QStringLiteral("08:00");
    o.returnDate = QDate(2026, 3, 2);
    o.returnTime = QStringLiteral("21:00");
    o.baseCurrency = QStringLiteral("HRK");
    o.country = QStringLiteral("Njemačka");
    o.vehicleId = 1;
    o.allowanceAmount = QStringLiteral("70,00");
    o.allowanceCurrency = QStringLiteral("EUR");
    o.drivers[0] = {1, QStringLiteral("Horvat Ivan"), true};
    o.coDrivers[0] = {2, QStringLiteral("Kovač Marko"), true};
    o.sections = {section(1, 1000), section(2, 2000)};
    o.advances = {{-1, 1, QStringLiteral("Horvat Ivan"), QDate(2026, 3, 1), 100, QStringLiteral("EUR")},
                  {-1, 1, QStringLiteral("Horvat Ivan"), QDate(2026, 3, 2), 50, QStringLiteral("EUR")},
                  {-1, 1, QStringLiteral("Horvat Ivan"), QDate(2026, 3, 1), 20, QStringLiteral("USD")}};
    const char *currencies[] = {"HRK", "EUR", "HRK"};
    const double amounts[] = {300, 10, 500};
    for (int i = 0; i < 3; ++i) {
        Receipt r;
        r.number = QString::number(i);
        r.amount = amounts[i];
        r.currency = QString::fromLatin1(currencies[i]);
        r.payment = i == 2 ? Receipt::Company : Receipt::Cash;
        o.receipts.append(r);
    }
    o.rates = {{QStringLiteral("HRK"), QStringLiteral("1")}, {QStringLiteral("EUR"), QStringLiteral("7,40")},
               {QStringLiteral("USD"), QStringLiteral("6")}};
    o.settlement.method = ByKilometres;
    o.settlement.allowanceFirst = true;
    return o;
}

// The entries as "kind date amount currency employee".
QStringList shown(const QVector<Blagajna> &entries)
{
    QStringList lines;
    for (const Blagajna &b : entries)
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(b.kind)
                     .arg(b.date.date().toString(QStringLiteral("dd.MM.")))
                     .arg(QString::number(b.amount, 'f', 2), b.currency)
                     .arg(b.employeeId);
    return lines;
}

} // namespace

class TestCashPostings : public QObject
{
    Q_OBJECT

private slots:
    void automaticEntries_data()
    {
        QTest::addColumn<bool>("byCurrency");
        QTest::addColumn<bool>("twoCurrencies");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("separate desks per currency")
            << true << false
            << QStringList{"1 01.03. 100.00 EUR 1", "1 01.03. 20.00 USD 1", "1 02.03. 50.00 EUR 1",
                           "0 10.03. 100.00 EUR 1", "0 10.03. 50.00 EUR 1", "0 10.03. 20.00 USD 1",
                           "2 10.03. 140.00 EUR 1", "3 10.03. 10.00 EUR 1",  "3 10.03. 300.00 HRK 1"};
        // Converted into the accounting currency: one advance per date, one
        // receipt total, one allowance total.
        QTest::newRow("converted")
            << false << false
            << QStringList{"1 01.03. 860.00 HRK 1", "1 02.03. 370.00 HRK 1", "0 10.03. 860.00 HRK 1",
                           "0 10.03. 370.00 HRK 1", "2 10.03. 1036.00 HRK 1", "3 10.03. 374.00 HRK 1"};
        // EUR is the alternative currency: it stays, USD goes into the base.
        QTest::newRow("two currencies")
            << true << true
            << QStringList{"1 01.03. 100.00 EUR 1", "1 01.03. 120.00 HRK 1", "1 02.03. 50.00 EUR 1",
                           "0 10.03. 100.00 EUR 1", "0 10.03. 50.00 EUR 1",  "0 10.03. 120.00 HRK 1",
                           "2 10.03. 140.00 EUR 1", "3 10.03. 10.00 EUR 1",  "3 10.03. 300.00 HRK 1"};
    }
    void automaticEntries()
    {
        QFETCH(bool, byCurrency);
        QFETCH(bool, twoCurrencies);
        QFETCH(QStringList, expected);
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        Settings settings = testSettings();
        settings.set(QStringLiteral("BlagajnePoValuti"), byCurrency ? 1 : 0);
        TravelOrder o = order();
        o.twoCurrencies = twoCurrencies;
        o.altCurrency = twoCurrencies ? QStringLiteral("EUR") : QString();
        VERIFY_DB(RebuildAutomaticEntries(o, write, settings, kNow));
        QCOMPARE(shown(o.cash), expected);

        const Blagajna &paid = o.cash.first();
        QCOMPARE(paid.description, QStringLiteral("Nalog za isplatu akontacije"));
        QCOMPARE(paid.voucherLabel, QStringLiteral("IS-__"));
        QCOMPARE(paid.orderLabel, QStringLiteral("5/2026"));
        QCOMPARE(paid.employeeName, QStringLiteral("Horvat Ivan"));
        QCOMPARE(paid.changed, kNow);
        QVERIFY(paid.automatic);
        for (const Blagajna &b : o.cash) {
            if (b.kind == Blagajna::AdvanceReturn) {
                QCOMPARE(b.description, QStringLiteral("Povrat/uplata akontacije"));
                QCOMPARE(b.voucherLabel, QStringLiteral("UP-__"));
            }
        }
    }

    void rebuildReplacesOnlyAutomaticEntries()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        Settings settings = testSettings();
        settings.set(QStringLiteral("IspOznaka"), QStringLiteral("ISP-7/"));
        settings.set(QStringLiteral("UplOznaka"), QStringLiteral("U"));
        TravelOrderStore store(write, settings);

        TravelOrder o = order();
        o.cash.append(ManualCashEntry(QStringLiteral("Polog"), {}, QStringLiteral("P-1"), 500, QStringLiteral("EUR"),
                                      QDateTime(QDate(2026, 3, 3), QTime(0, 0)), Blagajna::Deposit, kNow));
        o.cash.append(ManualCashEntry(QStringLiteral("U banku"), {}, QStringLiteral("B-1"), 200,
                                      QStringLiteral("EUR"), QDateTime(QDate(2026, 3, 4), QTime(0, 0)),
                                      Blagajna::Transfer, kNow));
        VERIFY_DB(RebuildAutomaticEntries(o, write, settings, kNow));
        const QStringList first = shown(o.cash);
        VERIFY_DB(RebuildAutomaticEntries(o, write, settings, kNow));
        QCOMPARE(shown(o.cash), first);
        QCOMPARE(o.cash.size(), 8);
        QVERIFY(o.deletedCash.toList() == QList<int>{-1}); // unsaved automatic entries leave -1 once

        VERIFY_DB(QVERIFY(store.save(o).saved));
        QCOMPARE(fixture.rows(QStringLiteral("SELECT DISTINCT OZNAKA FROM BLPROMET WHERE AUT=1 ORDER BY 1")),
                 (QVector<QVariantList>{{QStringLiteral("ISP-7/")}, {QStringLiteral("U")}}));
        const auto storedFirst = fixture.rows(QStringLiteral("SELECT IDBP FROM BLPROMET WHERE AUT=1"));

        TravelOrder loaded;
        VERIFY_DB(store.load(o.id, loaded, kLists));
        QCOMPARE(loaded.cash.size(), 8);
        // An automatic entry changed by hand stays automatic and goes with
        // the next rebuild; manual entries survive it.
        for (Blagajna &b : loaded.cash) {
            if (b.automatic) {
                Blagajna changed = b;
                changed.amount = 1;
                ChangeCashEntry(b, changed, kNow);
                QVERIFY(b.automatic);
                break;
            }
        }
        VERIFY_DB(RebuildAutomaticEntries(loaded, write, settings, kNow));
        QCOMPARE(loaded.deletedCash.size(), storedFirst.size());
        loaded.label = QStringLiteral("5A/2026");
        VERIFY_DB(QVERIFY(store.save(loaded).saved));
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM BLPROMET")).toInt(), 8);
        for (const QVariantList &row : storedFirst)
            QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM BLPROMET WHERE IDBP=:ID"), {{"ID", row[0]}})
                         .toInt(),
                     0);
        // The manual entries were updated in place and every entry follows
        // the new label.
        QCOMPARE(fixture.rows(QStringLiteral("SELECT TIP, TIP2, IDNALOG, OZNAKA FROM BLPROMET WHERE AUT=0 "
                                             "ORDER BY TIP")),
                 (QVector<QVariantList>{{4, 4, loaded.id, QStringLiteral("P-1")}, {5, 5, loaded.id, QStringLiteral("B-1")}}));
        QCOMPARE(fixture.rows(QStringLiteral("SELECT DISTINCT NOZNAKA FROM BLPROMET")),
                 QVector<QVariantList>{{QStringLiteral("5A/2026")}});
        QCOMPARE(fixture.scalar(QStringLiteral("SELECT COUNT(*) FROM BLPROMET WHERE TIP=0 AND TIP2=1")).toInt(), 2);
    }

    void listColumnsAndOrder()
    {
        QVector<Blagajna> entries{
            ManualCashEntry({}, {}, {}, 5, QStringLiteral("usd"), QDateTime(QDate(2026, 3, 2), QTime(0, 0)),
                            Blagajna::Transfer, kNow),
            ManualCashEntry({}, {}, {}, 1234.5, QStringLiteral("EUR"), QDateTime(QDate(2026, 3, 2), QTime(0, 0)),
                            Blagajna::Deposit, kNow),
            ManualCashEntry({}, {}, {}, 7, QStringLiteral("EUR"), QDateTime(QDate(2026, 3, 2), QTime(0, 0)),
                            Blagajna::Transfer, kNow),
            ManualCashEntry({}, {}, {}, 3, QStringLiteral("HRK"), QDateTime(QDate(2026, 3, 1), QTime(0, 0)),
                            Blagajna::AdvancePayment, kNow),
        };
        SortCashEntries(entries);
        QCOMPARE(shown(entries), (QStringList{"1 01.03. 3.00 HRK -1", "4 02.03. 1234.50 EUR -1",
                                              "5 02.03. 7.00 EUR -1", "5 02.03. 5.00 usd -1"}));
        QCOMPARE(CashEntryInText(entries[1]), QStringLiteral("1.234,50 EUR"));
        QCOMPARE(CashEntryOutText(entries[1]), QString());
        QCOMPARE(CashEntryOutText(entries[2]), QStringLiteral("7,00 EUR"));
        QCOMPARE(CashEntryInText(entries[2]), QString());
        QCOMPARE(entries[0].orderId, -1);
        QVERIFY(!entries[0].automatic);

        TravelOrder o;
        o.cash = entries;
        o.cash[1].id = 40;
        o.cash[2].id = 41;
        DeleteCashEntries(o, {2, 1, 2});
        QCOMPARE(o.cash.size(), 2);
        QCOMPARE(o.deletedCash, (QVector<int>{41, 40}));
        QCOMPARE(DeleteCashEntriesQuestion(), QStringLiteral("Jeste li sigurni da želite obrisati označene stavke?!"));
    }

    void allowancesOnlyForThoseWhoReceiveThem()
    {
        db::Database database;
        test::TestDatabase fixture(database);
        db::Transaction write(database);
        Settings settings = testSettings();
        settings.set(QStringLiteral("BlagajnePoValuti"), 1);
        TravelOrder o = order();
        o.advances.clear();
        o.receipts.clear();
        VERIFY_DB(RebuildAutomaticEntries(o, write, settings, kNow));
        QCOMPARE(shown(o.cash), QStringList{"2 10.03. 140.00 EUR 1"});
        o.settlement.allowanceOthers = true;
        VERIFY_DB(RebuildAutomaticEntries(o, write, settings, kNow));
        QCOMPARE(shown(o.cash), (QStringList{"2 10.03. 140.00 EUR 1", "2 10.03. 140.00 EUR 2"}));
        QCOMPARE(o.cash[0].description, QStringLiteral("Isplata dnevnica"));
    }
};

QTEST_GUILESS_MAIN(TestCashPostings)
#include "tst_cashpostings.moc"
