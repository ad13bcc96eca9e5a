#include "names/net_name.h"

#include <algorithm>

#include "base/text.h"
#include "names/pinyin_table.h"

namespace kelvara {
namespace {

constexpr int kFirstSymbolTrail = 0xA1;
constexpr int kLastSymbolTrail = 0xFE;
constexpr int kSymbolRowSize = kLastSymbolTrail - kFirstSymbolTrail + 1;

// GBK row 0xA2, trails 0xA1..0xFE: the number each numbered symbol stands
// for; the empty text for the unassigned codes (0xAB..0xB0, 0xE3, 0xE4, 0xEF,
// 0xF0, 0xFD, 0xFE).
constexpr std::array<std::string_view, kSymbolRowSize> kNumberedSymbols{
    // ⅰ..ⅹ
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
    // unassigned
    "", "", "", "", "", "",
    // ⒈..⒛
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
    "15", "16", "17", "18", "19", "20",
    // ⑴..⒇
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
    "15", "16", "17", "18", "19", "20",
    // ①..⑩
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
    // unassigned
    "", "",
    // ㈠..㈩
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
    // unassigned
    "", "",
    // Ⅰ..Ⅻ
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
    // unassigned
    "", ""};

// GBK row 0xA6: the 24 Greek letters Α..Ω at trails 0xA1..0xB8, α..ω at
// 0xC1..0xD8, in alphabetical order.
constexpr int kFirstCapitalGreek = 0xA1;
constexpr int kFirstSmallGreek = 0xC1;
constexpr int kGreekLetterCount = 24;
constexpr std::array<std::string_view, kGreekLetterCount> kGreekLetters{
    "A", "B", "G", "D", "E", "Z", "E", "TH", "I",  "K",  "L",  "M",
    "N", "X", "O", "P", "R", "S", "T", "U",  "PH", "KH", "PS", "O"};

constexpr int kFirstLead = 0x81;
constexpr int kFirstTrail = 0x40;
constexpr unsigned char kNumberedSymbolRow = 0xA2;
constexpr unsigned char kFullWidthRow = 0xA3;
constexpr unsigned char kGreekRow = 0xA6;

bool IsAsciiLetterOrDigit(int c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// Appends the letters of one double-byte character.
void AppendInitials(unsigned char lead, unsigned char trail, std::string& out) {
  if (lead == kNumberedSymbolRow) {
    if (trail < kFirstSymbolTrail) {
      out += '?';
    } else if (trail <= kLastSymbolTrail) {  // 0xFF is no code of the row
      out += kNumberedSymbols[trail - kFirstSymbolTrail];
    }
    return;
  }
  if (lead == kFullWidthRow) {
    const int ascii = trail - 0x80;
    if (IsAsciiLetterOrDigit(ascii)) out += static_cast<char>(ascii);
    return;
  }
  if (lead == kGreekRow) {
    if (trail >= kFirstCapitalGreek &&
        trail < kFirstCapitalGreek + kGreekLetterCount) {
      out += kGreekLetters[trail - kFirstCapitalGreek];
    } else if (trail >= kFirstSmallGreek &&
               trail < kFirstSmallGreek + kGreekLetterCount) {
      out += kGreekLetters[trail - kFirstSmallGreek];
    } else {
      out += '?';
    }
    return;
  }
  // Lead or trail 0xFF lies outside the code page: no reading.
  const int syllable = lead <= kPinyinLastLead && trail <= kPinyinLastTrail
                           ? PinyinIndex[PinyinIndexPosition(lead, trail)]
                           : 0;
  if (syllable == 0) {
    out += '?';
    return;
  }
  const std::string_view spelling = PinyinSyllables[syllable - 1];
  if (!spelling.empty()) out += AsciiUpper(spelling.front());
}

}  // namespace

const std::array<std::string_view, 26> LetterTraits{
    "好奇心强，专一",
    "老实，沉默",
    "可爱，较明显的自恋",
    "温柔，乖巧",
    "会拍马屁，攀关系",
    " 有抱负，志气高",
    "大丈夫主义者",
    " 自立，自强，可依靠 ",
    " 有点懒惰",
    " 煽情高手",
    "古怪，求新",
    "圆滑",
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
    "不贪图安逸，能想到别人想不到的东西",
    "勤劳肯干，活跃",
    "认为朋友和恋人是最重要的，是他们的特点",
    "超级赶时髦者，无敌扫旧派",
    "固执，略有才气",
    "心胸宽大，有深藏不露的自恋",
    "热爱青春，喜欢活力",
    "不耻下问",
    "好静，有点表里不一",
    "比较糊涂，容易感情用事",
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
    "乐天派呀！非同一般的乐天",
    "老实，想问题容易兜圈子",
};

std::string PinyinInitials(std::string_view gbk) {
  std::string out;
  std::size_t i = 0;
  while (i < gbk.size() && out.size() < kPinyinInitialsLimit) {
    const auto byte = static_cast<unsigned char>(gbk[i]);
    const bool single = byte < kFirstLead || i + 1 >= gbk.size() ||
                        static_cast<unsigned char>(gbk[i + 1]) < kFirstTrail;
    if (single) {
      if (IsAsciiLetterOrDigit(byte)) out.push_back(AsciiUpper(gbk[i]));
      ++i;
      continue;
    }
    AppendInitials(byte, static_cast<unsigned char>(gbk[i + 1]), out);
    i += 2;
  }
  if (out.size() > kPinyinInitialsLimit) out.resize(kPinyinInitialsLimit);
  return out;
}

std::string NetNameTraitOfGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  const std::string initials = PinyinInitials(gbk);
  if (initials.empty()) return {};
  // Digits stand for letters: 1 → A … 9 → I, 0 → J.
  char last = initials.back();
  if (last >= '1' && last <= '9') {
    last = static_cast<char>('A' + (last - '1'));
  } else if (last == '0') {
    last = 'J';
  }
  last = AsciiLower(last);
  if (last < 'a' || last > 'z') return {};
  return std::string(LetterTraits[static_cast<std::size_t>(last - 'a')]);
}

std::optional<std::string> NetNameTrait(std::string_view nickname) {
  const std::optional<std::string> gbk = ToGbkStrict(nickname);
  if (!gbk) return std::nullopt;
  return NetNameTraitOfGbk(*gbk);
}

std::string NicknameAsShown(std::string_view typed) {
  std::string shown(typed);
  std::transform(shown.begin(), shown.end(), shown.begin(), AsciiUpper);
  return shown;
}

NetNameReading ReadNetName(std::string_view field_text) {
  NetNameReading reading;
  const std::string nickname = Trim(field_text);
  if (nickname.empty()) {
    reading.message = "请输入你的网名！";
    return reading;
  }
  reading.name_line = "你的网名：" + nickname;
  const std::optional<std::string> trait = NetNameTrait(nickname);
  reading.trait_line = trait ? "你的性格：" + Trim(*trait)
                             : "请重新输入网名，请不要输入特殊字符！";
  return reading;
}

}  // namespace kelvara
