#pragma once

#include <QRect>

class QPainter;

namespace kalvor {

// The product logo, drawn rather than loaded: the splash window and the
// about box show it.
void paintLogo(QPainter &painter, const QRect &area);

} // namespace kalvor
