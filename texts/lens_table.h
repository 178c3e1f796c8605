#pragma once

#include "core/ray_refine.h"
#include "core/ray_trace.h"

#include <optional>
#include <string>
#include <vector>

namespace monocl {

// The lens data of both lenses: a header row and ten rows of lengths in mm
// with three decimals, a column for the design's lens and one for the lens
// refined by rays.
constexpr int LensTableRows = 11;
constexpr int LensTableColumns = 3;

// "Параметр", "Третий порядок", "Уточнено лучами".
std::string lensTableHeader(int col);

// The label of row 1..10 (R1, R2, dh, X1, Xk, Dm, Df, the rim, the two
// sags); empty for any other row.
std::string lensTableLabel(int row);

// The value of row 1..10 of a lens, " - " for none or a value that cannot
// be had; empty for any other row.
std::string lensTableValue(int row, const RayLens* lens, char separator);

// The whole table as text, the header row first. `refined` is the refined
// lens when it was found, none for dashes.
std::vector<std::vector<std::string>> lensTableRows(const RayLens* design, const RayLens* refined,
                                                    char separator);

// Whether the refinement converged and in how many steps, or why not; for
// no design (none) that there is nothing to refine.
std::string refinementLine(const std::optional<RefinedLens>& refined);

// Why no refined lens was found, in words.
std::string refineFailureText(RefineFailure reason);

} // namespace monocl
