// The Four Pillars engine and the whole report, against the built reference
// files.

#include <benchmark/benchmark.h>

#include "app/birth_input.h"
#include "app/report_document.h"
#include "pillars/four_pillars_report.h"
#include "pillars/pillar_engine.h"

namespace kelvara {
namespace {

const ReferenceStore& Store() {
  static const ReferenceStore store(KELVARA_BIN_DIR);
  return store;
}

// One chart: the sectional-term lookup, the twenty sound-element and ten-god
// lookups of the luck pillars and the personality text.
void BM_ComputePillarChart(benchmark::State& state) {
  for (auto _ : state) {
    auto chart = ComputePillarChart(Store(), 1990, 6, 15, 12, 23, 30, "男");
    benchmark::DoNotOptimize(chart);
  }
}
BENCHMARK(BM_ComputePillarChart)->Unit(benchmark::kMicrosecond);

// The engine's own arithmetic: against a directory without reference files
// every lookup fails at once and is swallowed.
void BM_ComputePillarChartWithoutLookups(benchmark::State& state) {
  const ReferenceStore empty("/nonexistent-kelvara-store");
  for (auto _ : state) {
    auto chart = ComputePillarChart(empty, 1990, 6, 15, 12, 23, 30, "男");
    benchmark::DoNotOptimize(chart);
  }
}
BENCHMARK(BM_ComputePillarChartWithoutLookups)->Unit(benchmark::kMicrosecond);

void BM_FourPillarsReport(benchmark::State& state) {
  BirthPanel panel;
  panel.surname = "张";
  panel.given_name = "三";
  panel.year = "1990";
  panel.month = "6";
  panel.day = "15";
  panel.hour_item = "午 12";
  const BirthData birth = *ReadBirthData(panel, true).data;
  for (auto _ : state) {
    ReportDocument document;
    FourPillarsReport(Store(), birth, EncodeDate(2026, 12, 11), document);
    benchmark::DoNotOptimize(document);
  }
}
BENCHMARK(BM_FourPillarsReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvara
