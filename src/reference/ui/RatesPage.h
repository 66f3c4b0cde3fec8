#pragma once

#include "reference/ExchangeRates.h"

#include <QWidget>

class QAction;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace kalvor {

class CurrencyComboBox;
class RowTableModel;
class TDataModule1;

// The tab "Tečaj": entering a dated rate, the rates valid on a day and the
// rate history of one currency.
class RatesPage : public QWidget
{
    Q_OBJECT

public:
    explicit RatesPage(TDataModule1 &dm, QWidget *parent = nullptr);

    QDate validFrom() const;
    void setValidFrom(const QDate &date);
    void setViewDate(const QDate &date);
    // Fills both currency choice lists; with a currency, "Valuta:" and
    // "Za valutu:" select the first one. Then both views are read.
    void fillCurrencyLists();
    void refreshViews();

private:
    void addRate();
    void deleteRate();
    void formatAmount();

    TDataModule1 &m_dm;
    ExchangeRates m_rates;
    QVector<ExchangeRate> m_history;
    QDateEdit *m_validFrom;
    CurrencyComboBox *m_currency;
    QLineEdit *m_amount;
    QPushButton *m_add;
    QTabWidget *m_views;
    QDateEdit *m_dayDate;
    QTableView *m_dayView;
    RowTableModel *m_dayModel;
    CurrencyComboBox *m_historyCurrency;
    QTableView *m_historyView;
    RowTableModel *m_historyModel;
    QAction *m_deleteAction;
    bool m_filling = false;
};

} // namespace kalvor
