#pragma once

#include <QStyledItemDelegate>

namespace kalvor {

// Draws a currency choice item ("EUR||euro"): the code in bold, blue, 3 pixels
// from the left edge, and the name in normal weight, black, 35 pixels from the
// left edge, both 1 pixel below the top; on the selected item the code is
// yellow and the name white.
class CurrencyItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Draws one item into `rect`; the closed currency box draws its current
    // item the same way.
    static void drawItem(QPainter &painter, const QRect &rect, const QString &item, bool selected,
                         const QFont &font);

    // Width of the open drop-down of a currency list.
    static constexpr int dropDownWidth = 200;
};

} // namespace kalvor
