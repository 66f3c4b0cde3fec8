#include "core/ListUtil.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using namespace kalvor;

// The list routines: choice-list parts, splitting texts, and the
// "Kopiraj tablicu" text of a list.
class TestListUtil : public QObject
{
    Q_OBJECT

private slots:
    void nthPart_data();
    void nthPart();
    void splitToList_data();
    void splitToList();
    void copyTwoColumnList();
    void copyFollowsTheShownList();
    void copyWritesDatesAsTheSystemDoes();
    void emptyListLeavesClipboard();

private:
    static QStandardItemModel *orders(QObject *parent, const QList<QStringList> &rows);
};

void TestListUtil::nthPart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("part");

    QTest::newRow("first") << "Euro||EUR||3" << 1 << "Euro";
    QTest::newRow("middle") << "Euro||EUR||3" << 2 << "EUR";
    QTest::newRow("last") << "Euro||EUR||3" << 3 << "3";
    QTest::newRow("past the last part") << "Euro||EUR||3" << 5 << "3";
    QTest::newRow("no separator") << "Euro" << 2 << "Euro";
    QTest::newRow("empty part") << "a||||c" << 2 << "";
    QTest::newRow("zero") << "a||b" << 0 << "";
    QTest::newRow("negative") << "a||b" << -1 << "";
    QTest::newRow("single bar is no separator") << "a|b||c" << 1 << "a|b";
}

void TestListUtil::nthPart()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, part);
    QCOMPARE(NthPart(text, n), part);
}

void TestListUtil::splitToList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("only the last part trimmed")
        << " a ; b ; c " << ";" << QStringList{" a ", " b ", "c"};
    QTest::newRow("longer separator") << "a||b" << "||" << QStringList{"a", "b"};
    QTest::newRow("empty parts kept") << "a;;b;" << ";" << QStringList{"a", "", "b", ""};
    QTest::newRow("no separator in text") << " abc " << ";" << QStringList{"abc"};
    QTest::newRow("empty text") << "" << ";" << QStringList{""};
    QTest::newRow("empty separator") << " a;b " << "" << QStringList{"a;b"};
}

void TestListUtil::splitToList()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, parts);
    QStringList list{"left over"};
    SplitToList(text, separator, list);
    QCOMPARE(list, parts);
}

QStandardItemModel *TestListUtil::orders(QObject *parent, const QList<QStringList> &rows)
{
    auto *model = new QStandardItemModel(0, 2, parent);
    model->setHorizontalHeaderLabels({"Oznaka", "Datum"});
    for (const QStringList &row : rows)
        model->appendRow({new QStandardItem(row.at(0)), new QStandardItem(row.at(1))});
    return model;
}

void TestListUtil::copyTwoColumnList()
{
    QTableView view;
    view.setModel(orders(&view, {{"PN-12/2009", "07.03.2009."}}));
    CopyGridToClipboard(&view);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString("##\tOznaka\tDatum\r\n1\tPN-12/2009\t07.03.2009.\r\n"));
}

// Sorted rows come in the list's order, moved columns in their order on
// screen, hidden columns stay out, and the current row does not move.
void TestListUtil::copyFollowsTheShownList()
{
    QTableView view;
    auto *model = orders(&view, {{"PN-2", "02.01.2009."}, {"PN-3", "03.01.2009."},
                                 {"PN-1", "01.01.2009."}});
    model->insertColumn(0, {new QStandardItem("7"), new QStandardItem("8"), new QStandardItem("9")});
    model->setHorizontalHeaderItem(0, new QStandardItem("ID"));
    auto *sorted = new QSortFilterProxyModel(&view);
    sorted->setSourceModel(model);
    sorted->sort(1);
    view.setModel(sorted);
    view.setColumnHidden(0, true);
    view.horizontalHeader()->moveSection(2, 1);
    view.setCurrentIndex(sorted->index(1, 2));

    CopyGridToClipboard(&view);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString("##\tDatum\tOznaka\r\n"
                     "1\t01.01.2009.\tPN-1\r\n"
                     "2\t02.01.2009.\tPN-2\r\n"
                     "3\t03.01.2009.\tPN-3\r\n"));
    QCOMPARE(view.currentIndex(), sorted->index(1, 2));
}

void TestListUtil::copyWritesDatesAsTheSystemDoes()
{
    QStandardItemModel model(1, 1);
    model.setHorizontalHeaderLabels({"Datum"});
    model.setData(model.index(0, 0), QDate(2009, 3, 7));
    QCOMPARE(gridText(&model), QString("##\tDatum\r\n1\t07.03.2009.\r\n"));
}

void TestListUtil::emptyListLeavesClipboard()
{
    QGuiApplication::clipboard()->setText("before");
    QTableView view;
    view.setModel(orders(&view, {}));
    CopyGridToClipboard(&view);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
}

QTEST_MAIN(TestListUtil)
#include "tst_listutil.moc"
