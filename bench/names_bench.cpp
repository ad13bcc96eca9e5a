// The cost of the name readings. Every stroke count opens TarselFile.dll and
// scans the character lists of `bihua`; a name report makes a dozen or more
// such lookups and a dozen more in `81` and `sancai`. Targets: StrokeCount
// under 100 µs, the whole NameReport under 5 ms.

#include <benchmark/benchmark.h>

#include "app/birth_input.h"
#include "app/report_document.h"
#include "base/datetime.h"
#include "names/character_strokes.h"
#include "names/five_grids.h"
#include "names/name_report.h"
#include "refdata/reference_store.h"

namespace kelvara {
namespace {

const ReferenceStore& Store() {
  static const ReferenceStore store = ReferenceStore::BesideExecutable();
  return store;
}

// A character of the first rows: the scan stops early.
void BM_StrokeCountFewStrokes(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StrokeCount(Store(), "王"));
}
BENCHMARK(BM_StrokeCountFewStrokes);

// A character of many strokes: most of the lists are scanned.
void BM_StrokeCountManyStrokes(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StrokeCount(Store(), "鑫"));
}
BENCHMARK(BM_StrokeCountManyStrokes);

// A character outside GBK, in no row: every list is searched to its end.
void BM_StrokeCountAbsent(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StrokeCount(Store(), "𠀀"));
}
BENCHMARK(BM_StrokeCountAbsent);

// An ASCII letter goes through LIKE, which ignores its case.
void BM_StrokeCountAsciiLetter(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StrokeCount(Store(), "a"));
}
BENCHMARK(BM_StrokeCountAsciiLetter);

void BM_NameScore(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(NameScore(Store(), "欧阳", "娜娜"));
  }
}
BENCHMARK(BM_NameScore)->Unit(benchmark::kMicrosecond);

void RunNameReport(benchmark::State& state, const char* surname,
                   const char* given_name) {
  BirthPanel panel;
  panel.surname = surname;
  panel.given_name = given_name;
  const BirthData birth = *ReadBirthData(panel, false).data;
  const DateTime today = EncodeDate(2024, 6, 1);
  ReportDocument document;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        NameReport(Store(), birth, today, document, [](std::string_view) {}));
  }
}

void BM_NameReportSingleNames(benchmark::State& state) {
  RunNameReport(state, "王", "明");
}
BENCHMARK(BM_NameReportSingleNames)->Unit(benchmark::kMillisecond);

void BM_NameReportDoubleNames(benchmark::State& state) {
  RunNameReport(state, "欧阳", "娜娜");
}
BENCHMARK(BM_NameReportDoubleNames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvara
