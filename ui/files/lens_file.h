#pragma once

#include "design_file.h"

#include "core/ray_refine.h"
#include "core/ray_trace.h"

#include <QByteArray>

#include <optional>

namespace monocl {

// The lens file: a JSON object {"format": "monocl-lens", "version": 1,
// "focalLength", "fieldOfView" (the inputs, mm and degrees), "correction"
// ("aplanat"/"anastigmat"), "nd", "abbe", "glass" ({"maker", "name"} or
// null), "thirdOrder": {"R1", "R2", "thickness", "diameter", "stopDistance",
// "stopDiameter"} and "refined": the same six with "converged": true and
// "steps", or {"converged": false, "reason"}}, in UTF-8. Lengths in mm;
// stopDistance is the stop's plane from the front vertex, negative in front.
// Every real number is written in the shortest text that reads back as the
// very same double.
inline constexpr const char* LensFormatName = "monocl-lens";
inline constexpr int LensFormatVersion = 1;

// The short English word the file gives for a refinement's failure.
const char* refineFailureName(RefineFailure reason);

// The file of the design's inputs and its lenses. No third-order lens (the
// design gave none) writes both lenses as null; so does a lens with a value
// that is not finite, which no JSON number can hold.
QByteArray lensFileBytes(const DesignData& inputs, const std::optional<RayLens>& thirdOrder,
                         const std::optional<RefinedLens>& refined);

} // namespace monocl
