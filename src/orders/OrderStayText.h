#pragma once

#include "orders/AllowanceCount.h"
#include "reference/MultiCountryCalculator.h"

#include <QString>

namespace kalvor {

class Settings;

// The allowance count of one journey of the given length in days that starts
// at 00:00 of day zero (30.12.1899), counted by the order's allowance rules.
// The multi-country correction brings the sum of the stays' counts to this.
JourneyAllowances orderJourneyAllowances(const AllowanceRules &rules);

// Evaluates the stay text stored with a travel order: grouping on, absolute
// durations, the correction when `DnevCorrect` is on, and the journey's count
// by the allowance rules of the settings. Every evaluation of an order's text
// (the order, the detail pane, the printouts, the command line) goes through
// here.
StayCalculation EvaluateOrderStayText(const QString &text, const Settings &settings);

} // namespace kalvor
