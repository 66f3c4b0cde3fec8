#pragma once

#include "reference/CurrencyRepository.h"

#include <QWidget>

class QAction;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kalvor {

class RowTableModel;
class TDataModule1;
class TPromijeniValutu;

// The tab "Valute": adding a currency, the list of currencies with its
// context menu, and the accounting currency.
class CurrenciesPage : public QWidget
{
    Q_OBJECT

public:
    explicit CurrenciesPage(TDataModule1 &dm, QWidget *parent = nullptr);

    void setAccountingCurrency(const QString &code);
    // Reads the list again; the selected row stays selected.
    void refresh();

signals:
    // "Postavi za obračunsku valutu": the settings' currency list selects it.
    void accountingCurrencyChosen(const QString &code);

private:
    void addCurrency();
    void deleteCurrency();
    void setAsAccountingCurrency();
    void changeCurrency();
    int selectedRow() const;

    TDataModule1 &m_dm;
    CurrencyRepository m_currencies;
    QVector<Currency> m_rows;
    QLineEdit *m_code;
    QLineEdit *m_name;
    QPushButton *m_add;
    QTableView *m_list;
    RowTableModel *m_model;
    QLineEdit *m_accounting;
    QAction *m_deleteAction;
    QAction *m_accountingAction;
    QAction *m_changeAction;
    TPromijeniValutu *m_dialog;
};

} // namespace kalvor
