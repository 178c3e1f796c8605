#include "core/image_blur.h"
#include "core/photo_simulation.h"
#include "core/ray_trace.h"

#include "start_design_lens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace monocl;

namespace {

// A PSF made here: a round Gaussian blob `offset` mm out along the
// meridional direction.
Psf blob(double offset, double sigma)
{
    Psf psf{128, 0.002, std::vector<double>(128 * 128)};
    double sum = 0;
    for (int row = 0; row < 128; ++row)
        for (int col = 0; col < 128; ++col) {
            const double x = (col - 64) * psf.sample, y = (row - 64) * psf.sample - offset;
            sum += psf.values[std::size_t(row * 128 + col)] = std::exp(-(x * x + y * y) / (2 * sigma * sigma));
        }
    for (double& v : psf.values)
        v /= sum;
    return psf;
}

struct Moments {
    double energy, x, y;
};

Moments moments(const LinearImage& image, int channel)
{
    Moments m{0, 0, 0};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const double v = image.at(x, y)[channel];
            m.energy += v;
            m.x += x * v;
            m.y += y * v;
        }
    m.x /= m.energy;
    m.y /= m.energy;
    return m;
}

// A point of light comes out as the PSF at its place: all its light, moved
// by the PSF's offset along the line from the centre, whichever way that is.
TEST(ImageBlur, PointOfLightBecomesThePsfTurnedOutwards)
{
    const double pitch = 0.01, offset = 0.05; // 5 pixels out
    const FieldPsfs psfs{{0.0, 1.0}, {blob(offset, 0.02), blob(offset, 0.02)}};
    const struct {
        int x, y;
    } points[] = {{150, 80}, {30, 80}, {90, 145}, {90, 15}, {140, 120}};
    for (const auto& p : points) {
        SCOPED_TRACE(p.x * 1000 + p.y);
        LinearImage scene(181, 161);
        scene.at(p.x, p.y)[1] = 1.0f;
        const auto out = blurImage(scene, psfs, pitch, 2);
        ASSERT_TRUE(out);
        const Moments m = moments(*out, 1);
        const double dx = p.x - 90.0, dy = p.y - 80.0, r = std::hypot(dx, dy);
        EXPECT_NEAR(m.energy, 1.0, 1e-4);
        // The tiles about the point turn their kernels each to its own
        // azimuth: within a tenth of the offset.
        EXPECT_NEAR(m.x, p.x + dx / r * offset / pitch, 0.5);
        EXPECT_NEAR(m.y, p.y + dy / r * offset / pitch, 0.5);
        EXPECT_NEAR(moments(*out, 0).energy, 0.0, 1e-6) << "the red stays dark";
    }
}

// An even scene stays even up to the frame's edges and corners: the scene
// goes on beyond the frame, so no edge loses the light its neighbours
// outside would have sent it.
TEST(ImageBlur, EvenSceneStaysEvenAtTheEdges)
{
    const RayLens l = startDesignLens();
    LinearImage scene(120, 80);
    for (int y = 0; y < scene.height; ++y)
        for (int x = 0; x < scene.width; ++x)
            for (int ch = 0; ch < 3; ++ch)
                scene.at(x, y)[ch] = 0.25f * static_cast<float>(ch + 1);
    const auto out = simulatePhotograph(scene, l, 8.0, -3.0, LightKind::Panchromatic, 2);
    ASSERT_TRUE(out);
    const struct {
        int x, y;
    } places[] = {{0, 0}, {119, 0}, {0, 79}, {119, 79}, {0, 40}, {119, 40}, {60, 0}, {60, 79}, {60, 40}};
    for (const auto& at : places)
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_NEAR(out->at(at.x, at.y)[ch] / scene.at(at.x, at.y)[ch], 1.0, 0.005)
                << at.x << ", " << at.y << " channel " << ch;
}

// Through the start design, a random scene keeps its mean light away from
// the frame's edges, in each channel.
TEST(ImageBlur, PhotographKeepsTheMeanLight)
{
    const RayLens l = startDesignLens();
    const RayCheck check = checkByRays(l);
    LinearImage scene(300, 200);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> light(0.0f, 1.0f);
    for (float& v : scene.pixels)
        v = light(random) * light(random) * 4.0f;
    const auto out = simulatePhotograph(scene, l, 8.0, *check.bestFocusShift, LightKind::Panchromatic, 2);
    ASSERT_TRUE(out);
    for (int ch = 0; ch < 3; ++ch) {
        double before = 0, after = 0, change = 0;
        for (int y = 40; y < 160; ++y)
            for (int x = 40; x < 260; ++x) {
                before += scene.at(x, y)[ch];
                after += out->at(x, y)[ch];
                change += std::abs(out->at(x, y)[ch] - scene.at(x, y)[ch]);
            }
        EXPECT_NEAR(after / before, 1.0, 0.005) << ch;
        EXPECT_GT(change / before, 0.1) << "it is blurred";
    }
}

} // namespace
