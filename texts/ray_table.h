#pragma once

#include "core/ray_trace.h"

#include <string>
#include <vector>

namespace monocl {

// The ray check table: a header row and 16 labelled rows, a value column for
// the design's lens (third order) and one for the lens refined by rays.
constexpr int RayTableRows = 17;
constexpr int RayTableColumns = 3;

// "Параметр" for column 0, "Третий порядок" for column 1, "Уточнено лучами"
// for column 2.
std::string rayTableHeader(int col);

// The label of row 1..16; empty for any other row.
std::string rayTableLabel(int row);

// The value text of row 1..16, eight significant digits at most and the
// row's decimals; an empty value reads RayTableDash. Empty for any other row.
std::string rayTableValue(int row, const RayCheck& check, char separator);

inline constexpr const char* RayTableDash = " - ";

// The whole table as text, the header row first: the design's check and the
// refined lens's check, either none for dashes. For the window and the report.
std::vector<std::vector<std::string>> rayTableRows(const RayCheck* design, const RayCheck* refined,
                                                   char separator);

} // namespace monocl
