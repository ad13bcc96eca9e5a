// The cost of a reference lookup: every lookup opens its file, runs one
// statement and closes it again, so this is what a report pays per row it
// reads. Target: under 50 µs each.

#include <benchmark/benchmark.h>

#include "base/datetime.h"
#include "pillars/jie_moment.h"
#include "pillars/pillar_attributes.h"
#include "refdata/reference_store.h"
#include "refdata/stored_text.h"

namespace kelvara {
namespace {

const ReferenceStore& Store() {
  static const ReferenceStore store = ReferenceStore::BesideExecutable();
  return store;
}

// One lookup by key: open Tgcode.dll, select the sound element, close.
void BM_NayinLookup(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(NayinOf(Store(), "甲子"));
  }
}
BENCHMARK(BM_NayinLookup);

// A containment lookup that scans the character lists.
void BM_ElementLookup(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(ElementOf(Store(), "鑫"));
  }
}
BENCHMARK(BM_ElementLookup);

// The engine's one database question, on a term day (the row is found).
void BM_IsBeforeJieMoment(benchmark::State& state) {
  const DateTime moment = EncodeDate(2024, 2, 4) + EncodeTime(16, 0, 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(IsBeforeJieMoment(Store(), 2024, moment));
  }
}
BENCHMARK(BM_IsBeforeJieMoment);

// The same on an ordinary day (no row).
void BM_IsBeforeJieMomentNoTerm(benchmark::State& state) {
  const DateTime moment = EncodeDate(2024, 2, 10) + EncodeTime(8, 30, 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(IsBeforeJieMoment(Store(), 2024, moment));
  }
}
BENCHMARK(BM_IsBeforeJieMomentNoTerm);

void BM_DecodeStoredText(benchmark::State& state) {
  // About 200 characters of scrambled text.
  std::string stored;
  for (int i = 0; i < 20; ++i) stored += "D12E79CBADD4B9ABABB3D482FE1E30FFEC6B";
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeStoredText(stored));
  }
}
BENCHMARK(BM_DecodeStoredText);

}  // namespace
}  // namespace kelvara
