#include "base/text.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/utf8.h>

#include <charconv>
#include <memory>
#include <vector>

namespace kelvara {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

enum class OnError { kSubstitute, kStop };

// One converter per thread and mode; opening one costs far more than using it.
UConverter* GbkConverter(OnError mode) {
  thread_local ConverterPtr lenient;
  thread_local ConverterPtr strict;
  ConverterPtr& slot = mode == OnError::kStop ? strict : lenient;
  if (!slot) {
    UErrorCode status = U_ZERO_ERROR;
    slot.reset(ucnv_open("GBK", &status));
    if (U_FAILURE(status)) return nullptr;
    if (mode == OnError::kStop) {
      ucnv_setFromUCallBack(slot.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr,
                            nullptr, nullptr, &status);
      ucnv_setToUCallBack(slot.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr,
                          nullptr, &status);
    } else {
      ucnv_setSubstChars(slot.get(), "?", 1, &status);
    }
  }
  ucnv_reset(slot.get());
  return slot.get();
}

// UTF-8 to UTF-16; malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
  const int32_t length = static_cast<int32_t>(utf8.size());
  int32_t i = 0;
  while (i < length) {
    UChar32 c;
    U8_NEXT(s, i, length, c);
    if (c < 0) c = 0xFFFD;
    if (c <= 0xFFFF) {
      out.push_back(static_cast<char16_t>(c));
    } else {
      out.push_back(static_cast<char16_t>(U16_LEAD(c)));
      out.push_back(static_cast<char16_t>(U16_TRAIL(c)));
    }
  }
  return out;
}

std::string Utf16ToUtf8(const char16_t* s, int32_t length) {
  std::string out;
  out.reserve(static_cast<std::size_t>(length) * 3);
  int32_t i = 0;
  while (i < length) {
    UChar32 c;
    U16_NEXT(s, i, length, c);
    char buf[4];
    int32_t n = 0;
    UBool error = false;
    U8_APPEND(reinterpret_cast<uint8_t*>(buf), n, 4, c, error);
    if (error) {
      out += "\xEF\xBF\xBD";
    } else {
      out.append(buf, static_cast<std::size_t>(n));
    }
  }
  return out;
}

std::optional<std::string> ConvertToGbk(std::string_view utf8, OnError mode) {
  if (utf8.empty()) return std::string();
  if (mode == OnError::kStop && !IsValidUtf8(utf8)) return std::nullopt;
  UConverter* conv = GbkConverter(mode);
  if (conv == nullptr) return std::nullopt;
  const std::u16string wide = Utf8ToUtf16(utf8);
  std::string out(wide.size() * 2 + 8, '\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n =
      ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()),
                      reinterpret_cast<const UChar*>(wide.data()),
                      static_cast<int32_t>(wide.size()), &status);
  if (U_FAILURE(status)) return std::nullopt;
  out.resize(static_cast<std::size_t>(n));
  return out;
}

std::optional<std::string> ConvertFromGbk(std::string_view gbk, OnError mode) {
  if (gbk.empty()) return std::string();
  UConverter* conv = GbkConverter(mode);
  if (conv == nullptr) return std::nullopt;
  std::vector<char16_t> wide(gbk.size() + 8);
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_toUChars(conv, reinterpret_cast<UChar*>(wide.data()),
                                  static_cast<int32_t>(wide.size()), gbk.data(),
                                  static_cast<int32_t>(gbk.size()), &status);
  if (U_FAILURE(status)) return std::nullopt;
  return Utf16ToUtf8(wide.data(), n);
}

}  // namespace

std::string ToGbk(std::string_view utf8) {
  return ConvertToGbk(utf8, OnError::kSubstitute).value_or(std::string());
}

std::optional<std::string> ToGbkStrict(std::string_view utf8) {
  return ConvertToGbk(utf8, OnError::kStop);
}

std::string FromGbk(std::string_view gbk) {
  return ConvertFromGbk(gbk, OnError::kSubstitute).value_or(std::string());
}

std::optional<std::string> FromGbkStrict(std::string_view gbk) {
  return ConvertFromGbk(gbk, OnError::kStop);
}

bool IsValidUtf8(std::string_view bytes) {
  const auto* s = reinterpret_cast<const uint8_t*>(bytes.data());
  const int32_t length = static_cast<int32_t>(bytes.size());
  int32_t i = 0;
  while (i < length) {
    UChar32 c;
    U8_NEXT(s, i, length, c);
    if (c < 0) return false;
  }
  return true;
}

std::string TextFromFileBytes(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (IsValidUtf8(bytes)) {
    if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
    return std::string(bytes);
  }
  return FromGbk(bytes);
}

int GbkWidth(std::string_view utf8) {
  return static_cast<int>(ToGbk(utf8).size());
}

std::string GbkSlice(std::string_view utf8, std::size_t start,
                     std::size_t count) {
  std::string out;
  const std::size_t end = start + count < start ? SIZE_MAX : start + count;
  std::size_t offset = 0;  // GBK byte offset of the current character
  std::size_t i = 0;
  while (i < utf8.size() && offset < end) {
    const std::size_t begin = i;
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const int32_t length = static_cast<int32_t>(utf8.size());
    int32_t pos = static_cast<int32_t>(i);
    UChar32 c;
    U8_NEXT(s, pos, length, c);
    i = static_cast<std::size_t>(pos);
    const std::string_view ch = utf8.substr(begin, i - begin);
    const std::size_t width = ToGbk(ch).size();
    if (offset >= start && offset + width <= end) out += ch;
    offset += width;
  }
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    if (end < text.size()) {
      const bool crlf =
          text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
      end += crlf ? 2 : 1;
    }
    start = end;
  }
  return lines;
}

std::string Trim(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 0x20) --e;
  return std::string(text.substr(b, e - b));
}

std::string FirstChar(std::string_view utf8) {
  if (utf8.empty()) return {};
  const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
  int32_t i = 0;
  UChar32 c;
  U8_NEXT(s, i, static_cast<int32_t>(utf8.size()), c);
  (void)c;
  return std::string(utf8.substr(0, static_cast<std::size_t>(i)));
}

std::optional<int> ParseWholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  int value = 0;
  auto [ptr, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace kelvara
