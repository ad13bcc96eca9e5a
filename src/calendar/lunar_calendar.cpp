#include "calendar/lunar_calendar.h"

#include <algorithm>
#include <cmath>

namespace kelvara {
namespace {

constexpr int kYearCount = kLastLunarYear - kFirstLunarYear + 1;

// One entry per lunar year 1900..2100. Bits 15..4: months 1..12, set = 30
// days. Bits 3..0: the month the leap month follows (0 none); 15 means no leap
// month and says that the leap month of the year before has 30 days.
constexpr std::array<uint16_t, kYearCount> kLunarYearTable{
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260,
    0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2,  // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295,
    0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977,  // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40,
    0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970,  // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF,
    0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F,  // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4,
    0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557,  // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0,
    0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0,  // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570,
    0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0,  // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4,
    0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6,  // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A,
    0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570,  // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50,
    0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0,  // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552,
    0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5,  // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9,
    0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930,  // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60,
    0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,  // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0,
    0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45,  // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577,
    0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0,  // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0,
    0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF,  // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0,
    0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4,  // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6,
    0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0,  // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50,
    0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260,  // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF,
    0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252,  // 2090
    0xD520,                                  // 2100
};
static_assert(kLunarYearTable.size() == 201);

// Minutes of each solar term after the start of a year's term cycle.
constexpr std::array<long, 24> kSolarTermMinutes{
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
    173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
    353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

constexpr DateTime kLunar1900NewYear = 32;     // 1900-01-31
constexpr DateTime kLunar2000NewYear = 36561;  // 2000-02-05
constexpr DateTime kEndOfRange = 73416;        // 2101-01-01

constexpr uint16_t Entry(int year) {
  return kLunarYearTable[static_cast<std::size_t>(year - kFirstLunarYear)];
}

constexpr int LeapMonthOf(int year) {
  const int nibble = Entry(year) & 0xF;
  return nibble == 15 ? 0 : nibble;
}

constexpr int LeapMonthDaysOf(int year) {
  if (LeapMonthOf(year) == 0) return 0;
  return year < kLastLunarYear && (Entry(year + 1) & 0xF) == 15 ? 30 : 29;
}

constexpr int MonthDaysOf(int year, int month) {
  const int bit = month <= 1 ? 15 : 15 - (month - 1);
  if (bit < 0) return 29;
  return (Entry(year) >> bit) & 1 ? 30 : 29;
}

constexpr int YearDaysOf(int year) {
  int days = 348;
  for (int bit = 15; bit >= 4; --bit) days += (Entry(year) >> bit) & 1;
  return days + LeapMonthDaysOf(year);
}

// Days from lunar 1900-1-1 to the first day of each lunar year 1900..2101.
constexpr std::array<int, kYearCount + 1> MakeNewYearOffsets() {
  std::array<int, kYearCount + 1> offsets{};
  for (int i = 0; i < kYearCount; ++i) {
    offsets[i + 1] = offsets[i] + YearDaysOf(kFirstLunarYear + i);
  }
  return offsets;
}
constexpr std::array<int, kYearCount + 1> kNewYearOffsets =
    MakeNewYearOffsets();
static_assert(kNewYearOffsets[100] == kLunar2000NewYear - kLunar1900NewYear);

bool InTable(int year) {
  return year >= kFirstLunarYear && year <= kLastLunarYear;
}

}  // namespace

int LeapMonth(int year) { return InTable(year) ? LeapMonthOf(year) : 0; }

int LeapMonthDays(int year) {
  return InTable(year) ? LeapMonthDaysOf(year) : 0;
}

int LunarMonthDays(int year, int month) {
  return InTable(year) ? MonthDaysOf(year, month) : 0;
}

int LunarYearDays(int year) { return InTable(year) ? YearDaysOf(year) : 0; }

LunarDate SolarToLunar(DateTime value) {
  if (!(value >= kLunar1900NewYear && value < kEndOfRange)) return {};
  int r =
      static_cast<int>(std::trunc(value)) - static_cast<int>(kLunar1900NewYear);

  // The year: the last one whose first day is not after the day.
  const auto next = std::upper_bound(kNewYearOffsets.begin() + 1,
                                     kNewYearOffsets.end() - 1, r);
  const int index = static_cast<int>(next - kNewYearOffsets.begin()) - 1;
  const int year = kFirstLunarYear + index;
  r -= kNewYearOffsets[index];

  // The month: regular months in order, each leap month after its namesake.
  const int leap = LeapMonthOf(year);
  bool is_leap = false;
  int month = 0;
  int length = 0;
  do {
    ++month;
    length = MonthDaysOf(year, month);
    r -= length;
    if (r >= 0 && month == leap) {
      length = LeapMonthDaysOf(year);
      r -= length;
      if (r < 0) is_leap = true;
    }
  } while (r >= 0);
  r += length;
  return {year, month, r + 1, is_leap};
}

bool IsValidLunarDate(const LunarDate& d) {
  // Month and day below 1 are refused as well: they name no day, and letting
  // them through would count days backwards from the month's start.
  if (d.Year < 1901 || d.Year > 2099 || d.Month < 1 || d.Month > 12 ||
      d.Day < 1 || d.Day > 30) {
    return false;
  }
  if (d.IsLeap) {
    return d.Month == LeapMonthOf(d.Year) && d.Day <= LeapMonthDaysOf(d.Year);
  }
  return d.Day <= MonthDaysOf(d.Year, d.Month);
}

DateTime InvalidSolarDate() { return EncodeDate(1, 1, 1); }

DateTime LunarToSolar(const LunarDate& d) {
  if (!IsValidLunarDate(d)) return InvalidSolarDate();
  const int leap = LeapMonthOf(d.Year);
  int s = 0;
  for (int i = 1; i < d.Month; ++i) {
    s += MonthDaysOf(d.Year, i);
    if (i == leap) s += LeapMonthDaysOf(d.Year);
  }
  s += d.Day - 1;
  if (d.Month == leap && d.IsLeap) s += MonthDaysOf(d.Year, d.Month);
  return kLunar1900NewYear +
         kNewYearOffsets[static_cast<std::size_t>(d.Year - kFirstLunarYear)] +
         s;
}

std::string GanZhiYearName(int cycle) {
  if (cycle < 0) return {};
  std::string text(kStemNames[static_cast<std::size_t>(cycle % 10)]);
  text += kBranchNames[static_cast<std::size_t>(cycle % 12)];
  text += "(";
  text += kAnimalNames[static_cast<std::size_t>(cycle % 12)];
  text += "年)";
  return text;
}

std::string LunarMonthName(int month, bool is_leap) {
  std::string text = is_leap ? "闰" : "";
  if (month >= 1 && month <= 10) {
    text += kNumeralNames[static_cast<std::size_t>(month)];
  } else if (month == 11 || month == 12) {
    text += "十";
    text += kNumeralNames[static_cast<std::size_t>(month - 10)];
  }
  return text + "月";
}

std::string LunarDayName(int day) {
  std::string text;
  if (day >= 1 && day <= 10) {
    text = "初";
    text += kNumeralNames[static_cast<std::size_t>(day)];
  } else if (day >= 11 && day <= 19) {
    text = "十";
    text += kNumeralNames[static_cast<std::size_t>(day - 10)];
  } else if (day == 20) {
    text = "二十";
  } else if (day >= 21 && day <= 29) {
    text = "廿";
    text += kNumeralNames[static_cast<std::size_t>(day - 20)];
  } else if (day == 30) {
    text = "三十";
  }
  return text;
}

DateTime SolarTermInstant(int year, int term) {
  if (term < 0 || term > 23) return InvalidSolarDate();
  // The product in extended precision; the sum stored as a double and rounded
  // to the millisecond, halves to even.
  const long double product =
      31556925974.7L * static_cast<long double>(year - 1900);
  const double sum = static_cast<double>(
      product +
      static_cast<long double>(
          kSolarTermMinutes[static_cast<std::size_t>(term)] * 60000L));
  const double ms = std::nearbyint(sum);  // default rounding: halves to even
  const DateTime base = EncodeDate(1900, 1, 6) + EncodeTime(2, 5, 0);
  return static_cast<double>(
      (static_cast<long double>(base) * 86400000.0L + ms) / 86400000.0L);
}

std::string SolarTermOfDay(DateTime value) {
  const CivilDate d = DecodeDate(value);
  for (int term : {2 * d.month - 2, 2 * d.month - 1}) {
    if (DateOf(SolarTermInstant(d.year, term)) == value) {
      return std::string(kSolarTermNames[static_cast<std::size_t>(term)]);
    }
  }
  return {};
}

}  // namespace kelvara
