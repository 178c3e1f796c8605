#include "core/lens_sags.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace monocl {

std::optional<double> sagitta(double R, double diameter)
{
    const double h = diameter / 2;
    if (!std::isfinite(R) || !std::isfinite(h) || R == 0 || std::abs(h) > std::abs(R))
        return std::nullopt;
    return R - std::copysign(std::sqrt(R * R - h * h), R);
}

std::optional<double> rimWidth(const RayLens& lens)
{
    const auto front = sagitta(lens.R1, lens.diameter);
    const auto rear = sagitta(lens.R2, lens.diameter);
    if (!front || !rear)
        return std::nullopt;
    return lens.thickness + *rear - *front;
}

std::optional<double> beamFootprint(const RayLens& lens, int surface)
{
    constexpr std::array<double, 3> Fields = {0.0, 0.7, 1.0};
    constexpr int Azimuths = 12;
    const double half = lens.diameter / 2;
    std::optional<double> widest;
    for (const double field : Fields) {
        for (const double side : {1.0, -1.0}) {
            const double w = side * field * lens.halfField;
            for (int k = 0; k < Azimuths; ++k) {
                const double a = 2 * std::numbers::pi * k / Azimuths;
                RayState ray;
                ray.x = lens.stopDiameter / 2 * std::cos(a);
                ray.y = lens.stopDiameter / 2 * std::sin(a);
                ray.z = lens.stopZ;
                ray.dx = 0;
                ray.dy = std::sin(w);
                ray.dz = std::cos(w);
                const auto front = refractAtSphere(ray, 0, lens.R1, 1, lens.nd, half);
                if (!front)
                    continue;
                const auto rear = refractAtSphere(*front, lens.thickness, lens.R2, lens.nd, 1, half);
                if (!rear)
                    continue;
                const RayState& at = surface == 0 ? *front : *rear;
                const double r = 2 * std::hypot(at.x, at.y);
                widest = std::max(widest.value_or(0.0), r);
            }
        }
    }
    return widest;
}

std::optional<double> clearAperture(const RayLens& lens, int surface, double bevel)
{
    const auto footprint = beamFootprint(lens, surface);
    if (!footprint)
        return std::nullopt;
    const double margin = std::max(ClearApertureMargin * *footprint, ClearApertureLeast);
    const double rounded = std::ceil((*footprint + margin) * 10 - 1e-9) / 10;
    return std::min(rounded, lens.diameter - 2 * bevel);
}

} // namespace monocl
