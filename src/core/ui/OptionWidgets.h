#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kalvor::optionwidgets {

// Small builders shared by the tabs of the settings screen.

QLineEdit *lineEdit(QWidget *parent);
QCheckBox *checkBox(const QString &caption, QWidget *parent);
QRadioButton *radio(const QString &caption, QWidget *parent);
QGroupBox *group(const QString &title, QWidget *parent);

// A field that holds a whole number of millimetres or days: leaving it
// rewrites its text as that number, or as `fallback` when it is none.
void rewriteAsWholeNumberOnLeave(QLineEdit *edit, int fallback);
// An amount field: leaving it rewrites its text through FormatAmount.
void reformatAmountOnLeave(QLineEdit *edit);

// The text of a field read as a whole number, or `fallback`.
QString wholeNumberText(const QString &text, int fallback);

} // namespace kalvor::optionwidgets
