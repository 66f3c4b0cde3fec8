#pragma once

#include <QColor>
#include <QFrame>

namespace kalvor {

// A colour field of the settings screen: a framed box filled with its colour;
// a double-click opens the colour dialog (through the prompter) and takes the
// chosen colour.
class ColorSwatch : public QFrame
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    QSize sizeHint() const override { return {40, 20}; }

signals:
    void colorChanged(const QColor &color);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_color;
};

} // namespace kalvor
