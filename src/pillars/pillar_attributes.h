#pragma once

#include <string>
#include <string_view>

#include "refdata/reference_store.h"

namespace kelvara {

// The attributes the Four Pillars engine and report print for a stem, branch
// or pillar. The five lookups read Tgcode.dll of `store`, one connection each;
// they return the value of the first matching row with blanks trimmed, and the
// empty text when nothing matches or the lookup cannot run (a missing file,
// table or column is swallowed here, never reported).

// The element (金 木 水 火 土) of a character: the first `hzwh` row whose `hz`
// list contains it. ElementOf("甲") is "木", ElementOf("亥") is "水".
std::string ElementOf(const ReferenceStore& store, std::string_view character);

// The ten god of a stem seen from the day stem, for the text of the day stem
// followed by the other stem: TenGodOf("甲丙") is "食神".
std::string TenGodOf(const ReferenceStore& store, std::string_view two_stems);

// The sound element of a stem-branch pair: NayinOf("甲子") is "海中金".
std::string NayinOf(const ReferenceStore& store, std::string_view pillar);

// The advice for a day master of an element in a season (春 夏 秋 冬).
std::string SeasonText(const ReferenceStore& store, std::string_view element,
                       std::string_view season);

// The climate advice for a day stem born in a month branch.
std::string ClimateText(const ReferenceStore& store, std::string_view stem,
                        std::string_view branch);

// The tally of the eight element characters of a chart. The input is laid out
// as the report builds it: four pairs (stem element, branch element) separated
// by three blanks, "金木   水火   土金   水木". The characters are read at the
// GBK byte positions 1, 3, 8, 10, 15, 17, 22 and 24 (from 1) whatever the
// layout; anything else there counts for no element. The example gives
// "金:占2个 0.25, 木:占2个 0.25, 水:占2个 0.25, 火:占1个 0.125, 土:占1个
// 0.125."
std::string ElementTally(std::string_view elements);

// The place of `value` on a cycle of `count` (the ten stems, the twelve
// branches): 0..count-1, negative values included.
constexpr int WrapIndex(int value, int count) {
  const int r = value % count;
  return r < 0 ? r + count : r;
}

inline constexpr int kStemSelector = 0;
inline constexpr int kBranchSelector = 1;

// The index of a stem in 甲..癸 (0..9) for kStemSelector, or of a branch in
// 子..亥 (0..11) for kBranchSelector. A character not in the list, or another
// selector, gives 0: StemBranchIndex("癸", 0) is 9, ("甲", 0) and ("子", 0)
// are 0.
int StemBranchIndex(std::string_view character, int selector);

}  // namespace kelvara
