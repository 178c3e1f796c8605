#include "core/ray_trace.h"

#include "start_design_lens.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace monocl;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Third-order longitudinal aberrations at the paraxial image plane from the
// Seidel sums, surface by surface, for the marginal ray at height h and the
// chief ray of slope tanW through the stop's centre.
struct ThirdOrder {
    double spherical, sagittal, tangential, distortion; // mm, mm, mm, %
};

ThirdOrder seidel(const RayLens& l, double h, double tanW)
{
    const double c[2] = {1.0 / l.R1, 1.0 / l.R2};
    const double n[3] = {1.0, l.nd, 1.0};
    double y = h, u = 0.0;
    double yb = -l.stopZ * tanW, ub = tanW;
    const double H = n[0] * (ub * y - u * yb);
    double s1 = 0, s3 = 0, s4 = 0, s5 = 0;
    for (int k = 0; k < 2; ++k) {
        const double A = n[k] * (u + y * c[k]);
        const double Ab = n[k] * (ub + yb * c[k]);
        const double u2 = (n[k] * u - y * c[k] * (n[k + 1] - n[k])) / n[k + 1];
        const double ub2 = (n[k] * ub - yb * c[k] * (n[k + 1] - n[k])) / n[k + 1];
        const double dun = u2 / n[k + 1] - u / n[k];
        const double petzval = -H * H * c[k] * (1.0 / n[k + 1] - 1.0 / n[k]);
        s1 -= A * A * y * dun;
        s3 -= Ab * Ab * y * dun;
        s4 += petzval;
        s5 += Ab / A * (-Ab * Ab * y * dun + petzval);
        u = u2;
        ub = ub2;
        if (k == 0) {
            y += l.thickness * u;
            yb += l.thickness * ub;
        }
    }
    // With slopes as angles the transverse aberrations are S / (2 n' u'), the
    // longitudinal ones -S / (2 n' u'^2), and the image height is -H / (n' u').
    const double q = 2.0 * u * u;
    return {-s1 / q, -(s3 + s4) / q, -(3.0 * s3 + s4) / q, -100.0 * s5 / (2.0 * H)};
}

using Value = std::optional<double> RayCheck::*;

// The 16 values in the order of the table's rows.
constexpr std::array<Value, 16> values = {
    &RayCheck::focalLength,     &RayCheck::backFocalDistance, &RayCheck::sphericalEdge,
    &RayCheck::sphericalZone,   &RayCheck::sphericalRelative, &RayCheck::sphericalRequested,
    &RayCheck::bestFocusShift,  &RayCheck::spotAxis,          &RayCheck::spotZone,
    &RayCheck::spotEdge,        &RayCheck::airyDiameter,      &RayCheck::sagittalFocus,
    &RayCheck::tangentialFocus, &RayCheck::distortion,        &RayCheck::axialColour,
    &RayCheck::vignetting,
};

} // namespace

// A ray parallel to the axis at height y meets the sphere where the angle of
// incidence has sin I = y / R and leaves it at I' - I to the axis.
TEST(RayTrace, RefractionAtSphereByHand)
{
    struct Case {
        double y, R, n1, n2;
    };
    for (const Case c : {Case{5, 20, 1, 1.5}, Case{5, -20, 1, 1.5}, Case{3, -12, 1.6, 1},
                         Case{-4, 30, 1, 1.7}}) {
        SCOPED_TRACE(testing::Message() << "y " << c.y << " R " << c.R);
        const double I = std::asin(c.y / c.R);
        const double angle = std::asin(c.n1 / c.n2 * std::sin(I)) - I;
        const double z = 2.0 + c.R - std::copysign(std::sqrt(c.R * c.R - c.y * c.y), c.R);
        const auto out = refractAtSphere({0, c.y, -3, 0, 0, 1}, 2.0, c.R, c.n1, c.n2, 10);
        ASSERT_TRUE(out);
        EXPECT_NEAR(out->x, 0.0, 1e-15);
        EXPECT_NEAR(out->y, c.y, 1e-13);
        EXPECT_NEAR(out->z, z, 1e-13);
        EXPECT_NEAR(out->dy, std::sin(angle), 1e-13);
        EXPECT_NEAR(out->dz, std::cos(angle), 1e-13);
    }
}

TEST(RayTrace, RefractionBlocks)
{
    struct Case {
        const char* what;
        double y, R, n1, n2, halfAperture;
    };
    for (const Case c : {Case{"beyond the clear aperture", 5, 20, 1, 1.5, 4.9},
                         Case{"misses the sphere", 21, 20, 1, 1.5, 30},
                         Case{"totally reflected", 14, 20, 1.5, 1, 30},
                         Case{"zero radius", 1, 0, 1, 1.5, 30}}) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(refractAtSphere({0, c.y, -3, 0, 0, 1}, 0, c.R, c.n1, c.n2, c.halfAperture));
    }
}

// Towards the axis and the centre of the field the exact aberrations become
// the third-order ones: the longitudinal spherical aberration falls as h^2 and
// the foci as the square of the field, the remainder by one order more.
TEST(RayTrace, ThinLensParaxialLimit)
{
    RayLens l;
    l.R1 = 60;
    l.R2 = -60;
    l.thickness = 0.2;
    l.diameter = 4;
    l.nd = 1.5;
    l.abbe = 60;
    l.stopZ = -10;
    l.stopDiameter = 2;
    l.halfField = 0.04;
    const RayCheck c = checkByRays(l);
    ASSERT_EQ(c.spherical.size(), static_cast<std::size_t>(RaySampleCount));
    ASSERT_EQ(c.fieldFoci.size(), static_cast<std::size_t>(RaySampleCount));

    // Relative departures from third order at samples 20, 10 and 5 of 20.
    std::array<double, 3> sph{}, sag{}, tan{};
    const int samples[3] = {20, 10, 5};
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(samples[i]);
        const double share = samples[i] / 20.0;
        ASSERT_TRUE(c.spherical[k].shift);
        ASSERT_TRUE(c.fieldFoci[k].sagittal && c.fieldFoci[k].tangential);
        EXPECT_DOUBLE_EQ(c.spherical[k].pupil, share);
        EXPECT_DOUBLE_EQ(c.fieldFoci[k].fieldAngle, share * l.halfField);
        const ThirdOrder pupil = seidel(l, share * l.stopDiameter / 2, 0.0);
        const ThirdOrder field = seidel(l, 1.0, std::tan(c.fieldFoci[k].fieldAngle));
        sph[static_cast<std::size_t>(i)] = *c.spherical[k].shift / pupil.spherical - 1.0;
        sag[static_cast<std::size_t>(i)] = *c.fieldFoci[k].sagittal / field.sagittal - 1.0;
        tan[static_cast<std::size_t>(i)] = *c.fieldFoci[k].tangential / field.tangential - 1.0;
    }
    for (const auto& [name, d] : {std::pair{"spherical", sph}, std::pair{"sagittal", sag},
                                  std::pair{"tangential", tan}}) {
        SCOPED_TRACE(name);
        EXPECT_LT(std::fabs(d[0]), 0.005);
        // Halving the height or the field quarters the departure.
        EXPECT_NEAR(d[0] / d[1], 4.0, 0.3);
        EXPECT_NEAR(d[1] / d[2], 4.0, 0.3);
    }

    // Distortion at the field's edge likewise, for the edge at 1, 1/2, 1/4.
    std::array<double, 3> dist{};
    for (int i = 0; i < 3; ++i) {
        RayLens narrow = l;
        narrow.halfField = l.halfField / (1 << i);
        const RayCheck n = checkByRays(narrow);
        ASSERT_TRUE(n.distortion);
        dist[static_cast<std::size_t>(i)] =
            *n.distortion / seidel(l, 1.0, std::tan(narrow.halfField)).distortion - 1.0;
    }
    EXPECT_LT(std::fabs(dist[0]), 0.005);
    EXPECT_NEAR(dist[0] / dist[1], 4.0, 0.3);
    EXPECT_NEAR(dist[1] / dist[2], 4.0, 0.3);

    // The colour of a thin lens: the focal length changes by -F'/nu from C to
    // F, here to within the lens's thickness and the lines' spread of index.
    ASSERT_TRUE(c.axialColour && c.focalLength);
    EXPECT_NEAR(*c.axialColour / (-*c.focalLength / l.abbe), 1.0, 0.02);
}

// The classic landscape lens, thin, stop at the lens, f about 100 mm: at 30 mm
// image height third order puts the sagittal and tangential foci about 7.5
// and 16.5 mm inside the paraxial focus; the exact foci lie somewhat less far.
TEST(RayTrace, LandscapeLensFoci)
{
    RayLens l;
    l.R1 = -50;
    l.R2 = -25.42;
    l.thickness = 0;
    l.diameter = 20;
    l.nd = 1.517;
    l.abbe = 64;
    l.stopZ = 0;
    l.stopDiameter = 5;
    const RayCheck axial = checkByRays(l);
    ASSERT_TRUE(axial.focalLength);
    EXPECT_NEAR(*axial.focalLength, 100.0, 0.05);
    l.halfField = std::atan(30.0 / *axial.focalLength);

    const ThirdOrder third = seidel(l, 1.0, std::tan(l.halfField));
    EXPECT_NEAR(third.sagittal, -7.5, 0.05);
    EXPECT_NEAR(third.tangential, -16.5, 0.05);

    const RayCheck c = checkByRays(l);
    ASSERT_TRUE(c.sagittalFocus && c.tangentialFocus);
    EXPECT_GT(*c.sagittalFocus / third.sagittal, 0.8);
    EXPECT_LT(*c.sagittalFocus / third.sagittal, 1.0);
    EXPECT_GT(*c.tangentialFocus / third.tangential, 0.8);
    EXPECT_LT(*c.tangentialFocus / third.tangential, 1.0);
}

// The figures of an independent trace of the start design. Each tolerance is
// half a unit of the figure's last digit plus what rounding the inputs to
// their given digits moves the value.
TEST(RayTrace, StartDesignFigures)
{
    const RayCheck c = checkByRays(startDesignLens());
    for (std::size_t k = 0; k < values.size(); ++k)
        EXPECT_TRUE(c.*values[k]) << "row " << k + 1;
    EXPECT_NEAR(*c.sphericalRelative, 0.43, 0.007);
    EXPECT_DOUBLE_EQ(*c.sphericalRequested, 0.40);
    EXPECT_NEAR(*c.sphericalEdge, -4.9, 0.06);
    EXPECT_NEAR(*c.sagittalFocus, -1.1, 0.055);
    EXPECT_NEAR(*c.tangentialFocus, 1.4, 0.06);
    // The plane of best focus lies between the marginal and paraxial foci.
    EXPECT_LT(*c.bestFocusShift, 0.0);
    EXPECT_GT(*c.bestFocusShift, *c.sphericalEdge);
    // The whole grid passes the start design; each spot keeps every ray.
    EXPECT_EQ(*c.vignetting, 0.0);
    ASSERT_EQ(c.spots[0].points.size(), c.spots[2].points.size());
    EXPECT_GT(c.spots[0].points.size(), 3000u);
}

// The axial spot traced ray by ray here: its RMS radius at the reported plane
// of best focus is the one reported, and it grows 0.05 mm either side.
TEST(RayTrace, BestFocusIsTheLeastAxialSpot)
{
    const RayLens l = startDesignLens();
    const RayCheck c = checkByRays(l);
    ASSERT_TRUE(c.spotAxis && c.bestFocusZ);

    struct End {
        double x, y, sx, sy, z;
    };
    std::vector<End> ends;
    for (int j = -32; j <= 32; ++j)
        for (int i = -32; i <= 32; ++i) {
            if (i * i + j * j > 32 * 32)
                continue;
            const double step = l.stopDiameter / 64;
            auto r = refractAtSphere({i * step, j * step, l.stopZ, 0, 0, 1}, 0, l.R1, 1, l.nd,
                                     l.diameter / 2);
            ASSERT_TRUE(r);
            r = refractAtSphere(*r, l.thickness, l.R2, l.nd, 1, l.diameter / 2);
            ASSERT_TRUE(r);
            ends.push_back({r->x, r->y, r->dx / r->dz, r->dy / r->dz, r->z});
        }
    ASSERT_EQ(ends.size(), c.spots[0].points.size());
    auto rmsAt = [&](double z) {
        double cx = 0, cy = 0;
        for (const End& e : ends) {
            cx += e.x + (z - e.z) * e.sx;
            cy += e.y + (z - e.z) * e.sy;
        }
        cx /= static_cast<double>(ends.size());
        cy /= static_cast<double>(ends.size());
        double sum = 0;
        for (const End& e : ends) {
            const double dx = e.x + (z - e.z) * e.sx - cx;
            const double dy = e.y + (z - e.z) * e.sy - cy;
            sum += dx * dx + dy * dy;
        }
        return 1000.0 * std::sqrt(sum / static_cast<double>(ends.size()));
    };
    EXPECT_NEAR(rmsAt(*c.bestFocusZ), *c.spotAxis, 1e-9);
    EXPECT_GT(rmsAt(*c.bestFocusZ - 0.05), *c.spotAxis);
    EXPECT_GT(rmsAt(*c.bestFocusZ + 0.05), *c.spotAxis);
}

TEST(RayTrace, WideFieldVignetting)
{
    struct Case {
        double degrees;
        bool chiefPasses, edgeSpot;
    };
    for (const Case w : {Case{50, false, true}, Case{60, false, false}}) {
        SCOPED_TRACE(w.degrees);
        RayLens l = startDesignLens();
        l.halfField = w.degrees * Pi / 180.0;
        const RayCheck c = checkByRays(l);
        ASSERT_TRUE(c.vignetting);
        EXPECT_GT(*c.vignetting, 0.0);
        if (w.edgeSpot)
            EXPECT_LT(*c.vignetting, 100.0);
        else
            EXPECT_EQ(*c.vignetting, 100.0);
        EXPECT_EQ(c.spotEdge.has_value(), w.edgeSpot);
        EXPECT_EQ(c.spots[2].points.empty(), !w.edgeSpot);
        EXPECT_EQ(c.sagittalFocus.has_value(), w.chiefPasses);
        EXPECT_EQ(c.tangentialFocus.has_value(), w.chiefPasses);
        EXPECT_EQ(c.distortion.has_value(), w.chiefPasses);
        EXPECT_TRUE(c.spotAxis && c.spotZone && c.sphericalEdge);
    }
}

// A field of no width: every value of the field's edge is the axis's, and
// the distortion, zero by definition, is no gap in the check.
TEST(RayTrace, FieldOfNoWidthHasEveryValue)
{
    RayLens l = startDesignLens();
    l.halfField = 0;
    const RayCheck c = checkByRays(l);
    ASSERT_TRUE(c.distortion && c.sagittalFocus && c.tangentialFocus && c.spotEdge && c.vignetting);
    EXPECT_EQ(*c.distortion, 0.0);
    EXPECT_EQ(*c.vignetting, 0.0);
    EXPECT_NEAR(*c.spotEdge, *c.spotAxis, 1e-9);
    EXPECT_NEAR(*c.sagittalFocus, *c.tangentialFocus, 1e-9);
}

// Lenses that cannot form an image leave the values they spoil empty and
// throw nothing.
TEST(RayTrace, DegenerateLenses)
{
    struct Case {
        const char* what;
        RayLens lens;
        std::set<int> present; // table rows that keep a value
    };
    RayLens flat = startDesignLens();
    flat.R2 = flat.R1;
    flat.thickness = 0;
    RayLens noAperture = startDesignLens();
    noAperture.diameter = 0;
    RayLens zeroRadius = startDesignLens();
    zeroRadius.R1 = 0;
    RayLens nanIndex = startDesignLens();
    nanIndex.nd = std::numeric_limits<double>::quiet_NaN();
    RayLens noAbbe = startDesignLens();
    noAbbe.abbe = 0;
    const Case cases[] = {
        {"no power", flat, {6, 16}},
        {"no clear aperture", noAperture, {1, 2, 6, 11, 15}},
        {"zero radius", zeroRadius, {6}},
        {"index not a number", nanIndex, {6}},
        {"Abbe number zero", noAbbe, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RayCheck r;
        ASSERT_NO_THROW(r = checkByRays(c.lens));
        for (int row = 1; row <= 16; ++row)
            EXPECT_EQ((r.*values[static_cast<std::size_t>(row - 1)]).has_value(),
                      c.present.count(row) == 1)
                << "row " << row;
    }
}

// Each thread keeps the rays of its last check for the next: a check gives
// the same after any other as on a thread that has made none.
TEST(RayTrace, ACheckDoesNotDependOnTheOneBefore)
{
    const RayLens start = startDesignLens();
    RayLens wide = start;
    wide.halfField = 50 * Pi / 180.0; // vignetted at the edge
    RayLens blocked = start;
    blocked.halfField = 60 * Pi / 180.0; // no ray of the edge gets through
    RayLens noPower = start;
    noPower.R2 = noPower.R1;
    noPower.thickness = 0;
    const RayLens lenses[] = {start, wide, blocked, noPower};
    for (const RayLens& before : lenses) {
        for (const RayLens& lens : lenses) {
            RayCheck fresh;
            std::thread([&] { fresh = checkByRays(lens); }).join();
            checkByRays(before);
            const RayCheck after = checkByRays(lens);
            for (std::size_t row = 0; row < values.size(); ++row)
                EXPECT_EQ(after.*values[row], fresh.*values[row]) << "row " << row + 1;
            for (std::size_t k = 0; k < 3; ++k) {
                EXPECT_EQ(after.spots[k].points.size(), fresh.spots[k].points.size()) << "field " << k;
                EXPECT_EQ(after.spots[k].centroidY, fresh.spots[k].centroidY) << "field " << k;
            }
            EXPECT_EQ(after.bestFocusZ, fresh.bestFocusZ);
        }
    }
}
