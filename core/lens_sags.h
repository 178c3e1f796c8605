#pragma once

#include "core/ray_trace.h"

#include <optional>

namespace monocl {

// The depth of a spherical surface of signed radius R over a chord of the
// given diameter, R - sign(R) sqrt(R^2 - (diameter / 2)^2): positive where
// the centre of curvature lies behind the vertex (towards +z). None where
// the chord is wider than the sphere or a value is not finite.
std::optional<double> sagitta(double R, double diameter);

// The width of the lens's rim at its diameter, thickness + s(R2) - s(R1);
// none where a sag cannot be had.
std::optional<double> rimWidth(const RayLens& lens);

// The diameter of the beam's footprint on a surface (0 the front, 1 the
// rear): the widest crossing, from the axis, of the rays through the stop's
// rim at the fields 0, 0.7 and 1 of the half field, both sides, on twelve
// azimuths. Rays the rim stops are not counted. None where no ray passes.
std::optional<double> beamFootprint(const RayLens& lens, int surface);

// The clear aperture a drawing gives a surface: the footprint with a margin
// of 5 % (at least 0.2 mm) on its diameter, rounded up to 0.1 mm, yet no
// wider than the diameter less both bevels.
inline constexpr double ClearApertureMargin = 0.05;
inline constexpr double ClearApertureLeast = 0.2;
std::optional<double> clearAperture(const RayLens& lens, int surface, double bevel);

} // namespace monocl
