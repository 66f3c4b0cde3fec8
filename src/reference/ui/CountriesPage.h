#pragma once

#include "reference/Countries.h"

#include <QWidget>

class QAction;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kalvor {

class RowTableModel;
class TDataModule1;
class TPromijeniDrzavu;

// The tab "Države": adding a country and the list of countries with its
// context menu.
class CountriesPage : public QWidget
{
    Q_OBJECT

public:
    explicit CountriesPage(TDataModule1 &dm, QWidget *parent = nullptr);

    // Reads the list again; the selected row stays selected.
    void refresh();

signals:
    // A country's code or name was changed.
    void countryChanged();

private:
    void addCountry();
    void deleteCountry();
    void changeCountry();
    int selectedRow() const;

    Countries m_countries;
    QVector<Country> m_rows;
    QLineEdit *m_code;
    QLineEdit *m_name;
    QPushButton *m_add;
    QTableView *m_list;
    RowTableModel *m_model;
    QAction *m_deleteAction;
    QAction *m_changeAction;
    TPromijeniDrzavu *m_dialog;
};

} // namespace kalvor
