#include "core/TDataModule1.h"
#include "core/ui/CurrencyComboBox.h"
#include "reference/ui/CountryComboBox.h"
#include "reference/ui/TDrzaveDnevnice.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace kalvor;

// The screen "Države i dnevnice" driven offscreen on a real database: its
// showing, countries, allowance rates, the import from a file and the
// deletion of a day's rates.
class TestDrzaveDnevnice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showingFillsListsAndDates();
    void addCountry_data();
    void addCountry();
    void deleteAndChangeCountry();
    void enterRate();
    void enterRateNeedsAmountCountryAndCurrency();
    void deleteRateFromHistory();
    void importFile();
    void importOfAFileThatDoesNotReadChangesNothing();
    void deleteAllRatesOfADay();

private:
    template<typename T> T *child(const char *name) const
    {
        T *w = m_screen->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    int country(const QString &name, const QString &code);
    void rate(int id, const QString &date, double amount, const QString &currency);
    QVector<QVariantList> rates();
    std::unique_ptr<TDataModule1> m_dm;
    std::unique_ptr<test::TestDatabase> m_db;
    std::unique_ptr<test::ScriptedPrompter> m_prompter;
    std::unique_ptr<TDrzaveDnevnice> m_screen;
};

void TestDrzaveDnevnice::init()
{
    m_dm = std::make_unique<TDataModule1>();
    m_db = std::make_unique<test::TestDatabase>(m_dm->DB);
    m_prompter = std::make_unique<test::ScriptedPrompter>();
    m_screen = std::make_unique<TDrzaveDnevnice>(*m_dm);
}

void TestDrzaveDnevnice::cleanup()
{
    m_screen.reset();
    m_prompter.reset();
    m_db.reset();
    m_dm.reset();
}

int TestDrzaveDnevnice::country(const QString &name, const QString &code)
{
    const int id = m_db->scalar(QStringLiteral("SELECT GEN_ID(GEN_DRZAVE_ID,1) FROM RDB$DATABASE")).toInt();
    m_db->exec(QStringLiteral("INSERT INTO DRZAVE (DRZAVA,ID,OZNAKA) VALUES (:N,:I,:O)"),
               {{QStringLiteral("N"), name}, {QStringLiteral("I"), id}, {QStringLiteral("O"), code}});
    return id;
}

void TestDrzaveDnevnice::rate(int id, const QString &date, double amount, const QString &currency)
{
    m_db->exec(QStringLiteral("INSERT INTO DNEVNICE (IDDRZAVA,VRIJEDIOD,VALUTA,IZNOS) VALUES (:I,:D,:V,:A)"),
               {{QStringLiteral("I"), id}, {QStringLiteral("D"), QDate::fromString(date, Qt::ISODate)},
                {QStringLiteral("V"), currency}, {QStringLiteral("A"), amount}});
}

QVector<QVariantList> TestDrzaveDnevnice::rates()
{
    return m_db->rows(QStringLiteral("SELECT D.DRZAVA, N.VRIJEDIOD, N.IZNOS, N.VALUTA FROM DNEVNICE N "
                                     "JOIN DRZAVE D ON D.ID = N.IDDRZAVA ORDER BY D.DRZAVA, N.VRIJEDIOD, N.IZNOS"));
}

void TestDrzaveDnevnice::showingFillsListsAndDates()
{
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    int de = 0, at = 0;
    VERIFY_DB(de = country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO VALUTE VALUES ('EUR','euro')")));
    VERIFY_DB(rate(at, today, 35, QStringLiteral("EUR")));
    VERIFY_DB(rate(de, today, 0, QStringLiteral("EUR")));
    m_screen->show();
    QCOMPARE(child<QTableView>("countryList")->model()->rowCount(), 2);
    QCOMPARE(child<QTableView>("countryList")->model()->index(0, 1).data().toString(), QStringLiteral("Austrija"));
    QCOMPARE(child<QTableView>("countryList")->model()->index(0, 2).data().toString(), QString::number(at));
    auto *historyCountry = child<CountryComboBox>("historyCountry");
    QCOMPARE(historyCountry->count(), 2);
    QCOMPARE(historyCountry->currentCountryName(), QStringLiteral("Austrija"));
    QCOMPARE(historyCountry->currentText(), QStringLiteral("Austrija||AT||%1").arg(at));
    QCOMPARE(child<CurrencyComboBox>("currency")->count(), 1);
    for (const char *date : {"validFrom", "dayDate", "importDate", "deleteDate"})
        QCOMPARE(child<QDateEdit>(date)->date(), QDate::currentDate());
    // The day view leaves out the country whose rate is 0.
    const QAbstractItemModel *day = child<QTableView>("dayView")->model();
    QCOMPARE(day->rowCount(), 1);
    QCOMPARE(day->index(0, 1).data().toString(), QStringLiteral("35,00"));
    QCOMPARE(child<QTableView>("historyView")->model()->rowCount(), 1);
    // Switching to "Dnevnice" fills both country lists with none selected.
    child<QTabWidget>("tabs")->setCurrentIndex(1);
    QCOMPARE(historyCountry->currentIndex(), -1);
    QCOMPARE(child<CountryComboBox>("country")->currentIndex(), -1);
    QCOMPARE(child<QTableView>("historyView")->model()->rowCount(), 0);
}

void TestDrzaveDnevnice::addCountry_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("added");

    QTest::newRow("new") << "IT" << "Italija" << true;
    QTest::newRow("existing name") << "XX" << "Austrija" << false;
    QTest::newRow("existing code") << "AT" << "Italija" << false;
    QTest::newRow("insert refused") << "RU" << QStringLiteral("Россия") << false;
}

void TestDrzaveDnevnice::addCountry()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(bool, added);
    VERIFY_DB(country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    m_screen->show();
    child<QLineEdit>("countryCode")->setText(code);
    child<QLineEdit>("countryName")->setText(name);
    child<QPushButton>("addCountry")->click();
    QCOMPARE(m_prompter->messages, added ? QStringList{} : QStringList{QStringLiteral("Pogreška prilikom unosa u bazu!")});
    QCOMPARE(child<QLineEdit>("countryName")->text().isEmpty(), added);
    QCOMPARE(child<QTableView>("countryList")->model()->rowCount(), added ? 2 : 1);
    QVariant n;
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM DRZAVE")));
    QCOMPARE(n.toInt(), added ? 2 : 1);
}

void TestDrzaveDnevnice::deleteAndChangeCountry()
{
    int at = 0;
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(rate(at, "2024-01-01", 35, QStringLiteral("EUR")));
    m_screen->show();
    auto *list = child<QTableView>("countryList");
    list->selectRow(0);
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Promijeni podatke o državi"));
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("name"))->text(), QStringLiteral("Austrija"));
        dialog->findChild<QLineEdit *>(QStringLiteral("name"))->setText(QStringLiteral("Österreich"));
        dialog->findChild<QPushButton *>(QStringLiteral("confirm"))->click();
    });
    child<QAction>("changeCountry")->trigger();
    QCOMPARE(list->model()->index(1, 1).data().toString(), QStringLiteral("Österreich"));
    QCOMPARE(list->currentIndex().row(), 1); // the same country stays selected
    m_prompter->answers << true;
    child<QAction>("deleteCountry")->trigger();
    QCOMPARE(m_prompter->questions, (QStringList{QStringLiteral("Jeste li sigurni da želite obrisati označenu državu?!")}));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, 1).data().toString(), QStringLiteral("Njemačka"));
    QVariant n;
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM DNEVNICE")));
    QCOMPARE(n.toInt(), 1);
}

void TestDrzaveDnevnice::enterRate()
{
    VERIFY_DB(country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO VALUTE VALUES ('EUR','euro')")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO VALUTE VALUES ('USD','dolar')")));
    m_screen->show();
    child<QTabWidget>("tabs")->setCurrentIndex(1);
    child<QDateEdit>("validFrom")->setDate(QDate(2024, 7, 1));
    child<CountryComboBox>("country")->setCurrentIndex(1);
    child<CurrencyComboBox>("currency")->setCurrentCode(QStringLiteral("USD"));
    auto *amount = child<QLineEdit>("amount");
    amount->setText(QStringLiteral("1.234,5"));
    emit amount->editingFinished();
    QCOMPARE(amount->text(), QStringLiteral("1.234,50"));
    child<QPushButton>("addRate")->click();
    QVERIFY(m_prompter->messages.isEmpty());
    QVector<QVariantList> stored;
    VERIFY_DB(stored = rates());
    QCOMPARE(stored, (QVector<QVariantList>{{QStringLiteral("Njemačka"), QDate(2024, 7, 1), 1234.5, "USD"}}));
    QCOMPARE(child<QDateEdit>("validFrom")->date(), QDate::currentDate());
    QCOMPARE(child<CountryComboBox>("country")->currentIndex(), 0);
    QCOMPARE(child<CurrencyComboBox>("currency")->currentIndex(), 0);
    QCOMPARE(amount->text(), QStringLiteral("0,00"));
    child<QDateEdit>("dayDate")->setDate(QDate(2024, 7, 1));
    QCOMPARE(child<QTableView>("dayView")->model()->rowCount(), 1);
    QCOMPARE(child<QTableView>("dayView")->model()->index(0, 2).data().toString(), QStringLiteral("USD"));
}

void TestDrzaveDnevnice::enterRateNeedsAmountCountryAndCurrency()
{
    VERIFY_DB(country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO VALUTE VALUES ('EUR','euro')")));
    m_screen->show();
    child<QTabWidget>("tabs")->setCurrentIndex(1);
    auto *amount = child<QLineEdit>("amount");
    const QString noAmount = QStringLiteral("Niste unijeli iznos tečaja!");
    const QString noChoice = QStringLiteral("Niste definirali državu i/ili valutu!");
    for (const char *text : {"", "0,00", "abc"}) {
        amount->setText(QString::fromLatin1(text));
        child<QPushButton>("addRate")->click();
    }
    amount->setText(QStringLiteral("30"));
    child<QPushButton>("addRate")->click(); // no country chosen
    child<CountryComboBox>("country")->setCurrentIndex(0);
    child<QPushButton>("addRate")->click(); // no currency chosen
    QCOMPARE(m_prompter->messages, (QStringList{noAmount, noAmount, noAmount, noChoice, noChoice}));
    QVariant n;
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM DNEVNICE")));
    QCOMPARE(n.toInt(), 0);
}

void TestDrzaveDnevnice::deleteRateFromHistory()
{
    int at = 0;
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(rate(at, "2024-01-01", 30, QStringLiteral("EUR")));
    VERIFY_DB(rate(at, "2024-01-01", 30, QStringLiteral("EUR")));
    VERIFY_DB(rate(at, "2024-01-01", 30, QStringLiteral("USD")));
    VERIFY_DB(rate(at, "2024-07-01", 35, QStringLiteral("EUR")));
    m_screen->show();
    auto *history = child<QTableView>("historyView");
    QCOMPARE(history->model()->rowCount(), 4);
    QCOMPARE(history->model()->index(0, 0).data().toString(), QStringLiteral("01.07.2024."));
    child<QAction>("deleteRate")->trigger(); // nothing selected: no question
    QVERIFY(m_prompter->questions.isEmpty());
    const int eur = history->model()->index(1, 2).data().toString() == QStringLiteral("EUR") ? 1 : 2;
    history->selectRow(eur);
    m_prompter->answers << true;
    child<QAction>("deleteRate")->trigger();
    QCOMPARE(m_prompter->questions,
             (QStringList{QStringLiteral("Jeste li sigurni da želite obrisati označeni podatak o dnevnici!?")}));
    QVector<QVariantList> stored;
    VERIFY_DB(stored = rates());
    QCOMPARE(stored, (QVector<QVariantList>{{"Austrija", QDate(2024, 1, 1), 30.0, "USD"},
                                            {"Austrija", QDate(2024, 7, 1), 35.0, "EUR"}}));
    QCOMPARE(history->model()->rowCount(), 2);
}

void TestDrzaveDnevnice::importFile()
{
    VERIFY_DB(country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO VALUTE VALUES ('EUR','euro')")));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("dnevnice2024.kvr")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // CR line ends, Windows-1250 letters, a line with one TAB, two new
    // countries, a new currency.
    file.write("Austrija\t35,00\tEUR\rSAD\t60,50\tUSD\rSamo jedan\t12\r\xc8"
               "e\x9aka\t45\tCZK\rSlova\xe8ka\t35,25\tEUR\r");
    file.close();
    m_screen->show();
    child<QTabWidget>("tabs")->setCurrentIndex(1);
    child<QDateEdit>("importDate")->setDate(QDate(2024, 5, 1));
    m_prompter->fileNames << file.fileName();
    child<QPushButton>("importFile")->click();
    QCOMPARE(m_prompter->dialogs, (QStringList{QStringLiteral("Odredite datoteku s podacima o dnevnicama")}));
    QCOMPARE(m_prompter->selectedFilters, QStringList{QStringLiteral("Kalvor dnevnice (*dnevnice*.kvr)")});
    QVERIFY(m_prompter->messages.isEmpty());

    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT DRZAVA, OZNAKA FROM DRZAVE ORDER BY ID")));
    QCOMPARE(rows, (QVector<QVariantList>{{"Austrija", "AT"}, {"SAD", "00"}, {QStringLiteral("Češka"), "00"},
                                          {QStringLiteral("Slovačka"), "00"}}));
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT OZNAKA, NAZIV FROM VALUTE ORDER BY OZNAKA")));
    QCOMPARE(rows, (QVector<QVariantList>{{"CZK", "CZK"}, {"EUR", "euro"}, {"USD", "USD"}}));
    const QDate day(2024, 5, 1);
    VERIFY_DB(rows = rates());
    QCOMPARE(rows, (QVector<QVariantList>{{"Austrija", day, 35.0, "EUR"},
                                          {"SAD", day, 60.5, "USD"},
                                          {QStringLiteral("Slovačka"), day, 35.25, "EUR"},
                                          {QStringLiteral("Češka"), day, 45.0, "CZK"}}));
    // The lists and choice lists show the new data.
    QCOMPARE(child<QTableView>("countryList")->model()->rowCount(), 4);
    QCOMPARE(child<CurrencyComboBox>("currency")->count(), 3);
    QCOMPARE(child<CountryComboBox>("country")->count(), 4);
    child<QDateEdit>("dayDate")->setDate(day);
    QCOMPARE(child<QTableView>("dayView")->model()->rowCount(), 4);
}

void TestDrzaveDnevnice::importOfAFileThatDoesNotReadChangesNothing()
{
    QTemporaryDir dir;
    QFile binary(dir.filePath(QStringLiteral("slika.kvr")));
    QVERIFY(binary.open(QIODevice::WriteOnly));
    binary.write(QByteArray("SAD\t60\tUSD\r\n\0\xff", 15));
    binary.close();
    m_screen->show();
    m_prompter->fileNames << QString() << dir.filePath(QStringLiteral("nema.txt")) << binary.fileName();
    for (int i = 0; i < 3; ++i)
        child<QPushButton>("importFile")->click();
    QCOMPARE(m_prompter->messages,
             (QStringList{QStringLiteral("Datoteka %1 ne postoji!").arg(dir.filePath(QStringLiteral("nema.txt"))),
                          QStringLiteral("Datoteka %1 nije tekstualna datoteka s podacima o dnevnicama!")
                              .arg(binary.fileName())}));
    QVariant n;
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM DRZAVE) + (SELECT COUNT(*) FROM VALUTE) "
                                              "+ (SELECT COUNT(*) FROM DNEVNICE) FROM RDB$DATABASE")));
    QCOMPARE(n.toInt(), 0);
}

void TestDrzaveDnevnice::deleteAllRatesOfADay()
{
    int at = 0, de = 0;
    VERIFY_DB(at = country(QStringLiteral("Austrija"), QStringLiteral("AT")));
    VERIFY_DB(de = country(QStringLiteral("Njemačka"), QStringLiteral("DE")));
    VERIFY_DB(rate(at, "2024-01-01", 30, QStringLiteral("EUR")));
    VERIFY_DB(rate(de, "2024-01-01", 40, QStringLiteral("EUR")));
    VERIFY_DB(rate(at, "2024-07-01", 35, QStringLiteral("EUR")));
    VERIFY_DB(rate(de, "2023-12-31", 39, QStringLiteral("EUR")));
    m_screen->show();
    child<QDateEdit>("deleteDate")->setDate(QDate(2024, 1, 1));
    m_prompter->answers << false << true;
    child<QPushButton>("deleteDay")->click();
    QVector<QVariantList> stored;
    VERIFY_DB(stored = rates());
    QCOMPARE(stored.size(), 4);
    child<QPushButton>("deleteDay")->click();
    const QString question =
        QStringLiteral("Jeste li sigurni da želite obrisati sve unose u evidenciju dnevnica za datum 01.01.2024.?");
    QCOMPARE(m_prompter->questions, (QStringList{question, question}));
    VERIFY_DB(stored = rates());
    QCOMPARE(stored, (QVector<QVariantList>{{"Austrija", QDate(2024, 7, 1), 35.0, "EUR"},
                                            {QStringLiteral("Njemačka"), QDate(2023, 12, 31), 39.0, "EUR"}}));
    QCOMPARE(child<QTableView>("historyView")->model()->rowCount(), 1);
}

QTEST_MAIN(TestDrzaveDnevnice)
#include "tst_tdrzavednevnice.moc"
