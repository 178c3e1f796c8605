#pragma once

#include "core/ray_trace.h"
#include "core/tolerances.h"

#include <optional>
#include <string>

namespace monocl {

// Which lens the drawing, the lens data and the exchange files give: the
// refined one when it was found, else the design's (Automatic); or the one
// asked for.
enum class DrawingLens { Automatic, Refined, ThirdOrder };

// The element drawing's requirements that are not the lens's own, after
// ISO 10110: the defaults suit a soft-focus lens, whose image is soft by
// intent, so the glass and the surfaces need no more than ordinary quality.
struct DrawingSettings {
    DrawingLens lens = DrawingLens::Automatic;
    double bevel = 0.3;                 // protective bevel, mm at 45 degrees
    std::optional<double> ringDiameter; // of the spherometer; none: 0.8 Dm
    ToleranceBudget budget;
    // 0/ stress birefringence, nm/cm.
    double stress = 20;
    // 1/ bubbles and inclusions N x A (A in mm).
    int bubbleCount = 3;
    double bubbleSize = 0.25;
    // 2/ inhomogeneity class and striae class.
    int inhomogeneityClass = 1;
    int striaeClass = 1;
    // 3/ irregularity in fringes; the sagitta error is the radius's own
    // tolerance, or this where the radius is toleranced in millimetres.
    int sagittaFringes = 5;
    int irregularityFringes = 2;
    // 4/ wedge, arc minutes.
    double wedgeMinutes = 3;
    // 5/ surface imperfections N x A (A in mm).
    int imperfectionCount = 5;
    double imperfectionSize = 0.25;
    bool operator==(const DrawingSettings&) const = default;
};

// The largest bevel any rim takes, and the share of Dm the spherometer's
// ring has by default.
inline constexpr double DefaultRingShare = 0.8;

// Why these settings cannot be drawn from, in the window's words: a
// spherometer ring wider than the lens's diameter, a bevel wider than its
// rim, a budget of zero or less, a code out of its range. Nothing when they
// are right; the lens is the one drawn, when there is one.
std::optional<std::string> drawingSettingsProblem(const DrawingSettings& settings,
                                                  const std::optional<RayLens>& lens, char separator);

// The lens a drawing is made from, and whether it is the refined one.
struct DrawnLens {
    RayLens lens;
    bool refined = false;
    int steps = 0; // of the refinement
};

// The ring's diameter for a lens of diameter Dm.
double ringDiameterFor(const DrawingSettings& settings, double Dm);

} // namespace monocl
