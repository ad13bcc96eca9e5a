#pragma once

#include <array>
#include <string>
#include <string_view>

#include "refdata/reference_store.h"

namespace kelvara {

// The five grids (五格) of a name. The value also selects the grid's column of
// the score table (see GridScore).
enum class GridKind : int {
  kHeaven = 0,  // 天格
  kEarth = 1,   // 地格
  kPerson = 2,  // 人格
  kTotal = 3,   // 总格
  kOuter = 4,   // 外格
};

// The classes of the 81 numbers; together the three lists hold each of 1..81
// exactly once.
inline constexpr std::array<int, 32> kLuckyNumbers{
    1,  3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32,
    33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};
inline constexpr std::array<int, 14> kHalfLuckyNumbers{
    6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75};
inline constexpr std::array<int, 35> kUnluckyNumbers{
    2,  4,  9,  10, 12, 14, 19, 20, 22, 28, 34, 36, 40, 42, 43, 44, 46, 50,
    53, 54, 56, 59, 60, 62, 64, 66, 69, 70, 72, 74, 76, 77, 78, 79, 80};

// The grid number of kind `kind` of a name, from the stroke counts of its
// characters (StrokeCount; a character in no row counts 0). The parts are
// trimmed UTF-8 texts whose lengths count in GBK bytes: a part of at most two
// bytes is single (one character, counted as a whole), a longer one double,
// its first character being bytes 1-2 and its second bytes 3-4. With S, G the
// counts of single parts and S1, S2, G1, G2 those of the characters of double
// parts:
//   天格 S + 1, or S1 + S2          人格 S (or S2) + G (or G1)
//   地格 G + 1, or G1 + G2          总格 every character's count added
//   外格 2 when both parts are exactly two bytes, else 总格 - 人格 + 1
// A double surname and a double given name with counts 8 6 and 3 10 have
// 外格 8 + 10 + 1 = 19. 总格 takes the second piece of a double part as its
// bytes 3-6 looked up as one text, which for a part of two characters is its
// second character. An empty piece (an empty part, or the piece of a mixed
// part like "a王" whose character the byte positions cut) counts 0.
// The numbers are not reduced: above 81 they stay as they are. For parts of
// more than four bytes, which the name fields never hold, 外格 may come out
// negative (总格 reads bytes 3-6 where 人格 reads bytes 3-4). A kind outside
// the five gives 0. Throws LookupError as StrokeCount does.
int NameGrid(const ReferenceStore& store, std::string_view surname,
             std::string_view given_name, GridKind kind);

// The five grid numbers of a name at once, each character looked up once.
struct NameGridNumbers {
  int heaven = 0;  // 天格
  int earth = 0;   // 地格
  int person = 0;  // 人格
  int total = 0;   // 总格
  int outer = 0;   // 外格

  // The number of one grid; 0 for a kind outside the five.
  int Of(GridKind kind) const;
};

// Every NameGrid of a name, as NameGrid gives them. Throws LookupError as
// StrokeCount does.
NameGridNumbers NameGrids(const ReferenceStore& store, std::string_view surname,
                          std::string_view given_name);

// The element of a grid number by its last decimal digit: 1, 2 木; 3, 4 火;
// 5, 6 土; 7, 8 金; 9, 0 水. A negative number goes by the last digit of its
// magnitude.
std::string_view ElementOfNumber(int number);

// The three-talent configuration (三才) of a name: the elements of 天格, 人格
// and 地格, in this order, e.g. 土水金. Throws LookupError as StrokeCount does.
std::string ThreeTalents(const ReferenceStore& store, std::string_view surname,
                         std::string_view given_name);
// The same, of grid numbers already counted.
std::string ThreeTalentsOf(const NameGridNumbers& grids);

// "吉", "半吉" or "凶" by the three lists above; "" for 0 and every number
// above 81.
std::string_view NumberClass(int number);

// The score of a grid number in its grid: the full score (天格, 地格, 外格 10;
// 人格 30; 总格 20) for a 吉 number, 85 % of it for 半吉, 70 % for 凶, and 0
// for a number without a class or a kind outside the five.
double GridScore(int number, GridKind kind);

// The score of a three-talent configuration by its `djc` grade in `sancai`:
// 1 → 20, 2 → 18, 3 → 16, 4 → 15, 5 → 14, 6 → 13, 7 → 12; −1 for any other
// grade and for a configuration without a row. Throws LookupError when the
// table cannot be read.
double ThreeTalentScore(const ReferenceStore& store, std::string_view talents);

// The score of a name out of 100: the GridScore of its five grids plus the
// ThreeTalentScore of its configuration. A name whose configuration has no
// row loses 21 points (−1 instead of up to 20). Throws LookupError.
double NameScore(const ReferenceStore& store, std::string_view surname,
                 std::string_view given_name);

// The columns of table `81`.
enum class Number81Field : int {
  kYy = 0,       // the verse
  kJx = 1,       // 吉 or 凶 as the table writes it
  kAs = 2,       // the short hint
  kContent = 3,  // the reading
};

// One column of the row of `number` in table `81`, as stored (not trimmed).
// A number without a row gives " " (one blank) whatever the field; a field
// outside the four gives "". Throws LookupError when the table cannot be read.
std::string Number81Text(const ReferenceStore& store, int number,
                         Number81Field field);

// What a reading gives for a key its table has no row for (a three-talent
// configuration here, a grid number in the naming handbook's analysis).
inline constexpr std::string_view kNoAnalysisText = "无结果,请听下回分解";

// The reading of a three-talent configuration: the `content` of its `sancai`
// row, trimmed and decoded (DecodeStoredText). Without a row:
// kNoAnalysisText. Throws LookupError when the table cannot be read.
std::string ThreeTalentText(const ReferenceStore& store,
                            std::string_view talents);

}  // namespace kelvara
