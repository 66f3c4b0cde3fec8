#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalvor {

class ColorSwatch;
class SettingBindings;

// Tab "Postavke": the title bar, the company data, the logo and the words of
// amounts in words with their trial ("Isprobaj prikaz").
class OptionTabGeneral : public QWidget
{
    Q_OBJECT

public:
    OptionTabGeneral(SettingBindings &bindings, QWidget *parent = nullptr);

private:
    void chooseLogo();
    void tryAmountInWords();

    QLineEdit *m_title, *m_company, *m_address, *m_seat, *m_mbr, *m_head, *m_place, *m_logo;
    ColorSwatch *m_back, *m_font;
    QPushButton *m_chooseLogo;
    QLineEdit *m_currencyWord, *m_hundredthsWord, *m_joiningWord, *m_trialAmount;
    QPushButton *m_try;
    QLabel *m_trialWords;
};

} // namespace kalvor
