#pragma once

#include <optional>

#include "base/datetime.h"

namespace kelvara {

// "Today" and "now" for every reading. Tests and the command line's --today
// fix the day, so a report's age is reproducible.
class Clock {
 public:
  // The local date and time, or the fixed day at midnight when one is set.
  static DateTime Now();
  // The local date, or the fixed day.
  static DateTime Today();

  // Fixes "today" to the day of `day` (nullopt returns to the system clock).
  static void FixToday(std::optional<DateTime> day);
};

}  // namespace kelvara
