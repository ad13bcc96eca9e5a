#include "refdata/stored_text.h"

#include <cstdio>
#include <utility>

#include "base/text.h"

namespace kelvara {
namespace {

void TerminalBell() { std::fputc('\a', stderr); }

BeepHook& CurrentBeepHook() {
  static BeepHook hook;
  return hook;
}

void Beep() {
  if (const BeepHook& hook = CurrentBeepHook()) {
    hook();
  } else {
    TerminalBell();
  }
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

BeepHook SetBeepHook(BeepHook hook) {
  return std::exchange(CurrentBeepHook(), std::move(hook));
}

std::string DecodeStoredBytes(std::string_view stored) {
  std::string bytes;
  bytes.reserve(stored.size() / 2);
  for (std::size_t k = 0; k + 1 < stored.size(); k += 2) {
    const int high = HexDigitValue(stored[k]);
    const int low = HexDigitValue(stored[k + 1]);
    if (high < 0 || low < 0) {
      Beep();
      continue;
    }
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  if (bytes.empty()) return bytes;

  const std::uint8_t key_high = kScrambleKey >> 8;
  const std::uint8_t key_low = kScrambleKey & 0xFF;
  auto* b = reinterpret_cast<unsigned char*>(bytes.data());
  const std::size_t length = bytes.size();
  for (int cycle = 0; cycle < kScrambleCycles; ++cycle) {
    for (std::size_t i = 1; i < length; ++i) {
      b[i] = static_cast<unsigned char>((b[i - 1] + b[i]) ^ key_high);
    }
    for (std::size_t i = length - 1; i-- > 0;) {
      b[i] = static_cast<unsigned char>((b[i + 1] + b[i]) ^ key_low);
    }
  }
  return bytes;
}

std::string DecodeStoredText(std::string_view stored) {
  return FromGbk(DecodeStoredBytes(stored));
}

}  // namespace kelvara
