#pragma once

#include <QWidget>
#include <functional>

class QComboBox;
class QPrinter;
class QPushButton;

namespace kalvor {

class SettingBindings;

// Tab "Postavke ispisa": the margins and contents of the order documents,
// the printer and its setup, and the grid printout of the order register.
//
// The printer lists are filled by fillPrinters() when the screen is shown;
// until then no printer is chosen in "Ispisuj na:".
class OptionTabPrinting : public QWidget
{
    Q_OBJECT

public:
    OptionTabPrinting(SettingBindings &bindings, QWidget *parent = nullptr);

    // Fills "Osnovni pisač:" (the current printer chosen) and "Ispisuj na:"
    // (the printer of the setting chosen, the first one when it is empty,
    // none when no printer has that name) with the machine's printers.
    void fillPrinters();

    // What "Postavke pisača" opens for the chosen printer; the system's page
    // setup dialog unless replaced.
    using PrinterSetup = std::function<void(QPrinter &)>;
    void setPrinterSetup(PrinterSetup setup) { m_setup = std::move(setup); }

private:
    void selectRegisterPrinter();
    void openPrinterSetup();

    QComboBox *m_printer, *m_registerPrinter;
    QPushButton *m_printerSetup;
    QString m_registerPrinterName;
    bool m_printersFilled = false;
    PrinterSetup m_setup;
};

} // namespace kalvor
