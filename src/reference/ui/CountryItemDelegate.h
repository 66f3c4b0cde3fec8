#pragma once

#include <QStyledItemDelegate>

namespace kalvor {

// Draws a country choice item ("Austrija||AT||12"): only the name, 3 pixels
// from the left edge and 1 pixel below the top, in the list's font.
class CountryItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Draws one item into `rect`; the closed country box draws its current
    // item the same way.
    static void drawItem(QPainter &painter, const QRect &rect, const QString &item, const QColor &color,
                         const QFont &font);
};

} // namespace kalvor
