#pragma once

#include "core/DatabaseMaintenance.h"
#include "core/Settings.h"
#include "core/db/Transaction.h"
#include "core/ui/OptionTabPrinting.h"
#include "core/ui/SettingBindings.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace kalvor {

class FocusHighlighter;
class OptionTabCash;
class OptionTabConnection;
class OptionTabSettlement;

// The settings screen "Postavke sustava". Its fields show a Settings object
// (the program's current settings unless another is given):
// loadFromSettings() puts the values into the fields, "Snimi promjene"
// writes every field back and stores all settings, then closes with
// Accepted; "Otkaži" closes with Rejected and writes nothing. The main
// window's on-show step fills the currency lists (fillCurrencyLists) and
// loads the settings again after every closing.
class TOptionForm : public QDialog
{
    Q_OBJECT

public:
    explicit TOptionForm(QWidget *parent = nullptr, Settings &settings = Settings::current());
    ~TOptionForm() override;

    // The accounting and the alternative currency lists from `VALUTE` (read
    // transaction); the chosen items follow at the next loadFromSettings().
    // Throws db::DbError.
    void fillCurrencyLists(db::Transaction &read);
    void setCurrencyItems(const QStringList &items);
    // Chooses the accounting currency in its list (the currency screen's
    // "Postavi za obračunsku valutu"); stored with the next "Snimi promjene".
    void selectAccountingCurrency(const QString &code);

    void loadFromSettings();
    // Puts every field into the settings without storing them.
    void saveToSettings();

    // Opens the screen on its first tab.
    int exec() override;

    void setPrinterSetup(OptionTabPrinting::PrinterSetup setup);
    DatabaseMaintenance &maintenance() { return m_maintenance; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void saveAndClose();
    void updateEnabling();

    Settings &m_settings;
    DatabaseMaintenance m_maintenance;
    SettingBindings m_bindings;
    QTabWidget *m_tabs;
    OptionTabSettlement *m_settlement;
    OptionTabPrinting *m_printing;
    OptionTabCash *m_cash;
    OptionTabConnection *m_connection;
    QPushButton *m_save, *m_cancel;
    FocusHighlighter *m_highlighter;
};

} // namespace kalvor
