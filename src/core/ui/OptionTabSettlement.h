#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;
class QRadioButton;

namespace kalvor {

class CurrencyComboBox;
class SettingBindings;

// Tab "Obračun troškova": the currencies, prices and default settlement
// method of new orders and the rules of the daily allowances.
//
// Rules: while "samo dnevnice" or "dnevnice za više država" is chosen, the
// two allowance boxes of the driver and the other staff are disabled;
// ticking one of the two allowance counting rules clears the other.
class OptionTabSettlement : public QWidget
{
    Q_OBJECT

public:
    OptionTabSettlement(SettingBindings &bindings, QWidget *parent = nullptr);

    CurrencyComboBox *accountingCurrency() const { return m_accounting; }
    CurrencyComboBox *alternativeCurrency() const { return m_alternative; }
    // "obračun i obrada nalog prema valutama": the cash tab follows it.
    QCheckBox *multiCurrency() const { return m_multiCurrency; }

    void updateEnabling();

private:
    CurrencyComboBox *m_accounting, *m_alternative;
    QList<QRadioButton *> m_methods;
    QCheckBox *m_driverAllowances, *m_staffAllowances, *m_multiCurrency;
    QCheckBox *m_byRule, *m_favourable;
};

} // namespace kalvor
