#pragma once

#include "core/ray_trace.h"

#include <array>
#include <optional>
#include <vector>

namespace monocl {

// The spots of the pictures and of the aperture table are sampled on rings
// over the stop, so that a round spot looks round: SpotRings rings, ring k
// (1..SpotRings) with 6k rays at the angles 2 pi (j + 1/2) / 6k from the +y
// direction, the stop point (r sin a, r cos a). The rings lie at the
// Gauss-Legendre nodes of the area (r / rStop)^2 over 0..1, and each ring
// weighs its Gauss weight, shared by its rays: the RMS radius of a uniform
// pupil comes out to the trace's rounding with a few hundred rays. A blocked
// ray is left out.
constexpr int SpotRings = 8;
constexpr int SpotRayCount = 3 * SpotRings * (SpotRings + 1);

// Ring k's radius as a share of the stop's radius, and its weight (the
// weights add up to 1).
struct SpotRing {
    double radius;
    double weight;
};
SpotRing spotRing(int k);

// The points of the through-focus curve.
constexpr int FocusSampleCount = 41;

// The three lines of the spots' colours.
enum class ColourLine { F, d, C };

// The index at the line: nF = nd + 0.7 (nd - 1) / Vd, nC = nd - 0.3 (nd - 1) / Vd,
// as the ray check's axial colour takes them.
double lineIndex(const RayLens& lens, ColourLine line);

// The spots at the d line at the plane where the axial spot's RMS radius is
// least.
struct RingSpots {
    std::optional<double> bestFocusShift; // that plane minus the paraxial image plane, mm
    std::optional<double> axis;           // RMS spot radius on the axis there, um
    std::optional<double> edge;           // at the field's edge (angle beta), um
};

// Never throws; what cannot be had is empty.
RingSpots ringSpots(const RayLens& lens) noexcept;

// One field's spot in the three lines at the axial best focus, in
// micrometres from the d line's centroid.
struct ColourSpot {
    double fieldAngle = 0;
    std::array<std::vector<SpotPoint>, 3> points; // by ColourLine
};

// The RMS spot radius (d line) at a plane `shift` mm from the axial best focus.
struct FocusSample {
    double shift = 0;
    std::optional<double> axis; // um
    std::optional<double> edge; // um
};

struct SpotPictures {
    std::optional<double> bestFocusShift; // as RingSpots
    std::array<ColourSpot, 3> spots;      // fields 0, 0.7 beta and beta
    // Around the axial best focus, far enough that the axial spot grows to
    // three times its least and the edge's least is inside; empty without a
    // best focus.
    std::vector<FocusSample> throughFocus;
    std::optional<double> edgeBestShift;  // the edge's least spot, from the axial best focus, mm
};

SpotPictures spotPictures(const RayLens& lens) noexcept;

} // namespace monocl
