#pragma once

#include <QWidget>

namespace kalvor {

// The splash window shown while the screens are built: borderless, on top,
// 301 x 134 pixels with a black border of 3 pixels, the logo, the version
// and the rights notice.
class TSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TSplash(QWidget *parent = nullptr);

    void showCentered();

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kalvor
