#include "names/character_strokes.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "base/text.h"

namespace kelvara {
namespace {

// LIKE gives "%" and "_" their wildcard meaning, ignores the case of ASCII
// letters and compares whole characters. A valid UTF-8 text without any of
// them matches exactly where its bytes occur (UTF-8 never matches in the
// middle of a character).
bool MatchesByBytes(std::string_view text) {
  return !text.empty() && IsValidUtf8(text) &&
         std::none_of(text.begin(), text.end(), [](char c) {
           const auto byte = static_cast<unsigned char>(c);
           return c == '%' || c == '_' ||
                  (byte < 0x80 && std::isalpha(byte) != 0);
         });
}

int CountOf(const LookupRow& row) {
  const std::string num = row.Text(0);
  const std::optional<int> count = ParseWholeNumber(Trim(num));
  if (!count) {
    throw LookupError("TarselFile.dll: bihua.num is not a whole number: " +
                      num);
  }
  return *count;
}

}  // namespace

int StrokeCount(const ReferenceStore& store, std::string_view text) {
  if (MatchesByBytes(text)) {
    // SQLite's LIKE decodes every character of the long lists one by one; a
    // byte search over the same rows, in the same order, finds the same first
    // row in a fraction of the time.
    const LookupRows rows = store.Lookup(ReferenceFile::kTarselFile,
                                         "select num, hanzi from bihua");
    for (const LookupRow& row : rows) {
      if (row.Text(1).find(text) != std::string::npos) return CountOf(row);
    }
    return 0;
  }
  const LookupRows rows =
      store.Lookup(ReferenceFile::kTarselFile,
                   "select num from bihua where hanzi like ? limit 1",
                   {"%" + std::string(text) + "%"});
  return rows.empty() ? 0 : CountOf(rows.front());
}

}  // namespace kelvara
