#include "vehicles/VehicleFixture.h"
#include "vehicles/ui/TVozilaForm.h"
#include "vehicles/ui/TVoziloForm.h"
#include "vehicles/ui/VehicleRecordsTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace kalvor;

// "Pregled vozila - unos i pregled ": the list with its filters and
// counters, the odometer panel, the selector, adding and deleting.
class TestVehiclesScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listColumnsAndOrder();
    void filtersAndCounters_data();
    void filtersAndCounters();
    void emptyListClearsThePanels();
    void selectorLeavesOutTrailers();
    void odometerPanel_data();
    void odometerPanel();
    void refreshKeepsTheCurrentVehicle();
    void deleteAsks_data();
    void deleteAsks();
    void addThroughTheDialog();

private:
    QTableView *list() { return screen->findChild<QTableView *>("vehicleList"); }
    QStringList shownPlates(QTableView *view, int column);
    QString label(const char *name) { return screen->findChild<QLabel *>(name)->text(); }
    void addFleet();

    std::unique_ptr<test::VehicleFixture> f;
    std::unique_ptr<TVozilaForm> screen;
};

void TestVehiclesScreen::init()
{
    f = test::makeVehicleFixture();
    if (f)
        screen = std::make_unique<TVozilaForm>(f->data);
}

void TestVehiclesScreen::cleanup()
{
    screen.reset();
    f.reset();
}

QStringList TestVehiclesScreen::shownPlates(QTableView *view, int column)
{
    QStringList plates;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        plates << view->model()->index(r, column).data().toString();
    return plates;
}

// Lorries A (active), B (flag NULL), C (inactive); trailer D; car E
// (inactive); F of kind 4; bus G (flag NULL).
void TestVehiclesScreen::addFleet()
{
    f->addVehicle(1, "A", "A-1", 0, 1);
    f->addVehicle(2, "B", "B-1", 0, QVariant());
    f->addVehicle(3, "C", "C-1", 0, 0);
    f->addVehicle(4, "D", "D-1", 1, 1);
    f->addVehicle(5, "E", "E-1", 2, 0);
    f->addVehicle(6, "F", "F-1", 4, 1);
    f->addVehicle(7, "G", "G-1", 3, QVariant());
}

void TestVehiclesScreen::listColumnsAndOrder()
{
    VERIFY_DB({
        f->db.exec("INSERT INTO VOZILO (IDVOZ,MARKAITIP,OZNAKA,MASA,NOSIVOST,UKUPNAMASA,VRSTA,GARBR,AKTIVNOALL) "
                   "VALUES (40,'Volvo FH','ZG-2',7500,0,40000,0,'12',1)");
        f->addVehicle(30, "MAN", "ZG-9", 1);
        f->addVehicle(20, "MAN", "ZG-1", 3);
    });
    screen->prepareShowing();
    QAbstractItemModel *m = list()->model();
    QStringList titles;
    for (int c = 0; c < m->columnCount(); ++c)
        titles << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"#", "Garažni broj", "Marka i tip vozila", "Oznaka", "Masa (kg)", "Nosivost (kg)",
                                  "Uk.masa (kg)", "Vrsta"}));
    QCOMPARE(shownPlates(list(), 3), (QStringList{"ZG-1", "ZG-9", "ZG-2"}));
    QCOMPARE(shownPlates(list(), 0), (QStringList{"1", "2", "3"}));   // position, not IDVOZ
    QCOMPARE(shownPlates(list(), 7), (QStringList{"Autobusi", "Priključna vozila", "Kamioni"}));
    QCOMPARE(m->index(2, 1).data().toString(), QString("12"));
    QCOMPARE(m->index(2, 4).data().toString(), QString("7.500,00"));
    QCOMPARE(m->index(2, 6).data().toString(), QString("40.000,00"));
    QCOMPARE(screen->findChild<QComboBox *>("kindFilter")->currentText(), QString("Sva vozila"));
    QVERIFY(!screen->findChild<QCheckBox *>("onlyActive")->isChecked());
}

void TestVehiclesScreen::filtersAndCounters_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("onlyActive");
    QTest::addColumn<QStringList>("plates");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("shownActive");

    const QStringList all{"A-1", "B-1", "C-1", "D-1", "E-1", "F-1", "G-1"};
    QTest::newRow("all kinds") << 5 << false << all << 7 << 5;
    QTest::newRow("all kinds, active") << 5 << true << QStringList{"A-1", "B-1", "D-1", "F-1", "G-1"} << 7 << 5;
    QTest::newRow("lorries") << 0 << false << QStringList{"A-1", "B-1", "C-1"} << 3 << 2;
    QTest::newRow("lorries, active (NULL counts)") << 0 << true << QStringList{"A-1", "B-1"} << 3 << 2;
    QTest::newRow("trailers") << 1 << false << QStringList{"D-1"} << 1 << 1;
    QTest::newRow("cars, active") << 2 << true << QStringList{} << 1 << 0;
    QTest::newRow("buses, active (NULL counts)") << 3 << true << QStringList{"G-1"} << 1 << 1;
    QTest::newRow("Ostao") << 4 << false << QStringList{"F-1"} << 1 << 1;
}

void TestVehiclesScreen::filtersAndCounters()
{
    QFETCH(int, kind);
    QFETCH(bool, onlyActive);
    QFETCH(QStringList, plates);
    QFETCH(int, shown);
    QFETCH(int, shownActive);

    VERIFY_DB(addFleet());
    screen->prepareShowing();
    screen->findChild<QComboBox *>("kindFilter")->setCurrentIndex(kind);
    screen->findChild<QCheckBox *>("onlyActive")->setChecked(onlyActive);

    QCOMPARE(shownPlates(list(), 3), plates);
    QCOMPARE(label("countTotal"), QString("7"));
    QCOMPARE(label("countActive"), QString("5"));
    QCOMPARE(label("countShown"), QString::number(shown));
    QCOMPARE(label("countShownActive"), QString::number(shownActive));
    QVERIFY(f->prompter.messages.isEmpty());

    // Switching "Samo aktivna" back leaves "Prikazano vozila:" as it was.
    screen->findChild<QCheckBox *>("onlyActive")->setChecked(!onlyActive);
    QCOMPARE(label("countShown"), QString::number(shown));
    QVERIFY(label("countShownActive").toInt() <= label("countShown").toInt());
}

void TestVehiclesScreen::emptyListClearsThePanels()
{
    VERIFY_DB(f->db.exec("INSERT INTO VOZILO (IDVOZ,MARKAITIP,OZNAKA,VRSTA,NAPOMENA) VALUES (1,'MAN','ZG-1',0,'Gume')"));
    screen->prepareShowing();
    QCOMPARE(screen->findChild<QPlainTextEdit *>("vehicleNote")->toPlainText(), QString("Gume"));
    QVERIFY(!screen->findChild<QWidget *>("odometerPanel")->isHidden());

    screen->findChild<QComboBox *>("kindFilter")->setCurrentIndex(4);   // "Ostao": nothing of kind 4
    QCOMPARE(list()->model()->rowCount(), 0);
    QVERIFY(screen->findChild<QPlainTextEdit *>("vehicleNote")->toPlainText().isEmpty());
    QVERIFY(screen->findChild<QWidget *>("odometerPanel")->isHidden());
    QCOMPARE(screen->currentVehicle(), -1);

    // Nothing to change or delete.
    screen->changeVehicle();
    screen->deleteVehicle();
    QVERIFY(f->prompter.questions.isEmpty());
    QVERIFY(f->prompter.messages.isEmpty());
}

void TestVehiclesScreen::selectorLeavesOutTrailers()
{
    VERIFY_DB(addFleet());
    QSignalSpy moved(screen->recordsTab(), &VehicleRecordsTab::selectedVehicleChanged);
    screen->prepareShowing();
    auto *selector = screen->findChild<QTableView *>("vehicleSelector");
    QCOMPARE(selector->model()->headerData(0, Qt::Horizontal).toString(), QString("Oznaka"));
    QCOMPARE(selector->model()->headerData(1, Qt::Horizontal).toString(), QString("Marka i tip vozila"));
    QCOMPARE(shownPlates(selector, 0), (QStringList{"A-1", "B-1", "C-1", "E-1", "F-1", "G-1"}));
    QCOMPARE(screen->recordsTab()->selectedVehicle(), 1);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved.first().first().toInt(), 1);

    selector->setCurrentIndex(selector->model()->index(1, 0));
    QCOMPARE(moved.last().first().toInt(), 2);
    screen->findChild<QCheckBox *>("onlyActive")->setChecked(true);
    QCOMPARE(shownPlates(selector, 0), (QStringList{"A-1", "B-1", "F-1", "G-1"}));
    QCOMPARE(screen->recordsTab()->selectedVehicle(), 2);   // kept
}

void TestVehiclesScreen::odometerPanel_data()
{
    QTest::addColumn<int>("vehicle");
    QTest::addColumn<QString>("km");
    QTest::addColumn<QString>("order");

    QTest::newRow("vehicle of orders") << 1 << "12345,60" << "7/2024";
    QTest::newRow("only a trailer") << 2 << "N/A" << "N/A";
}

void TestVehiclesScreen::odometerPanel()
{
    QFETCH(int, vehicle);
    QFETCH(QString, km);
    QFETCH(QString, order);

    VERIFY_DB({
        f->addVehicle(1, "A", "ZG-1", 0);
        f->addVehicle(2, "B", "ZG-2", 1);
        f->addOrder(70, "7/2024", 1, 2);
        f->addSection(70, 12000);
        f->addSection(70, 12345.6);
    });
    screen->prepareShowing();
    list()->setCurrentIndex(list()->model()->index(vehicle - 1, 0));
    QCOMPARE(label("lastKm"), km);
    auto *link = screen->findChild<QLabel *>("orderLink");
    QVERIFY2(link->text().contains(order), qPrintable(link->text()));

    QSignalSpy requested(screen.get(), &TVozilaForm::orderRequested);
    emit link->linkActivated(QStringLiteral("70"));
    QCOMPARE(requested.size(), vehicle == 1 ? 1 : 0);
    if (vehicle == 1)
        QCOMPARE(requested.first().first().toInt(), 70);
}

void TestVehiclesScreen::refreshKeepsTheCurrentVehicle()
{
    VERIFY_DB(addFleet());
    screen->prepareShowing();
    list()->setCurrentIndex(list()->model()->index(2, 0));
    QCOMPARE(screen->currentVehicle(), 3);
    VERIFY_DB(f->addVehicle(8, "AA", "AA-1", 0));   // sorts before it
    screen->refreshLists();
    QCOMPARE(screen->currentVehicle(), 3);
    QCOMPARE(list()->currentIndex().row(), 3);
}

void TestVehiclesScreen::deleteAsks_data()
{
    QTest::addColumn<QString>("use");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("no orders") << "none" << QList<bool>{true} << 1 << true;
    QTest::newRow("no orders, No") << "none" << QList<bool>{false} << 1 << false;
    QTest::newRow("as vehicle") << "vehicle" << QList<bool>{true, true} << 2 << true;
    QTest::newRow("as trailer") << "trailer" << QList<bool>{true, true} << 2 << true;
    QTest::newRow("as trailer, second No") << "trailer" << QList<bool>{true, false} << 2 << false;
    QTest::newRow("as vehicle, first No") << "vehicle" << QList<bool>{false} << 1 << false;
}

void TestVehiclesScreen::deleteAsks()
{
    QFETCH(QString, use);
    QFETCH(QList<bool>, answers);
    QFETCH(int, questions);
    QFETCH(bool, deleted);

    VERIFY_DB({
        f->addVehicle(1, "A", "ZG-1", 1);
        f->addVehicle(2, "B", "ZG-2", 0);
        if (use == "vehicle")
            f->addOrder(10, "1/2024", 1);
        if (use == "trailer")
            f->addOrder(10, "1/2024", 2, 1);
    });
    screen->prepareShowing();
    QCOMPARE(screen->currentVehicle(), 1);
    for (bool a : answers)
        f->prompter.answers.enqueue(a);
    screen->findChild<QPushButton *>("deleteVehicle")->click();

    QCOMPARE(f->prompter.questions.size(), questions);
    QCOMPARE(f->prompter.questions.first(), QString("Jeste li sigurno da želite obrisati označeno vozilo iz baze?"));
    if (questions == 2)
        QCOMPARE(f->prompter.questions.last(),
                 QString("Vozilo kojeg želite obrisati ima pridružene naloge!\nBrisanjem ćete izgubiti evidenciju o "
                         "vozilu i o tim nalozima!\n\nJeste li sigurni da želite obrisati vozilo?!"));
    QCOMPARE(f->db.scalar("SELECT COUNT(*) FROM VOZILO WHERE IDVOZ=1").toInt(), deleted ? 0 : 1);
    QCOMPARE(shownPlates(list(), 3), (deleted ? QStringList{"ZG-2"} : QStringList{"ZG-1", "ZG-2"}));
    // The orders stay.
    QCOMPARE(f->db.scalar("SELECT COUNT(*) FROM NALOZI").toInt(), use == "none" ? 0 : 1);
}

void TestVehiclesScreen::addThroughTheDialog()
{
    VERIFY_DB(f->addVehicle(100, "MAN", "ZG-1", 0));
    screen->prepareShowing();
    bool dialogSeen = false;
    TVoziloForm *dialog = screen->vehicleDialog();
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [&, poll] {
        if (!dialog->isVisible())
            return;
        poll->deleteLater();
        dialogSeen = true;
        QTest::keyClicks(dialog->findChild<QLineEdit *>("markaITip"), "Iveco");
        QTest::keyClicks(dialog->findChild<QLineEdit *>("oznaka"), "RI-5");
        dialog->findChild<QPushButton *>("confirm")->click();
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(10);
    screen->findChild<QPushButton *>("addVehicle")->click();

    QVERIFY(dialogSeen);
    QVERIFY(f->prompter.messages.isEmpty());
    QCOMPARE(shownPlates(list(), 3), (QStringList{"RI-5", "ZG-1"}));
    QCOMPARE(list()->model()->index(list()->currentIndex().row(), 3).data().toString(), QString("RI-5"));
    QCOMPARE(label("countTotal"), QString("2"));
}

QTEST_MAIN(TestVehiclesScreen)
#include "tst_vehiclesscreen.moc"
