#include "names/character_strokes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../refdata/fixture_directory.h"

namespace kelvara {
namespace {

using testing::FixtureDirectory;

// A bihua table of a few rows, built by the real build code. The row of 4
// holds both forms of 国 / 國 as the real table does.
class StrokeCountTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.WriteSource("TarselFile.dll", "bihua",
                     "hanzi\tnum\n"
                     "一乙\t1\n"
                     "王玉\t4\n"
                     "小\t3\n"
                     "明\t8\n"
                     "国國\t11\n"
                     "丿'\t12\n"
                     "森\t 12 \n");
    dir_.Build();
  }

  FixtureDirectory dir_;
};

TEST_F(StrokeCountTest, CountsTheRowThatListsTheText) {
  const ReferenceStore store = dir_.Store();
  struct Case {
    const char* label;
    const char* text;
    int count;
  };
  const Case kCases[] = {
      {"王 in its row", "王", 4},
      {"the other character of that row", "玉", 4},
      {"simplified form", "国", 11},
      {"traditional form, same row", "國", 11},
      {"character in no row", "龘", 0},
      {"two characters side by side in a row", "王玉", 4},
      {"two characters from different rows", "王小", 0},
      {"two characters in the wrong order", "玉王", 0},
      {"ASCII letter", "a", 0},
      {"digit", "8", 0},
      {"blank", " ", 0},
      {"quote listed in a row", "'", 12},
      {"quote next to its neighbour", "丿'", 12},
      {"quote inside a longer text", "O'Neil", 0},
      {"character GBK lacks", "😀", 0},
      {"byte that is not UTF-8", "\xB0", 0},
      {"count written with blanks", "森", 12},
      // The text is a substring pattern: its wildcards keep their meaning.
      {"percent sign matches the first row", "%", 1},
      {"underscore matches the first row", "_", 1},
      {"empty text matches the first row", "", 1},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(StrokeCount(store, c.text), c.count) << c.label;
  }
}

// The lookup cannot give a count: the command that asked is abandoned.
TEST(StrokeCountFailureTest, ThrowsLookupError) {
  struct Case {
    const char* label;
    std::function<void(const FixtureDirectory&)> make;
  };
  const Case kCases[] = {
      {"file missing", [](const FixtureDirectory&) {}},
      {"table missing",
       [](const FixtureDirectory& d) {
         d.ExecuteSql("TarselFile.dll", "create table sancai (title, djc)");
       }},
      {"num not a whole number",
       [](const FixtureDirectory& d) {
         d.WriteSource("TarselFile.dll", "bihua", "hanzi\tnum\n王玉\t四\n");
         d.Build();
       }},
      {"num empty",
       [](const FixtureDirectory& d) {
         d.WriteSource("TarselFile.dll", "bihua", "hanzi\tnum\n王玉\t\n");
         d.Build();
       }},
  };
  for (const Case& c : kCases) {
    FixtureDirectory dir;
    c.make(dir);
    EXPECT_THROW(StrokeCount(dir.Store(), "王"), LookupError) << c.label;
  }
}

// The table that ships: a few characters whose traditional counts are
// well known (radicals in their full form: 阝 on the left as 阜 = 8).
TEST(StrokeCountRealTableTest, CountsTheTraditionalForm) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  struct Case {
    const char* text;
    int count;
  };
  const Case kCases[] = {
      {"王", 4},  {"小", 3},  {"明", 8},  {"张", 11}, {"張", 11},
      {"欧", 15}, {"歐", 15}, {"阳", 17}, {"陽", 17}, {"娜", 10},
      {"李", 7},  {"刘", 15}, {"劉", 15}, {"江", 7},  {"a", 0},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(StrokeCount(store, c.text), c.count) << c.text;
  }
}

}  // namespace
}  // namespace kelvara
