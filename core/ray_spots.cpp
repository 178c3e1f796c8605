#include "core/ray_spots.h"

#include "core/ray_optics.h"

#include <array>
#include <cmath>
#include <numbers>

namespace monocl {

namespace {

using namespace rays;

// A ray at the reference plane, with its slopes.
struct End {
    Real x, y, sx, sy;
    Real w; // the ray's weight
};

using Bundle = std::vector<End>;

std::optional<End> endAt(const Model& m, Real x, Real y, Real sinW, Real cosW, Real zRef, Real w)
{
    Crossing first, second;
    Ray r = startRay(m, x, y, sinW, cosW);
    if (traceLens(r, m, first, second) != Fate::Passed)
        return std::nullopt;
    const Real sx = r.d.x / r.d.z;
    const Real sy = r.d.y / r.d.z;
    const Real dz = zRef - r.p.z;
    return End{r.p.x + dz * sx, r.p.y + dz * sy, sx, sy, w};
}

// The Gauss-Legendre rule of SpotRings points over -1..1, by Newton's
// method on the Legendre polynomial from the usual first guesses.
struct GaussRule {
    std::array<double, SpotRings> node{}, weight{};
    GaussRule()
    {
        constexpr int n = SpotRings;
        for (int i = 0; i < n; ++i) {
            double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
            double derivative = 1;
            for (int iteration = 0; iteration < 100; ++iteration) {
                double p0 = 1, p1 = x;
                for (int k = 2; k <= n; ++k) {
                    const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                    p0 = p1;
                    p1 = p2;
                }
                derivative = n * (x * p1 - p0) / (x * x - 1);
                const double step = p1 / derivative;
                x -= step;
                if (std::fabs(step) < 1e-16)
                    break;
            }
            node[static_cast<std::size_t>(i)] = x;
            weight[static_cast<std::size_t>(i)] = 2 / ((1 - x * x) * derivative * derivative);
        }
    }
};

const GaussRule& gaussRule()
{
    static const GaussRule rule;
    return rule;
}

// The pattern's stop points as shares of the stop's radius, ring by ring,
// with their weights; the same for every bundle.
struct PatternPoint {
    double x, y, w;
    int ring;
};

const std::vector<PatternPoint>& pattern()
{
    static const std::vector<PatternPoint> points = [] {
        std::vector<PatternPoint> p;
        p.reserve(SpotRayCount);
        for (int k = 1; k <= SpotRings; ++k) {
            const SpotRing ring = spotRing(k);
            const int n = 6 * k;
            for (int j = 0; j < n; ++j) {
                const double a = 2.0 * std::numbers::pi * (j + 0.5) / n;
                p.push_back({ring.radius * std::sin(a), ring.radius * std::cos(a), ring.weight / n, k});
            }
        }
        return p;
    }();
    return points;
}

// The rings at field angle omega. On the axis the lens is round, so one ray
// of each ring is traced and turned to the ring's other angles.
Bundle ringBundle(const Model& m, Real omega, Real zRef)
{
    Bundle ends;
    ends.reserve(SpotRayCount);
    const Real sinW = sinOf(omega);
    const Real cosW = cosOf(omega);
    const bool axial = sinW == 0.0;
    std::optional<End> radial;
    int radialRing = 0;
    for (const PatternPoint& pt : pattern()) {
        if (!axial) {
            // The lens and the field are symmetric about the plane x = 0, and
            // so is the pattern (no point lies on it): the ray at -x is the
            // mirror image of the one at x.
            if (pt.x < 0.0)
                continue;
            if (const auto e = endAt(m, m.halfStop * pt.x, m.halfStop * pt.y, sinW, cosW, zRef, pt.w)) {
                ends.push_back(*e);
                ends.push_back({-e->x, e->y, -e->sx, e->sy, e->w});
            }
            continue;
        }
        if (pt.ring != radialRing) {
            radialRing = pt.ring;
            radial = endAt(m, 0.0, m.halfStop * spotRing(pt.ring).radius, sinW, cosW, zRef, pt.w);
        }
        if (!radial)
            continue;
        // The turn that takes (0, r) to (x, y).
        const Real r = spotRing(pt.ring).radius;
        const Real s = pt.x / r;
        const Real c = pt.y / r;
        const End& e = *radial;
        ends.push_back({e.x * c + e.y * s, e.y * c - e.x * s, e.sx * c + e.sy * s, e.sy * c - e.sx * s, pt.w});
    }
    return ends;
}

struct Moments {
    Real mx = 0.0, my = 0.0, msx = 0.0, msy = 0.0;
    Real total = 0.0; // of the weights
};

Moments meansOf(const Bundle& ends)
{
    Moments m;
    for (const End& e : ends) {
        m.mx += e.w * e.x, m.my += e.w * e.y, m.msx += e.w * e.sx, m.msy += e.w * e.sy;
        m.total += e.w;
    }
    m.mx /= m.total, m.my /= m.total, m.msx /= m.total, m.msy /= m.total;
    return m;
}

// A bundle whose slopes spread by less than this is parallel.
constexpr double ParallelSlope = 1e-12;

// The shift from the reference plane of least RMS radius: the squared RMS
// is quadratic in the shift. None for a parallel bundle.
std::optional<Real> leastShift(const Bundle& ends)
{
    const Moments m = meansOf(ends);
    Real linear = 0.0, quadratic = 0.0;
    for (const End& e : ends) {
        const Real dsx = e.sx - m.msx;
        const Real dsy = e.sy - m.msy;
        linear += e.w * ((e.x - m.mx) * dsx + (e.y - m.my) * dsy);
        quadratic += e.w * (dsx * dsx + dsy * dsy);
    }
    if (quadratic / m.total < Real(ParallelSlope) * ParallelSlope)
        return std::nullopt;
    return -linear / quadratic;
}

// The RMS radius about the centroid at the shift, um.
Real rmsAt(const Bundle& ends, Real shift)
{
    const Moments m = meansOf(ends);
    const Real cx = m.mx + m.msx * shift;
    const Real cy = m.my + m.msy * shift;
    Real sum = 0.0;
    for (const End& e : ends) {
        const Real dx = e.x + e.sx * shift - cx;
        const Real dy = e.y + e.sy * shift - cy;
        sum += e.w * (dx * dx + dy * dy);
    }
    return sqrt(sum / m.total) * 1000.0;
}

// The squared RMS radius of a bundle against the shift s from its plane,
// (constant + 2 linear s + quadratic s^2), mm^2.
struct Focus {
    Real constant = 0.0, linear = 0.0, quadratic = 0.0;
    Real at2(Real s) const { return constant + 2.0 * linear * s + quadratic * s * s; }
};

Focus focusOf(const Bundle& ends)
{
    const Moments m = meansOf(ends);
    Focus f;
    for (const End& e : ends) {
        const Real dx = e.x - m.mx, dy = e.y - m.my;
        const Real dsx = e.sx - m.msx, dsy = e.sy - m.msy;
        f.constant += e.w * (dx * dx + dy * dy);
        f.linear += e.w * (dx * dsx + dy * dsy);
        f.quadratic += e.w * (dsx * dsx + dsy * dsy);
    }
    f.constant /= m.total, f.linear /= m.total, f.quadratic /= m.total;
    return f;
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

// The lens's model at a line and its paraxial image plane (d line).
struct Traceable {
    std::optional<Model> model;
    std::optional<Real> imageZ;
};

Traceable traceable(const RayLens& lens, ColourLine line)
{
    Traceable t;
    guarded([&] {
        RayLens atLine = lens;
        atLine.nd = lineIndex(lens, line);
        t.model = makeModel(atLine);
        const Real th = Real::checked(lens.thickness);
        t.imageZ = th + paraxial(Real::checked(lens.nd), 1.0 / Real::checked(lens.R1),
                                 1.0 / Real::checked(lens.R2), th).back;
    });
    return t;
}

} // namespace

SpotRing spotRing(int k)
{
    // The nodes run from +1 down; ring 1 is the innermost.
    static const std::array<SpotRing, SpotRings> rings = [] {
        const GaussRule& rule = gaussRule();
        std::array<SpotRing, SpotRings> r{};
        for (int ring = 1; ring <= SpotRings; ++ring) {
            const std::size_t i = static_cast<std::size_t>(SpotRings - ring);
            r[static_cast<std::size_t>(ring - 1)] = {std::sqrt((rule.node[i] + 1) / 2), rule.weight[i] / 2};
        }
        return r;
    }();
    return rings[static_cast<std::size_t>(k - 1)];
}

double lineIndex(const RayLens& lens, ColourLine line)
{
    const double spread = (lens.nd - 1.0) / lens.abbe;
    switch (line) {
    case ColourLine::F: return lens.nd + 0.7 * spread;
    case ColourLine::C: return lens.nd - 0.3 * spread;
    case ColourLine::d: break;
    }
    return lens.nd;
}

RingSpots ringSpots(const RayLens& lens) noexcept
{
    RingSpots out;
    const Traceable d = traceable(lens, ColourLine::d);
    if (!d.model || !d.imageZ)
        return out;
    guarded([&] {
        const Bundle axis = ringBundle(*d.model, 0.0, *d.imageZ);
        if (axis.empty())
            return;
        const std::optional<Real> shift = leastShift(axis);
        if (!shift)
            return;
        out.bestFocusShift = shift->value();
        out.axis = rmsAt(axis, *shift).value();
        guarded([&] {
            const Bundle edge = ringBundle(*d.model, Real::checked(lens.halfField), *d.imageZ);
            if (!edge.empty())
                out.edge = rmsAt(edge, *shift).value();
        });
    });
    return out;
}

SpotPictures spotPictures(const RayLens& lens) noexcept
{
    SpotPictures out;
    const double beta = std::isfinite(lens.halfField) ? lens.halfField : 0.0;
    const double factors[3] = {0.0, 0.7, 1.0};
    for (int k = 0; k < 3; ++k)
        out.spots[static_cast<std::size_t>(k)].fieldAngle = factors[k] * beta;
    const Traceable d = traceable(lens, ColourLine::d);
    if (!d.model || !d.imageZ)
        return out;
    const Real zRef = *d.imageZ;
    Bundle dBundles[3];
    guarded([&] {
        for (int k = 0; k < 3; ++k)
            dBundles[k] = ringBundle(*d.model, factors[k] * beta, zRef);
    });
    if (dBundles[0].empty())
        return out;
    std::optional<Real> best;
    guarded([&] { best = leastShift(dBundles[0]); });
    if (!best)
        return out;
    const Real shift = *best;
    out.bestFocusShift = shift.value();

    // The spots: every line about the d line's centroid of its field.
    const ColourLine lines[3] = {ColourLine::F, ColourLine::d, ColourLine::C};
    Traceable atLine[3];
    atLine[1] = d;
    atLine[0] = traceable(lens, ColourLine::F);
    atLine[2] = traceable(lens, ColourLine::C);
    for (int k = 0; k < 3; ++k) {
        if (dBundles[k].empty())
            continue;
        guarded([&] {
            const Moments m = meansOf(dBundles[k]);
            const Real cx = m.mx + m.msx * shift;
            const Real cy = m.my + m.msy * shift;
            for (int l = 0; l < 3; ++l) {
                if (!atLine[l].model)
                    continue;
                const Bundle own = l == 1 ? Bundle() : ringBundle(*atLine[l].model, factors[k] * beta, zRef);
                const Bundle& ends = l == 1 ? dBundles[k] : own;
                std::vector<SpotPoint>& points = out.spots[static_cast<std::size_t>(k)].points[static_cast<std::size_t>(lines[l])];
                points.reserve(ends.size());
                for (const End& e : ends)
                    points.push_back({((e.x + e.sx * shift - cx) * 1000.0).value(),
                                      ((e.y + e.sy * shift - cy) * 1000.0).value()});
            }
        });
    }

    // Through focus, about the axial best focus: the squared RMS radius of a
    // bundle is quadratic in the shift, from three sums over its rays.
    guarded([&] {
        const Focus axis = focusOf(dBundles[0]);
        const bool hasEdge = !dBundles[2].empty();
        const Focus edge = hasEdge ? focusOf(dBundles[2]) : Focus();
        // Far enough that the axial spot grows to three times its least.
        const Real least2 = axis.at2(shift);
        Real range = 1e-3;
        if (axis.quadratic > 0.0)
            range = max(range, sqrt(8.0 * least2 / axis.quadratic));
        if (hasEdge && edge.quadratic > 0.0) {
            const Real edgeLeast = -edge.linear / edge.quadratic;
            out.edgeBestShift = (edgeLeast - shift).value();
            range = max(range, 1.25 * abs(edgeLeast - shift));
        }
        out.throughFocus.resize(FocusSampleCount);
        for (int i = 0; i < FocusSampleCount; ++i) {
            FocusSample& s = out.throughFocus[static_cast<std::size_t>(i)];
            const Real at = range * (Real(2 * i) / (FocusSampleCount - 1) - 1.0);
            s.shift = at.value();
            s.axis = (sqrt(max(axis.at2(shift + at), 0.0)) * 1000.0).value();
            if (hasEdge)
                s.edge = (sqrt(max(edge.at2(shift + at), 0.0)) * 1000.0).value();
        }
    });
    return out;
}

} // namespace monocl
