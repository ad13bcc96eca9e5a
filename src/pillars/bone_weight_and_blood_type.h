#pragma once

#include <string>
#include <string_view>

#include "refdata/reference_store.h"

namespace kelvara {

// The line of the bone-weight reading (称骨算命) a call produces. The values
// are the selector numbers the report passes.
enum class BoneWeightPart { kWeight = 0, kVerse = 1, kExplanation = 2 };

// One line of the bone-weight reading of a birth, from dream.dll of `store`.
// The four keys are decimal numbers without leading zeros: the lunar year
// (1900 … 2100), the lunar month (1 … 12), the lunar day (1 … 30) and the
// clock hour (0 … 23). Their partial weights in 两 (chenggu1 … chenggu4; a
// key without a row weighs 0) add up to the weight, whose 两 and 钱 digits
// key the verdict in chenggu. For 1.2 + 0.6 + 1.5 + 1.0 = 4.3 (key "43"):
// - kWeight: "你的骨重为：4两3钱";
// - kVerse: "骨重诗评：" followed by the verse, trimmed;
// - kExplanation: "骨重解评：" followed by the explanation, trimmed.
// A sum of 5 has the key "50" and the weight line "你的骨重为：5两".
// The empty text when chenggu has no row for the key (sums of 10 两 or
// more have none), and for a `part` outside the three. Each call runs its
// five lookups anew. A lookup that cannot run (file, table or column
// missing) throws LookupError: the command running the reading ends it
// silently.
std::string BoneWeightLine(const ReferenceStore& store,
                           std::string_view lunar_year,
                           std::string_view lunar_month,
                           std::string_view lunar_day, std::string_view hour,
                           BoneWeightPart part);

// The love-and-character text (血型论命) of a blood type as the panel shows
// it: "A型" or "a型", "B型" or "b型", "O型" or "o型", "AB型" or "ab型". Any
// other text, full-width letters and "Ab型" included, gives "请听下回分解!".
std::string BloodTypeText(std::string_view blood_type);

}  // namespace kelvara
