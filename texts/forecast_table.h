#pragma once

#include "core/forecast.h"
#include "core/monocl_state.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace monocl {

// The forecast table: a header row and 12 rows of a smaller and a larger
// value. Rows 1 and 4 have no second value; their second cell is never
// written.
constexpr int ForecastTableRows = 13;
constexpr int ForecastTableCols = 3;
constexpr std::array<int, ForecastTableCols> ForecastColWidths = {500, 50, 50};

struct ForecastRow {
    std::string label;
    std::string minText;
    std::optional<std::string> maxText;
};

std::string forecastTableHeader(int col);
// Row 1..12's label alone, in the window's language.
std::string forecastTableLabel(int row);

// Row 1..12 from the forecast of the present recompute.
ForecastRow forecastTableRow(int row, const MonoclState& state, const ForecastValues& values,
                             char separator);

// What makes the forecast's lens one that cannot be made, a line each: a
// centre thickness dm of zero or less, a surface whose sag is half the
// lens's diameter or more. None when it can be made.
std::vector<std::string> forecastWarnings(const MonoclState& state, const ForecastValues& values,
                                          char separator);

} // namespace monocl
