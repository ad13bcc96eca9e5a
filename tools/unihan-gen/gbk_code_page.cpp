#include "gbk_code_page.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/utf16.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace kelvara::unihan {
namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};

}  // namespace

std::vector<GbkCharacter> GbkDoubleByteCharacters() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, ConverterCloser> converter(
      ucnv_open("GBK", &status));
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("cannot open the GBK converter: ") +
                             u_errorName(status));
  }
  // Stop at anything unmapped instead of substituting U+FFFD or U+001A.
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr,
                      nullptr, nullptr, &status);
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("cannot set the GBK callback: ") +
                             u_errorName(status));
  }
  std::vector<GbkCharacter> characters;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      UChar units[4];
      status = U_ZERO_ERROR;
      ucnv_reset(converter.get());
      const int32_t length =
          ucnv_toUChars(converter.get(), units, 4, bytes, 2, &status);
      if (U_FAILURE(status) || length < 1) continue;
      UChar32 c = 0;
      int32_t offset = 0;
      U16_NEXT(units, offset, length, c);
      if (offset != length) continue;  // more than one character
      characters.push_back({lead, trail, static_cast<char32_t>(c)});
    }
  }
  return characters;
}

bool IsChineseIdeograph(char32_t code_point) {
  const auto c = static_cast<UChar32>(code_point);
  return u_hasBinaryProperty(c, UCHAR_UNIFIED_IDEOGRAPH) ||
         ublock_getCode(c) == UBLOCK_CJK_COMPATIBILITY_IDEOGRAPHS;
}

}  // namespace kelvara::unihan
