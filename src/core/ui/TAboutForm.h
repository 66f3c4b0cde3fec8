#pragma once

#include <QDialog>

namespace kalvor {

// "O programu": the logo, the version, the maker's contact lines and the
// button "U redu".
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);
};

} // namespace kalvor
