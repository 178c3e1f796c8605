// The softness by aperture and the warnings of a lens, against computations
// of the test's own: the rays traced surface by surface through the public
// refraction, the best focus and the RMS radius by their own sums.
#include "core/aperture_series.h"
#include "core/design_pass.h"
#include "core/lens_geometry.h"
#include "core/ray_refine.h"
#include "core/ray_spots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace monocl;

namespace {

RayLens startLens()
{
    MonoclState s;
    RecomputeLocals locals;
    DesignControls c;
    designPass(c, s, locals);
    return designedRayLens(s);
}

RayLens refinedStart()
{
    const RayLens lens = startLens();
    const RefinedLens r = refineByRays(lens, {52.0, 5, 1});
    EXPECT_TRUE(r.found);
    return r.lens;
}

double focalOf(const RayLens& l)
{
    const double c1 = 1 / l.R1, c2 = 1 / l.R2, n = l.nd, t = l.thickness;
    return 1 / ((n - 1) * (c1 - c2) + (n - 1) * (n - 1) * t * c1 * c2 / n);
}

// Where the ray through the stop point (x, y) at field angle w crosses the
// plane imageZ after the lens, with its slopes and the weight of its share
// of the pupil; none when blocked.
struct Hit {
    double x, y, sx, sy, w;
};

std::optional<Hit> trace(const RayLens& l, double x, double y, double w, double imageZ, double weight = 1)
{
    RayState r{x, y, l.stopZ, 0, std::sin(w), std::cos(w)};
    const auto a = refractAtSphere(r, 0, l.R1, 1, l.nd, l.diameter / 2);
    if (!a)
        return std::nullopt;
    const auto b = refractAtSphere(*a, l.thickness, l.R2, l.nd, 1, l.diameter / 2);
    if (!b || b->dz <= 0)
        return std::nullopt;
    const double sx = b->dx / b->dz, sy = b->dy / b->dz;
    return Hit{b->x + (imageZ - b->z) * sx, b->y + (imageZ - b->z) * sy, sx, sy, weight};
}

// A fine polar midpoint sampling of the stop, each ray weighted by its area.
std::vector<Hit> fineSampling(const RayLens& l, double w, double imageZ)
{
    constexpr int Rings = 150, Angles = 64;
    std::vector<Hit> hits;
    const double rs = l.stopDiameter / 2;
    for (int i = 0; i < Rings; ++i)
        for (int j = 0; j < Angles; ++j) {
            const double rho = rs * (i + 0.5) / Rings;
            const double a = 2 * std::numbers::pi * (j + 0.5) / Angles;
            if (const auto h = trace(l, rho * std::sin(a), rho * std::cos(a), w, imageZ, rho))
                hits.push_back(*h);
        }
    return hits;
}

// The RMS radius about the centroid at the plane `shift` from imageZ, um.
double rms(const std::vector<Hit>& hits, double shift)
{
    double cx = 0, cy = 0, total = 0;
    for (const Hit& h : hits)
        cx += h.w * (h.x + h.sx * shift), cy += h.w * (h.y + h.sy * shift), total += h.w;
    cx /= total, cy /= total;
    double sum = 0;
    for (const Hit& h : hits)
        sum += h.w * (std::pow(h.x + h.sx * shift - cx, 2) + std::pow(h.y + h.sy * shift - cy, 2));
    return std::sqrt(sum / total) * 1000;
}

// The least RMS by golden section over a bracket wide enough for a monocle.
double leastShift(const std::vector<Hit>& hits, double span)
{
    double a = -span, b = span;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 200; ++i) {
        const double c = b - g * (b - a), d = a + g * (b - a);
        if (rms(hits, c) < rms(hits, d))
            b = d;
        else
            a = c;
    }
    return (a + b) / 2;
}

} // namespace

TEST(ApertureSeries, RowsAgreeWithAnIndependentTrace)
{
    const RayLens lens = refinedStart();
    const double focal = focalOf(lens);
    const double imageZ = lens.thickness + focal * (1 - (lens.nd - 1) * lens.thickness / (lens.nd * lens.R1));
    const struct {
        double n;
    } cases[] = {{4}, {8}, {16}, {5.25}};
    for (const auto& c : cases) {
        const ApertureRow row = apertureRow(lens, c.n);
        RayLens stopped = lens;
        stopped.stopDiameter = focal / c.n;
        ASSERT_TRUE(row.stopDiameter && row.spotAxis && row.spotEdge && row.sphericalRelative) << c.n;
        EXPECT_NEAR(*row.stopDiameter, focal / c.n, 1e-9);
        EXPECT_DOUBLE_EQ(*row.airyRadius, 1.22 * 0.5876 * c.n);
        const std::vector<Hit> axis = fineSampling(stopped, 0, imageZ);
        const std::vector<Hit> edge = fineSampling(stopped, lens.halfField, imageZ);
        const double best = leastShift(axis, 50);
        EXPECT_NEAR(*row.spotAxis, rms(axis, best), 2e-3 * rms(axis, best)) << c.n;
        EXPECT_NEAR(*row.spotEdge, rms(edge, best), 2e-3 * rms(edge, best)) << c.n;
        // Ksph: twice the height of the axial ray through 0.7 of the stop at
        // the paraxial image plane, over F'.
        const auto zone = trace(stopped, 0, 0.7 * stopped.stopDiameter / 2, 0, imageZ);
        ASSERT_TRUE(zone);
        EXPECT_NEAR(*row.sphericalRelative, 200 * std::fabs(zone->y) / focal, 1e-9) << c.n;
        // The ray check's square grid, a coarser sampling, within a few per cent.
        const RayCheck check = checkByRays(stopped);
        EXPECT_NEAR(*row.spotAxis, *check.spotAxis, 0.03 * *check.spotAxis) << c.n;
        EXPECT_NEAR(*row.spotEdge, *check.spotEdge, 0.03 * *check.spotEdge) << c.n;
    }
    // Stopping down softens: the transverse aberration falls as the cube of
    // the zone's height in third order, a little faster with the fifth.
    const ApertureRow f4 = apertureRow(lens, 4), f8 = apertureRow(lens, 8);
    EXPECT_GT(*f4.sphericalRelative / *f8.sphericalRelative, 8.0);
    EXPECT_LT(*f4.sphericalRelative / *f8.sphericalRelative, 10.0);
}

TEST(ApertureSeries, OwnAndTypedRowsTakeTheirPlaces)
{
    const RayLens lens = refinedStart();
    const double own = focalOf(lens) / lens.stopDiameter;
    const std::vector<ApertureRow> rows = apertureSeries(lens, 7.0);
    std::vector<double> ns;
    int owns = 0;
    for (const ApertureRow& r : rows) {
        ns.push_back(r.fNumber);
        owns += r.own;
    }
    EXPECT_EQ(owns, 1);
    EXPECT_TRUE(rows.back().typed);
    EXPECT_EQ(rows.back().fNumber, 7.0);
    EXPECT_TRUE(std::is_sorted(ns.begin(), ns.end() - 1));
    for (const ApertureRow& r : rows) {
        if (r.own) {
            EXPECT_NEAR(r.fNumber, own, 1e-9);
        }
    }
    // A standard N within half a per cent is the own one; out of range, no typed row.
    RayLens at8 = lens;
    at8.stopDiameter = focalOf(lens) / 8.02;
    const std::vector<ApertureRow> eight = apertureSeries(at8, 100.0);
    ASSERT_EQ(eight.size(), StandardFNumbers.size());
    EXPECT_TRUE(eight[4].own);
    EXPECT_EQ(eight[4].fNumber, 8.0);
}

TEST(LensFlaws, Thresholds)
{
    const RayLens start = startLens();
    const double half = start.diameter / 2;
    const auto sagOf = [](double R, double h) { return R - std::copysign(std::sqrt(R * R - h * h), R); };
    const auto withRim = [&](double rim) {
        RayLens l = start;
        l.thickness = rim - sagOf(l.R2, half) + sagOf(l.R1, half);
        return l;
    };
    const auto withR1Share = [&](double share) {
        // |s| = share * h  gives  R = h (1 + share^2) / (2 share), signed as R1.
        RayLens l = start;
        l.R1 = std::copysign(half * (1 + share * share) / (2 * share), start.R1);
        l.stopZ = sagOf(l.R1, half) - 1; // the stop kept in front of the deeper rim
        return l;
    };
    const auto withR2 = [&](double radius) {
        RayLens l = start;
        l.R2 = std::copysign(radius, start.R2);
        return l;
    };
    const auto withStop = [&](double fromRim) {
        RayLens l = start;
        l.stopZ = sagOf(l.R1, half) + fromRim;
        return l;
    };
    const struct {
        const char* name;
        RayLens lens;
        bool stop, sharp, hemisphere;
    } cases[] = {
        {"start", start, false, false, false},
        {"rim 0.31", withRim(0.31), false, false, false},
        {"rim 0.30", withRim(0.30), false, true, false},
        {"rim -1", withRim(-1), false, true, false},
        {"share 0.89", withR1Share(0.89), false, false, false},
        {"share 0.91", withR1Share(0.91), false, false, true},
        {"beyond a hemisphere", withR2(0.99 * half), false, false, true},
        {"stop 0.01 in front of the rim", withStop(-0.01), false, false, false},
        {"stop 0.01 behind the rim", withStop(0.01), true, false, false},
    };
    for (const auto& c : cases) {
        const LensFlaws f = lensFlaws(c.lens);
        EXPECT_EQ(f.stopCutsLens, c.stop) << c.name;
        EXPECT_EQ(f.sharpRim, c.sharp) << c.name;
        EXPECT_EQ(f.nearHemisphere, c.hemisphere) << c.name;
    }
    const LensGeometry g = lensGeometry(start);
    ASSERT_TRUE(g.rim && g.frontSag && g.rearSag && g.stopFromRim);
    EXPECT_NEAR(*g.rim, start.thickness + sagOf(start.R2, half) - sagOf(start.R1, half), 1e-12);
    EXPECT_NEAR(*g.stopFromRim, start.stopZ - sagOf(start.R1, half), 1e-12);
}
