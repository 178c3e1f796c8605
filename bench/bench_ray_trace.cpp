#include "core/aperture_series.h"
#include "core/lens_sags.h"
#include "core/ray_refine.h"
#include "core/ray_spots.h"
#include "core/tolerances.h"
#include "core/ray_trace.h"

#include "start_design_lens.h"

#include <benchmark/benchmark.h>

namespace {

using namespace monocl;

// The start design: 65 x 65 grid over the stop for three fields, the axial
// and chief-ray samples and the section rays.
void BM_CheckByRays(benchmark::State& st)
{
    const RayLens lens = startDesignLens();
    for (auto _ : st) {
        benchmark::DoNotOptimize(lens);
        RayCheck check = checkByRays(lens);
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(BM_CheckByRays)->Unit(benchmark::kMicrosecond);

// The start design refined by rays as an aplanat of F' 52 mm and edge ratio 5.
void BM_RefineByRays(benchmark::State& st)
{
    const RayLens lens = startDesignLens();
    const RefineTarget target{52, 5, 1};
    for (auto _ : st) {
        benchmark::DoNotOptimize(lens);
        RefinedLens refined = refineByRays(lens, target);
        benchmark::DoNotOptimize(refined);
    }
    if (!refineByRays(lens, target).found)
        st.SkipWithError("the start design was not refined");
}
BENCHMARK(BM_RefineByRays)->Unit(benchmark::kMicrosecond);

// The softness table of the start design: the nine f-numbers, its own and a
// typed one, each on Gauss rings on the axis and at the edge.
void BM_ApertureSeries(benchmark::State& st)
{
    const RayLens lens = startDesignLens();
    for (auto _ : st) {
        benchmark::DoNotOptimize(lens);
        auto rows = apertureSeries(lens, 5.25);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_ApertureSeries)->Unit(benchmark::kMicrosecond);

// The pictures' spots of the start design in three lines and three fields,
// and the through-focus curve.
void BM_SpotPictures(benchmark::State& st)
{
    const RayLens lens = startDesignLens();
    for (auto _ : st) {
        benchmark::DoNotOptimize(lens);
        SpotPictures pictures = spotPictures(lens);
        benchmark::DoNotOptimize(pictures);
    }
}
BENCHMARK(BM_SpotPictures)->Unit(benchmark::kMicrosecond);

// The whole tolerance analysis of the refined start design as the drawing
// asks for it: the clear apertures, the sensitivities, the split, the
// Monte-Carlo run of 2,000 lenses and the tightening it leads to.
void BM_ToleranceAnalysis(benchmark::State& st)
{
    const RefinedLens refined = refineByRays(startDesignLens(), RefineTarget{52, 5, 1});
    if (!refined.found) {
        st.SkipWithError("the start design was not refined");
        return;
    }
    const RayLens& lens = refined.lens;
    int tightenings = 0;
    for (auto _ : st) {
        benchmark::DoNotOptimize(lens);
        const std::array<double, 2> apertures{*clearAperture(lens, 0, 0.3), *clearAperture(lens, 1, 0.3)};
        auto analysis = analyseTolerances(lens, apertures, ToleranceBudget{});
        tightenings = analysis ? analysis->tightenings : -1;
        benchmark::DoNotOptimize(analysis);
    }
    st.counters["tightenings"] = tightenings;
}
BENCHMARK(BM_ToleranceAnalysis)->Unit(benchmark::kMillisecond);

} // namespace
