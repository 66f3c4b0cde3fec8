#include "core/Amounts.h"

#include <QTest>

using namespace kalvor;

// Amount texts: reading either separator, and showing amounts rounded to
// cents half away from zero on their decimal value.
class TestAmounts : public QObject
{
    Q_OBJECT

private slots:
    void parseAmount_data();
    void parseAmount();
    void formatText_data();
    void formatText();
    void formatNumber_data();
    void formatNumber();
    void formatRate_data();
    void formatRate();
};

void TestAmounts::parseAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("full stop thousands, comma decimal") << "1.234,50" << 1234.5;
    QTest::newRow("comma thousands, full stop decimal") << "1,234.50" << 1234.5;
    QTest::newRow("comma decimal") << "12,5" << 12.5;
    QTest::newRow("full stop decimal") << "12.5" << 12.5;
    QTest::newRow("negative") << "-3,25" << -3.25;
    QTest::newRow("plus sign") << "+3,25" << 3.25;
    QTest::newRow("surrounding blanks") << "  7,25 " << 7.25;
    QTest::newRow("whole number") << "1500" << 1500.0;
    QTest::newRow("no digit") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("separator alone") << "," << 0.0;
    QTest::newRow("two decimal separators") << "1.2.3" << 0.0;
    QTest::newRow("every thousands separator goes") << "1.234.567,89" << 1234567.89;
    QTest::newRow("grouping after the decimal separator") << "1.2,3.4" << 0.0;
    QTest::newRow("letters after digits") << "12kn" << 0.0;
    QTest::newRow("blank inside") << "1 234,5" << 0.0;
    QTest::newRow("two signs") << "+-5" << 0.0;
    QTest::newRow("out of range") << "1e999" << 0.0;
}

void TestAmounts::parseAmount()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ParseAmount(text), value);
}

void TestAmounts::formatText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("amount");     // FormatAmount
    QTest::addColumn<QString>("amountZero"); // FormatAmountZero

    QTest::newRow("zero") << "0" << "" << "0,00";
    QTest::newRow("not a number") << "abc" << "" << "0,00";
    QTest::newRow("thousands") << "1234,5" << "1.234,50" << "1234,50";
    QTest::newRow("other separators") << "1,234.5" << "1.234,50" << "1234,50";
    QTest::newRow("below one") << "0,5" << "0,50" << "0,50";
    QTest::newRow("negative") << "-1234,5" << "-1.234,50" << "-1234,50";
    QTest::newRow("over a million, no 7 digit rounding")
        << "1234567,891" << "1.234.567,89" << "1234567,89";
    QTest::newRow("over a billion") << "1234567890,12" << "1.234.567.890,12" << "1234567890,12";
    QTest::newRow("half up on the decimal value") << "2,675" << "2,68" << "2,68";
    QTest::newRow("half away from zero") << "-2,675" << "-2,68" << "-2,68";
    QTest::newRow("1,005") << "1,005" << "1,01" << "1,01";
    QTest::newRow("below half") << "2,6749" << "2,67" << "2,67";
    QTest::newRow("carry into thousands") << "999,995" << "1.000,00" << "1000,00";
    QTest::newRow("rounds to zero") << "0,004" << "" << "0,00";
    QTest::newRow("rounds to negative zero") << "-0,004" << "" << "0,00";
}

void TestAmounts::formatText()
{
    QFETCH(QString, text);
    QFETCH(QString, amount);
    QFETCH(QString, amountZero);
    QCOMPARE(FormatAmount(text), amount);
    QCOMPARE(FormatAmountZero(text), amountZero);
    // What a field shows reads back as the same figure.
    QCOMPARE(FormatAmount(FormatAmount(text)), amount);
    QCOMPARE(ParseAmount(amount), ParseAmount(amountZero));
}

void TestAmounts::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("amountZero");

    QTest::newRow("zero") << 0.0 << "" << "0,00";
    QTest::newRow("negative zero") << -0.0 << "" << "0,00";
    // Each of these lies just below the half as a double, so rounding the
    // double times 100 would give one cent less.
    QTest::newRow("2.675") << 2.675 << "2,68" << "2,68";
    QTest::newRow("-2.675") << -2.675 << "-2,68" << "-2,68";
    QTest::newRow("1.005") << 1.005 << "1,01" << "1,01";
    QTest::newRow("0.615") << 0.615 << "0,62" << "0,62";
    QTest::newRow("exact binary half") << 0.125 << "0,13" << "0,13";
    QTest::newRow("computed amount") << 0.1 + 0.2 << "0,30" << "0,30";
    QTest::newRow("over a million") << 1234567.891 << "1.234.567,89" << "1234567,89";
    QTest::newRow("tens of billions") << 12345678901.235 << "12.345.678.901,24"
                                      << "12345678901,24";
    QTest::newRow("not finite") << qInf() << "" << "0,00";
}

void TestAmounts::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, amount);
    QFETCH(QString, amountZero);
    QCOMPARE(FormatAmount(value), amount);
    QCOMPARE(FormatAmountZero(value), amountZero);
}

void TestAmounts::formatRate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rate");

    QTest::newRow("zero") << "0" << "";
    QTest::newRow("not a number") << "abc" << "";
    QTest::newRow("padded to seven") << "7,5" << "7,5000000";
    QTest::newRow("full stop decimal") << "7.53452" << "7,5345200";
    QTest::newRow("rounded at seven") << "1234,123456789" << "1.234,1234568";
    QTest::newRow("half at the seventh") << "0,00000005" << "0,0000001";
    QTest::newRow("rounds to zero") << "0,00000004" << "";
    QTest::newRow("negative") << "-0,5" << "-0,5000000";
    QTest::newRow("fifteen significant digits") << "123456789,123456789" << "123.456.789,1234570";
}

void TestAmounts::formatRate()
{
    QFETCH(QString, text);
    QFETCH(QString, rate);
    QCOMPARE(FormatRate(text), rate);
    QCOMPARE(FormatRate(ParseAmount(text)), rate);
}

QTEST_APPLESS_MAIN(TestAmounts)
#include "tst_amounts.moc"
