#pragma once

#include "core/ray_trace.h"
#include "texts/translation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace monocl {

// The numbers a workshop acts on, from the lens's full values: a radius to
// 0.01 mm, or 0.001 mm under 10 mm; other lengths to 0.01 mm; a sag to
// 0.001 mm. Without sign.
std::string radiusText(double R, char separator);
std::string lengthText(double length, char separator);
std::string sagText(double sag, char separator);
// The signed values, as the lens data list them.
std::string signedRadiusText(double R, char separator);
std::string signedLengthText(double length, char separator);

// ISO 10110's form of a surface as seen from outside the lens: the front
// surface (0) is convex, CX, when its centre lies behind it; the rear (1)
// when its centre lies in front of it; CC otherwise.
const char* surfaceForm(double R, int surface);

// What the lens data say of the lens a drawing is made from.
struct LensDataValues {
    RayLens lens;
    bool refined = false;
    int steps = 0;
    double ringDiameter = 0;
    std::optional<std::array<double, 2>> clearApertures;
    std::string glass; // maker and name, or empty
};

// "уточнено по лучам" or "расчет третьего порядка".
std::string lensSourceText(bool refined);

// The lens data as rows of two cells: what, and its value. Sags a surface
// cannot have read a dash; so do the sags at a ring wider than the lens.
std::vector<std::vector<std::string>> lensDataRows(const LensDataValues& values, char separator);

inline constexpr const char* LensDataTitle = MONOCL_NOOP("LensData", "Данные линзы");

} // namespace monocl
