#include "orders/OrderStayText.h"

#include "reference/StayText.h"

namespace kalvor {

JourneyAllowances orderJourneyAllowances(const AllowanceRules &rules)
{
    return [rules](double days) {
        return CountAllowances(FromDayNumber(0), FromDayNumber(days), rules).count;
    };
}

StayCalculation EvaluateOrderStayText(const QString &text, const Settings &settings)
{
    return CalculateStayText(text, settings, orderJourneyAllowances(AllowanceRules::fromSettings(settings)));
}

} // namespace kalvor
