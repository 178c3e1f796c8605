#include "solver_fixture.h"

#include "errors/errors.h"
#include "core/forecast.h"

#include <gtest/gtest.h>

using namespace monocl;

namespace {

ForecastControls withFilter(int which)
{
    ForecastControls c;
    c.sfp1 = which == 1;
    c.sfp2 = which == 2;
    c.sfp3 = which == 3;
    c.Sfp4 = which == 4;
    return c;
}

std::string faultOf(MonoclState s, const ForecastControls& c = {})
{
    try {
        ComputeForecast(c, s);
    } catch (const MathError& e) {
        return e.what();
    }
    return "no fault";
}

} // namespace

TEST(Forecast, WorkedExample)
{
    MonoclState s = test::measuredLens();
    const ForecastValues v = ComputeForecast(ForecastControls{}, s);
    EXPECT_EQ(s.AbbeMin, 40.0);
    EXPECT_EQ(s.AbbeMax, 70.0);
    EXPECT_DOUBLE_EQ(s.dr2, 3.0);
    EXPECT_REL(s.R2, -18.1667, 1e-5);
    EXPECT_REL(s.R1AtNdMin, -35.2371, 1e-5);
    EXPECT_REL(s.R1AtNdMax, -27.7791, 1e-5);
    EXPECT_REL(s.RadiusRatioAtNdMin, 1.9397, 5e-5);
    EXPECT_REL(s.RadiusRatioAtNdMax, 1.5291, 5e-5);
    EXPECT_REL(v.dr1AtNdMin, 1.4487, 5e-5);
    EXPECT_REL(v.dr1AtNdMax, 1.8623, 5e-5);
    EXPECT_REL(v.dmAtNdMin, 3.5513, 5e-5);
    EXPECT_REL(v.dmAtNdMax, 3.1377, 5e-5);
    EXPECT_REL(v.PAtNdMin, 36.5981, 5e-6);
    EXPECT_REL(v.PAtNdMax, 38.7335, 5e-6);
    EXPECT_REL(v.WAtNdMin, 6.5474, 5e-5);
    EXPECT_REL(v.WAtNdMax, 6.7166, 5e-5);
    EXPECT_REL(v.sAtNdMin, 0.003159, 5e-4);
    EXPECT_REL(v.sAtNdMax, 0.003343, 5e-4);
    EXPECT_REL(v.X2ByUpperShape, -13.6476, 5e-6);
    EXPECT_REL(v.X2ByLowerShape, -14.2066, 5e-6);
    EXPECT_REL(v.ChromaticHigh, 0.9347, 5e-4);
    EXPECT_REL(v.ChromaticLow, 0.5653, 5e-4);
}

TEST(Forecast, FiltersScaleOnlyTheChromaticValues)
{
    MonoclState s = test::measuredLens();
    const ForecastValues plain = ComputeForecast(withFilter(1), s);
    const double factors[] = {1.0, 1.4, 2.0, 2.8};
    for (int f = 1; f <= 4; ++f) {
        const ForecastValues v = ComputeForecast(withFilter(f), s);
        EXPECT_NEAR(v.ChromaticHigh, plain.ChromaticHigh / factors[f - 1], 1e-12);
        EXPECT_NEAR(v.ChromaticLow, plain.ChromaticLow / factors[f - 1], 1e-12);
        EXPECT_EQ(v.PAtNdMin, plain.PAtNdMin);
        EXPECT_EQ(v.sAtNdMax, plain.sAtNdMax);
    }
    const ForecastValues yellow2 = ComputeForecast(withFilter(3), s);
    EXPECT_REL(yellow2.ChromaticHigh, 0.4673, 5e-4);
    EXPECT_REL(yellow2.ChromaticLow, 0.2826, 5e-4);
}

TEST(Forecast, FNumberScalesAberrations)
{
    MonoclState s = test::measuredLens();
    const ForecastValues at8 = ComputeForecast(ForecastControls{}, s);
    ForecastControls c;
    c.NSpin = 16;
    const ForecastValues at16 = ComputeForecast(c, s);
    EXPECT_NEAR(at16.sAtNdMin, at8.sAtNdMin / 8.0, 1e-15);
    EXPECT_NEAR(at16.ChromaticHigh, at8.ChromaticHigh * 4.0, 1e-12);
    EXPECT_EQ(at16.X2ByLowerShape, at8.X2ByLowerShape);
    EXPECT_EQ(at16.dmAtNdMax, at8.dmAtNdMax);
}

TEST(Forecast, FlatSecondSurface)
{
    MonoclState s = test::measuredLens();
    s.MeasuredEdge = 5;
    ComputeForecast(ForecastControls{}, s);
    EXPECT_EQ(s.dr2, 0.001);
    EXPECT_NEAR(s.R2, -50000.0005, 1e-6);
}

TEST(Forecast, NegativeRadicandGivesZeroSags)
{
    MonoclState s = test::measuredLens();
    s.MeasuredFocal = 10;
    const ForecastValues v = ComputeForecast(ForecastControls{}, s);
    EXPECT_EQ(v.dr1AtNdMin, 0.0);
    EXPECT_EQ(v.dr1AtNdMax, 0.0);
    EXPECT_EQ(v.dmAtNdMin, 5.0);
    EXPECT_EQ(v.dmAtNdMax, 5.0);
}

TEST(Forecast, Faults)
{
    MonoclState s = test::measuredLens();
    s.MeasuredFocal = 0;
    EXPECT_EQ(faultOf(s), "Floating point division by zero");

    ForecastControls c;
    c.NSpin = 0;
    EXPECT_EQ(faultOf(test::measuredLens(), c), "Floating point division by zero");
    c = {};
    c.VminSP = 0;
    EXPECT_EQ(faultOf(test::measuredLens(), c), "Floating point division by zero");

    // Only the lower end's radicand is tested in advance; the two ends need
    // not be in order.
    s = test::measuredLens();
    s.NdMin = 1.8;
    s.NdMax = 1.4;
    s.MeasuredFocal = 15;
    EXPECT_EQ(faultOf(s), "Invalid floating point operation");
}

TEST(Forecast, FaultKeepsStoreFieldsWrittenBeforeIt)
{
    MonoclState s = test::measuredLens();
    s.MeasuredFocal = 0;
    ForecastControls c;
    c.VminSP = 41;
    EXPECT_THROW(ComputeForecast(c, s), MathError);
    EXPECT_EQ(s.AbbeMin, 41.0);
    EXPECT_DOUBLE_EQ(s.R2, -18.0 - 1.0 / 6.0);
    EXPECT_EQ(s.R1AtNdMin, 0.0);
}
