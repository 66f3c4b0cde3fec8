#pragma once

#include <QDate>
#include <QDialog>

class QPushButton;
class QTabWidget;

namespace kalvor {

class CurrenciesPage;
class RatesPage;
class TDataModule1;

// "Definiranje valuta i tečaja": the currencies ("Valute") and their dated
// exchange rates ("Tečaj"). Created once and shown again and again; the active
// tab and the dates persist between showings. Every showing sets the
// accounting currency, the dates and both currency lists afresh.
//
// The main window opens it from "Podaci" → "Valute, tečaj/kurs" with exec();
// the travel order editor with showOnRatesTab(rate date) and reads its own
// rate view again when the result is Accepted ("Povratak").
class TObradaValuta : public QDialog
{
    Q_OBJECT

public:
    explicit TObradaValuta(TDataModule1 &dm, QWidget *parent = nullptr);

    // Makes "Tečaj" the active tab with "Vrijedi od:" and "Za datum:" at
    // `date`, then shows the screen modally.
    int showOnRatesTab(const QDate &date);
    // The same without showing: the next showing opens there.
    void prepareRatesTab(const QDate &date);

signals:
    // "Postavi za obračunsku valutu": the settings screen's currency list
    // selects this code (it is stored with the next "Snimi promjene").
    void accountingCurrencyChosen(const QString &code);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepareShowing();

    TDataModule1 &m_dm;
    QTabWidget *m_tabs;
    CurrenciesPage *m_currencies;
    RatesPage *m_rates;
    QPushButton *m_close;
};

} // namespace kalvor
