#include "pillars/pillar_engine.h"

#include <cmath>

#include "base/datetime.h"
#include "base/text.h"
#include "calendar/constellation_and_terms.h"
#include "calendar/lunar_calendar.h"
#include "pillars/jie_moment.h"
#include "pillars/personality_texts.h"
#include "pillars/pillar_attributes.h"

namespace kelvara {
namespace {

struct MonthRange {
  int first_key, last_key;
  int branch;  // cyclic
};

// The month branches by month-day key, on the fixed days of the sectional
// terms.
constexpr MonthRange kMonthRanges[] = {
    {204, 305, 3},    {306, 404, 4},   {405, 504, 5},   {505, 605, 6},
    {606, 706, 7},    {707, 807, 8},   {808, 907, 9},   {908, 1007, 10},
    {1008, 1106, 11}, {1107, 1207, 0}, {1208, 1231, 1}, {101, 105, 1},
    {106, 203, 2},
};

// The estimated days to the month's sectional term, used when no term is
// found within 32 days.
int EstimatedDays(int cyclic_branch, int key, int month, int day) {
  switch (cyclic_branch) {
    case 3:
      return ((month - 2) * 30 + day - 4) / 3;
    case 4:
      return ((month - 3) * 30 + day - 6) / 3;
    case 5:
      return ((month - 4) * 30 + day - 5) / 3;
    case 6:
      return ((month - 5) * 30 + day - 5) / 3;
    case 7:
      return ((month - 6) * 30 + day - 6) / 3;
    case 8:
      return ((month - 7) * 30 + day - 7) / 3;
    case 9:
      return ((month - 8) * 30 + day - 8) / 3;
    case 10:
      return ((month - 9) * 30 + day - 8) / 3;
    case 11:
      return ((month - 10) * 30 + day - 8) / 3;
    case 0:
      return ((month - 11) * 30 + day - 7) / 3;
    case 1:
      return key >= 1208 ? (day - 8) / 3 : (day + 30 - 4) / 3;
    case 2:
      return ((month - 1) * 30 + day - 6) / 3;
  }
  return 0;
}

// Days from `from` to the nearest day (forward or backward) on which a
// sectional term falls by the mean-term formula, or nullopt within 32 days.
std::optional<int> DaysToSectionalTerm(DateTime from, bool backward) {
  for (int j = 1; j <= 32; ++j) {
    const DateTime day = backward ? from - j : from + j;
    const std::string term = SolarTermOfDay(day);
    if (!term.empty() && IsJieTerm(Trim(term))) return j;
  }
  return std::nullopt;
}

std::string StemName(int cyclic) {
  return std::string(
      kCyclicStemNames[static_cast<std::size_t>(WrapIndex(cyclic, 10))]);
}
std::string BranchName(int cyclic) {
  return std::string(
      kCyclicBranchNames[static_cast<std::size_t>(WrapIndex(cyclic, 12))]);
}

}  // namespace

PillarChartResult ComputePillarChart(const ReferenceStore& store, int year,
                                     int month, int day, int hour,
                                     int lunar_day, int minute,
                                     std::string_view sex) {
  (void)lunar_day;
  // 1. A day the month does not have.
  if (!IsValidDate(year, month, day)) {
    return {std::nullopt, std::string(kImpossibleDayMessage)};
  }
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
    throw InvalidBirthMoment("出生时刻无效");
  }
  PillarChart c;
  const DateTime birth_day = EncodeDate(year, month, day);
  const DateTime moment = birth_day + EncodeTime(hour, minute, 0);

  // 2. The one correction: born on a sectional term's day before its instant.
  c.BornBeforeJie = IsBeforeJieMoment(store, year, moment);
  const int key = month * 100 + day - (c.BornBeforeJie ? 1 : 0);

  // 3. Month branch and the fallback day count.
  int mb = 2;
  for (const MonthRange& r : kMonthRanges) {
    if (key >= r.first_key && key <= r.last_key) {
      mb = r.branch;
      break;
    }
  }
  const int estimate = EstimatedDays(mb, key, month, day);

  // 4. The year turns with the month 寅.
  const int year_offset = key >= 204 ? 3 : 4;
  const int ys = WrapIndex(year - year_offset, 10);
  const int yb = WrapIndex(year - year_offset, 12);
  // 5. Month stem.
  const int ms =
      mb >= 3 ? WrapIndex(2 * ys + mb + 8, 10) : WrapIndex(2 * ys + mb, 10);
  // 6. Day pillar by formula.
  const int g = year - 1;
  const int base = 5 * g + g / 4 - g / 100 + g / 400;
  const int n = DayOfYear(birth_day) + 1;
  const int index = WrapIndex(base + n + 6015, 60);
  const int ds = index % 10;
  const int db = index % 12;
  // 7. Hour pillar; the hour 23 keeps the day of its calendar date.
  const int hb = WrapIndex((hour + 3) / 2, 12);
  const int hs =
      hb != 0 ? WrapIndex(2 * ds + hb + 8, 10) : WrapIndex(2 * ds, 10);

  // 8. The eight characters.
  c.YearStem = StemName(ys);
  c.YearBranch = BranchName(yb);
  c.MonthStem = StemName(ms);
  c.MonthBranch = BranchName(mb);
  c.DayStem = StemName(ds);
  c.DayBranch = BranchName(db);
  c.HourStem = StemName(hs);
  c.HourBranch = BranchName(hb);
  c.HourStemIndex = WrapIndex(hs + 9, 10);
  c.HourBranchIndex = WrapIndex(hb + 11, 12);

  // 9. Conception pillar: one stem and three branches on from the month.
  c.ConceptionPillar = StemName(ms + 1) + BranchName(mb + 3) + " ";

  // 10. Direction and start age.
  const bool yin_year = c.YearStem == "乙" || c.YearStem == "丁" ||
                        c.YearStem == "己" || c.YearStem == "辛" ||
                        c.YearStem == "癸";
  const bool male = sex == "男";
  c.Reverse = yin_year == male;
  const int d = DaysToSectionalTerm(birth_day, c.Reverse).value_or(estimate);
  int start_age = d / 3 + (d % 3 != 0 ? 1 : 0);
  if (start_age == 0) start_age = 10;
  if (start_age != 10) start_age = WrapIndex(start_age, 10);
  c.StartAge = start_age;
  c.StartAgeText = std::to_string(start_age);

  // 11. Hidden stems.
  const int to_next_term = DaysToSectionalTerm(birth_day, false).value_or(33);
  const int lunar_year = SolarToLunar(birth_day + to_next_term).Year;
  c.HiddenStemsYear = std::string(kHiddenStemTable[static_cast<std::size_t>(
      WrapIndex(lunar_year - 1924, 12))]);
  c.HiddenStemsMonth = std::string(
      kHiddenStemTable[static_cast<std::size_t>(WrapIndex(month, 12))]);
  const int r = static_cast<int>(std::lround((hour + 0.6) / 2));
  c.HiddenStemsHour =
      std::string(kHiddenStemTable[static_cast<std::size_t>(WrapIndex(r, 12))]);

  // 12. Luck pillars, starting with the month pillar.
  c.LuckNayinLine = "纳音：";
  c.LuckTenGodLine = "十神：";
  for (int k = 0; k < 10; ++k) {
    const int step = c.Reverse ? -k : k;
    const std::string stem = StemName(ms + step);
    const std::string pillar = stem + BranchName(mb + step);
    c.LuckPillarsText += pillar + "   ";
    c.LuckNayinLine += NayinOf(store, pillar) + " ";
    c.LuckTenGodLine += TenGodOf(store, c.DayStem + stem) + "   ";
  }
  c.LuckPillarsText = Trim(c.LuckPillarsText);

  // 13. The personality text of the birthday.
  c.PersonalityText = BirthdayPersonality(month, day);
  return {std::move(c), {}};
}

std::optional<PillarChart> WritePersonalitySummary(
    const ReferenceStore& store, int year, int month, int day, int hour,
    int lunar_day, int minute, std::string_view sex, ReportDocument& document) {
  PillarChartResult result =
      ComputePillarChart(store, year, month, day, hour, lunar_day, minute, sex);
  if (!result.chart) return std::nullopt;
  document.AddLine(kSectionSeparator);
  document.AddLine("");
  document.AddLine("性格简评：");
  document.AddLine("    " + result.chart->PersonalityText);
  document.AddLine("");
  return result.chart;
}

}  // namespace kelvara
