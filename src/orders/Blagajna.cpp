#include "orders/Blagajna.h"

namespace kalvor {

int Blagajna::secondKind(int kind)
{
    switch (kind) {
    case AdvanceReturn:
        return AdvancePayment;
    case AdvancePayment:
        return AdvanceReturn;
    default:
        return kind;
    }
}

} // namespace kalvor
