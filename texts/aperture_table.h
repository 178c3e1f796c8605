#pragma once

#include "core/aperture_series.h"

#include <string>
#include <vector>

namespace monocl {

// The softness by aperture: N, the stop's diameter, Ksph by rays, the RMS
// spot radii on the axis and at the edge ("Ось, мкм", "Край, мкм"), and the
// Airy disk's radius.
constexpr int ApertureTableColumns = 6;

std::string apertureTableHeader(int col);

// Which lens the table is of: the refined lens, or the design's when the
// refinement found none.
std::string apertureTableTitle(bool refinedFound);

// A row's texts: N with one decimal (two for the lens's own and a typed
// one), the lengths with the table's decimals, " - " for what cannot be had.
std::vector<std::string> apertureRowTexts(const ApertureRow& row, char separator);

// The whole table as text, the header row first. For the report.
std::vector<std::vector<std::string>> apertureTableRows(const std::vector<ApertureRow>& rows,
                                                        char separator);

} // namespace monocl
