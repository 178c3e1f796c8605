#pragma once

#include "core/pupil_psf.h"
#include "core/ray_trace.h"

#include <optional>

namespace monocl {

// A lens at a field angle and a focus, and what light reaches the film.
struct PsfSetup {
    RayLens lens;          // with the stop diameter it is used at
    double fieldAngle = 0; // radians
    double focusShift = 0; // the film minus the paraxial image plane (d line), mm
    LightKind light = LightKind::Panchromatic;
};

// The paraxial focal length of the lens at the d line, mm; none for a lens
// of no power.
std::optional<double> paraxialFocal(const RayLens& lens);

// The lens with its stop opened or closed to the f-number: the stop's
// diameter F'/N, F' paraxial at the d line, all else kept. None where the
// lens has no focal length.
std::optional<RayLens> withFNumber(const RayLens& lens, double fNumber);

// The grid that samples the Airy radius at the shortest line 2,5 times and
// holds the whole geometric spot with a margin; where that would take more
// than PsfMaxSize samples a side, the spacing is widened so the spot still
// fits. None where the chief ray is blocked or the lens cannot be traced.
std::optional<PsfGrid> psfGridFor(const PsfSetup& setup);

// The optical path differences of the lens's rays against the sphere about
// the chief ray's image at the d line, the same reference for every line so
// that the lateral colour stays in the PSF. None as psfGridFor.
std::optional<WaveFunction> lensWave(const PsfSetup& setup);

// The PSF of the lens on psfGridFor's grid. None where there is none or it
// was cancelled.
std::optional<Psf> lensPsf(const PsfSetup& setup, const WorkControl& control = {});

constexpr int PsfMaxSize = 1024;
constexpr double PsfSamplesPerAiryRadius = 2.5;

} // namespace monocl
