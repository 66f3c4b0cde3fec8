#include "reference/ui/CountryItemDelegate.h"

#include "reference/CountryList.h"

#include <QPainter>

namespace kalvor {

namespace {
constexpr int nameLeft = 3;
constexpr int top = 1;
} // namespace

void CountryItemDelegate::drawItem(QPainter &painter, const QRect &rect, const QString &item, const QColor &color,
                                   const QFont &font)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect.adjusted(nameLeft, top, 0, 0), Qt::AlignLeft | Qt::AlignTop, ItemCountryName(item));
    painter.restore();
}

void CountryItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    drawItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
             selected ? option.palette.highlightedText().color() : option.palette.text().color(), option.font);
}

} // namespace kalvor
