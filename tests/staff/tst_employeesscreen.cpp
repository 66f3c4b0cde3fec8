#include "staff/EmployeeFixture.h"
#include "staff/ui/TDjelatniciForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace kalvor;

// "Djelatnici - unos i pregled": the filters with "Samo aktivni", the
// columns, the detail panel, the selector that follows the list, deleting
// and copying the list.
class TestEmployeesScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void filters_data();
    void filters();
    void columnsAndDetails();
    void selectorMovesWithTheList();
    void deleteAsks_data();
    void deleteAsks();
    void copyTable();
    void bottomPanel();

private:
    QTableView *list() { return screen->findChild<QTableView *>("employeeList"); }
    QStringList names(QTableView *view, int column);
    void addStaff();

    std::unique_ptr<test::EmployeeFixture> f;
    std::unique_ptr<TDjelatniciForm> screen;
};

void TestEmployeesScreen::init()
{
    f = test::makeEmployeeFixture();
    if (f)
        screen = std::make_unique<TDjelatniciForm>(f->data);
}

void TestEmployeesScreen::cleanup()
{
    screen.reset();
    f.reset();
}

QStringList TestEmployeesScreen::names(QTableView *view, int column)
{
    QStringList result;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        result << view->model()->index(r, column).data().toString();
    return result;
}

// Driver flag and active flag of each: A 1/1, B 1/NULL, C 0/0, D NULL/NULL,
// E 0/1, F 1/0, G NULL/0.
void TestEmployeesScreen::addStaff()
{
    f->addEmployee(1, "A", 1, 1);
    f->addEmployee(2, "B", 1, QVariant());
    f->addEmployee(3, "C", 0, 0);
    f->addEmployee(4, "D", QVariant(), QVariant());
    f->addEmployee(5, "E", 0, 1);
    f->addEmployee(6, "F", 1, 0);
    f->addEmployee(7, "G", QVariant(), 0);
}

void TestEmployeesScreen::filters_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("onlyActive");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("Samo vozači") << 0 << false << QStringList{"A", "B", "F"};
    QTest::newRow("Samo vozači, active") << 0 << true << QStringList{"A", "B"};
    QTest::newRow("Svi djelatnici") << 1 << false << QStringList{"A", "B", "C", "D", "E", "F", "G"};
    QTest::newRow("Svi djelatnici, active") << 1 << true << QStringList{"A", "B", "D", "E"};
    QTest::newRow("Svi osim vozača") << 2 << false << QStringList{"C", "D", "E", "G"};
    QTest::newRow("Svi osim vozača, active") << 2 << true << QStringList{"D", "E"};
    QTest::newRow("Svi aktivni djelatnici") << 3 << false << QStringList{"A", "B", "D", "E"};
    QTest::newRow("Svi aktivni djelatnici, active") << 3 << true << QStringList{"A", "B", "D", "E"};
    QTest::newRow("Svi aktivni vozači") << 4 << false << QStringList{"A", "B"};
    QTest::newRow("Svi aktivni vozači, active") << 4 << true << QStringList{"A", "B"};
}

void TestEmployeesScreen::filters()
{
    QFETCH(int, filter);
    QFETCH(bool, onlyActive);
    QFETCH(QStringList, listed);

    VERIFY_DB(addStaff());
    screen->prepareShowing();
    auto *filterBox = screen->findChild<QComboBox *>("employeeFilter");
    QCOMPARE(filterBox->currentText(), QString("Svi djelatnici"));
    filterBox->setCurrentIndex(filter);
    screen->findChild<QCheckBox *>("onlyActive")->setChecked(onlyActive);
    QCOMPARE(names(list(), 2), listed);
    QCOMPARE(names(screen->findChild<QTableView *>("employeeSelector"), 1), listed);
    QVERIFY(f->prompter.messages.isEmpty());
}

void TestEmployeesScreen::columnsAndDetails()
{
    VERIFY_DB(f->db.exec("INSERT INTO DJELATNICI (IDDJ,IMEPREZIME,ZVANJE,RADNOMJESTO,VOZAC,MBR,ADRESA,KONTAKT,"
                         "OSOBNA,NAPOMENA) VALUES (3,'Babić Ivo','KV','vozač',1,17,'Ilica 1','091','1234','Bilješka')"));
    VERIFY_DB(f->db.exec("INSERT INTO DJELATNICI (IDDJ,IMEPREZIME,VOZAC,MBR) VALUES (9,'Anić Eva',NULL,0)"));
    screen->prepareShowing();
    QAbstractItemModel *m = list()->model();
    QStringList titles;
    for (int c = 0; c < m->columnCount(); ++c)
        titles << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"#", "MBR", "Prezime i ime", "Radno mjesto", "Vozač", "Adresa"}));
    QCOMPARE(names(list(), 0), (QStringList{"1", "2"}));
    QCOMPARE(names(list(), 1), (QStringList{"", "17"}));   // 0 blank
    QCOMPARE(names(list(), 4), (QStringList{"", "1"}));

    auto *toggle = screen->findChild<QPushButton *>("details");
    auto *panel = screen->findChild<QWidget *>("detailPanel");
    QVERIFY(panel->isHidden());
    toggle->click();
    QVERIFY(!panel->isHidden());
    list()->setCurrentIndex(m->index(1, 0));
    auto text = [&](const char *name) { return screen->findChild<QLabel *>(name)->text(); };
    QCOMPARE(text("detailName"), QString("Babić Ivo"));
    QCOMPARE(text("detailMbr"), QString("17"));
    QCOMPARE(text("detailAddress"), QString("Ilica 1"));
    QCOMPARE(text("detailContact"), QString("091"));
    QCOMPARE(text("detailIdCard"), QString("1234"));
    QCOMPARE(text("detailJob"), QString("vozač"));
    QCOMPARE(text("detailTitle"), QString("KV"));
    QCOMPARE(text("detailNote"), QString("Bilješka"));

    // An empty list empties the panel.
    screen->findChild<QComboBox *>("employeeFilter")->setCurrentIndex(4);
    screen->findChild<QComboBox *>("employeeFilter")->setCurrentIndex(2);
    QCOMPARE(names(list(), 2), QStringList{"Anić Eva"});
    VERIFY_DB(f->db.exec("DELETE FROM DJELATNICI"));
    screen->refreshList();
    QCOMPARE(m->rowCount(), 0);
    QVERIFY(text("detailName").isEmpty());
    QCOMPARE(screen->currentEmployee(), -1);
    toggle->click();
    QVERIFY(panel->isHidden());
}

void TestEmployeesScreen::selectorMovesWithTheList()
{
    VERIFY_DB(addStaff());
    QSignalSpy moved(screen.get(), &TDjelatniciForm::currentEmployeeChanged);
    screen->prepareShowing();
    auto *selector = screen->findChild<QTableView *>("employeeSelector");
    QCOMPARE(selector->model()->headerData(1, Qt::Horizontal).toString(), QString("Djelatnik"));
    QCOMPARE(moved.last().first().toInt(), 1);

    list()->setCurrentIndex(list()->model()->index(3, 0));
    QCOMPARE(selector->currentIndex().row(), 3);
    QCOMPARE(moved.last().first().toInt(), 4);
    selector->setCurrentIndex(selector->model()->index(5, 0));
    QCOMPARE(list()->currentIndex().row(), 5);
    QCOMPARE(screen->currentEmployee(), 6);

    // A refresh keeps the current employee where it is still listed.
    VERIFY_DB(f->addEmployee(8, "AA", 1, 1));
    screen->refreshList();
    QCOMPARE(screen->currentEmployee(), 6);
    QCOMPARE(selector->currentIndex().row(), 6);
}

void TestEmployeesScreen::deleteAsks_data()
{
    QTest::addColumn<QString>("use");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("no orders") << "none" << QList<bool>{true} << 1 << true;
    QTest::newRow("no orders, No") << "none" << QList<bool>{false} << 1 << false;
    QTest::newRow("driver") << "driver" << QList<bool>{true, true} << 2 << true;
    QTest::newRow("only a loader") << "loader" << QList<bool>{true, true} << 2 << true;
    QTest::newRow("only a loader, second No") << "loader" << QList<bool>{true, false} << 2 << false;
}

void TestEmployeesScreen::deleteAsks()
{
    QFETCH(QString, use);
    QFETCH(QList<bool>, answers);
    QFETCH(int, questions);
    QFETCH(bool, deleted);

    VERIFY_DB({
        f->addEmployee(1, "A", 1, 1);
        f->addEmployee(2, "B", 1, 1);
        if (use == "driver")
            f->db.exec("INSERT INTO VOZACI (IDNALOG,VOZACID,VOZACIME) VALUES (10,1,'A')");
        if (use == "loader")
            f->db.exec("INSERT INTO UTOVARIVACI (IDNALOG,DJELATNIKID,IMEPREZIME) VALUES (10,1,'A')");
    });
    screen->prepareShowing();
    QCOMPARE(screen->currentEmployee(), 1);
    for (bool a : answers)
        f->prompter.answers.enqueue(a);
    screen->findChild<QPushButton *>("deleteEmployee")->click();

    QCOMPARE(f->prompter.questions.size(), questions);
    QCOMPARE(f->prompter.questions.first(), QString("Jeste li sigurno da želite obrisati označenog djelatnika?"));
    if (questions == 2)
        QCOMPARE(f->prompter.questions.last(),
                 QString("Djelatnik kojeg želite obrisati ima pridružene naloge!\nBrisanjem ćete izgubiti evidenciju "
                         "o njegovom radu i tim nalozima!\n\nJeste li sigurni da želite obrisati djelatnika?!"));
    QCOMPARE(f->db.scalar("SELECT COUNT(*) FROM DJELATNICI WHERE IDDJ=1").toInt(), deleted ? 0 : 1);
    QCOMPARE(names(list(), 2), (deleted ? QStringList{"B"} : QStringList{"A", "B"}));
    QCOMPARE(f->db.scalar("SELECT COUNT(*) FROM VOZACI").toInt() + f->db.scalar("SELECT COUNT(*) FROM UTOVARIVACI").toInt(),
             use == "none" ? 0 : 1);
}

void TestEmployeesScreen::copyTable()
{
    VERIFY_DB({
        f->db.exec("INSERT INTO DJELATNICI (IDDJ,IMEPREZIME,RADNOMJESTO,VOZAC,MBR,ADRESA) "
                   "VALUES (1,'Babić Ivo','vozač',1,17,'Ilica 1')");
    });
    screen->prepareShowing();
    QApplication::clipboard()->clear();
    auto *copy = screen->findChild<QAction *>("copyTable");
    QCOMPARE(copy->text(), QString("Kopiraj tablicu"));
    QCOMPARE(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QVERIFY(list()->actions().contains(copy));
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
             QString("##\t#\tMBR\tPrezime i ime\tRadno mjesto\tVozač\tAdresa\r\n1\t1\t17\tBabić Ivo\tvozač\t1\tIlica 1\r\n"));
}

void TestEmployeesScreen::bottomPanel()
{
    auto *report = screen->findChild<QPushButton *>("reportButton");
    QCOMPARE(report->text(), QString("Izvještaj - popis djelatnika"));
    QVERIFY(!report->isEnabled());
    QCOMPARE(screen->windowTitle(), QString("Djelatnici - unos i pregled"));

    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    QVERIFY(!screen->isVisible());
    QCOMPARE(screen->result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestEmployeesScreen)
#include "tst_employeesscreen.moc"
