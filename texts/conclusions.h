#pragma once

#include "core/forecast.h"
#include "core/monocl_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace monocl {

// Colour values of the conclusions' font.
constexpr std::uint32_t VerdictRed = 0x0000FF;   // a warning was written
constexpr std::uint32_t VerdictGreen = 0x008000; // the lens gives the soft-focus picture

struct Conclusions {
    std::vector<std::string> vvd;    // conclusion lines
    std::vector<std::string> recom;  // recommendation lines
    std::uint32_t colour = VerdictRed;  // the font colour of the conclusions

    double ApertureFrom = 0;
    double ApertureTo = 0;
    double RequiredAbbe = 0;
    double MeanAbbe = 0;
    int SphericalVerdict = 0;
    int ChromaticVerdict = 0;
};

// Judges the forecast monocle against the conditions of a soft-focus picture
// (relative spherical aberration 0.25..0.5 %, chromatic ratio 0.25..0.5) and
// recommends a light filter and a range of relative apertures. Throws
// MathError where the arithmetic faults; nothing is decided then.
Conclusions decideConclusions(const MonoclState& state, const ForecastValues& values,
                              char separator);

} // namespace monocl
