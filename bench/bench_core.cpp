#include "core/design_pass.h"
#include "core/forecast.h"
#include "core/glass_catalogue.h"
#include "core/meniscus_solver.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace monocl;

void BM_SolveMeniscus(benchmark::State& st)
{
    MonoclState s;
    double sf = 0;
    std::int32_t failed = 0;
    double dh = 0.0038;
    for (auto _ : st) {
        benchmark::DoNotOptimize(dh);
        solveIntoStore({dh, 1.0, 0.052, 1.5182, 63.84, 0.004, 0.5, 0.785398}, s, sf, failed);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_SolveMeniscus);

MonoclState forecastState()
{
    MonoclState s;
    s.MeasuredHeight = 5;
    s.MeasuredEdge = 2;
    s.MeasuredFocal = 75;
    s.MeasuredDiameter = 20;
    s.NdMin = 1.5;
    s.NdMax = 1.7;
    return s;
}

void BM_DesignPass(benchmark::State& st)
{
    MonoclState s;
    DesignControls c;
    c.ABEdit = "63.84";
    for (auto _ : st) {
        RecomputeLocals l;
        designPass(c, s, l);
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_DesignPass);

void BM_Forecast(benchmark::State& st)
{
    MonoclState s = forecastState();
    const ForecastControls c;
    for (auto _ : st) {
        ForecastValues v = ComputeForecast(c, s);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_Forecast);

void BM_DesignPassAndForecast(benchmark::State& st)
{
    MonoclState s = forecastState();
    DesignControls dc;
    dc.ABEdit = "63.84";
    const ForecastControls fc;
    for (auto _ : st) {
        RecomputeLocals l;
        designPass(dc, s, l);
        l.Forecast = ComputeForecast(fc, s);
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_DesignPassAndForecast);

} // namespace

// The built-in catalogue read at start-up: 1,572 glasses.
void BM_ParseGlassTable(benchmark::State& st)
{
    std::ifstream file(MONOCL_GLASS_TABLE_PATH, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    for (auto _ : st)
        benchmark::DoNotOptimize(parseGlassTable(text));
    st.counters["glasses"] = static_cast<double>(parseGlassTable(text).size());
}
BENCHMARK(BM_ParseGlassTable)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
