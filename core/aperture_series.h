#pragma once

#include "core/ray_trace.h"

#include <array>
#include <optional>
#include <vector>

namespace monocl {

// The softness of a monocle by its stop: the same lens with its stop's
// diameter F' / N, everything else kept.
constexpr std::array<double, 9> StandardFNumbers = {4, 4.5, 5.6, 6.3, 8, 9, 11, 12.5, 16};
// The f-numbers a user may ask for.
constexpr double MinFNumber = 1;
constexpr double MaxFNumber = 64;

struct ApertureRow {
    double fNumber = 0;
    bool own = false;   // the lens's own N = F' / Df
    bool typed = false; // the one the user asked for
    std::optional<double> stopDiameter;      // F' / N, mm
    std::optional<double> sphericalRelative; // Ksph by rays, %, as the ray check's
    std::optional<double> spotAxis;          // RMS spot radius on the axis, um,
    std::optional<double> spotEdge;          // and at the field's edge, both at the axial best focus (ringSpots)
    std::optional<double> airyRadius;        // 1.22 lambda N, um (d line)
};

// The radius of the Airy disk at f-number N, 1.22 lambda N at the d line, um.
double airyRadius(double fNumber);

// The lens at f-number N. Never throws.
ApertureRow apertureRow(const RayLens& lens, double fNumber) noexcept;

// The lens's own f-number F' / Df; none where it cannot be had.
std::optional<double> ownFNumber(const RayLens& lens) noexcept;

// The rows at StandardFNumbers, with the lens's own N among them in its
// place (a standard row within half a per cent of it is marked instead),
// and last a row at `typed` when there is one within MinFNumber..MaxFNumber.
std::vector<ApertureRow> apertureSeries(const RayLens& lens, std::optional<double> typed) noexcept;

} // namespace monocl
