#include "names/surname_origin.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "base/text.h"

namespace kelvara {
namespace {

// Surnames read otherwise than their characters usually are. Each sorts as
// its stand-in, written with characters that carry the surname's reading:
// the surname 单 is Shàn and sorts as 善, not among the dan.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14>
    kSurnameReadings{{
        {"曾", "增"},      // zēng, not céng
        {"查", "渣"},      // zhā, not chá
        {"单", "善"},      // shàn, not dān
        {"翟", "宅"},      // zhái, not dí
        {"仇", "求"},      // qiú, not chóu
        {"解", "谢"},      // xiè, not jiě
        {"乐", "月"},      // yuè, not lè
        {"区", "欧"},      // ōu, not qū
        {"覃", "琴"},      // qín, not tán
        {"缪", "妙"},      // miào, not móu
        {"澹台", "谈台"},  // tántái, not dàntái
        {"万俟", "莫其"},  // mòqí, not wànsì
        {"尉迟", "玉迟"},  // yùchí, not wèichí
        {"长孙", "掌孙"},  // zhǎngsūn, not chángsūn
    }};

std::string_view SortingForm(std::string_view surname) {
  for (const auto& [name, stand_in] : kSurnameReadings) {
    if (name == surname) return stand_in;
  }
  return surname;
}

// Line breaks of a stored text as "\n": CR LF and a lone CR included.
std::string WithNewlines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out.push_back(text[i]);
    } else {
      out.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return out;
}

}  // namespace

void SortSurnames(std::vector<std::string>& surnames) {
  // The Chinese collation orders characters by their pinyin.
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> collator(
      icu::Collator::createInstance(icu::Locale::getChinese(), status));
  if (U_FAILURE(status)) {
    std::stable_sort(surnames.begin(), surnames.end());
    return;
  }
  auto compare = [&collator](std::string_view a, std::string_view b) {
    UErrorCode error = U_ZERO_ERROR;
    return collator->compareUTF8(
        icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
        icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), error);
  };
  std::stable_sort(surnames.begin(), surnames.end(),
                   [&compare](const std::string& a, const std::string& b) {
                     const UCollationResult by_reading =
                         compare(SortingForm(a), SortingForm(b));
                     if (by_reading != UCOL_EQUAL) {
                       return by_reading == UCOL_LESS;
                     }
                     return compare(a, b) == UCOL_LESS;
                   });
}

std::vector<std::string> SurnameList(const ReferenceStore& store) {
  const LookupRows rows = store.Lookup(
      ReferenceFile::kTarselBirth, "select id, xingl from xing order by xingl");
  std::vector<std::string> surnames;
  surnames.reserve(rows.size());
  for (const LookupRow& row : rows) surnames.push_back(Trim(row.Text("xingl")));
  SortSurnames(surnames);
  return surnames;
}

std::optional<std::string> SurnameOrigin(const ReferenceStore& store,
                                         std::string_view surname) {
  const std::string key = Trim(surname);
  if (key.empty()) return std::nullopt;
  const LookupRows rows = store.Lookup(
      ReferenceFile::kTarselBirth, "select * from xing where xingl = ?", {key});
  if (rows.empty()) return std::nullopt;
  return WithNewlines(Trim(rows.front().Text("intro")));
}

}  // namespace kelvara
