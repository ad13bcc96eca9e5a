#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/datetime.h"

namespace kelvara {

// Facts of one Gregorian day for the perpetual calendar window, from its own
// tables for the Gregorian years 1901..2050. They differ from the report
// calendar (lunar_calendar.h) on four lunar months; each consumer keeps its
// own.

inline constexpr int kFirstCalendarYear = 1901;
inline constexpr int kLastCalendarYear = 2050;

// Index 1..12.
inline constexpr std::array<std::string_view, 13> kCalendarMonthNames{
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
// Index 1..30.
inline constexpr std::array<std::string_view, 31> kCalendarDayNames{
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七",
    "初八", "初九", "初十", "十一", "十二", "十三", "十四", "十五",
    "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
    "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
// Branch order; 1972 is 子鼠.
inline constexpr std::array<std::string_view, 12> kZodiacTexts{
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇",
    "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

// The lunar month and day of a date without its year: month * 100 + day, the
// negative of that in a leap month, 0 outside 1901..2050. 2001-05-23 (the
// first day of the leap fourth month) is -401.
int LunarMonthDayOf(DateTime value);

// 正月 .. 腊月; 闰 and the bare name in a leap month (闰四); empty outside the
// table's years.
std::string CalendarMonthName(DateTime value);
// 初一 .. 三十; empty outside the table's years.
std::string CalendarDayName(DateTime value);

// 春节, 元宵节, 端午节, 七夕节, 中秋节, 重阳节, 腊八节, 除夕, or empty.
std::string LunarFestival(DateTime value);

// The Gregorian festival of day d of the month (and year) of `month_of`:
// fixed-date days and the weekday rules (Mother's Day, Father's Day,
// Thanksgiving). Empty for none, or for a day the month does not have.
std::string GregorianFestival(int day, DateTime month_of);

// The solar term that falls on the date, or empty (1901..2050).
std::string SolarTermOnDay(DateTime value);

// The zodiac text of the date's year; January to September days still in the
// eleventh or twelfth lunar month take the year before.
std::string ZodiacOfDate(DateTime value);

// The constellation by the calendar window's own boundaries (20 April is
// 金牛座 here).
std::string ConstellationOfDay(DateTime value);

}  // namespace kelvara
