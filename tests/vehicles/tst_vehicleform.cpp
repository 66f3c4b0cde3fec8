#include "vehicles/VehicleFixture.h"
#include "vehicles/ui/TVoziloForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace kalvor;

// "Podaci o vozilu": defaults, checks, values written and what a change
// without edits, a NULL active flag and a refused insert do.
class TestVehicleForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newVehicleDefaults();
    void insertedValues_data();
    void insertedValues();
    void requiredFields_data();
    void requiredFields();
    void existingVehicleIsShownFormatted();
    void changeWithoutEditsWritesNothing();
    void nullActiveShowsTickedAndStaysActive();
    void clearingActiveStoresZero();
    void storedKindWithoutItemIsKept();
    void missingVehicle();
    void refusedInsertKeepsWhatWasTyped();

private:
    QLineEdit *edit(const char *name) { return form->findChild<QLineEdit *>(name); }
    void type(const char *name, const QString &text);
    void confirm() { QTest::mouseClick(form->findChild<QPushButton *>("confirm"), Qt::LeftButton); }

    std::unique_ptr<test::VehicleFixture> f;
    std::unique_ptr<TVoziloForm> form;
};

void TestVehicleForm::init()
{
    f = test::makeVehicleFixture();
    if (f)
        form = std::make_unique<TVoziloForm>(f->data);
}

void TestVehicleForm::cleanup()
{
    form.reset();
    f.reset();
}

void TestVehicleForm::type(const char *name, const QString &text)
{
    QLineEdit *e = edit(name);
    e->selectAll();
    e->del();
    QTest::keyClicks(e, text);
}

void TestVehicleForm::newVehicleDefaults()
{
    // Leftovers of an earlier showing are cleared.
    form->setMode(-1);
    QVERIFY(form->prepare());
    type("markaITip", "Leftover");
    form->findChild<QCheckBox *>("aktivan")->setChecked(false);
    QVERIFY(form->prepare());

    for (const char *name : {"markaITip", "oznaka", "masa", "nosivost", "ukupnaMasa", "garBr", "brSasije"})
        QVERIFY2(edit(name)->text().isEmpty(), name);
    QVERIFY(form->findChild<QPlainTextEdit *>("napomena")->toPlainText().isEmpty());
    QCOMPARE(form->findChild<QComboBox *>("vrsta")->currentText(), QString("Kamion"));
    QVERIFY(form->findChild<QCheckBox *>("aktivan")->isChecked());
    QCOMPARE(edit("brSjed")->text(), QString("2"));
    QCOMPARE(edit("godPro")->text(), QString("2007"));
    QCOMPARE(edit("godPreg")->text(), QString("2007"));
    QCOMPARE(form->findChild<QPushButton *>("confirm")->text(), QString("Dodaj"));
    QCOMPARE(edit("markaITip")->maxLength(), 40);
    QCOMPARE(edit("oznaka")->maxLength(), 20);
    QCOMPARE(edit("masa")->maxLength(), 12);
    QCOMPARE(edit("garBr")->maxLength(), 10);
    QCOMPARE(edit("brSasije")->maxLength(), 30);
}

void TestVehicleForm::insertedValues_data()
{
    QTest::addColumn<QString>("seats");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<int>("storedSeats");
    QTest::addColumn<int>("storedYear");
    QTest::addColumn<double>("storedMass");

    QTest::newRow("not integers, thousands and comma") << "abc" << "x" << "1.234,5" << 2 << 2007 << 1234.5;
    QTest::newRow("decimal comma") << "5" << "2010" << "12,5" << 5 << 2010 << 12.5;
    QTest::newRow("decimal point") << "" << "" << "12.5" << 2 << 2007 << 12.5;
    QTest::newRow("mass without digits") << "3" << "1999" << "abc" << 3 << 1999 << 0.0;
}

void TestVehicleForm::insertedValues()
{
    QFETCH(QString, seats);
    QFETCH(QString, year);
    QFETCH(QString, mass);
    QFETCH(int, storedSeats);
    QFETCH(int, storedYear);
    QFETCH(double, storedMass);

    form->setMode(-1);
    QVERIFY(form->prepare());
    type("markaITip", " MAN TGX ");
    type("oznaka", "ZG-123-AB");
    type("masa", mass);
    type("nosivost", "20");
    type("ukupnaMasa", mass);
    type("garBr", "G7");
    type("brSasije", "WMA123");
    type("brSjed", seats);
    type("godPro", year);
    type("godPreg", year);
    form->findChild<QComboBox *>("vrsta")->setCurrentIndex(3);
    form->findChild<QPlainTextEdit *>("napomena")->setPlainText("Klima ne radi");
    confirm();

    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(f->prompter.messages.isEmpty());
    QVector<QVariantList> rows;
    VERIFY_DB(rows = f->db.rows("SELECT IDVOZ,MARKAITIP,OZNAKA,MASA,NOSIVOST,UKUPNAMASA,VRSTA,NAPOMENA,GARBR,"
                                "BRSASIJE,BRSJED,GODPRO,GODPREG,AKTIVNOALL FROM VOZILO"));
    QCOMPARE(rows.size(), 1);
    const QVariantList &r = rows.first();
    QCOMPARE(r.at(0).toInt(), form->savedId());
    QCOMPARE(r.at(1).toString(), QString(" MAN TGX "));   // as typed, not trimmed
    QCOMPARE(r.at(2).toString(), QString("ZG-123-AB"));
    QCOMPARE(r.at(3).toDouble(), storedMass);
    QCOMPARE(r.at(4).toDouble(), 20.0);
    QCOMPARE(r.at(5).toDouble(), storedMass);
    QCOMPARE(r.at(6).toInt(), 3);
    QCOMPARE(r.at(7).toString(), QString("Klima ne radi"));
    QCOMPARE(r.at(8).toString(), QString("G7"));
    QCOMPARE(r.at(9).toString(), QString("WMA123"));
    QCOMPARE(r.at(10).toInt(), storedSeats);
    QCOMPARE(r.at(11).toInt(), storedYear);
    QCOMPARE(r.at(12).toInt(), storedYear);
    QCOMPARE(r.at(13).toInt(), 1);
}

void TestVehicleForm::requiredFields_data()
{
    QTest::addColumn<QString>("marka");
    QTest::addColumn<QString>("oznaka");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");

    QTest::newRow("no make") << "" << "ZG-1" << "Niste unijeli marku i tip vozila!" << "markaITip";
    QTest::newRow("blank make") << "   " << "ZG-1" << "Niste unijeli marku i tip vozila!" << "markaITip";
    QTest::newRow("blank plate") << "MAN" << "  " << "Niste unijeli oznaku vozila!" << "oznaka";
}

void TestVehicleForm::requiredFields()
{
    QFETCH(QString, marka);
    QFETCH(QString, oznaka);
    QFETCH(QString, message);
    QFETCH(QString, focused);

    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->setMode(-1);
    QVERIFY(form->prepare());
    type("markaITip", marka);
    type("oznaka", oznaka);
    confirm();

    QCOMPARE(f->prompter.messages, QStringList{message});
    QVERIFY(form->isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QVariant count;
    VERIFY_DB(count = f->db.scalar("SELECT COUNT(*) FROM VOZILO"));
    QCOMPARE(count.toInt(), 0);
    QCOMPARE(f->db.scalar("SELECT GEN_ID(GEN_VOZILO_ID,0) FROM RDB$DATABASE").toInt(), 0);
}

void TestVehicleForm::existingVehicleIsShownFormatted()
{
    VERIFY_DB(f->db.exec("INSERT INTO VOZILO (IDVOZ,MARKAITIP,OZNAKA,MASA,NOSIVOST,UKUPNAMASA,VRSTA,NAPOMENA,"
                         "GARBR,BRSJED,GODPRO,GODPREG,AKTIVNOALL) VALUES "
                         "(7,'Krone','ZG-7',1234.5,0,12.5,1,'Cerada',NULL,NULL,2001,NULL,0)"));
    form->setMode(7);
    QVERIFY(form->prepare());
    QCOMPARE(edit("markaITip")->text(), QString("Krone"));
    QCOMPARE(edit("masa")->text(), QString("1.234,50"));
    QCOMPARE(edit("nosivost")->text(), QString());        // zero shows empty
    QCOMPARE(edit("ukupnaMasa")->text(), QString("12,50"));
    QCOMPARE(form->findChild<QComboBox *>("vrsta")->currentText(), QString("Priključno vozilo"));
    QCOMPARE(form->findChild<QPlainTextEdit *>("napomena")->toPlainText(), QString("Cerada"));
    QCOMPARE(edit("brSjed")->text(), QString());
    QCOMPARE(edit("godPro")->text(), QString("2001"));
    QVERIFY(!form->findChild<QCheckBox *>("aktivan")->isChecked());
    QCOMPARE(form->findChild<QPushButton *>("confirm")->text(), QString("Promijeni"));
    QVERIFY(!form->hasChanges());
}

void TestVehicleForm::changeWithoutEditsWritesNothing()
{
    VERIFY_DB(f->addVehicle(7, "Krone", "ZG-7", 1, QVariant()));
    form->setMode(7);
    QVERIFY(form->prepare());
    // Another client changes the row meanwhile: an unedited dialog must not
    // write its copy over it.
    VERIFY_DB(f->db.exec("UPDATE VOZILO SET OZNAKA='ST-1' WHERE IDVOZ=7"));
    int updates = 0;
    f->data.DB.setStatementSink([&](const QString &sql) { updates += sql.startsWith("UPDATE") ? 1 : 0; });
    confirm();
    f->data.DB.setStatementSink({});

    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(updates, 0);
    QCOMPARE(f->db.scalar("SELECT OZNAKA FROM VOZILO WHERE IDVOZ=7").toString(), QString("ST-1"));
    QVERIFY(f->db.scalar("SELECT AKTIVNOALL FROM VOZILO WHERE IDVOZ=7").isNull());
}

void TestVehicleForm::nullActiveShowsTickedAndStaysActive()
{
    VERIFY_DB(f->addVehicle(7, "Krone", "ZG-7", 1, QVariant()));
    form->setMode(7);
    QVERIFY(form->prepare());
    QVERIFY(form->findChild<QCheckBox *>("aktivan")->isChecked());
    type("oznaka", "ZG-77");
    QVERIFY(form->hasChanges());
    confirm();

    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVector<QVariantList> rows;
    VERIFY_DB(rows = f->db.rows("SELECT OZNAKA,AKTIVNOALL,MARKAITIP,VRSTA FROM VOZILO WHERE IDVOZ=7"));
    QCOMPARE(rows.first().at(0).toString(), QString("ZG-77"));
    QCOMPARE(rows.first().at(1).toInt(), 1);
    QCOMPARE(rows.first().at(2).toString(), QString("Krone"));   // every field written back
    QCOMPARE(rows.first().at(3).toInt(), 1);
}

void TestVehicleForm::clearingActiveStoresZero()
{
    VERIFY_DB(f->addVehicle(7, "Krone", "ZG-7", 1, 1));
    form->setMode(7);
    QVERIFY(form->prepare());
    QTest::mouseClick(form->findChild<QCheckBox *>("aktivan"), Qt::LeftButton);
    QVERIFY(form->hasChanges());
    confirm();
    QCOMPARE(f->db.scalar("SELECT AKTIVNOALL FROM VOZILO WHERE IDVOZ=7").toInt(), 0);
}

void TestVehicleForm::storedKindWithoutItemIsKept()
{
    VERIFY_DB(f->addVehicle(7, "Stari", "ZG-7", 4, 1));
    form->setMode(7);
    QVERIFY(form->prepare());
    QCOMPARE(form->findChild<QComboBox *>("vrsta")->currentIndex(), -1);
    type("markaITip", "Stari 2");
    confirm();
    QCOMPARE(f->db.scalar("SELECT VRSTA FROM VOZILO WHERE IDVOZ=7").toInt(), 4);
}

void TestVehicleForm::missingVehicle()
{
    form->setMode(99);
    QVERIFY(!form->prepare());
    QCOMPARE(f->prompter.messages, QStringList{"Pogreška prilikom pristupa podacima!"});
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(form->run(99), int(QDialog::Rejected));
}

void TestVehicleForm::refusedInsertKeepsWhatWasTyped()
{
    // The generator is behind the stored keys, so the insert breaks the
    // primary key.
    VERIFY_DB(f->addVehicle(1, "Krone", "ZG-1", 1));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->setMode(-1);
    QVERIFY(form->prepare());
    type("markaITip", "MAN");
    type("oznaka", "ZG-2");
    confirm();

    QCOMPARE(f->prompter.messages.size(), 1);
    QVERIFY2(f->prompter.messages.first().contains("PRIMARY", Qt::CaseInsensitive), qPrintable(f->prompter.messages.first()));
    QCOMPARE(f->prompter.kinds.first(), Prompter::Kind::Error);
    QVERIFY(form->isVisible());
    QCOMPARE(edit("markaITip")->text(), QString("MAN"));
    QCOMPARE(edit("oznaka")->text(), QString("ZG-2"));
    QCOMPARE(f->db.scalar("SELECT COUNT(*) FROM VOZILO").toInt(), 1);
    QVERIFY(!f->data.IBTransaction1.isActive());

    // The next try draws a free key and saves.
    f->prompter.clear();
    confirm();
    QVERIFY(f->prompter.messages.isEmpty());
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(f->db.scalar("SELECT OZNAKA FROM VOZILO WHERE IDVOZ=2").toString(), QString("ZG-2"));
}

QTEST_MAIN(TestVehicleForm)
#include "tst_vehicleform.moc"
