#pragma once

#include "monocl_state.h"

namespace monocl {

// The per-run results of the forecast that the table and the conclusions
// read. Each pair holds the value at the lower index NdMin, then at NdMax.
struct ForecastValues {
    double dr1AtNdMin = 0, dr1AtNdMax = 0;   // sag of the first surface, mm
    double dmAtNdMin = 0, dmAtNdMax = 0;     // centre thickness, mm
    double PAtNdMin = 0, PAtNdMax = 0;       // thin-lens main parameter P
    double WAtNdMin = 0, WAtNdMax = 0;       // thin-lens main parameter W
    double X2ByUpperShape = 0;               // stop distance candidates, mm
    double X2ByLowerShape = 0;
    double sAtNdMin = 0, sAtNdMax = 0;       // relative spherical aberration
    double ChromaticHigh = 0;                // relative chromatic aberration
    double ChromaticLow = 0;
};

// What the forecast reads off the controls of the forecast tab.
struct ForecastControls {
    int VminSP = 40;
    int VmaxSP = 70;
    int NSpin = 8;
    bool sfp1 = true;   // no filter
    bool sfp2 = false;  // yellow 1.4x
    bool sfp3 = false;  // yellow 2x
    bool Sfp4 = false;  // orange 2.8x
};

// sqrt(2) / 32: the spot of spherical aberration per unit P.
double sphericalSpotFactor();

// Reconstructs the measured lens at both ends of the glass range and forecasts
// its aberrations. Writes AbbeMin, AbbeMax, dr2, R2 (mm), the two r1 and the
// two radius ratios into the store as it reaches them.
ForecastValues ComputeForecast(const ForecastControls& controls, MonoclState& state);

} // namespace monocl
