#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/datetime.h"
#include "calendar/lunar_calendar.h"

namespace kelvara {

// The ten texts of the input strip, as the window or the command line holds
// them. `calendar_item` is the selected item of the calendar list: 0 for
// 公历; any other value (1 for 农历, -1 for typed text that selects nothing)
// means a lunar date.
struct BirthPanel {
  std::string surname;
  std::string given_name;
  std::string sex = "男";
  std::string blood_type = "A型";
  int calendar_item = 0;
  std::string year = "1990";
  std::string month = "1";
  std::string day = "1";
  std::string hour_item = "子 0";
  std::string minute = "0";
};

enum class CalendarKind { kGregorian, kLunar };

// One person's birth record, normalised. Texts are trimmed.
struct BirthData {
  std::string Surname;
  std::string GivenName;
  std::string Sex;
  std::string BloodType;
  CalendarKind Kind = CalendarKind::kGregorian;
  // The Gregorian birth date (after a lunar input, the converted date).
  int Year = 0;
  int Month = 0;
  int Day = 0;
  std::string HourItem;
  // Not validated: a reading that needs it as a number checks it itself.
  std::string Minute;

  DateTime SolarDate = 0;
  LunarDate Lunar;
  std::string LunarText;      // 庚午(马年)五月初七
  std::string Zodiac;         // 马
  std::string Constellation;  // 双子座
  std::string HourNumber;     // the text after the blank of HourItem: "0".."23"
  std::string HourBranch;     // the first character of HourItem: 子..亥
};

// A name field holds at most four GBK bytes: two Chinese characters.
inline constexpr int kNameFieldBytes = 4;

struct BirthReadResult {
  std::optional<BirthData> data;
  std::string message;  // the validation message when data is empty
};

// Reads and normalises the panel. The first failing check gives its message
// and no record: an empty field, a year, month or day that is not a number, a
// month outside 1..12, a day the month does not have, a date outside the
// supported range (Gregorian 1900-01-31 .. 2100-12-31; lunar 1901..2099).
// `blood_required` is true for the Four Pillars readings.
BirthReadResult ReadBirthData(const BirthPanel& panel, bool blood_required);

// The first two checks of ReadBirthData alone, for commands that need only
// the names: "姓不能为空!" or "名不能为空!" when one is empty after trimming,
// nullopt when both are there.
std::optional<std::string> MissingNameMessage(std::string_view surname,
                                              std::string_view given_name);

// The header line of the name and constellation reports, with the age counted
// from the year of `today`:
// 张三,你今年:34岁,您出生于公历 1990年01月05日0点  农历 己巳(蛇年)十二月初九
// 生肖:蛇 星座:摩羯座
std::string ReportHeaderLine(const BirthData& data, DateTime today);

}  // namespace kelvara
