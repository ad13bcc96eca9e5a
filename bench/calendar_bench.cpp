// Whole-range conversions of the two lunar calendars.

#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/day_facts.h"
#include "calendar/lunar_calendar.h"

namespace kelvara {
namespace {

const DateTime kFirst = EncodeDate(1900, 1, 31);
const DateTime kLast = EncodeDate(2100, 12, 31);

// All 73,384 days of the report calendar.
void BM_SolarToLunarWholeRange(benchmark::State& state) {
  for (auto _ : state) {
    int sum = 0;
    for (DateTime x = kFirst; x <= kLast; x += 1) sum += SolarToLunar(x).Day;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() *
                          static_cast<int64_t>(kLast - kFirst + 1));
}
BENCHMARK(BM_SolarToLunarWholeRange)->Unit(benchmark::kMillisecond);

void BM_LunarToSolarWholeRange(benchmark::State& state) {
  std::vector<LunarDate> dates;
  for (DateTime x = kFirst; x <= kLast; x += 1)
    dates.push_back(SolarToLunar(x));
  for (auto _ : state) {
    double sum = 0;
    for (const LunarDate& d : dates) sum += LunarToSolar(d);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() *
                          static_cast<int64_t>(dates.size()));
}
BENCHMARK(BM_LunarToSolarWholeRange)->Unit(benchmark::kMillisecond);

// Every day of 1901..2050 through the calendar window's table.
void BM_LunarMonthDayOfWholeTable(benchmark::State& state) {
  const DateTime first = EncodeDate(1901, 1, 1);
  const DateTime last = EncodeDate(2050, 12, 31);
  for (auto _ : state) {
    int sum = 0;
    for (DateTime x = first; x <= last; x += 1) sum += LunarMonthDayOf(x);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() *
                          static_cast<int64_t>(last - first + 1));
}
BENCHMARK(BM_LunarMonthDayOfWholeTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvara
