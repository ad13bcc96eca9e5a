#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/datetime.h"

namespace kelvara {

inline constexpr std::array<std::string_view, 12> kConstellationNames{
    "摩羯座", "水瓶座", "双鱼座", "白羊座", "金牛座", "双子座",
    "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座", "射手座"};

// The twelve sectional terms (节), which open the months of the pillars.
inline constexpr std::array<std::string_view, 12> kJieTermNames{
    "立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
    "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

// The constellation the reports print for a date. The value is compared
// whole: a time after midnight on the last day of a range (20 April 06:00)
// matches no range and gives an empty text.
std::string ConstellationOfDate(DateTime value);

// True for exactly the names of kJieTermNames ("立春 " with a blank is not).
bool IsJieTerm(std::string_view term_name);

}  // namespace kelvara
