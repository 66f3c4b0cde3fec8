#include "core/ui/OptionWidgets.h"

#include "core/Amounts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace kalvor::optionwidgets {

QLineEdit *lineEdit(QWidget *parent)
{
    return new QLineEdit(parent);
}

QCheckBox *checkBox(const QString &caption, QWidget *parent)
{
    return new QCheckBox(caption, parent);
}

QRadioButton *radio(const QString &caption, QWidget *parent)
{
    return new QRadioButton(caption, parent);
}

QGroupBox *group(const QString &title, QWidget *parent)
{
    return new QGroupBox(title, parent);
}

QString wholeNumberText(const QString &text, int fallback)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return QString::number(ok ? n : fallback);
}

void rewriteAsWholeNumberOnLeave(QLineEdit *edit, int fallback)
{
    QObject::connect(edit, &QLineEdit::editingFinished, edit,
                     [edit, fallback] { edit->setText(wholeNumberText(edit->text(), fallback)); });
}

void reformatAmountOnLeave(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] { edit->setText(FormatAmount(edit->text())); });
}

} // namespace kalvor::optionwidgets
