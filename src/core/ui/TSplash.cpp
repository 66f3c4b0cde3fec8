#include "core/ui/TSplash.h"

#include "core/Version.h"
#include "core/ui/Logo.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace kalvor {

TSplash::TSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TSplash"));
    setFixedSize(301, 134);
}

void TSplash::showCentered()
{
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    repaint();
    QApplication::processEvents();
}

void TSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect inner = rect().adjusted(3, 3, -3, -3);
    paintLogo(p, QRect(inner.left(), inner.top(), inner.width(), 72));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(inner.left(), inner.top() + 76, inner.width(), 22), Qt::AlignCenter, kSplashVersion);
    font.setBold(false);
    font.setPixelSize(11);
    p.setFont(font);
    p.drawText(QRect(inner.left(), inner.top() + 98, inner.width(), 26), Qt::AlignCenter, kRightsNotice);
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

} // namespace kalvor
