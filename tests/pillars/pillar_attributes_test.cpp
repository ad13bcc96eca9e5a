#include "pillars/pillar_attributes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../refdata/fixture_directory.h"

namespace kelvara {
namespace {

using testing::FixtureDirectory;

// A Tgcode.dll with a few rows of each table, built by the real build code.
class PillarAttributesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.WriteSource("Tgcode.dll", "hzwh",
                     "hz\twh\n"
                     "庚辛申酉\t金\n"
                     "甲乙寅卯林\t木\n"
                     "林森\t 火 \n");
    dir_.WriteSource("Tgcode.dll", "Shishen",
                     "jiazi\tShiShen\n甲丙\t食神\n甲丙\t伤官\n");
    dir_.WriteSource("Tgcode.dll", "jiazi",
                     "jiazi\tlayin\tws\n甲子\t海中金 \t金\n");
    dir_.WriteSource("Tgcode.dll", "sjrs",
                     "wh\tsj\tsjrs\n木\t春\t  木旺于春，喜金修剪。\n"
                     "木\t夏\t木休于夏，急需水润。\n");
    dir_.WriteSource("Tgcode.dll", "qtbj",
                     "tg\tdz\tcontent\n甲\t寅\t初春尚寒，先取丙火。\n");
    dir_.Build();
  }

  FixtureDirectory dir_;
};

TEST_F(PillarAttributesTest, LookupsReadTheFirstMatchingRowTrimmed) {
  const ReferenceStore store = dir_.Store();
  struct Case {
    const char* label;
    std::string got;
    const char* want;
  };
  const Case kCases[] = {
      {"element of a stem", ElementOf(store, "甲"), "木"},
      {"element of a branch", ElementOf(store, "酉"), "金"},
      {"first row listing the character wins", ElementOf(store, "林"), "木"},
      {"value is trimmed", ElementOf(store, "森"), "火"},
      {"character in no list", ElementOf(store, "丙"), ""},
      {"ten god, first row", TenGodOf(store, "甲丙"), "食神"},
      {"ten god, order matters", TenGodOf(store, "丙甲"), ""},
      {"sound element trimmed", NayinOf(store, "甲子"), "海中金"},
      {"sound element missing", NayinOf(store, "乙丑"), ""},
      {"season text trimmed", SeasonText(store, "木", "春"),
       "木旺于春，喜金修剪。"},
      {"season of another element", SeasonText(store, "金", "春"), ""},
      {"climate text", ClimateText(store, "甲", "寅"), "初春尚寒，先取丙火。"},
      {"climate, stem and branch swapped", ClimateText(store, "寅", "甲"), ""},
      {"quote in a key finds nothing", ElementOf(store, "'"), ""},
  };
  for (const Case& c : kCases) EXPECT_EQ(c.got, c.want) << c.label;
}

// Every failure of the lookup gives the empty text and nothing else.
TEST(PillarAttributesFailureTest, FailuresAreSwallowed) {
  const std::function<void(const FixtureDirectory&)> kFixtures[] = {
      [](const FixtureDirectory&) {},  // file missing
      [](const FixtureDirectory& d) {  // tables missing
        d.ExecuteSql("Tgcode.dll", "create table JQ (YearA, JQ, SJ)");
      },
      [](const FixtureDirectory& d) {  // value columns missing
        d.ExecuteSql("Tgcode.dll",
                     "create table hzwh (hz); create table Shishen (jiazi);"
                     "create table jiazi (jiazi); create table sjrs (wh, sj);"
                     "create table qtbj (tg, dz);"
                     "insert into hzwh values ('甲');"
                     "insert into Shishen values ('甲丙');"
                     "insert into jiazi values ('甲子');"
                     "insert into sjrs values ('木', '春');"
                     "insert into qtbj values ('甲', '寅');");
      },
  };
  const char* kLabels[] = {"file missing", "table missing", "column missing"};
  for (int i = 0; i < 3; ++i) {
    FixtureDirectory dir;
    kFixtures[i](dir);
    const ReferenceStore store = dir.Store();
    EXPECT_EQ(ElementOf(store, "甲"), "") << kLabels[i];
    EXPECT_EQ(TenGodOf(store, "甲丙"), "") << kLabels[i];
    EXPECT_EQ(NayinOf(store, "甲子"), "") << kLabels[i];
    EXPECT_EQ(SeasonText(store, "木", "春"), "") << kLabels[i];
    EXPECT_EQ(ClimateText(store, "甲", "寅"), "") << kLabels[i];
  }
}

struct TallyCase {
  const char* label;
  const char* elements;
  const char* tally;
};

// Worked by hand from the byte positions 1, 3, 8, 10, 15, 17, 22, 24.
const TallyCase kTallyCases[] = {
    {"report layout", "金金   水水   土土   木火",
     "金:占2个 0.25, 木:占1个 0.125, 水:占2个 0.25, 火:占1个 0.125, "
     "土:占2个 0.25."},
    {"eight of one element", "火火   火火   火火   火火",
     "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占8个 1, 土:占0个 0."},
    {"no blanks: positions 8 and 22 fall between characters",
     "金金金金金金金金",
     "金:占3个 0.375, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0."},
    {"one blank between pairs", "金木 水火 土金 水木",
     "金:占1个 0.125, 木:占1个 0.125, 水:占0个 0, 火:占1个 0.125, "
     "土:占0个 0."},
    {"short text", "金木   水",
     "金:占1个 0.125, 木:占1个 0.125, 水:占1个 0.125, 火:占0个 0, "
     "土:占0个 0."},
    {"empty text", "",
     "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0."},
    {"other characters count for nothing", "甲乙   丙丁   戊己   庚辛",
     "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0."},
};

TEST(ElementTallyTest, CountsTheEightFixedPositions) {
  for (const TallyCase& c : kTallyCases) {
    EXPECT_EQ(ElementTally(c.elements), c.tally) << c.label;
  }
}

TEST(ElementTallyTest, EveryCountHasItsShortestFraction) {
  const char* kFractions[] = {"0",     "0.125", "0.25",  "0.375", "0.5",
                              "0.625", "0.75",  "0.875", "1"};
  for (int count = 0; count <= 8; ++count) {
    std::string elements;
    for (int unit = 0; unit < 8; ++unit) {
      elements += unit < count ? "土" : "金";
      if (unit % 2 == 1 && unit < 7) elements += "   ";
    }
    const std::string tally = ElementTally(elements);
    EXPECT_NE(tally.find("土:占" + std::to_string(count) + "个 " +
                         kFractions[count] + "."),
              std::string::npos)
        << tally;
  }
}

struct IndexCase {
  const char* character;
  int selector;
  int index;
};

const IndexCase kIndexCases[] = {
    {"甲", 0, 0},  {"乙", 0, 1}, {"癸", 0, 9},  {"子", 1, 0},   {"丑", 1, 1},
    {"亥", 1, 11}, {"子", 0, 0}, {"甲", 1, 0},  {"壬", 1, 0},   {"X", 0, 0},
    {"", 0, 0},    {"癸", 2, 0}, {"亥", -1, 0}, {"甲子", 0, 0},
};

TEST(StemBranchIndexTest, PositionInItsListOrZero) {
  for (const IndexCase& c : kIndexCases) {
    EXPECT_EQ(StemBranchIndex(c.character, c.selector), c.index)
        << c.character << " " << c.selector;
  }
}

}  // namespace
}  // namespace kelvara
