#include "reference/ui/CountryComboBox.h"

#include "reference/CountryList.h"
#include "reference/ui/CountryItemDelegate.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace kalvor {

CountryComboBox::CountryComboBox(QWidget *parent) : QComboBox(parent)
{
    setItemDelegate(new CountryItemDelegate(this));
}

void CountryComboBox::fill(db::Transaction &read)
{
    setItems(FillCountryList(read));
}

void CountryComboBox::setItems(const QStringList &items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

QStringList CountryComboBox::items() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result << itemText(i);
    return result;
}

int CountryComboBox::currentCountryId() const
{
    return currentIndex() < 0 ? -1 : ItemCountryId(currentText());
}

QString CountryComboBox::currentCountryName() const
{
    return currentIndex() < 0 ? QString() : ItemCountryName(currentText());
}

void CountryComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0)
        CountryItemDelegate::drawItem(painter, field, currentText(), palette().text().color(), font());
}

} // namespace kalvor
