#include "names/five_grids.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "name_fixture.h"

namespace kelvara {
namespace {

using testing::FixtureDirectory;

class FiveGridsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteNameTables(dir_); }

  FixtureDirectory dir_;
};

struct GridsCase {
  const char* label;
  const char* surname;
  const char* given_name;
  std::array<int, 5> grids;  // 天 人 地 总 外
  const char* talents;
};

// Counts of the fixture: 王 4, 宇 6, 欧 8, 阳 6, 子 3, 娟 10, 真 10, 玉 4,
// worked by hand from the grid rules.
// clang-format off
const GridsCase kGridsCases[] = {
    // The four shapes.
    {"single surname, single given name",
     "王", "宇", {5, 10, 7, 10, 2}, "土水金"},
    {"single surname, double given name (外格 G2 + 1)",
     "王", "子娟", {5, 7, 13, 17, 11}, "土金火"},
    {"double surname, single given name (外格 S1 + 1)",
     "欧阳", "宇", {14, 12, 7, 20, 9}, "火木金"},
    {"double surname, double given name (外格 S1 + G2 + 1)",
     "欧阳", "子娟", {14, 9, 13, 27, 19}, "火水火"},
    {"characters in no row count 0",
     "龘", "宇", {1, 6, 7, 6, 2}, "木土金"},
    {"unknown second given character",
     "王", "子龘", {5, 7, 3, 7, 1}, "土金火"},
    {"numbers above 81 stay unreduced",
     "巨", "丰", {51, 90, 41, 90, 2}, "木水木"},
    // Byte rules: a part of at most two bytes is single, 外格 2 needs both
    // parts to be exactly two bytes.
    {"one-byte surname is single but not two bytes",
     "A", "宇", {1, 6, 7, 6, 1}, "木土金"},
    {"two ASCII bytes are one single part",
     "AB", "宇", {1, 6, 7, 6, 2}, "木土金"},
    {"three bytes are a double part",
     "王A", "宇", {4, 6, 7, 10, 5}, "火土金"},
    {"a character cut by the byte positions counts 0",
     "A王", "宇", {0, 6, 7, 6, 1}, "水土金"},
    {"digits",
     "12", "34", {1, 0, 1, 0, 2}, "木水木"},
    {"quote in a name",
     "'", "宇", {1, 6, 7, 6, 1}, "木土金"},
    // 总格 reads bytes 3-6 of a double part as one text: the pair 娟真 stands
    // in a row, the pairs 娟王 and 阳王 in none.
    {"three-character given name found as a pair",
     "王", "子娟真", {5, 7, 13, 17, 11}, "土金火"},
    {"three-character given name not found as a pair",
     "王", "子娟王", {5, 7, 13, 7, 1}, "土金火"},
    {"three-character surname: 外格 falls below 0",
     "龘阳王", "宇", {6, 12, 7, 6, -5}, "土木金"},
};
// clang-format on

TEST_F(FiveGridsTest, NameGridsOfEveryShape) {
  const ReferenceStore store = dir_.Store();
  constexpr std::array<GridKind, 5> kOrder{GridKind::kHeaven, GridKind::kPerson,
                                           GridKind::kEarth, GridKind::kTotal,
                                           GridKind::kOuter};
  for (const GridsCase& c : kGridsCases) {
    const NameGridNumbers all = NameGrids(store, c.surname, c.given_name);
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
      EXPECT_EQ(NameGrid(store, c.surname, c.given_name, kOrder[i]), c.grids[i])
          << c.label << ", grid " << i;
      EXPECT_EQ(all.Of(kOrder[i]), c.grids[i]) << c.label << ", grid " << i;
    }
    EXPECT_EQ(ThreeTalents(store, c.surname, c.given_name), c.talents)
        << c.label;
  }
  EXPECT_EQ(NameGrid(store, "王", "宇", static_cast<GridKind>(5)), 0);
  EXPECT_EQ(NameGrid(store, "王", "宇", static_cast<GridKind>(-1)), 0);
  EXPECT_EQ(NameGrids(store, "王", "宇").Of(static_cast<GridKind>(5)), 0);
}

TEST(ElementOfNumberTest, GoesByTheLastDigit) {
  const char* kByDigit[] = {"水", "木", "木", "火", "火",
                            "土", "土", "金", "金", "水"};
  for (int n = 0; n <= 120; ++n) {
    EXPECT_EQ(ElementOfNumber(n), kByDigit[n % 10]) << n;
  }
  EXPECT_EQ(ElementOfNumber(-3), "火");
  EXPECT_EQ(ElementOfNumber(-10), "水");
}

TEST(NumberClassTest, ClassOfEachList) {
  struct Case {
    int number;
    const char* number_class;
  };
  const Case kCases[] = {
      {1, "吉"},    {6, "半吉"}, {8, "吉"},  {9, "凶"}, {2, "凶"}, {29, "半吉"},
      {75, "半吉"}, {80, "凶"},  {81, "吉"}, {0, ""},   {82, ""},  {-1, ""},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(NumberClass(c.number), c.number_class) << c.number;
  }
}

TEST(GridScoreTest, ScoreOfClassInGrid) {
  struct Case {
    const char* label;
    int number;
    GridKind kind;
    double score;
  };
  const Case kCases[] = {
      {"人格 8 吉", 8, GridKind::kPerson, 30},
      {"人格 6 半吉", 6, GridKind::kPerson, 25.5},
      {"人格 9 凶", 9, GridKind::kPerson, 21},
      {"总格 6 半吉", 6, GridKind::kTotal, 17},
      {"总格 8 吉", 8, GridKind::kTotal, 20},
      {"总格 9 凶", 9, GridKind::kTotal, 14},
      {"天格 8 吉", 8, GridKind::kHeaven, 10},
      {"地格 6 半吉", 6, GridKind::kEarth, 8.5},
      {"外格 2 凶", 2, GridKind::kOuter, 7},
      {"kind outside the five", 8, static_cast<GridKind>(5), 0},
      {"negative kind", 8, static_cast<GridKind>(-1), 0},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(GridScore(c.number, c.kind), c.score) << c.label;
  }
  for (const int number : {0, 82, 100}) {
    for (int kind = 0; kind < 5; ++kind) {
      EXPECT_EQ(GridScore(number, static_cast<GridKind>(kind)), 0)
          << number << " in grid " << kind;
    }
  }
}

TEST_F(FiveGridsTest, ThreeTalentScoreByGrade) {
  const ReferenceStore store = dir_.Store();
  struct Case {
    const char* talents;
    double score;
  };
  const Case kCases[] = {
      {"木木木", 20}, {"木木火", 18}, {"木木土", 16}, {"木木金", 15},
      {"木木水", 14}, {"木火木", 13}, {"木火火", 12}, {"木火土", -1},
      {"木火金", -1}, {"木火水", -1}, {"土金金", -1}, {"", -1},
      {"木'木", -1},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(ThreeTalentScore(store, c.talents), c.score) << c.talents;
  }
}

TEST_F(FiveGridsTest, NameScoreAddsGridsAndTalents) {
  const ReferenceStore store = dir_.Store();
  // 天 5 吉 10, 地 7 吉 10, 人 10 凶 21, 总 10 凶 14, 外 2 凶 7; 土水金
  // grade 3.
  EXPECT_EQ(NameScore(store, "王", "宇"), 10 + 10 + 21 + 14 + 7 + 16);
  // 王 子玉: grids 5 7 7 11 5 are all 吉 (80); 土金金 has no row (-1).
  EXPECT_EQ(NameScore(store, "王", "子玉"), 79);
}

TEST_F(FiveGridsTest, Number81TextPicksTheColumn) {
  const ReferenceStore store = dir_.Store();
  struct Case {
    const char* label;
    int number;
    int field;
    const char* text;
  };
  const Case kCases[] = {
      {"yy", 8, 0, "数8之诗。"},
      {"jx", 8, 1, "判8"},
      {"as", 8, 2, "示8"},
      {"content", 8, 3, "解8"},
      {"returned as stored", 5, 0, "  数5之诗。 "},
      {"selector outside the four", 8, 4, ""},
      {"negative selector", 8, -1, ""},
      {"number without a row", 90, 0, " "},
      {"number without a row, any selector", 27, 4, " "},
      {"zero", 0, 1, " "},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(
        Number81Text(store, c.number, static_cast<Number81Field>(c.field)),
        c.text)
        << c.label;
  }
}

TEST_F(FiveGridsTest, ThreeTalentTextDecodesTheReading) {
  const ReferenceStore store = dir_.Store();
  EXPECT_EQ(ThreeTalentText(store, "土水金"), "土制水而金生水，上下相扶。");
  EXPECT_EQ(ThreeTalentText(store, "木木木"), "三木成林。");
  EXPECT_EQ(ThreeTalentText(store, "土金金"), "无结果,请听下回分解");
  // The stored text is trimmed before it is decoded.
  dir_.ExecuteSql("TarselFile.dll",
                  "update sancai set content = '  ' || content || ' ' "
                  "where title = '木木木'");
  EXPECT_EQ(ThreeTalentText(store, "木木木"), "三木成林。");
}

// A store that cannot answer: every lookup of the grids and texts throws, so
// the command that asked is abandoned.
TEST(FiveGridsFailureTest, LookupsThrow) {
  FixtureDirectory dir;  // no reference files at all
  const ReferenceStore store = dir.Store();
  EXPECT_THROW(NameGrid(store, "王", "宇", GridKind::kHeaven), LookupError);
  EXPECT_THROW(ThreeTalents(store, "王", "宇"), LookupError);
  EXPECT_THROW(ThreeTalentScore(store, "土水金"), LookupError);
  EXPECT_THROW(NameScore(store, "王", "宇"), LookupError);
  EXPECT_THROW(Number81Text(store, 8, Number81Field::kYy), LookupError);
  EXPECT_THROW(ThreeTalentText(store, "土水金"), LookupError);
  // 外格 of one character each is fixed and needs no lookup.
  EXPECT_EQ(NameGrid(store, "王", "宇", GridKind::kOuter), 2);
}

// The tables that ship: the well-known counts 王 4, 小 3, 明 8 and 欧 15,
// 阳 17, 娜 10.
TEST(FiveGridsRealTableTest, WellKnownNames) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  const GridsCase kCases[] = {
      {"王 小明", "王", "小明", {5, 7, 11, 15, 9}, "土金木"},
      {"王 明", "王", "明", {5, 12, 9, 12, 2}, "土木水"},
      {"欧阳 娜娜", "欧阳", "娜娜", {32, 27, 20, 52, 26}, "木金水"},
      {"欧阳 娜", "欧阳", "娜", {32, 27, 11, 42, 16}, "木金木"},
  };
  constexpr std::array<GridKind, 5> kOrder{GridKind::kHeaven, GridKind::kPerson,
                                           GridKind::kEarth, GridKind::kTotal,
                                           GridKind::kOuter};
  for (const GridsCase& c : kCases) {
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
      EXPECT_EQ(NameGrid(store, c.surname, c.given_name, kOrder[i]), c.grids[i])
          << c.label << ", grid " << i;
    }
    EXPECT_EQ(ThreeTalents(store, c.surname, c.given_name), c.talents)
        << c.label;
  }
}

// Every configuration a name can have is graded, read and given a verdict in
// the tables that ship, so no report loses its three-talent section.
TEST(FiveGridsRealTableTest, EveryConfigurationHasItsRows) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  const char* kElements[] = {"木", "火", "土", "金", "水"};
  for (const char* heaven : kElements) {
    for (const char* person : kElements) {
      for (const char* earth : kElements) {
        const std::string talents = std::string(heaven) + person + earth;
        const double score = ThreeTalentScore(store, talents);
        EXPECT_GE(score, 12) << talents;
        EXPECT_NE(ThreeTalentText(store, talents), "无结果,请听下回分解")
            << talents;
        EXPECT_FALSE(store
                         .Lookup(ReferenceFile::kTarselFile,
                                 "select yy from sancai2009 where title = ?",
                                 {talents})
                         .empty())
            << talents;
      }
    }
  }
  for (int n = 1; n <= 81; ++n) {
    EXPECT_NE(Number81Text(store, n, Number81Field::kYy), " ") << n;
  }
}

}  // namespace
}  // namespace kelvara
