#include "core/ray_trace.h"

#include "core/real.h"

#include <cmath>
#include <cstddef>

namespace monocl {

namespace {

struct Vec {
    Real x, y, z;
};

Real dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

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
Fate refract(Ray& r, const Surface& s, Crossing& c)
{
    if (r.d.z <= 0.0)
        return Fate::Backward;
    // To the vertex plane, then to the sphere c (x^2 + y^2 + z^2) = 2 z about
    // the vertex. The root taken is the one that goes to zero with the
    // curvature, so a plane needs no case of its own.
    const Real t0 = (s.vertexZ - r.p.z) / r.d.z;
    const Real x0 = r.p.x + t0 * r.d.x;
    const Real y0 = r.p.y + t0 * r.d.y;
    const Real cv = s.curvature;
    const Real h = cv * (x0 * x0 + y0 * y0);
    const Real b = r.d.z - cv * (x0 * r.d.x + y0 * r.d.y);
    const Real disc = b * b - cv * h;
    if (disc < 0.0)
        return Fate::Missed;
    const Real den = b + sqrt(disc);
    if (den <= 0.0)
        return Fate::Missed;
    const Real t1 = h / den;
    const Real path = t0 + t1;
    // Inside the glass a ray that must run back to the next surface passes
    // where the two surfaces have crossed: there is no glass there.
    if (s.forwardOnly && path < 0.0)
        return Fate::Missed;
    const Real x = x0 + t1 * r.d.x;
    const Real y = y0 + t1 * r.d.y;
    const Real z = t1 * r.d.z;
    r.p = {x, y, s.vertexZ + z};
    if (x * x + y * y > s.rimSquared)
        return Fate::Rim;
    // The unit normal, towards +z on the cap about the vertex.
    const Vec n{-cv * x, -cv * y, 1.0 - cv * z};
    if (n.z <= 0.0)
        return Fate::Missed;
    const Real cosI = dot(r.d, n);
    if (cosI <= 0.0)
        return Fate::Missed;
    const Real k = 1.0 - s.mu * s.mu * (1.0 - cosI * cosI);
    if (k < 0.0)
        return Fate::Reflected;
    const Real cosR = sqrt(k);
    const Real g = cosR - s.mu * cosI;
    r.d = {s.mu * r.d.x + g * n.x, s.mu * r.d.y + g * n.y, s.mu * r.d.z + g * n.z};
    c = {cosI, cosR, path};
    return Fate::Passed;
}

struct Model {
    Surface front, rear;
    Real stopZ;
    Real halfStop;
    Real step; // grid spacing on the stop
};

// Through both surfaces; the ray must leave the lens running forward.
Fate traceLens(Ray& r, const Model& m, Crossing& first, Crossing& second)
{
    Fate f = refract(r, m.front, first);
    if (f != Fate::Passed)
        return f;
    f = refract(r, m.rear, second);
    if (f != Fate::Passed)
        return f;
    return r.d.z > 0.0 ? Fate::Passed : Fate::Backward;
}

Ray startRay(const Model& m, Real x, Real y, Real sinW, Real cosW)
{
    return {{x, y, m.stopZ}, {0.0, sinW, cosW}};
}

Real sinOf(Real a) { return Real::checked(std::sin(a.value())); }
Real cosOf(Real a) { return Real::checked(std::cos(a.value())); }

// Height of the ray where it crosses the plane z.
Real heightAt(const Ray& r, Real z) { return r.p.y + (z - r.p.z) * r.d.y / r.d.z; }

struct Paraxial {
    Real focal, back;
};

// The thick-lens formulas for index n.
Paraxial paraxial(Real n, Real c1, Real c2, Real t)
{
    const Real power = (n - 1.0) * (c1 - c2) + (n - 1.0) * (n - 1.0) * t * c1 * c2 / n;
    const Real focal = 1.0 / power;
    return {focal, focal * (1.0 - (n - 1.0) * t * c1 / n)};
}

// A ray of the grid where it crosses the reference plane, with its slopes.
struct RayEnd {
    Real x, y, sx, sy;
};

struct FieldTrace {
    bool valid = false;
    int total = 0;
    int blocked = 0;
    std::vector<RayEnd> ends;
};

void traceField(const Model& m, Real omega, Real zRef, FieldTrace& out)
{
    out.valid = false;
    out.total = 0;
    out.blocked = 0;
    out.ends.clear();
    out.ends.reserve((2 * RayGridHalf + 1) * (2 * RayGridHalf + 1));
    const Real sinW = sinOf(omega);
    const Real cosW = cosOf(omega);
    constexpr int g = RayGridHalf;
    Crossing first, second;
    // The lens and the field are symmetric about the meridional plane x = 0,
    // so the ray at -x is the mirror image of the ray at x and is not traced.
    // On the axis the plane y = 0 is a plane of symmetry too.
    const bool axial = sinW == 0.0;
    for (int j = axial ? 0 : -g; j <= g; ++j) {
        const Real y = Real(j) * m.step;
        const bool mirrorY = axial && j != 0;
        for (int i = 0; i <= g; ++i) {
            if (i * i + j * j > g * g)
                break;
            const bool mirrorX = i != 0;
            const int copies = (mirrorX ? 2 : 1) * (mirrorY ? 2 : 1);
            out.total += copies;
            Ray r = startRay(m, Real(i) * m.step, y, sinW, cosW);
            if (traceLens(r, m, first, second) != Fate::Passed) {
                out.blocked += copies;
                continue;
            }
            const Real sx = r.d.x / r.d.z;
            const Real sy = r.d.y / r.d.z;
            const Real dz = zRef - r.p.z;
            const RayEnd end{r.p.x + dz * sx, r.p.y + dz * sy, sx, sy};
            out.ends.push_back(end);
            if (mirrorX)
                out.ends.push_back({-end.x, end.y, -end.sx, end.sy});
            if (mirrorY)
                out.ends.push_back({end.x, -end.y, end.sx, -end.sy});
            if (mirrorX && mirrorY)
                out.ends.push_back({-end.x, -end.y, -end.sx, -end.sy});
        }
    }
    out.valid = true;
}

// A ray whose slope to the axis, or a bundle whose slopes spread, by less
// than this cannot be told from parallel: the trace's rounding is of the
// order of 1e-16.
constexpr double ParallelSlope = 1e-12;

// The shift from the reference plane that minimises the RMS distance of the
// rays from their centroid: the squared RMS is quadratic in the shift. Empty
// for a parallel bundle.
std::optional<Real> bestShift(const std::vector<RayEnd>& ends)
{
    const Real count = Real(static_cast<double>(ends.size()));
    Real mx = 0.0, my = 0.0, msx = 0.0, msy = 0.0;
    for (const RayEnd& e : ends) {
        mx += e.x;
        my += e.y;
        msx += e.sx;
        msy += e.sy;
    }
    mx /= count;
    my /= count;
    msx /= count;
    msy /= count;
    Real linear = 0.0, quadratic = 0.0;
    for (const RayEnd& e : ends) {
        const Real dsx = e.sx - msx;
        const Real dsy = e.sy - msy;
        linear += (e.x - mx) * dsx + (e.y - my) * dsy;
        quadratic += dsx * dsx + dsy * dsy;
    }
    if (quadratic / count < Real(ParallelSlope) * ParallelSlope)
        return std::nullopt;
    return -linear / quadratic;
}

// The RMS radius of the field's spot at the shift, in micrometres, and its
// points about the centroid.
Real spotAt(const std::vector<RayEnd>& ends, Real shift, FieldSpot& spot)
{
    const Real count = Real(static_cast<double>(ends.size()));
    Real cx = 0.0, cy = 0.0;
    for (const RayEnd& e : ends) {
        cx += e.x + e.sx * shift;
        cy += e.y + e.sy * shift;
    }
    cx /= count;
    cy /= count;
    Real sum = 0.0;
    std::vector<SpotPoint> points;
    points.reserve(ends.size());
    for (const RayEnd& e : ends) {
        const Real dx = e.x + e.sx * shift - cx;
        const Real dy = e.y + e.sy * shift - cy;
        sum += dx * dx + dy * dy;
        points.push_back({(dx * 1000.0).value(), (dy * 1000.0).value()});
    }
    const Real rms = sqrt(sum / count) * 1000.0;
    spot.centroidY = cy.value();
    spot.points = std::move(points);
    return rms;
}

// Where the axial ray at stop height h crosses the axis; empty if blocked.
std::optional<Real> axisCrossing(const Model& m, Real h)
{
    Crossing first, second;
    Ray r = startRay(m, 0.0, h, 0.0, 1.0);
    if (traceLens(r, m, first, second) != Fate::Passed)
        return std::nullopt;
    if (abs(r.d.y) < abs(r.d.z) * ParallelSlope)
        return std::nullopt;
    return r.p.z - r.p.y * r.d.z / r.d.y;
}

struct ChiefRay {
    Ray ray;
    Real sagittalZ, tangentialZ;
};

// The chief ray at field angle omega and, along it, the sagittal and
// tangential foci by Coddington's equations for an object at infinity. The
// vergences n/s and n/t start at zero and are carried between the surfaces
// along the ray.
std::optional<ChiefRay> chiefRay(const Model& m, Real omega)
{
    Crossing c[2];
    Ray r = startRay(m, 0.0, 0.0, sinOf(omega), cosOf(omega));
    if (traceLens(r, m, c[0], c[1]) != Fate::Passed)
        return std::nullopt;
    const Surface* surfaces[2] = {&m.front, &m.rear};
    Real sag = 0.0, tan = 0.0;
    for (int k = 0; k < 2; ++k) {
        const Surface& s = *surfaces[k];
        if (k > 0) {
            const Real d = c[k].path / s.n1;
            sag = sag / (1.0 - d * sag);
            tan = tan / (1.0 - d * tan);
        }
        const Real cos2I = c[k].cosI * c[k].cosI;
        const Real cos2R = c[k].cosR * c[k].cosR;
        const Real power = s.curvature * (s.n2 * c[k].cosR - s.n1 * c[k].cosI);
        sag = sag + power;
        tan = (tan * cos2I + power) / cos2R;
    }
    // In air after the lens the distances are the reciprocal vergences.
    return ChiefRay{r, r.p.z + r.d.z / sag, r.p.z + r.d.z / tan};
}

// Steps of the section picture: the stop, each surface met, the image plane.
SectionRay sectionRay(const Model& m, Real omega, Real h, std::optional<Real> imageZ)
{
    SectionRay out;
    out.fieldAngle = omega.value();
    out.stopHeight = h.value();
    Ray r = startRay(m, 0.0, h, sinOf(omega), cosOf(omega));
    out.path.push_back({r.p.z.value(), r.p.y.value()});
    Crossing c;
    for (const Surface* s : {&m.front, &m.rear}) {
        const Fate f = refract(r, *s, c);
        if (f != Fate::Passed) {
            out.blocked = true;
            if (f == Fate::Rim || f == Fate::Reflected)
                out.path.push_back({r.p.z.value(), r.p.y.value()});
            return out;
        }
        out.path.push_back({r.p.z.value(), r.p.y.value()});
    }
    if (r.d.z <= 0.0) {
        out.blocked = true;
        return out;
    }
    if (imageZ)
        out.path.push_back({imageZ->value(), heightAt(r, *imageZ).value()});
    return out;
}

template <class F>
void guarded(F&& f)
{
    try {
        f();
    } catch (const MathError&) {
        // The value stays empty.
    }
}

constexpr double RightAngle = 1.5707963267948966; // radians

std::optional<Model> makeModel(const RayLens& lens)
{
    const Real r1 = Real::checked(lens.R1);
    const Real r2 = Real::checked(lens.R2);
    const Real t = Real::checked(lens.thickness);
    const Real dm = Real::checked(lens.diameter);
    const Real n = Real::checked(lens.nd);
    const Real stopZ = Real::checked(lens.stopZ);
    const Real df = Real::checked(lens.stopDiameter);
    const Real beta = Real::checked(lens.halfField);
    if (dm <= 0.0 || df <= 0.0 || t < 0.0 || n <= 0.0 || abs(beta) >= RightAngle)
        return std::nullopt;
    const Real rim = (dm / 2.0) * (dm / 2.0);
    Model m;
    m.front = {0.0, 1.0 / r1, 1.0, n, 1.0 / n, rim, false};
    m.rear = {t, 1.0 / r2, n, 1.0, n, rim, true};
    m.stopZ = stopZ;
    m.halfStop = df / 2.0;
    m.step = df / (2.0 * RayGridHalf);
    return m;
}

} // namespace

std::optional<RayState> refractAtSphere(const RayState& ray, double vertexZ, double radius,
                                        double n1, double n2, double halfAperture)
{
    try {
        const Real a = Real::checked(halfAperture);
        const Real n1r = Real::checked(n1);
        const Real n2r = Real::checked(n2);
        const Surface s{Real::checked(vertexZ), 1.0 / Real::checked(radius), n1r, n2r,
                        n1r / n2r, a * a, false};
        Ray r{{Real::checked(ray.x), Real::checked(ray.y), Real::checked(ray.z)},
              {Real::checked(ray.dx), Real::checked(ray.dy), Real::checked(ray.dz)}};
        Crossing c;
        if (refract(r, s, c) != Fate::Passed)
            return std::nullopt;
        return RayState{r.p.x.value(), r.p.y.value(), r.p.z.value(),
                        r.d.x.value(), r.d.y.value(), r.d.z.value()};
    } catch (const MathError&) {
        return std::nullopt;
    }
}

RayCheck checkByRays(const RayLens& lens)
{
    RayCheck out;
    const double beta = std::isfinite(lens.halfField) ? lens.halfField : 0.0;
    const double fieldFactors[3] = {0.0, 0.7, 1.0};
    for (int k = 0; k < 3; ++k)
        out.spots[static_cast<std::size_t>(k)].fieldAngle = fieldFactors[k] * beta;
    out.spherical.resize(RaySampleCount);
    out.fieldFoci.resize(RaySampleCount);
    for (int k = 0; k < RaySampleCount; ++k) {
        const double share = static_cast<double>(k) / (RaySampleCount - 1);
        out.spherical[static_cast<std::size_t>(k)].pupil = share;
        out.fieldFoci[static_cast<std::size_t>(k)].fieldAngle = share * beta;
    }

    guarded([&] { out.sphericalRequested = Real::checked(lens.requestedSpherical).value(); });

    std::optional<Real> focal, imageZ;
    guarded([&] {
        const Real n = Real::checked(lens.nd);
        const Real t = Real::checked(lens.thickness);
        const Paraxial p = paraxial(n, 1.0 / Real::checked(lens.R1), 1.0 / Real::checked(lens.R2), t);
        focal = p.focal;
        imageZ = t + p.back;
        out.focalLength = p.focal.value();
        out.backFocalDistance = p.back.value();
        out.paraxialImageZ = imageZ->value();
    });
    guarded([&] {
        const Real n = Real::checked(lens.nd);
        const Real t = Real::checked(lens.thickness);
        const Real c1 = 1.0 / Real::checked(lens.R1);
        const Real c2 = 1.0 / Real::checked(lens.R2);
        const Real spread = (n - 1.0) / Real::checked(lens.abbe);
        const Real nF = n + 0.7 * spread;
        const Real nC = n - 0.3 * spread;
        out.axialColour = (paraxial(nF, c1, c2, t).back - paraxial(nC, c1, c2, t).back).value();
    });
    guarded([&] {
        const Real df = Real::checked(lens.stopDiameter);
        if (focal && df > 0.0)
            out.airyDiameter = (2.44 * Real(RayWavelength * 1000.0) * *focal / df).value();
    });

    std::optional<Model> model;
    guarded([&] { model = makeModel(lens); });
    if (!model)
        return out;
    const Model& m = *model;
    const Real betaR = lens.halfField;

    // The grid of every field, its rays taken at the paraxial image plane, or
    // at the rear vertex where there is none.
    const Real zRef = imageZ ? *imageZ : m.rear.vertexZ;
    FieldTrace fields[3];
    for (int k = 0; k < 3; ++k) {
        // A fault leaves the field invalid.
        guarded([&] { traceField(m, fieldFactors[k] * betaR, zRef, fields[k]); });
    }
    if (fields[2].valid && fields[2].total > 0)
        out.vignetting = 100.0 * fields[2].blocked / static_cast<double>(fields[2].total);

    std::optional<Real> bestZ;
    guarded([&] {
        // The plane is found from the paraxial image plane.
        if (!imageZ || !fields[0].valid || fields[0].ends.empty())
            return;
        const std::optional<Real> found = bestShift(fields[0].ends);
        if (!found)
            return;
        const Real shift = *found;
        bestZ = zRef + shift;
        out.bestFocusZ = bestZ->value();
        out.bestFocusShift = shift.value();
        std::optional<double>* radii[3] = {&out.spotAxis, &out.spotZone, &out.spotEdge};
        for (int k = 0; k < 3; ++k) {
            guarded([&] {
                if (fields[k].valid && !fields[k].ends.empty())
                    *radii[k] = spotAt(fields[k].ends, shift,
                                       out.spots[static_cast<std::size_t>(k)]).value();
            });
        }
    });

    if (imageZ) {
        const Real zp = *imageZ;
        guarded([&] {
            if (const auto z = axisCrossing(m, m.halfStop))
                out.sphericalEdge = (*z - zp).value();
        });
        guarded([&] {
            if (const auto z = axisCrossing(m, 0.7 * m.halfStop))
                out.sphericalZone = (*z - zp).value();
        });
        guarded([&] {
            Crossing first, second;
            Ray r = startRay(m, 0.0, 0.7 * m.halfStop, 0.0, 1.0);
            if (traceLens(r, m, first, second) == Fate::Passed)
                out.sphericalRelative = (2.0 * abs(heightAt(r, zp)) / *focal * 100.0).value();
        });
        // The pupil's centre is the paraxial limit, where the crossing is
        // the paraxial image plane itself.
        out.spherical[0].shift = 0.0;
        for (int k = 1; k < RaySampleCount; ++k) {
            guarded([&] {
                const Real share = Real(k) / (RaySampleCount - 1);
                if (const auto z = axisCrossing(m, share * m.halfStop))
                    out.spherical[static_cast<std::size_t>(k)].shift = (*z - zp).value();
            });
        }
        guarded([&] {
            if (const auto chief = chiefRay(m, betaR)) {
                out.sagittalFocus = (chief->sagittalZ - zp).value();
                out.tangentialFocus = (chief->tangentialZ - zp).value();
            }
        });
        guarded([&] {
            if (const auto chief = chiefRay(m, betaR)) {
                const Real ideal = *focal * tan(betaR);
                out.distortion = ((heightAt(chief->ray, zp) - ideal) / ideal * 100.0).value();
            }
        });
        for (int k = 0; k < RaySampleCount; ++k) {
            guarded([&] {
                FieldFocusSample& sample = out.fieldFoci[static_cast<std::size_t>(k)];
                if (const auto chief = chiefRay(m, Real(k) / (RaySampleCount - 1) * betaR)) {
                    sample.sagittal = (chief->sagittalZ - zp).value();
                    sample.tangential = (chief->tangentialZ - zp).value();
                }
            });
        }
    }

    // Seven meridional rays across the stop for the axial field and the edge.
    const std::optional<Real> sectionEnd = bestZ ? bestZ : imageZ;
    for (const Real omega : {Real(0.0), betaR}) {
        for (int k = -3; k <= 3; ++k) {
            guarded([&] {
                out.sectionRays.push_back(
                    sectionRay(m, omega, Real(k) / 3.0 * m.halfStop, sectionEnd));
            });
        }
    }
    return out;
}

} // namespace monocl
