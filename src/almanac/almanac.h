#pragma once

#include <optional>
#include <string>

#include "base/datetime.h"
#include "refdata/reference_store.h"

namespace kelvara {

// One day's almanac entries, trimmed, as the table holds them.
struct AlmanacDay {
  std::string nn;      // the day summary shown after the date
  std::string suici;   // 岁次
  std::string tszf;    // 每日胎神占方
  std::string wuhang;  // 五行
  std::string cong;    // 冲
  std::string pzbj;    // 彭祖百忌
  std::string jsyq;    // 吉神宜趋
  std::string yi;      // 宜
  std::string xsyq;    // 凶神宜忌
  std::string ji;      // 忌
};

// The almanac row of a day, or nullopt when the table has none. Throws
// LookupError when the lookup cannot run (the callers leave it unguarded).
std::optional<AlmanacDay> LookUpAlmanacDay(const ReferenceStore& store,
                                           DateTime day);

}  // namespace kelvara
