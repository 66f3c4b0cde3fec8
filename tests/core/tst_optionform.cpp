#include "core/DatabaseMaintenance.h"
#include "core/Settings.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/ui/ColorSwatch.h"
#include "core/ui/CurrencyComboBox.h"
#include "core/ui/FocusHighlighter.h"
#include "core/ui/TOptionForm.h"
#include "support/FbServer.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvor;
using kalvor::test::FbServer;
using kalvor::test::ScriptedPrompter;
using kalvor::test::ServerDatabase;
using kalvor::test::TestDatabase;

namespace {

const QString connectionFailed = QStringLiteral("Pogreška prilikom spajanja na poslužitelj i bazu podataka!");
const QString clearQuestion = QStringLiteral(
    "Jeste li sigurni da želite obrisati sve podatke u bazi? Podaci će biti nepovratno izgubljeni!");
const QStringList currencies{QStringLiteral("EUR||euro"), QStringLiteral("HRK||kuna"),
                             QStringLiteral("USD||američki dolar")};

// The tables every clear-all empties, whatever its boxes say.
const QStringList alwaysCleared{
    "AKONTACIJA", "DIONICE", "ADPROMET", "DNEVNICE", "NALOGVALUTA", "NALOZI", "OBRACUN", "RACUNI", "UTOVARIVACI",
    "VOZACI", "BLPROMET", "DJEAKT", "DJELBIN", "EVOZILO", "OMD", "VOZILOBIN", "VOZAKT"};

template <typename T> T *child(QWidget &form, const QString &name)
{
    T *w = form.findChild<T *>(name);
    if (!w)
        qWarning("no control %s", qPrintable(name));
    return w;
}

} // namespace

// The settings screen driven through its widgets, on a settings folder of the
// test and, for the database buttons, a database file of its own.
class TestOptionForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void opensOnFirstTabWithTabsInOrder();
    void promptAndLocalDisableFields_data();
    void promptAndLocalDisableFields();
    void allowancesOnlyMethodsDisableAllowanceBoxes_data();
    void allowancesOnlyMethodsDisableAllowanceBoxes();
    void multiCurrencyLocksSeparateRegisters();
    void allowanceRulesExcludeEachOther();
    void leavingFieldRewritesIt_data();
    void leavingFieldRewritesIt();
    void cancelDiscardsEdit();
    void saveThenRestartShowsSavedValues();
    void rememberWritesOnlyConnection();
    void tryAmountInWordsUsesWordFields();
    void databaseFileDialog();
    void printerListsAndSetup();

    void testConnection_data();
    void testConnection();
    void clearAll_data();
    void clearAll();
    void clearAllAsksFirst();
    void clearAllRollsBackWhenAStatementFails();
    void clearAllSkipsMissingTable();
    void listServerThroughServices();
    void listServerReportsEachPartsFailure();

private:
    static void setField(QWidget &form, const QString &name, const QString &text);
    static void click(QWidget &form, const QString &name);
    // Puts the connection fields of the form on a local database file.
    static void useDatabase(QWidget &form, const QString &path);
    // One row in every user table, so that a clear-all shows what it deleted.
    static void fillEveryTable(TestDatabase &tdb);
    static QStringList tablesWithRows(TestDatabase &tdb);

    QTemporaryDir m_config;
};

void TestOptionForm::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("KALVOR_CONFIG_DIR", QFile::encodeName(m_config.path()));
}

void TestOptionForm::init()
{
    QFile::remove(machineSettingsFile());
    Settings::current().resetToDefaults();
    Settings::current().load();
}

void TestOptionForm::setField(QWidget &form, const QString &name, const QString &text)
{
    QLineEdit *edit = child<QLineEdit>(form, name);
    QVERIFY(edit);
    edit->setText(text);
}

void TestOptionForm::click(QWidget &form, const QString &name)
{
    QAbstractButton *button = child<QAbstractButton>(form, name);
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestOptionForm::useDatabase(QWidget &form, const QString &path)
{
    setField(form, QStringLiteral("DB"), path);
    setField(form, QStringLiteral("USER"), QStringLiteral("SYSDBA"));
    setField(form, QStringLiteral("USER2"), QStringLiteral("masterkey"));
    child<QCheckBox>(form, QStringLiteral("Prompt"))->setChecked(false);
    child<QCheckBox>(form, QStringLiteral("Local"))->setChecked(true);
}

void TestOptionForm::opensOnFirstTabWithTabsInOrder()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    auto *tabs = child<QTabWidget>(form, QStringLiteral("tabs"));
    QVERIFY(tabs);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles, QStringList({"Postavke", "Oznake, sadržaj", "Obračun troškova", "Postavke ispisa", "Blagajna",
                                  "Provjera statusa", "Pristup bazi", "Inicijalne vrijednosti"}));
    QCOMPARE(form.windowTitle(), QStringLiteral("Postavke sustava"));
    tabs->setCurrentIndex(6);
    form.show();
    QCOMPARE(tabs->currentIndex(), 0);
}

void TestOptionForm::promptAndLocalDisableFields_data()
{
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<bool>("local");
    QTest::newRow("login, local") << false << true;
    QTest::newRow("login, server") << false << false;
    QTest::newRow("prompt, local") << true << true;
    QTest::newRow("prompt, server") << true << false;
}

void TestOptionForm::promptAndLocalDisableFields()
{
    QFETCH(bool, prompt);
    QFETCH(bool, local);
    ScriptedPrompter prompter;
    TOptionForm form;
    // Clicking from the opposite state, so that every row changes both boxes.
    auto *promptBox = child<QCheckBox>(form, QStringLiteral("Prompt"));
    auto *localBox = child<QCheckBox>(form, QStringLiteral("Local"));
    promptBox->setChecked(!prompt);
    localBox->setChecked(!local);
    QTest::mouseClick(promptBox, Qt::LeftButton);
    QTest::mouseClick(localBox, Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("USER"))->isEnabled(), !prompt);
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("USER2"))->isEnabled(), !prompt);
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("Server"))->isEnabled(), !local);

    // The same state after a load of stored values.
    Settings::current().set(QStringLiteral("Prompt"), prompt ? 1 : 0);
    Settings::current().set(QStringLiteral("Local"), local ? 1 : 0);
    TOptionForm loaded;
    QCOMPARE(child<QLineEdit>(loaded, QStringLiteral("USER"))->isEnabled(), !prompt);
    QCOMPARE(child<QLineEdit>(loaded, QStringLiteral("Server"))->isEnabled(), !local);
}

void TestOptionForm::allowancesOnlyMethodsDisableAllowanceBoxes_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<bool>("boxesEnabled");
    QTest::newRow("prema kilometrima") << QStringLiteral("ObracunKm") << true;
    QTest::newRow("prema postotku") << QStringLiteral("ObracunPostotak") << true;
    QTest::newRow("fiksna zarada") << QStringLiteral("ObracunFiksno") << true;
    QTest::newRow("samo dnevnice") << QStringLiteral("ObracunDnevnice") << false;
    QTest::newRow("dnevnice za više država") << QStringLiteral("ObracunOMD") << false;
}

void TestOptionForm::allowancesOnlyMethodsDisableAllowanceBoxes()
{
    QFETCH(QString, method);
    QFETCH(bool, boxesEnabled);
    ScriptedPrompter prompter;
    TOptionForm form;
    // From "dnevnice za više država" (boxes disabled) to the method of the row.
    click(form, QStringLiteral("ObracunOMD"));
    QVERIFY(!child<QCheckBox>(form, QStringLiteral("VozacDnevnice"))->isEnabled());
    child<QRadioButton>(form, method)->setChecked(true);
    QCOMPARE(child<QCheckBox>(form, QStringLiteral("VozacDnevnice"))->isEnabled(), boxesEnabled);
    QCOMPARE(child<QCheckBox>(form, QStringLiteral("OstaliDnevnice"))->isEnabled(), boxesEnabled);
}

void TestOptionForm::multiCurrencyLocksSeparateRegisters()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    auto *multi = child<QCheckBox>(form, QStringLiteral("MultiValuta"));
    auto *separate = child<QCheckBox>(form, QStringLiteral("BlagajnePoValuti"));
    QVERIFY(!multi->isChecked());
    QVERIFY(!separate->isChecked());
    QVERIFY(separate->isEnabled());

    QTest::mouseClick(multi, Qt::LeftButton);
    QVERIFY(separate->isChecked());
    QVERIFY(!separate->isEnabled());

    QTest::mouseClick(multi, Qt::LeftButton);
    QVERIFY(separate->isEnabled());
    QVERIFY(separate->isChecked());

    // A stored MultiValuta locks the box on load, even over a stored 0.
    Settings::current().set(QStringLiteral("MultiValuta"), 1);
    Settings::current().set(QStringLiteral("BlagajnePoValuti"), 0);
    form.loadFromSettings();
    QVERIFY(separate->isChecked());
    QVERIFY(!separate->isEnabled());
}

void TestOptionForm::allowanceRulesExcludeEachOther()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    auto *byRule = child<QCheckBox>(form, QStringLiteral("DnevniceKALVOR"));
    auto *favourable = child<QCheckBox>(form, QStringLiteral("DnevniceOld"));
    QVERIFY(byRule->isChecked());
    QTest::mouseClick(favourable, Qt::LeftButton);
    QVERIFY(favourable->isChecked());
    QVERIFY(!byRule->isChecked());
    QTest::mouseClick(byRule, Qt::LeftButton);
    QVERIFY(byRule->isChecked());
    QVERIFY(!favourable->isChecked());
    // Clearing one leaves the other cleared too.
    QTest::mouseClick(byRule, Qt::LeftButton);
    QVERIFY(!byRule->isChecked());
    QVERIFY(!favourable->isChecked());
}

void TestOptionForm::leavingFieldRewritesIt_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("earnings per km") << 2 << "CijenaKm" << "1234,5" << "1.234,50";
    QTest::newRow("drivers' percentage, full stop") << 2 << "Postotak" << "12.5" << "12,50";
    QTest::newRow("price per km, not a number") << 2 << "CijenaKm2" << "abc" << "";
    QTest::newRow("trial amount") << 0 << "probniIznos" << "1,5" << "1,50";
    QTest::newRow("margin, whole") << 3 << "LMargina" << " 12 " << "12";
    QTest::newRow("margin, not whole") << 3 << "BMargina" << "1,5" << "0";
    QTest::newRow("trip duration, not whole") << 7 << "TrajanjePuta" << "x" << "1";
    QTest::newRow("trip duration, whole") << 7 << "TrajanjePuta" << "3" << "3";
}

void TestOptionForm::leavingFieldRewritesIt()
{
    QFETCH(int, tab);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ScriptedPrompter prompter;
    TOptionForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    child<QTabWidget>(form, QStringLiteral("tabs"))->setCurrentIndex(tab);
    auto *edit = child<QLineEdit>(form, field);
    QVERIFY(edit);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    // The text fields of the first three tabs light up while focused.
    const bool highlighted = tab <= 2;
    QCOMPARE(edit->palette().color(QPalette::Base) == FocusHighlighter::highlightColor(), highlighted);
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(form.isVisible()); // Return saves nothing and closes nothing
    QCOMPARE(edit->text(), shown);
    // Leaving the field does the same.
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    child<QTabWidget>(form, QStringLiteral("tabs"))->setFocus();
    QTRY_VERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), shown);
    QVERIFY(edit->palette().color(QPalette::Base) != FocusHighlighter::highlightColor());
}

void TestOptionForm::cancelDiscardsEdit()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    setField(form, QStringLiteral("Tvrtka"), QStringLiteral("Nova tvrtka d.o.o."));
    click(form, QStringLiteral("otkazi"));
    QCOMPARE(form.result(), int(QDialog::Rejected));

    Settings stored;
    stored.load();
    QCOMPARE(stored.text(QStringLiteral("Tvrtka")), Settings::current().defaultValue(QStringLiteral("Tvrtka")).toString());
    // The on-show step of the main window loads the screen again.
    Settings::current().load();
    form.loadFromSettings();
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("Tvrtka"))->text(), stored.text(QStringLiteral("Tvrtka")));
}

void TestOptionForm::saveThenRestartShowsSavedValues()
{
    ScriptedPrompter prompter;
    {
        TOptionForm form;
        form.setCurrencyItems(currencies);
        form.loadFromSettings();
        QCOMPARE(child<QComboBox>(form, QStringLiteral("DefValuta"))->currentIndex(), 0);  // the first currency
        QCOMPARE(child<QComboBox>(form, QStringLiteral("AltValuta"))->currentIndex(), -1); // none
        setField(form, QStringLiteral("AutoDeltaOdlazak"), QStringLiteral("3"));
        setField(form, QStringLiteral("Tvrtka"), QStringLiteral("Prijevoz Šolić d.o.o."));
        setField(form, QStringLiteral("CijenaKm"), QStringLiteral("0,25"));
        setField(form, QStringLiteral("BrojDanaDelta"), QStringLiteral("deset"));
        setField(form, QStringLiteral("USER2"), QStringLiteral("tajna#Q"));
        child<QCheckBox>(form, QStringLiteral("AutoStatus"))->setChecked(true);
        child<QRadioButton>(form, QStringLiteral("OznakaDatum_2"))->setChecked(true);
        child<QRadioButton>(form, QStringLiteral("ObracunKm"))->setChecked(true);
        child<QPlainTextEdit>(form, QStringLiteral("ZadaceDefault"))->setPlainText(QStringLiteral("PRVA\nDRUGA"));
        child<QComboBox>(form, QStringLiteral("AltValuta"))->setCurrentIndex(2);
        prompter.colors.enqueue(QColor(0x12, 0x34, 0x56));
        QTest::mouseDClick(child<ColorSwatch>(form, QStringLiteral("BackTitleColor")), Qt::LeftButton);
        QCOMPARE(prompter.dialogs.last(), QStringLiteral("colour"));
        click(form, QStringLiteral("snimiPromjene"));
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    // A new start: a fresh load of the store and a new screen.
    Settings::current().resetToDefaults();
    Settings::current().load();
    TOptionForm form;
    form.setCurrencyItems(currencies);
    form.loadFromSettings();
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("AutoDeltaOdlazak"))->text(), QStringLiteral("3"));
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("Tvrtka"))->text(), QStringLiteral("Prijevoz Šolić d.o.o."));
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("CijenaKm"))->text(), QStringLiteral("0,25"));
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("BrojDanaDelta"))->text(), QStringLiteral("7"));
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("USER2"))->text(), QStringLiteral("tajna#Q"));
    QVERIFY(child<QCheckBox>(form, QStringLiteral("AutoStatus"))->isChecked());
    QVERIFY(child<QRadioButton>(form, QStringLiteral("OznakaDatum_2"))->isChecked());
    QVERIFY(child<QRadioButton>(form, QStringLiteral("ObracunKm"))->isChecked());
    QVERIFY(!child<QRadioButton>(form, QStringLiteral("ObracunDnevnice"))->isChecked());
    QCOMPARE(child<QPlainTextEdit>(form, QStringLiteral("ZadaceDefault"))->toPlainText(), QStringLiteral("PRVA\nDRUGA"));
    QCOMPARE(child<ColorSwatch>(form, QStringLiteral("BackTitleColor"))->color(), QColor(0x12, 0x34, 0x56));
    QCOMPARE(child<QComboBox>(form, QStringLiteral("DefValuta"))->currentText(), currencies[0]);
    QCOMPARE(child<QComboBox>(form, QStringLiteral("AltValuta"))->currentText(), currencies[2]);
    // The store holds codes, not list items.
    QCOMPARE(Settings::current().text(QStringLiteral("DefValuta")), QStringLiteral("EUR"));
    QCOMPARE(Settings::current().text(QStringLiteral("AltValuta")), QStringLiteral("USD"));
}

void TestOptionForm::rememberWritesOnlyConnection()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    setField(form, QStringLiteral("DB"), QStringLiteral("/srv/baze/kalvor.fdb"));
    setField(form, QStringLiteral("Server"), QStringLiteral("posluzitelj"));
    child<QCheckBox>(form, QStringLiteral("Local"))->setChecked(false);
    setField(form, QStringLiteral("Tvrtka"), QStringLiteral("Ne zapisuje se"));
    click(form, QStringLiteral("zapamti"));
    QVERIFY(child<QListWidget>(form, QStringLiteral("tablice"))->isHidden());

    Settings stored;
    stored.load();
    QCOMPARE(stored.text(QStringLiteral("DB")), QStringLiteral("/srv/baze/kalvor.fdb"));
    QCOMPARE(stored.text(QStringLiteral("Server")), QStringLiteral("posluzitelj"));
    QCOMPARE(stored.flag(QStringLiteral("Local")), false);
    QCOMPARE(stored.text(QStringLiteral("Tvrtka")), stored.defaultValue(QStringLiteral("Tvrtka")).toString());
}

void TestOptionForm::tryAmountInWordsUsesWordFields()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    setField(form, QStringLiteral("SlovaVeznik"), QStringLiteral("&"));
    setField(form, QStringLiteral("probniIznos"), QStringLiteral("1,50"));
    click(form, QStringLiteral("isprobajPrikaz"));
    QCOMPARE(child<QLabel>(form, QStringLiteral("iznosSlovima"))->text(), QStringLiteral("jedna kuna & pedeset lipa"));
    // The stored joining word is untouched until the screen is saved.
    QCOMPARE(Settings::current().text(QStringLiteral("SlovaVeznik")), QStringLiteral("i"));
}

void TestOptionForm::databaseFileDialog()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    prompter.fileNames.enqueue(QStringLiteral("/data/druga.fdb"));
    click(form, QStringLiteral("odaberiBazu"));
    QCOMPARE(prompter.dialogs, QStringList{QStringLiteral("Odredite bazu")});
    QCOMPARE(prompter.fileFilters.value(0),
             QStringLiteral("Interbase baza podataka (*.gdb);;Firebird baza podataka (*.fdb)"));
    QCOMPARE(prompter.selectedFilters.value(0), QStringLiteral("Firebird baza podataka (*.fdb)"));
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("DB"))->text(), QStringLiteral("/data/druga.fdb"));

    // A cancelled dialog leaves the field alone.
    click(form, QStringLiteral("odaberiBazu"));
    QCOMPARE(child<QLineEdit>(form, QStringLiteral("DB"))->text(), QStringLiteral("/data/druga.fdb"));
}

void TestOptionForm::printerListsAndSetup()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    QString setupFor = QStringLiteral("not opened");
    form.setPrinterSetup([&](QPrinter &printer) { setupFor = printer.printerName(); });
    auto *registerPrinter = child<QComboBox>(form, QStringLiteral("EVPisac"));
    QCOMPARE(registerPrinter->count(), 0); // filled only when the screen is shown
    form.show();
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    QCOMPARE(registerPrinter->count(), int(printers.size()));
    QCOMPARE(registerPrinter->currentIndex(), printers.isEmpty() ? -1 : 0);
    click(form, QStringLiteral("postavkePisaca"));
    QVERIFY(setupFor != QStringLiteral("not opened"));
    const auto *basic = child<QComboBox>(form, QStringLiteral("osnovniPisac"));
    if (basic->currentIndex() >= 0)
        QCOMPARE(setupFor, basic->currentText());
}

void TestOptionForm::testConnection_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QString>("message");
    QTest::newRow("database there") << true << QStringLiteral("Postavke su u redu - spajanje je uspjelo!");
    QTest::newRow("no such file") << false << connectionFailed;
}

void TestOptionForm::testConnection()
{
    QFETCH(bool, reachable);
    QFETCH(QString, message);
    ScriptedPrompter prompter;
    db::Database own;
    try {
        TestDatabase tdb(own);
        TOptionForm form;
        useDatabase(form, reachable ? tdb.path() : tdb.folder().filePath(QStringLiteral("nema.fdb")));
        click(form, QStringLiteral("provjeri"));
        QCOMPARE(prompter.messages, QStringList{message});
        auto *tables = child<QListWidget>(form, QStringLiteral("tablice"));
        QCOMPARE(!tables->isHidden(), reachable);
        QCOMPARE(!tables->findItems(QStringLiteral("NALOZI"), Qt::MatchExactly).isEmpty(), reachable);
    } catch (const db::DbError &e) {
        QFAIL(qPrintable(e.message()));
    }
}

QStringList TestOptionForm::tablesWithRows(TestDatabase &tdb)
{
    QStringList result;
    for (const QVariantList &row : tdb.rows(QStringLiteral(
             "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE RDB$VIEW_BLR IS NULL AND RDB$SYSTEM_FLAG = 0 "
             "ORDER BY 1"))) {
        const QString table = row.value(0).toString();
        if (tdb.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt() > 0)
            result << table;
    }
    return result;
}

void TestOptionForm::fillEveryTable(TestDatabase &tdb)
{
    const auto tables = tdb.rows(QStringLiteral(
        "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE RDB$VIEW_BLR IS NULL AND RDB$SYSTEM_FLAG = 0"));
    for (const QVariantList &t : tables) {
        const QString table = t.value(0).toString();
        const auto columns = tdb.rows(
            QStringLiteral("SELECT TRIM(R.RDB$FIELD_NAME), F.RDB$FIELD_TYPE, F.RDB$FIELD_SCALE "
                           "FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F ON R.RDB$FIELD_SOURCE = F.RDB$FIELD_NAME "
                           "WHERE R.RDB$RELATION_NAME = :T AND F.RDB$COMPUTED_BLR IS NULL "
                           "ORDER BY R.RDB$FIELD_POSITION"),
            {{QStringLiteral("T"), table}});
        QStringList names, params;
        QVariantMap values;
        for (const QVariantList &c : columns) {
            const QString name = c.value(0).toString();
            const QString param = QStringLiteral("P") + QString::number(names.size());
            QVariant v;
            switch (c.value(1).toInt()) {
            case 7: case 8: case 16: v = 1; break;          // whole numbers and NUMERIC
            case 10: case 27: v = 1.0; break;               // floating point
            case 12: v = QDate(2009, 3, 7); break;
            case 13: v = QTime(8, 0); break;
            case 35: v = QDateTime(QDate(2009, 3, 7), QTime(8, 0)); break;
            default: v = QStringLiteral("X"); break;         // texts and text blobs
            }
            names << name;
            params << QLatin1Char(':') + param;
            values.insert(param, v);
        }
        tdb.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(u','), params.join(u',')),
                 values);
    }
}

void TestOptionForm::clearAll_data()
{
    QTest::addColumn<bool>("keepCurrencies");
    QTest::addColumn<bool>("keepVehicles");
    QTest::addColumn<bool>("keepPartners");
    QTest::addColumn<bool>("keepRates");
    QTest::addColumn<QStringList>("alsoCleared");
    QTest::newRow("all ticked") << true << true << true << true << QStringList();
    QTest::newRow("currencies and countries go") << false << true << true << true
                                                << QStringList{"DRZAVE", "VALUTE"};
    QTest::newRow("vehicles and employees go") << true << false << true << true
                                              << QStringList{"DJELATNICI", "VOZILO"};
    QTest::newRow("partners go") << true << true << false << true << QStringList{"PARTNERI"};
    QTest::newRow("rates go") << true << true << true << false << QStringList{"TECAJ"};
    QTest::newRow("none ticked") << false << false << false << false
                                 << QStringList{"DRZAVE", "VALUTE", "DJELATNICI", "VOZILO", "PARTNERI", "TECAJ"};
}

void TestOptionForm::clearAll()
{
    QFETCH(bool, keepCurrencies);
    QFETCH(bool, keepVehicles);
    QFETCH(bool, keepPartners);
    QFETCH(bool, keepRates);
    QFETCH(QStringList, alsoCleared);
    ScriptedPrompter prompter;
    db::Database own;
    try {
        TestDatabase tdb(own);
        fillEveryTable(tdb);
        const QStringList before = tablesWithRows(tdb);
        QStringList expected = before;
        for (const QString &t : alwaysCleared + alsoCleared)
            QVERIFY2(expected.removeOne(t), qPrintable(t + QStringLiteral(" has no row to delete")));

        TOptionForm form;
        useDatabase(form, tdb.path());
        child<QCheckBox>(form, QStringLiteral("osimValutaIDrzava"))->setChecked(keepCurrencies);
        child<QCheckBox>(form, QStringLiteral("neBrisiVozilaIDjelatnike"))->setChecked(keepVehicles);
        child<QCheckBox>(form, QStringLiteral("neBrisiPartnere"))->setChecked(keepPartners);
        child<QCheckBox>(form, QStringLiteral("neBrisiTecaj"))->setChecked(keepRates);
        prompter.answers.enqueue(true);
        click(form, QStringLiteral("obrisiPodatke"));
        QCOMPARE(prompter.questions, QStringList{clearQuestion});
        QCOMPARE(prompter.messages, QStringList());
        QCOMPARE(tablesWithRows(tdb), expected);
        // Opening balances and the vehicle records stay in every case.
        QVERIFY(expected.contains(QStringLiteral("BLPOCSTANJE")));
        QVERIFY(expected.contains(QStringLiteral("VEVID")));
    } catch (const db::DbError &e) {
        QFAIL(qPrintable(e.message()));
    }
}

void TestOptionForm::clearAllAsksFirst()
{
    ScriptedPrompter prompter;
    db::Database own;
    try {
        TestDatabase tdb(own);
        fillEveryTable(tdb);
        const QStringList before = tablesWithRows(tdb);
        TOptionForm form;
        useDatabase(form, tdb.path());
        prompter.answers.enqueue(false);
        click(form, QStringLiteral("obrisiPodatke"));
        QCOMPARE(prompter.questions, QStringList{clearQuestion});
        QCOMPARE(tablesWithRows(tdb), before);
    } catch (const db::DbError &e) {
        QFAIL(qPrintable(e.message()));
    }
}

void TestOptionForm::clearAllRollsBackWhenAStatementFails()
{
    ScriptedPrompter prompter;
    db::Database own;
    try {
        TestDatabase tdb(own);
        fillEveryTable(tdb);
        // The last table of the clear-all refuses every delete.
        tdb.exec(QStringLiteral("CREATE EXCEPTION NE_BRISI 'brisanje nije dopušteno'"));
        tdb.exec(QStringLiteral("CREATE TRIGGER VOZAKT_BD FOR VOZAKT BEFORE DELETE AS BEGIN EXCEPTION NE_BRISI; END"));
        const QStringList before = tablesWithRows(tdb);

        TOptionForm form;
        useDatabase(form, tdb.path());
        for (const char *box : {"osimValutaIDrzava", "neBrisiVozilaIDjelatnike", "neBrisiPartnere", "neBrisiTecaj"})
            child<QCheckBox>(form, QString::fromLatin1(box))->setChecked(false);
        prompter.answers.enqueue(true);
        click(form, QStringLiteral("obrisiPodatke"));
        QCOMPARE(prompter.messages, QStringList{connectionFailed});
        QVERIFY(form.maintenance().lastError().contains(QStringLiteral("NE_BRISI")));
        QCOMPARE(form.maintenance().sentStatements().last(), QStringLiteral("DELETE FROM VOZAKT"));
        // Nothing of the statements before it stays deleted.
        QCOMPARE(tablesWithRows(tdb), before);
    } catch (const db::DbError &e) {
        QFAIL(qPrintable(e.message()));
    }
}

void TestOptionForm::clearAllSkipsMissingTable()
{
    ScriptedPrompter prompter;
    db::Database own;
    try {
        TestDatabase tdb(own);
        fillEveryTable(tdb);
        tdb.exec(QStringLiteral("DROP TABLE EVOZILO"));
        DatabaseMaintenance maintenance;
        DatabaseMaintenance::Connection c{tdb.path(), QStringLiteral("SYSDBA"), QStringLiteral("masterkey"), false,
                                          true, QString()};
        QVERIFY2(maintenance.clearAll(c, {}, prompter), qPrintable(maintenance.lastError()));
        QVERIFY(!maintenance.sentStatements().contains(QStringLiteral("DELETE FROM EVOZILO")));
        QCOMPARE(maintenance.sentStatements().size(), alwaysCleared.size() - 1);
        QVERIFY(!tablesWithRows(tdb).contains(QStringLiteral("NALOZI")));
    } catch (const db::DbError &e) {
        QFAIL(qPrintable(e.message()));
    }
}

void TestOptionForm::listServerThroughServices()
{
    KALVOR_REQUIRE_FB_SERVER();
    const FbServer &server = FbServer::instance();
    ScriptedPrompter prompter;
    try {
        ServerDatabase sdb(QStringLiteral("dohvat.fdb"));
        sdb.create();
        db::Database attached;
        attached.open(sdb.params());
        TOptionForm form;
        child<QCheckBox>(form, QStringLiteral("Local"))->setChecked(false);
        setField(form, QStringLiteral("Server"), server.host());
        setField(form, QStringLiteral("USER"), server.user());
        prompter.logins.enqueue({true, server.user(), server.password()});
        click(form, QStringLiteral("dohvat"));
        QCOMPARE(prompter.dialogs, QStringList{QStringLiteral("login:") + server.host() + QStringLiteral(":service_mgr")});
        QCOMPARE(prompter.messages, QStringList());
        const auto *databases = child<QListWidget>(form, QStringLiteral("bazeNaPosluzitelju"));
        const auto *users = child<QListWidget>(form, QStringLiteral("korisniciNaPosluzitelju"));
        QVERIFY(!databases->findItems(sdb.path(), Qt::MatchExactly).isEmpty());
        QVERIFY(!users->findItems(server.user().toUpper(), Qt::MatchExactly).isEmpty());
    } catch (const db::DbError &e) {
        QFAIL(qPrintable(e.message()));
    }
}

void TestOptionForm::listServerReportsEachPartsFailure()
{
    ScriptedPrompter prompter;
    TOptionForm form;
    child<QCheckBox>(form, QStringLiteral("Local"))->setChecked(false);
    setField(form, QStringLiteral("Server"), QStringLiteral("127.0.0.1/1")); // nothing listens on port 1
    prompter.logins.enqueue({true, QStringLiteral("SYSDBA"), QStringLiteral("masterkey")});
    click(form, QStringLiteral("dohvat"));
    QCOMPARE(prompter.messages, QStringList({QStringLiteral("Problemi kod određivanja baza na poslužitelju"),
                                             QStringLiteral("Problemi kod određivanja korisnika na poslužitelju")}));
    QCOMPARE(child<QListWidget>(form, QStringLiteral("bazeNaPosluzitelju"))->count(), 0);

    // A cancelled login asks the server nothing.
    prompter.clear();
    click(form, QStringLiteral("dohvat"));
    QCOMPARE(prompter.dialogs, QStringList{QStringLiteral("login:127.0.0.1/1:service_mgr")});
    QCOMPARE(prompter.messages, QStringList());
}

QTEST_MAIN(TestOptionForm)
#include "tst_optionform.moc"
