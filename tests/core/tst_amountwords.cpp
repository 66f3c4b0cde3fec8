#include "core/AmountWords.h"
#include "core/Settings.h"

#include <QTest>

using namespace kalvor;

// Amounts in Croatian words as cash vouchers print them.
class TestAmountWords : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void numberWords_data();
    void numberWords();
    void amountInWords_data();
    void amountInWords();
    void otherWords_data();
    void otherWords();
    void wordsComeFromCurrentSettings();
};

void TestAmountWords::cleanup()
{
    Settings::current().resetToDefaults();
}

void TestAmountWords::numberWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");

    QTest::newRow("empty") << "  " << "";
    QTest::newRow("zero") << "0" << "";
    QTest::newRow("not a number") << "abc" << "";
    QTest::newRow("unit") << "7" << "sedam";
    QTest::newRow("teen") << "19" << "devetnaest";
    QTest::newRow("round ten") << "20" << "dvadeset";
    QTest::newRow("hundred and ten") << "110" << "stodeset";
    QTest::newRow("fraction dropped") << "12,7" << "dvanaest";
    QTest::newRow("sign ignored") << "-15" << "petnaest";
    QTest::newRow("below a million")
        << "999999" << "devetstodevedesetdevettisućedevetstodevedesetdevet";
    QTest::newRow("a million and one") << "1000001" << "milijunjedna";
    QTest::newRow("a million and a thousand") << "1001000" << "jednamilijunatisuću";
    QTest::newRow("past 32 bits") << "2147483648"
        << "dvijetisućastočetrdesetsedammilijunačetiristoosamdesettritisućešestočetrdesetosam";
    QTest::newRow("five billion") << "5000000000" << "pettisućamilijuna";
    QTest::newRow("a trillion") << "1000000000000" << "milijunmilijuna";
    QTest::newRow("past 64 bits") << "1e20" << "";
}

void TestAmountWords::numberWords()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    QCOMPARE(NumberWords(text), words);
}

void TestAmountWords::amountInWords_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("words");

    QTest::newRow("1") << 1.0 << "jedna kuna";
    QTest::newRow("0,01") << 0.01 << "jedna lipa";
    QTest::newRow("0,50") << 0.5 << "pedeset lipa";
    QTest::newRow("12,50") << 12.5 << "dvanaest kuna i pedeset lipa";
    QTest::newRow("21") << 21.0 << "dvadesetjedna kuna";
    QTest::newRow("101") << 101.0 << "stojedna kuna";
    QTest::newRow("1000") << 1000.0 << "tisuću kuna";
    QTest::newRow("1001") << 1001.0 << "tisućujedna kuna";
    QTest::newRow("2000") << 2000.0 << "dvijetisuća kuna";
    QTest::newRow("5000") << 5000.0 << "pettisuća kuna";
    QTest::newRow("21000") << 21000.0 << "dvadesetjednatisuća kuna";
    QTest::newRow("100000") << 100000.0 << "stotisuće kuna";
    QTest::newRow("123456") << 123456.0 << "stodvadesettritisućečetiristopedesetšest kuna";
    QTest::newRow("1000000") << 1000000.0 << "milijun kuna";
    QTest::newRow("2500000") << 2500000.0 << "dvijemilijunapetstotisuće kuna";
    QTest::newRow("1234,56") << 1234.56 << "tisućudvjestotridesetčetiri kuna i pedesetšest lipa";
    QTest::newRow("0") << 0.0 << "";
    QTest::newRow("negative") << -12.5 << "dvanaest kuna i pedeset lipa";
    QTest::newRow("hundredths round to a hundred") << 0.999 << "sto lipa";
    QTest::newRow("units and a hundred hundredths") << 3.999 << "tri kuna i sto lipa";
    QTest::newRow("below a cent") << 0.004 << "";
    // The cents are those the amount shows: 2,675 shows 2,68.
    QTest::newRow("half a cent up") << 2.675 << "dvije kuna i šezdesetosam lipa";
    QTest::newRow("exact binary half up") << 0.125 << "trinaest lipa";
    QTest::newRow("past 32 bits") << 3000000000.25
        << "tritisućamilijuna kuna i dvadesetpet lipa";
}

void TestAmountWords::amountInWords()
{
    QFETCH(double, amount);
    QFETCH(QString, words);
    QCOMPARE(AmountInWords(amount, "kuna", "lipa", "i"), words);
}

void TestAmountWords::otherWords_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("joining");
    QTest::addColumn<QString>("words");

    QTest::newRow("currency code") << 12.5 << "EUR" << "i" << "dvanaest EUR i pedeset ";
    QTest::newRow("currency, no hundredths") << 12.0 << "EUR" << "i" << "dvanaest EUR";
    QTest::newRow("currency, only hundredths") << 0.5 << "EUR" << "i" << "pedeset ";
    QTest::newRow("other joining word") << 1.5 << "kuna" << "&" << "jedna kuna & pedeset ";
}

void TestAmountWords::otherWords()
{
    QFETCH(double, amount);
    QFETCH(QString, currency);
    QFETCH(QString, joining);
    QFETCH(QString, words);
    QCOMPARE(AmountInWordsForCurrency(amount, currency, joining), words);
}

// What "Isprobaj prikaz" relies on: the words are read when the text is made.
void TestAmountWords::wordsComeFromCurrentSettings()
{
    QCOMPARE(AmountInWords(1.5), QString("jedna kuna i pedeset lipa"));
    Settings::current().set("SlovaVeznik", "&");
    QCOMPARE(AmountInWords(1.5), QString("jedna kuna & pedeset lipa"));
    QCOMPARE(AmountInWordsForCurrency(12.5, "EUR"), QString("dvanaest EUR & pedeset "));
    Settings::current().set("SlovaValuta", "eura");
    Settings::current().set("SlovaStoti", "centi");
    QCOMPARE(AmountInWords(12.5), QString("dvanaest eura & pedeset centi"));
}

QTEST_APPLESS_MAIN(TestAmountWords)
#include "tst_amountwords.moc"
