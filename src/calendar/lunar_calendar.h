#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/datetime.h"

namespace kelvara {

// The report calendar: lunar years 1900..2100, used by every report and by the
// Four Pillars engine. (The perpetual calendar window has tables of its own,
// see day_facts.h.)

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2100;

// A lunar date. A leap month carries the number of the month it follows and
// IsLeap; 2001 has a leap fourth month, so its days are {2001, 4, d, true}.
// All four fields zero stands for "no date".
struct LunarDate {
  int32_t Year = 0;
  int32_t Month = 0;
  int32_t Day = 0;
  bool IsLeap = false;
  bool IsNone() const { return Year == 0 && Month == 0 && Day == 0 && !IsLeap; }
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

inline constexpr std::array<std::string_view, 10> kStemNames{
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kBranchNames{
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 12> kAnimalNames{
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
// Index 1..10; index 0 is unused.
inline constexpr std::array<std::string_view, 11> kNumeralNames{
    "", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
inline constexpr std::array<std::string_view, 24> kSolarTermNames{
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// The month after which year Y has its leap month (1..12), or 0.
int LeapMonth(int year);
// 29 or 30, or 0 when the year has no leap month.
int LeapMonthDays(int year);
// 29 or 30: the days of regular month m of year Y.
int LunarMonthDays(int year, int month);
// 353..385: the days of the lunar year, leap month included.
int LunarYearDays(int year);

// The lunar date of a day 1900-01-31 .. 2100-12-31 (time of day ignored);
// the all-zero record outside that range.
LunarDate SolarToLunar(DateTime value);

// True for an existing day of the lunar years 1901..2099.
bool IsValidLunarDate(const LunarDate& date);

// The midnight of a lunar date; 0001-01-01 when IsValidLunarDate rejects it.
DateTime LunarToSolar(const LunarDate& date);
// What LunarToSolar answers for a date that does not exist.
DateTime InvalidSolarDate();

// The sexagenary year of cycle number n = lunar year - 1864 (n >= 0):
// 136 gives 庚辰(龙年).
std::string GanZhiYearName(int cycle);
// 十一月, 闰四月; month 1 is 一月. Any other month gives just "月".
std::string LunarMonthName(int month, bool is_leap);
// 初一 .. 初十, 十一 .. 十九, 二十, 廿一 .. 廿九, 三十; empty otherwise.
std::string LunarDayName(int day);

// The instant of solar term k (0 = 小寒 .. 23 = 冬至) of Gregorian year Y by
// the mean-term formula (no time zone): 2000, 2 gives 2000-02-04 19:08:37.470.
DateTime SolarTermInstant(int year, int term);

// The name of the term whose instant falls on the date x, or empty. x is
// compared whole, so a value with a time of day never matches.
std::string SolarTermOfDay(DateTime value);

}  // namespace kelvara
