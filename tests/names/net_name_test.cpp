// The net-name reading: letters of a GBK nickname and the personality its
// last letter selects.

#include "names/net_name.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "base/text.h"
#include "names/pinyin_table.h"

namespace kelvara {
namespace {

// Every character PinyinInitials may produce.
bool OnlyInitials(std::string_view text) {
  for (const char c : text) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                    (c >= '0' && c <= '9') || c == '?';
    if (!ok) return false;
  }
  return true;
}

struct InitialsCase {
  const char* label;
  std::string gbk;
  std::string expected;
};

// Texts given in UTF-8 are converted to GBK; raw byte rows are written with
// escapes. Expected values follow the GBK code chart and the Mandarin
// readings of Unihan.
TEST(PinyinInitialsTest, ConvertsEveryKindOfCharacter) {
  const InitialsCase cases[] = {
      {"Chinese characters", ToGbk("小猫"), "XM"},
      {"Chinese characters and ASCII", ToGbk("我爱bj2008"), "WABJ2008"},
      {"ASCII in upper case", "abc123", "ABC123"},
      {"ASCII punctuation and blanks dropped", "a-b_c d!", "ABCD"},
      {"numbered symbol of two digits", ToGbk("李⒂"), "L15"},
      {"small roman numerals", ToGbk("ⅰⅹ"), "110"},
      {"numbers with full stop", ToGbk("⒈⒛"), "120"},
      {"parenthesised numbers", ToGbk("⑴⒇"), "120"},
      {"circled numbers", ToGbk("①⑩"), "110"},
      {"parenthesised ideographs", ToGbk("㈠㈩"), "110"},
      {"capital roman numerals", ToGbk("ⅠⅫ"), "112"},
      {"unassigned code of the numbered row", "\xA2\xAB\xA2\xE3\xA2\xFE", ""},
      {"numbered row below its symbols", "\xA2\x40", "?"},
      {"full-width letters keep their case", ToGbk("ａＢｃ"), "aBc"},
      {"full-width digits", ToGbk("０９"), "09"},
      {"full-width punctuation dropped", ToGbk("！，（）"), ""},
      {"capital Greek", ToGbk("ΑΘΦΩ"), "ATHPHO"},
      {"small Greek", ToGbk("ηξχψ"), "EXKHPS"},
      {"row of Greek outside the letters", ToGbk("︵"), "?"},
      {"CJK punctuation has no reading", ToGbk("。、"), "??"},
      {"kana has no reading", ToGbk("あア"), "??"},
      {"pinyin letters have no reading", ToGbk("ā"), "?"},
      {"syllables outside the alphabetical run", ToGbk("女誒嗯"), "NEN"},
      {"euro sign is a single byte", ToGbk("€a"), "A"},
      {"lead byte before a low byte stands alone", "\x81\x30", "0"},
      {"lead byte at the end stands alone", "a\xD6", "A"},
      {"lead and trail 0xFF lie outside the code page", "\xFF\xFF", "?"},
      {"user-defined area has no reading", "\xFE\xFE", "?"},
      {"empty text", "", ""},
  };
  for (const InitialsCase& c : cases) {
    EXPECT_EQ(PinyinInitials(c.gbk), c.expected) << c.label;
  }
}

TEST(PinyinInitialsTest, CutsTheResultTo255Characters) {
  struct Case {
    const char* label;
    std::string gbk;
    std::string expected;
  };
  std::string chinese_254;
  for (int i = 0; i < 127; ++i) chinese_254 += ToGbk("中国");
  const Case cases[] = {
      {"300 letters", std::string(300, 'q'), std::string(255, 'Q')},
      {"255 letters stay whole", std::string(255, 'q'), std::string(255, 'Q')},
      {"254 characters and a symbol of two digits", chinese_254 + ToGbk("⒛"),
       PinyinInitials(chinese_254) + "2"},
      {"a long text of Chinese characters",
       [] {
         std::string s;
         for (int i = 0; i < 5000; ++i) s += ToGbk("网");
         return s;
       }(),
       std::string(255, 'W')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PinyinInitials(c.gbk), c.expected) << c.label;
  }
}

// Any two bytes, and random texts of any bytes, convert into initials only:
// no byte sequence reaches outside the tables.
TEST(PinyinInitialsTest, AcceptsAnyBytes) {
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      const std::string bytes{static_cast<char>(first),
                              static_cast<char>(second)};
      const std::string initials = PinyinInitials(bytes);
      ASSERT_LE(initials.size(), 4u) << first << " " << second;
      ASSERT_TRUE(OnlyInitials(initials)) << first << " " << second;
      NetNameTraitOfGbk(bytes);
    }
  }
  std::mt19937 random(20240601);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 700);
  for (int run = 0; run < 2000; ++run) {
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& b : bytes) b = static_cast<char>(byte(random));
    const std::string initials = PinyinInitials(bytes);
    ASSERT_LE(initials.size(), kPinyinInitialsLimit);
    ASSERT_TRUE(OnlyInitials(initials));
    NetNameTraitOfGbk(bytes);
  }
}

// The pinyin tables the conversion reads: every number in the index names a
// syllable, and every character of GB2312 (rows 0xB0..0xF7) has a reading.
TEST(PinyinInitialsTest, EveryCommonCharacterHasALetter) {
  for (const std::uint16_t number : PinyinIndex) {
    ASSERT_LE(number, kPinyinSyllableCount);
  }
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail > 0xF9) continue;  // unassigned in GB2312
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string initials = PinyinInitials(code);
      ASSERT_EQ(initials.size(), 1u) << FromGbk(code);
      EXPECT_TRUE(initials[0] >= 'A' && initials[0] <= 'Z') << FromGbk(code);
    }
  }
}

struct TraitCase {
  const char* label;
  std::string nickname;  // UTF-8
  char letter;           // whose text is expected; 0 for the empty text
};

// The personality of a nickname is the text of its last letter, digits read
// as letters (1 → A … 0 → J).
TEST(NetNameTraitTest, LastLetterSelectsTheText) {
  const TraitCase cases[] = {
      {"小猫 ends in m", "小猫", 'm'},
      {"abc123 reads as ABCABC", "abc123", 'c'},
      {"a last 0 reads as J", "tom0", 'j'},
      {"a last 9 reads as I", "x9", 'i'},
      {"李⒂ reads as LAE", "李⒂", 'e'},
      {"φ reads as PH", "φ", 'h'},
      {"Ⅻ reads as AB", "Ⅻ", 'b'},
      {"a full-width small letter", "ｚ", 'z'},
      {"a full-width sign is dropped, the letter before counts", "ａ！", 'a'},
      {"upper and lower case alike", "Q", 'q'},
      {"only the last character counts", "王小二", 'e'},
      {"ü syllables begin with n or l", "阿女", 'n'},
      {"a last character without a reading", "小猫。", 0},
      {"kana at the end", "abcあ", 0},
      {"punctuation only", "!?,.", 0},
      {"full-width punctuation only", "，！", 0},
      {"empty", "", 0},
  };
  for (const TraitCase& c : cases) {
    const std::optional<std::string> trait = NetNameTrait(c.nickname);
    ASSERT_TRUE(trait.has_value()) << c.label;
    const std::string expected =
        c.letter == 0
            ? std::string()
            : std::string(
                  LetterTraits[static_cast<std::size_t>(c.letter - 'a')]);
    EXPECT_EQ(*trait, expected) << c.label;
  }
}

// The texts of the letters that the worked examples reach.
TEST(NetNameTraitTest, TextsAsStored) {
  EXPECT_EQ(LetterTraits['m' - 'a'],
            "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
  EXPECT_EQ(LetterTraits['c' - 'a'], "可爱，较明显的自恋");
  EXPECT_EQ(LetterTraits['j' - 'a'], " 煽情高手");
  EXPECT_EQ(LetterTraits['h' - 'a'], " 自立，自强，可依靠 ");
  EXPECT_EQ(LetterTraits['e' - 'a'], "会拍马屁，攀关系");
  EXPECT_EQ(LetterTraits['z' - 'a'], "老实，想问题容易兜圈子");
}

TEST(NetNameTraitTest, TextThatGbkCannotHoldFails) {
  const struct {
    const char* label;
    std::string nickname;
  } cases[] = {
      {"emoji", "ab\xF0\x9F\x98\x80"},
      {"character outside GBK", "\xF0\xA0\x80\x80"},  // U+20000
      {"invalid UTF-8", "ab\xC3"},
      {"stray continuation byte", std::string{'\x80', 'a', 'b', 'c'}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NetNameTrait(c.nickname), std::nullopt) << c.label;
  }
}

TEST(NicknameAsShownTest, UpperCasesAsciiLettersOnly) {
  EXPECT_EQ(NicknameAsShown("abc123"), "ABC123");
  EXPECT_EQ(NicknameAsShown("小猫xy"), "小猫XY");
  EXPECT_EQ(NicknameAsShown("ａb φ"), "ａB φ");
}

struct ReadingCase {
  const char* label;
  std::string field;
  std::string name_line;
  std::string trait_line;
};

// The two lines of the result group, from the text of the field.
TEST(ReadNetNameTest, ShowsNameAndTrimmedTrait) {
  const ReadingCase cases[] = {
      {"worked example", "小猫", "你的网名：小猫",
       "你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
      {"field is trimmed", "  ABC123\t", "你的网名：ABC123",
       "你的性格：可爱，较明显的自恋"},
      {"leading blank of j removed", "TOM0", "你的网名：TOM0",
       "你的性格：煽情高手"},
      {"blanks of h removed on both sides", "KH", "你的网名：KH",
       "你的性格：自立，自强，可依靠"},
      {"no letter gives the prefix alone", "!!!", "你的网名：!!!",
       "你的性格："},
      {"a last character without a reading", "小猫。", "你的网名：小猫。",
       "你的性格："},
      {"a character GBK lacks", "猫\xF0\x9F\x90\xB1",
       "你的网名：猫\xF0\x9F\x90\xB1", "请重新输入网名，请不要输入特殊字符！"},
  };
  for (const ReadingCase& c : cases) {
    const NetNameReading reading = ReadNetName(c.field);
    EXPECT_EQ(reading.message, "") << c.label;
    EXPECT_EQ(reading.name_line, c.name_line) << c.label;
    EXPECT_EQ(reading.trait_line, c.trait_line) << c.label;
  }
}

TEST(ReadNetNameTest, EmptyFieldAsksForANickname) {
  for (const std::string field : {"", "   ", "\t \n"}) {
    const NetNameReading reading = ReadNetName(field);
    EXPECT_EQ(reading.message, "请输入你的网名！") << "[" << field << "]";
    EXPECT_EQ(reading.name_line, "");
    EXPECT_EQ(reading.trait_line, "");
  }
}

}  // namespace
}  // namespace kelvara
