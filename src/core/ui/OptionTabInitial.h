#pragma once

#include <QWidget>

namespace kalvor {

class SettingBindings;

// Tab "Inicijalne vrijednosti": what a new travel order starts with.
class OptionTabInitial : public QWidget
{
    Q_OBJECT

public:
    OptionTabInitial(SettingBindings &bindings, QWidget *parent = nullptr);
};

} // namespace kalvor
