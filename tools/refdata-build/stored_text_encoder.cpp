#include "stored_text_encoder.h"

#include <cstdint>

#include "base/text.h"
#include "refdata/stored_text.h"

namespace kelvara::refdata_build {

std::string EncodeStoredBytes(std::string_view gbk) {
  std::string bytes(gbk);
  if (!bytes.empty()) {
    const std::uint8_t key_high = kScrambleKey >> 8;
    const std::uint8_t key_low = kScrambleKey & 0xFF;
    auto* b = reinterpret_cast<unsigned char*>(bytes.data());
    const std::size_t length = bytes.size();
    // Each cycle of the decoder runs a forward pass, then a backward pass;
    // undo them in the opposite order. Each step reads a neighbour that is
    // still in its decoded state, so the walk runs against the decoder's.
    for (int cycle = 0; cycle < kScrambleCycles; ++cycle) {
      for (std::size_t i = 0; i + 1 < length; ++i) {
        b[i] = static_cast<unsigned char>((b[i] ^ key_low) - b[i + 1]);
      }
      for (std::size_t i = length - 1; i >= 1; --i) {
        b[i] = static_cast<unsigned char>((b[i] ^ key_high) - b[i - 1]);
      }
    }
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string stored;
  stored.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    stored.push_back(kHex[c >> 4]);
    stored.push_back(kHex[c & 0xF]);
  }
  return stored;
}

std::optional<std::string> EncodeStoredText(std::string_view utf8) {
  const std::optional<std::string> gbk = ToGbkStrict(utf8);
  if (!gbk) return std::nullopt;
  return EncodeStoredBytes(*gbk);
}

}  // namespace kelvara::refdata_build
