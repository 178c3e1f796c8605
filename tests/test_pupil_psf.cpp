#include "core/lens_psf.h"
#include "core/mtf.h"
#include "core/psf_measure.h"
#include "core/ray_trace.h"

#include "start_design_lens.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace monocl;

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Lambda = 0.5876e-3; // mm

// A lens without aberrations: a flat wave over a round stop of F / N.
struct PerfectLens {
    double focal = 100;
    double fNumber = 8;
    double samplesPerAiryRadius = 2.5;
    int size = 256;

    PsfGrid grid() const
    {
        return {size, 1.22 * Lambda * fNumber / samplesPerAiryRadius, focal, focal / fNumber / 2};
    }
    Psf psf() const
    {
        const double r = focal / fNumber / 2;
        const WaveFunction flat = [r](double x, double y, double) {
            return x * x + y * y > r * r ? PupilSample{} : PupilSample{1.0, 0.0};
        };
        return *psfFromWave(flat, grid(), {{Lambda, 1.0}});
    }
};

TEST(PupilPsf, PerfectLensGivesTheAiryPattern)
{
    const struct {
        double fNumber, samples;
        int size;
    } rows[] = {{8, 4.0, 256}, {4, 5.0, 384}, {16, 6.0, 512}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fNumber);
        const PerfectLens lens{100, row.fNumber, row.samples, row.size};
        const Psf psf = lens.psf();
        const double airy = 1.22 * Lambda * row.fNumber;
        // The first dark ring: the first ring whose mean light is below both
        // neighbours'.
        const std::vector<double> profile = radialProfile(psf, 40);
        std::size_t dark = 1;
        while (dark + 1 < profile.size() && !(profile[dark] < profile[dark - 1] && profile[dark] <= profile[dark + 1]))
            ++dark;
        EXPECT_NEAR((static_cast<double>(dark) + 0.5) * psf.sample, airy, psf.sample);
        // 83,8 % of the light inside the first dark ring: 1 - J0^2 - J1^2 at its zero.
        EXPECT_NEAR(encircledEnergy(psf, airy), 0.838, 0.01);
        EXPECT_NEAR(psfEnergy(psf), 1.0, 1e-3);
    }
}

TEST(PupilPsf, PerfectLensMtfIsTheDiffractionLimit)
{
    const PerfectLens lens{100, 8, 2.5, 256};
    const Psf psf = lens.psf();
    const double cutoff = 1.0 / (Lambda * 8);
    for (const double share : {0.0, 0.1, 0.25, 0.5, 0.75, 0.9}) {
        SCOPED_TRACE(share);
        const double phi = std::acos(share);
        const double expected = 2.0 / Pi * (phi - std::cos(phi) * std::sin(phi));
        EXPECT_NEAR(mtfAt(psf, share * cutoff, false), expected, 0.01);
        EXPECT_NEAR(mtfAt(psf, share * cutoff, true), expected, 0.01);
        EXPECT_NEAR(diffractionMtf(share * cutoff, cutoff), expected, 1e-12);
    }
}

// The start design at its own stop: on the axis nothing is blocked, so the
// PSF holds all the light; at the edge it holds what the ray check's
// vignetting leaves. No MTF lies above the diffraction limit.
TEST(LensPsf, EnergyAndTheDiffractionLimit)
{
    const RayLens lens = startDesignLens();
    const RayCheck check = checkByRays(lens);
    const double fNumber = *check.focalLength / lens.stopDiameter;
    const auto lines = lightLines(LightKind::Panchromatic);
    for (const double share : {0.0, 0.7, 1.0}) {
        SCOPED_TRACE(share);
        const PsfSetup setup{lens, share * lens.halfField, *check.bestFocusShift, LightKind::Panchromatic};
        const auto psf = lensPsf(setup);
        ASSERT_TRUE(psf);
        if (share == 0.0) {
            EXPECT_NEAR(psfEnergy(*psf), 1.0, 1e-3);
        }
        if (share == 1.0) {
            EXPECT_NEAR(psfEnergy(*psf), 1.0 - *check.vignetting / 100.0, 5e-3);
        }
        for (double nu = 0; nu <= 100; nu += 5) {
            const double limit = diffractionMtf(nu, fNumber, lines);
            EXPECT_LE(mtfAt(*psf, nu, false), limit + 0.01) << nu;
            EXPECT_LE(mtfAt(*psf, nu, true), limit + 0.01) << nu;
        }
        EXPECT_NEAR(mtfAt(*psf, 0, true), 1.0, 1e-12);
    }
}

// Where the spot is many Airy disks wide, the PSF's RMS radius is the
// spot's that the rays give.
TEST(LensPsf, GeometricLimitIsTheRaySpot)
{
    for (const double fNumber : {5.6, 8.0}) {
        SCOPED_TRACE(fNumber);
        const RayLens lens = *withFNumber(startDesignLens(), fNumber);
        const RayCheck check = checkByRays(lens);
        ASSERT_GT(*check.spotAxis, 5 * *check.airyDiameter / 2);
        const struct {
            double share;
            std::optional<double> spot;
        } fields[] = {{0.0, check.spotAxis}, {1.0, check.spotEdge}};
        for (const auto& field : fields) {
            const PsfSetup setup{lens, field.share * lens.halfField, *check.bestFocusShift, LightKind::DLine};
            const auto psf = lensPsf(setup);
            ASSERT_TRUE(psf);
            EXPECT_NEAR(psfRmsRadius(*psf) * 1000, *field.spot, 0.1 * *field.spot) << field.share;
        }
    }
}

// The chief ray's height where it meets the plane z, traced here surface by
// surface.
double chiefHeight(const RayLens& l, double z)
{
    const RayState start{0, 0, l.stopZ, 0, std::sin(l.halfField), std::cos(l.halfField)};
    const auto front = refractAtSphere(start, 0, l.R1, 1, l.nd, l.diameter / 2);
    const auto rear = refractAtSphere(*front, l.thickness, l.R2, l.nd, 1, l.diameter / 2);
    return rear->y + (z - rear->z) * rear->dy / rear->dz;
}

// The light of the PSF lies where the rays go: its centroid at the field's
// edge is off the chief ray's image as the rays' centroid is, on the same side.
TEST(LensPsf, LightLiesWhereTheRaysGo)
{
    const RayLens lens = *withFNumber(startDesignLens(), 5.6);
    const RayCheck check = checkByRays(lens);
    const double offset = *check.spots[2].centroidY - chiefHeight(lens, *check.bestFocusZ);
    ASSERT_GT(std::abs(offset), 0.02);
    const auto psf = lensPsf({lens, lens.halfField, *check.bestFocusShift, LightKind::DLine});
    ASSERT_TRUE(psf);
    EXPECT_NEAR(psfCentroid(*psf).y, offset, 0.1 * std::abs(offset));
    EXPECT_NEAR(psfCentroid(*psf).x, 0.0, 1e-4); // the unpaired column at the border
}

} // namespace
