#pragma once

#include "core/design_pass.h"
#include "core/monocl_state.h"

#include <string>

namespace monocl {

// The design results table: a header row and 29 labelled rows of one value.
constexpr int DesignTableRows = 30;
constexpr int DesignLabelWidth = 730;
constexpr int DesignValueWidth = 100;

std::string designTableHeader(int col);
std::string designTableLabel(int row);

// The value text of row 1..29, from the design of the present recompute.
// Throws MathError where the row's expression faults.
std::string designTableValue(int row, const MonoclState& state, const RecomputeLocals& locals,
                             char separator);

// What a failed design shows in the value column.
inline constexpr const char* DesignFailedDash = " - ";

} // namespace monocl
