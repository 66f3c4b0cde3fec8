#pragma once

#include "reference/AllowanceRates.h"

#include <QWidget>

class QAction;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace kalvor {

class AllowanceImportPage;
class CountryComboBox;
class CurrencyComboBox;
class RowTableModel;
class TDataModule1;

// The tab "Dnevnice": entering a dated allowance rate, the rates valid on a
// day, the rate history of one country, and the import from a file.
class AllowancesPage : public QWidget
{
    Q_OBJECT

public:
    explicit AllowancesPage(TDataModule1 &dm, QWidget *parent = nullptr);

    // Fills both country choice lists; none is selected afterwards.
    void fillCountryLists();
    void fillCurrencyList();
    // The showing of the screen: both country lists with the first entry of
    // "Za državu:", every date at `today`, the currency list, both views.
    void prepareShowing(const QDate &today);
    void refreshViews();

signals:
    // The country list of the "Države" tab and the views are to be read again.
    void refreshRequested();

private:
    void addRate();
    void deleteRate();

    TDataModule1 &m_dm;
    AllowanceRates m_rates;
    QVector<AllowanceRate> m_history;
    QDateEdit *m_validFrom;
    CountryComboBox *m_country;
    QLineEdit *m_amount;
    CurrencyComboBox *m_currency;
    QPushButton *m_add;
    QTabWidget *m_views;
    QDateEdit *m_dayDate;
    QTableView *m_dayView;
    RowTableModel *m_dayModel;
    CountryComboBox *m_historyCountry;
    QTableView *m_historyView;
    RowTableModel *m_historyModel;
    QAction *m_deleteAction;
    AllowanceImportPage *m_import;
    bool m_filling = false;
};

} // namespace kalvor
