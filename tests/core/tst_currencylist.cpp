#include "core/CurrencyList.h"
#include "core/db/DbError.h"
#include "core/ui/CurrencyComboBox.h"
#include "core/ui/CurrencyItemDelegate.h"
#include "support/TestDatabase.h"

#include <QAbstractItemView>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace kalvor;
using kalvor::test::TestDatabase;

// The currency choice list: its items from VALUTE, the functions that read
// an item, and how an item is drawn.
class TestCurrencyList : public QObject
{
    Q_OBJECT

private slots:
    void fillsFromCurrenciesInCodeOrder();
    void itemParts_data();
    void itemParts();
    void findCurrencyIndex_data();
    void findCurrencyIndex();
    void comboBoxChoosesByCode();
    void drawing_data();
    void drawing();

private:
    // The colours of the pixels of `image` between x0 and x1.
    static QSet<QRgb> colours(const QImage &image, int x0, int x1);
};

void TestCurrencyList::fillsFromCurrenciesInCodeOrder()
{
    db::Database own;
    try {
        TestDatabase tdb(own);
        tdb.exec(QStringLiteral("INSERT INTO VALUTE (OZNAKA, NAZIV) VALUES ('USD', 'američki dolar')"));
        tdb.exec(QStringLiteral("INSERT INTO VALUTE (OZNAKA, NAZIV) VALUES ('EUR', 'euro')"));
        tdb.exec(QStringLiteral("INSERT INTO VALUTE (OZNAKA, NAZIV) VALUES ('CHF', NULL)"));
        db::Transaction read(own);
        QStringList items{QStringLiteral("old||item")};
        FillCurrencyList(items, read);
        QCOMPARE(items, QStringList({"CHF||", "EUR||euro", "USD||američki dolar"}));
        QVERIFY(!read.isActive());

        CurrencyComboBox combo;
        combo.fill(read);
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.currentIndex(), -1);
    } catch (const db::DbError &e) {
        QFAIL(qPrintable(e.message()));
    }
}

void TestCurrencyList::itemParts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("code and name") << "EUR||euro" << "EUR" << "euro";
    QTest::newRow("empty name") << "CHF||" << "CHF" << "";
    QTest::newRow("name with separator") << "XYZ||a||b" << "XYZ" << "a||b";
    QTest::newRow("no separator") << "EUR" << "" << "";
}

void TestCurrencyList::itemParts()
{
    QFETCH(QString, item);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(ItemCode(item), code);
    QCOMPARE(ItemName(item), name);
}

void TestCurrencyList::findCurrencyIndex_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index");
    QTest::newRow("exact") << "USD" << 2;
    QTest::newRow("letter case ignored") << "eur" << 1;
    QTest::newRow("first of two") << "HRK" << 0;
    QTest::newRow("missing") << "GBP" << -1;
    QTest::newRow("empty code matches no item") << "" << -1;
}

void TestCurrencyList::findCurrencyIndex()
{
    QFETCH(QString, code);
    QFETCH(int, index);
    const QStringList items{"HRK||kuna", "EUR||euro", "USD||dolar", "hrk||druga kuna"};
    QCOMPARE(FindCurrencyIndex(items, code), index);
}

void TestCurrencyList::comboBoxChoosesByCode()
{
    CurrencyComboBox combo;
    combo.setItems({"EUR||euro", "USD||dolar"});
    combo.setCurrentCode(QStringLiteral("usd"));
    QCOMPARE(combo.currentCode(), QStringLiteral("USD"));
    combo.setCurrentCode(QStringLiteral("GBP"));
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(combo.currentCode(), QString());
    QCOMPARE(combo.view()->minimumWidth(), CurrencyItemDelegate::dropDownWidth);
}

QSet<QRgb> TestCurrencyList::colours(const QImage &image, int x0, int x1)
{
    QSet<QRgb> result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x)
            result.insert(image.pixel(x, y) & 0xFFFFFF);
    return result;
}

void TestCurrencyList::drawing_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("codeColour");
    QTest::addColumn<QColor>("nameColour");
    QTest::newRow("plain") << false << QColor(Qt::blue) << QColor(Qt::black);
    QTest::newRow("selected") << true << QColor(Qt::yellow) << QColor(Qt::white);
}

void TestCurrencyList::drawing()
{
    QFETCH(bool, selected);
    QFETCH(QColor, codeColour);
    QFETCH(QColor, nameColour);
    QImage image(200, 20, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QFont font;
    font.setPixelSize(14);
    {
        QPainter painter(&image);
        CurrencyItemDelegate::drawItem(painter, image.rect(), QStringLiteral("EUR||euro"), selected, font);
    }
    // The code lies between 3 and 35 pixels, the name from 35 pixels on.
    const QSet<QRgb> codePart = colours(image, 0, 35);
    const QSet<QRgb> namePart = colours(image, 35, 200);
    QVERIFY(colours(image, 0, 3).size() == 1);
    QVERIFY(codePart.contains(codeColour.rgb() & 0xFFFFFF));
    QVERIFY(!codePart.contains(nameColour.rgb() & 0xFFFFFF));
    QVERIFY(namePart.contains(nameColour.rgb() & 0xFFFFFF));
    QVERIFY(!namePart.contains(codeColour.rgb() & 0xFFFFFF));
}

QTEST_MAIN(TestCurrencyList)
#include "tst_currencylist.moc"
