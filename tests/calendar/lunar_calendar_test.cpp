#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "base/datetime.h"

namespace kelvara {
namespace {

DateTime Day(int y, int m, int d) { return EncodeDate(y, m, d); }

struct SolarCase {
  const char* label;
  DateTime solar;
  LunarDate lunar;
};

TEST(SolarToLunarTest, KnownDays) {
  // Dates from the calendar's own tables and almanacs of those years.
  const SolarCase cases[] = {
      {"day before the range", Day(1900, 1, 30), {}},
      {"first day of the range", Day(1900, 1, 31), {1900, 1, 1, false}},
      {"last day of lunar 1999 (29-day month)",
       Day(2000, 2, 4),
       {1999, 12, 29, false}},
      {"lunar new year 2000", Day(2000, 2, 5), {2000, 1, 1, false}},
      {"first day of leap 4th month 2001",
       Day(2001, 5, 23),
       {2001, 4, 1, true}},
      {"month after the leap month", Day(2001, 6, 21), {2001, 5, 1, false}},
      {"30th day of a 30-day leap month",
       Day(2017, 8, 21),
       {2017, 6, 30, true}},
      {"day after that leap month", Day(2017, 8, 22), {2017, 7, 1, false}},
      {"last day of a 29-day leap month",
       Day(2020, 6, 20),
       {2020, 4, 29, true}},
      {"leap 11th month 2033", Day(2033, 12, 22), {2033, 11, 1, true}},
      {"last minute of the range",
       Day(2100, 12, 31) + EncodeTime(23, 59, 0),
       {2100, 12, 1, false}},
      {"day after the range", Day(2101, 1, 1), {}},
      {"a time of day is ignored", Day(2000, 2, 5) + 0.75, {2000, 1, 1, false}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SolarToLunar(c.solar), c.lunar) << c.label;
  }
}

TEST(SolarToLunarTest, ValuesThatAreNotDates) {
  EXPECT_TRUE(SolarToLunar(-1e300).IsNone());
  EXPECT_TRUE(SolarToLunar(1e300).IsNone());
  EXPECT_TRUE(SolarToLunar(std::numeric_limits<double>::quiet_NaN()).IsNone());
}

TEST(LunarYearTest, YearLengthsAndLeapMonths) {
  struct Case {
    int year, days, leap_month, leap_days;
  };
  const Case cases[] = {
      {1900, 384, 8, 29}, {1901, 354, 0, 0},   {1906, 384, 4, 30},
      {2000, 354, 0, 0},  {2001, 384, 4, 29},  {2017, 384, 6, 30},
      {2020, 384, 4, 29}, {2033, 384, 11, 29}, {2100, 354, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LunarYearDays(c.year), c.days) << c.year;
    EXPECT_EQ(LeapMonth(c.year), c.leap_month) << c.year;
    EXPECT_EQ(LeapMonthDays(c.year), c.leap_days) << c.year;
  }
}

TEST(LunarYearTest, TableShape) {
  // 74 of the 201 years have a leap month; the marker 15 (a 30-day leap month
  // the year before) occurs 20 times, always right after a leap year.
  int leap_years = 0;
  int long_leap_months = 0;
  for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
    if (LeapMonth(y) != 0) ++leap_years;
    if (LeapMonthDays(y) == 30) ++long_leap_months;
    EXPECT_GE(LunarYearDays(y), 353) << y;
    EXPECT_LE(LunarYearDays(y), 385) << y;
  }
  EXPECT_EQ(leap_years, 74);
  EXPECT_EQ(long_leap_months, 20);
}

TEST(LunarToSolarTest, KnownDates) {
  const SolarCase cases[] = {
      {"leap 4-1 of 2001", Day(2001, 5, 23), {2001, 4, 1, true}},
      {"regular 4-29 of 2001", Day(2001, 5, 21), {2001, 4, 29, false}},
      {"last convertible day", Day(2100, 2, 8), {2099, 12, 30, false}},
      {"first convertible day", Day(1901, 2, 19), {1901, 1, 1, false}},
      {"lunar 1990-5-7", Day(1990, 5, 30), {1990, 5, 7, false}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDate(LunarToSolar(c.lunar)), FormatDate(c.solar))
        << c.label;
  }
}

TEST(LunarToSolarTest, DatesThatDoNotExistGiveYearOne) {
  const LunarDate invalid[] = {
      {1900, 1, 1, false},    // lunar 1900 is outside the convertible years
      {2100, 1, 1, false},    // so is 2100
      {2020, 4, 30, true},    // that leap month has 29 days
      {2020, 5, 1, true},     // 2020's leap month follows the 4th
      {2001, 13, 1, false},   // no 13th month
      {2001, 1, 31, false},   // no 31st day
      {2000, 12, 30, false},  // the 12th month of 2000 has 29 days
      {2000, 0, 1, false},    // month 0 names no month
      {2000, 1, 0, false},    // day 0 names no day
      {2000, -3, -100, false},
  };
  for (const auto& d : invalid) {
    EXPECT_FALSE(IsValidLunarDate(d))
        << d.Year << "-" << d.Month << "-" << d.Day;
    EXPECT_EQ(FormatDate(LunarToSolar(d)), "0001-01-01")
        << d.Year << "-" << d.Month << "-" << d.Day;
  }
}

TEST(LunarCalendarTest, EveryDayOfTheRangeRoundTrips) {
  // From lunar 1901-1-1 to lunar 2099-12-30 every day converts to lunar and
  // back; the lunar dates also run on without gaps.
  const DateTime first = Day(1901, 2, 19);
  const DateTime last = Day(2100, 2, 8);
  LunarDate previous = SolarToLunar(first - 1);
  int failures = 0;
  for (DateTime x = first; x <= last && failures < 10; x += 1) {
    const LunarDate d = SolarToLunar(x);
    if (LunarToSolar(d) != x) {
      ADD_FAILURE() << FormatDate(x);
      ++failures;
    }
    const bool next_day =
        d.Year == previous.Year && d.Month == previous.Month &&
        d.IsLeap == previous.IsLeap && d.Day == previous.Day + 1;
    const bool new_month = d.Day == 1;
    if (!next_day && !new_month) {
      ADD_FAILURE() << "gap at " << FormatDate(x);
      ++failures;
    }
    previous = d;
  }
}

TEST(LunarCalendarTest, EveryDayOfTheWholeTableHasADate) {
  for (DateTime x = Day(1900, 1, 31); x <= Day(2100, 12, 31); x += 1) {
    const LunarDate d = SolarToLunar(x);
    ASSERT_TRUE(d.Year >= 1900 && d.Year <= 2100 && d.Month >= 1 &&
                d.Month <= 12 && d.Day >= 1 && d.Day <= 30)
        << FormatDate(x);
  }
}

TEST(LunarNamesTest, YearMonthAndDayNames) {
  EXPECT_EQ(GanZhiYearName(136), "庚辰(龙年)");
  EXPECT_EQ(GanZhiYearName(36), "庚子(鼠年)");
  EXPECT_EQ(GanZhiYearName(0), "甲子(鼠年)");
  EXPECT_EQ(GanZhiYearName(59), "癸亥(猪年)");

  EXPECT_EQ(LunarMonthName(1, false), "一月");
  EXPECT_EQ(LunarMonthName(11, false), "十一月");
  EXPECT_EQ(LunarMonthName(12, true), "闰十二月");
  EXPECT_EQ(LunarMonthName(4, true), "闰四月");
  EXPECT_EQ(LunarMonthName(0, false), "月");
  EXPECT_EQ(LunarMonthName(13, false), "月");

  const std::pair<int, const char*> days[] = {
      {1, "初一"},  {10, "初十"}, {11, "十一"}, {19, "十九"},
      {20, "二十"}, {21, "廿一"}, {23, "廿三"}, {29, "廿九"},
      {30, "三十"}, {0, ""},      {31, ""},     {-1, ""}};
  for (const auto& [d, name] : days) EXPECT_EQ(LunarDayName(d), name) << d;
}

TEST(SolarTermTest, InstantsOfTheMeanTermFormula) {
  struct Case {
    int year, term;
    const char* instant;
  };
  const Case cases[] = {
      {1900, 0, "1900-01-06 02:05:00.000"},
      {2000, 2, "2000-02-04 19:08:37.470"},
  };
  for (const auto& c : cases) {
    const DateTime t = SolarTermInstant(c.year, c.term);
    const TimeOfDay tod = DecodeTime(t);
    char text[64];
    std::snprintf(text, sizeof text, "%s %02d:%02d:%02d.%03d",
                  FormatDate(t).c_str(), tod.hour, tod.minute, tod.second,
                  tod.millisecond);
    EXPECT_STREQ(text, c.instant) << c.year << " " << c.term;
  }
}

TEST(SolarTermTest, TermOfDayMatchesOnlyMidnights) {
  EXPECT_EQ(SolarTermOfDay(Day(2000, 2, 4)), "立春");
  EXPECT_EQ(SolarTermOfDay(Day(2000, 2, 4) + 0.5), "");
  EXPECT_EQ(SolarTermOfDay(Day(2000, 2, 19)), "雨水");
  EXPECT_EQ(SolarTermOfDay(Day(2000, 2, 5)), "");
  EXPECT_EQ(SolarTermOfDay(Day(1900, 1, 6)), "小寒");
  // Every month of a year has exactly its two terms.
  int found = 0;
  for (DateTime x = Day(2023, 1, 1); x <= Day(2023, 12, 31); x += 1) {
    if (!SolarTermOfDay(x).empty()) ++found;
  }
  EXPECT_EQ(found, 24);
}

}  // namespace
}  // namespace kelvara
