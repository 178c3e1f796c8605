#include "core/lens_psf.h"
#include "core/mtf.h"
#include "core/photo_simulation.h"
#include "core/ray_trace.h"
#include "core/task_pool.h"
#include "core/through_focus.h"

#include "start_design_lens.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace monocl;

namespace {

double bestFocus(const RayLens& l) { return checkByRays(l).bestFocusShift.value_or(0.0); }

void polychromaticPsf(benchmark::State& state)
{
    const RayLens lens = startDesignLens();
    const PsfSetup setup{lens, lens.halfField, bestFocus(lens), LightKind::Panchromatic};
    for (auto _ : state)
        benchmark::DoNotOptimize(lensPsf(setup));
}
BENCHMARK(polychromaticPsf)->Unit(benchmark::kMillisecond);

// The PSFs on the axis, at 0,7 and at the edge, and their sagittal and
// tangential MTF from 0 to 100 lp/mm, on two threads as the image tab
// computes them.
void mtfSet(benchmark::State& state)
{
    const RayLens lens = startDesignLens();
    const double focus = bestFocus(lens);
    const double shares[] = {0.0, 0.7, 1.0};
    for (auto _ : state) {
        runTasks(3, 2, [&](int i, int) {
            const auto psf = lensPsf({lens, shares[i] * lens.halfField, focus, LightKind::Panchromatic});
            benchmark::DoNotOptimize(mtfOf(*psf, 100.0, 51));
        });
    }
}
BENCHMARK(mtfSet)->Unit(benchmark::kMillisecond);

// The line spreads through focus on the axis and at the edge, on two threads.
void throughFocusSet(benchmark::State& state)
{
    const RayLens lens = startDesignLens();
    const std::vector<double> shifts = focusShiftsOver(throughFocusRange(lens, bestFocus(lens)));
    const int count = 2 * static_cast<int>(shifts.size());
    for (auto _ : state) {
        runTasks(count, 2, [&](int i, int) {
            const double share = i / static_cast<int>(shifts.size());
            const auto psf = lensPsf({lens, share * lens.halfField, shifts[static_cast<std::size_t>(i) % shifts.size()],
                                      LightKind::Panchromatic});
            benchmark::DoNotOptimize(lineSpreadsOf(*psf));
        });
    }
}
BENCHMARK(throughFocusSet)->Unit(benchmark::kMillisecond);

// A 1224 x 816 picture through the start design on two threads, its PSFs
// included.
void preview(benchmark::State& state)
{
    const RayLens lens = startDesignLens();
    LinearImage scene(1224, 816);
    for (std::size_t i = 0; i < scene.pixels.size(); ++i)
        scene.pixels[i] = static_cast<float>((i * 2654435761u) % 1000) / 1000.0f;
    const double focus = bestFocus(lens);
    for (auto _ : state)
        benchmark::DoNotOptimize(simulatePhotograph(scene, lens, 7.8, focus, LightKind::Panchromatic, 2));
}
BENCHMARK(preview)->Unit(benchmark::kMillisecond);

} // namespace
