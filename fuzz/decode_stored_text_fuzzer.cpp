// libFuzzer harness: DecodeStoredText takes whatever a reference file holds.
// It must never fail on any input, and on well-formed input it must give back
// exactly one byte per hex pair.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "refdata/stored_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  static const bool quiet = [] {
    kelvara::SetBeepHook([] {});
    return true;
  }();
  (void)quiet;
  const std::string_view stored(reinterpret_cast<const char*>(data), size);
  const std::string bytes = kelvara::DecodeStoredBytes(stored);
  assert(bytes.size() <= size / 2);
  if (stored.find_first_not_of("0123456789abcdefABCDEF") ==
      std::string_view::npos) {
    assert(bytes.size() == size / 2);
  }
  kelvara::DecodeStoredText(stored);
  return 0;
}
