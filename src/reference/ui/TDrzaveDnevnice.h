#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace kalvor {

class AllowancesPage;
class CountriesPage;
class TDataModule1;

// "Države i dnevnice": the countries ("Države") and their dated daily
// allowance rates ("Dnevnice"), with the import of a rate table from a file.
// Created once and shown again and again; every showing fills the choice
// lists, sets every date to today and reads the lists.
//
// The main window opens it from "Podaci" → "Države, dnevnice" with exec() and
// refills its country filter when it closes.
class TDrzaveDnevnice : public QDialog
{
    Q_OBJECT

public:
    explicit TDrzaveDnevnice(TDataModule1 &dm, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepareShowing();
    void refreshAll();

    QTabWidget *m_tabs;
    CountriesPage *m_countries;
    AllowancesPage *m_allowances;
    QPushButton *m_close;
};

} // namespace kalvor
