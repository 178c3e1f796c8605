#include "core/design_pass.h"
#include "core/ray_refine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>

namespace monocl {

// Names for the messages of a failed expectation.
void PrintTo(RefineFailure f, std::ostream* os)
{
    static const char* const names[] = {"None",         "BadInput",   "RayBlocked",
                                        "NoConvergence", "RimNotPositive", "ThicknessNotPositive",
                                        "Hemisphere",   "StopBehindRim", "ArithmeticFault"};
    *os << names[static_cast<int>(f)];
}

} // namespace monocl

using namespace monocl;

namespace {

constexpr double Pi = 3.14159265358979323846;

DesignControls controls(int focal, int field, int correction, const char* nd, const char* abbe,
                        int edgeRatio)
{
    DesignControls c;
    c.decimalSeparator = '.';
    c.FSpin = focal;
    c.ASpin = field;
    c.RB1 = correction == 1;
    c.RB2 = correction == 2;
    c.NDedit = nd;
    c.ABEdit = abbe;
    c.OtSpin = edgeRatio;
    return c;
}

std::optional<RayLens> designedLens(const DesignControls& c)
{
    MonoclState s;
    RecomputeLocals locals;
    designPass(c, s, locals);
    if (locals.DesignFailed != 0)
        return std::nullopt;
    return designedRayLens(s);
}

RefinedLens refine(const RayLens& lens, const DesignControls& c)
{
    return refineByRays(lens, {static_cast<double>(c.FSpin), c.OtSpin, c.RB2 ? 2 : 1});
}

// The sag of a surface at height h, towards its centre.
double sag(double R, double h) { return R - std::copysign(std::sqrt(R * R - h * h), R); }

double rimWidth(const RayLens& l)
{
    return l.thickness + sag(l.R2, l.diameter / 2) - sag(l.R1, l.diameter / 2);
}

// The paraxial image plane by a y-nu trace of the ray at unit height.
double paraxialImageZ(const RayLens& l)
{
    const double u1 = -(l.nd - 1) / (l.nd * l.R1);
    const double y2 = 1 + l.thickness * u1;
    const double u2 = l.nd * u1 - y2 * (1 - l.nd) / l.R2;
    return l.thickness - y2 / u2;
}

// (y+ + y-) / 2 - y0 of the meridional rays at the field's edge through 0.7,
// 0 and -0.7 of the stop's radius, where they cross the paraxial image plane.
std::optional<double> tangentialComa(const RayLens& l)
{
    const double zImage = paraxialImageZ(l);
    double y[3];
    for (int k = 0; k < 3; ++k) {
        const RayState start{0, (1 - k) * 0.35 * l.stopDiameter, l.stopZ,
                             0, std::sin(l.halfField), std::cos(l.halfField)};
        auto r = refractAtSphere(start, 0, l.R1, 1, l.nd, l.diameter / 2);
        if (r)
            r = refractAtSphere(*r, l.thickness, l.R2, l.nd, 1, l.diameter / 2);
        if (!r)
            return std::nullopt;
        y[k] = r->y + (zImage - r->z) * r->dy / r->dz;
    }
    return (y[0] + y[2]) / 2 - y[1];
}

// The four conditions of a refined lens, each measured here or by the ray
// check, never taken from the refinement.
void expectMeetsTheConditions(const RayLens& l, double focal, int edgeRatio, int correction)
{
    const RayCheck c = checkByRays(l);
    ASSERT_TRUE(c.focalLength && c.sphericalRelative);
    EXPECT_LE(std::fabs(*c.focalLength - focal), 1e-6 * focal);
    EXPECT_LE(std::fabs(*c.sphericalRelative - l.requestedSpherical), 1e-5);
    if (correction == 1) {
        const std::optional<double> coma = tangentialComa(l);
        ASSERT_TRUE(coma);
        EXPECT_LE(std::fabs(*coma), 1e-6 * focal);
    } else {
        ASSERT_TRUE(c.sagittalFocus && c.tangentialFocus);
        EXPECT_LE(std::fabs(*c.sagittalFocus - *c.tangentialFocus), 1e-5 * focal);
    }
    EXPECT_LE(std::fabs(rimWidth(l) - l.diameter / edgeRatio), 1e-5);
}

// Third order for comparison: the relative spherical aberration, %, of the
// axial ray through 0.7 of the stop from the Seidel sum S1 at the paraxial
// focus: transverse -S1 / (2 u'), over F' = -h / u'.
double seidelSpherical(const RayLens& l)
{
    const double h = 0.35 * l.stopDiameter;
    const double c[2] = {1 / l.R1, 1 / l.R2};
    const double n[3] = {1, l.nd, 1};
    double y = h, u = 0, s1 = 0;
    for (int k = 0; k < 2; ++k) {
        const double a = n[k] * (u + y * c[k]);
        const double u2 = (n[k] * u - y * c[k] * (n[k + 1] - n[k])) / n[k + 1];
        s1 -= a * a * y * (u2 / n[k + 1] - u / n[k]);
        u = u2;
        if (k == 0)
            y += l.thickness * u;
    }
    return 2 * std::fabs(s1 / (2 * u)) / (-h / u) * 100;
}

} // namespace

// The start design by third order misses what was asked by rays; refined,
// it does all four, and keeps its diameters, glass and field.
TEST(RayRefine, StartDesignMeetsTheFourConditions)
{
    const DesignControls c = controls(52, 45, 1, "1.5182", "63.84", 5);
    const std::optional<RayLens> start = designedLens(c);
    ASSERT_TRUE(start);
    const RayCheck before = checkByRays(*start);
    ASSERT_TRUE(before.sphericalRelative);
    EXPECT_GT(*before.sphericalRelative / start->requestedSpherical, 1.05);
    EXPECT_LT(rimWidth(*start), start->diameter / 5 - 0.1);

    const RefinedLens r = refine(*start, c);
    ASSERT_EQ(r.reason, RefineFailure::None);
    ASSERT_TRUE(r.found);
    EXPECT_GT(r.steps, 0);
    EXPECT_LE(r.steps, 10);
    expectMeetsTheConditions(r.lens, 52, 5, 1);
    EXPECT_EQ(r.lens.diameter, start->diameter);
    EXPECT_EQ(r.lens.stopDiameter, start->stopDiameter);
    EXPECT_EQ(r.lens.nd, start->nd);
    EXPECT_EQ(r.lens.halfField, start->halfField);
    EXPECT_EQ(r.lens.requestedSpherical, start->requestedSpherical);
}

// Third order becomes exact for small angles. The solver's shape depends on
// N^2 / (kx nu) and its F-number N on 1 / (nu ks kx): with the Abbe number
// four times and ks an eighth, the same shape has half the aperture; the
// field is halved too. Down that family the refined lens meets the Seidel
// sum's Ksph ever better, a quarter of the gap a halving, and stays within a
// few per cent of the design's radii and stop: the design takes its zone at
// 1/sqrt(2) of the stop, the ray check at 0.7, which alone moves Ksph by
// (0.7 sqrt(2))^3 - 1 = -3 %.
TEST(RayRefine, ThinLensLimitApproachesThirdOrder)
{
    for (const int correction : {1, 2}) {
        SCOPED_TRACE(correction);
        double gap[4] = {};
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(k);
            const DesignControls c = controls(300, 0, correction, "1.5182", "64", 100);
            MonoclState s;
            RecomputeLocals locals;
            ReadDesignInputs(c, s, locals);
            s.SphericalRatio = 0.005 / std::pow(8.0, k);
            s.Abbe *= std::pow(4.0, k);
            s.FieldAngle = 10 * Pi / 180 / std::pow(2.0, k);
            RunDesignPasses(s, locals);
            ASSERT_EQ(locals.DesignFailed, 0);
            const RayLens design = designedRayLens(s);
            const RefinedLens r = refine(design, c);
            ASSERT_EQ(r.reason, RefineFailure::None);
            ASSERT_TRUE(r.found);
            expectMeetsTheConditions(r.lens, 300, 100, correction);
            gap[k] = seidelSpherical(r.lens) / design.requestedSpherical - 1;
            if (k < 3)
                continue;
            EXPECT_LT(std::fabs(gap[k]), 1e-3);
            EXPECT_NEAR(gap[k - 1] / gap[k], 4.0, 0.2);
            EXPECT_NEAR(r.lens.R1 / design.R1, 1.0, 0.035);
            EXPECT_NEAR(r.lens.R2 / design.R2, 1.0, 0.02);
            EXPECT_NEAR(r.lens.stopZ / design.stopZ, 1.0, 0.02);
        }
    }
}

// Lenses that cannot be refined say why, and throw nothing.
TEST(RayRefine, NotFoundWithTheReason)
{
    const DesignControls start = controls(52, 45, 1, "1.5182", "63.84", 5);
    const RayLens lens = *designedLens(start);
    struct Case {
        const char* what;
        RayLens lens;
        RefineTarget target;
        RefineFailure reason;
        bool atStart; // refused before the first step, the lens returned as given
    };
    auto with = [&](auto change) {
        RayLens l = lens;
        change(l);
        return l;
    };
    const RefineTarget aplanat{52, 5, 1};
    const RefineTarget anastigmat{52, 5, 2};
    const Case cases[] = {
        {"the edge of a 40 degree field misses the rim",
         with([](RayLens& l) { l.halfField = 40 * Pi / 180; }), aplanat,
         RefineFailure::RayBlocked, true},
        {"a rear surface beyond a hemisphere over Dm", with([](RayLens& l) { l.diameter = 30; }),
         aplanat, RefineFailure::Hemisphere, true},
        {"Ksph 4 % bends the lens into a hemisphere",
         with([](RayLens& l) { l.requestedSpherical = 4; }), aplanat, RefineFailure::Hemisphere,
         false},
        {"Ksph 2 % puts the coma-free stop behind the front rim",
         with([](RayLens& l) { l.requestedSpherical = 2; }), aplanat,
         RefineFailure::StopBehindRim, false},
        {"F' 30 mm: the near plano-convex lens has no stop without astigmatism", lens,
         {30, 5, 2}, RefineFailure::NoConvergence, false},
        {"no rim width asked for", lens, {52, 0, 1}, RefineFailure::RimNotPositive, true},
        {"no centre thickness", with([](RayLens& l) { l.thickness = 0; }), anastigmat,
         RefineFailure::ThicknessNotPositive, true},
        {"no correction type 3", lens, {52, 5, 3}, RefineFailure::BadInput, true},
        {"no focal length", lens, {0, 5, 1}, RefineFailure::BadInput, true},
        {"a radius of zero", with([](RayLens& l) { l.R2 = 0; }), aplanat,
         RefineFailure::BadInput, true},
        {"an index not a number",
         with([](RayLens& l) { l.nd = std::numeric_limits<double>::quiet_NaN(); }), aplanat,
         RefineFailure::BadInput, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RefinedLens r = refineByRays(c.lens, c.target);
        EXPECT_FALSE(r.found);
        EXPECT_EQ(r.reason, c.reason);
        EXPECT_EQ(r.steps == 0, c.atStart);
        if (c.atStart) {
            EXPECT_EQ(r.lens.R1, c.lens.R1);
        }
        EXPECT_LE(r.steps, RefineMaxSteps);
    }
}

// Designs of the window over its ranges, refined. Those that cannot be made
// say so: a thick lens (edge ratio 2) over a 60 degree field, whose stop
// even in third order stands inside the dish of the front surface, and a
// dense flint at the smallest ratios, which the design itself bends into a
// near hemisphere.
TEST(RayRefine, DesignsOverTheInputRanges)
{
    struct Row {
        int focal, field, correction;
        const char* nd;
        const char* abbe;
        int edgeRatio = 5;
        RefineFailure reason = RefineFailure::None;
        int ksBar = 60, kxBar = 100;
    };
    const Row rows[] = {
        {20, 10, 1, "1.5", "64"},
        {20, 60, 2, "1.5182", "63.84"},
        {35, 30, 2, "1.62", "60.3", 10},
        {52, 0, 1, "1.5182", "63.84"},
        {52, 45, 2, "1.5182", "63.84"},
        {52, 60, 1, "1.75", "52", 4},
        {75, 20, 1, "1.62", "60.3"},
        {100, 45, 1, "1.75", "52"},
        {100, 60, 2, "1.62", "60.3", 20},
        {150, 10, 2, "1.75", "52"},
        {200, 30, 1, "1.5", "64", 8},
        {300, 60, 1, "1.5182", "63.84"},
        {300, 45, 2, "1.75", "52"},
        {300, 10, 1, "1.62", "60.3", 100},
        {52, 60, 1, "1.5", "64", 2, RefineFailure::StopBehindRim},
        {52, 45, 1, "1.75", "35", 2, RefineFailure::Hemisphere, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "F " << row.focal << " field " << row.field << " type "
                                        << row.correction << " nd " << row.nd << " edge "
                                        << row.edgeRatio);
        DesignControls c =
            controls(row.focal, row.field, row.correction, row.nd, row.abbe, row.edgeRatio);
        c.KsfBar = row.ksBar;
        c.KxrBar = row.kxBar;
        const std::optional<RayLens> start = designedLens(c);
        ASSERT_TRUE(start);
        const RefinedLens r = refine(*start, c);
        EXPECT_EQ(r.reason, row.reason);
        EXPECT_EQ(r.found, row.reason == RefineFailure::None);
        const double half = r.lens.diameter / 2;
        if (row.reason == RefineFailure::Hemisphere) {
            EXPECT_LT(std::min(std::fabs(r.lens.R1), std::fabs(r.lens.R2)), 1.05 * half);
            continue;
        }
        // A stop behind the rim ends a search that converged.
        expectMeetsTheConditions(r.lens, row.focal, row.edgeRatio, row.correction);
        EXPECT_EQ(r.lens.stopZ > sag(r.lens.R1, half), row.reason == RefineFailure::StopBehindRim);
        if (row.field == 0) {
            EXPECT_EQ(r.lens.stopZ, start->stopZ) << "a field of no width keeps its stop";
        }
    }
}
