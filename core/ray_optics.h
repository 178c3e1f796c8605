#pragma once

// The geometry the ray check is built on: rays, the two spherical surfaces
// of the lens and the stop, refraction at a surface, and the thick lens's
// paraxial focus, and the few rays that measure one aberration each. For the
// ray check and the refinement of a lens by rays.

#include "core/ray_trace.h"
#include "errors/real.h"

#include <optional>

namespace monocl::rays {

struct Vec {
    Real x, y, z;
};

Real dot(const Vec& a, const Vec& b);

struct Ray {
    Vec p; // a point on the ray
    Vec d; // unit direction
};

// A spherical surface between two media.
struct Surface {
    Real vertexZ;
    Real curvature;
    Real n1, n2;
    Real mu; // n1 / n2
    Real rimSquared;
    bool forwardOnly; // the ray may not run back to meet it
};

enum class Fate { Passed, Missed, Rim, Reflected, Backward };

// What the Coddington equations need of one crossing: the cosines of the
// angles of incidence and refraction and the path from the previous point.
struct Crossing {
    Real cosI, cosR, path;
};

// Carries the ray to the surface and refracts it there. On Passed the ray
// leaves the point met in its new direction; on Rim and Reflected it stands
// at the point met; otherwise it is unchanged.
Fate refract(Ray& r, const Surface& s, Crossing& c);

struct Model {
    Surface front, rear;
    Real stopZ;
    Real halfStop;
    Real step; // grid spacing on the stop
};

// Through both surfaces; the ray must leave the lens running forward.
Fate traceLens(Ray& r, const Model& m, Crossing& first, Crossing& second);

Ray startRay(const Model& m, Real x, Real y, Real sinW, Real cosW);

Real sinOf(Real a);
Real cosOf(Real a);

// Height of the ray where it crosses the plane z.
Real heightAt(const Ray& r, Real z);

struct Paraxial {
    Real focal, back;
};

// The thick-lens formulas for index n.
Paraxial paraxial(Real n, Real c1, Real c2, Real t);

// The lens of the design as the trace sees it; none for a lens that cannot
// be traced (no clear aperture or stop, a negative thickness, an index not
// above zero, a field of a right angle or more).
std::optional<Model> makeModel(const RayLens& lens);

// The chief ray at field angle omega and, along it, the z of the sagittal
// and tangential foci; none where it is blocked.
struct ChiefRay {
    Ray ray;
    Real sagittalZ, tangentialZ;
};

std::optional<ChiefRay> chiefRay(const Model& m, Real omega);

// The relative spherical aberration by rays, %: twice the height at which
// the axial ray through 0.7 of the stop crosses the paraxial image plane
// imageZ, over the focal length. None where that ray is blocked.
std::optional<Real> zonalSpherical(const Model& m, Real focal, Real imageZ);

} // namespace monocl::rays
