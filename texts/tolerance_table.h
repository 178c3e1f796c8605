#pragma once

#include "core/tolerances.h"

#include <string>
#include <vector>

namespace monocl {

// The tolerance table of the report: a header row, then one row a
// dimension: its name, nominal (mm), tolerance (± mm, or fringes with the
// mm they stand for), the sensitivities of F', sf (mm/mm) and Ksph (%/mm),
// and its share of the budget (%).
std::vector<std::vector<std::string>> toleranceRows(const ToleranceAnalysis& analysis, char separator);

// The lines under it: the budget in the figures' units, the Monte-Carlo
// share against its goal, and which dimensions were made finer for it.
std::vector<std::string> toleranceSummary(const ToleranceAnalysis& analysis, const ToleranceBudget& budget,
                                          char separator);

} // namespace monocl
