// Writes src/names/pinyin_table.{h,cpp}: the Mandarin syllable of every GBK
// double-byte code, from the kMandarin readings of the Unihan database.
//
//   unihan-pinyin-gen <directory of Unihan_*.txt> <output directory>
//
// The syllable table has a fixed shape that the index numbers depend on:
// numbers 1..393 are, in alphabetical order, the syllables GBK's characters
// are first read with; 394 is empty; 395..405 are eleven syllables kept at
// the end. Twelve colloquial, dialect or interjection syllables stay out of
// the table: a character first read so takes its next dictionary reading that
// is in it (谁 shéi gives shui, 俩 liǎ liang, 剋 kēi ke, 噷 hm hen, 挼 ruá
// ruo, 欻 chuā xu) or has none (覅 fiào, 扥 dèn, 囖 lo, ...).

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "gbk_code_page.h"
#include "unihan_database.h"

namespace kelvara::unihan {
namespace {

constexpr int kFirstLead = 0x81;
constexpr int kLastLead = 0xFE;
constexpr int kFirstTrail = 0x40;
constexpr int kLastTrail = 0xFE;
constexpr int kTrailsPerLead = kLastTrail - kFirstTrail + 1;
constexpr int kIndexSize = (kLastLead - kFirstLead + 1) * kTrailsPerLead;
constexpr int kAlphabeticalCount = 393;

// Syllables numbered 395..405, after the empty number 394.
constexpr std::array<std::string_view, 11> kTrailingSyllables = {
    "ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"};

// Syllables outside the table: colloquial (shei, lia, kei), interjection
// (hm) and dialect readings (fiao, rua, den), and those of single rare
// characters (chua, eng, fo, lo, nun).
constexpr std::array<std::string_view, 12> kOutsideTable = {
    "chua", "den", "eng", "fiao", "fo",  "hm",
    "kei",  "lia", "lo",  "nun",  "rua", "shei"};

// Where a character's readings are looked up, in order of preference.
constexpr std::array<std::string_view, 4> kReadingFields = {
    "kMandarin", "kXHC1983", "kHanyuPinyin", "kTGHZ2013"};

// "jiāng" gives "jiang", "lǘ" gives "lv", "ḿ" gives "m".
std::string Toneless(std::string_view reading) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  if (U_FAILURE(status)) throw std::runtime_error("no NFD normaliser");
  const icu::UnicodeString decomposed =
      nfd->normalize(icu::UnicodeString::fromUTF8(
                         icu::StringPiece(reading.data(), reading.size())),
                     status);
  if (U_FAILURE(status)) throw std::runtime_error("cannot normalise");
  std::string syllable;
  for (int32_t i = 0; i < decomposed.length(); ++i) {
    const char16_t unit = decomposed.charAt(i);
    if (unit >= u'a' && unit <= u'z') {
      syllable += static_cast<char>(unit);
    } else if (unit >= u'A' && unit <= u'Z') {
      syllable += static_cast<char>(unit - u'A' + u'a');
    } else if (unit == 0x0308 && !syllable.empty() && syllable.back() == 'u') {
      syllable.back() = 'v';  // ü
    } else if (unit < 0x0300 || unit > 0x036F) {
      throw std::runtime_error("not a pinyin reading: " + std::string(reading));
    }
  }
  return syllable;
}

class PinyinReader {
 public:
  explicit PinyinReader(const UnihanDatabase& unihan) : unihan_(unihan) {}

  // Every reading of the character, toneless, the first kMandarin value
  // first. A compatibility ideograph reads as its unified twin.
  std::vector<std::string> Readings(char32_t c) const {
    c = unihan_.UnifiedForm(c);
    std::vector<std::string> readings;
    for (std::string_view field : kReadingFields) {
      const auto value = unihan_.Find(c, field);
      if (!value) continue;
      for (std::string_view word : SplitWords(*value)) {
        // "0709.040:liǎng" or "10172.060:liǎng,liǎ": readings follow a colon.
        const std::size_t colon = word.rfind(':');
        if (colon != std::string_view::npos) word.remove_prefix(colon + 1);
        std::size_t start = 0;
        while (start <= word.size()) {
          std::size_t end = word.find(',', start);
          if (end == std::string_view::npos) end = word.size();
          std::string syllable = Toneless(word.substr(start, end - start));
          if (syllable.empty()) {
            throw std::runtime_error(Describe(c) + ": empty reading in " +
                                     std::string(field));
          }
          if (std::find(readings.begin(), readings.end(), syllable) ==
              readings.end()) {
            readings.push_back(std::move(syllable));
          }
          start = end + 1;
        }
      }
    }
    return readings;
  }

 private:
  const UnihanDatabase& unihan_;
};

struct PinyinTable {
  std::vector<std::string> syllables;  // number b at [b - 1]
  std::vector<int> index;              // kIndexSize entries
  std::string unicode_version;
};

PinyinTable BuildTable(const std::filesystem::path& unihan_directory) {
  UnihanDatabase unihan;
  unihan.LoadFile(unihan_directory / "Unihan_Readings.txt",
                  {kReadingFields.begin(), kReadingFields.end()});
  unihan.LoadFile(unihan_directory / "Unihan_IRGSources.txt",
                  {"kCompatibilityVariant"});
  const PinyinReader reader(unihan);
  const std::vector<GbkCharacter> gbk = GbkDoubleByteCharacters();

  // Alphabetical part: the first readings of all GBK characters.
  std::set<std::string> alphabetical;
  for (const GbkCharacter& code : gbk) {
    const std::vector<std::string> readings = reader.Readings(code.code_point);
    if (!readings.empty()) alphabetical.insert(readings.front());
  }
  for (std::string_view syllable : kTrailingSyllables) {
    alphabetical.erase(std::string(syllable));
  }
  for (std::string_view syllable : kOutsideTable) {
    if (alphabetical.erase(std::string(syllable)) == 0) {
      throw std::runtime_error("no GBK character is read " +
                               std::string(syllable));
    }
  }
  if (alphabetical.size() != kAlphabeticalCount) {
    throw std::runtime_error("GBK's characters read " +
                             std::to_string(alphabetical.size()) +
                             " syllables besides those at the end, not " +
                             std::to_string(kAlphabeticalCount));
  }

  PinyinTable table;
  table.unicode_version = unihan.unicode_version();
  table.syllables.assign(alphabetical.begin(), alphabetical.end());
  table.syllables.emplace_back();
  table.syllables.insert(table.syllables.end(), kTrailingSyllables.begin(),
                         kTrailingSyllables.end());
  std::map<std::string, int> number;
  for (std::size_t i = 0; i < table.syllables.size(); ++i) {
    if (table.syllables[i].size() > 6) {
      throw std::runtime_error("syllable longer than six letters: " +
                               table.syllables[i]);
    }
    if (!table.syllables[i].empty()) {
      number.emplace(table.syllables[i], static_cast<int>(i) + 1);
    }
  }

  table.index.assign(kIndexSize, 0);
  int with_reading = 0;
  int by_later_reading = 0;
  std::string without_reading;
  for (const GbkCharacter& code : gbk) {
    const std::vector<std::string> readings = reader.Readings(code.code_point);
    const auto found =
        std::find_if(readings.begin(), readings.end(),
                     [&](const std::string& r) { return number.count(r); });
    if (found == readings.end()) {
      if (!readings.empty()) without_reading += Utf8(code.code_point);
      continue;
    }
    ++with_reading;
    if (found != readings.begin()) ++by_later_reading;
    table.index[(code.lead - kFirstLead) * kTrailsPerLead + code.trail -
                kFirstTrail] = number.at(*found);
  }
  std::cerr << with_reading << " codes with a reading (" << by_later_reading
            << " by a later reading); read only outside the table: "
            << without_reading << '\n';
  return table;
}

std::string Banner(const PinyinTable& table, std::string_view what) {
  return "// " + std::string(what) +
         "\n// Generated by unihan-pinyin-gen (tools/unihan-gen) from the "
         "Unihan database\n// of Unicode " +
         table.unicode_version +
         ". Do not edit. With Unihan unpacked in /tmp/unihan\n"
         "// (tools/unihan-gen/README.md), regenerate from the repository "
         "root:\n"
         "//   build/bin/unihan-pinyin-gen /tmp/unihan src/names\n";
}

void WriteHeader(const PinyinTable& table, std::ostream& out) {
  out << Banner(table, "Mandarin syllables of the GBK code page.") << R"(
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kelvara {

// GBK double-byte codes: lead byte 0x81..0xFE, trail byte 0x40..0xFE.
inline constexpr int kPinyinFirstLead = 0x81;
inline constexpr int kPinyinLastLead = 0xFE;
inline constexpr int kPinyinFirstTrail = 0x40;
inline constexpr int kPinyinLastTrail = 0xFE;
inline constexpr int kPinyinTrailsPerLead =
    kPinyinLastTrail - kPinyinFirstTrail + 1;  // 191
// 126 lead bytes of 191 codes each.
inline constexpr int kPinyinIndexSize =
    (kPinyinLastLead - kPinyinFirstLead + 1) * kPinyinTrailsPerLead;

// Position of the code (lead, trail) in PinyinIndex; both bytes must lie in
// the ranges above. 江 is GBK 0xBD 0xAD: 191 × 0x3C + 0x6D = 11569.
constexpr int PinyinIndexPosition(int lead, int trail) {
  return (lead - kPinyinFirstLead) * kPinyinTrailsPerLead +
         (trail - kPinyinFirstTrail);
}

// For every GBK double-byte code, the number (1-based) of its Mandarin
// syllable in PinyinSyllables, or 0 when the code has no reading: symbols,
// unassigned and user-defined codes, and a few dozen rare characters. 江: the
// number of "jiang".
extern const std::array<std::uint16_t, kPinyinIndexSize> PinyinIndex;

inline constexpr int kPinyinSyllableCount = 405;

// The syllables without tones, lower case, ü written "v", at most six
// letters. Syllable number b is PinyinSyllables[b - 1]: numbers 1..393 run in
// alphabetical order from "a", "ai", "an" to "zuo"; number 394 is empty;
// numbers 395..405 are "ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv",
// "lv", "nv". PinyinIndex holds these numbers, so the order is fixed.
extern const std::array<std::string_view, kPinyinSyllableCount> PinyinSyllables;

}  // namespace kelvara
)";
}

void WriteSource(const PinyinTable& table, std::ostream& out) {
  out << Banner(table, "Mandarin syllables of the GBK code page.") << R"(
#include "names/pinyin_table.h"

#include <algorithm>
#include <iterator>

namespace kelvara {
namespace {

template <typename T, std::size_t N>
constexpr std::array<T, N> ToArray(const T (&entries)[N]) {
  std::array<T, N> array{};
  std::copy(std::begin(entries), std::end(entries), array.begin());
  return array;
}

// clang-format off
constexpr std::string_view kSyllables[] = {
)";
  constexpr std::size_t kPerLine = 6;
  for (std::size_t i = 0; i < table.syllables.size(); i += kPerLine) {
    out << "   ";
    const std::size_t end = std::min(i + kPerLine, table.syllables.size());
    for (std::size_t k = i; k < end; ++k) {
      out << " \"" << table.syllables[k] << "\",";
    }
    out << "  // " << i + 1 << '\n';
  }
  out << "};\n\n// Rows of 191 entries, one per lead byte, 15 entries a line.\n"
      << "constexpr std::uint16_t kIndex[] = {\n";
  for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
    char label[16];
    std::snprintf(label, sizeof label, "0x%02X", lead);
    out << "    // " << label << '\n';
    for (int trail = kFirstTrail; trail <= kLastTrail; trail += 15) {
      out << "   ";
      for (int t = trail; t < std::min(trail + 15, kLastTrail + 1); ++t) {
        out << ' '
            << table.index[(lead - kFirstLead) * kTrailsPerLead + t -
                           kFirstTrail]
            << ',';
      }
      out << '\n';
    }
  }
  out << R"(};
// clang-format on

static_assert(std::size(kSyllables) == kPinyinSyllableCount);
static_assert(std::size(kIndex) == kPinyinIndexSize);

}  // namespace

constinit const std::array<std::uint16_t, kPinyinIndexSize> PinyinIndex =
    ToArray(kIndex);

constinit const std::array<std::string_view, kPinyinSyllableCount>
    PinyinSyllables = ToArray(kSyllables);

}  // namespace kelvara
)";
}

void WriteFile(const std::filesystem::path& path, const PinyinTable& table,
               void (*write)(const PinyinTable&, std::ostream&)) {
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + path.string());
  write(table, out);
  out.close();
  if (!out) throw std::runtime_error("error writing " + path.string());
}

}  // namespace
}  // namespace kelvara::unihan

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: " << argv[0]
              << " <directory of Unihan_*.txt> <output directory>\n";
    return 2;
  }
  try {
    namespace unihan = kelvara::unihan;
    const unihan::PinyinTable table = unihan::BuildTable(argv[1]);
    const std::filesystem::path directory(argv[2]);
    unihan::WriteFile(directory / "pinyin_table.h", table, unihan::WriteHeader);
    unihan::WriteFile(directory / "pinyin_table.cpp", table,
                      unihan::WriteSource);
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
