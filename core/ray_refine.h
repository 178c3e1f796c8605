#pragma once

#include "core/ray_trace.h"

namespace monocl {

// What the refined lens must do, beside the requested spherical aberration
// the lens itself carries.
struct RefineTarget {
    double focalLength = 0; // F, mm
    int edgeRatio = 5;      // OtSpin: the diameter Dm over the rim width
    int correction = 1;     // 1 no coma, 2 no astigmatism, as CorrectionType
};

// Why no refined lens was found.
enum class RefineFailure {
    None,
    BadInput,             // a value of the lens or the target cannot be used
    RayBlocked,           // a ray the conditions need does not get through
    NoConvergence,        // not within RefineMaxSteps, or no step improves
    RimNotPositive,       // the rim width asked for is not positive
    ThicknessNotPositive, // the centre thickness is, or would become, zero or less
    Hemisphere,           // a surface at or beyond a hemisphere over Dm
    StopBehindRim,        // the stop plane lies behind the front surface's rim
    ArithmeticFault,      // a lens on the way faulted (a flat surface, an overflow)
};

// How far the lens is from each condition.
struct RefineResiduals {
    double focal = 0;     // F' - F, mm
    double spherical = 0; // Ksph by rays minus the one asked for, percentage points
    double field = 0;     // coma at the field's edge, or sagittal minus tangential focus, mm
    double rim = 0;       // rim width minus Dm / edgeRatio, mm
};

// The tolerances of a found lens: times F for the focal length, the coma and
// the foci (so in mm), percentage points for Ksph, mm for the rim. Newton goes
// on to a thousandth of them where it can.
constexpr double RefineFocalTolerance = 1e-6;
constexpr double RefineSphericalTolerance = 1e-5;
constexpr double RefineComaTolerance = 1e-6;
constexpr double RefineFociTolerance = 1e-5;
constexpr double RefineRimTolerance = 1e-5;
constexpr int RefineMaxSteps = 50;

struct RefinedLens {
    bool found = false;
    RayLens lens;     // the refined lens; when not found, where the search
                      // stopped, or `start` when refused at once (steps 0)
    int steps = 0;    // Newton steps taken
    RefineFailure reason = RefineFailure::None;
    RefineResiduals residuals; // of `lens`; zero where it could not be traced
};

// Changes R1, R2, the centre thickness and the stop plane of `start`, keeping
// its diameter, stop diameter, glass and field, until by exact rays (object
// at infinity, d line, the ray check's definitions):
// - the paraxial focal length is target.focalLength;
// - the relative spherical aberration is start.requestedSpherical;
// - aplanat: the three meridional rays at the field's edge through 0.7, 0 and
//   -0.7 of the stop's radius show no tangential coma at the paraxial image
//   plane, (y+ + y-) / 2 - y0 = 0; anastigmat: the sagittal and tangential
//   foci of the chief ray at the field's edge coincide;
// - the rim at height Dm / 2 is Dm / target.edgeRatio wide.
// Newton's method on a numerical Jacobian, from `start`. Never throws.
RefinedLens refineByRays(const RayLens& start, const RefineTarget& target) noexcept;

} // namespace monocl
