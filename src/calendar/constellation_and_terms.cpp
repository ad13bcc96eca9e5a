#include "calendar/constellation_and_terms.h"

#include <algorithm>

namespace kelvara {
namespace {

struct SignRange {
  int first_month, first_day, last_month, last_day;
  std::string_view name;
};

// Inclusive month-day ranges of the report constellations. 摩羯座 runs over
// the turn of the year and is split in two.
constexpr std::array<SignRange, 13> kSignRanges{{
    {12, 22, 12, 31, "摩羯座"},
    {1, 1, 1, 19, "摩羯座"},
    {1, 20, 2, 18, "水瓶座"},
    {2, 19, 3, 20, "双鱼座"},
    {3, 21, 4, 20, "白羊座"},
    {4, 21, 5, 20, "金牛座"},
    {5, 21, 6, 21, "双子座"},
    {6, 22, 7, 22, "巨蟹座"},
    {7, 23, 8, 22, "狮子座"},
    {8, 23, 9, 22, "处女座"},
    {9, 23, 10, 22, "天秤座"},
    {10, 23, 11, 21, "天蝎座"},
    {11, 22, 12, 21, "射手座"},
}};

}  // namespace

std::string ConstellationOfDate(DateTime value) {
  const int year = DecodeDate(value).year;
  if (year < 1 || year > 9999) return {};
  for (const SignRange& r : kSignRanges) {
    const DateTime first = EncodeDate(year, r.first_month, r.first_day);
    const DateTime last = EncodeDate(year, r.last_month, r.last_day);
    if (value >= first && value <= last) return std::string(r.name);
  }
  return {};
}

bool IsJieTerm(std::string_view term_name) {
  return std::find(kJieTermNames.begin(), kJieTermNames.end(), term_name) !=
         kJieTermNames.end();
}

}  // namespace kelvara
