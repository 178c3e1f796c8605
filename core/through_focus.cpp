#include "core/through_focus.h"

#include "core/lens_psf.h"
#include "core/light_lines.h"
#include "core/ray_spots.h"

#include <algorithm>
#include <cmath>

namespace monocl {

namespace {

// The depths of focus each way the range holds at the least.
constexpr double DepthsEachWay = 4;
// How far past the paraxial focus (and the film as set) the range reaches,
// as shares of their distance from the centre.
constexpr double Overshoot = 1.1;

double fNumberOf(const RayLens& lens)
{
    const std::optional<double> focal = paraxialFocal(lens);
    return focal && lens.stopDiameter > 0 ? std::abs(*focal) / lens.stopDiameter : 0.0;
}

} // namespace

double focalDepth(double fNumber)
{
    return 2 * LineD * fNumber * fNumber;
}

double bestFocusAt(const RayLens& lens, double fNumber)
{
    const std::optional<RayLens> stopped = withFNumber(lens, fNumber);
    return stopped ? ringSpots(*stopped).bestFocusShift.value_or(0.0) : 0.0;
}

FocusRange throughFocusRange(const RayLens& stopped, double focusShift)
{
    const RingSpots best = ringSpots(stopped);
    const double centre = best.bestFocusShift.value_or(focusShift);
    double half = DepthsEachWay * focalDepth(fNumberOf(stopped));
    half = std::max({half, Overshoot * std::abs(centre), Overshoot * std::abs(focusShift - centre)});
    if (!(half > 0) || !std::isfinite(half))
        half = 1.0;
    return {centre, half};
}

std::vector<double> focusShiftsOver(const FocusRange& range)
{
    std::vector<double> shifts;
    for (int k = 0; k < ThroughFocusPoints; ++k)
        shifts.push_back(range.centre + range.halfWidth * (2.0 * k / (ThroughFocusPoints - 1) - 1));
    return shifts;
}

ThroughFocusCurve throughFocusMtf(const std::vector<FocusSpread>& spreads, double frequency)
{
    ThroughFocusCurve curve;
    for (const FocusSpread& s : spreads) {
        curve.focus.push_back(s.focusShift);
        curve.sagittal.push_back(mtfAt(s.spreads, frequency, false));
        curve.tangential.push_back(mtfAt(s.spreads, frequency, true));
    }
    return curve;
}

} // namespace monocl
