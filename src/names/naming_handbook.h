#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/report_document.h"
#include "refdata/reference_store.h"

namespace kelvara {

// The naming handbook (取名宝典): for a surname, the stroke counts a new given
// name of one or two characters must have so that the name's three-talent
// configuration has the best grade (`djc` 1) and its grids are favourable; the
// characters with such a count; and the reading of a trial name.

// The numbers allowed for 人格 and 地格 in the search, in search order.
inline constexpr std::array<int, 18> kGoodGridNumbers{
    1, 3, 5, 6, 7, 11, 13, 15, 16, 21, 23, 24, 29, 31, 32, 33, 35, 37};
// The numbers allowed for 总格 and 外格. Unlike the class lists of
// five_grids.h they take the 半吉 numbers 6 and 29 and leave out the 吉
// numbers 8, 18, 25 and 39.
inline constexpr std::array<int, 30> kGoodTotalNumbers{
    1,  3,  5,  6,  7,  11, 13, 15, 16, 21, 23, 24, 29, 31, 32,
    33, 35, 37, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};

// The length of the given name the search is for.
enum class GivenNameMode {
  kOneCharacter,   // 一个字名
  kTwoCharacters,  // 两个字名
};

// A 人格 and a 地格 number that make a best-grade configuration under a
// given 天格.
struct TalentPair {
  int person = 0;  // 人格, P
  int earth = 0;   // 地格, Q
  friend bool operator==(const TalentPair&, const TalentPair&) = default;
};

// Every pair (P, Q) of kGoodGridNumbers whose elements follow a 天格 number
// `heaven` in a `sancai` configuration of grade 1: for each such
// configuration, in the order the table holds them, the pairs with P and then
// Q in list order. With 天格 11 (木) and a grade-1 row 木土金, (16, 7) is one
// of them. Every pair found is kept; there is no limit on their number. Throws
// LookupError when `sancai` cannot be read.
std::vector<TalentPair> TalentPairs(const ReferenceStore& store, int heaven);

// The stroke counts of the characters of one suggested given name: `first`
// and, in two-character mode, `second` (0 in one-character mode). Both are
// at least 1.
struct StrokeSuggestion {
  int first = 0;
  int second = 0;
  friend bool operator==(const StrokeSuggestion&,
                         const StrokeSuggestion&) = default;
};
using StrokeSuggestions = std::vector<StrokeSuggestion>;

// The stroke counts that a given name must have for `surname` (trimmed UTF-8;
// its length counts in GBK bytes). A surname of two bytes is single, with
// count s and 天格 s + 1; a longer one is double, with the counts s1 of bytes
// 1-2 and s2 of bytes 3-6 and 天格 s1 + s2 (an empty piece counts 0). For each
// TalentPair (P, Q) of that 天格, in order:
//   single, one character:   g = P - s > 0 and g + 1 = Q            → g
//   single, two characters:  g1 = P - s > 0, g2 = Q - g1 > 0,
//                            总格 s + Q and 外格 s + Q - P + 1 good  → g1, g2
//   double, one character:   g = P - s2 > 0, g + 1 = Q, 总格 s1 + P good → g
//   double, two characters:  g1 = P - s2 > 0, g2 = Q - g1 > 0,
//                            总格 T + Q and 外格 T + Q - P + 1 good  → g1, g2
// where "good" means in kGoodTotalNumbers. A single surname of 10 strokes in
// one-character mode turns the pair (16, 7) into the suggestion 6. A surname
// shorter than two bytes (empty, one ASCII letter) gives none. Every
// suggestion found is kept. Throws LookupError as StrokeCount and TalentPairs
// do.
StrokeSuggestions GoodStrokeSearch(const ReferenceStore& store,
                                   std::string_view surname,
                                   GivenNameMode mode);

// How an item of the suggestion list reads: as filled when the window is
// shown, or refilled after a click on a mode button.
enum class SuggestionWording { kOnShow, kAfterModeClick };

// The list item of a suggestion:
//   kOnShow:         "第一字:6画", "第一字:6画 第二字:10画"
//   kAfterModeClick: "名1字:6画",  "名1字:6画 名2字:10画"
// The second count shows in two-character mode only.
std::string SuggestionItemText(const StrokeSuggestion& suggestion,
                               GivenNameMode mode, SuggestionWording wording);

// The characters of `strokes` strokes: the `hanzi` of the `bihua` row whose
// `num` is that count in decimal, trimmed; nullopt when no row has it.
// Throws LookupError when `bihua` cannot be read.
std::optional<std::string> CharactersWithStrokes(const ReferenceStore& store,
                                                 int strokes);

// The analysis of a grid number: the decoded `content` of its `namefx` row,
// or kNoAnalysisText when the number has none (0, above 81). Throws
// LookupError when `namefx` cannot be read.
std::string GridAnalysis(const ReferenceStore& store, int number);

// The reading of a trial name (新名字测试): clears `document`, then writes
//   王小明,您的三才为土水金
//   (empty line)
//   "    " + the configuration's reading (ThreeTalentText)
//   (empty line)
//   天格: 5 / 地格: 7 / 人格: 10 / 总格: 10 / 外格: 2, one line each
//   (empty line)
//   the GridAnalysis of 总格
//   补充:
//   天格5分析: / "    " + its GridAnalysis, then the same for 地格, 人格, 外格.
// Both parts are trimmed first; when either is then empty nothing is done
// and false is returned. A LookupError ends the reading where it happens
// (the lines written stay) and propagates.
bool TrialNameReading(const ReferenceStore& store, std::string_view surname,
                      std::string_view given_name, ReportDocument& document);

}  // namespace kelvara
