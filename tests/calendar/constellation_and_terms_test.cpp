#include "calendar/constellation_and_terms.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

TEST(ConstellationOfDateTest, RangeBoundaries) {
  const struct {
    int month, day;
    const char* sign;
  } cases[] = {
      {1, 1, "摩羯座"},   {1, 19, "摩羯座"},  {1, 20, "水瓶座"},
      {2, 18, "水瓶座"},  {2, 19, "双鱼座"},  {2, 29, "双鱼座"},
      {3, 20, "双鱼座"},  {3, 21, "白羊座"},  {4, 20, "白羊座"},
      {4, 21, "金牛座"},  {6, 21, "双子座"},  {6, 22, "巨蟹座"},
      {7, 23, "狮子座"},  {8, 23, "处女座"},  {9, 23, "天秤座"},
      {10, 22, "天秤座"}, {10, 23, "天蝎座"}, {11, 22, "射手座"},
      {12, 21, "射手座"}, {12, 22, "摩羯座"}, {12, 31, "摩羯座"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConstellationOfDate(EncodeDate(2024, c.month, c.day)), c.sign)
        << c.month << "-" << c.day;
  }
}

TEST(ConstellationOfDateTest, TimeAfterTheLastDayOfARangeMatchesNothing) {
  EXPECT_EQ(ConstellationOfDate(EncodeDate(2024, 4, 20) + EncodeTime(6, 0, 0)),
            "");
  // A time of day inside a range is fine.
  EXPECT_EQ(ConstellationOfDate(EncodeDate(2024, 4, 19) + 0.5), "白羊座");
}

TEST(IsJieTermTest, OnlyTheTwelveSectionalTerms) {
  for (auto name : kJieTermNames) EXPECT_TRUE(IsJieTerm(name)) << name;
  EXPECT_FALSE(IsJieTerm("雨水"));
  EXPECT_FALSE(IsJieTerm("冬至"));
  EXPECT_FALSE(IsJieTerm("立春 "));
  EXPECT_FALSE(IsJieTerm(""));
}

}  // namespace
}  // namespace kelvara
