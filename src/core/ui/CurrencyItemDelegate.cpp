#include "core/ui/CurrencyItemDelegate.h"

#include "core/CurrencyList.h"

#include <QPainter>

namespace kalvor {

namespace {
constexpr int codeLeft = 3;
constexpr int nameLeft = 35;
constexpr int top = 1;
} // namespace

void CurrencyItemDelegate::drawItem(QPainter &painter, const QRect &rect, const QString &item, bool selected,
                                    const QFont &font)
{
    painter.save();
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(selected ? QColor(Qt::yellow) : QColor(Qt::blue));
    painter.drawText(rect.adjusted(codeLeft, top, 0, 0), Qt::AlignLeft | Qt::AlignTop, ItemCode(item));
    painter.setFont(font);
    painter.setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    painter.drawText(rect.adjusted(nameLeft, top, 0, 0), Qt::AlignLeft | Qt::AlignTop, ItemName(item));
    painter.restore();
}

void CurrencyItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    drawItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(), selected, option.font);
}

QSize CurrencyItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(dropDownWidth);
    return size;
}

} // namespace kalvor
