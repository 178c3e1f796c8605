#pragma once

#include "forecast.h"
#include "monocl_state.h"
#include "ray_trace.h"

#include <cstdint>
#include <string>

namespace monocl {

// The values one recompute shares between its steps. They start at zero in
// every run.
struct RecomputeLocals {
    double EdgeRatio = 0;
    double FilterFactor = 0;
    std::int32_t DesignFailed = 0;
    double sf = 0;
    double FrontSag = 0;
    double RearSag = 0;
    double RearShift = 0;
    ForecastValues Forecast;
};

// What the design reads off the controls of the design tab.
struct DesignControls {
    int OtSpin = 5;        // relative edge thickness
    int KsfBar = 60;       // track bar position 0..100
    int KxrBar = 100;      // track bar position 0..100
    std::string NDedit = "1.5182";
    std::string ABEdit = "64";
    int FSpin = 52;        // focal length, mm
    int ASpin = 45;        // field of view, degrees
    bool RB1 = true;       // zero coma
    bool RB2 = false;      // zero astigmatism
    bool Sf1 = true;       // no filter
    bool Sf2 = false;      // yellow 1.4x
    bool Sf3 = false;      // yellow 2x
    char decimalSeparator = '.';
};

// The relative aberration a track bar position 0..100 stands for: 0.25 at the
// left end to 0.5 at the right. Its label shows it; the spherical ratio is it
// in per cent.
double trackBarRatio(int position);

// Reads the requirements into the store. The two index texts are converted
// afresh; an unconvertible text throws ConversionError.
void ReadDesignInputs(const DesignControls& controls, MonoclState& state, RecomputeLocals& locals);

// Thin-lens pass, centre thickness from that shape, then the pass with that
// thickness.
void RunDesignPasses(MonoclState& state, RecomputeLocals& locals);

// The sags of the final shape at its rim and the shift of the rear surface.
void ComputeEdgeGeometry(const MonoclState& state, RecomputeLocals& locals);

// The three steps above in order, as the recompute runs them.
void designPass(const DesignControls& controls, MonoclState& state, RecomputeLocals& locals);

// The designed lens as the exact ray check traces it, lengths in mm: read
// right after the design steps, before the forecast reuses the store's R2.
RayLens designedRayLens(const MonoclState& state);

// The axial depth of a spherical surface of radius R at half-diameter halfD,
// R + sqrt(R^2 - halfD^2); negative for a negative R.
double surfaceSag(double R, double halfD);

} // namespace monocl
