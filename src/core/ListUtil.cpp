#include "core/ListUtil.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDate>
#include <QDateTime>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>

namespace kalvor {

QString NthPart(const QString &text, int n)
{
    if (n <= 0)
        return QString();
    const QStringList parts = text.split(QStringLiteral("||"));
    return n <= parts.size() ? parts.at(n - 1) : parts.last();
}

void SplitToList(const QString &text, const QString &separator, QStringList &list)
{
    list.clear();
    if (separator.isEmpty()) {
        list.append(text.trimmed());
        return;
    }
    list = text.split(separator);
    list.last() = list.last().trimmed();
}

namespace {

QString cellText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy."));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("dd.MM.yyyy. hh:mm:ss"));
    default:
        return value.toString();
    }
}

// The column header of a table or tree list; none for other views.
const QHeaderView *columnHeader(const QAbstractItemView *view)
{
    if (const auto *table = qobject_cast<const QTableView *>(view))
        return table->horizontalHeader();
    if (const auto *tree = qobject_cast<const QTreeView *>(view))
        return tree->header();
    return nullptr;
}

// The columns a header shows, in their order on screen.
QList<int> shownColumns(const QHeaderView &header)
{
    QList<int> columns;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        if (!header.isSectionHidden(logical))
            columns.append(logical);
    }
    return columns;
}

} // namespace

QString gridText(const QAbstractItemModel *model)
{
    QList<int> columns;
    for (int c = 0; c < model->columnCount(); ++c)
        columns.append(c);
    return gridText(model, columns);
}

QString gridText(const QAbstractItemModel *model, const QList<int> &cols)
{
    const QString tab = QStringLiteral("\t");
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("##");
    for (const int c : cols)
        text += tab + model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    text += lineEnd;
    for (int row = 0; row < model->rowCount(); ++row) {
        text += QString::number(row + 1);
        for (const int c : cols)
            text += tab + cellText(model->index(row, c).data(Qt::DisplayRole));
        text += lineEnd;
    }
    return text;
}

void CopyGridToClipboard(QAbstractItemView *view)
{
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    if (!model || model->rowCount() == 0)
        return;
    // The rows are read from the model, so the list's current row never
    // moves.
    const QHeaderView *header = columnHeader(view);
    QGuiApplication::clipboard()->setText(header ? gridText(model, shownColumns(*header))
                                                 : gridText(model));
}

} // namespace kalvor
