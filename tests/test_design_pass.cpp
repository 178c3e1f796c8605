#include "solver_fixture.h"

#include "core/design_pass.h"
#include "errors/errors.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace monocl;

namespace {

DesignControls startControls(char sep = ',')
{
    DesignControls c;
    c.decimalSeparator = sep;
    c.NDedit = sep == ',' ? "1,5182" : "1.5182";
    c.ABEdit = sep == ',' ? "63,84" : "63.84";
    return c;
}

struct Pass {
    MonoclState s;
    RecomputeLocals l;
};

Pass run(const DesignControls& c)
{
    Pass p;
    designPass(c, p.s, p.l);
    return p;
}

std::string faultOf(const DesignControls& c, MonoclState& s)
{
    RecomputeLocals l;
    try {
        designPass(c, s, l);
    } catch (const MonoclError& e) {
        return e.what();
    }
    return "no fault";
}

} // namespace

TEST(DesignPass, ReadsTheStartControls)
{
    const Pass p = run(startControls());
    EXPECT_DOUBLE_EQ(p.s.FocalLength, 0.052);
    EXPECT_NEAR(p.s.FieldAngle, 0.785398, 1e-6);
    EXPECT_DOUBLE_EQ(p.s.SphericalRatio, 0.004);
    EXPECT_DOUBLE_EQ(p.s.ChromaticRatio, 0.5);
    EXPECT_DOUBLE_EQ(p.s.Nd, 1.5182);
    EXPECT_DOUBLE_EQ(p.s.Abbe, 63.84);
    EXPECT_EQ(p.s.CorrectionType, 1);
    EXPECT_DOUBLE_EQ(p.l.FilterFactor, 1.0);
    EXPECT_DOUBLE_EQ(p.l.EdgeRatio, 5.0);
}

TEST(DesignPass, StartDesignBothPasses)
{
    DesignControls c = startControls('.');
    MonoclState s;
    RecomputeLocals l;
    ReadDesignInputs(c, s, l);
    RunDesignPasses(s, l);
    EXPECT_REL(s.CenterThickness * 1000, 3.803, 2e-4);
    EXPECT_EQ(l.DesignFailed, 0);
    EXPECT_REL(s.R1 * 1000, -20.40, 5e-4);
    EXPECT_REL(s.R2 * 1000, -12.35, 5e-4);
    EXPECT_REL(s.X2 * 1000, -9.525, 2e-4);
    EXPECT_REL(s.Dm * 1000, 14.53, 5e-4);
    EXPECT_REL(l.sf * 1000, 55.31, 2e-4);
    EXPECT_REL(s.N, 7.832, 2e-4);
    EXPECT_REL(s.Df * 1000, 6.639, 2e-4);
    EXPECT_REL(s.S1, 46.49, 2e-4);
    EXPECT_NEAR(s.S2, 0.0, 1e-12);
    EXPECT_REL(s.S3, -0.2770, 5e-4);
    EXPECT_REL(s.S4, 0.5673, 2e-4);
    EXPECT_REL(s.S5, -0.1831, 5e-4);
    EXPECT_REL(s.Rp * 1000, -91.67, 2e-4);
    EXPECT_REL(s.Rs * 1000, 987.9, 5e-4);
    EXPECT_REL(s.Rm * 1000, 179.2, 5e-4);
    EXPECT_REL(s.Rt * 1000, -197.1, 5e-4);
    EXPECT_REL(s.dS * 1000, 0.2224, 5e-4);
    EXPECT_REL(s.dA * 1000, 0.1418, 5e-4);
    EXPECT_NEAR(s.rK, 0.0, 1e-15);
    EXPECT_REL(s.dl * 1000, 0.2883, 5e-4);
    EXPECT_REL(s.v1, 17.99, 5e-4);
    EXPECT_REL(s.v2, 9.300, 5e-4);
}

TEST(DesignPass, FirstShapeSagsGiveTheCentreThickness)
{
    // The sags of the thin shape, seen through the first pass alone.
    {
        monocl::test::SolverRun r;
        r.solve(0.0, 1.0, 0.052, 1.5182, 63.84, 0.004, 0.5, monocl::test::StartField);
        EXPECT_REL(surfaceSag(r.R1, r.Dm / 2) * 1000, -1.189, 5e-4);
        EXPECT_REL(surfaceSag(r.R2, r.Dm / 2) * 1000, -2.246, 5e-4);
        r.solve(0.0, 2.0, 0.052, 1.5182, 63.84, 0.004, 0.5, monocl::test::StartField);
        EXPECT_REL(surfaceSag(r.R1, r.Dm / 2) * 1000, -1.739, 5e-4);
        EXPECT_REL(surfaceSag(r.R2, r.Dm / 2) * 1000, -3.433, 5e-4);
    }
}

TEST(DesignPass, AnastigmatStartDesign)
{
    DesignControls c = startControls();
    c.RB1 = false;
    c.RB2 = true;
    const Pass p = run(c);
    EXPECT_EQ(p.s.CorrectionType, 2);
    EXPECT_REL(p.s.CenterThickness * 1000, 4.991, 2e-4);
    EXPECT_REL(p.s.R2 * 1000, -12.58, 5e-4);
    EXPECT_REL(p.s.X2 * 1000, -14.56, 5e-4);
    EXPECT_REL(p.s.Dm * 1000, 18.70, 5e-4);
    EXPECT_REL(p.l.sf * 1000, 56.34, 2e-4);
    EXPECT_NEAR(p.s.S3, 0.0, 1e-12);
    EXPECT_REL(p.s.Rm * 1000, 96.14, 2e-4);
    EXPECT_REL(p.s.Rt * 1000, 96.14, 2e-4);
    EXPECT_REL(p.s.Rp * 1000, -96.14, 2e-4);
    EXPECT_REL(p.s.Rs * 1000, 24.03, 5e-4);
    EXPECT_REL(p.s.rK * 1000, 0.4771, 5e-4);
    EXPECT_REL(p.s.dl * 1000, 0.2780, 5e-4);
    EXPECT_REL(p.s.v1, 17.63, 5e-4);
    EXPECT_REL(p.s.v2, 20.74, 5e-4);
}

TEST(DesignPass, FinalRimDiffersFromRequestedRim)
{
    const Pass p = run(startControls());
    const double rim = p.s.CenterThickness - std::fabs(p.l.RearSag) + std::fabs(p.l.FrontSag);
    EXPECT_REL(rim * 1000, 2.777, 5e-4);
    EXPECT_REL(p.s.Dm / p.l.EdgeRatio * 1000, 2.906, 5e-4);
    EXPECT_DOUBLE_EQ(p.l.RearShift, p.l.RearSag - p.s.Dm / 5.0);
}

TEST(DesignPass, RepeatedPassIsIdentical)
{
    const DesignControls c = startControls();
    Pass p = run(c);
    const MonoclState first = p.s;
    RecomputeLocals l;
    designPass(c, p.s, l);
    EXPECT_EQ(std::memcmp(&first, &p.s, sizeof first), 0);
}

TEST(DesignPass, ZeroFieldCompletes)
{
    DesignControls c = startControls();
    c.ASpin = 0;
    const Pass p = run(c);
    EXPECT_EQ(p.l.DesignFailed, 0);
    EXPECT_DOUBLE_EQ(p.s.Dm, p.s.Df);
    EXPECT_EQ(p.s.dA, 0.0);
    EXPECT_EQ(p.s.rK, 0.0);
    EXPECT_EQ(p.s.dl, 0.0);
}

TEST(DesignPass, NoCorrectionButtonKeepsTheType)
{
    DesignControls c = startControls();
    c.RB1 = false;
    MonoclState s;
    s.CorrectionType = 2;
    RecomputeLocals l;
    ReadDesignInputs(c, s, l);
    EXPECT_EQ(s.CorrectionType, 2);
}

TEST(DesignPass, FilterButtonsSetTheFactorInOrder)
{
    DesignControls c = startControls();
    MonoclState s;
    RecomputeLocals l;
    c.Sf1 = false;
    c.Sf2 = true;
    ReadDesignInputs(c, s, l);
    EXPECT_DOUBLE_EQ(l.FilterFactor, 1.4);
    c.Sf3 = true;
    ReadDesignInputs(c, s, l);
    EXPECT_DOUBLE_EQ(l.FilterFactor, 2.0);
    c.Sf2 = c.Sf3 = false;
    ReadDesignInputs(c, s, l);
    EXPECT_DOUBLE_EQ(l.FilterFactor, 0.0);
    EXPECT_EQ(faultOf(c, s), "Floating point division by zero");
}

TEST(DesignPass, Faults)
{
    MonoclState s;
    DesignControls c = startControls();
    c.RB1 = false;
    c.RB2 = true;
    c.ASpin = 70;
    EXPECT_EQ(faultOf(c, s), "Invalid floating point operation");
    EXPECT_EQ(s.CenterThickness, 0.0) << "the fault stops before the thickness";
    EXPECT_NE(s.Dm, 0.0) << "the first pass stays written";

    c = startControls();
    c.OtSpin = 0;
    EXPECT_EQ(faultOf(c, s), "Floating point division by zero");

    c = startControls();
    c.FSpin = 0;
    EXPECT_EQ(faultOf(c, s), "Invalid floating point operation");

    c = startControls();
    c.NDedit = "1.6";
    EXPECT_EQ(faultOf(c, s), "'1.6' is not a valid floating point value");
    c = startControls();
    c.ABEdit = "";
    EXPECT_EQ(faultOf(c, s), "'' is not a valid floating point value");
}

TEST(DesignPass, SolverFailureStillRunsBothPasses)
{
    DesignControls c = startControls();
    c.KsfBar = 100;
    c.ABEdit = "100";
    const Pass p = run(c);
    EXPECT_EQ(p.l.DesignFailed, 1);
    EXPECT_GT(p.s.R1, 0.0);

    c.ABEdit = "95";
    MonoclState s;
    EXPECT_EQ(faultOf(c, s), "Invalid floating point operation");
    EXPECT_REL(std::fabs(s.R2) * 1000, 46.0, 0.05);
    EXPECT_REL(s.Dm / 2 * 1000, 335.0, 0.05);
}
