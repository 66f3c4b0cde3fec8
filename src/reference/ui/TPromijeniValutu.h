#pragma once

#include "reference/ui/CodeNameDialog.h"

namespace kalvor {

// "Promijeni podatke o valuti".
class TPromijeniValutu : public CodeNameDialog
{
    Q_OBJECT

public:
    explicit TPromijeniValutu(QWidget *parent = nullptr);

    void setCurrency(const QString &code, const QString &name) { setValues(code, name); }
};

} // namespace kalvor
