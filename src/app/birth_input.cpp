#include "app/birth_input.h"

#include <cstdio>

#include "base/text.h"
#include "calendar/constellation_and_terms.h"

namespace kelvara {
namespace {

constexpr char kSurnameMissing[] = "姓不能为空!";
constexpr char kGivenNameMissing[] = "名不能为空!";
constexpr char kBloodTypeMissing[] = "血型不能为空!";
constexpr char kYearMissing[] = "请选择出生年!";
constexpr char kMonthMissing[] = "请选择出生月!";
constexpr char kDayMissing[] = "请选择出生日!";
constexpr char kHourMissing[] = "请选择出生小时!";

std::string Format(const char* pattern, auto... args) {
  char buf[256];
  std::snprintf(buf, sizeof buf, pattern, args...);
  return buf;
}

BirthReadResult Refuse(std::string message) { return {std::nullopt, message}; }

std::string NotANumber(const char* field, const std::string& text) {
  return Format("出生%s“%s”不是有效的数字!", field, text.c_str());
}

// The Gregorian dates both calendars can convert.
constexpr CivilDate kFirstSolarDate{1900, 1, 31};
constexpr CivilDate kLastSolarDate{2100, 12, 31};

bool Before(const CivilDate& a, const CivilDate& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day < b.day;
}

}  // namespace

std::optional<std::string> MissingNameMessage(std::string_view surname,
                                              std::string_view given_name) {
  if (Trim(surname).empty()) return kSurnameMissing;
  if (Trim(given_name).empty()) return kGivenNameMissing;
  return std::nullopt;
}

BirthReadResult ReadBirthData(const BirthPanel& panel, bool blood_required) {
  BirthData data;
  data.Surname = Trim(panel.surname);
  data.GivenName = Trim(panel.given_name);
  data.Sex = Trim(panel.sex);
  data.BloodType = Trim(panel.blood_type);
  data.Kind = panel.calendar_item == 0 ? CalendarKind::kGregorian
                                       : CalendarKind::kLunar;
  const std::string year_text = Trim(panel.year);
  const std::string month_text = Trim(panel.month);
  const std::string day_text = Trim(panel.day);
  data.HourItem = Trim(panel.hour_item);
  data.Minute = Trim(panel.minute);

  if (auto missing = MissingNameMessage(data.Surname, data.GivenName)) {
    return Refuse(*missing);
  }
  if (blood_required && data.BloodType.empty()) {
    return Refuse(kBloodTypeMissing);
  }
  if (year_text.empty()) return Refuse(kYearMissing);
  if (month_text.empty()) return Refuse(kMonthMissing);
  if (day_text.empty()) return Refuse(kDayMissing);
  if (data.HourItem.empty()) return Refuse(kHourMissing);

  const auto year = ParseWholeNumber(year_text);
  if (!year) return Refuse(NotANumber("年", year_text));
  const auto month = ParseWholeNumber(month_text);
  if (!month) return Refuse(NotANumber("月", month_text));
  const auto day = ParseWholeNumber(day_text);
  if (!day) return Refuse(NotANumber("日", day_text));
  if (*month < 1 || *month > 12) {
    return Refuse(Format("出生月“%s”不在1至12之间!", month_text.c_str()));
  }

  if (data.Kind == CalendarKind::kGregorian) {
    if (*day < 1 || *day > DaysInMonth(*year, *month)) {
      return Refuse(Format("公历%d年%d月%d日不存在!", *year, *month, *day));
    }
    const CivilDate date{*year, *month, *day};
    if (Before(date, kFirstSolarDate) || Before(kLastSolarDate, date)) {
      return Refuse(
          "出生日期超出可推算的范围:"
          "公历须在1900年1月31日至2100年12月31日之间!");
    }
    data.SolarDate = EncodeDate(date);
  } else {
    if (*year < 1901 || *year > 2099) {
      return Refuse("出生日期超出可推算的范围:农历须在1901年至2099年之间!");
    }
    const LunarDate lunar{*year, *month, *day, false};
    if (!IsValidLunarDate(lunar)) {
      if (*day >= 1 && *day <= 30) {
        return Refuse(Format("农历%d年%d月%d日不存在(该月只有%d天)!", *year,
                             *month, *day, LunarMonthDays(*year, *month)));
      }
      return Refuse(Format("农历%d年%d月%d日不存在!", *year, *month, *day));
    }
    data.SolarDate = LunarToSolar(lunar);
  }

  const CivilDate solar = DecodeDate(data.SolarDate);
  data.Year = solar.year;
  data.Month = solar.month;
  data.Day = solar.day;
  data.Lunar = SolarToLunar(data.SolarDate);
  const std::string year_name = GanZhiYearName(data.Lunar.Year - 1864);
  data.LunarText = year_name +
                   LunarMonthName(data.Lunar.Month, data.Lunar.IsLeap) +
                   LunarDayName(data.Lunar.Day);
  // The animal stands between "(" and "年)" of the year name.
  const std::size_t open = year_name.find('(');
  const std::size_t close = year_name.find("年)");
  if (open != std::string::npos && close != std::string::npos) {
    data.Zodiac = year_name.substr(open + 1, close - open - 1);
  }
  data.Constellation = ConstellationOfDate(data.SolarDate);
  const std::size_t blank = data.HourItem.find(' ');
  data.HourNumber = blank == std::string::npos
                        ? data.HourItem
                        : data.HourItem.substr(blank + 1);
  data.HourBranch = FirstChar(data.HourItem);
  return {std::move(data), {}};
}

std::string ReportHeaderLine(const BirthData& data, DateTime today) {
  const int age = DecodeDate(today).year - data.Year;
  std::string line = data.Surname + data.GivenName;
  line += Format(",你今年:%d岁,您出生于公历 %04d年%02d月%02d日", age, data.Year,
                 data.Month, data.Day);
  line += data.HourNumber + "点  ";
  line += "农历 " + data.LunarText;
  line += " 生肖:" + data.Zodiac;
  line += " 星座:" + data.Constellation;
  return line;
}

}  // namespace kelvara
