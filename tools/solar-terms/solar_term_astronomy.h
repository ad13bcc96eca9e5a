#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

// The twelve sectional terms (节) in the order they fall in a Gregorian year,
// with the apparent solar longitude in degrees that starts each of them.
struct SectionalTerm {
  std::string_view name;
  int longitude;
};

inline constexpr std::array<SectionalTerm, 12> kSectionalTerms{{
    {"小寒", 285},
    {"立春", 315},
    {"惊蛰", 345},
    {"清明", 15},
    {"立夏", 45},
    {"芒种", 75},
    {"小暑", 105},
    {"立秋", 135},
    {"白露", 165},
    {"寒露", 195},
    {"立冬", 225},
    {"大雪", 255},
}};

// Gregorian years the astronomy and the time-scale conversion are made for.
inline constexpr int kFirstSolarTermYear = 1900;
inline constexpr int kLastSolarTermYear = 2100;

// A civil date and time to the whole second.
struct CivilTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Apparent geocentric ecliptic longitude of the Sun in degrees, [0, 360),
// referred to the true equinox and ecliptic of date, at the Julian date
// `tt_jd` in Terrestrial Time. Light-time, annual aberration, precession and
// nutation are applied (ERFA: eraEpv00, eraAb, eraPn06a).
double ApparentSolarLongitude(double tt_jd);

// Julian date (TT) at which the apparent solar longitude reaches `longitude`
// degrees (a multiple of 15 in 0..345) within the Gregorian year `year`
// (kFirstSolarTermYear..kLastSolarTermYear, reckoned in TT). Every such
// longitude is reached exactly once in a year. Example: year 2024, longitude
// 315 (立春) gives JD 2460344.85297, 2024-02-04 08:28:17 TT, which is
// 16:27:08 Beijing time. Throws
// std::out_of_range for a year outside the range and std::invalid_argument
// for a longitude that is not such a multiple.
double SolarTermInstantTt(int year, int longitude);

// TT − UT in seconds at the Julian date `tt_jd` (TT), the difference that
// turns TT into the time civil clocks kept: before 1972 it is ΔT = TT − UT1
// from the Espenak–Meeus polynomials (1860–1972); from 1972-01-01 UTC on it
// is 32.184 s + TAI − UTC, the leap-second count taken from eraDat and held
// at 37 s after the last leap second. Throws std::out_of_range before 1860.
double TtMinusCivilSeconds(double tt_jd);

// Beijing civil time (UTC+8) of the instant `tt_jd` (TT), rounded to the
// nearest second; 23:59:59.5 rounds into the next day.
CivilTime TtToBeijingTime(double tt_jd);

// "YYYY-MM-DD HH:MM:SS", e.g. "2024-02-04 16:26:53".
std::string FormatCivilTime(const CivilTime& time);

// One sectional term of a year: its name, its instant in TT and in Beijing
// civil time.
struct SectionalTermInstant {
  std::string_view name;
  double tt_jd = 0;
  CivilTime beijing;
};

// The twelve sectional terms of the Gregorian year `year`, in the order of
// kSectionalTerms (which is the order of their instants). Same range and
// errors as SolarTermInstantTt.
std::vector<SectionalTermInstant> SectionalTermsOfYear(int year);

}  // namespace kelvara
