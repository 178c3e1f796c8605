#pragma once

#include <array>
#include <optional>
#include <vector>

namespace monocl {

// The monocle as the ray check sees it. Lengths in millimetres. The front
// vertex lies at z = 0, light runs towards +z, and each radius is signed: the
// centre of curvature lies at the vertex plus the radius.
struct RayLens {
    double R1 = 0;                 // front surface
    double R2 = 0;                 // rear surface, vertex at z = thickness
    double thickness = 0;          // centre thickness
    double diameter = 0;           // clear diameter Dm of both surfaces
    double nd = 1;                 // glass index at the d line
    double abbe = 0;               // Abbe number
    double stopZ = 0;              // plane of the stop X1; negative in front
    double stopDiameter = 0;       // Df
    double halfField = 0;          // beta in radians; the full field is 2 beta
    double requestedSpherical = 0; // the design's relative spherical aberration, %
};

// The rays start on a square grid of spacing Df / (2 RayGridHalf) over the
// stop; the curves of the pictures have RaySampleCount points each.
constexpr int RayGridHalf = 32;
constexpr int RaySampleCount = 21;
// The d line, in millimetres.
constexpr double RayWavelength = 0.5876e-3;

// One ray of a spot, in micrometres from the spot's centroid.
struct SpotPoint {
    double x = 0;
    double y = 0;
};

// The spot of one field at the plane of best focus. Empty where that plane
// cannot be had or no ray of the field gets through.
struct FieldSpot {
    double fieldAngle = 0;            // radians
    std::optional<double> centroidY;  // height of the centroid, mm
    std::vector<SpotPoint> points;
};

// Where the axial ray at relative pupil height `pupil` (0..1) crosses the
// axis, minus the paraxial image plane, mm.
struct SphericalSample {
    double pupil = 0;
    std::optional<double> shift;
};

// The sagittal and tangential foci of the chief ray at one field angle, their
// z minus the paraxial image plane, mm.
struct FieldFocusSample {
    double fieldAngle = 0;
    std::optional<double> sagittal;
    std::optional<double> tangential;
};

// A meridional ray for the lens section: the stop, each surface it meets and
// the image plane, as (z, y) in mm. A blocked ray ends where it was stopped.
struct SectionPoint {
    double z = 0;
    double y = 0;
};

struct SectionRay {
    double fieldAngle = 0;
    double stopHeight = 0;
    bool blocked = false;
    std::vector<SectionPoint> path;
};

// The exact ray check of a design. A value that cannot be had is empty.
struct RayCheck {
    std::optional<double> focalLength;        // paraxial F', mm
    std::optional<double> backFocalDistance;  // paraxial sf, mm
    std::optional<double> sphericalEdge;      // longitudinal, pupil edge, mm
    std::optional<double> sphericalZone;      // longitudinal, zone 0.7, mm
    std::optional<double> sphericalRelative;  // Ksph by rays, %
    std::optional<double> sphericalRequested; // Ksph of the design, %
    std::optional<double> bestFocusShift;     // best focus minus paraxial image plane, mm
    std::optional<double> spotAxis;           // RMS spot radius, um
    std::optional<double> spotZone;           // at 0.7 of the field, um
    std::optional<double> spotEdge;           // at the field's edge, um
    std::optional<double> airyDiameter;       // um
    std::optional<double> sagittalFocus;      // at the field's edge, mm
    std::optional<double> tangentialFocus;    // at the field's edge, mm
    std::optional<double> distortion;         // at the field's edge, %
    std::optional<double> axialColour;        // back focal distance F minus C, mm
    std::optional<double> vignetting;         // at the field's edge, %

    std::optional<double> paraxialImageZ;     // z of the paraxial image plane
    std::optional<double> bestFocusZ;         // z of the plane of best focus

    std::array<FieldSpot, 3> spots;           // fields 0, 0.7 beta, beta
    std::vector<SphericalSample> spherical;   // pupil 0..1
    std::vector<FieldFocusSample> fieldFoci;  // field 0..beta
    std::vector<SectionRay> sectionRays;      // axial field, then the edge
};

// Traces the design and measures it. Never throws for any input; a fault
// leaves the values that depend on it empty.
RayCheck checkByRays(const RayLens& lens);

// A ray: a point and a unit direction.
struct RayState {
    double x = 0, y = 0, z = 0;
    double dx = 0, dy = 0, dz = 1;
};

// Carries the ray along its line to the sphere with vertex at z = vertexZ and
// the given signed radius, and refracts it there from index n1 into n2. Gives
// the ray at the point met with its new direction, or nothing where the ray
// misses the sphere, meets it farther than halfAperture from the axis, is
// totally reflected or the arithmetic faults.
std::optional<RayState> refractAtSphere(const RayState& ray, double vertexZ, double radius,
                                        double n1, double n2, double halfAperture);

} // namespace monocl
