#include "pillars/pillar_attributes.h"

#include <array>
#include <charconv>

#include "base/text.h"
#include "calendar/lunar_calendar.h"
#include "refdata/failure_policy.h"

namespace kelvara {
namespace {

// The trimmed first column of the first row, or the empty text.
std::string FirstValue(const ReferenceStore& store, std::string_view statement,
                       std::initializer_list<Key> keys) {
  return SwallowLookupFailure([&] {
    const LookupRows rows =
        store.Lookup(ReferenceFile::kTgcode, statement, keys);
    return rows.empty() ? std::string() : Trim(rows.front().Text(0));
  });
}

inline constexpr std::array<std::string_view, 5> kTallyElements{
    "金", "木", "水", "火", "土"};

// Byte offsets (from 0) of the eight two-byte element units in the GBK text.
inline constexpr std::array<std::size_t, 8> kTallyOffsets{0,  2,  7,  9,
                                                          14, 16, 21, 23};

std::string ShortestDecimal(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string ElementOf(const ReferenceStore& store, std::string_view character) {
  return FirstValue(store, "select wh from hzwh where hz like ? limit 1",
                    {"%" + std::string(character) + "%"});
}

std::string TenGodOf(const ReferenceStore& store, std::string_view two_stems) {
  return FirstValue(store,
                    "select ShiShen from Shishen where jiazi = ? limit 1",
                    {two_stems});
}

std::string NayinOf(const ReferenceStore& store, std::string_view pillar) {
  return FirstValue(store, "select layin from jiazi where jiazi = ? limit 1",
                    {pillar});
}

std::string SeasonText(const ReferenceStore& store, std::string_view element,
                       std::string_view season) {
  return FirstValue(store,
                    "select sjrs from sjrs where wh = ? and sj = ? limit 1",
                    {element, season});
}

std::string ClimateText(const ReferenceStore& store, std::string_view stem,
                        std::string_view branch) {
  return FirstValue(store,
                    "select content from qtbj where tg = ? and dz = ? limit 1",
                    {stem, branch});
}

std::string ElementTally(std::string_view elements) {
  const std::string gbk = ToGbk(elements);
  std::array<int, kTallyElements.size()> counts{};
  for (const std::size_t offset : kTallyOffsets) {
    if (offset + 2 > gbk.size()) continue;
    const std::string_view unit = std::string_view(gbk).substr(offset, 2);
    for (std::size_t e = 0; e < kTallyElements.size(); ++e) {
      if (unit == ToGbk(kTallyElements[e])) ++counts[e];
    }
  }
  std::string tally;
  for (std::size_t e = 0; e < kTallyElements.size(); ++e) {
    if (e > 0) tally += ", ";
    tally += std::string(kTallyElements[e]) + ":占" +
             std::to_string(counts[e]) + "个 " +
             ShortestDecimal(counts[e] / 8.0);
  }
  return tally + ".";
}

int StemBranchIndex(std::string_view character, int selector) {
  if (selector == kStemSelector) {
    for (std::size_t i = 0; i < kStemNames.size(); ++i) {
      if (kStemNames[i] == character) return static_cast<int>(i);
    }
  } else if (selector == kBranchSelector) {
    for (std::size_t i = 0; i < kBranchNames.size(); ++i) {
      if (kBranchNames[i] == character) return static_cast<int>(i);
    }
  }
  return 0;
}

}  // namespace kelvara
