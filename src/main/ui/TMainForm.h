#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QTimer;

namespace kalvor {

class TDataModule1;
class Settings;
class Prompter;
class TOptionForm;
class TObradaValuta;
class TDrzaveDnevnice;
class TVozilaForm;
class TDjelatniciForm;

// The home screen. Every showing of it (at start, and after the settings
// screen is closed either way) reopens the database with the current
// settings and brings its schema up to date before anything is listed.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(TDataModule1 &data, Settings &settings, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The on-show step; returns whether the database could be opened.
    bool runShowStep();
    int showCount() const { return m_showCount; }

    // Status bar panels (first: product, third: clock, last: rights notice).
    QString statusPanelText(int index) const;
    void refreshTitle();
    // Writes the clock panel when its text changed; true when it wrote.
    bool updateClock();

    void openOptions();
    TOptionForm *optionForm() const;
    void openCurrencies();
    void openCountries();
    void openEmployees();
    void openVehicles();
    void openAbout();
    void openManual();
    static QString manualPath();
    bool detailsVisible() const { return m_detailsVisible; }
    void exitProgram();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createMenus();
    void createStatusBar();
    void restorePositions();
    void fillCurrencyLists();
    void storePositions() const;

    TDataModule1 &m_data;
    Settings &m_settings;
    QLabel *m_title = nullptr;
    QList<QLabel *> m_panels;
    QTimer *m_clock = nullptr;
    QAction *m_detailsSwitch = nullptr;
    TOptionForm *m_options = nullptr;
    TObradaValuta *m_currencies = nullptr;
    TDrzaveDnevnice *m_countries = nullptr;
    TDjelatniciForm *m_employees = nullptr;
    TVozilaForm *m_vehicles = nullptr;
    int m_showCount = 0;
    bool m_inShowStep = false;
    bool m_detailsVisible = true;
};

} // namespace kalvor
