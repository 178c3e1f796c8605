#pragma once

#include <vector>

namespace monocl {

// One wavelength of a polychromatic image and its share of the light.
struct WeightedLine {
    double wavelength = 0; // mm
    double weight = 0;     // the weights of a light add up to 1
};

// What reaches the film: panchromatic film in daylight bare or behind one of
// the light filters the forecast offers, or the d line alone.
enum class LightKind { Panchromatic, Yellow14, Yellow2, Orange28, DLine };

// The lines F, between F and d, d, between d and C, and C with the weights
// of the light; the d line alone for DLine.
std::vector<WeightedLine> lightLines(LightKind kind);

// The glass's index at a wavelength (mm) from nd and the Abbe number, by
// Cauchy's two-term formula through nd with nF - nC = (nd - 1) / abbe.
double indexAt(double nd, double abbe, double wavelength);

constexpr double LineF = 0.4861e-3;
constexpr double LineD = 0.5876e-3;
constexpr double LineC = 0.6563e-3;

} // namespace monocl
