#include "pillars/personality_texts.h"

namespace kelvara {

// Generated at build time by compiled-texts-gen from
// data/compiled/personality_day.tsv (keys "1" … "31") and
// data/compiled/personality_birthday.tsv (keys "101" … "1231"). Each gives
// the text of a key, or the empty text.
std::string_view PersonalityDayText(std::string_view key);
std::string_view PersonalityBirthdayText(std::string_view key);

namespace {

constexpr int kFirstDay = 1;
constexpr int kLastDay = 31;
constexpr int kFirstMonth = 1;
constexpr int kLastMonth = 12;
constexpr int kLastSlot = 2000;

bool IsDay(int day) { return day >= kFirstDay && day <= kLastDay; }

}  // namespace

std::string_view PersonalityTextOfSlot(int slot) {
  if (slot <= 0 || slot > kLastSlot) return {};
  const std::string key = std::to_string(slot);
  return IsDay(slot) ? PersonalityDayText(key) : PersonalityBirthdayText(key);
}

std::string BirthdayPersonality(int month, int day) {
  std::string text;
  if (!IsDay(day)) return text;
  text += PersonalityTextOfSlot(day);
  if (month >= kFirstMonth && month <= kLastMonth) {
    text += PersonalityTextOfSlot(100 * month + day);
  }
  return text;
}

}  // namespace kelvara
