#include "base/datetime.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kelvara {
namespace {

// Days from 0001-01-01 to 1899-12-30, the zero of DateTime.
constexpr long kEpochOffset = 693593;

// Days since 0001-01-01 (day 0) of a proleptic Gregorian date.
long DaysFromCivil(int y, int m, int d) {
  static constexpr int kCumulative[12] = {0,   31,  59,  90,  120, 151,
                                          181, 212, 243, 273, 304, 334};
  const long yy = y - 1;
  long days = yy * 365 + yy / 4 - yy / 100 + yy / 400;
  days += kCumulative[m - 1] + (m > 2 && IsLeapYear(y) ? 1 : 0);
  return days + d - 1;
}

// Inverse of DaysFromCivil (Howard Hinnant's civil_from_days, shifted).
CivilDate CivilFromDays(long n) {
  // Shift to days since 0000-03-01.
  long z = n + 306;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  return {static_cast<int>(y), m, d};
}

bool ParseFixed(std::string_view text, int& out) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && ptr == text.data() + text.size();
}

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30,
                                    31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

DateTime EncodeDate(int year, int month, int day) {
  assert(IsValidDate(year, month, day));
  return static_cast<DateTime>(DaysFromCivil(year, month, day) - kEpochOffset);
}

std::optional<DateTime> TryEncodeDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return EncodeDate(year, month, day);
}

DateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  assert(hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 &&
         second < 60 && millisecond >= 0 && millisecond < 1000);
  const long ms = ((hour * 60L + minute) * 60L + second) * 1000L + millisecond;
  return static_cast<double>(ms) / 86400000.0;
}

CivilDate DecodeDate(DateTime value) {
  return CivilFromDays(static_cast<long>(std::floor(value)) + kEpochOffset);
}

TimeOfDay DecodeTime(DateTime value) {
  double fraction = value - std::floor(value);
  long ms = std::lround(fraction * 86400000.0);
  if (ms >= 86400000L) ms = 86400000L - 1;
  TimeOfDay t;
  t.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  t.second = static_cast<int>(ms % 60);
  ms /= 60;
  t.minute = static_cast<int>(ms % 60);
  t.hour = static_cast<int>(ms / 60);
  return t;
}

DateTime DateOf(DateTime value) { return std::floor(value); }

int DayOfWeek(DateTime value) {
  // 1899-12-30 was a Saturday.
  long n = static_cast<long>(std::floor(value));
  long w = (n + 6) % 7;
  return static_cast<int>(w < 0 ? w + 7 : w);
}

int DayOfYear(DateTime value) {
  const CivilDate d = DecodeDate(value);
  return static_cast<int>(std::floor(value) - EncodeDate(d.year, 1, 1));
}

std::string FormatDate(DateTime value) {
  const CivilDate d = DecodeDate(value);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

std::string FormatDateTime(DateTime value) {
  // Round to the second first, so 23:59:59.6 moves to the next day whole.
  const double seconds = std::round(value * 86400.0);
  const DateTime rounded = seconds / 86400.0;
  const TimeOfDay t = DecodeTime(rounded);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s %02d:%02d:%02d",
                FormatDate(rounded).c_str(), t.hour, t.minute, t.second);
  return buf;
}

std::optional<DateTime> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  int y = 0, m = 0, d = 0;
  if (!ParseFixed(text.substr(0, 4), y) || !ParseFixed(text.substr(5, 2), m) ||
      !ParseFixed(text.substr(8, 2), d)) {
    return std::nullopt;
  }
  return TryEncodeDate(y, m, d);
}

std::optional<DateTime> ParseIsoDateTime(std::string_view text) {
  if (text.size() != 19 || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  auto date = ParseIsoDate(text.substr(0, 10));
  int h = 0, mi = 0, s = 0;
  if (!date || !ParseFixed(text.substr(11, 2), h) ||
      !ParseFixed(text.substr(14, 2), mi) ||
      !ParseFixed(text.substr(17, 2), s) || h > 23 || mi > 59 || s > 59) {
    return std::nullopt;
  }
  return *date + EncodeTime(h, mi, s);
}

}  // namespace kelvara
