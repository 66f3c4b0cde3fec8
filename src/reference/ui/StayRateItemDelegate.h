#pragma once

#include <QStyledItemDelegate>

namespace kalvor {

// Draws an item of the stay dialog's country list: the country name on the
// left, the allowance amount in bold with two decimals and the currency on
// the right. The item's text is the name; the amount is its AmountRole data
// and the currency its CurrencyRole data.
class StayRateItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int AmountRole = Qt::UserRole;
    static constexpr int CurrencyRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace kalvor
