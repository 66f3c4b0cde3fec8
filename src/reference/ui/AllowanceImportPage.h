#pragma once

#include <QWidget>

class QDateEdit;
class QPushButton;

namespace kalvor {

class TDataModule1;

// The sub-tab "Učitaj iz datoteke": the import of a table of allowance rates
// from a file, valid from one date, and the deletion of every rate of a day.
class AllowanceImportPage : public QWidget
{
    Q_OBJECT

public:
    explicit AllowanceImportPage(TDataModule1 &dm, QWidget *parent = nullptr);

    void setDates(const QDate &date);

signals:
    // An import ran: currencies and countries may be new.
    void imported();
    // Nothing was imported, or the rates of a day were deleted: the lists
    // are to be read again.
    void refreshRequested();

private:
    void importFile();
    void deleteDay();

    TDataModule1 &m_dm;
    QDateEdit *m_importDate;
    QPushButton *m_import;
    QDateEdit *m_deleteDate;
    QPushButton *m_delete;
};

} // namespace kalvor
