#pragma once

#include <string>
#include <vector>

namespace kelvara {

// The four blocks of the Four Pillars report that lay a life out in ten
// columns: column 0 holds the ages before the first luck cycle (0 to s - 1),
// column k the ten years of the k-th cycle (s + 10(k - 1) onward). Columns are
// separated by three blanks; a pillar and an age label are both four columns
// wide, so the rows stand under each other in a fixed-pitch font.

// The stem and branch of a lunar year: 1990 gives 庚午.
std::string YearPillarName(int lunar_year);
// 00岁 .. 09岁, then 10岁, 15岁, ...
std::string AgeLabel(int age);

// The ages under the luck pillars, for start age s (1..10).
std::string AgeRow(int start_age);
// "始于：" and the Gregorian year each column starts.
std::string StartYearRow(int birth_year, int start_age);
// Ten lines of yearly pillars, from the lunar birth year on.
std::vector<std::string> YearlyPillarRows(int lunar_year, int start_age);
// Twenty lines: the small-luck pillar of each age (the hour pillar moved one
// step a year, forward or backward) and the age line under it. `hour_stem` is
// 0..9 from 甲, `hour_branch` 0..11 from 子.
std::vector<std::string> SmallLuckRows(int hour_stem, int hour_branch,
                                       bool backward, int start_age);
// The header, an empty line and s + 90 lines of the yearly and monthly
// pillars from the lunar birth year on.
std::vector<std::string> MonthlyPillarRows(int lunar_year, int start_age);

}  // namespace kelvara
