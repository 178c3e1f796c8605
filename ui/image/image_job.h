#pragma once

#include "core/linear_image.h"
#include "core/mtf.h"
#include "core/pupil_psf.h"
#include "core/ray_trace.h"
#include "core/through_focus.h"
#include "core/light_lines.h"
#include "core/work_control.h"

#include <array>
#include <optional>
#include <string>

namespace monocl {

// What the image tab computes from: the lens, its stop and focus, the light,
// and the scene in linear light.
struct ImageInputs {
    RayLens lens;
    double fNumber = 8;
    double focusShift = 0; // mm, the film minus the paraxial image plane
    LightKind light = LightKind::Panchromatic;
    LinearImage scene;
};

// The field shares the MTF curves are drawn at: the axis, 0,7 and the edge;
// those through focus: the axis and the edge.
constexpr std::array<double, 3> MtfFieldShares = {0.0, 0.7, 1.0};
constexpr std::array<double, 2> FocusFieldShares = {0.0, 1.0};

// What it shows: the PSF on the axis, the MTF at the three field shares,
// the diffraction limit at the same frequencies, the line spreads through
// focus at FocusFieldShares (any frequency's through-focus MTF is had from
// them at once) and the photograph.
struct ImageResults {
    Psf axialPsf;
    std::array<MtfCurve, 3> mtf;
    std::vector<double> diffractionLimit;
    FocusRange focusRange;
    std::array<std::vector<FocusSpread>, FocusFieldShares.size()> throughFocus;
    LinearImage photograph;
};

// All of it, or none where the lens cannot make an image at this stop and
// focus or the work was cancelled.
std::optional<ImageResults> computeImage(const ImageInputs& inputs, int threads,
                                         const WorkControl& control);

} // namespace monocl
