#pragma once

#include <string>
#include <string_view>

#include "refdata/reference_store.h"

namespace kelvara {

// The spirit stars (神煞) a pillar carries, read from the seven GBK text tables
// in the shensha folder of `store` (ReferenceStore::ShenshaPathOf). Every call
// reads its table anew; nothing is cached.
//
// A table holds one star per line. The first five characters of a line (a
// Chinese character counts as one) are the name field; the star's name is that
// field without its blanks. Every occurrence of the name field is deleted from
// the line, and what remains is a comma-separated list of KEYS:VALUES items, of
// which only the first 21 (the piece before the first comma counts as one) are
// read. VALUES is at most ten GBK bytes after the first ":", then trimmed; an
// item without ":" has empty KEYS and its first ten bytes as VALUES. An
// argument "occurs" in KEYS or VALUES when its GBK bytes are found anywhere in
// theirs; an empty argument occurs nowhere.
//
//   天乙贵人 ,甲戊:丑未,乙己:子申
//
// names 天乙贵人 for year stem 甲 and target 未, nothing for 乙 and 未.
//
// Arguments and results are UTF-8. A lookup returns the names of the matching
// stars, one per matching item in file order (a star with two matching items
// is named twice), separated by single blanks; the empty text when nothing
// matches or the table has no lines. A table that is missing or cannot be read
// throws LookupError naming it.

// niangan.txt: every item whose KEYS hold the year stem and VALUES the target.
std::string ShenshaYearStem(const ReferenceStore& store,
                            std::string_view year_stem,
                            std::string_view target);

// nianzhi.txt, lines 1 to 14 only: line 3 is skipped when `backward_flag` is 1
// (a backward chart), line 4 when it is 0. Items match as for the year stem.
// Then three stars follow by the target's distance from `branch_index` (the
// year branch's index, 子 = 0 … 亥 = 11), compared for equality with the
// branch, not containment: " 披麻" when the target is the branch of
// index + 10, " 吊客" at index + 2, " 丧门" at index + 3 (modulo 12). For
// index 0 (子) these are 戌, 寅 and 卯. They are not added when the table has
// no lines.
std::string ShenshaYearBranch(const ReferenceStore& store,
                              std::string_view year_branch,
                              std::string_view target, int branch_index,
                              int backward_flag);

// yuezhi.txt: every item whose KEYS hold the month branch and whose VALUES
// hold the stem or the branch (named once when both).
std::string ShenshaMonthBranch(const ReferenceStore& store,
                               std::string_view month_branch,
                               std::string_view stem, std::string_view branch);

// rigan.txt: every item whose KEYS hold the day stem and VALUES the target.
std::string ShenshaDayStem(const ReferenceStore& store,
                           std::string_view day_stem, std::string_view target);

// rizhi.txt, lines 1 to 7 only, then the three stars of ShenshaYearBranch by
// `branch_index` (the day branch's index).
std::string ShenshaDayBranch(const ReferenceStore& store,
                             std::string_view day_branch,
                             std::string_view target, int branch_index);

// rizhu.txt. Lines 1 to 5: KEYS hold the whole pillar and VALUES hold the day
// pillar or are empty. From line 6 on: KEYS hold the pillar's last character
// (its branch) and VALUES the day pillar, so with pillar 甲子 an item
// 子丑:甲寅乙卯 matches day pillar 乙卯.
std::string ShenshaDayPillar(const ReferenceStore& store,
                             std::string_view pillar,
                             std::string_view day_pillar);

// rizhus.txt: every item whose KEYS hold the day pillar or are empty, and whose
// VALUES hold the hour pillar.
std::string ShenshaDayHour(const ReferenceStore& store,
                           std::string_view day_pillar,
                           std::string_view hour_pillar);

// The stem of index 0..9 (甲 = 0) for selector 0, the branch of index 0..11
// (子 = 0) for selector 1; the empty text for any other index or selector.
std::string StemOrBranchName(int index, int selector);

}  // namespace kelvara
