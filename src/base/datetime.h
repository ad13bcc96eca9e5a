#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvara {

// A point in time as the whole program counts it: days since 1899-12-30 00:00,
// the fraction being the time of day. 1900-01-31 is day 32, 2101-01-01 is day
// 73416. Dates are proleptic Gregorian; whole values are midnights.
using DateTime = double;

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

bool IsLeapYear(int year);

// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// True for an existing Gregorian date of the years 1..9999.
bool IsValidDate(int year, int month, int day);

// The midnight of a date; the date must satisfy IsValidDate.
DateTime EncodeDate(int year, int month, int day);
inline DateTime EncodeDate(const CivilDate& d) {
  return EncodeDate(d.year, d.month, d.day);
}
// nullopt for a date that does not exist.
std::optional<DateTime> TryEncodeDate(int year, int month, int day);

// The fraction of a day of a time; the fields must be in range.
DateTime EncodeTime(int hour, int minute, int second, int millisecond = 0);

// The calendar date of the day a value falls in (its fraction is dropped).
CivilDate DecodeDate(DateTime value);
// The time of day of a value, to the nearest millisecond.
TimeOfDay DecodeTime(DateTime value);

// The midnight of the day a value falls in.
DateTime DateOf(DateTime value);

// 0 = Sunday, 1 = Monday, ..., 6 = Saturday.
int DayOfWeek(DateTime value);

// Day of the year counted from 0 (1 January is 0).
int DayOfYear(DateTime value);

// "YYYY-MM-DD".
std::string FormatDate(DateTime value);
// "YYYY-MM-DD HH:MM:SS".
std::string FormatDateTime(DateTime value);

// Parses "YYYY-MM-DD" (exactly that shape); nullopt for anything else or a
// date that does not exist.
std::optional<DateTime> ParseIsoDate(std::string_view text);
// Parses "YYYY-MM-DD HH:MM:SS".
std::optional<DateTime> ParseIsoDateTime(std::string_view text);

}  // namespace kelvara
