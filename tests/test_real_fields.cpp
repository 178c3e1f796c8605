// The checks of the real-number fields, without any widget.
#include "core/real_fields.h"

#include <gtest/gtest.h>

#include <string>

using namespace monocl;

namespace {

struct CheckCase {
    const char* name;
    RealFieldId field;
    double typed;
    double height;  // the measured lens height the edge is held to
    double kept;
    bool shown;
};

class FieldChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(FieldChecks, KeepAndShow)
{
    const CheckCase& c = GetParam();
    MonoclState state;
    state.MeasuredHeight = c.height;
    const RealField& f = realField(c.field);
    ASSERT_NE(f.check, nullptr);
    const FieldCorrection r = f.check(c.typed, state);
    EXPECT_EQ(r.value, c.kept);
    EXPECT_EQ(r.shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(Clamps, FieldChecks, ::testing::Values(
    CheckCase{"HeightPositive", RealFieldId::ihm, 4.5, 0, 4.5, false},
    CheckCase{"HeightZero", RealFieldId::ihm, 0, 0, 0, false},
    CheckCase{"HeightNegative", RealFieldId::ihm, -1, 0, 0, true},
    CheckCase{"EdgeBelowHeight", RealFieldId::ih, 2, 5, 2, false},
    CheckCase{"EdgeEqualToHeight", RealFieldId::ih, 5, 5, 5, true},
    CheckCase{"EdgeAboveHeight", RealFieldId::ih, 7, 5, 5, true},
    CheckCase{"EdgeNegative", RealFieldId::ih, -2, 5, 0, true},
    CheckCase{"IndexMinInside", RealFieldId::inmin, 1.6, 0, 1.6, false},
    CheckCase{"IndexMinAtLowerBound", RealFieldId::inmin, 1.4, 0, 1.4, false},
    CheckCase{"IndexMinBelow", RealFieldId::inmin, 1.2, 0, 1.4, true},
    CheckCase{"IndexMaxAtUpperBound", RealFieldId::inmax, 1.8, 0, 1.8, false},
    CheckCase{"IndexMaxAbove", RealFieldId::inmax, 2, 0, 1.8, true}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(RealFields, TableMatchesTheFieldOrder)
{
    EXPECT_STREQ(realField(RealFieldId::NDedit).name, "NDedit");
    EXPECT_EQ(realField(RealFieldId::NDedit).decimals, 4);
    EXPECT_EQ(realField(RealFieldId::NDedit).check, nullptr);
    EXPECT_STREQ(realField(RealFieldId::inmax).name, "inmax");
    EXPECT_EQ(realField(RealFieldId::inmax).stored, &MonoclState::NdMax);
    EXPECT_EQ(realField(RealFieldId::iff).stored, &MonoclState::MeasuredFocal);
}

} // namespace
