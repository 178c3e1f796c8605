#include "core/light_lines.h"

#include <array>

namespace monocl {

namespace {

constexpr std::array<double, 5> Wavelengths = {LineF, 0.5368e-3, LineD, 0.6219e-3, LineC};

// Panchromatic film's sensitivity under daylight at the five lines, times the
// transmission of the filter: a yellow filter takes the blue away, more as
// its factor grows; the orange one the blue and most of the green.
constexpr std::array<double, 5> Panchromatic = {0.80, 1.00, 1.00, 0.90, 0.60};
constexpr std::array<double, 5> Yellow14 = {0.35, 0.85, 1.00, 1.00, 1.00};
constexpr std::array<double, 5> Yellow2 = {0.10, 0.60, 0.95, 1.00, 1.00};
constexpr std::array<double, 5> Orange28 = {0.00, 0.15, 0.80, 1.00, 1.00};

const std::array<double, 5>& transmission(LightKind kind)
{
    switch (kind) {
    case LightKind::Yellow14: return Yellow14;
    case LightKind::Yellow2: return Yellow2;
    case LightKind::Orange28: return Orange28;
    default: return Panchromatic; // the film alone: everything passes
    }
}

} // namespace

std::vector<WeightedLine> lightLines(LightKind kind)
{
    if (kind == LightKind::DLine)
        return {{LineD, 1.0}};
    const auto& filter = transmission(kind);
    const bool bare = kind == LightKind::Panchromatic;
    std::vector<WeightedLine> lines;
    double total = 0;
    for (std::size_t k = 0; k < Wavelengths.size(); ++k) {
        const double w = Panchromatic[k] * (bare ? 1.0 : filter[k]);
        if (w > 0) {
            lines.push_back({Wavelengths[k], w});
            total += w;
        }
    }
    for (WeightedLine& line : lines)
        line.weight /= total;
    return lines;
}

double indexAt(double nd, double abbe, double wavelength)
{
    const auto inverseSquare = [](double l) { return 1.0 / (l * l); };
    const double b = (nd - 1.0) / abbe / (inverseSquare(LineF) - inverseSquare(LineC));
    return nd + b * (inverseSquare(wavelength) - inverseSquare(LineD));
}

} // namespace monocl
