#pragma once

#include "core/mtf.h"
#include "core/ray_trace.h"

#include <vector>

namespace monocl {

// The focus shifts (the film minus the paraxial image plane, mm) a
// through-focus curve is drawn over: about the axial best focus of the lens
// at its stop, wide enough to hold the paraxial focus, several depths of
// focus and the film as set.
struct FocusRange {
    double centre = 0;
    double halfWidth = 0;
};

// The axial best focus (least RMS spot at the d line) of the lens stopped
// to the f-number, as a focus shift; 0, the paraxial image plane, where it
// has none. Where the film starts.
double bestFocusAt(const RayLens& lens, double fNumber);

// The range for the lens (with its stop as used) and the film as set; its
// centre is the film where the lens has no best focus.
FocusRange throughFocusRange(const RayLens& stopped, double focusShift);

// ThroughFocusPoints shifts evenly over the range, its ends included.
constexpr int ThroughFocusPoints = 11;
std::vector<double> focusShiftsOver(const FocusRange& range);

// The line spreads of one field's PSF at one focus shift: kept, so that a
// new frequency needs no new PSF.
struct FocusSpread {
    double focusShift = 0;
    LineSpreads spreads;
};

// The sagittal and tangential modulation at one frequency against the focus.
struct ThroughFocusCurve {
    std::vector<double> focus;
    std::vector<double> sagittal;
    std::vector<double> tangential;
};

ThroughFocusCurve throughFocusMtf(const std::vector<FocusSpread>& spreads, double frequency);

// The depth over which the aberration-free lens at f-number N stays within
// a quarter wave of its focus: +-2 lambda N^2 at the d line, mm.
double focalDepth(double fNumber);

} // namespace monocl
