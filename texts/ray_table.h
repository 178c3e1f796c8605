#pragma once

#include "core/ray_trace.h"

#include <string>

namespace monocl {

// The ray check table: a header row and 16 labelled rows of one value.
constexpr int RayTableRows = 17;

// "Параметр" for column 0, "Значение" for column 1.
std::string rayTableHeader(int col);

// The label of row 1..16; empty for any other row.
std::string rayTableLabel(int row);

// The value text of row 1..16, eight significant digits at most and the
// row's decimals; an empty value reads RayTableDash. Empty for any other row.
std::string rayTableValue(int row, const RayCheck& check, char separator);

inline constexpr const char* RayTableDash = " - ";

} // namespace monocl
