#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

// Inside the program every text is UTF-8. GBK (code page 936) is what files,
// scrambled columns and the byte-counting rules see; these helpers are the
// only way between the two.

// UTF-8 to GBK. A character GBK lacks, or a malformed UTF-8 sequence, becomes
// "?", so the byte count stays meaningful for alignment.
std::string ToGbk(std::string_view utf8);
// UTF-8 to GBK, or nullopt when some character has no GBK form.
std::optional<std::string> ToGbkStrict(std::string_view utf8);

// GBK to UTF-8. A byte sequence that is not GBK shows as U+FFFD; nothing is
// dropped.
std::string FromGbk(std::string_view gbk);
// GBK to UTF-8, or nullopt when the bytes are not valid GBK.
std::optional<std::string> FromGbkStrict(std::string_view gbk);

bool IsValidUtf8(std::string_view bytes);

// The text of a file's bytes: valid UTF-8 (a byte-order mark is removed) is
// taken as it is, anything else is read as GBK.
std::string TextFromFileBytes(std::string_view bytes);

// Bytes of the text in GBK, which is also its width in columns in a
// fixed-pitch CJK font: 张三 is 4, "A型" is 3.
int GbkWidth(std::string_view utf8);

// The characters whose GBK bytes lie in [start, start + count) (0-based byte
// offsets). A character cut by either edge is left out: GbkSlice("张三", 1, 2)
// is empty, GbkSlice("张三", 2, 2) is "三".
std::string GbkSlice(std::string_view utf8, std::size_t start,
                     std::size_t count);

// The lines of a text: CR LF, a lone CR and a lone LF each end a line, and
// the break after the last line adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Removes every character up to U+0020 (blanks and control characters) at
// both ends.
std::string Trim(std::string_view text);

// The first UTF-8 character of a text (empty for an empty text).
std::string FirstChar(std::string_view utf8);

// Parses a whole decimal number with an optional sign and no other
// characters; nullopt for anything else, including overflow.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace kelvara
