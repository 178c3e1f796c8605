#include "core/aperture_series.h"

#include "core/ray_optics.h"
#include "core/ray_spots.h"

#include <cmath>

namespace monocl {

namespace {

using namespace rays;

std::optional<Real> focalOf(const RayLens& lens)
{
    try {
        const Real t = Real::checked(lens.thickness);
        return paraxial(Real::checked(lens.nd), 1.0 / Real::checked(lens.R1),
                        1.0 / Real::checked(lens.R2), t).focal;
    } catch (const MathError&) {
        return std::nullopt;
    }
}

constexpr double OwnMatch = 0.005;

} // namespace

double airyRadius(double fNumber)
{
    return 1.22 * RayWavelength * 1000.0 * fNumber;
}

ApertureRow apertureRow(const RayLens& lens, double fNumber) noexcept
{
    ApertureRow row;
    row.fNumber = fNumber;
    if (!(fNumber > 0.0) || !std::isfinite(fNumber))
        return row;
    row.airyRadius = airyRadius(fNumber);
    const std::optional<Real> focal = focalOf(lens);
    if (!focal || !(*focal > 0.0))
        return row;
    try {
        RayLens stopped = lens;
        stopped.stopDiameter = (*focal / fNumber).value();
        row.stopDiameter = stopped.stopDiameter;
        const RingSpots spots = ringSpots(stopped);
        row.spotAxis = spots.axis;
        row.spotEdge = spots.edge;
        if (const std::optional<Model> m = makeModel(stopped)) {
            const Real t = Real::checked(lens.thickness);
            const Real imageZ = t + paraxial(lens.nd, 1.0 / Real(lens.R1), 1.0 / Real(lens.R2), t).back;
            if (const auto k = zonalSpherical(*m, *focal, imageZ))
                row.sphericalRelative = k->value();
        }
    } catch (const MathError&) {
        // What faulted stays empty.
    }
    return row;
}

std::optional<double> ownFNumber(const RayLens& lens) noexcept
{
    const std::optional<Real> focal = focalOf(lens);
    if (!focal || !(*focal > 0.0) || !(lens.stopDiameter > 0.0) || !std::isfinite(lens.stopDiameter))
        return std::nullopt;
    try {
        return (*focal / Real(lens.stopDiameter)).value();
    } catch (const MathError&) {
        return std::nullopt;
    }
}

std::vector<ApertureRow> apertureSeries(const RayLens& lens, std::optional<double> typed) noexcept
{
    std::vector<ApertureRow> rows;
    rows.reserve(StandardFNumbers.size() + 2);
    const std::optional<double> own = ownFNumber(lens);
    bool ownPlaced = !own;
    for (const double n : StandardFNumbers) {
        const bool matches = own && std::fabs(*own - n) <= OwnMatch * n;
        if (!ownPlaced && !matches && *own < n) {
            rows.push_back(apertureRow(lens, *own));
            rows.back().own = true;
            ownPlaced = true;
        }
        rows.push_back(apertureRow(lens, n));
        if (!ownPlaced && matches) {
            rows.back().own = true;
            ownPlaced = true;
        }
    }
    if (!ownPlaced) {
        rows.push_back(apertureRow(lens, *own));
        rows.back().own = true;
    }
    if (typed && *typed >= MinFNumber && *typed <= MaxFNumber) {
        rows.push_back(apertureRow(lens, *typed));
        rows.back().typed = true;
    }
    return rows;
}

} // namespace monocl
