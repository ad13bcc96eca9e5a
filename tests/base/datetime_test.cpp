#include "base/datetime.h"

#include <gtest/gtest.h>

#include "base/clock.h"

namespace kelvara {
namespace {

TEST(DateTimeTest, DayNumbersOfTheEpoch) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 31), 32);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(2101, 1, 1), 73416);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
}

TEST(DateTimeTest, EncodeDecodeRoundTripsOverCenturies) {
  for (DateTime x = EncodeDate(1600, 1, 1); x <= EncodeDate(2400, 12, 31);
       x += 1) {
    const CivilDate d = DecodeDate(x);
    ASSERT_TRUE(IsValidDate(d.year, d.month, d.day)) << x;
    ASSERT_EQ(EncodeDate(d), x) << d.year << "-" << d.month << "-" << d.day;
  }
}

TEST(DateTimeTest, CalendarRules) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
  EXPECT_FALSE(IsValidDate(2023, 2, 29));
  EXPECT_FALSE(IsValidDate(2023, 2, 30));
  EXPECT_FALSE(IsValidDate(0, 1, 1));
  EXPECT_FALSE(TryEncodeDate(2023, 4, 31).has_value());
  // 2024-05-12 was a Sunday, 1899-12-30 a Saturday.
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 5, 12)), 0);
  EXPECT_EQ(DayOfWeek(0), 6);
  EXPECT_EQ(DayOfYear(EncodeDate(2024, 12, 31)), 365);
  EXPECT_EQ(DayOfYear(EncodeDate(2024, 1, 1) + 0.9), 0);
}

TEST(DateTimeTest, TimesAndTexts) {
  const DateTime t = EncodeDate(2024, 2, 4) + EncodeTime(16, 27, 8);
  EXPECT_EQ(FormatDate(t), "2024-02-04");
  EXPECT_EQ(FormatDateTime(t), "2024-02-04 16:27:08");
  EXPECT_EQ(ParseIsoDateTime("2024-02-04 16:27:08"), t);
  EXPECT_EQ(
      FormatDateTime(EncodeDate(2023, 12, 31) + EncodeTime(23, 59, 59, 600)),
      "2024-01-01 00:00:00");
  const TimeOfDay tod =
      DecodeTime(EncodeDate(2000, 1, 1) + EncodeTime(7, 8, 9, 10));
  EXPECT_EQ(tod.hour, 7);
  EXPECT_EQ(tod.minute, 8);
  EXPECT_EQ(tod.second, 9);
  EXPECT_EQ(tod.millisecond, 10);
}

TEST(DateTimeTest, ParsingRefusesWhatIsNotADate) {
  EXPECT_EQ(ParseIsoDate("2024-02-29"), EncodeDate(2024, 2, 29));
  for (const char* bad :
       {"2023-02-29", "2024-2-4", "2024/02/04", "", "abcd-ef-gh", "2024-02-04x",
        "+024-02-04", "2024-13-01", "0000-01-01"}) {
    EXPECT_FALSE(ParseIsoDate(bad).has_value()) << bad;
  }
  EXPECT_FALSE(ParseIsoDateTime("2024-02-04 24:00:00").has_value());
}

TEST(ClockTest, TodayCanBeFixed) {
  Clock::FixToday(EncodeDate(2024, 5, 1) + 0.7);
  EXPECT_EQ(Clock::Today(), EncodeDate(2024, 5, 1));
  EXPECT_EQ(Clock::Now(), EncodeDate(2024, 5, 1));
  Clock::FixToday(std::nullopt);
  EXPECT_GT(Clock::Today(), EncodeDate(2020, 1, 1));
}

}  // namespace
}  // namespace kelvara
