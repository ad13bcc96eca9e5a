#include "names/five_grids.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "base/text.h"
#include "names/character_strokes.h"
#include "refdata/stored_text.h"

namespace kelvara {
namespace {

constexpr bool ListsPartitionTheNumbers() {
  for (int n = 1; n <= 81; ++n) {
    const int found =
        std::count(kLuckyNumbers.begin(), kLuckyNumbers.end(), n) +
        std::count(kHalfLuckyNumbers.begin(), kHalfLuckyNumbers.end(), n) +
        std::count(kUnluckyNumbers.begin(), kUnluckyNumbers.end(), n);
    if (found != 1) return false;
  }
  return true;
}
static_assert(ListsPartitionTheNumbers(),
              "the three class lists must hold each of 1..81 exactly once");

// One part of a name cut into the pieces the grids count, by GBK bytes.
struct NamePart {
  explicit NamePart(std::string_view text) : width(GbkWidth(text)) {
    if (width <= 2) {
      first = std::string(text);
    } else {
      first = GbkSlice(text, 0, 2);
      second = GbkSlice(text, 2, 2);
      rest = GbkSlice(text, 2, 4);
    }
  }

  bool single() const { return width <= 2; }

  int width;
  std::string first;   // bytes 1-2, or the whole of a single part
  std::string second;  // bytes 3-4 of a double part
  std::string rest;    // bytes 3-6 of a double part
};

// Counts the strokes of the pieces of one name, each distinct piece once: a
// double part's bytes 3-4 and 3-6 are the same text unless the part is
// longer than four bytes, and several grids share a piece.
class PieceCounter {
 public:
  explicit PieceCounter(const ReferenceStore& store) : store_(store) {}

  int operator()(const std::string& piece) {
    if (piece.empty()) return 0;
    for (const auto& [text, count] : counted_) {
      if (text == piece) return count;
    }
    const int count = StrokeCount(store_, piece);
    counted_.emplace_back(piece, count);
    return count;
  }

 private:
  const ReferenceStore& store_;
  std::vector<std::pair<std::string, int>> counted_;
};

int Heaven(PieceCounter& count, const NamePart& surname) {
  if (surname.single()) return count(surname.first) + 1;
  return count(surname.first) + count(surname.second);
}

int Person(PieceCounter& count, const NamePart& surname,
           const NamePart& given) {
  return count(surname.single() ? surname.first : surname.second) +
         count(given.first);
}

int Earth(PieceCounter& count, const NamePart& given) {
  if (given.single()) return count(given.first) + 1;
  return count(given.first) + count(given.second);
}

int PartTotal(PieceCounter& count, const NamePart& part) {
  const int first = count(part.first);
  return part.single() ? first : first + count(part.rest);
}

int Total(PieceCounter& count, const NamePart& surname, const NamePart& given) {
  return PartTotal(count, surname) + PartTotal(count, given);
}

int Outer(PieceCounter& count, const NamePart& surname, const NamePart& given) {
  if (surname.width == 2 && given.width == 2) return 2;
  return Total(count, surname, given) - Person(count, surname, given) + 1;
}

template <std::size_t N>
bool Holds(const std::array<int, N>& list, int number) {
  return std::find(list.begin(), list.end(), number) != list.end();
}

// The score of each class in each grid, indexed by GridKind: a 半吉 number
// earns 85 % and a 凶 number 70 % of the grid's full score.
constexpr std::array<double, 5> kLuckyScores{10, 10, 30, 20, 10};
constexpr std::array<double, 5> kHalfLuckyScores{8.5, 8.5, 25.5, 17, 8.5};
constexpr std::array<double, 5> kUnluckyScores{7, 7, 21, 14, 7};

// The three-talent score of each `djc` grade 1..7.
constexpr std::array<double, 7> kGradeScores{20, 18, 16, 15, 14, 13, 12};

}  // namespace

int NameGridNumbers::Of(GridKind kind) const {
  switch (kind) {
    case GridKind::kHeaven:
      return heaven;
    case GridKind::kEarth:
      return earth;
    case GridKind::kPerson:
      return person;
    case GridKind::kTotal:
      return total;
    case GridKind::kOuter:
      return outer;
  }
  return 0;
}

int NameGrid(const ReferenceStore& store, std::string_view surname,
             std::string_view given_name, GridKind kind) {
  PieceCounter count(store);
  const NamePart s(surname);
  const NamePart g(given_name);
  switch (kind) {
    case GridKind::kHeaven:
      return Heaven(count, s);
    case GridKind::kEarth:
      return Earth(count, g);
    case GridKind::kPerson:
      return Person(count, s, g);
    case GridKind::kTotal:
      return Total(count, s, g);
    case GridKind::kOuter:
      return Outer(count, s, g);
  }
  return 0;
}

NameGridNumbers NameGrids(const ReferenceStore& store, std::string_view surname,
                          std::string_view given_name) {
  PieceCounter count(store);
  const NamePart s(surname);
  const NamePart g(given_name);
  NameGridNumbers grids;
  grids.heaven = Heaven(count, s);
  grids.earth = Earth(count, g);
  grids.person = Person(count, s, g);
  grids.total = Total(count, s, g);
  grids.outer = Outer(count, s, g);
  return grids;
}

std::string_view ElementOfNumber(int number) {
  static constexpr std::array<std::string_view, 10> kByLastDigit{
      "水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
  return kByLastDigit[static_cast<std::size_t>(std::abs(number % 10))];
}

std::string ThreeTalents(const ReferenceStore& store, std::string_view surname,
                         std::string_view given_name) {
  return ThreeTalentsOf(NameGrids(store, surname, given_name));
}

std::string ThreeTalentsOf(const NameGridNumbers& grids) {
  return std::string(ElementOfNumber(grids.heaven)) +
         std::string(ElementOfNumber(grids.person)) +
         std::string(ElementOfNumber(grids.earth));
}

std::string_view NumberClass(int number) {
  if (Holds(kLuckyNumbers, number)) return "吉";
  if (Holds(kHalfLuckyNumbers, number)) return "半吉";
  if (Holds(kUnluckyNumbers, number)) return "凶";
  return "";
}

double GridScore(int number, GridKind kind) {
  const int column = static_cast<int>(kind);
  if (column < 0 || column >= static_cast<int>(kLuckyScores.size())) return 0;
  const auto c = static_cast<std::size_t>(column);
  if (Holds(kLuckyNumbers, number)) return kLuckyScores[c];
  if (Holds(kHalfLuckyNumbers, number)) return kHalfLuckyScores[c];
  if (Holds(kUnluckyNumbers, number)) return kUnluckyScores[c];
  return 0;
}

double ThreeTalentScore(const ReferenceStore& store, std::string_view talents) {
  const LookupRows rows =
      store.Lookup(ReferenceFile::kTarselFile,
                   "select djc from sancai where title = ? limit 1", {talents});
  if (rows.empty()) return -1;
  const std::int64_t grade = rows.front().WholeNumber(0);
  if (grade < 1 || grade > static_cast<std::int64_t>(kGradeScores.size())) {
    return -1;
  }
  return kGradeScores[static_cast<std::size_t>(grade - 1)];
}

double NameScore(const ReferenceStore& store, std::string_view surname,
                 std::string_view given_name) {
  const NameGridNumbers grids = NameGrids(store, surname, given_name);
  double score = 0;
  for (const GridKind kind :
       {GridKind::kHeaven, GridKind::kEarth, GridKind::kPerson,
        GridKind::kTotal, GridKind::kOuter}) {
    score += GridScore(grids.Of(kind), kind);
  }
  return score + ThreeTalentScore(store, ThreeTalentsOf(grids));
}

std::string Number81Text(const ReferenceStore& store, int number,
                         Number81Field field) {
  const LookupRows rows = store.Lookup(
      ReferenceFile::kTarselFile,
      "select yy, jx, \"as\", content from \"81\" where num = ? limit 1",
      {number});
  if (rows.empty()) return " ";
  const int column = static_cast<int>(field);
  if (column < 0 || column > 3) return "";
  return rows.front().Text(column);
}

std::string ThreeTalentText(const ReferenceStore& store,
                            std::string_view talents) {
  const LookupRows rows = store.Lookup(
      ReferenceFile::kTarselFile,
      "select content from sancai where title = ? limit 1", {talents});
  if (rows.empty()) return std::string(kNoAnalysisText);
  return DecodeStoredText(Trim(rows.front().Text(0)));
}

}  // namespace kelvara
