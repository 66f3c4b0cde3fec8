#pragma once

#include "reference/ui/CodeNameDialog.h"

namespace kalvor {

// "Promijeni podatke o državi".
class TPromijeniDrzavu : public CodeNameDialog
{
    Q_OBJECT

public:
    explicit TPromijeniDrzavu(QWidget *parent = nullptr);

    void setCountry(const QString &code, const QString &name) { setValues(code, name); }
};

} // namespace kalvor
