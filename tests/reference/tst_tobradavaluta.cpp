#include "core/Settings.h"
#include "core/TDataModule1.h"
#include "core/ui/CurrencyComboBox.h"
#include "reference/ui/TObradaValuta.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace kalvor;

// The screen "Definiranje valuta i tečaja" driven offscreen on a real
// database: its showing, adding currencies and rates, deleting rates, the
// change dialog and the accounting currency.
class TestObradaValuta : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showingFillsListsAndDates();
    void openedOnRatesTabAtADate();
    void enterRate_data();
    void enterRate();
    void enterRateNeedsAmountAndCurrency();
    void addingAnExistingCodeShowsBothMessages();
    void addedCurrencyClearsFields();
    void deletingOneOfTwoIdenticalRatesRemovesBoth();
    void changeDialogRenamesTheCurrency();
    void accountingCurrencyIsChosenFromTheList();

private:
    template<typename T> T *child(const char *name) const
    {
        T *w = m_screen->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void addCurrencies();
    QTemporaryDir m_config;
    std::unique_ptr<TDataModule1> m_dm;
    std::unique_ptr<test::TestDatabase> m_db;
    std::unique_ptr<test::ScriptedPrompter> m_prompter;
    std::unique_ptr<TObradaValuta> m_screen;
};

void TestObradaValuta::initTestCase()
{
    qputenv("KALVOR_CONFIG_DIR", m_config.path().toUtf8());
}

void TestObradaValuta::init()
{
    m_dm = std::make_unique<TDataModule1>();
    m_db = std::make_unique<test::TestDatabase>(m_dm->DB);
    m_prompter = std::make_unique<test::ScriptedPrompter>();
    m_screen = std::make_unique<TObradaValuta>(*m_dm);
    Settings::current().set(QStringLiteral("DefValuta"), QStringLiteral("HRK"));
}

void TestObradaValuta::cleanup()
{
    m_screen.reset();
    m_prompter.reset();
    m_db.reset();
    m_dm.reset();
}

void TestObradaValuta::addCurrencies()
{
    m_db->exec(QStringLiteral("INSERT INTO VALUTE VALUES ('USD','dolar')"));
    m_db->exec(QStringLiteral("INSERT INTO VALUTE VALUES ('EUR','euro')"));
}

void TestObradaValuta::showingFillsListsAndDates()
{
    VERIFY_DB(addCurrencies());
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO TECAJ VALUES (:D,'USD',6.5)"),
                         {{QStringLiteral("D"), QDate::currentDate()}}));
    child<QDateEdit>("validFrom")->setDate(QDate(2020, 1, 1));
    QAbstractItemModelTester tester(child<QTableView>("currencyList")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_screen->show();
    QCOMPARE(child<QTabWidget>("tabs")->currentIndex(), 0);
    QCOMPARE(child<QLineEdit>("accountingCurrency")->text(), QStringLiteral("HRK"));
    QCOMPARE(child<QDateEdit>("validFrom")->date(), QDate::currentDate());
    QCOMPARE(child<QDateEdit>("dayDate")->date(), QDate::currentDate());
    QCOMPARE(child<QTableView>("currencyList")->model()->rowCount(), 2);
    QCOMPARE(child<QTableView>("currencyList")->model()->index(0, 0).data().toString(), QStringLiteral("EUR"));
    QCOMPARE(child<CurrencyComboBox>("currency")->currentCode(), QStringLiteral("EUR"));
    QCOMPARE(child<CurrencyComboBox>("historyCurrency")->currentCode(), QStringLiteral("EUR"));
    const QAbstractItemModel *day = child<QTableView>("dayView")->model();
    QCOMPARE(day->rowCount(), 1);
    QCOMPARE(day->index(0, 0).data().toString(), QStringLiteral("USD"));
    QCOMPARE(day->index(0, 1).data().toString(), QStringLiteral("6,5000000"));
    QCOMPARE(child<QTableView>("historyView")->model()->rowCount(), 0);
    // Choosing a currency shows its history.
    child<CurrencyComboBox>("historyCurrency")->setCurrentCode(QStringLiteral("USD"));
    QCOMPARE(child<QTableView>("historyView")->model()->rowCount(), 1);
    QVERIFY(m_prompter->messages.isEmpty());
}

void TestObradaValuta::openedOnRatesTabAtADate()
{
    VERIFY_DB(addCurrencies());
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO TECAJ VALUES ('2024-03-01','EUR',7.5)")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO TECAJ VALUES ('2024-03-15','EUR',7.6)")));
    m_screen->prepareRatesTab(QDate(2024, 3, 14));
    m_screen->show();
    QCOMPARE(child<QTabWidget>("tabs")->currentIndex(), 1);
    QCOMPARE(child<QDateEdit>("validFrom")->date(), QDate(2024, 3, 14));
    QCOMPARE(child<QDateEdit>("dayDate")->date(), QDate(2024, 3, 14));
    const QAbstractItemModel *day = child<QTableView>("dayView")->model();
    QCOMPARE(day->rowCount(), 1);
    QCOMPARE(day->index(0, 1).data().toString(), QStringLiteral("7,5000000"));
    child<QDateEdit>("dayDate")->setDate(QDate(2024, 3, 15));
    QCOMPARE(day->index(0, 1).data().toString(), QStringLiteral("7,6000000"));
    child<QDateEdit>("dayDate")->setDate(QDate(2024, 2, 28));
    QCOMPARE(day->rowCount(), 0);
    // The next showing keeps the tab and its date.
    m_screen->hide();
    m_screen->show();
    QCOMPARE(child<QDateEdit>("validFrom")->date(), QDate(2024, 3, 14));
    QCOMPARE(child<QDateEdit>("dayDate")->date(), QDate(2024, 3, 14));
}

void TestObradaValuta::enterRate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("stored");

    QTest::newRow("thousands and decimal comma") << "1.234,5678" << 1234.5678;
    QTest::newRow("decimal point") << "7.5" << 7.5;
    QTest::newRow("decimal comma") << "7,5" << 7.5;
    QTest::newRow("no digits") << "abc" << 0.0;
}

void TestObradaValuta::enterRate()
{
    QFETCH(QString, text);
    QFETCH(double, stored);
    VERIFY_DB(addCurrencies());
    m_screen->prepareRatesTab(QDate(2024, 3, 1));
    m_screen->show();
    child<CurrencyComboBox>("currency")->setCurrentCode(QStringLiteral("USD"));
    child<QLineEdit>("amount")->setText(text);
    child<QPushButton>("addRate")->click();
    QVERIFY(m_prompter->messages.isEmpty());
    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT DATUM, VALUTA, KURS FROM TECAJ")));
    QCOMPARE(rows, (QVector<QVariantList>{{QDate(2024, 3, 1), "USD", stored}}));
    QCOMPARE(child<CurrencyComboBox>("currency")->currentIndex(), 0);
    QCOMPARE(child<QLineEdit>("amount")->text(), QStringLiteral("0,00"));
    QCOMPARE(child<QDateEdit>("validFrom")->date(), QDate(2024, 3, 1));
    // The day view was read again.
    child<QDateEdit>("dayDate")->setDate(QDate(2024, 3, 1));
    QCOMPARE(child<QTableView>("dayView")->model()->rowCount(), 1);
}

void TestObradaValuta::enterRateNeedsAmountAndCurrency()
{
    m_screen->show(); // no currency at all: the lists stay empty
    auto *amount = child<QLineEdit>("amount");
    amount->setText(QStringLiteral("  "));
    child<QPushButton>("addRate")->click();
    amount->setText(QStringLiteral("7,5"));
    child<QPushButton>("addRate")->click();
    QCOMPARE(m_prompter->messages,
             (QStringList{QStringLiteral("Niste unijel ispravnu vrijednost tečaja!"), QStringLiteral("Niste odabrali valutu!")}));
    QVariant n;
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM TECAJ")));
    QCOMPARE(n.toInt(), 0);
    // Leaving the field writes the rate with seven decimals.
    amount->setText(QStringLiteral("7,5"));
    emit amount->editingFinished();
    QCOMPARE(amount->text(), QStringLiteral("7,5000000"));
}

void TestObradaValuta::addingAnExistingCodeShowsBothMessages()
{
    VERIFY_DB(addCurrencies());
    m_screen->show();
    child<QLineEdit>("currencyCode")->setText(QStringLiteral("EUR"));
    child<QLineEdit>("currencyName")->setText(QStringLiteral("novi euro"));
    child<QPushButton>("addCurrency")->click();
    QCOMPARE(m_prompter->messages, (QStringList{QStringLiteral("Valuta s tom oznakom već postoji u bazi!"),
                                                QStringLiteral("Pogreška prilikom dodavanja valute!")}));
    QCOMPARE(child<QLineEdit>("currencyCode")->text(), QStringLiteral("EUR"));
    QVector<QVariantList> rows;
    VERIFY_DB(rows = m_db->rows(QStringLiteral("SELECT OZNAKA, NAZIV FROM VALUTE ORDER BY OZNAKA")));
    QCOMPARE(rows, (QVector<QVariantList>{{"EUR", "euro"}, {"USD", "dolar"}}));
}

void TestObradaValuta::addedCurrencyClearsFields()
{
    VERIFY_DB(addCurrencies());
    m_screen->show();
    auto *list = child<QTableView>("currencyList");
    list->selectRow(1); // USD
    child<QLineEdit>("currencyCode")->setText(QStringLiteral("CHF"));
    child<QLineEdit>("currencyName")->setText(QStringLiteral("švicarski franak"));
    child<QPushButton>("addCurrency")->click();
    QVERIFY(m_prompter->messages.isEmpty());
    QVERIFY(child<QLineEdit>("currencyCode")->text().isEmpty());
    QVERIFY(child<QLineEdit>("currencyName")->text().isEmpty());
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(list->model()->index(0, 1).data().toString(), QStringLiteral("švicarski franak"));
    // The selected row stays selected.
    QCOMPARE(list->currentIndex().row(), 2);
    // Deleting asks first, then deletes by the code.
    m_prompter->answers << true;
    child<QAction>("deleteCurrency")->trigger();
    QCOMPARE(m_prompter->questions, (QStringList{QStringLiteral("Jeste li sigurni da želite obrisati označenu valutu?!")}));
    QCOMPARE(list->model()->rowCount(), 2);
    QVariant n;
    VERIFY_DB(n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM VALUTE WHERE OZNAKA='USD'")));
    QCOMPARE(n.toInt(), 0);
}

void TestObradaValuta::deletingOneOfTwoIdenticalRatesRemovesBoth()
{
    VERIFY_DB(addCurrencies());
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO TECAJ VALUES ('2024-03-01','EUR',7.5)")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO TECAJ VALUES ('2024-03-01','EUR',7.5)")));
    VERIFY_DB(m_db->exec(QStringLiteral("INSERT INTO TECAJ VALUES ('2024-03-02','EUR',7.6)")));
    m_screen->show();
    auto *history = child<QTableView>("historyView");
    QCOMPARE(history->model()->rowCount(), 3);
    history->selectRow(2);
    m_prompter->answers << false << true;
    child<QAction>("deleteRate")->trigger(); // No: nothing goes
    QCOMPARE(history->model()->rowCount(), 3);
    child<QAction>("deleteRate")->trigger();
    QCOMPARE(m_prompter->questions.last(), QStringLiteral("Jeste li sigurni da želite obrisati označeni tečaj?"));
    QCOMPARE(history->model()->rowCount(), 1);
    QCOMPARE(history->model()->index(0, 0).data().toString(), QStringLiteral("02.03.2024."));
}

void TestObradaValuta::changeDialogRenamesTheCurrency()
{
    VERIFY_DB(addCurrencies());
    m_screen->show();
    child<QTableView>("currencyList")->selectRow(0); // EUR
    QString shownCode;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Promijeni podatke o valuti"));
        shownCode = dialog->findChild<QLabel *>(QStringLiteral("oldCode"))->text();
        dialog->findChild<QLineEdit *>(QStringLiteral("name"))->setText(QStringLiteral("Euro"));
        dialog->findChild<QPushButton *>(QStringLiteral("confirm"))->click();
    });
    child<QAction>("changeCurrency")->trigger();
    QCOMPARE(shownCode, QStringLiteral("EUR"));
    QCOMPARE(child<QTableView>("currencyList")->model()->index(0, 1).data().toString(), QStringLiteral("Euro"));
    QVariant name;
    VERIFY_DB(name = m_db->scalar(QStringLiteral("SELECT NAZIV FROM VALUTE WHERE OZNAKA='EUR'")));
    QCOMPARE(name.toString(), QStringLiteral("Euro"));
}

void TestObradaValuta::accountingCurrencyIsChosenFromTheList()
{
    VERIFY_DB(addCurrencies());
    m_screen->show();
    QSignalSpy chosen(m_screen.get(), &TObradaValuta::accountingCurrencyChosen);
    child<QAction>("setAccountingCurrency")->trigger(); // no row selected: nothing
    QCOMPARE(chosen.count(), 0);
    child<QTableView>("currencyList")->selectRow(1);
    child<QAction>("setAccountingCurrency")->trigger();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toString(), QStringLiteral("USD"));
    QCOMPARE(child<QLineEdit>("accountingCurrency")->text(), QStringLiteral("USD"));
    QCOMPARE(Settings::current().text(QStringLiteral("DefValuta")), QStringLiteral("USD"));
}

QTEST_MAIN(TestObradaValuta)
#include "tst_tobradavaluta.moc"
