// kelvara-cli naming, run from a directory other than the program's.

#include <gtest/gtest.h>

#include <string>

#include "../cli/cli_runner.h"
#include "app/report_document.h"
#include "names/five_grids.h"
#include "names/naming_handbook.h"

namespace kelvara {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::ShellQuoted;

std::string ListOf(const ReferenceStore& store, const std::string& surname,
                   GivenNameMode mode) {
  std::string text;
  for (const StrokeSuggestion& s : GoodStrokeSearch(store, surname, mode)) {
    text += SuggestionItemText(s, mode, SuggestionWording::kOnShow) + "\n";
  }
  return text;
}

TEST(NamingCliTest, PrintsTheSuggestionsOfASurname) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  struct Case {
    const char* label;
    const char* args;
    const char* surname;
    GivenNameMode mode;
  };
  const Case cases[] = {
      {"two characters by default", "--surname 王", "王",
       GivenNameMode::kTwoCharacters},
      {"one character", "--surname 王 --mode 1", "王",
       GivenNameMode::kOneCharacter},
      {"blanks around the surname", "--surname ' 张 ' --mode 2", "张",
       GivenNameMode::kTwoCharacters},
      {"double surname", "--surname 欧阳 --mode 2", "欧阳",
       GivenNameMode::kTwoCharacters},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(std::string("naming ") + c.args);
    EXPECT_EQ(run.exit_code, 0) << c.label << run.err;
    const std::string expected = ListOf(store, c.surname, c.mode);
    EXPECT_FALSE(expected.empty()) << c.label;
    EXPECT_EQ(run.out, expected) << c.label;
  }
}

TEST(NamingCliTest, PickPrintsTheCharactersOfASuggestion) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  const StrokeSuggestions two =
      GoodStrokeSearch(store, "王", GivenNameMode::kTwoCharacters);
  ASSERT_GE(two.size(), 2u);
  const CliRun run = RunCli("naming --surname 王 --pick 2");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out,
            SuggestionItemText(two[1], GivenNameMode::kTwoCharacters,
                               SuggestionWording::kOnShow) +
                "\n名第一字:" + *CharactersWithStrokes(store, two[1].first) +
                "\n名第两字:" + *CharactersWithStrokes(store, two[1].second) +
                "\n");

  const StrokeSuggestions one =
      GoodStrokeSearch(store, "王", GivenNameMode::kOneCharacter);
  ASSERT_FALSE(one.empty());
  const CliRun single = RunCli("naming --surname 王 --mode 1 --pick 1");
  EXPECT_EQ(single.exit_code, 0) << single.err;
  EXPECT_EQ(single.out, "第一字:" + std::to_string(one[0].first) +
                            "画\n名第一字:" +
                            *CharactersWithStrokes(store, one[0].first) + "\n");
}

TEST(NamingCliTest, GivenPrintsTheTrialReading) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  ReportDocument reading;
  ASSERT_TRUE(TrialNameReading(store, "欧阳", "娜娜", reading));
  const CliRun run = RunCli("naming --surname 欧阳 --given ' 娜娜'");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, reading.Text() + "\n");
  EXPECT_EQ(reading.lines().front(),
            "欧阳娜娜,您的三才为" + ThreeTalents(store, "欧阳", "娜娜"));
}

TEST(NamingCliTest, BadInputIsRefusedOrGivesNothing) {
  struct Case {
    const char* label;
    const char* args;
    int exit_code;
    const char* out;
    const char* err;  // the start of standard error; nullptr: empty
  };
  const Case cases[] = {
      {"empty surname", "--surname ''", 2, "", "姓不能为空!"},
      {"blank surname", "--surname '  '", 2, "", "姓不能为空!"},
      {"empty trial given name", "--surname 王 --given ' '", 2, "",
       "名不能为空!"},
      {"pick beyond the list", "--surname 王 --pick 99", 2, "", "--pick 99"},
      {"pick 0", "--surname 王 --pick 0", 2, "", nullptr},
      {"mode 3", "--surname 王 --mode 3", 2, "", nullptr},
      {"pick with a trial name", "--surname 王 --pick 1 --given 明", 2, "",
       nullptr},
      {"no surname", "", 2, "", nullptr},
      {"one ASCII letter", "--surname a", 0, "", "姓“a”按两个字名没有合适"},
      {"a quote", "--surname \"'\"", 0, "", "姓“'”按两个字名没有"},
      // Every 16-stroke surname misses the good numbers in both modes.
      {"no suggestion", "--surname 陈 --mode 1", 0, "",
       "姓“陈”按一个字名没有合适的笔画方式。"},
      {"pick in an empty list", "--surname a --pick 1", 2, "", "--pick 1"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(std::string("naming ") + c.args);
    EXPECT_EQ(run.exit_code, c.exit_code) << c.label << run.err;
    EXPECT_EQ(run.out, c.out) << c.label;
    if (c.err == nullptr) {
      EXPECT_FALSE(run.err.empty()) << c.label;
    } else if (*c.err == '\0') {
      EXPECT_EQ(run.err, "") << c.label;
    } else {
      EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << c.label << run.err;
    }
  }
}

TEST(NamingCliTest, SurnamesOutsideTheTablesDoNotBreakTheSearch) {
  // ASCII letters and characters GBK lacks count 0 strokes.
  const ReferenceStore store(KELVARA_BIN_DIR);
  for (const char* surname :
       {"ab", "王'", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80"}) {
    const CliRun run = RunCli(std::string("naming --mode 2 --surname ") +
                              ShellQuoted(surname));
    EXPECT_EQ(run.exit_code, 0) << surname << run.err;
    EXPECT_EQ(run.out, ListOf(store, surname, GivenNameMode::kTwoCharacters))
        << surname;
  }
}

}  // namespace
}  // namespace kelvara
