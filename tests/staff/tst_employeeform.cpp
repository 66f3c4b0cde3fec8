#include "staff/EmployeeFixture.h"
#include "staff/ui/TDjelatnikForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace kalvor;

// "Podaci o djelatniku": defaults, the driver and staff number rules on
// leaving their fields, values written, and what a change without edits, a
// NULL active flag and a refused insert do.
class TestEmployeeForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newEmployeeDefaults();
    void leavingTheJobField_data();
    void leavingTheJobField();
    void leavingTheStaffNumber_data();
    void leavingTheStaffNumber();
    void insertedValues();
    void nameIsRequired();
    void existingEmployeeIsShown();
    void nullActiveShowsTickedAndStoresOne();
    void changeWithoutEditsWritesNothing();
    void missingEmployee();
    void refusedInsertKeepsWhatWasTyped();

private:
    QLineEdit *edit(const char *name) { return form->findChild<QLineEdit *>(name); }
    QCheckBox *box(const char *name) { return form->findChild<QCheckBox *>(name); }
    QComboBox *combo(const char *name) { return form->findChild<QComboBox *>(name); }
    void type(const char *name, const QString &text);
    void leave(const char *name);
    void confirm() { form->findChild<QPushButton *>("confirm")->click(); }

    std::unique_ptr<test::EmployeeFixture> f;
    std::unique_ptr<TDjelatnikForm> form;
};

void TestEmployeeForm::init()
{
    f = test::makeEmployeeFixture();
    if (f)
        form = std::make_unique<TDjelatnikForm>(f->data);
}

void TestEmployeeForm::cleanup()
{
    form.reset();
    f.reset();
}

void TestEmployeeForm::type(const char *name, const QString &text)
{
    QLineEdit *e = edit(name);
    e->selectAll();
    e->del();
    // Key by key, as typing does (Croatian letters included).
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(e, &press);
    }
}

void TestEmployeeForm::leave(const char *name)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit(name), &out);
}

void TestEmployeeForm::newEmployeeDefaults()
{
    form->setMode(-1);
    QVERIFY(form->prepare());
    type("imePrezime", "Leftover");
    combo("tip")->setCurrentIndex(3);
    combo("zap")->setCurrentIndex(1);
    box("vozac")->setChecked(false);
    QVERIFY(form->prepare());

    for (const char *name : {"imePrezime", "zvanje", "radnoMjesto", "osobna", "adresa", "kontakt", "mbr", "tips"})
        QVERIFY2(edit(name)->text().isEmpty(), name);
    QVERIFY(form->findChild<QPlainTextEdit *>("napomena")->toPlainText().isEmpty());
    QCOMPARE(combo("tip")->currentIndex(), 0);
    QCOMPARE(combo("tip")->currentText(), QString());
    QCOMPARE(combo("zap")->currentIndex(), -1);
    QVERIFY(box("vozac")->isChecked());
    QVERIFY(box("aktivan")->isChecked());
    QCOMPARE(form->findChild<QPushButton *>("confirm")->text(), QString("Dodaj"));
    QCOMPARE(edit("imePrezime")->maxLength(), 70);
    QCOMPARE(edit("osobna")->maxLength(), 20);
    QCOMPARE(edit("adresa")->maxLength(), 100);
}

void TestEmployeeForm::leavingTheJobField_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<bool>("driver");

    QTest::newRow("vozač") << "vozač" << true;
    QTest::newRow("Vozačica") << "Vozačica" << true;
    QTest::newRow("VOZACICA") << "VOZACICA" << true;
    QTest::newRow("vozac with blanks") << "  vozac " << true;
    QTest::newRow("VOZAČ") << "VOZAČ" << true;
    QTest::newRow("vozač kamiona") << "vozač kamiona" << false;
    QTest::newRow("skladištar") << "skladištar" << false;
}

void TestEmployeeForm::leavingTheJobField()
{
    QFETCH(QString, job);
    QFETCH(bool, driver);

    form->setMode(-1);
    QVERIFY(form->prepare());
    box("vozac")->setChecked(false);
    type("radnoMjesto", job);
    QVERIFY(!box("vozac")->isChecked());   // only on leaving the field
    leave("radnoMjesto");
    QCOMPARE(box("vozac")->isChecked(), driver);

    // Other texts leave a ticked box as it is.
    box("vozac")->setChecked(true);
    leave("radnoMjesto");
    QVERIFY(box("vozac")->isChecked());
}

void TestEmployeeForm::leavingTheStaffNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");

    QTest::newRow("12a") << "12a" << "" << 0;
    QTest::newRow("0042") << "0042" << "42" << 42;
    QTest::newRow("0") << "0" << "" << 0;
    QTest::newRow("1234") << "1234" << "1234" << 1234;
}

void TestEmployeeForm::leavingTheStaffNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);

    form->setMode(-1);
    QVERIFY(form->prepare());
    type("imePrezime", "Horvat Ivan");
    type("mbr", typed);
    leave("mbr");
    QCOMPARE(edit("mbr")->text(), shown);
    confirm();
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(f->db.scalar("SELECT MBR FROM DJELATNICI").toInt(), stored);
}

void TestEmployeeForm::insertedValues()
{
    form->setMode(-1);
    QVERIFY(form->prepare());
    type("imePrezime", " Horvat Ivan ");
    type("zvanje", "KV vozač");
    type("radnoMjesto", "skladištar");
    type("osobna", "123456");
    type("adresa", "Ilica 1, Zagreb");
    type("kontakt", "091 111 222");
    type("mbr", "17");
    type("tips", "ADR");
    combo("tip")->setCurrentIndex(3);
    box("vozac")->setChecked(false);
    form->findChild<QPlainTextEdit *>("napomena")->setPlainText("Noćni rad");
    confirm();

    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVector<QVariantList> rows;
    VERIFY_DB(rows = f->db.rows("SELECT IDDJ,IMEPREZIME,ZVANJE,RADNOMJESTO,VOZAC,AKTIVNOALL,NAPOMENA,OSOBNA,ADRESA,"
                                "KONTAKT,MBR,TIP,TIPS,ZAP FROM DJELATNICI"));
    QCOMPARE(rows.size(), 1);
    const QVariantList expected{form->savedId(), " Horvat Ivan ", "KV vozač", "skladištar", 0, 1, "Noćni rad",
                                "123456", "Ilica 1, Zagreb", "091 111 222", 17, 3, "ADR", -1};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(rows.first().at(i).toString(), expected.at(i).toString());
}

void TestEmployeeForm::nameIsRequired()
{
    form->setMode(-1);
    QVERIFY(form->prepare());
    type("imePrezime", "   ");
    confirm();
    QCOMPARE(f->prompter.messages, QStringList{"Niste unijeli ime i prezime djelatnika!"});
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(f->db.scalar("SELECT COUNT(*) FROM DJELATNICI").toInt(), 0);
}

void TestEmployeeForm::existingEmployeeIsShown()
{
    VERIFY_DB(f->db.exec("INSERT INTO DJELATNICI (IDDJ,IMEPREZIME,RADNOMJESTO,VOZAC,AKTIVNOALL,MBR,TIP,TIPS,ZAP) "
                         "VALUES (5,'Kovač Ana','vozač',2,0,0,8,'x',1)"));
    form->setMode(5);
    QVERIFY(form->prepare());
    QCOMPARE(edit("imePrezime")->text(), QString("Kovač Ana"));
    QVERIFY(box("vozac")->isChecked());      // any non-zero value
    QVERIFY(!box("aktivan")->isChecked());
    QCOMPARE(edit("mbr")->text(), QString());
    QCOMPARE(combo("tip")->currentText(), QString("H"));
    QCOMPARE(combo("zap")->currentText(), QString("Ugovor"));
    QCOMPARE(form->findChild<QPushButton *>("confirm")->text(), QString("Promijeni"));
}

void TestEmployeeForm::nullActiveShowsTickedAndStoresOne()
{
    VERIFY_DB(f->addEmployee(5, "Kovač Ana", QVariant(), QVariant()));
    form->setMode(5);
    QVERIFY(form->prepare());
    QVERIFY(box("aktivan")->isChecked());
    QVERIFY(!box("vozac")->isChecked());
    QCOMPARE(combo("zap")->currentIndex(), -1);
    type("kontakt", "098 1");
    confirm();
    QVector<QVariantList> rows;
    VERIFY_DB(rows = f->db.rows("SELECT AKTIVNOALL,VOZAC,KONTAKT,ZAP FROM DJELATNICI WHERE IDDJ=5"));
    QCOMPARE(rows.first().at(0).toInt(), 1);
    QCOMPARE(rows.first().at(1).toInt(), 0);
    QCOMPARE(rows.first().at(2).toString(), QString("098 1"));
    QCOMPARE(rows.first().at(3).toInt(), -1);
}

void TestEmployeeForm::changeWithoutEditsWritesNothing()
{
    VERIFY_DB(f->addEmployee(5, "Kovač Ana", 1, QVariant()));
    form->setMode(5);
    QVERIFY(form->prepare());
    VERIFY_DB(f->db.exec("UPDATE DJELATNICI SET IMEPREZIME='Kovač-Horvat Ana' WHERE IDDJ=5"));
    confirm();
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(f->db.scalar("SELECT IMEPREZIME FROM DJELATNICI WHERE IDDJ=5").toString(), QString("Kovač-Horvat Ana"));
    QVERIFY(f->db.scalar("SELECT AKTIVNOALL FROM DJELATNICI WHERE IDDJ=5").isNull());
}

void TestEmployeeForm::missingEmployee()
{
    QCOMPARE(form->run(42), int(QDialog::Rejected));
    QCOMPARE(f->prompter.messages, QStringList{"Pogreška prilikom pristupa podacima!"});
}

void TestEmployeeForm::refusedInsertKeepsWhatWasTyped()
{
    VERIFY_DB(f->addEmployee(1, "Kovač Ana", 1, 1));   // the generator is behind it
    form->setMode(-1);
    QVERIFY(form->prepare());
    type("imePrezime", "Horvat Ivan");
    type("adresa", "Ilica 1");
    confirm();
    QCOMPARE(f->prompter.messages.size(), 1);
    QVERIFY2(f->prompter.messages.first().contains("PRIMARY", Qt::CaseInsensitive),
             qPrintable(f->prompter.messages.first()));
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(edit("imePrezime")->text(), QString("Horvat Ivan"));
    QCOMPARE(edit("adresa")->text(), QString("Ilica 1"));
    QCOMPARE(f->db.scalar("SELECT COUNT(*) FROM DJELATNICI").toInt(), 1);
}

QTEST_MAIN(TestEmployeeForm)
#include "tst_employeeform.moc"
