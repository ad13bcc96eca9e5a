#include "pillars/pillar_engine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/text.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

// A store with no files: the sectional-term correction never applies and the
// attribute lookups give empty texts.
ReferenceStore EmptyStore() {
  static const fs::path dir = [] {
    fs::path p = fs::temp_directory_path() / "kelvara_empty_store";
    fs::create_directories(p);
    return p;
  }();
  return ReferenceStore(dir);
}

ReferenceStore RealStore() { return ReferenceStore(KELVARA_BIN_DIR); }

std::string Pillars(const PillarChart& c) {
  return c.YearStem + c.YearBranch + " " + c.MonthStem + c.MonthBranch + " " +
         c.DayStem + c.DayBranch + " " + c.HourStem + c.HourBranch;
}

TEST(ComputePillarChartTest, WorkedBirths) {
  // Worked examples of the engine, without the sectional-term correction.
  struct Case {
    int y, m, d, h, mi;
    const char* sex;
    const char* pillars;
    const char* conception;
    bool reverse;
    int start_age;
    const char* first_luck;
  };
  const Case cases[] = {
      {1984, 2, 4, 10, 0, "男", "甲子 丙寅 戊辰 丁巳", "丁巳", false, 10,
       "丙寅   丁卯   戊辰"},
      {1984, 2, 3, 10, 0, "男", "癸亥 乙丑 丁卯 乙巳", "丙辰", true, 10,
       "乙丑   甲子   癸亥"},
      {2000, 1, 1, 0, 0, "男", "己卯 丙子 戊午 壬子", "丁卯", true, 9,
       "丙子   乙亥   甲戌"},
      {2000, 1, 1, 23, 0, "女", "己卯 丙子 戊午 壬子", "丁卯", false, 2,
       "丙子   丁丑   戊寅"},
      {1949, 10, 1, 12, 0, "男", "己丑 癸酉 甲子 庚午", "甲子", true, 8,
       "癸酉   壬申   辛未"},
      {2024, 2, 10, 8, 30, "女", "甲辰 丙寅 甲辰 戊辰", "丁巳", true, 2,
       "丙寅   乙丑   甲子"},
  };
  for (const Case& c : cases) {
    const std::string label = std::to_string(c.y) + "-" + std::to_string(c.m) +
                              "-" + std::to_string(c.d) + " " +
                              std::to_string(c.h);
    const PillarChartResult r =
        ComputePillarChart(EmptyStore(), c.y, c.m, c.d, c.h, 1, c.mi, c.sex);
    ASSERT_TRUE(r.chart) << label;
    EXPECT_EQ(Pillars(*r.chart), c.pillars) << label;
    EXPECT_EQ(r.chart->ConceptionPillar, std::string(c.conception) + " ")
        << label;
    EXPECT_EQ(r.chart->Reverse, c.reverse) << label;
    EXPECT_EQ(r.chart->StartAge, c.start_age) << label;
    EXPECT_EQ(r.chart->StartAgeText, std::to_string(c.start_age)) << label;
    EXPECT_EQ(
        r.chart->LuckPillarsText.substr(0, std::string(c.first_luck).size()),
        c.first_luck)
        << label;
    EXPECT_FALSE(r.chart->BornBeforeJie) << label;
  }
}

TEST(ComputePillarChartTest, FirstWorkedBirthInFull) {
  const PillarChartResult r =
      ComputePillarChart(EmptyStore(), 1984, 2, 4, 10, 3, 0, "男");
  ASSERT_TRUE(r.chart);
  const PillarChart& c = *r.chart;
  EXPECT_EQ(
      c.LuckPillarsText,
      "丙寅   丁卯   戊辰   己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥");
  // The next sectional term, 1984-03-05, lies in lunar 1984, a 子 year.
  EXPECT_EQ(c.HiddenStemsYear, "癸");
  EXPECT_EQ(c.HiddenStemsMonth, "甲丙戊");
  EXPECT_EQ(c.HiddenStemsHour, "庚丙戊");
  EXPECT_EQ(c.HourStemIndex, 3);    // 丁
  EXPECT_EQ(c.HourBranchIndex, 5);  // 巳
  // Nothing to look up in an empty store: the lines keep their frames.
  EXPECT_EQ(c.LuckNayinLine, "纳音：          ");
  EXPECT_EQ(c.LuckTenGodLine.substr(0, 9), "十神：");
  EXPECT_FALSE(c.PersonalityText.empty());
}

TEST(ComputePillarChartTest, AttributesFromTheRealStore) {
  const PillarChartResult r =
      ComputePillarChart(RealStore(), 1984, 2, 4, 10, 3, 0, "男");
  ASSERT_TRUE(r.chart);
  // 1984-02-04 10:00 is before 立春 (23:19 that day): the previous year and
  // the month 丑.
  EXPECT_TRUE(r.chart->BornBeforeJie);
  EXPECT_EQ(Pillars(*r.chart), "癸亥 乙丑 戊辰 丁巳");
  EXPECT_EQ(
      r.chart->LuckNayinLine.substr(0, std::string("纳音：海中金 ").size()),
      "纳音：海中金 ");  // 乙丑
}

TEST(ComputePillarChartTest, TheSectionalTermCorrectionWorksOnlyOnItsDay) {
  // 立春 2024 fell at 16:27:08 on 4 February.
  const auto before =
      ComputePillarChart(RealStore(), 2024, 2, 4, 16, 1, 0, "男");
  const auto after =
      ComputePillarChart(RealStore(), 2024, 2, 4, 16, 1, 30, "男");
  const auto day_before =
      ComputePillarChart(RealStore(), 2024, 2, 3, 23, 1, 0, "男");
  ASSERT_TRUE(before.chart && after.chart && day_before.chart);
  EXPECT_TRUE(before.chart->BornBeforeJie);
  EXPECT_EQ(before.chart->YearStem + before.chart->YearBranch, "癸卯");
  EXPECT_EQ(before.chart->MonthBranch, "丑");
  EXPECT_FALSE(after.chart->BornBeforeJie);
  EXPECT_EQ(after.chart->YearStem + after.chart->YearBranch, "甲辰");
  EXPECT_EQ(after.chart->MonthBranch, "寅");
  EXPECT_EQ(day_before.chart->YearStem + day_before.chart->YearBranch, "癸卯");
}

TEST(ComputePillarChartTest, DaysThatDoNotExistAndMomentsThatCannotBe) {
  for (auto [y, m, d] : {std::tuple{2023, 2, 29},
                         {2024, 2, 30},
                         {2024, 4, 31},
                         {2024, 1, 32},
                         {2024, 13, 1}}) {
    const PillarChartResult r =
        ComputePillarChart(EmptyStore(), y, m, d, 0, 1, 0, "男");
    EXPECT_FALSE(r.chart) << y << "-" << m << "-" << d;
    EXPECT_EQ(r.message, "请检查输入数据是否出错！");
  }
  EXPECT_THROW(ComputePillarChart(EmptyStore(), 2024, 2, 29, 24, 1, 0, "男"),
               InvalidBirthMoment);
  EXPECT_THROW(ComputePillarChart(EmptyStore(), 2024, 2, 29, 0, 1, 60, "男"),
               InvalidBirthMoment);
}

TEST(ComputePillarChartTest, StartAgeFallsBackOnTheEstimate) {
  // Every date of a few years gives a start age 1..10 and ten luck pillars.
  for (int y : {1900, 1950, 2000, 2100}) {
    for (DateTime x = EncodeDate(y, 1, 1); x <= EncodeDate(y, 12, 31); x += 1) {
      const CivilDate d = DecodeDate(x);
      const auto r = ComputePillarChart(EmptyStore(), d.year, d.month, d.day,
                                        12, 1, 0, d.day % 2 ? "男" : "女");
      ASSERT_TRUE(r.chart);
      ASSERT_GE(r.chart->StartAge, 1) << FormatDate(x);
      ASSERT_LE(r.chart->StartAge, 10) << FormatDate(x);
      ASSERT_EQ(GbkWidth(r.chart->LuckPillarsText), 10 * 4 + 9 * 3)
          << FormatDate(x);
    }
  }
}

TEST(WritePersonalitySummaryTest, AppendsFiveLines) {
  ReportDocument doc;
  doc.AddLine("前文");
  const auto chart =
      WritePersonalitySummary(EmptyStore(), 1990, 3, 21, 8, 1, 0, "女", doc);
  ASSERT_TRUE(chart);
  ASSERT_EQ(doc.lines().size(), 6u);
  EXPECT_EQ(doc.lines()[1], kSectionSeparator);
  EXPECT_EQ(doc.lines()[2], "");
  EXPECT_EQ(doc.lines()[3], "性格简评：");
  EXPECT_EQ(doc.lines()[4], "    " + chart->PersonalityText);
  EXPECT_EQ(doc.lines()[5], "");
}

}  // namespace
}  // namespace kelvara
