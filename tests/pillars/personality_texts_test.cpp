#include "pillars/personality_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>
#include <string>
#include <string_view>

namespace kelvara {
namespace {

// Characters (code points) of a UTF-8 text.
int CharacterCount(std::string_view text) {
  int count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Days of each month in a leap year: every birthday there is, February 29
// included.
constexpr std::array<int, 12> kDaysInMonth{31, 29, 31, 30, 31, 30,
                                           31, 31, 30, 31, 30, 31};

// January 31 is the one real date without a birthday text.
bool HasBirthdayText(int month, int day) {
  return day <= kDaysInMonth[month - 1] && !(month == 1 && day == 31);
}

TEST(BirthdayPersonalityTest, JoinsTheDayTextAndTheBirthdayText) {
  struct Case {
    const char* label;
    int month;
    int day;
    int day_slot;       // 0: no day text
    int birthday_slot;  // 0: no birthday text
  };
  const Case kCases[] = {
      {"March 21", 3, 21, 21, 321},
      {"January 1", 1, 1, 1, 101},
      {"February 29", 2, 29, 29, 229},
      {"December 31", 12, 31, 31, 1231},
      {"January 31 has no birthday text", 1, 31, 31, 0},
      {"April 31 does not exist", 4, 31, 31, 0},
      {"February 30 does not exist", 2, 30, 30, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const std::string_view day_text = PersonalityTextOfSlot(c.day_slot);
    const std::string_view birthday_text =
        PersonalityTextOfSlot(c.birthday_slot);
    EXPECT_FALSE(day_text.empty());
    EXPECT_EQ(birthday_text.empty(), c.birthday_slot == 0);
    EXPECT_EQ(BirthdayPersonality(c.month, c.day),
              std::string(day_text) + std::string(birthday_text));
  }
  EXPECT_TRUE(PersonalityTextOfSlot(131).empty());
  EXPECT_TRUE(PersonalityTextOfSlot(431).empty());
}

TEST(BirthdayPersonalityTest, OutOfRangeMonthsAndDaysAreAbsentSlots) {
  struct Case {
    const char* label;
    int month;
    int day;
    int day_slot;  // 0: the empty text
  };
  const Case kCases[] = {
      // Month 0 would point at slot 5, a day text; it is no birthday.
      {"month 0", 0, 5, 5},
      {"month 13", 13, 5, 5},
      {"negative month", -1, 5, 5},
      {"month 20 would be slot 2001", 20, 1, 1},
      {"largest month", INT_MAX, 1, 1},
      {"smallest month", INT_MIN, 1, 1},
      {"day 0", 3, 0, 0},
      {"day 32", 3, 32, 0},
      {"negative day", 3, -1, 0},
      // Month 1, day 200 would point at slot 300.
      {"day 200", 1, 200, 0},
      {"largest day", 1, INT_MAX, 0},
      {"smallest day", 1, INT_MIN, 0},
      {"both out of range", INT_MIN, INT_MAX, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(BirthdayPersonality(c.month, c.day),
              std::string(PersonalityTextOfSlot(c.day_slot)));
  }
}

TEST(PersonalityTextsTest, SlotsHoldTextExactlyWhereListed) {
  for (const int slot : {-1, INT_MIN, 2001, INT_MAX}) {
    EXPECT_TRUE(PersonalityTextOfSlot(slot).empty()) << "slot " << slot;
  }
  for (int slot = 0; slot <= 2000; ++slot) {
    const int month = slot / 100;
    const int day = slot % 100;
    bool listed = false;
    if (slot >= 1 && slot <= 31) {
      listed = true;
    } else if (month >= 1 && month <= 12 && day >= 1) {
      listed = HasBirthdayText(month, day);
    }
    EXPECT_EQ(PersonalityTextOfSlot(slot).empty(), !listed) << "slot " << slot;
  }
}

TEST(PersonalityTextsTest, DayTextsAreOneParagraphWithAsciiPunctuation) {
  for (int day = 1; day <= 31; ++day) {
    SCOPED_TRACE("day " + std::to_string(day));
    const std::string_view text = PersonalityTextOfSlot(day);
    EXPECT_GE(CharacterCount(text), 38);
    EXPECT_LE(CharacterCount(text), 74);
    EXPECT_TRUE(Contains(text, ",") || Contains(text, "."));
    EXPECT_FALSE(Contains(text, "，") || Contains(text, "。"));
    EXPECT_FALSE(Contains(text, "\n"));
  }
}

TEST(PersonalityTextsTest, BirthdayTextsAreOneParagraphWithChinesePunctuation) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      if (!HasBirthdayText(month, day)) continue;
      SCOPED_TRACE("birthday " + std::to_string(month) + "-" +
                   std::to_string(day));
      const std::string_view text = PersonalityTextOfSlot(100 * month + day);
      EXPECT_GE(CharacterCount(text), 32);
      EXPECT_LE(CharacterCount(text), 122);
      EXPECT_TRUE(Contains(text, "，") || Contains(text, "。"));
      for (const std::string_view ascii : {",", ".", ";", ":", "!", "?"}) {
        EXPECT_FALSE(Contains(text, ascii)) << "contains " << ascii;
      }
      EXPECT_FALSE(Contains(text, "\n"));
    }
  }
}

TEST(PersonalityTextsTest, NoTwoSlotsShareAText) {
  std::set<std::string_view> seen;
  for (int slot = 1; slot <= 2000; ++slot) {
    const std::string_view text = PersonalityTextOfSlot(slot);
    if (text.empty()) continue;
    EXPECT_TRUE(seen.insert(text).second) << "slot " << slot;
  }
}

TEST(PersonalityTextsTest, KnownOpenings) {
  struct Case {
    int slot;
    std::string_view opening;
  };
  const Case kCases[] = {
      {1, "是一个有野心并具有大丈夫性格的人,不喜欢受人指使,非常顽固,"},
      {2, "具有双重性格.为人温柔,敏感,常因一点小事而屈服,意志消沉."},
      {321, "有野心、决断力、善理财，从事这方面工作最好。"},
  };
  for (const Case& c : kCases) {
    EXPECT_TRUE(PersonalityTextOfSlot(c.slot).starts_with(c.opening))
        << "slot " << c.slot << ": " << PersonalityTextOfSlot(c.slot);
  }
}

}  // namespace
}  // namespace kelvara
