#include "core/design_pass.h"
#include "core/lens_sags.h"
#include "core/tolerances.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace monocl;

namespace {

RayLens designed(int focal, int field, bool anastigmat, int edgeRatio)
{
    DesignControls c;
    c.decimalSeparator = '.';
    c.FSpin = focal;
    c.ASpin = field;
    c.RB1 = !anastigmat;
    c.RB2 = anastigmat;
    c.OtSpin = edgeRatio;
    MonoclState s;
    RecomputeLocals locals;
    designPass(c, s, locals);
    return designedRayLens(s);
}

// F' and sf of a paraxial y-nu trace of a ray at unit height.
std::pair<double, double> paraxialFocus(const RayLens& l)
{
    const double u1 = -(l.nd - 1) / (l.nd * l.R1);
    const double y2 = 1 + l.thickness * u1;
    const double u2 = l.nd * u1 - y2 * (1 - l.nd) / l.R2;
    return {-1 / u2, -y2 / u2};
}

} // namespace

TEST(LensSags, SagsAreTheHandComputedOnes)
{
    // R - sign(R) sqrt(R^2 - (D/2)^2), worked by hand.
    const struct {
        double R, D;
        std::optional<double> sag;
    } rows[] = {
        {20, 14, 1.2650060048048068},
        {-12.4, 14.5, -2.3403031854831724},
        {100, 80, 8.348486100883207},
        {-7.5, 12, -3.0},
        {-6.5, 13, -6.5}, // a hemisphere
        {5, 12, std::nullopt},
        {0, 10, std::nullopt},
    };
    for (const auto& row : rows) {
        const auto s = sagitta(row.R, row.D);
        ASSERT_EQ(s.has_value(), row.sag.has_value()) << row.R;
        if (s) {
            EXPECT_NEAR(*s, *row.sag, 1e-12) << row.R << " " << row.D;
        }
    }
}

TEST(LensSags, FootprintLiesWithinTheLensAndGrowsWithTheField)
{
    for (const int field : {10, 45, 60}) {
        const RayLens lens = designed(52, field, false, 5);
        const auto front = beamFootprint(lens, 0);
        const auto rear = beamFootprint(lens, 1);
        ASSERT_TRUE(front && rear) << field;
        EXPECT_LE(*front, lens.diameter + 1e-9);
        EXPECT_LE(*rear, lens.diameter + 1e-9);
        // On the axis alone the beam is the stop's, a little narrowed by
        // the converging front surface; the field's edge widens it.
        RayLens axial = lens;
        axial.halfField = 0;
        EXPECT_NEAR(*beamFootprint(axial, 0), lens.stopDiameter, 0.05 * lens.stopDiameter);
        EXPECT_GT(*front, *beamFootprint(axial, 0));
        const auto clear = clearAperture(lens, 0, 0.3);
        ASSERT_TRUE(clear);
        EXPECT_GE(*clear, std::min(*front * 1.05, lens.diameter - 0.6) - 1e-9);
        EXPECT_LE(*clear, lens.diameter - 0.6 + 1e-9);
    }
}

TEST(Tolerances, SensitivitiesAreThoseOfTheParaxialFormulas)
{
    for (const auto& lens : {designed(52, 45, false, 5), designed(150, 30, true, 8), designed(300, 20, false, 10)}) {
        const auto a = analyseTolerances(lens, {lens.diameter, lens.diameter}, ToleranceBudget{});
        ASSERT_TRUE(a);
        const auto [F, sf] = paraxialFocus(lens);
        EXPECT_NEAR(a->nominal[0], F, 1e-9 * F);
        EXPECT_NEAR(a->nominal[1], sf, 1e-9 * F);
        // The test's own differences of the y-nu trace, on a coarser step.
        const auto derivative = [&](auto set, int figure) {
            const double h = 1e-3;
            RayLens up = lens, down = lens;
            set(up, h);
            set(down, -h);
            const auto f = [&](const RayLens& l) {
                const auto p = paraxialFocus(l);
                return figure == 0 ? p.first : p.second;
            };
            return (f(up) - f(down)) / (2 * h);
        };
        const auto r1 = [](RayLens& l, double h) { l.R1 += h; };
        const auto r2 = [](RayLens& l, double h) { l.R2 += h; };
        const auto t = [](RayLens& l, double h) { l.thickness += h; };
        const auto& d = a->dimensions;
        for (int figure : {0, 1}) {
            EXPECT_NEAR(d[0].sensitivity[figure], derivative(r1, figure), 1e-5 * std::abs(derivative(r1, figure)) + 1e-9);
            EXPECT_NEAR(d[1].sensitivity[figure], derivative(r2, figure), 1e-5 * std::abs(derivative(r2, figure)) + 1e-9);
            EXPECT_NEAR(d[2].sensitivity[figure], derivative(t, figure), 1e-5 * std::abs(derivative(t, figure)) + 1e-9);
        }
        // Neither the diameter nor the stop moves a figure: the axial rays
        // run parallel from the stop.
        for (int figure = 0; figure < FigureCount; ++figure) {
            EXPECT_EQ(d[3].sensitivity[figure], 0);
            EXPECT_EQ(d[4].sensitivity[figure], 0);
        }
        EXPECT_EQ(d[3].tolerance, FreeDiameterTolerance);
        EXPECT_EQ(d[4].tolerance, FreeStopTolerance);
    }
}

TEST(Tolerances, EvenSplitRoundedDownAndMonteCarloShare)
{
    const ToleranceBudget budget{1.0, 0.5, 10.0};
    for (const auto& lens : {designed(52, 45, false, 5), designed(80, 40, true, 6), designed(200, 30, false, 8)}) {
        const std::array<double, 2> apertures{lens.diameter * 0.9, lens.diameter * 0.9};
        const auto a = analyseTolerances(lens, apertures, budget);
        ASSERT_TRUE(a);
        const std::array<double, 3> b = {a->nominal[0] * 0.01, 0.5, a->nominal[2] * 0.10};
        for (int j = 0; j < FigureCount; ++j)
            EXPECT_NEAR(a->budget[j], b[j], 1e-12 * std::abs(b[j]));
        for (int i = 0; i < 3; ++i) {
            const DimensionTolerance& d = a->dimensions[i];
            // The even root-sum-square share of three dimensions.
            double split = INFINITY;
            for (int j = 0; j < FigureCount; ++j)
                split = std::min(split, b[j] / (std::sqrt(3.0) * std::abs(d.sensitivity[j])));
            if (d.fringes) {
                EXPECT_GE(*d.fringes, 1);
                const double perFringe = FringeWavelength / (2 * sagPerRadius(d.nominal, apertures[i]));
                EXPECT_NEAR(d.tolerance, *d.fringes * perFringe, 1e-12);
            } else {
                // On the 0,01 mm step, at or below the split.
                EXPECT_NEAR(d.tolerance * 100, std::round(d.tolerance * 100), 1e-9) << i;
                if (!d.tightened && split >= LengthStep) {
                    EXPECT_LE(d.tolerance, split + 1e-12) << i;
                    EXPECT_GT(d.tolerance + LengthStep, split) << i;
                }
            }
        }
        // The share by the test's own draws of a linear model: the lens is
        // near enough to linear over its tolerances.
        std::mt19937 random(7);
        std::uniform_real_distribution<double> uniform(-1, 1);
        int within = 0;
        constexpr int Draws = 20000;
        for (int k = 0; k < Draws; ++k) {
            std::array<double, 3> change{};
            for (int i = 0; i < 3; ++i) {
                const double u = uniform(random) * a->dimensions[i].tolerance;
                for (int j = 0; j < FigureCount; ++j)
                    change[j] += a->dimensions[i].sensitivity[j] * u;
            }
            within += std::abs(change[0]) <= b[0] && std::abs(change[1]) <= b[1] && std::abs(change[2]) <= b[2];
        }
        EXPECT_NEAR(a->share, within / double(Draws), 0.03);
        EXPECT_EQ(a->goalMet, a->share >= MonteCarloGoal);
        EXPECT_TRUE(a->goalMet || a->tightenings == MostTightenings || a->tightenings > 0);
        // The fixed seed gives the same share again.
        EXPECT_EQ(analyseTolerances(lens, apertures, budget)->share, a->share);
    }
}

TEST(Tolerances, AWiderBudgetGivesWiderTolerances)
{
    const RayLens lens = designed(100, 40, false, 6);
    const auto narrow = analyseTolerances(lens, {10, 10}, ToleranceBudget{0.5, 0.25, 5});
    const auto wide = analyseTolerances(lens, {10, 10}, ToleranceBudget{2, 1, 20});
    ASSERT_TRUE(narrow && wide);
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(wide->dimensions[i].tolerance, narrow->dimensions[i].tolerance) << i;
}

TEST(Tolerances, NoBudgetOrNoLensGivesNone)
{
    const RayLens lens = designed(52, 45, false, 5);
    for (const ToleranceBudget& b : {ToleranceBudget{0, 0.5, 10}, ToleranceBudget{1, -0.5, 10},
                                     ToleranceBudget{1, 0.5, 0}, ToleranceBudget{NAN, 0.5, 10}})
        EXPECT_FALSE(analyseTolerances(lens, {10, 10}, b));
    RayLens flat = lens;
    flat.R1 = 0;
    EXPECT_FALSE(analyseTolerances(flat, {10, 10}, ToleranceBudget{}));
    RayLens noStop = lens;
    noStop.stopDiameter = 0;
    EXPECT_FALSE(analyseTolerances(noStop, {10, 10}, ToleranceBudget{}));
}
