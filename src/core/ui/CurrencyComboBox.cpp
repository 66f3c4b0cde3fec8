#include "core/ui/CurrencyComboBox.h"

#include "core/CurrencyList.h"
#include "core/ui/CurrencyItemDelegate.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace kalvor {

CurrencyComboBox::CurrencyComboBox(QWidget *parent) : QComboBox(parent)
{
    setItemDelegate(new CurrencyItemDelegate(this));
    view()->setMinimumWidth(CurrencyItemDelegate::dropDownWidth);
}

void CurrencyComboBox::fill(db::Transaction &read)
{
    setItems(FillCurrencyList(read));
}

void CurrencyComboBox::setItems(const QStringList &items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

QString CurrencyComboBox::currentCode() const
{
    return currentIndex() < 0 ? QString() : ItemCode(currentText());
}

void CurrencyComboBox::setCurrentCode(const QString &code)
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    setCurrentIndex(FindCurrencyIndex(items, code));
}

void CurrencyComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0)
        CurrencyItemDelegate::drawItem(painter, field, currentText(), false, font());
}

} // namespace kalvor
