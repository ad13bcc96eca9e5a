#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "solar_term_astronomy.h"

namespace kelvara {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// Julian date of a proleptic Gregorian calendar instant.
double JulianDate(int year, int month, int day, double seconds_of_day) {
  // Days from 1970-01-01 (H. Hinnant's days_from_civil).
  year -= month <= 2 ? 1 : 0;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int year_of_era = year - era * 400;
  const int day_of_year =
      (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  const long days = static_cast<long>(era) * 146097 + day_of_era - 719468;
  return 2440587.5 + static_cast<double>(days) +
         seconds_of_day / kSecondsPerDay;
}

double Hms(int hour, int minute, double second) {
  return hour * 3600.0 + minute * 60.0 + second;
}

// --- Astronomy --------------------------------------------------------------

TEST(SolarTermInstantTtTest, MatchesDe431AtEveryFifteenDegrees) {
  // TT instants of every multiple of 15° of apparent solar longitude,
  // 1900-2100, from the JPL DE431 ephemeris. Tolerance 1 s.
  std::ifstream fixture(KELVARA_SOLAR_LONGITUDE_FIXTURE);
  ASSERT_TRUE(fixture) << KELVARA_SOLAR_LONGITUDE_FIXTURE;
  int year = 0;
  int longitude = 0;
  double expected_jd = 0;
  int lines = 0;
  double max_error = 0;
  std::string worst;
  while (fixture >> year >> longitude >> expected_jd) {
    ++lines;
    const double error_seconds =
        (SolarTermInstantTt(year, longitude) - expected_jd) * kSecondsPerDay;
    EXPECT_LT(std::abs(error_seconds), 1.0)
        << year << " " << longitude << "°: off by " << error_seconds << " s";
    if (std::abs(error_seconds) > std::abs(max_error)) {
      max_error = error_seconds;
      worst = std::to_string(year) + " " + std::to_string(longitude) + "°";
    }
  }
  EXPECT_EQ(lines, (kLastSolarTermYear - kFirstSolarTermYear + 1) * 24);
  std::cout << "largest difference from DE431: " << max_error << " s at "
            << worst << "\n";
  RecordProperty("max_error_seconds", std::to_string(max_error));
}

TEST(SolarTermInstantTtTest, RejectsYearsAndLongitudesOutsideItsDomain) {
  EXPECT_THROW(SolarTermInstantTt(1899, 315), std::out_of_range);
  EXPECT_THROW(SolarTermInstantTt(2101, 315), std::out_of_range);
  EXPECT_THROW(SolarTermInstantTt(2000, 10), std::invalid_argument);
  EXPECT_THROW(SolarTermInstantTt(2000, 360), std::invalid_argument);
  EXPECT_THROW(SolarTermInstantTt(2000, -15), std::invalid_argument);
}

// --- Time scales ------------------------------------------------------------

struct TtMinusCivilCase {
  const char* label;
  double tt_jd;
  double expected_seconds;
  double tolerance;
};

TEST(TtMinusCivilSecondsTest, FollowsDeltaTThenUtc) {
  // Before 1972: observed ΔT (NASA, "Historical values of ΔT"), which the
  // polynomials follow to well under a second. From 1972: 32.184 s plus the
  // IERS leap-second count, exact.
  const TtMinusCivilCase cases[] = {
      {"1900.0 observed ΔT", JulianDate(1900, 1, 1, 0), -2.7, 1.0},
      {"1910.0 observed ΔT", JulianDate(1910, 1, 1, 0), 10.5, 1.0},
      {"1920.0 observed ΔT", JulianDate(1920, 1, 1, 0), 21.2, 1.0},
      {"1930.0 observed ΔT", JulianDate(1930, 1, 1, 0), 24.0, 1.0},
      {"1940.0 observed ΔT", JulianDate(1940, 1, 1, 0), 24.4, 1.0},
      {"1950.0 observed ΔT", JulianDate(1950, 1, 1, 0), 29.1, 1.0},
      {"1960.0 observed ΔT", JulianDate(1960, 1, 1, 0), 33.2, 1.0},
      {"1970.0 observed ΔT", JulianDate(1970, 1, 1, 0), 40.2, 1.0},
      {"1972-01-01, TAI-UTC 10 s", JulianDate(1972, 1, 1, Hms(12, 0, 0)),
       42.184, 1e-6},
      {"1980-01-01, TAI-UTC 19 s", JulianDate(1980, 1, 1, Hms(12, 0, 0)),
       51.184, 1e-6},
      {"2000-01-01, TAI-UTC 32 s", JulianDate(2000, 1, 1, Hms(12, 0, 0)),
       64.184, 1e-6},
      {"an hour before the 2017 leap second",
       JulianDate(2016, 12, 31, Hms(23, 1, 8.184)), 68.184, 1e-6},
      {"an hour after the 2017 leap second",
       JulianDate(2017, 1, 1, Hms(1, 1, 9.184)), 69.184, 1e-6},
      {"2024, TAI-UTC 37 s", JulianDate(2024, 2, 4, Hms(8, 28, 0)), 69.184,
       1e-6},
      {"2100, TAI-UTC held at 37 s", JulianDate(2100, 12, 31, 0), 69.184, 1e-6},
  };
  for (const TtMinusCivilCase& c : cases) {
    EXPECT_NEAR(TtMinusCivilSeconds(c.tt_jd), c.expected_seconds, c.tolerance)
        << c.label;
  }
}

TEST(TtMinusCivilSecondsTest, DeltaTMeetsUtcWithoutAJumpIn1972) {
  const double utc_start_tt = JulianDate(1972, 1, 1, 42.184);
  const double before =
      TtMinusCivilSeconds(utc_start_tt - 1.0 / kSecondsPerDay);
  const double after = TtMinusCivilSeconds(utc_start_tt + 1.0 / kSecondsPerDay);
  EXPECT_NEAR(before, after, 0.2);
}

struct BeijingTimeCase {
  const char* label;
  double tt_jd;
  const char* expected;
};

TEST(TtToBeijingTimeTest, ShiftsToUtcPlusEightAndRoundsToTheSecond) {
  const BeijingTimeCase cases[] = {
      // J2000.0: UTC 11:58:55.816.
      {"J2000.0", JulianDate(2000, 1, 1, Hms(12, 0, 0)), "2000-01-01 19:58:56"},
      {"1950, from ΔT 29.07 s", JulianDate(1950, 1, 1, Hms(12, 0, 0)),
       "1950-01-01 19:59:31"},
      {"first day of leap-second UTC", JulianDate(1972, 1, 1, Hms(12, 0, 0)),
       "1972-01-01 19:59:18"},
      {"before the 2017 leap second", JulianDate(2016, 12, 31, Hms(15, 0, 0)),
       "2016-12-31 22:58:52"},
      {"after the 2017 leap second", JulianDate(2017, 1, 1, Hms(1, 0, 0)),
       "2017-01-01 08:58:51"},
      // Beijing 23:59:59.6 and 23:59:59.4 on New Year's Eve.
      {"rounds up into the next year",
       JulianDate(2023, 12, 31, Hms(16, 1, 8.784)), "2024-01-01 00:00:00"},
      {"rounds down within the day",
       JulianDate(2023, 12, 31, Hms(16, 1, 8.584)), "2023-12-31 23:59:59"},
      {"past the leap seconds ERFA knows", JulianDate(2100, 6, 1, 0),
       "2100-06-01 07:58:51"},
  };
  for (const BeijingTimeCase& c : cases) {
    EXPECT_EQ(FormatCivilTime(TtToBeijingTime(c.tt_jd)), c.expected) << c.label;
  }
}

// --- The committed JQ table -------------------------------------------------

struct JqRow {
  int year = 0;
  std::string name;
  std::string instant;
};

struct JqTable {
  std::string header;
  std::vector<JqRow> rows;
};

JqTable ReadJqTable() {
  std::ifstream file(KELVARA_JQ_TABLE, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " KELVARA_JQ_TABLE);
  std::stringstream text;
  text << file.rdbuf();
  const std::string content = text.str();
  if (content.empty() || content.back() != '\n') {
    throw std::runtime_error("JQ.tsv must end with a line feed");
  }
  if (content.find('\r') != std::string::npos) {
    throw std::runtime_error("JQ.tsv must use LF line ends");
  }
  JqTable table;
  std::istringstream lines(content);
  std::getline(lines, table.header);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
         start = tab + 1) {
      cells.push_back(line.substr(start, tab - start));
    }
    cells.push_back(line.substr(start));
    if (cells.size() != 3) {
      throw std::runtime_error("row without three cells: " + line);
    }
    table.rows.push_back({std::stoi(cells[0]), cells[1], cells[2]});
  }
  return table;
}

class JqTableTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { table_ = new JqTable(ReadJqTable()); }
  static void TearDownTestSuite() {
    delete table_;
    table_ = nullptr;
  }
  static const JqTable& table() { return *table_; }

 private:
  static JqTable* table_;
};

JqTable* JqTableTest::table_ = nullptr;

bool IsDateTime(const std::string& text) {
  static const std::string kPattern = "dddd-dd-dd dd:dd:dd";
  if (text.size() != kPattern.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) return false;
  }
  return true;
}

TEST_F(JqTableTest, HoldsTheTwelveSectionalTermsOfEveryYearInOrder) {
  EXPECT_EQ(table().header, "YearA\tJQ\tSJ");
  const int years = kLastSolarTermYear - kFirstSolarTermYear + 1;
  ASSERT_EQ(table().rows.size(), years * kSectionalTerms.size());
  for (std::size_t i = 0; i < table().rows.size(); ++i) {
    const JqRow& row = table().rows[i];
    const int year = kFirstSolarTermYear + static_cast<int>(i / 12);
    const std::string_view name = kSectionalTerms[i % 12].name;
    SCOPED_TRACE("row " + std::to_string(i + 2) + ": " +
                 std::to_string(row.year) + " " + row.name);
    EXPECT_EQ(row.year, year);
    EXPECT_EQ(row.name, name);
    ASSERT_TRUE(IsDateTime(row.instant)) << row.instant;
    EXPECT_EQ(row.instant.substr(0, 4), std::to_string(year))
        << "YearA is the year of the instant";
    if (i > 0) {
      EXPECT_LT(table().rows[i - 1].instant, row.instant);
    }
  }
}

struct PublishedInstant {
  const char* label;
  int year;
  const char* name;
  const char* minute;  // Beijing time, to the minute
};

TEST_F(JqTableTest, AgreesWithPublishedInstantsToTheMinute) {
  // Instants published in Chinese almanacs and news announcements, Beijing
  // time. Only the minute is compared: the seconds printed by popular
  // almanacs differ from source to source by up to a quarter of a minute.
  const PublishedInstant cases[] = {
      {"2000 立春", 2000, "立春", "2000-02-04 20:40"},
      {"2020 立春", 2020, "立春", "2020-02-04 17:03"},
      {"2023 立春", 2023, "立春", "2023-02-04 10:42"},
      {"2024 立春", 2024, "立春", "2024-02-04 16:27"},
      {"2024 惊蛰", 2024, "惊蛰", "2024-03-05 10:22"},
      {"2024 清明", 2024, "清明", "2024-04-04 15:02"},
      {"2025 立春", 2025, "立春", "2025-02-03 22:10"},
  };
  for (const PublishedInstant& c : cases) {
    const auto row = std::find_if(
        table().rows.begin(), table().rows.end(),
        [&](const JqRow& r) { return r.year == c.year && r.name == c.name; });
    ASSERT_NE(row, table().rows.end()) << c.label;
    EXPECT_EQ(row->instant.substr(0, 16), c.minute)
        << c.label << ": table has " << row->instant;
  }
}

TEST_F(JqTableTest, RegeneratingAYearGivesTheCommittedRows) {
  // First and last years, both sides of the 1972 switch to UTC, a leap-second
  // year and a year past the last known leap second.
  const int years[] = {1900, 1971, 1972, 2016, 2024, 2100};
  for (const int year : years) {
    const std::size_t first =
        static_cast<std::size_t>(year - kFirstSolarTermYear) * 12;
    ASSERT_LE(first + 12, table().rows.size()) << year;
    const std::vector<SectionalTermInstant> terms = SectionalTermsOfYear(year);
    ASSERT_EQ(terms.size(), 12u) << year;
    for (std::size_t k = 0; k < terms.size(); ++k) {
      const JqRow& row = table().rows[first + k];
      EXPECT_EQ(row.year, year);
      EXPECT_EQ(row.name, terms[k].name) << year;
      EXPECT_EQ(row.instant, FormatCivilTime(terms[k].beijing))
          << year << " " << terms[k].name;
    }
  }
}

}  // namespace
}  // namespace kelvara
