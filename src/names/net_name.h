#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvara {

// The net-name reading (网名与性格): a nickname is spelled as a string of
// Latin letters, and the last letter of that string picks one of 26 short
// personality texts.

// The longest result of PinyinInitials, in characters (all of them ASCII).
inline constexpr std::size_t kPinyinInitialsLimit = 255;

// The letters of a GBK text. Bytes are read from the first: a byte below 0x81,
// or one whose next byte is below 0x40 or missing, stands alone; any other
// byte starts a double-byte character with the next one.
// - A single byte that is an ASCII letter or digit gives itself in upper
//   case; any other single byte gives nothing.
// - A Chinese character gives the first letter of its Mandarin syllable in
//   upper case (PinyinIndex); a double-byte code without a reading gives "?".
// - Numbered symbols of row 0xA2 give their number: ⒂ gives "15", Ⅻ "12";
//   the unassigned codes of the row give nothing, codes below 0xA2A1 "?".
// - Full-width letters and digits (row 0xA3) give the ASCII character
//   unchanged in case (ａ gives "a"); other full-width signs give nothing.
// - Greek letters (row 0xA6), capital and small, give their transliteration
//   in upper case: φ gives "PH"; the other codes of the row give "?".
// Any bytes are accepted. The result is cut to kPinyinInitialsLimit
// characters. Example: GBK 小猫 gives "XM", "abc123" gives "ABC123", 李⒂
// gives "L15".
std::string PinyinInitials(std::string_view gbk);

// The personality texts of the letters a..z, as stored: some carry blanks at
// either end, which the window removes.
extern const std::array<std::string_view, 26> LetterTraits;

// The personality of a GBK nickname, possibly empty: the digits of its
// PinyinInitials become letters (1 → A … 9 → I, 0 → J) and the last
// character, in lower case, selects its LetterTraits text. Empty for an
// empty nickname and when the last character is "?" or there is none.
// Only the last character counts: "abc123" reads as "ABCABC" and gets the
// text of c. Any bytes are accepted.
std::string NetNameTraitOfGbk(std::string_view gbk);

// NetNameTraitOfGbk of a UTF-8 nickname, or nullopt when the nickname cannot
// be written in GBK (a character GBK lacks, such as an emoji, or bytes that
// are not UTF-8).
std::optional<std::string> NetNameTrait(std::string_view nickname);

// The text as the nickname field shows it: ASCII letters in upper case,
// everything else unchanged. "abc123" shows as "ABC123".
std::string NicknameAsShown(std::string_view typed);

// What the 测算 button shows for the text of the nickname field.
struct NetNameReading {
  // "请输入你的网名！" for a field that is empty after trimming; the two
  // lines are then empty and the window shows only the message.
  std::string message;
  // "你的网名：" and the trimmed nickname.
  std::string name_line;
  // "你的性格：" and the trimmed personality text (only the prefix when the
  // nickname has no personality), or "请重新输入网名，请不要输入特殊字符！"
  // when the nickname cannot be converted.
  std::string trait_line;
};
NetNameReading ReadNetName(std::string_view field_text);

}  // namespace kelvara
