// The report of the start design as a PDF, as `monocl --report` writes it:
// its contents (the exact traces included), the drawing's data, both layout
// passes and the PDF's end.
//
//   QT_QPA_PLATFORM=offscreen monocl_bench_ui --benchmark_filter=Report
#include "ui/app/startup.h"
#include "ui/report/report.h"
#include "ui/window/monoclForm.h"

#include <benchmark/benchmark.h>

using namespace monocl;

namespace {

void BM_ReportPdf(benchmark::State& st)
{
    MonoclState state;
    const std::unique_ptr<Toptmono> window = startUp(state);
    ReportInfo info;
    for (auto _ : st) {
        const QByteArray pdf = reportPdf(window->document(), info);
        benchmark::DoNotOptimize(pdf.size());
    }
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

} // namespace
