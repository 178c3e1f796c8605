#pragma once

#include "core/ray_trace.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace monocl {

// What the lens made to its tolerances may do: its focal length within
// ±focalPercent % of the nominal one, its back focal distance within
// ±backFocus mm, its relative spherical aberration by rays within
// ±sphericalPercent % of the nominal one.
struct ToleranceBudget {
    double focalPercent = 1.0;
    double backFocus = 0.5;
    double sphericalPercent = 10.0;
    bool operator==(const ToleranceBudget&) const = default;
};

// The dimensions a drawing gives a tolerance, in this order.
enum class Dimension { R1, R2, Thickness, Diameter, StopDistance };
inline constexpr int DimensionCount = 5;
// The three figures the budget holds, in this order: F', sf, Ksph.
inline constexpr int FigureCount = 3;

// The figures by exact rays, as the ray check defines them: the paraxial
// focal length and back focal distance (mm) and Ksph (%).
using Figures = std::array<double, FigureCount>;
std::optional<Figures> lensFigures(const RayLens& lens);

// The workshop's steps: lengths in 0.01 mm; a radius whose tolerance is
// finer than that in whole Newton fringes at 546.07 nm over the clear
// aperture.
inline constexpr double LengthStep = 0.01;
inline constexpr double FringeWavelength = 546.07e-6; // mm
// Dimensions that move none of the figures get these: a lens's diameter
// as a push fit takes it, the stop's place as a mount holds it.
inline constexpr double FreeDiameterTolerance = 0.05;
inline constexpr double FreeStopTolerance = 0.2;
inline constexpr int MonteCarloLenses = 2000;
inline constexpr double MonteCarloGoal = 0.95;
inline constexpr std::uint64_t MonteCarloSeed = 20240522;
inline constexpr int MostTightenings = 40;

struct DimensionTolerance {
    double nominal = 0;
    double tolerance = 0;              // ± mm
    std::optional<int> fringes;        // a radius's tolerance as fringes, when finer than 0.01 mm
    std::array<double, FigureCount> sensitivity{}; // d figure / d dimension, per mm
    double budgetShare = 0;            // the largest |S| t / budget over the figures
    bool tightened = false;            // made finer than the even split gave
};

struct ToleranceAnalysis {
    Figures nominal{};
    std::array<double, FigureCount> budget{}; // ± in the figures' units
    std::array<DimensionTolerance, DimensionCount> dimensions;
    double share = 0;     // of the Monte-Carlo lenses within the whole budget
    int tightenings = 0;  // steps taken off the largest contributors
    bool goalMet = false;
};

// The sensitivities of the figures to each dimension by central
// differences of the exact trace; each dimension that moves a figure gets
// the same share of every budget, root-sum-square, rounded down to the
// workshop's step; MonteCarloLenses lenses drawn uniformly within the
// tolerances from `seed` give the share within the budget, and while it is
// below the goal the largest contributor is made a step finer. None where
// the nominal lens cannot be traced, the budget is not positive, or no
// dimension can be given a tolerance.
std::optional<ToleranceAnalysis> analyseTolerances(const RayLens& lens, const std::array<double, 2>& clearApertures,
                                                   const ToleranceBudget& budget,
                                                   std::uint64_t seed = MonteCarloSeed);

// The change of a sag over the clear aperture for a change of one
// millimetre of the radius there, mm per mm; the fringes of dR are
// 2 dR * this / wavelength.
double sagPerRadius(double R, double clearAperture);

} // namespace monocl
