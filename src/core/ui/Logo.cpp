#include "core/ui/Logo.h"

#include "core/Version.h"

#include <QPainter>
#include <QPainterPath>

namespace kalvor {

void paintLogo(QPainter &painter, const QRect &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, QColor(128, 0, 0));
    // A road running into the distance under the name.
    QPainterPath road;
    road.moveTo(area.left() + area.width() * 0.30, area.bottom());
    road.lineTo(area.left() + area.width() * 0.47, area.top() + area.height() * 0.62);
    road.lineTo(area.left() + area.width() * 0.53, area.top() + area.height() * 0.62);
    road.lineTo(area.left() + area.width() * 0.70, area.bottom());
    road.closeSubpath();
    painter.fillPath(road, QColor(60, 60, 60));
    painter.setPen(QPen(QColor(255, 255, 0), 2, Qt::DashLine));
    painter.drawLine(QPointF(area.center().x(), area.bottom()),
                     QPointF(area.center().x(), area.top() + area.height() * 0.64));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(10, area.height() * 2 / 5));
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 0));
    painter.drawText(QRect(area.left(), area.top(), area.width(), area.height() * 3 / 5), Qt::AlignCenter,
                     kProductName.toUpper());
    painter.restore();
}

} // namespace kalvor
