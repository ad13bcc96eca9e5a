#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvara::unihan {

// The fields of Unicode's Unihan database that a generator asked for, read
// from the tab-separated files the Unicode Consortium publishes
// (Unihan_Readings.txt, Unihan_Variants.txt, ...), one line per character and
// field: "U+6C5F<TAB>kRSKangXi<TAB>85.3".
class UnihanDatabase {
 public:
  // Reads the lines of `path` whose field is one of `fields`; other lines and
  // "#" comments are skipped. Throws std::runtime_error when the file cannot
  // be read or a line is not of the form above.
  void LoadFile(const std::filesystem::path& path,
                const std::set<std::string, std::less<>>& fields);

  // The value of `field` for `code_point`, or nullopt when Unihan has none.
  std::optional<std::string_view> Find(char32_t code_point,
                                       std::string_view field) const;

  // A compatibility ideograph (郎 U+F92C) as its unified twin
  // (kCompatibilityVariant); any other character as itself. Needs the
  // kCompatibilityVariant field loaded.
  char32_t UnifiedForm(char32_t code_point) const;

  // The Unicode version named in the files' headers ("15.0.0"), empty when
  // none names it.
  const std::string& unicode_version() const { return unicode_version_; }

 private:
  std::string unicode_version_;
  std::unordered_map<std::string, std::unordered_map<char32_t, std::string>>
      values_;
};

// The code points of a variant field: "U+4E7E U+5E72 U+5E79" gives three;
// source tags are ignored ("U+842C<kLau,kMatthews" gives U+842C).
std::vector<char32_t> ParseCodePoints(std::string_view value);

// The words of a value separated by blanks.
std::vector<std::string_view> SplitWords(std::string_view value);

std::string Utf8(char32_t code_point);
std::string Utf8(const std::vector<char32_t>& code_points);

// The code points of UTF-8 text; throws std::runtime_error on malformed input.
std::vector<char32_t> DecodeUtf8(std::string_view text);

// "U+6C5F 江", for messages.
std::string Describe(char32_t code_point);

}  // namespace kelvara::unihan
