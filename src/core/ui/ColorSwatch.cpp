#include "core/ui/ColorSwatch.h"

#include "core/Prompter.h"

namespace kalvor {

ColorSwatch::ColorSwatch(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setColor(Qt::white);
}

void ColorSwatch::setColor(const QColor &color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    emit colorChanged(color);
}

void ColorSwatch::mouseDoubleClickEvent(QMouseEvent *)
{
    if (const std::optional<QColor> chosen = Prompter::current().color(m_color))
        setColor(*chosen);
}

} // namespace kalvor
