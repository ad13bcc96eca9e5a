#include "pillars/luck_cycles.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "calendar/lunar_calendar.h"
#include "pillars/pillar_attributes.h"

namespace kelvara {
namespace {

constexpr std::string_view kColumnGap = "   ";
constexpr std::string_view kFirstPrefixBlanks = "      ";      // 6
constexpr std::string_view kLaterRowIndent = "             ";  // 13

std::string Pillar(int stem, int branch) {
  return std::string(
             kStemNames[static_cast<std::size_t>(WrapIndex(stem, 10))]) +
         std::string(
             kBranchNames[static_cast<std::size_t>(WrapIndex(branch, 12))]);
}

}  // namespace

std::string YearPillarName(int lunar_year) {
  // The stem and branch of GanZhiYearName, without its animal.
  const int cycle = lunar_year - 1864;
  return cycle < 0 ? std::string() : Pillar(cycle, cycle);
}

std::string AgeLabel(int age) {
  char text[24];
  std::snprintf(text, sizeof text, age >= 0 && age <= 9 ? "0%d" : "%d", age);
  return std::string(text) + "岁";
}

std::string AgeRow(int s) {
  if (s == 1) {
    return "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁"
           "   81岁";
  }
  std::string row = "      1-" + std::to_string(s - 1) + "岁";
  for (int j = 0; j <= 8; ++j) {
    row += std::string(kColumnGap) + std::to_string(s + 10 * j) + "岁";
  }
  return row;
}

std::string StartYearRow(int birth_year, int s) {
  std::string row = "始于：" + std::to_string(birth_year);
  for (int j = 0; j <= 8; ++j) {
    row += std::string(kColumnGap) + std::to_string(birth_year + s + 10 * j);
  }
  return row;
}

std::vector<std::string> YearlyPillarRows(int lunar_year, int s) {
  std::vector<std::string> rows;
  for (int i = 0; i <= 9; ++i) {
    std::string row;
    if (i < s) {
      row = i == 0 ? std::string("流年：") : std::string(kFirstPrefixBlanks);
      row += YearPillarName(lunar_year + i);
      for (int j = 0; j <= 8; ++j) {
        row += std::string(kColumnGap) +
               YearPillarName(lunar_year + s + 10 * j + i);
      }
    } else {
      row = std::string(kLaterRowIndent) + YearPillarName(lunar_year + s + i);
      for (int j = 1; j <= 8; ++j) {
        row += std::string(kColumnGap) +
               YearPillarName(lunar_year + s + 10 * j + i);
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::string> SmallLuckRows(int h, int b, bool backward, int s) {
  auto pillar_of_age = [&](int age) {
    return backward ? Pillar(h - age, b - age) : Pillar(h + age, b + age);
  };
  std::vector<std::string> rows;
  for (int i = 0; i <= 9; ++i) {
    std::string pillars;
    std::string ages;
    if (i < s) {
      pillars =
          i == 0 ? std::string("小运：") : std::string(kFirstPrefixBlanks);
      pillars += pillar_of_age(i);
      ages = std::string(kFirstPrefixBlanks) + AgeLabel(i);
      for (int j = 0; j <= 8; ++j) {
        pillars += std::string(kColumnGap) + pillar_of_age(s + 10 * j + i);
        ages += std::string(kColumnGap) + AgeLabel(s + 10 * j + i);
      }
    } else {
      pillars = std::string(kLaterRowIndent) + pillar_of_age(s + i);
      ages = std::string(kLaterRowIndent) + AgeLabel(s + i);
      for (int j = 1; j <= 8; ++j) {
        pillars += std::string(kColumnGap) + pillar_of_age(s + 10 * j + i);
        ages += std::string(kColumnGap) + AgeLabel(s + 10 * j + i);
      }
    }
    rows.push_back(std::move(pillars));
    rows.push_back(std::move(ages));
  }
  return rows;
}

std::vector<std::string> MonthlyPillarRows(int lunar_year, int s) {
  static constexpr std::array<std::string_view, 12> kMonthBranches{
      "寅 ", "卯 ", "辰 ", "巳 ", "午 ", "未 ",
      "申 ", "酉 ", "戌 ", "亥 ", "子 ", "丑"};
  std::vector<std::string> rows;
  rows.emplace_back(
      "流年流月  ：正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 冬月 "
      "腊月");
  rows.emplace_back();
  // The stem of the first month (寅) of lunar 1901 is 庚, index 6.
  const int c = WrapIndex(12 * (lunar_year - 1901) + 6, 10);
  for (int i = 0; i <= s + 89; ++i) {
    std::string row = std::to_string(lunar_year + i) + "(" +
                      YearPillarName(lunar_year + i) + ")：";
    for (int m = 0; m < 12; ++m) {
      row += std::string(
          kStemNames[static_cast<std::size_t>(WrapIndex(c + 12 * i + m, 10))]);
      row += kMonthBranches[static_cast<std::size_t>(m)];
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace kelvara
