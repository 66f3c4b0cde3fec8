#pragma once

#include <QWidget>

namespace kalvor {

class SettingBindings;

// Tab "Provjera statusa": the limits of the check of due vehicle records.
class OptionTabStatus : public QWidget
{
    Q_OBJECT

public:
    OptionTabStatus(SettingBindings &bindings, QWidget *parent = nullptr);
};

} // namespace kalvor
