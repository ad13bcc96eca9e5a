#include "names/naming_handbook.h"

#include <algorithm>

#include "base/text.h"
#include "names/character_strokes.h"
#include "names/five_grids.h"
#include "refdata/stored_text.h"

namespace kelvara {
namespace {

constexpr bool GridNumbersAreTotalNumbers() {
  for (const int n : kGoodGridNumbers) {
    if (std::find(kGoodTotalNumbers.begin(), kGoodTotalNumbers.end(), n) ==
        kGoodTotalNumbers.end()) {
      return false;
    }
  }
  return true;
}
static_assert(GridNumbersAreTotalNumbers(),
              "every good 人格 or 地格 number is a good 总格 or 外格 number");

bool IsGoodTotal(int number) {
  return std::find(kGoodTotalNumbers.begin(), kGoodTotalNumbers.end(),
                   number) != kGoodTotalNumbers.end();
}

int PieceCount(const ReferenceStore& store, const std::string& piece) {
  return piece.empty() ? 0 : StrokeCount(store, piece);
}

// A surname's counts: single (width 2) with `first` only, or double with the
// counts of bytes 1-2 and 3-6.
struct SurnameCounts {
  bool single = true;
  int first = 0;
  int second = 0;
  int heaven() const { return single ? first + 1 : first + second; }
};

SurnameCounts CountSurname(const ReferenceStore& store,
                           std::string_view surname) {
  if (GbkWidth(surname) == 2) {
    return {true, StrokeCount(store, surname), 0};
  }
  return {false, PieceCount(store, GbkSlice(surname, 0, 2)),
          PieceCount(store, GbkSlice(surname, 2, 4))};
}

// The suggestion a pair yields, if any (first == 0 when none).
StrokeSuggestion Candidate(const SurnameCounts& s, const TalentPair& pair,
                           GivenNameMode mode) {
  const int p = pair.person;
  const int q = pair.earth;
  // The count that stands next to the given name in 人格.
  const int inner = s.single ? s.first : s.second;
  if (mode == GivenNameMode::kOneCharacter) {
    const int g = p - inner;
    if (g <= 0 || g + 1 != q) return {};
    // A double surname's 总格 is s1 + s2 + g = s1 + P.
    if (!s.single && !IsGoodTotal(s.first + p)) return {};
    return {g, 0};
  }
  const int g1 = p - inner;
  const int g2 = q - g1;
  if (g1 <= 0 || g2 <= 0) return {};
  // 总格 and 外格 of the name; for a single surname the 天格 part of the sum
  // is s, for a double one s1 + s2.
  const int surname_total = s.single ? s.first : s.first + s.second;
  if (!IsGoodTotal(surname_total + q)) return {};
  if (!IsGoodTotal(surname_total + q - p + 1)) return {};
  return {g1, g2};
}

void AddGridLine(ReportDocument& document, std::string_view grid, int n) {
  document.AddLine(std::string(grid) + ": " + std::to_string(n));
}

}  // namespace

std::vector<TalentPair> TalentPairs(const ReferenceStore& store, int heaven) {
  const LookupRows rows = store.Lookup(
      ReferenceFile::kTarselFile,
      "select title from sancai where djc = 1 and substr(title, 1, 1) = ?",
      {ElementOfNumber(heaven)});
  std::vector<TalentPair> pairs;
  for (const LookupRow& row : rows) {
    // The 人 and 地 elements: the second and third characters.
    const std::string wanted = GbkSlice(Trim(row.Text(0)), 2, 4);
    for (const int p : kGoodGridNumbers) {
      for (const int q : kGoodGridNumbers) {
        if (std::string(ElementOfNumber(p)) + std::string(ElementOfNumber(q)) ==
            wanted) {
          pairs.push_back({p, q});
        }
      }
    }
  }
  return pairs;
}

StrokeSuggestions GoodStrokeSearch(const ReferenceStore& store,
                                   std::string_view surname,
                                   GivenNameMode mode) {
  if (GbkWidth(surname) < 2) return {};
  const SurnameCounts counts = CountSurname(store, surname);
  StrokeSuggestions suggestions;
  for (const TalentPair& pair : TalentPairs(store, counts.heaven())) {
    const StrokeSuggestion candidate = Candidate(counts, pair, mode);
    if (candidate.first > 0) suggestions.push_back(candidate);
  }
  return suggestions;
}

std::string SuggestionItemText(const StrokeSuggestion& suggestion,
                               GivenNameMode mode, SuggestionWording wording) {
  const bool on_show = wording == SuggestionWording::kOnShow;
  std::string text = std::string(on_show ? "第一字:" : "名1字:") +
                     std::to_string(suggestion.first) + "画";
  if (mode == GivenNameMode::kTwoCharacters) {
    text += std::string(on_show ? " 第二字:" : " 名2字:") +
            std::to_string(suggestion.second) + "画";
  }
  return text;
}

std::optional<std::string> CharactersWithStrokes(const ReferenceStore& store,
                                                 int strokes) {
  const LookupRows rows =
      store.Lookup(ReferenceFile::kTarselFile,
                   "select hanzi from bihua where num = ? limit 1",
                   {std::to_string(strokes)});
  if (rows.empty()) return std::nullopt;
  return Trim(rows.front().Text(0));
}

std::string GridAnalysis(const ReferenceStore& store, int number) {
  const LookupRows rows =
      store.Lookup(ReferenceFile::kTarselFile,
                   "select content from namefx where num = ? limit 1",
                   {std::to_string(number)});
  if (rows.empty()) return std::string(kNoAnalysisText);
  return DecodeStoredText(Trim(rows.front().Text(0)));
}

bool TrialNameReading(const ReferenceStore& store, std::string_view surname,
                      std::string_view given_name, ReportDocument& document) {
  const std::string s = Trim(surname);
  const std::string g = Trim(given_name);
  if (s.empty() || g.empty()) return false;
  document.ClearDocument();

  // Every character is counted once, before the first line.
  const NameGridNumbers grids = NameGrids(store, s, g);
  const std::string talents = ThreeTalentsOf(grids);
  document.AddLine(s + g + ",您的三才为" + talents);
  document.AddLine("");
  document.AddLine("    " + ThreeTalentText(store, talents));
  document.AddLine("");

  AddGridLine(document, "天格", grids.heaven);
  AddGridLine(document, "地格", grids.earth);
  AddGridLine(document, "人格", grids.person);
  AddGridLine(document, "总格", grids.total);
  AddGridLine(document, "外格", grids.outer);
  document.AddLine("");

  document.AddLine(GridAnalysis(store, grids.total));
  document.AddLine("补充:");
  const std::pair<std::string_view, int> supplements[] = {
      {"天格", grids.heaven},
      {"地格", grids.earth},
      {"人格", grids.person},
      {"外格", grids.outer}};
  for (const auto& [grid, number] : supplements) {
    document.AddLine(std::string(grid) + std::to_string(number) + "分析:");
    document.AddLine("    " + GridAnalysis(store, number));
  }
  return true;
}

}  // namespace kelvara
