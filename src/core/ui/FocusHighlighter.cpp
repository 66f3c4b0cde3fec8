#include "core/ui/FocusHighlighter.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>

namespace kalvor {

void FocusHighlighter::watch(QWidget *area)
{
    for (QLineEdit *edit : area->findChildren<QLineEdit *>())
        edit->installEventFilter(this);
    for (QPlainTextEdit *edit : area->findChildren<QPlainTextEdit *>())
        edit->installEventFilter(this);
}

bool FocusHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto *widget = static_cast<QWidget *>(watched);
        QPalette p = widget->palette();
        p.setColor(QPalette::Base, event->type() == QEvent::FocusIn
                                       ? highlightColor()
                                       : widget->style()->standardPalette().color(QPalette::Base));
        widget->setPalette(p);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kalvor
