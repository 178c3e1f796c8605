#pragma once

#include <array>
#include <vector>

namespace monocl {

// A smooth map of the plane fitted to scattered pairs by least squares: a
// polynomial of degree PupilMapDegree in each coordinate. The PSF samples
// the pupil evenly as the film sees it (the directions from the image point
// to the reference sphere); the map finds the stop point whose ray arrives
// there, and its Jacobian the light each sample carries.
constexpr int PupilMapDegree = 5;
constexpr int PupilMapTerms = (PupilMapDegree + 1) * (PupilMapDegree + 2) / 2;

struct MapPair {
    double a, b; // where from, of the order of 1
    double x, y; // where to
};

struct MapValue {
    double x, y;
    double jacobian; // |d(x, y) / d(a, b)|
};

class PupilMap {
public:
    // False where the pairs do not determine the polynomial.
    bool fit(const std::vector<MapPair>& pairs);
    MapValue operator()(double a, double b) const;

private:
    std::array<double, PupilMapTerms> m_x{};
    std::array<double, PupilMapTerms> m_y{};
};

} // namespace monocl
