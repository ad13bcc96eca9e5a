#include "names/naming_handbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/report_document.h"
#include "base/text.h"
#include "names/character_strokes.h"
#include "names/five_grids.h"
#include "naming_handbook_fixture.h"

namespace kelvara {
namespace {

using testing::AllWoodConfigurationsBest;
using testing::FixtureDirectory;
using testing::WriteHandbookTables;

bool In(auto list, int n) {
  return std::find(list.begin(), list.end(), n) != list.end();
}

class NamingHandbookTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteHandbookTables(dir_); }

  FixtureDirectory dir_;
};

TEST(NamingHandbookListsTest, GoodNumbersAreTheOnesTheSearchAllows) {
  // The grid list holds 6 and 29 (半吉) and leaves out the 吉 numbers 8, 18,
  // 25 and 39; the total list adds the 吉 numbers from 41 up.
  for (const int n : {6, 29}) {
    EXPECT_TRUE(In(kGoodGridNumbers, n)) << n;
    EXPECT_EQ(NumberClass(n), "半吉") << n;
  }
  for (const int n : {8, 18, 25, 39}) {
    EXPECT_FALSE(In(kGoodGridNumbers, n)) << n;
    EXPECT_FALSE(In(kGoodTotalNumbers, n)) << n;
    EXPECT_EQ(NumberClass(n), "吉") << n;
  }
  for (const int n : kGoodTotalNumbers) {
    if (n > 37) {
      EXPECT_EQ(NumberClass(n), "吉") << n;
      EXPECT_FALSE(In(kGoodGridNumbers, n)) << n;
    }
  }
}

TEST_F(NamingHandbookTest, TalentPairsFollowTheBestConfigurationsInOrder) {
  const ReferenceStore store = dir_.Store();
  // 天格 11 is 木: only 木土金 has grade 1 (木土土 is grade 2, 火土金 starts
  // with another element). 土 numbers: 5 6 15 16 35; 金 numbers: 7 37.
  const std::vector<TalentPair> wood = {{5, 7},  {5, 37},  {6, 7},  {6, 37},
                                        {15, 7}, {15, 37}, {16, 7}, {16, 37},
                                        {35, 7}, {35, 37}};
  EXPECT_EQ(TalentPairs(store, 11), wood);
  // The last digit decides: 21, 1, 2 and 32 are 木 as well.
  for (const int heaven : {1, 2, 21, 32}) {
    EXPECT_EQ(TalentPairs(store, heaven), wood) << heaven;
  }
  // 天格 5 is 土: 土火木 gives 火 P (3 13 23 24 33) with 木 Q (1 11 21 31 32).
  const std::vector<TalentPair> earth = TalentPairs(store, 5);
  ASSERT_EQ(earth.size(), 25u);
  EXPECT_EQ(earth.front(), (TalentPair{3, 1}));
  EXPECT_EQ(earth[5], (TalentPair{13, 1}));
  EXPECT_EQ(earth.back(), (TalentPair{33, 32}));
  // 水 (0, 9, 10) and 金 (7) have no grade-1 row in the fixture.
  for (const int heaven : {0, 9, 10, 7}) {
    EXPECT_TRUE(TalentPairs(store, heaven).empty()) << heaven;
  }
}

TEST(NamingHandbookOverflowTest, EveryPairAndSuggestionIsKept) {
  // With every 木 configuration at grade 1, each of the 18 x 18 pairs is
  // found: far more than 121.
  FixtureDirectory dir;
  WriteHandbookTables(dir, AllWoodConfigurationsBest());
  const ReferenceStore store = dir.Store();
  const std::vector<TalentPair> pairs = TalentPairs(store, 11);
  ASSERT_EQ(pairs.size(), kGoodGridNumbers.size() * kGoodGridNumbers.size());
  std::set<std::pair<int, int>> distinct;
  for (const TalentPair& pair : pairs) {
    distinct.insert({pair.person, pair.earth});
  }
  EXPECT_EQ(distinct.size(), pairs.size());

  // 娟 (10 strokes), two characters. Every given name g1 g2 whose grids are
  // good, by the grid rules of a single surname with a double given name:
  // 人 10 + g1, 地 g1 + g2, 总 10 + g1 + g2, 外 g2 + 1.
  std::set<std::pair<int, int>> expected;
  for (int g1 = 1; g1 <= 81; ++g1) {
    for (int g2 = 1; g2 <= 81; ++g2) {
      if (In(kGoodGridNumbers, 10 + g1) && In(kGoodGridNumbers, g1 + g2) &&
          In(kGoodTotalNumbers, 10 + g1 + g2) &&
          In(kGoodTotalNumbers, g2 + 1)) {
        expected.insert({g1, g2});
      }
    }
  }
  const StrokeSuggestions suggestions =
      GoodStrokeSearch(store, "娟", GivenNameMode::kTwoCharacters);
  std::set<std::pair<int, int>> found;
  for (const StrokeSuggestion& s : suggestions)
    found.insert({s.first, s.second});
  EXPECT_EQ(found, expected);
  EXPECT_EQ(found.size(), suggestions.size());
  EXPECT_GT(suggestions.size(), 21u);
}

struct SearchCase {
  const char* label;
  const char* surname;
  GivenNameMode mode;
  StrokeSuggestions expected;
};

constexpr GivenNameMode kOne = GivenNameMode::kOneCharacter;
constexpr GivenNameMode kTwo = GivenNameMode::kTwoCharacters;

// Worked by hand from the fixture's pairs (see TalentPairs above) and the
// conditions of each surname shape.
const SearchCase kSearchCases[] = {
    // 娟 10, 天格 11: P - 10 > 0 and Q = P - 9 leaves (16, 7).
    {"single surname of 10 strokes, one character", "娟", kOne, {{6, 0}}},
    // g1 = P - 10 for P 15 16 35; Q 7 makes 总格 17 (not good), Q 37 总格 47
    // and 外格 48 - P = 33, 32, 13.
    {"single surname, two characters",
     "娟",
     kTwo,
     {{5, 32}, {6, 31}, {25, 12}}},
    // 欧阳 8 + 3, 天格 11: 总格 11 + Q is 18 for Q 7, which is 吉 but not
    // good; Q 37 gives 48, and 外格 49 - P is good only for P 16 (33).
    {"double surname, two characters (总格 T + Q, 外格 T + Q - P + 1)",
     "欧阳",
     kTwo,
     {{13, 24}}},
    // 欧阳: Q = P - 2 never lies in 金 for a 土 P.
    {"double surname, one character, no pair fits", "欧阳", kOne, {}},
    // 巨真 21 + 10, 天格 31: (16, 7) gives 6 and 总格 21 + 16 = 37.
    {"double surname, one character, 总格 good", "巨真", kOne, {{6, 0}}},
    // 丰真 11 + 10, 天格 21: the same pair but 总格 11 + 16 = 27.
    {"double surname, one character, 总格 not good", "丰真", kOne, {}},
    // 王 4, 天格 5 (土): 土火木, Q = P - 3 in 木 leaves (24, 21).
    {"another element", "王", kOne, {{20, 0}}},
    // Characters in no row count 0: a single surname of 0 strokes, 天格 1.
    {"ASCII letters count 0 strokes", "ab", kOne, {{6, 0}}},
    {"ASCII letters, two characters",
     "ab",
     kTwo,
     {{5, 2}, {5, 32}, {6, 31}, {15, 22}, {35, 2}}},
    {"two quotes are two bytes of 0 strokes", "''", kOne, {{6, 0}}},
    // 王 4 with a second piece of 0 strokes, 天格 4 (火): 火土金 with
    // 总格 4 + Q and 外格 5 + Q - P.
    {"a quote as the second character of a double surname",
     "王'",
     kTwo,
     {{5, 2}, {5, 32}, {6, 1}, {35, 2}}},
    {"a character GBK lacks as the second character",
     "王\xF0\x9F\x98\x80",
     kTwo,
     {{5, 2}, {5, 32}, {6, 1}, {35, 2}}},
    // Shorter than two bytes: no search at all.
    {"empty surname", "", kTwo, {}},
    {"one ASCII letter", "a", kOne, {}},
    {"one quote", "'", kTwo, {}},
    {"a character GBK lacks is one byte", "\xF0\x9F\x98\x80", kOne, {}},
};

TEST_F(NamingHandbookTest, GoodStrokeSearchBySurnameShape) {
  const ReferenceStore store = dir_.Store();
  for (const SearchCase& c : kSearchCases) {
    EXPECT_EQ(GoodStrokeSearch(store, c.surname, c.mode), c.expected)
        << c.label;
  }
}

TEST(SuggestionItemTextTest, WordingByModeAndMoment) {
  struct Case {
    const char* label;
    StrokeSuggestion suggestion;
    GivenNameMode mode;
    SuggestionWording wording;
    const char* text;
  };
  const Case cases[] = {
      {"shown, one character",
       {6, 0},
       kOne,
       SuggestionWording::kOnShow,
       "第一字:6画"},
      {"shown, two characters",
       {6, 10},
       kTwo,
       SuggestionWording::kOnShow,
       "第一字:6画 第二字:10画"},
      {"after a click, one character",
       {12, 0},
       kOne,
       SuggestionWording::kAfterModeClick,
       "名1字:12画"},
      {"after a click, two characters",
       {5, 32},
       kTwo,
       SuggestionWording::kAfterModeClick,
       "名1字:5画 名2字:32画"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SuggestionItemText(c.suggestion, c.mode, c.wording), c.text)
        << c.label;
  }
}

TEST_F(NamingHandbookTest, CharactersWithStrokesByCount) {
  const ReferenceStore store = dir_.Store();
  EXPECT_EQ(CharactersWithStrokes(store, 10), "娟真");
  EXPECT_EQ(CharactersWithStrokes(store, 6), "字学") << "trimmed";
  EXPECT_EQ(CharactersWithStrokes(store, 1), "一") << "1 is not 11";
  for (const int strokes : {0, 2, 32, -4}) {
    EXPECT_EQ(CharactersWithStrokes(store, strokes), std::nullopt) << strokes;
  }
}

TEST_F(NamingHandbookTest, GridAnalysisDecodesOrSaysNoResult) {
  const ReferenceStore store = dir_.Store();
  EXPECT_EQ(GridAnalysis(store, 5), "五数之析。");
  EXPECT_EQ(GridAnalysis(store, 11), "十一数之析。");
  for (const int number : {1, 14, 0, 82, -5}) {
    EXPECT_EQ(GridAnalysis(store, number), "无结果,请听下回分解") << number;
  }
}

TEST_F(NamingHandbookTest, TrialReadingOfANewName) {
  const ReferenceStore store = dir_.Store();
  ReportDocument document;
  document.AddLine("先前的内容");
  // 王 4 and 真 10: 天格 5, 地格 11, 人格 14, 总格 14, 外格 2; 土火木.
  // 14 has no namefx row.
  ASSERT_TRUE(TrialNameReading(store, " 王 ", "真  ", document));
  const std::vector<std::string> expected = {
      "王真,您的三才为土火木",
      "",
      "    木生火而火生土，福泽绵长。",
      "",
      "天格: 5",
      "地格: 11",
      "人格: 14",
      "总格: 14",
      "外格: 2",
      "",
      "无结果,请听下回分解",
      "补充:",
      "天格5分析:",
      "    五数之析。",
      "地格11分析:",
      "    十一数之析。",
      "人格14分析:",
      "    无结果,请听下回分解",
      "外格2分析:",
      "    二数之析。",
  };
  EXPECT_EQ(document.lines(), expected);
}

TEST_F(NamingHandbookTest, TrialReadingOfAConfigurationWithoutRow) {
  const ReferenceStore store = dir_.Store();
  ReportDocument document;
  // 欧阳 8 + 3 with 一: 天格 11, 人格 4, 地格 2, 总格 12, 外格 9: 木火木.
  ASSERT_TRUE(TrialNameReading(store, "欧阳", "一", document));
  ASSERT_GE(document.lines().size(), 9u);
  EXPECT_EQ(document.lines()[0], "欧阳一,您的三才为木火木");
  EXPECT_EQ(document.lines()[2], "    无结果,请听下回分解");
  EXPECT_EQ(document.lines()[8], "外格: 9");
}

TEST_F(NamingHandbookTest, TrialReadingNeedsBothNames) {
  const ReferenceStore store = dir_.Store();
  const std::pair<const char*, const char*> cases[] = {
      {"", "真"}, {"王", ""}, {"  ", "真"}, {"王", " \t"}};
  for (const auto& [surname, given_name] : cases) {
    ReportDocument document;
    document.AddLine("先前的内容");
    EXPECT_FALSE(TrialNameReading(store, surname, given_name, document))
        << surname << "|" << given_name;
    EXPECT_EQ(document.lines(), std::vector<std::string>{"先前的内容"});
  }
}

TEST_F(NamingHandbookTest, FailedLookupEndsTheTrialReadingWhereItHappens) {
  dir_.ExecuteSql("TarselFile.dll", "drop table namefx");
  const ReferenceStore store = dir_.Store();
  ReportDocument document;
  EXPECT_THROW(TrialNameReading(store, "王", "真", document), LookupError);
  // Everything up to the analysis of 总格 stays.
  ASSERT_EQ(document.lines().size(), 10u);
  EXPECT_EQ(document.lines()[8], "外格: 2");
  EXPECT_THROW(GridAnalysis(store, 5), LookupError);
  // The search does not need namefx.
  EXPECT_EQ(GoodStrokeSearch(store, "娟", kOne), (StrokeSuggestions{{6, 0}}));
}

TEST(NamingHandbookFailureTest, MissingReferenceFileThrows) {
  FixtureDirectory dir;  // nothing built
  const ReferenceStore store = dir.Store();
  EXPECT_THROW(GoodStrokeSearch(store, "王", kTwo), LookupError);
  EXPECT_THROW(TalentPairs(store, 11), LookupError);
  EXPECT_THROW(CharactersWithStrokes(store, 10), LookupError);
  EXPECT_THROW(GridAnalysis(store, 5), LookupError);
  ReportDocument document;
  document.AddLine("先前的内容");
  EXPECT_THROW(TrialNameReading(store, "王", "真", document), LookupError);
  EXPECT_TRUE(document.lines().empty()) << "cleared before the first lookup";
  // A surname too short to search needs no lookup.
  EXPECT_TRUE(GoodStrokeSearch(store, "a", kTwo).empty());
}

// --- The reference files of the program ----------------------------------

// The first character of a list that GBK has (the lists also hold rarer
// characters, which a name field could not take).
std::string FirstGbkCharacter(std::string_view list) {
  while (!list.empty()) {
    const std::string character = FirstChar(list);
    if (GbkWidth(character) == 2 && ToGbkStrict(character)) return character;
    list.remove_prefix(character.size());
  }
  return "";
}

// Checks each suggestion against the five grids of a real name made of
// characters with the suggested counts: the configuration has the best
// grade, 人格 and 地格 are good grid numbers and, where the search tests
// them, 总格 and 外格 are good total numbers.
void ExpectSuggestionsMakeGoodNames(const ReferenceStore& store,
                                    const std::string& surname,
                                    GivenNameMode mode) {
  const StrokeSuggestions suggestions = GoodStrokeSearch(store, surname, mode);
  EXPECT_FALSE(suggestions.empty()) << surname;
  const bool single = surname.size() <= 3;  // one UTF-8 Chinese character
  for (const StrokeSuggestion& s : suggestions) {
    const std::string label = surname + " " + std::to_string(s.first) + "/" +
                              std::to_string(s.second);
    const auto first = CharactersWithStrokes(store, s.first);
    const auto second = mode == kTwo ? CharactersWithStrokes(store, s.second)
                                     : std::optional<std::string>("");
    if (!first || !second) continue;  // no characters of such a count
    const std::string first_character = FirstGbkCharacter(*first);
    const std::string second_character =
        mode == kTwo ? FirstGbkCharacter(*second) : "";
    if (first_character.empty()) continue;
    if (mode == kTwo && second_character.empty()) continue;
    const std::string given = first_character + second_character;
    ASSERT_EQ(StrokeCount(store, first_character), s.first) << label;
    EXPECT_EQ(ThreeTalentScore(store, ThreeTalents(store, surname, given)), 20)
        << label;
    EXPECT_TRUE(In(kGoodGridNumbers,
                   NameGrid(store, surname, given, GridKind::kPerson)))
        << label;
    EXPECT_TRUE(
        In(kGoodGridNumbers, NameGrid(store, surname, given, GridKind::kEarth)))
        << label;
    if (mode == kTwo || !single) {
      EXPECT_TRUE(In(kGoodTotalNumbers,
                     NameGrid(store, surname, given, GridKind::kTotal)))
          << label;
    }
    if (mode == kTwo) {
      EXPECT_TRUE(In(kGoodTotalNumbers,
                     NameGrid(store, surname, given, GridKind::kOuter)))
          << label;
    }
  }
}

TEST(NamingHandbookStoreTest, SuggestionsMakeGoodNamesForRealSurnames) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  for (const char* surname : {"王", "张", "欧阳", "司马", "诸葛"}) {
    ExpectSuggestionsMakeGoodNames(store, surname, kTwo);
  }
  for (const char* surname : {"王", "张", "东方", "夏侯"}) {
    ExpectSuggestionsMakeGoodNames(store, surname, kOne);
  }
}

// Completeness on the real tables: every one-character given name of 1 to
// 81 strokes whose grids pass is found, for single and double surnames.
TEST(NamingHandbookStoreTest, OneCharacterSearchFindsEveryFittingCount) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  for (const std::string surname : {"王", "张", "欧阳", "东方", "夏侯"}) {
    const bool single = surname.size() == 3;
    const int s1 = StrokeCount(store, FirstChar(surname));
    const int s2 = single ? 0 : StrokeCount(store, surname.substr(3));
    const int heaven = single ? s1 + 1 : s1 + s2;
    std::vector<int> expected;
    for (int g = 1; g <= 81; ++g) {
      const int person = (single ? s1 : s2) + g;
      const int earth = g + 1;
      if (!In(kGoodGridNumbers, person) || !In(kGoodGridNumbers, earth)) {
        continue;
      }
      if (!single && !In(kGoodTotalNumbers, s1 + s2 + g)) continue;
      const std::string talents = std::string(ElementOfNumber(heaven)) +
                                  std::string(ElementOfNumber(person)) +
                                  std::string(ElementOfNumber(earth));
      if (ThreeTalentScore(store, talents) == 20) expected.push_back(g);
    }
    std::vector<int> found;
    for (const StrokeSuggestion& s : GoodStrokeSearch(store, surname, kOne)) {
      EXPECT_EQ(s.second, 0) << surname;
      found.push_back(s.first);
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected) << surname;
  }
}

}  // namespace
}  // namespace kelvara
