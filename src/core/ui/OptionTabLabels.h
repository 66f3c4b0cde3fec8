#pragma once

#include <QWidget>

namespace kalvor {

class SettingBindings;

// Tab "Oznake, sadržaj": the numbering of order labels and what the
// employee's documents contain.
class OptionTabLabels : public QWidget
{
    Q_OBJECT

public:
    OptionTabLabels(SettingBindings &bindings, QWidget *parent = nullptr);
};

} // namespace kalvor
