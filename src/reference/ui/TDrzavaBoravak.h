#pragma once

#include "reference/StayText.h"

#include <QDialog>
#include <QVector>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTimeEdit;

namespace kalvor {

struct StayLength;

// "Boravak u državi": one stay of a journey in a country, entered by its
// entry and exit or as a length of stay. The country list holds the rates
// the calculator read; choosing a country fills its allowance amount and
// currency, both of which may be changed.
//
// prepareAdd() or prepareChange() sets the dialog up before exec(); on
// "Dodaj" / "Promijeni" stay() is the entered stay. With no country to choose
// the dialog cannot be confirmed.
class TDrzavaBoravak : public QDialog
{
    Q_OBJECT

public:
    explicit TDrzavaBoravak(const QVector<StayRate> &rates, QWidget *parent = nullptr);

    // Length of stay of 0 days, 3 hours and 0 minutes, entry today at 08:00
    // and exit today at 11:00, the first country.
    void prepareAdd();
    // The stay's country (the first one when the list does not hold it),
    // amount, currency and times.
    void prepareChange(const Stay &stay);

    const Stay &stay() const { return m_stay; }

private:
    enum Mode { EntryAndExit = 0, LengthOfStay = 1 };

    void setMode(Mode mode);
    void countryChosen(int index);
    void selectCurrency(const QString &currency);
    void updateStayLength();
    StayLength length() const;
    void showLength(const StayLength &length);
    void leaveDays();
    void leaveHours();
    void leaveMinutes();
    void confirm();

    QVector<StayRate> m_rates;
    Stay m_stay;

    QComboBox *m_country;
    QLineEdit *m_amount;
    QComboBox *m_currency;
    QComboBox *m_mode;
    QStackedWidget *m_pages;
    QDateEdit *m_entryDate;
    QTimeEdit *m_entryTime;
    QDateEdit *m_exitDate;
    QTimeEdit *m_exitTime;
    QLabel *m_stayLength;
    QLineEdit *m_days;
    QLineEdit *m_hours;
    QLineEdit *m_minutes;
    QPushButton *m_confirm;
    QPushButton *m_cancel;
};

} // namespace kalvor
