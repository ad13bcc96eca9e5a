#include "base/clock.h"

#include <cmath>
#include <ctime>

namespace kelvara {
namespace {

std::optional<DateTime>& FixedDay() {
  static std::optional<DateTime> fixed;
  return fixed;
}

}  // namespace

DateTime Clock::Now() {
  if (FixedDay()) return *FixedDay();
  std::timespec ts{};
  std::timespec_get(&ts, TIME_UTC);
  std::tm local{};
  localtime_r(&ts.tv_sec, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min,
                    local.tm_sec > 59 ? 59 : local.tm_sec,
                    static_cast<int>(ts.tv_nsec / 1000000));
}

DateTime Clock::Today() { return DateOf(Now()); }

void Clock::FixToday(std::optional<DateTime> day) {
  FixedDay() = day ? std::optional<DateTime>(std::floor(*day)) : std::nullopt;
}

}  // namespace kelvara
