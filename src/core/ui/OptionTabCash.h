#pragma once

#include <QWidget>

class QCheckBox;
class QTableWidget;

namespace kalvor {

class SettingBindings;

// Tab "Blagajna": the cash register postings of the orders, the texts and
// voucher labels of the postings, and the texts of the cash journal (which
// live only in the current settings, never in the store).
class OptionTabCash : public QWidget
{
    Q_OBJECT

public:
    OptionTabCash(SettingBindings &bindings, QWidget *parent = nullptr);

    // While the orders are kept by currency, separate cash registers per
    // currency are forced on and cannot be changed; off again, the box is
    // free and keeps its tick.
    void followMultiCurrency(bool multiCurrency);

private:
    QCheckBox *m_separateRegisters;
    QTableWidget *m_journal;
};

} // namespace kalvor
