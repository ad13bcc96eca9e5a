#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kelvara {

// The five regional settings the program wants in year-month-day form.
enum class RegionalSetting {
  kLongDate,
  kShortDate,
  kTime,
  kDateSeparator,
  kTimeSeparator
};

struct WantedRegionalValue {
  RegionalSetting setting;
  std::string_view value;
};

inline constexpr std::array<WantedRegionalValue, 5> kWantedRegionalValues{{
    {RegionalSetting::kLongDate, "yyyy'年'M'月'd'日'"},
    {RegionalSetting::kShortDate, "yyyy-MM-dd"},
    {RegionalSetting::kTime, "H:mm:ss"},
    {RegionalSetting::kDateSeparator, "-"},
    {RegionalSetting::kTimeSeparator, ":"},
}};

// Where the settings live. On Windows that is the user's default locale; on
// other systems the program keeps its own formats and touches nothing of the
// user's.
class RegionalSettingsStore {
 public:
  virtual ~RegionalSettingsStore() = default;
  // The current value, or nullopt when it cannot be read.
  virtual std::optional<std::string> Read(RegionalSetting setting) = 0;
  // False when the value cannot be written.
  virtual bool Write(RegionalSetting setting, std::string_view value) = 0;
};

// The store of this platform.
std::unique_ptr<RegionalSettingsStore> SystemRegionalSettings();

// Reads each setting, trims it and writes the wanted value only where it
// differs. Failures are ignored: start-up goes on whatever happens. Returns
// how many settings were written.
int ApplyRegionalFormats(RegionalSettingsStore& store);

}  // namespace kelvara
