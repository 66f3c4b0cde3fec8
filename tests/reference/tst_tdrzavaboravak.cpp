#include "reference/StayText.h"
#include "reference/ui/TDrzavaBoravak.h"
#include "support/ScriptedPrompter.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <memory>

using namespace kalvor;

Q_DECLARE_METATYPE(kalvor::Stay)

// The stay dialog "Boravak u državi" driven offscreen: its defaults, the
// country choice, both ways of entering a stay, the carries of the length
// fields and the check of entry and exit.
class TestDrzavaBoravak : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addModeDefaults();
    void choosingACountryFillsAmountAndCurrency();
    void leavingALengthField_data();
    void leavingALengthField();
    void confirmCarriesFirst();
    void entryAndExit();
    void exitBeforeEntryKeepsTheDialogOpen();
    void changeMode_data();
    void changeMode();
    void amountReadBack_data();
    void amountReadBack();
    void noRatesCannotConfirm();

private:
    template<typename T> T *child(const char *name) const
    {
        T *w = m_dialog->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void setMoment(const char *date, const char *time, const QDateTime &value);
    void confirm();

    const QVector<StayRate> m_rates{{QStringLiteral("Austrija"), 35, QStringLiteral("EUR")},
                                    {QStringLiteral("Njemačka"), 1250, QStringLiteral("EUR")},
                                    {QStringLiteral("Srbija"), 20, QStringLiteral("USD")}};
    std::unique_ptr<test::ScriptedPrompter> m_prompter;
    std::unique_ptr<TDrzavaBoravak> m_dialog;
};

void TestDrzavaBoravak::init()
{
    m_prompter = std::make_unique<test::ScriptedPrompter>();
    m_dialog = std::make_unique<TDrzavaBoravak>(m_rates);
    m_dialog->show();
}

void TestDrzavaBoravak::cleanup()
{
    m_dialog.reset();
    m_prompter.reset();
}

void TestDrzavaBoravak::setMoment(const char *date, const char *time, const QDateTime &value)
{
    child<QDateEdit>(date)->setDate(value.date());
    child<QTimeEdit>(time)->setTime(value.time());
}

void TestDrzavaBoravak::confirm()
{
    child<QPushButton>("confirm")->click();
}

void TestDrzavaBoravak::addModeDefaults()
{
    m_dialog->prepareAdd();
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Boravak u državi"));
    QCOMPARE(child<QPushButton>("confirm")->text(), QStringLiteral("Dodaj"));
    QCOMPARE(child<QComboBox>("mode")->currentText(), QStringLiteral("Duljina boravka"));
    QCOMPARE(child<QLineEdit>("days")->text(), QStringLiteral("0"));
    QCOMPARE(child<QLineEdit>("hours")->text(), QStringLiteral("3"));
    QCOMPARE(child<QLineEdit>("minutes")->text(), QStringLiteral("0"));
    const QDate today = QDate::currentDate();
    QCOMPARE(child<QDateEdit>("entryDate")->date(), today);
    QCOMPARE(child<QTimeEdit>("entryTime")->time(), QTime(8, 0));
    QCOMPARE(child<QDateEdit>("exitDate")->date(), today);
    QCOMPARE(child<QTimeEdit>("exitTime")->time(), QTime(11, 0));
    QCOMPARE(child<QDateEdit>("entryDate")->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(child<QTimeEdit>("entryTime")->displayFormat(), QStringLiteral("HH:mm"));
    QCOMPARE(child<QComboBox>("country")->currentText(), QStringLiteral("Austrija"));
    QCOMPARE(child<QLineEdit>("amount")->text(), QStringLiteral("35,00"));
    QCOMPARE(child<QComboBox>("currency")->currentText(), QStringLiteral("EUR"));
    confirm();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    const Stay stay = m_dialog->stay();
    QVERIFY(!stay.hasEntry());
    QCOMPARE(stay.country, QStringLiteral("Austrija"));
    QCOMPARE(stay.amount, 35.0);
    QCOMPARE(stay.currency, QStringLiteral("EUR"));
    QCOMPARE(DaysToMinutes(stay.duration), 180);
    QCOMPARE(stay.exit, stay.duration);
}

void TestDrzavaBoravak::choosingACountryFillsAmountAndCurrency()
{
    auto *currency = child<QComboBox>("currency");
    QCOMPARE(currency->count(), 2); // the distinct currencies of the rates
    child<QComboBox>("country")->setCurrentIndex(2);
    QCOMPARE(child<QLineEdit>("amount")->text(), QStringLiteral("20,00"));
    QCOMPARE(currency->currentText(), QStringLiteral("USD"));
    child<QComboBox>("country")->setCurrentIndex(1);
    QCOMPARE(child<QLineEdit>("amount")->text(), QStringLiteral("1.250,00"));
    QCOMPARE(currency->currentText(), QStringLiteral("EUR"));
}

void TestDrzavaBoravak::leavingALengthField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("typed"); // days, hours, minutes
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("hours 50 -> 2 days 2 hours")
        << "hours" << QStringList{"0", "50", "0"} << QStringList{"2", "2", "0"};
    QTest::newRow("the carried days replace the days")
        << "hours" << QStringList{"5", "30", "10"} << QStringList{"1", "6", "10"};
    QTest::newRow("hours 23 stay") << "hours" << QStringList{"1", "23", "0"} << QStringList{"1", "23", "0"};
    QTest::newRow("minutes 135 -> 2 hours 15 min (hours replaced)")
        << "minutes" << QStringList{"0", "7", "135"} << QStringList{"0", "2", "15"};
    QTest::newRow("minutes 1500 -> 25 h -> 1 day 1 hour")
        << "minutes" << QStringList{"0", "0", "1500"} << QStringList{"1", "1", "0"};
    QTest::newRow("minutes 60") << "minutes" << QStringList{"0", "0", "60"} << QStringList{"0", "1", "0"};
    QTest::newRow("not a number is 0") << "hours" << QStringList{"0", "abc", "0"} << QStringList{"0", "0", "0"};
    QTest::newRow("whole numbers only") << "days" << QStringList{"2,5", "4", "0"} << QStringList{"0", "4", "0"};
}

void TestDrzavaBoravak::leavingALengthField()
{
    QFETCH(QString, field);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    const char *names[] = {"days", "hours", "minutes"};
    for (int i = 0; i < 3; ++i)
        child<QLineEdit>(names[i])->setText(typed[i]);
    emit m_dialog->findChild<QLineEdit *>(field)->editingFinished();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(child<QLineEdit>(names[i])->text(), shown[i]);
}

void TestDrzavaBoravak::confirmCarriesFirst()
{
    child<QLineEdit>("days")->setText(QStringLiteral("1"));
    child<QLineEdit>("hours")->setText(QStringLiteral("2"));
    child<QLineEdit>("minutes")->setText(QStringLiteral("90"));
    confirm();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(child<QLineEdit>("hours")->text(), QStringLiteral("1"));
    QCOMPARE(DaysToMinutes(m_dialog->stay().duration), 24 * 60 + 90);
}

void TestDrzavaBoravak::entryAndExit()
{
    child<QComboBox>("mode")->setCurrentIndex(0);
    const QDateTime entry(QDate(2024, 3, 1), QTime(22, 15));
    const QDateTime exit(QDate(2024, 3, 3), QTime(1, 45));
    setMoment("entryDate", "entryTime", entry);
    setMoment("exitDate", "exitTime", exit);
    QCOMPARE(child<QLabel>("stayLength")->text(), QStringLiteral("27 sati i 30 minuta"));
    confirm();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    const Stay stay = m_dialog->stay();
    QVERIFY(stay.hasEntry());
    QCOMPARE(FromDayNumber(stay.entry), entry);
    QCOMPARE(FromDayNumber(stay.exit), exit);
    QCOMPARE(DaysToMinutes(stay.duration), 27 * 60 + 30);
}

void TestDrzavaBoravak::exitBeforeEntryKeepsTheDialogOpen()
{
    child<QComboBox>("mode")->setCurrentIndex(0);
    setMoment("entryDate", "entryTime", QDateTime(QDate(2024, 3, 2), QTime(8, 0)));
    setMoment("exitDate", "exitTime", QDateTime(QDate(2024, 3, 2), QTime(7, 59)));
    QCOMPARE(child<QLabel>("stayLength")->text(), QStringLiteral("Pogrešan unos!!!"));
    confirm();
    QCOMPARE(m_prompter->messages,
             QStringList{QStringLiteral("Pogrešan unos ulaska u državu i izlaska iz države!\n"
                                        "Prije spremanja podatak morate ispraviti unos.")});
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    // The same moment twice is a stay of no length, not an error.
    child<QTimeEdit>("exitTime")->setTime(QTime(8, 0));
    QCOMPARE(child<QLabel>("stayLength")->text(), QStringLiteral("0 sati i 0 minuta"));
    confirm();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

void TestDrzavaBoravak::changeMode_data()
{
    QTest::addColumn<Stay>("stay");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("length"); // days, hours, minutes
    QTest::addColumn<QString>("stayLength");

    const StayRate serbia{QStringLiteral("Srbija"), 22.5, QStringLiteral("EUR")};
    QTest::newRow("entry and exit")
        << Stay::fromEntryExit(serbia, QDateTime(QDate(2024, 5, 6), QTime(6, 30)),
                               QDateTime(QDate(2024, 5, 7), QTime(9, 0)))
        << "Srbija" << "Ulaz i izlaz iz države" << QStringList{"0", "3", "0"} << "26 sati i 30 minuta";
    QTest::newRow("length of stay") << Stay::ofLength(serbia, MinutesToDays(2 * 1440 + 5 * 60 + 7)) << "Srbija"
                                    << "Duljina boravka" << QStringList{"2", "5", "7"} << "3 sati i 0 minuta";
    QTest::newRow("a country not in the list: the first")
        << Stay::ofLength({QStringLiteral("Island"), 22.5, QStringLiteral("EUR")}, 0.5) << "Austrija"
        << "Duljina boravka" << QStringList{"0", "12", "0"} << "3 sati i 0 minuta";
}

void TestDrzavaBoravak::changeMode()
{
    QFETCH(Stay, stay);
    QFETCH(QString, country);
    QFETCH(QString, mode);
    QFETCH(QStringList, length);
    QFETCH(QString, stayLength);
    m_dialog->prepareChange(stay);
    QCOMPARE(child<QPushButton>("confirm")->text(), QStringLiteral("Promijeni"));
    QCOMPARE(child<QComboBox>("country")->currentText(), country);
    // The stay's own amount and currency, not the rate of the day.
    QCOMPARE(child<QLineEdit>("amount")->text(), QStringLiteral("22,50"));
    QCOMPARE(child<QComboBox>("currency")->currentText(), QStringLiteral("EUR"));
    QCOMPARE(child<QComboBox>("mode")->currentText(), mode);
    QCOMPARE((QStringList{child<QLineEdit>("days")->text(), child<QLineEdit>("hours")->text(),
                          child<QLineEdit>("minutes")->text()}),
             length);
    QCOMPARE(child<QLabel>("stayLength")->text(), stayLength);
    confirm();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    const Stay changed = m_dialog->stay();
    QCOMPARE(changed.country, country);
    QCOMPARE(changed.amount, 22.5);
    QCOMPARE(changed.entry, stay.entry);
    QCOMPARE(changed.exit, stay.exit);
    QCOMPARE(changed.duration, stay.duration);
}

void TestDrzavaBoravak::amountReadBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("amount");

    QTest::newRow("as shown, with thousands") << "1.234,50" << 1234.5;
    QTest::newRow("millions") << "1.234.567,89" << 1234567.89;
    QTest::newRow("decimal comma") << "35,5" << 35.5;
    QTest::newRow("decimal point") << "35.5" << 35.5;
    QTest::newRow("not a number") << "x" << 0.0;
}

void TestDrzavaBoravak::amountReadBack()
{
    QFETCH(QString, text);
    QFETCH(double, amount);
    child<QLineEdit>("amount")->setText(text);
    confirm();
    QCOMPARE(m_dialog->stay().amount, amount);
}

void TestDrzavaBoravak::noRatesCannotConfirm()
{
    TDrzavaBoravak dialog({});
    dialog.show();
    auto *country = dialog.findChild<QComboBox *>(QStringLiteral("country"));
    QCOMPARE(country->count(), 0);
    auto *confirmButton = dialog.findChild<QPushButton *>(QStringLiteral("confirm"));
    QVERIFY(!confirmButton->isEnabled());
    confirmButton->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestDrzavaBoravak)
#include "tst_tdrzavaboravak.moc"
