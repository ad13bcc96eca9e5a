// Net names: any bytes, read as GBK or as UTF-8, must convert without fault
// into initials and a personality text.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "names/net_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string initials = kelvara::PinyinInitials(bytes);
  assert(initials.size() <= kelvara::kPinyinInitialsLimit);
  for (const char c : initials) {
    assert((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (c >= '0' && c <= '9') || c == '?');
    (void)c;
  }
  (void)kelvara::NetNameTraitOfGbk(bytes);
  (void)kelvara::NetNameTrait(bytes);
  (void)kelvara::ReadNetName(bytes);
  return 0;
}
