#include "core/lens_psf.h"
#include "core/ray_spots.h"
#include "core/through_focus.h"

#include "start_design_lens.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace monocl;

namespace {

// The range about the axial best focus is the widest of: four depths of
// focus (2 lambda N^2 at the d line) each way, 1,1 times the way to the
// paraxial focus, 1,1 times the way to the film as set.
TEST(ThroughFocus, RangeHoldsTheFociAndTheDepth)
{
    const double lambda = 0.5876e-3;
    const struct {
        double fNumber, filmFromBest;
        const char* widest; // "depth", "paraxial" or "film"
    } rows[] = {{32, 0, "depth"}, {4, 0, "paraxial"}, {8, 0, "paraxial"}, {8, 6.0, "film"}, {4, -20.0, "film"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fNumber * 100 + row.filmFromBest);
        const auto stopped = withFNumber(startDesignLens(), row.fNumber);
        ASSERT_TRUE(stopped);
        const double best = *ringSpots(*stopped).bestFocusShift;
        const double film = best + row.filmFromBest;
        const FocusRange range = throughFocusRange(*stopped, film);
        EXPECT_DOUBLE_EQ(range.centre, best);
        const double depth = 4 * 2 * lambda * row.fNumber * row.fNumber;
        const double expected = std::string(row.widest) == "depth"  ? depth
                                : std::string(row.widest) == "film" ? 1.1 * std::abs(row.filmFromBest)
                                                                    : 1.1 * std::abs(best);
        EXPECT_NEAR(range.halfWidth, expected, 1e-9 * expected);
        for (const double focus : {0.0, film, best}) {
            EXPECT_LE(std::abs(focus - range.centre), range.halfWidth) << focus;
        }
        const std::vector<double> shifts = focusShiftsOver(range);
        ASSERT_EQ(shifts.size(), 11u);
        EXPECT_NEAR(shifts.front(), best - expected, 1e-9);
        EXPECT_NEAR(shifts[5], best, 1e-9);
        EXPECT_NEAR(shifts.back(), best + expected, 1e-9);
    }
}

} // namespace
