#pragma once

#include <vector>

namespace kelvara::unihan {

// One double-byte code of GBK (code page 936) and the character it stands
// for: 江 is lead 0xBD, trail 0xAD.
struct GbkCharacter {
  int lead = 0;
  int trail = 0;
  char32_t code_point = 0;
};

// Every double-byte GBK code, lead byte 0x81..0xFE and trail byte
// 0x40..0xFE, that ICU's "GBK" converter decodes to exactly one character,
// in code order. Unassigned codes are left out; the user-defined areas are
// included (they decode to private-use characters). Throws
// std::runtime_error when the converter cannot be opened.
std::vector<GbkCharacter> GbkDoubleByteCharacters();

// A Chinese ideograph: a unified ideograph or one of the compatibility block
// (郎 U+F92C). Ideographic symbols such as 〇 and 〆 are not.
bool IsChineseIdeograph(char32_t code_point);

}  // namespace kelvara::unihan
