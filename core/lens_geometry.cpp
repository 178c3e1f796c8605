#include "core/lens_geometry.h"

#include "errors/real.h"

namespace monocl {

namespace {

// The sag and the share of a hemisphere of one surface.
std::optional<Real> sagOf(double radius, Real half, double& share)
{
    const Real r = Real::checked(radius);
    if (abs(r) <= half) {
        share = 1.0;
        return std::nullopt;
    }
    const Real depth = sqrt(r * r - half * half);
    const Real sag = r > 0.0 ? r - depth : r + depth;
    share = (abs(sag) / half).value();
    return sag;
}

} // namespace

LensGeometry lensGeometry(const RayLens& lens) noexcept
{
    LensGeometry g;
    try {
        const Real half = Real::checked(lens.diameter) / 2.0;
        if (!(half > 0.0))
            return g;
        const std::optional<Real> front = sagOf(lens.R1, half, g.frontHemisphere);
        const std::optional<Real> rear = sagOf(lens.R2, half, g.rearHemisphere);
        if (front) {
            g.frontSag = front->value();
            g.stopFromRim = (Real::checked(lens.stopZ) - *front).value();
        }
        if (rear)
            g.rearSag = rear->value();
        if (front && rear)
            g.rim = (Real::checked(lens.thickness) + *rear - *front).value();
    } catch (const MathError&) {
        // What faulted stays empty.
    }
    return g;
}

LensFlaws lensFlaws(const RayLens& lens) noexcept
{
    const LensGeometry g = lensGeometry(lens);
    LensFlaws f;
    f.stopCutsLens = g.stopFromRim && *g.stopFromRim > 0.0;
    f.sharpRim = g.rim && *g.rim <= SharpRimWidth;
    f.nearHemisphere = g.frontHemisphere > NearHemisphereShare || g.rearHemisphere > NearHemisphereShare;
    return f;
}

} // namespace monocl
