#include "reference/ui/TPromijeniDrzavu.h"

namespace kalvor {

TPromijeniDrzavu::TPromijeniDrzavu(QWidget *parent)
    : CodeNameDialog({QStringLiteral("Promijeni podatke o državi"), QStringLiteral("Oznaka:"), 3, 40}, parent)
{
}

} // namespace kalvor
