#pragma once

#include <QColor>
#include <QObject>

class QWidget;

namespace kalvor {

// Highlights a text field while it has the focus: its background takes the
// highlight colour on focus-in and its own colour again on focus-out.
class FocusHighlighter : public QObject
{
    Q_OBJECT

public:
    explicit FocusHighlighter(QObject *parent = nullptr) : QObject(parent) {}

    // Watches every text field (line edit and plain text edit) inside `area`.
    void watch(QWidget *area);

    static QColor highlightColor() { return QColor(255, 255, 204); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace kalvor
