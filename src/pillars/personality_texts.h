#pragma once

#include <string>
#include <string_view>

namespace kelvara {

// The personality summary (性格简评) of the Four Pillars report, from texts
// compiled into the program. They share one table of slots:
// - slots 1 … 31: the day text of people born on day d of any month (ASCII
//   punctuation);
// - slot 100 × m + d: the birthday text of month m, day d (Chinese
//   punctuation). Every real date has one, February 29 included, except
//   January 31 (slot 131).
// Slot 0 and every other slot hold the empty text.

// The text of one slot; the empty text for a slot outside the table, of any
// value (negative ones included).
std::string_view PersonalityTextOfSlot(int slot);

// The day text of slot `day` followed directly by the birthday text of slot
// 100 × `month` + `day`. A slot without text adds nothing: (3, 21) gives
// slots 21 and 321, (1, 31) the day text of 31 alone, and the date that does
// not exist (4, 31) the day text of 31 alone. A month outside 1 … 12 or a day
// outside 1 … 31 has no birthday text, and a day outside 1 … 31 no day text.
std::string BirthdayPersonality(int month, int day);

}  // namespace kelvara
