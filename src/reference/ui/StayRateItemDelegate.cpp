#include "reference/ui/StayRateItemDelegate.h"

#include "core/Amounts.h"

#include <QPainter>

namespace kalvor {

namespace {
constexpr int margin = 3;
constexpr int currencyWidth = 40;
constexpr int listWidth = 260;
} // namespace

void StayRateItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    const QRect text = option.rect.adjusted(margin, 0, -margin, 0);
    const QRect amount = text.adjusted(0, 0, -currencyWidth, 0);
    painter->setFont(option.font);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
    painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter, index.data(CurrencyRole).toString());
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->drawText(amount, Qt::AlignRight | Qt::AlignVCenter,
                      FormatAmountZero(index.data(AmountRole).toDouble()));
    painter->restore();
}

QSize StayRateItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(qMax(size.width(), listWidth));
    return size;
}

} // namespace kalvor
