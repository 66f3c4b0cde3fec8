#include "core/Amounts.h"
#include "core/Settings.h"
#include "core/TDataModule1.h"
#include "reference/StayText.h"
#include "reference/ui/TDKalk.h"
#include "reference/ui/TDrzavaBoravak.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

using namespace kalvor;

namespace {

// A stay from "country|rate|currency|hours[:minutes]", as a length of stay.
Stay lengthStay(const QString &description)
{
    const QStringList p = description.split(QLatin1Char('|'));
    const QStringList time = p[3].split(QLatin1Char(':'));
    const qint64 minutes = time[0].toLongLong() * 60 + (time.size() > 1 ? time[1].toLongLong() : 0);
    return Stay::ofLength(StayRate{p[0], ParseAmount(p[1]), p[2]}, MinutesToDays(minutes));
}

QVector<Stay> lengthStays(const QStringList &descriptions)
{
    QVector<Stay> stays;
    for (const QString &d : descriptions)
        stays.append(lengthStay(d));
    return stays;
}

QString countries(const QVector<Stay> &stays)
{
    QStringList names;
    for (const Stay &stay : stays)
        names << stay.country;
    return names.join(QLatin1Char(' '));
}

} // namespace

// The calculator screen "Obračun dnevnica za međunarodna putovanja" driven
// offscreen on a real database: the rates of the accounting date, editing the
// stay list, the calculation and its figures, files and the result.
class TestDKalk : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ratesAtTheAccountingDate_data();
    void ratesAtTheAccountingDate();
    void stayListTexts();
    void moveChangeAndDelete();
    void deleteAll_data();
    void deleteAll();
    void calculateWithoutStays();
    void calculate_data();
    void calculate();
    void resultRows();
    void saveAndLoad();
    void saveWithoutStays();
    void recordAndCancel();

private:
    template<typename T> T *child(const char *name) const
    {
        T *w = m_kalk->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void country(const QString &name, double amount, const QString &currency);
    // Runs `trigger`, which opens the stay dialog, and lets `fill` work on the
    // dialog before "Dodaj"/"Promijeni"; a dialog that stays open is cancelled.
    void withStayDialog(const std::function<void()> &trigger, const std::function<void(TDrzavaBoravak *)> &fill);
    QStringList listRow(int row) const;
    QString text(const char *label) const { return child<QLabel>(label)->text(); }
    void selectStay(int row) { child<QTableView>("stayList")->selectRow(row); }

    std::unique_ptr<TDataModule1> m_dm;
    std::unique_ptr<test::TestDatabase> m_db;
    std::unique_ptr<test::ScriptedPrompter> m_prompter;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<TDKalk> m_kalk;
};

void TestDKalk::init()
{
    m_dm = std::make_unique<TDataModule1>();
    m_db = std::make_unique<test::TestDatabase>(m_dm->DB);
    m_prompter = std::make_unique<test::ScriptedPrompter>();
    m_settings = std::make_unique<Settings>();
    m_settings->set(QStringLiteral("DnevCorrect"), 0);
    m_settings->set(QStringLiteral("SlovaValuta"), QStringLiteral("kuna"));
    m_kalk = std::make_unique<TDKalk>(*m_dm, *m_settings);
    m_kalk->setAccountingDate(QDate(2024, 6, 1));
}

void TestDKalk::cleanup()
{
    m_kalk.reset();
    m_settings.reset();
    m_prompter.reset();
    m_db.reset();
    m_dm.reset();
}

void TestDKalk::country(const QString &name, double amount, const QString &currency)
{
    const int id = m_db->scalar(QStringLiteral("SELECT GEN_ID(GEN_DRZAVE_ID,1) FROM RDB$DATABASE")).toInt();
    m_db->exec(QStringLiteral("INSERT INTO DRZAVE (DRZAVA,ID,OZNAKA) VALUES (:N,:I,:O)"),
               {{QStringLiteral("N"), name}, {QStringLiteral("I"), id}, {QStringLiteral("O"), name.left(2)}});
    if (currency.isEmpty())
        return;
    m_db->exec(QStringLiteral("INSERT INTO DNEVNICE (IDDRZAVA,VRIJEDIOD,VALUTA,IZNOS) VALUES (:I,:D,:V,:A)"),
               {{QStringLiteral("I"), id}, {QStringLiteral("D"), QDate(2024, 1, 1)},
                {QStringLiteral("V"), currency}, {QStringLiteral("A"), amount}});
}

void TestDKalk::withStayDialog(const std::function<void()> &trigger,
                               const std::function<void(TDrzavaBoravak *)> &fill)
{
    bool opened = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = m_kalk->findChild<TDrzavaBoravak *>();
        if (!dialog)
            return;
        opened = true;
        fill(dialog);
        dialog->findChild<QPushButton *>(QStringLiteral("confirm"))->click();
        if (dialog->isVisible())
            dialog->findChild<QPushButton *>(QStringLiteral("cancel"))->click();
    });
    trigger();
    QVERIFY(opened);
}

QStringList TestDKalk::listRow(int row) const
{
    const QAbstractItemModel *model = child<QTableView>("stayList")->model();
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->index(row, c).data().toString();
    return cells;
}

void TestDKalk::ratesAtTheAccountingDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("countries");

    QTest::newRow("rates in force") << QDate(2024, 6, 1)
                                    << QStringList{"Austrija", "Njemačka", "Srbija"};
    QTest::newRow("no rate yet: no stay can be added") << QDate(2023, 12, 31) << QStringList{};
}

void TestDKalk::ratesAtTheAccountingDate()
{
    QFETCH(QDate, date);
    QFETCH(QStringList, countries);
    VERIFY_DB(country(QStringLiteral("Srbija"), 20, QStringLiteral("USD")));
    VERIFY_DB(country(QStringLiteral("Njemačka"), 42, QStringLiteral("EUR")));
    VERIFY_DB(country(QStringLiteral("Austrija"), 35, QStringLiteral("EUR")));
    VERIFY_DB(country(QStringLiteral("Italija"), 0, QStringLiteral("EUR")));
    VERIFY_DB(country(QStringLiteral("Island"), 0, QString()));
    m_kalk->setAccountingDate(date);
    m_kalk->show();
    QStringList offered;
    withStayDialog([&] { child<QPushButton>("add")->click(); },
                   [&](TDrzavaBoravak *dialog) {
                       auto *list = dialog->findChild<QComboBox *>(QStringLiteral("country"));
                       for (int i = 0; i < list->count(); ++i)
                           offered << list->itemText(i);
                   });
    QCOMPARE(offered, countries);
    QCOMPARE(m_kalk->stays().size(), countries.isEmpty() ? 0 : 1);
    QCOMPARE(child<QTableView>("stayList")->model()->rowCount(), int(m_kalk->stays().size()));
    if (!countries.isEmpty()) {
        QCOMPARE(listRow(0), (QStringList{"1", "Austrija", QStringLiteral("03:00 (3 sata) (N/A)"), "35,00", "EUR"}));
        QCOMPARE(text("listedHours"), QStringLiteral("03:00 (3)"));
    }
}

void TestDKalk::stayListTexts()
{
    const StayRate serbia{QStringLiteral("Srbija"), 20, QStringLiteral("USD")};
    const Stay entered = Stay::fromEntryExit(serbia, QDateTime(QDate(2024, 5, 6), QTime(6, 30)),
                                             QDateTime(QDate(2024, 5, 7), QTime(9, 0)));
    m_kalk->setStayText(WriteStayText({entered, lengthStay(QStringLiteral("Austrija|1234,5|EUR|24:20"))}));
    QCOMPARE(listRow(0), (QStringList{"1", "Srbija", QStringLiteral("26 sati i 30 min. (06.05.2024 06:30-07.05.2024 09:00)"),
                                      "20,00", "USD"}));
    QCOMPARE(listRow(1), (QStringList{"2", "Austrija", QStringLiteral("1 dan 00:20 (24 sata i 20 min.) (N/A)"),
                                      "1234,50", "EUR"}));
    QCOMPARE(text("listedHours"), QStringLiteral("50:50 (50,8333333333333)"));
}

void TestDKalk::moveChangeAndDelete()
{
    VERIFY_DB(country(QStringLiteral("Austrija"), 35, QStringLiteral("EUR")));
    m_kalk->show();
    m_kalk->setStayText(WriteStayText(lengthStays({"A|1|EUR|1", "B|1|EUR|2", "C|1|EUR|3"})));
    auto *up = child<QAction>("moveUp");
    auto *down = child<QAction>("moveDown");
    auto *remove = child<QAction>("deleteStay");
    QVERIFY(!remove->isEnabled()); // nothing selected yet
    QCOMPARE(up->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Up));
    QCOMPARE(down->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Down));
    QCOMPARE(remove->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));

    selectStay(0);
    QVERIFY(!up->isEnabled());
    QVERIFY(down->isEnabled());
    down->trigger();
    QCOMPARE(countries(m_kalk->stays()), QStringLiteral("B A C"));
    QCOMPARE(listRow(1).mid(0, 2), (QStringList{"2", "A"}));
    selectStay(2);
    QVERIFY(up->isEnabled());
    QVERIFY(!down->isEnabled());
    up->trigger();
    QCOMPARE(countries(m_kalk->stays()), QStringLiteral("B C A"));
    QCOMPARE(child<QTableView>("stayList")->currentIndex().row(), 1); // the moved stay stays selected
    // The shortcuts work in the list.
    m_kalk->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_kalk.get()));
    child<QTableView>("stayList")->setFocus();
    QTest::keyClick(child<QTableView>("stayList"), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(countries(m_kalk->stays()), QStringLiteral("B A C"));
    QTest::keyClick(child<QTableView>("stayList"), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(countries(m_kalk->stays()), QStringLiteral("B C A"));

    // "Promijeni podatke": C is not among the rates, so the first country is offered.
    withStayDialog([&] { child<QAction>("changeStay")->trigger(); },
                   [](TDrzavaBoravak *dialog) {
                       dialog->findChild<QLineEdit *>(QStringLiteral("hours"))->setText(QStringLiteral("10"));
                   });
    QCOMPARE(countries(m_kalk->stays()), QStringLiteral("B Austrija A"));
    QCOMPARE(DaysToMinutes(m_kalk->stays().at(1).duration), 600);
    QCOMPARE(text("listedHours"), QStringLiteral("13:00 (13)"));

    // A double click opens the same dialog.
    const QModelIndex first = child<QTableView>("stayList")->model()->index(0, 1);
    withStayDialog([&] { emit child<QTableView>("stayList")->doubleClicked(first); },
                   [](TDrzavaBoravak *dialog) {
                       dialog->findChild<QLineEdit *>(QStringLiteral("minutes"))->setText(QStringLiteral("75"));
                   });
    QCOMPARE(DaysToMinutes(m_kalk->stays().at(0).duration), 75);

    // Both changed stays are now Austrija at the same rate, one line; deleting
    // a stay clears the result.
    child<QPushButton>("calculate")->click();
    QCOMPARE(child<QTreeWidget>("result")->topLevelItemCount(), 2);
    selectStay(1);
    remove->trigger();
    QCOMPARE(countries(m_kalk->stays()), QStringLiteral("Austrija A"));
    QCOMPARE(child<QTreeWidget>("result")->topLevelItemCount(), 0);
    QCOMPARE(text("allowanceCount"), QString());
    QCOMPARE(listRow(1).first(), QStringLiteral("2"));
}

void TestDKalk::deleteAll_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestDKalk::deleteAll()
{
    QFETCH(bool, yes);
    m_kalk->setStayText(WriteStayText(lengthStays({"A|1|EUR|1", "B|1|EUR|2"})));
    QVERIFY(child<QAction>("deleteAll")->isEnabled());
    m_prompter->answers << yes;
    child<QAction>("deleteAll")->trigger();
    QCOMPARE(m_prompter->questions,
             QStringList{QStringLiteral("Jeste li sigurni da želite obrisati sve stavke putovanja?")});
    QCOMPARE(m_kalk->stays().size(), yes ? 0 : 2);
    QCOMPARE(child<QTableView>("stayList")->model()->rowCount(), yes ? 0 : 2);
    QCOMPARE(child<QAction>("deleteAll")->isEnabled(), !yes);
}

void TestDKalk::calculateWithoutStays()
{
    child<QPushButton>("calculate")->click();
    QCOMPARE(m_prompter->messages, QStringList{QStringLiteral("Niste unijeli nijednu stavku putovanja!")});
    QCOMPARE(child<QTreeWidget>("result")->topLevelItemCount(), 0);
    QCOMPARE(text("lineCount"), QString());
}

void TestDKalk::calculate_data()
{
    QTest::addColumn<QStringList>("stays");
    QTest::addColumn<bool>("grouping");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("counts");      // "country=count" per line
    QTest::addColumn<QStringList>("figures"); // lines, stays, duration, allowances
    QTest::addColumn<QStringList>("totals");  // kn, EUR, USD

    const QStringList threeCountries{"Austrija|35|EUR|24", "Njemačka|42|EUR|16", "Srbija|20|USD|9"};
    QTest::newRow("24 h + 16 h + 9 h")
        << threeCountries << true << false << "Austrija=1 Njemačka=1 Srbija=0,5"
        << QStringList{"3", "3", QStringLiteral("2 dana 01:00 (49 sati)"), "2,5"}
        << QStringList{"0,00", "77,00", "10,00"};
    QTest::newRow("corrected to the journey's 2")
        << threeCountries << true << true << "Austrija=1 Njemačka=1 Srbija=0"
        << QStringList{"3", "3", QStringLiteral("2 dana 01:00 (49 sati)"), "2"}
        << QStringList{"0,00", "77,00", "0,00"};
    QTest::newRow("grouped: there and back in one line")
        << QStringList{"Austrija|35|EUR|6", "Njemačka|42|EUR|7", "Austrija|35|EUR|4"} << true << false
        << "Austrija=0,5 Njemačka=0" << QStringList{"2", "3", QStringLiteral("17:00 (17 sati)"), "0,5"}
        << QStringList{"0,00", "17,50", "0,00"};
    QTest::newRow("not grouped: the hours carry on")
        << QStringList{"Austrija|35|EUR|6", "Njemačka|42|EUR|7", "Austrija|35|EUR|4"} << false << false
        << "Austrija=0 Njemačka=1 Austrija=0" << QStringList{"3", "3", QStringLiteral("17:00 (17 sati)"), "1"}
        << QStringList{"0,00", "42,00", "0,00"};
    QTest::newRow("a negative duration counts negative")
        << QStringList{"Austrija|35|EUR|-5", "Njemačka|42|EUR|10"} << true << false << "Austrija=0 Njemačka=0"
        << QStringList{"2", "2", QStringLiteral("05:00 (5 sati)"), "0"} << QStringList{"0,00", "0,00", "0,00"};
    QTest::newRow("kn: the currency word in any case, or Kn")
        << QStringList{"Hrvatska|100|Kn|24", "Slovenija|10|KUNA|12", "Mađarska|5|HUF|24", "Italija|3|eur|24"}
        << true << false << "Hrvatska=1 Slovenija=1 Mađarska=1 Italija=1"
        << QStringList{"4", "4", QStringLiteral("3 dana 12:00 (84 sata)"), "4"}
        << QStringList{"110,00", "0,00", "0,00"};
}

void TestDKalk::calculate()
{
    QFETCH(QStringList, stays);
    QFETCH(bool, grouping);
    QFETCH(bool, correct);
    QFETCH(QString, counts);
    QFETCH(QStringList, figures);
    QFETCH(QStringList, totals);
    m_settings->set(QStringLiteral("DnevCorrect"), correct ? 1 : 0);
    m_kalk->setJourneyAllowances([](double) { return 2.0; });
    m_kalk->setStayText(WriteStayText(lengthStays(stays)));
    child<QCheckBox>("grouping")->setChecked(grouping);
    child<QPushButton>("calculate")->click();
    QVERIFY(m_prompter->messages.isEmpty());
    const QTreeWidget *result = child<QTreeWidget>("result");
    QStringList shown;
    for (int i = 0; i < result->topLevelItemCount(); ++i)
        shown << result->topLevelItem(i)->text(1) + QLatin1Char('=') + result->topLevelItem(i)->text(6);
    QCOMPARE(shown.join(QLatin1Char(' ')), counts);
    QCOMPARE((QStringList{text("lineCount"), text("stayCount"), text("totalDuration"), text("allowanceCount")}),
             figures);
    QCOMPARE((QStringList{text("totalKn"), text("totalEur"), text("totalUsd")}), totals);
}

void TestDKalk::resultRows()
{
    const StayRate austria{QStringLiteral("Austrija"), 35, QStringLiteral("EUR")};
    m_kalk->setStayText(WriteStayText(
        {lengthStay(QStringLiteral("Njemačka|42|EUR|30")),
         Stay::fromEntryExit(austria, QDateTime(QDate(2024, 5, 6), QTime(6, 0)), QDateTime(QDate(2024, 5, 6), QTime(9, 0))),
         lengthStay(QStringLiteral("Austrija|35|EUR|4"))}));
    QCOMPARE(child<QCheckBox>("grouping")->toolTip(),
             QStringLiteral("Grupiraj prelaske kroz pojedinu državu (odlazak i povratak kao jedna stavka)"));
    QVERIFY(child<QCheckBox>("grouping")->isChecked());
    child<QPushButton>("calculate")->click();
    const QTreeWidget *result = child<QTreeWidget>("result");
    QCOMPARE(result->headerItem()->text(3), QStringLiteral("Iz prethodne "));
    auto cells = [](const QTreeWidgetItem *item, int columns) {
        QStringList list;
        for (int c = 0; c < columns; ++c)
            list << item->text(c);
        return list;
    };
    QCOMPARE(result->topLevelItemCount(), 2);
    QCOMPARE(cells(result->topLevelItem(0), 9),
             (QStringList{"1", QStringLiteral("Njemačka"), "30 sati", "", "30 sati", "24 sata", "1", "6 sati", "42,00 EUR"}));
    QCOMPARE(cells(result->topLevelItem(1), 9),
             (QStringList{"2", "Austrija", "7 sati", "6 sati", "13 sati", "13 sati", "1", "", "35,00 EUR"}));
    QCOMPARE(result->topLevelItem(0)->childCount(), 1);
    QCOMPARE(cells(result->topLevelItem(0)->child(0), 3),
             (QStringList{" 1.1", QStringLiteral("Njemačka"), QStringLiteral("1 dan 06:00 (30 sati)")}));
    QCOMPARE(result->topLevelItem(1)->childCount(), 2);
    QCOMPARE(cells(result->topLevelItem(1)->child(1), 3),
             (QStringList{" 2.2", "Austrija", QStringLiteral("04:00 (4 sata)")}));
}

void TestDKalk::saveAndLoad()
{
    QTemporaryDir dir;
    const QVector<Stay> stays = lengthStays({QStringLiteral("Njemačka|42|EUR|30"), "Austrija|35,5|EUR|3:15"});
    m_kalk->setStayText(WriteStayText(stays));
    m_prompter->fileNames << dir.filePath(QStringLiteral("put")) << dir.filePath(QStringLiteral("put.txt"));
    child<QPushButton>("save")->click();
    child<QPushButton>("save")->click();
    QCOMPARE(m_prompter->dialogs, QStringList(2, QStringLiteral("Odredite lokaciju i naziv datoteke za snimanje")));
    QFile file(dir.filePath(QStringLiteral("put.kvcalc"))); // the extension is added
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("put.txt"))));
    QCOMPARE(bytes.count("\r\n"), 2);
    QVERIFY(bytes.endsWith("</PDNSTAVKA>\r\n"));
    QVERIFY(bytes.startsWith("<PDNSTAVKA><DRZAVA>Njema\xe8ka</DRZAVA><DNEVNICA>42</DNEVNICA>"));
    QVERIFY(bytes.contains("<DNEVNICA>35,5</DNEVNICA>"));

    m_kalk->setStayText(QString());
    m_prompter->clear();
    m_prompter->fileNames << dir.filePath(QStringLiteral("put.kvcalc"));
    child<QPushButton>("load")->click();
    QCOMPARE(m_prompter->dialogs, QStringList{QStringLiteral("Odredite datoteku s podacima o putovanju")});
    QCOMPARE(m_prompter->fileFilters, QStringList{QStringLiteral(".kvcalc datoteke (*.kvcalc)")});
    QCOMPARE(WriteStayText(m_kalk->stays()), WriteStayText(stays));
    QCOMPARE(listRow(0).at(1), QStringLiteral("Njemačka"));

    // A file that does not exist, or a cancelled dialog, changes nothing.
    m_prompter->fileNames << dir.filePath(QStringLiteral("nema.kvcalc")) << QString();
    child<QPushButton>("load")->click();
    child<QPushButton>("load")->click();
    QCOMPARE(m_kalk->stays().size(), 2);
    QVERIFY(m_prompter->messages.isEmpty());
}

void TestDKalk::saveWithoutStays()
{
    child<QPushButton>("save")->click();
    QCOMPARE(m_prompter->messages,
             QStringList{QStringLiteral("Snimanje nije moguće - nisu definirane stavke putovanja!")});
    QVERIFY(m_prompter->dialogs.isEmpty());
}

void TestDKalk::recordAndCancel()
{
    const QString initial = WriteStayText(lengthStays({"A|1|EUR|1", "B|2|USD|2"}));
    m_kalk->setStayText(initial);
    m_kalk->show();
    child<QPushButton>("cancel")->click();
    QCOMPARE(m_kalk->result(), int(QDialog::Rejected));
    QCOMPARE(m_kalk->stayText(), initial);

    m_kalk->show();
    selectStay(1);
    child<QAction>("moveUp")->trigger();
    child<QPushButton>("record")->click();
    QCOMPARE(m_kalk->result(), int(QDialog::Accepted));
    QCOMPARE(m_kalk->stayText(), WriteStayText(lengthStays({"B|2|USD|2", "A|1|EUR|1"})));

    // No stays give an empty text.
    m_kalk->setStayText(initial);
    m_kalk->show();
    m_prompter->answers << true;
    child<QAction>("deleteAll")->trigger();
    child<QPushButton>("record")->click();
    QCOMPARE(m_kalk->stayText(), QString());
}

QTEST_MAIN(TestDKalk)
#include "tst_tdkalk.moc"
