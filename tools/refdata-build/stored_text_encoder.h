#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvara::refdata_build {

// The stored form of a scrambled column: the inverse of DecodeStoredBytes
// (refdata/stored_text.h), hex pairs in upper case. Only the build writes
// scrambled values; the program only decodes them.
std::string EncodeStoredBytes(std::string_view gbk);

// The stored form of a UTF-8 text, or the empty optional when the text has a
// character GBK lacks.
std::optional<std::string> EncodeStoredText(std::string_view utf8);

}  // namespace kelvara::refdata_build
