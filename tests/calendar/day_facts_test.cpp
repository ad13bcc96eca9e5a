#include "calendar/day_facts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/lunar_calendar.h"

namespace kelvara {
namespace {

DateTime Day(int y, int m, int d) { return EncodeDate(y, m, d); }

TEST(LunarMonthDayOfTest, KnownDays) {
  const struct {
    const char* label;
    DateTime day;
    int code;
  } cases[] = {
      {"last day of lunar 1999", Day(2000, 2, 4), 1229},
      {"lunar new year 2000", Day(2000, 2, 5), 101},
      {"leap 4th month 2001 begins", Day(2001, 5, 23), -401},
      {"5th month after it", Day(2001, 6, 21), 501},
      {"leap 11th month 2033", Day(2033, 12, 22), -1101},
      {"leap month across the new year", Day(2034, 1, 1), -1111},
      {"last day of the table", Day(2050, 12, 31), 1118},
      {"first day of the table", Day(1901, 1, 1), 1111},
      {"before the table", Day(1900, 12, 31), 0},
      {"after the table", Day(2051, 1, 1), 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LunarMonthDayOf(c.day), c.code) << c.label;
}

// The window's table and the report calendar differ on four lunar months,
// where a month boundary lies one day apart. Everywhere else they agree.
TEST(LunarMonthDayOfTest, AgreesWithTheReportCalendarExceptFourMonths) {
  struct Disagreement {
    DateTime first, last;
  };
  const Disagreement known[] = {
      {Day(1906, 4, 23), Day(1906, 5, 22)},
      {Day(1914, 11, 17), Day(1914, 12, 16)},
      {Day(1989, 8, 1), Day(1989, 8, 30)},
      {Day(2013, 6, 8), Day(2013, 7, 7)},
  };
  auto is_known = [&](DateTime x) {
    for (const auto& k : known) {
      if (x >= k.first && x <= k.last) return true;
    }
    return false;
  };
  int disagreeing_days = 0;
  for (DateTime x = Day(1901, 1, 1); x <= Day(2050, 12, 31); x += 1) {
    const LunarDate d = SolarToLunar(x);
    const int report_code =
        d.IsLeap ? -(d.Month * 100 + d.Day) : d.Month * 100 + d.Day;
    const int window_code = LunarMonthDayOf(x);
    if (is_known(x)) {
      EXPECT_NE(window_code, report_code) << FormatDate(x);
      ++disagreeing_days;
    } else if (window_code != report_code) {
      ADD_FAILURE() << FormatDate(x) << ": window " << window_code
                    << ", report " << report_code;
    }
  }
  EXPECT_EQ(disagreeing_days, 120);
  // The first days of the four, as the window shows them.
  EXPECT_EQ(LunarMonthDayOf(Day(1906, 4, 23)), 330);
  EXPECT_EQ(LunarMonthDayOf(Day(1914, 11, 17)), 1001);
  EXPECT_EQ(LunarMonthDayOf(Day(1989, 8, 1)), 701);
  EXPECT_EQ(LunarMonthDayOf(Day(2013, 6, 8)), 430);
}

TEST(CalendarNamesTest, MonthAndDayNames) {
  EXPECT_EQ(CalendarMonthName(Day(2001, 5, 23)), "闰四");
  EXPECT_EQ(CalendarMonthName(Day(2024, 2, 9)), "腊月");
  EXPECT_EQ(CalendarMonthName(Day(2050, 12, 31)), "冬月");
  EXPECT_EQ(CalendarMonthName(Day(2024, 2, 10)), "正月");
  EXPECT_EQ(CalendarMonthName(Day(2051, 1, 1)), "");
  EXPECT_EQ(CalendarDayName(Day(2024, 2, 9)), "三十");
  EXPECT_EQ(CalendarDayName(Day(2001, 5, 23)), "初一");
  EXPECT_EQ(CalendarDayName(Day(1900, 6, 1)), "");
}

TEST(LunarFestivalTest, FestivalsOfTheLunarYear) {
  const struct {
    DateTime day;
    const char* festival;
  } cases[] = {
      {Day(2000, 2, 4), "除夕"},
      {Day(2024, 2, 9), "除夕"},
      {Day(2024, 2, 8), ""},
      {Day(2024, 2, 10), "春节"},
      {Day(2024, 2, 24), "元宵节"},
      {Day(2024, 6, 10), "端午节"},
      {Day(2024, 8, 10), "七夕节"},
      {Day(2024, 9, 17), "中秋节"},
      {Day(2024, 10, 11), "重阳节"},
      {Day(2025, 1, 7), "腊八节"},
      // 初一 of the leap 4th month is no festival.
      {Day(2001, 5, 23), ""},
      {Day(2050, 12, 31), ""},
      {Day(2051, 2, 1), ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LunarFestival(c.day), c.festival) << FormatDate(c.day);
  }
}

TEST(GregorianFestivalTest, FixedDaysAndWeekdayRules) {
  const struct {
    int y, m, d;
    const char* festival;
  } cases[] = {
      {2024, 1, 1, "元旦节"},   {2024, 2, 14, "情人节"},
      {2024, 5, 4, "青年节"},   {2024, 5, 12, "母亲节"},
      {2024, 5, 5, ""},         {2024, 5, 19, ""},
      {2024, 6, 16, "父亲节"},  {2024, 6, 9, ""},
      {2024, 10, 1, "国庆节"},  {2024, 10, 31, "万圣节"},
      {2024, 11, 28, "感恩节"}, {2024, 11, 21, ""},
      {2024, 12, 25, "圣诞节"}, {2024, 3, 9, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GregorianFestival(c.d, Day(c.y, c.m, 1)), c.festival)
        << c.y << "-" << c.m << "-" << c.d;
  }
  // A day the month does not have carries no weekday festival.
  EXPECT_EQ(GregorianFestival(31, Day(2024, 6, 1)), "");
}

TEST(SolarTermOnDayTest, TermDaysOfTheWindowTable) {
  EXPECT_EQ(SolarTermOnDay(Day(2024, 2, 4)), "立春");
  EXPECT_EQ(SolarTermOnDay(Day(2024, 2, 19)), "雨水");
  EXPECT_EQ(SolarTermOnDay(Day(2000, 12, 21)), "冬至");
  EXPECT_EQ(SolarTermOnDay(Day(2000, 12, 22)), "");
  EXPECT_EQ(SolarTermOnDay(Day(1901, 1, 6)), "小寒");
  EXPECT_EQ(SolarTermOnDay(Day(2051, 1, 5)), "");
  // Each year of the table has its 24 terms, two a month.
  for (int y = kFirstCalendarYear; y <= kLastCalendarYear; ++y) {
    int found = 0;
    for (DateTime x = Day(y, 1, 1); x <= Day(y, 12, 31); x += 1) {
      if (!SolarTermOnDay(x).empty()) ++found;
    }
    EXPECT_EQ(found, 24) << y;
  }
}

TEST(ZodiacOfDateTest, TheAnimalTurnsWithTheLunarYear) {
  EXPECT_EQ(ZodiacOfDate(Day(2024, 2, 9)), "卯兔");
  EXPECT_EQ(ZodiacOfDate(Day(2024, 2, 10)), "辰龙");
  EXPECT_EQ(ZodiacOfDate(Day(2025, 1, 20)), "辰龙");
  EXPECT_EQ(ZodiacOfDate(Day(2025, 10, 1)), "巳蛇");
  EXPECT_EQ(ZodiacOfDate(Day(1972, 6, 1)), "子鼠");
  EXPECT_EQ(ZodiacOfDate(Day(1960, 6, 1)), "子鼠");
}

TEST(ConstellationOfDayTest, WindowBoundaries) {
  EXPECT_EQ(ConstellationOfDay(Day(2024, 4, 20)), "金牛座");
  EXPECT_EQ(ConstellationOfDay(Day(2024, 4, 19)), "白羊座");
  EXPECT_EQ(ConstellationOfDay(Day(2024, 8, 23)), "处女座");
  EXPECT_EQ(ConstellationOfDay(Day(2024, 10, 23)), "天秤座");
  EXPECT_EQ(ConstellationOfDay(Day(2024, 10, 24)), "天蝎座");
  EXPECT_EQ(ConstellationOfDay(Day(2024, 12, 22)), "摩羯座");
  EXPECT_EQ(ConstellationOfDay(Day(2024, 1, 19)), "摩羯座");
}

}  // namespace
}  // namespace kelvara
