#include "core/ray_trace.h"

#include <benchmark/benchmark.h>

namespace {

using namespace monocl;

// The start design: 65 x 65 grid over the stop for three fields, the axial
// and chief-ray samples and the section rays.
void BM_CheckByRays(benchmark::State& st)
{
    RayLens lens;
    lens.R1 = -20.40;
    lens.R2 = -12.35;
    lens.thickness = 3.803;
    lens.diameter = 14.53;
    lens.nd = 1.5182;
    lens.abbe = 64;
    lens.stopZ = -5.72;
    lens.stopDiameter = 6.64;
    lens.halfField = 22.5 * 3.14159265358979323846 / 180.0;
    lens.requestedSpherical = 0.40;
    for (auto _ : st) {
        benchmark::DoNotOptimize(lens);
        RayCheck check = checkByRays(lens);
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(BM_CheckByRays)->Unit(benchmark::kMicrosecond);

} // namespace
