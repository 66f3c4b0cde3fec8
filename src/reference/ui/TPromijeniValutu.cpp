#include "reference/ui/TPromijeniValutu.h"

namespace kalvor {

TPromijeniValutu::TPromijeniValutu(QWidget *parent)
    : CodeNameDialog({QStringLiteral("Promijeni podatke o valuti"), QStringLiteral("Oznaka valute:"), 5, 20}, parent)
{
}

} // namespace kalvor
