#pragma once

#include "core/ray_trace.h"

#include <optional>
#include <string>

namespace monocl {

// The lens as a sequential Zemax lens file (.zmx, the text form that the
// common and the open-source design programs import): millimetres; the
// object at infinity; the stop as its own surface, a plane at the lens's
// stop distance before the front vertex; both glass surfaces with CURV,
// DISZ and DIAM (a semi-diameter), the glass a model glass of the lens's
// nd and Vd; the image surface at the paraxial focus; the entrance pupil
// the stop's diameter; fields 0, 0.7 and 1 of the half field, in degrees;
// the F, d and C lines with d primary. Every number is the shortest text
// that reads back as the very same double. None where the lens has no
// paraxial focus to put the image at.
std::optional<std::string> zemaxFile(const RayLens& lens, const std::string& title);

// The lens as a plain prescription table, a header naming the columns and
// one line a surface (OBJ, STO, 1, 2, IMA): radius ("Infinity" for a
// plane), thickness to the next surface, glass (nd/Vd) and semi-diameter,
// in mm with a decimal point, columns apart by blanks. Comment lines start
// with '#'. None where the lens has no paraxial focus.
std::optional<std::string> prescriptionText(const RayLens& lens, const std::string& title);

// The F, d and C lines, micrometres.
inline constexpr double LineF = 0.4861327;
inline constexpr double LineD = 0.5875618;
inline constexpr double LineC = 0.6562725;

} // namespace monocl
