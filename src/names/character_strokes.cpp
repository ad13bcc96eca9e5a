#include "names/character_strokes.h"

#include <string>

#include "base/text.h"

namespace kelvara {

int StrokeCount(const ReferenceStore& store, std::string_view text) {
  const LookupRows rows =
      store.Lookup(ReferenceFile::kTarselFile,
                   "select num from bihua where hanzi like ? limit 1",
                   {"%" + std::string(text) + "%"});
  if (rows.empty()) return 0;
  const std::string num = rows.front().Text(0);
  const std::optional<int> count = ParseWholeNumber(Trim(num));
  if (!count) {
    throw LookupError("TarselFile.dll: bihua.num is not a whole number: " +
                      num);
  }
  return *count;
}

}  // namespace kelvara
