// The name report of two names with the tables that ship, compared with
// tests/golden/name_report_*.txt. After a deliberate change of the report or
// its tables, rewrite the files with KELVARA_UPDATE_GOLDEN=1 and read the
// difference before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "../refdata/fixture_directory.h"
#include "base/datetime.h"
#include "names/name_report.h"

namespace kelvara {
namespace {

struct GoldenCase {
  const char* file;
  BirthPanel panel;
};

BirthPanel Panel(const char* surname, const char* given_name, const char* sex,
                 int calendar_item, const char* year, const char* month,
                 const char* day, const char* hour_item) {
  BirthPanel panel;
  panel.surname = surname;
  panel.given_name = given_name;
  panel.sex = sex;
  panel.calendar_item = calendar_item;
  panel.year = year;
  panel.month = month;
  panel.day = day;
  panel.hour_item = hour_item;
  return panel;
}

TEST(NameReportGoldenTest, MatchesTheGoldenFiles) {
  const GoldenCase kCases[] = {
      {"name_report_wang_xiaoming.txt",
       Panel("王", "小明", "男", 0, "1990", "1", "1", "子 0")},
      {"name_report_ouyang_nana.txt",
       Panel("欧阳", "娜娜", "女", 1, "1995", "8", "15", "午 12")},
  };
  const ReferenceStore store(KELVARA_BIN_DIR);
  const DateTime today = EncodeDate(2024, 6, 1);
  for (const GoldenCase& c : kCases) {
    const BirthReadResult birth = ReadBirthData(c.panel, false);
    ASSERT_TRUE(birth.data) << c.file << ": " << birth.message;
    ReportDocument document;
    ASSERT_TRUE(NameReport(store, *birth.data, today, document,
                           [](std::string_view) {}))
        << c.file;
    testing::ExpectMatchesGolden(c.file, document.Text() + "\n");
  }
}

}  // namespace
}  // namespace kelvara
