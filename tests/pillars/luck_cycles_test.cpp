#include "pillars/luck_cycles.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace kelvara {
namespace {

TEST(LuckCyclesTest, NamesAndLabels) {
  EXPECT_EQ(YearPillarName(1990), "庚午");
  EXPECT_EQ(YearPillarName(1984), "甲子");
  EXPECT_EQ(AgeLabel(0), "00岁");
  EXPECT_EQ(AgeLabel(7), "07岁");
  EXPECT_EQ(AgeLabel(10), "10岁");
  EXPECT_EQ(AgeLabel(15), "15岁");
}

TEST(LuckCyclesTest, AgeAndStartYearRows) {
  EXPECT_EQ(AgeRow(1),
            "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   "
            "71岁   81岁");
  EXPECT_EQ(AgeRow(3),
            "      1-2岁   3岁   13岁   23岁   33岁   43岁   53岁   63岁   "
            "73岁   83岁");
  const std::string ten = AgeRow(10);
  EXPECT_EQ(ten.substr(0, 12), "      1-9岁");
  EXPECT_EQ(ten.substr(ten.size() - 8), "   90岁");
  EXPECT_EQ(StartYearRow(1990, 3),
            "始于：1990   1993   2003   2013   2023   2033   2043   2053   "
            "2063   2073");
}

TEST(LuckCyclesTest, YearlyPillarRows) {
  const auto rows = YearlyPillarRows(1990, 3);
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0].substr(0, std::string("流年：庚午   癸酉").size()),
            "流年：庚午   癸酉");
  EXPECT_EQ(rows[1].substr(0, std::string("      辛未   甲戌").size()),
            "      辛未   甲戌");
  // Lines 0..2 have ten pillars, lines 3..9 nine after thirteen blanks.
  for (int i = 0; i < 10; ++i) {
    const int width = GbkWidth(rows[static_cast<std::size_t>(i)]);
    EXPECT_EQ(width, i < 3 ? 6 + 10 * 4 + 9 * 3 : 13 + 9 * 4 + 8 * 3) << i;
  }
  EXPECT_EQ(rows[3].substr(0, 13 + 6), "             丙子");
  for (const auto& row : YearlyPillarRows(1990, 10)) {
    EXPECT_EQ(GbkWidth(row), 6 + 10 * 4 + 9 * 3) << row;
  }
}

TEST(LuckCyclesTest, SmallLuckRunsFromTheHourPillar) {
  // Backward from 甲子: 癸亥 at 1, 壬戌 at 2, and 辛酉 at s = 3 in column 1.
  const auto rows = SmallLuckRows(0, 0, /*backward=*/true, 3);
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows[0].substr(0, std::string("小运：甲子   辛酉").size()),
            "小运：甲子   辛酉");
  EXPECT_EQ(rows[1].substr(0, std::string("      00岁   03岁").size()),
            "      00岁   03岁");
  EXPECT_EQ(rows[2].substr(0, std::string("      癸亥").size()), "      癸亥");
  EXPECT_EQ(rows[4].substr(0, std::string("      壬戌").size()), "      壬戌");
  EXPECT_EQ(rows[6].substr(0, 13), "             ");
  // Age lines stand under their pillar lines, byte for byte in width.
  for (std::size_t i = 0; i < rows.size(); i += 2) {
    EXPECT_EQ(GbkWidth(rows[i]), GbkWidth(rows[i + 1])) << i;
  }
  const auto forward = SmallLuckRows(0, 0, false, 1);
  EXPECT_EQ(forward[0].substr(0, std::string("小运：甲子   乙丑").size()),
            "小运：甲子   乙丑");
}

TEST(LuckCyclesTest, MonthlyPillarRows) {
  const auto rows = MonthlyPillarRows(1990, 3);
  ASSERT_EQ(rows.size(), 2u + 93u);
  EXPECT_EQ(rows[0],
            "流年流月  ：正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 "
            "冬月 腊月");
  EXPECT_EQ(rows[1], "");
  EXPECT_EQ(rows[2],
            "1990(庚午)：戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉 丙戌 丁亥 "
            "戊子 己丑");
  EXPECT_EQ(GbkWidth(rows[2].substr(0, rows[2].find("戊寅"))),
            GbkWidth("流年流月  ："));
  EXPECT_EQ(MonthlyPillarRows(1990, 10).size(), 102u);
  // Lunar 1900: stem index (-12 + 6) mod 10 = 4, 戊寅.
  EXPECT_EQ(MonthlyPillarRows(1900, 1)[2].substr(
                0, std::string("1900(庚子)：戊寅").size()),
            "1900(庚子)：戊寅");
}

}  // namespace
}  // namespace kelvara
