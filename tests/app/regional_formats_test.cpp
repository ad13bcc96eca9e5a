#include "app/regional_formats.h"

#include <gtest/gtest.h>

#include <map>

namespace kelvara {
namespace {

class FakeSettings : public RegionalSettingsStore {
 public:
  std::map<RegionalSetting, std::string> values;
  bool fail_reads = false;
  bool fail_writes = false;
  int writes = 0;
  std::optional<std::string> Read(RegionalSetting s) override {
    if (fail_reads) return std::nullopt;
    return values[s];
  }
  bool Write(RegionalSetting s, std::string_view v) override {
    if (fail_writes) return false;
    values[s] = std::string(v);
    ++writes;
    return true;
  }
};

TEST(RegionalFormatsTest, WritesOnlyWhatDiffers) {
  FakeSettings settings;
  settings.values[RegionalSetting::kShortDate] = "yyyy/M/d";
  settings.values[RegionalSetting::kDateSeparator] = "/";
  settings.values[RegionalSetting::kTime] = " H:mm:ss ";  // equal once trimmed
  settings.values[RegionalSetting::kTimeSeparator] = ":";
  settings.values[RegionalSetting::kLongDate] = "yyyy'年'M'月'd'日'";
  EXPECT_EQ(ApplyRegionalFormats(settings), 2);
  EXPECT_EQ(settings.values[RegionalSetting::kShortDate], "yyyy-MM-dd");
  EXPECT_EQ(settings.values[RegionalSetting::kDateSeparator], "-");
  EXPECT_EQ(settings.values[RegionalSetting::kTime], " H:mm:ss ");
  EXPECT_EQ(ApplyRegionalFormats(settings), 0);
}

TEST(RegionalFormatsTest, FailuresAreIgnored) {
  FakeSettings settings;
  settings.fail_reads = true;
  settings.fail_writes = true;
  EXPECT_EQ(ApplyRegionalFormats(settings), 0);
  settings.fail_writes = false;
  EXPECT_EQ(ApplyRegionalFormats(settings), 5);
}

TEST(RegionalFormatsTest, TheProgramsOwnStoreKeepsTheWantedValues) {
  auto store = SystemRegionalSettings();
  ApplyRegionalFormats(*store);
  EXPECT_EQ(store->Read(RegionalSetting::kShortDate), "yyyy-MM-dd");
  EXPECT_EQ(ApplyRegionalFormats(*store), 0);
}

}  // namespace
}  // namespace kelvara
