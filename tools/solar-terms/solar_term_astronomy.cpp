#include "solar_term_astronomy.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace kelvara {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// Mean motion of the Sun in longitude, degrees per day; only seeds the
// root search.
constexpr double kMeanDegreesPerDay = 0.9856474;

// TT − TAI, seconds.
constexpr double kTtMinusTai = 32.184;

// 1972-01-01 00:00:00 UTC as a TT Julian date (TAI − UTC was then 10 s).
constexpr double kUtcEraStartTt =
    2441317.5 + (kTtMinusTai + 10.0) / kSecondsPerDay;

// Sectional-term instants are given in China Standard Time all year round.
constexpr double kBeijingOffsetDays = 8.0 / 24.0;

double WrapTo180(double degrees) {
  return degrees - 360.0 * std::round(degrees / 360.0);
}

double JulianDateOfJanuaryFirst(int year) {
  double mjd_zero = 0;
  double mjd = 0;
  if (eraCal2jd(year, 1, 1, &mjd_zero, &mjd) != 0) {
    throw std::out_of_range("year outside the Gregorian calendar");
  }
  return mjd_zero + mjd;
}

// Geocentric position of the Sun in the BCRS (au) as seen at `tt_jd`: the
// Sun where it was when the light left it.
void GeometricSunCorrectedForLightTime(double tt_jd, double sun[3],
                                       double earth_barycentric_velocity[3],
                                       double* sun_distance) {
  const double date2 = tt_jd - ERFA_DJ00;
  double earth_heliocentric[2][3];
  double earth_barycentric[2][3];
  eraEpv00(ERFA_DJ00, date2, earth_heliocentric, earth_barycentric);
  eraCp(earth_barycentric[1], earth_barycentric_velocity);
  *sun_distance = eraPm(earth_heliocentric[0]);

  eraSxp(-1.0, earth_heliocentric[0], sun);
  for (int pass = 0; pass < 2; ++pass) {
    const double light_time_days = eraPm(sun) * ERFA_AULT / ERFA_DAYSEC;
    double then_heliocentric[2][3];
    double then_barycentric[2][3];
    eraEpv00(ERFA_DJ00, date2 - light_time_days, then_heliocentric,
             then_barycentric);
    double sun_barycentric_then[3];
    eraPmp(then_barycentric[0], then_heliocentric[0], sun_barycentric_then);
    eraPmp(sun_barycentric_then, earth_barycentric[0], sun);
  }
}

// ΔT = TT − UT1 in seconds for a decimal year in [1860, 1986): the
// polynomials of Espenak and Meeus (NASA, Five Millennium Canon of Solar
// Eclipses, 2006).
double EspenakMeeusDeltaT(double y) {
  if (y < 1860.0) {
    throw std::out_of_range("no ΔT before 1860");
  }
  if (y < 1900.0) {
    const double t = y - 1860.0;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
           0.0004473624 * t * t * t * t + t * t * t * t * t / 233174.0;
  }
  if (y < 1920.0) {
    const double t = y - 1900.0;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
           0.000197 * t * t * t * t;
  }
  if (y < 1941.0) {
    const double t = y - 1920.0;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961.0) {
    const double t = y - 1950.0;
    return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
  }
  const double t = y - 1975.0;
  return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
}

// TAI − UTC in seconds at the UTC Julian date `utc_jd` (1972 or later).
double TaiMinusUtc(double utc_jd) {
  int year = 0;
  int month = 0;
  int day = 0;
  double fraction = 0;
  if (eraJd2cal(utc_jd, 0.0, &year, &month, &day, &fraction) != 0) {
    throw std::out_of_range("date outside the Gregorian calendar");
  }
  double seconds = 0;
  // A positive status only says the year lies past the leap seconds this
  // ERFA knows; the count it returns then is the last one, which is the
  // value to keep.
  if (eraDat(year, month, day, fraction, &seconds) < 0) {
    throw std::out_of_range("no TAI - UTC for this date");
  }
  return seconds;
}

}  // namespace

double ApparentSolarLongitude(double tt_jd) {
  double sun[3];
  double velocity_au_per_day[3];
  double sun_distance = 0;
  GeometricSunCorrectedForLightTime(tt_jd, sun, velocity_au_per_day,
                                    &sun_distance);

  double direction[3];
  eraPn(sun, &sun_distance, direction);
  double velocity[3];
  eraSxp(ERFA_AULT / ERFA_DAYSEC, velocity_au_per_day, velocity);
  const double inverse_lorentz =
      std::sqrt(1.0 - eraPm(velocity) * eraPm(velocity));
  double apparent_gcrs[3];
  eraAb(direction, velocity, sun_distance, inverse_lorentz, apparent_gcrs);

  double dpsi = 0;
  double deps = 0;
  double mean_obliquity = 0;
  double rb[3][3];
  double rp[3][3];
  double rbp[3][3];
  double rn[3][3];
  double rbpn[3][3];
  eraPn06a(ERFA_DJ00, tt_jd - ERFA_DJ00, &dpsi, &deps, &mean_obliquity, rb, rp,
           rbp, rn, rbpn);
  double true_equatorial[3];
  eraRxp(rbpn, apparent_gcrs, true_equatorial);

  const double obliquity = mean_obliquity + deps;
  const double ecliptic_y = true_equatorial[1] * std::cos(obliquity) +
                            true_equatorial[2] * std::sin(obliquity);
  return eraAnp(std::atan2(ecliptic_y, true_equatorial[0])) * ERFA_DR2D;
}

double SolarTermInstantTt(int year, int longitude) {
  if (year < kFirstSolarTermYear || year > kLastSolarTermYear) {
    throw std::out_of_range("solar terms are computed for 1900-2100");
  }
  if (longitude < 0 || longitude >= 360 || longitude % 15 != 0) {
    throw std::invalid_argument("longitude must be a multiple of 15 degrees");
  }
  const double year_start = JulianDateOfJanuaryFirst(year);
  const double year_end = JulianDateOfJanuaryFirst(year + 1);

  // The Sun stands near 280° on 1 January, so the degrees still to go from
  // there place every multiple of 15° inside the year.
  double ahead =
      std::fmod(longitude - ApparentSolarLongitude(year_start), 360.0);
  if (ahead < 0) ahead += 360.0;

  // Secant iterations on the longitude still to go.
  double t0 = year_start + ahead / kMeanDegreesPerDay;
  double f0 = WrapTo180(longitude - ApparentSolarLongitude(t0));
  double t1 = t0 + f0 / kMeanDegreesPerDay;
  for (int iteration = 0; iteration < 30; ++iteration) {
    const double f1 = WrapTo180(longitude - ApparentSolarLongitude(t1));
    if (f1 == f0) break;
    const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
    t0 = t1;
    f0 = f1;
    t1 = t2;
    if (std::abs(t1 - t0) < 1e-8) break;
  }
  if (std::abs(WrapTo180(longitude - ApparentSolarLongitude(t1))) > 1e-6 ||
      t1 < year_start || t1 >= year_end) {
    throw std::logic_error("solar longitude search did not converge");
  }
  return t1;
}

double TtMinusCivilSeconds(double tt_jd) {
  if (tt_jd < kUtcEraStartTt) {
    const double decimal_year = 2000.0 + (tt_jd - ERFA_DJ00) / ERFA_DJY;
    return EspenakMeeusDeltaT(decimal_year);
  }
  // TAI − UTC is looked up on the UTC date, which itself depends on it: the
  // second pass settles it (it only moves at a leap second).
  double tai_minus_utc = 37.0;
  for (int pass = 0; pass < 2; ++pass) {
    tai_minus_utc =
        TaiMinusUtc(tt_jd - (kTtMinusTai + tai_minus_utc) / kSecondsPerDay);
  }
  return kTtMinusTai + tai_minus_utc;
}

CivilTime TtToBeijingTime(double tt_jd) {
  // Whole and fractional day are kept apart so the sub-second part survives
  // the shifts; civil days start at JD n − 0.5 for the day numbered n.
  const double whole = std::floor(tt_jd);
  const double fraction = tt_jd - whole + 0.5 + kBeijingOffsetDays -
                          TtMinusCivilSeconds(tt_jd) / kSecondsPerDay;
  const long long seconds = std::llround(fraction * kSecondsPerDay);
  long long day_shift = seconds / 86400;
  long long second_of_day = seconds % 86400;
  if (second_of_day < 0) {
    second_of_day += 86400;
    --day_shift;
  }
  CivilTime time;
  double unused = 0;
  if (eraJd2cal(whole + static_cast<double>(day_shift), 0.0, &time.year,
                &time.month, &time.day, &unused) != 0) {
    throw std::out_of_range("date outside the Gregorian calendar");
  }
  time.hour = static_cast<int>(second_of_day / 3600);
  time.minute = static_cast<int>(second_of_day / 60 % 60);
  time.second = static_cast<int>(second_of_day % 60);
  return time;
}

std::string FormatCivilTime(const CivilTime& time) {
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year,
                time.month, time.day, time.hour, time.minute, time.second);
  return text;
}

std::vector<SectionalTermInstant> SectionalTermsOfYear(int year) {
  std::vector<SectionalTermInstant> terms;
  terms.reserve(kSectionalTerms.size());
  for (const SectionalTerm& term : kSectionalTerms) {
    const double tt_jd = SolarTermInstantTt(year, term.longitude);
    terms.push_back({term.name, tt_jd, TtToBeijingTime(tt_jd)});
  }
  return terms;
}

}  // namespace kelvara
