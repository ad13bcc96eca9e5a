#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kelvara {

// Some text columns of the reference files are stored scrambled: the GBK bytes
// of the text, run through kScrambleCycles rounds keyed by kScrambleKey and
// written as hexadecimal digit pairs. The stored files depend on both values:
// never change them.
inline constexpr int kScrambleCycles = 7;
inline constexpr std::uint16_t kScrambleKey = 4821;  // 0x12D5

// The GBK bytes of a scrambled column value, decoded as stored:
// - each pair of characters 1-2, 3-4, ... is one byte written in hexadecimal
//   (digits in either case); a pair that is not hexadecimal sounds the beep
//   (see SetBeepHook) and adds nothing;
// - the last character of an odd-length text is ignored;
// - no bytes (empty text, a single character) gives the empty result.
// The value is taken as given: callers trim it first.
std::string DecodeStoredBytes(std::string_view stored);

// The plain text (UTF-8) of a scrambled column value: DecodeStoredBytes read
// as GBK. Bytes that are not GBK show as U+FFFD.
std::string DecodeStoredText(std::string_view stored);

// What the decoder calls for a non-hexadecimal pair. The default rings the
// terminal bell on standard error; the window replaces it with the system
// beep and tests with a counter.
using BeepHook = std::function<void()>;
// Installs a hook (an empty one restores the default) and returns the one it
// replaces.
BeepHook SetBeepHook(BeepHook hook);

}  // namespace kelvara
