#include "core/ray_trace.h"

#include "core/ray_optics.h"

#include <cmath>
#include <cstddef>

namespace monocl {

namespace {

using namespace rays;

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

} // namespace

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
    // The three grids' ends, some 400 KB, are kept by the thread from one
    // check to the next: made afresh, their pages cost a check a quarter of
    // its time in faults. traceField empties a field before it is traced.
    thread_local FieldTrace fields[3];
    for (int k = 0; k < 3; ++k) {
        // A fault leaves the field invalid, never the last check's.
        fields[k].valid = false;
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
            if (const auto k = zonalSpherical(m, *focal, zp))
                out.sphericalRelative = k->value();
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
            // A field of no width has no distortion by definition.
            if (betaR == Real(0.0)) {
                out.distortion = 0.0;
                return;
            }
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
