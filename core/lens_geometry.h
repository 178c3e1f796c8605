#pragma once

#include "core/ray_trace.h"

#include <optional>

namespace monocl {

// The shape of a lens at the height Dm / 2, lengths in mm, z from the front
// vertex as the ray check places the lens.
struct LensGeometry {
    // s(R) = R - sign(R) sqrt(R^2 - (Dm/2)^2), the sag of each surface at
    // its rim; none for a surface at or beyond a hemisphere over Dm.
    std::optional<double> frontSag;
    std::optional<double> rearSag;
    std::optional<double> rim;         // dh + s(R2) - s(R1)
    std::optional<double> stopFromRim; // Xk = X1 - s(R1): negative, the stop in front of the rim
    // |s(R)| over Dm / 2: 1 for a hemisphere, and taken as 1 beyond it.
    double frontHemisphere = 0;
    double rearHemisphere = 0;
};

// Never throws; a value that faults is left empty.
LensGeometry lensGeometry(const RayLens& lens) noexcept;

// What makes a lens hard or impossible to build.
constexpr double SharpRimWidth = 0.3;      // mm: a rim this wide or narrower
constexpr double NearHemisphereShare = 0.9; // a surface deeper than this share of a hemisphere

struct LensFlaws {
    bool stopCutsLens = false;   // the stop plane behind the front surface's rim
    bool sharpRim = false;       // the rim SharpRimWidth or narrower
    bool nearHemisphere = false; // a surface beyond NearHemisphereShare of a hemisphere
    bool any() const { return stopCutsLens || sharpRim || nearHemisphere; }
};

LensFlaws lensFlaws(const RayLens& lens) noexcept;

} // namespace monocl
