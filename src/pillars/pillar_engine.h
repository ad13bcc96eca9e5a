#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/report_document.h"
#include "refdata/reference_store.h"

namespace kelvara {

// Inside the engine stems and branches count cyclically: 甲 = 1 … 壬 = 9,
// 癸 = 0; 子 = 1 … 戌 = 11, 亥 = 0.
inline constexpr std::array<std::string_view, 10> kCyclicStemNames{
    "癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬"};
inline constexpr std::array<std::string_view, 12> kCyclicBranchNames{
    "亥", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌"};

// The hidden stems of each branch, from 子 (index 0) to 亥.
inline constexpr std::array<std::string_view, 12> kHiddenStemTable{
    "癸",   "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊",
    "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};

// The chart of one birth moment.
struct PillarChart {
  std::string YearStem, YearBranch, MonthStem, MonthBranch;
  std::string DayStem, DayBranch, HourStem, HourBranch;
  int HourStemIndex = 0;    // 甲 = 0
  int HourBranchIndex = 0;  // 子 = 0
  std::string HiddenStemsYear, HiddenStemsMonth, HiddenStemsHour;
  std::string ConceptionPillar;  // stem, branch and one blank
  bool Reverse = false;          // the luck pillars run backward
  int StartAge = 0;              // 1..10
  std::string StartAgeText;
  std::string LuckPillarsText;  // ten pillars separated by three blanks
  std::string LuckNayinLine;  // "纳音：" and each sound element with a blank
  std::string LuckTenGodLine;  // "十神：" and each ten god with three blanks
  bool BornBeforeJie = false;  // on a sectional term's day, before its instant
  std::string PersonalityText;
};

// The message of a day the month does not have.
inline constexpr std::string_view kImpossibleDayMessage =
    "请检查输入数据是否出错！";

// An hour or minute that makes no moment of a day (a typed hour of 25, a
// minute of 75). The report ends silently on it.
class InvalidBirthMoment : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PillarChartResult {
  std::optional<PillarChart> chart;
  std::string message;  // kImpossibleDayMessage when the date does not exist
};

// The chart of a Gregorian birth moment (year, month, day, clock hour 0..23,
// minute 0..59) of a man (sex exactly "男") or a woman. The lunar day is
// accepted and not used. Months change on fixed days, corrected once by the
// sectional-term instants of the store; the year changes on 4 February. Throws
// InvalidBirthMoment for an hour or minute out of range.
PillarChartResult ComputePillarChart(const ReferenceStore& store, int year,
                                     int month, int day, int hour,
                                     int lunar_day, int minute,
                                     std::string_view sex);

// Runs the engine and appends the personality summary: the section
// separator, an empty line, "性格简评：", four blanks and the text, an empty
// line. Returns the chart it computed (nullopt, and nothing appended, when
// the date does not exist).
std::optional<PillarChart> WritePersonalitySummary(
    const ReferenceStore& store, int year, int month, int day, int hour,
    int lunar_day, int minute, std::string_view sex, ReportDocument& document);

inline constexpr std::string_view kSectionSeparator =
    "<-----------------------批八字内容分隔线----------------------------->";

}  // namespace kelvara
