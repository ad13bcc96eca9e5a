// Bytes from files and typed dates: the text helpers must take anything.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/datetime.h"
#include "base/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = kelvara::TextFromFileBytes(bytes);
  (void)kelvara::FromGbkStrict(bytes);
  (void)kelvara::ToGbkStrict(bytes);
  (void)kelvara::GbkWidth(text);
  (void)kelvara::GbkSlice(text, size % 7, size % 11);
  (void)kelvara::Trim(bytes);
  (void)kelvara::ParseWholeNumber(bytes);
  (void)kelvara::ParseIsoDate(bytes);
  (void)kelvara::ParseIsoDateTime(bytes);
  return 0;
}
