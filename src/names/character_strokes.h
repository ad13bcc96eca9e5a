#pragma once

#include <string_view>

#include "refdata/reference_store.h"

namespace kelvara {

// The numerological stroke count of a character: the `num` of the first row of
// `bihua` (TarselFile.dll) whose `hanzi` list contains `text`, 0 when no row
// does. Simplified and traditional forms stand in the same row, so both count
// the strokes of the traditional form: 王 4, 张 and 張 11.
//
// `text` is one character in all ordinary use; whatever it is, it is matched
// as a substring of the lists, the way `hanzi like '%' || text || '%'` does:
// - two characters count only where a list holds them side by side;
// - a character in no list, an ASCII letter, a digit, a quote or a character
//   GBK lacks counts 0;
// - "%" and "_" keep their wildcard meaning, and the empty text matches every
//   row: each of them counts as the first row.
//
// Throws LookupError when TarselFile.dll cannot be read or the `num` found is
// not a whole number; the command that asked abandons silently.
int StrokeCount(const ReferenceStore& store, std::string_view text);

}  // namespace kelvara
