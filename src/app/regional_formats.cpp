#include "app/regional_formats.h"

#include <map>

#include "base/text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kelvara {
namespace {

#ifdef _WIN32
// The user's default locale, read and written through the system. The values
// are GBK on a Chinese system.
class WindowsLocaleSettings : public RegionalSettingsStore {
 public:
  std::optional<std::string> Read(RegionalSetting setting) override {
    char buffer[24] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, TypeOf(setting), buffer,
                       sizeof buffer) == 0) {
      return std::nullopt;
    }
    return FromGbk(buffer);
  }
  bool Write(RegionalSetting setting, std::string_view value) override {
    const std::string bytes = ToGbk(value);
    return SetLocaleInfoA(LOCALE_USER_DEFAULT, TypeOf(setting),
                          bytes.c_str()) != 0;
  }

 private:
  static LCTYPE TypeOf(RegionalSetting setting) {
    switch (setting) {
      case RegionalSetting::kLongDate:
        return LOCALE_SLONGDATE;
      case RegionalSetting::kShortDate:
        return LOCALE_SSHORTDATE;
      case RegionalSetting::kTime:
        return LOCALE_STIMEFORMAT;
      case RegionalSetting::kDateSeparator:
        return LOCALE_SDATE;
      case RegionalSetting::kTimeSeparator:
        return LOCALE_STIME;
    }
    return LOCALE_SSHORTDATE;
  }
};
#else
// Elsewhere the program keeps its own formats (its dates are ISO whatever the
// locale) and leaves the user's locale alone: the values written here are
// held only as long as the store lives.
class ProcessRegionalSettings : public RegionalSettingsStore {
 public:
  std::optional<std::string> Read(RegionalSetting setting) override {
    return values_[setting];
  }
  bool Write(RegionalSetting setting, std::string_view value) override {
    values_[setting] = std::string(value);
    return true;
  }

 private:
  std::map<RegionalSetting, std::string> values_;
};
#endif

}  // namespace

std::unique_ptr<RegionalSettingsStore> SystemRegionalSettings() {
#ifdef _WIN32
  return std::make_unique<WindowsLocaleSettings>();
#else
  return std::make_unique<ProcessRegionalSettings>();
#endif
}

int ApplyRegionalFormats(RegionalSettingsStore& store) {
  int written = 0;
  for (const auto& [setting, wanted] : kWantedRegionalValues) {
    const std::optional<std::string> current = store.Read(setting);
    if (current && Trim(*current) == wanted) continue;
    if (store.Write(setting, wanted)) ++written;
  }
  return written;
}

}  // namespace kelvara
