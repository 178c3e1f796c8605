#include "solver_fixture.h"

#include "errors/errors.h"

#include <gtest/gtest.h>

#include <string>

using namespace monocl;
using monocl::test::SolverRun;
using monocl::test::StartField;

namespace {

SolverRun startDesign(double T, double dh = 0.0)
{
    SolverRun r;
    r.solve(dh, T, 0.052, 1.5182, 63.84, 0.004, 0.5, StartField);
    return r;
}

std::string faultOf(double n, double nu, double F = 0.052, double ks = 0.005)
{
    SolverRun r;
    try {
        r.solve(0.0, 1.0, F, n, nu, ks, 0.5, StartField);
    } catch (const MathError& e) {
        return e.what();
    }
    return "no fault";
}

} // namespace

TEST(Solver, ZeroComaStartValuesThinLens)
{
    const SolverRun r = startDesign(1.0);
    EXPECT_EQ(r.failed, 0);
    EXPECT_REL(r.N, 7.832, 2e-4);
    EXPECT_REL(r.Df * 1000, 6.639, 2e-4);
    EXPECT_REL(r.R1 * 1000, -20.40, 5e-4);
    EXPECT_REL(r.R2 * 1000, -11.61, 5e-4);
    EXPECT_REL(r.X2 * 1000, -8.558, 2e-4);
    EXPECT_REL(r.Dm * 1000, 13.73, 5e-4);
    EXPECT_REL(r.sf * 1000, 52.0, 1e-12);
    EXPECT_REL(r.S1, 43.48, 2e-4);
    EXPECT_NEAR(r.S2, 0.0, 1e-12);
    EXPECT_REL(r.S3, -0.1779, 5e-4);
    EXPECT_REL(r.S4, 0.6587, 2e-4);
    EXPECT_REL(r.S5, -0.2144, 5e-4);
    EXPECT_REL(r.W, 7.157, 2e-4);
    EXPECT_REL(r.Rp * 1000, -78.95, 2e-4);
    EXPECT_REL(r.Rm * 1000, 108.2, 5e-4);
    EXPECT_REL(r.Rt() * 1000, 416.0, 5e-4);
    EXPECT_REL(r.Rs * 1000, 42.92, 2e-4);
    EXPECT_REL(r.dS * 1000, 0.208, 1e-9);
    EXPECT_REL(r.dA * 1000, 0.09107, 2e-4);
    EXPECT_NEAR(r.rK, 0.0, 1e-15);
    EXPECT_REL(r.dl * 1000, 0.3376, 2e-4);
    EXPECT_REL(r.v1, 19.23, 2e-4);
    EXPECT_REL(r.v2, 12.06, 5e-4);
}

TEST(Solver, ZeroAstigmatismKeepsShapeAndMovesStop)
{
    const SolverRun a = startDesign(1.0);
    const SolverRun r = startDesign(2.0);
    EXPECT_EQ(r.failed, 0);
    for (auto [x, y] : {std::pair{a.R1, r.R1}, {a.R2, r.R2}, {a.N, r.N}, {a.Df, r.Df},
                        {a.S1, r.S1}, {a.S4, r.S4}, {a.W, r.W}, {a.dS, r.dS}})
        EXPECT_DOUBLE_EQ(x, y);
    EXPECT_REL(r.X2 * 1000, -11.88, 5e-4);
    EXPECT_REL(r.Dm * 1000, 16.48, 5e-4);
    EXPECT_REL(r.S2, -2.781, 2e-4);
    EXPECT_NEAR(r.S3, 0.0, 1e-12);
    EXPECT_REL(r.S5, -0.2338, 5e-4);
    EXPECT_REL(r.Rm * 1000, 78.95, 2e-4);
    EXPECT_NEAR(r.Rt(), r.Rm, 1e-12);
    EXPECT_NEAR(r.Rm, -r.Rp, 1e-12);
    EXPECT_NEAR(r.Rs, r.Rm / 4, 1e-12);
    EXPECT_NEAR(r.dA, 0.0, 1e-15);
    EXPECT_REL(r.rK * 1000, 0.3472, 5e-4);
    EXPECT_REL(r.dl * 1000, 0.3681, 5e-4);
    EXPECT_NEAR(r.v2, r.v1 / 0.85, 1e-9);
    EXPECT_REL(r.v2, 22.62, 5e-4);
}

TEST(Solver, ThinLensIdentities)
{
    const double n = 1.5182;
    for (double T : {1.0, 2.0}) {
        const SolverRun r = startDesign(T);
        EXPECT_DOUBLE_EQ(r.sf, 0.052);
        EXPECT_NEAR(r.S4, 1.0 / n, 1e-12);
        const double Preq = 32.0 / std::sqrt(2.0) * r.N * r.N / (0.5 * 63.84);
        EXPECT_NEAR(r.S1, Preq, 1e-9);
        EXPECT_NEAR(r.dS, 0.004 * 0.052, 1e-15);
    }
}

TEST(Solver, ThicknessChangesOnlyWhatFollowsTheRearSurface)
{
    const SolverRun thin = startDesign(1.0);
    const SolverRun thick = startDesign(1.0, 0.0038);
    EXPECT_DOUBLE_EQ(thin.R1, thick.R1);
    EXPECT_NE(thin.R2, thick.R2);
    EXPECT_NE(thin.X2, thick.X2);
    EXPECT_NE(thin.sf, thick.sf);
    EXPECT_NE(thin.S1, thick.S1);
    EXPECT_NEAR(thick.S2, 0.0, 1e-12);
    EXPECT_NEAR(thick.rK, 0.0, 1e-15);
}

TEST(Solver, ZeroFieldHasNoFieldSpots)
{
    for (double T : {1.0, 2.0}) {
        SolverRun r;
        r.solve(0.0, T, 0.052, 1.5182, 63.84, 0.004, 0.5, 0.0);
        EXPECT_EQ(r.failed, 0);
        EXPECT_DOUBLE_EQ(r.Dm, r.Df);
        EXPECT_EQ(r.dA, 0.0);
        EXPECT_EQ(r.dl, 0.0);
        EXPECT_EQ(r.rK, 0.0);
        EXPECT_NEAR(r.v2, r.v1 / 0.85, 1e-9);
    }
}

TEST(Solver, FlatFrontSurfaceLimit)
{
    SolverRun r;
    r.solve(0.0, 1.0, 0.052, 1.5182, 94.0, 0.005, 0.5, StartField);
    EXPECT_EQ(r.failed, 0);
    EXPECT_REL(r.R1, -3.03, 5e-3);

    r.solve(0.0, 1.0, 0.052, 1.5182, 95.0, 0.005, 0.5, StartField);
    EXPECT_EQ(r.failed, 1);
    EXPECT_REL(r.R1, 2.92, 5e-3);
    EXPECT_NE(r.v2, 0.0) << "every output is written even for a failed design";
}

TEST(Solver, AnastigmatWithoutRealStopPosition)
{
    SolverRun r;
    r.solve(0.0, 2.0, 0.052, 1.5182, 95.0, 0.005, 0.5, StartField);
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(r.X2, 0.0);
    EXPECT_DOUBLE_EQ(r.Dm, r.Df);
    EXPECT_DOUBLE_EQ(r.S2, r.W);
    EXPECT_DOUBLE_EQ(r.S3, 1.0);
    EXPECT_EQ(r.S5, 0.0);
}

TEST(Solver, FaultsCarryTheirMessages)
{
    EXPECT_EQ(faultOf(1.5182, 153.0), "Invalid floating point operation");
    EXPECT_EQ(faultOf(1.0, 63.84), "Invalid floating point operation");
    EXPECT_EQ(faultOf(1.5182, 63.84, 0.0), "Invalid floating point operation");
    EXPECT_EQ(faultOf(0.0, 63.84), "Floating point division by zero");
    EXPECT_EQ(faultOf(1.5182, 0.0), "Floating point division by zero");
    EXPECT_EQ(faultOf(1.5182, 1e-160, 0.052, 1e-160), "Floating point overflow");
}

TEST(Solver, FaultKeepsOutputsWrittenBeforeIt)
{
    SolverRun r;
    r.R1 = 123.0;
    EXPECT_THROW(r.solve(0.0, 1.0, 0.052, 1.5182, 153.0, 0.005, 0.5, StartField), MathError);
    EXPECT_EQ(r.failed, 0);
    EXPECT_REL(r.N, 1.0 / (153.0 * 0.005 * 0.5), 1e-12);
    EXPECT_REL(r.Df, 0.052 * 153.0 * 0.005 * 0.5, 1e-12);
    EXPECT_EQ(r.R1, 123.0) << "nothing after the fault runs";
}
