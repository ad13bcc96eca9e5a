// The bihua table (TarselFile.dll) as the stroke lookup reads it: a character
// counts the `num` of the row whose `hanzi` contains it, 0 when none does.

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {
namespace {

struct BihuaRow {
  std::string hanzi;
  std::string num;
};

struct BihuaTable {
  std::string header;
  std::vector<BihuaRow> rows;
};

BihuaTable ReadBihuaTable() {
  std::ifstream in(KELVARA_BIHUA_TABLE, std::ios::binary);
  BihuaTable table;
  std::getline(in, table.header);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      table.rows.push_back({line, ""});
    } else {
      table.rows.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
  }
  return table;
}

const BihuaTable& Table() {
  static const BihuaTable* const table = new BihuaTable(ReadBihuaTable());
  return *table;
}

std::vector<UChar32> CodePoints(std::string_view utf8) {
  std::vector<UChar32> code_points;
  int32_t offset = 0;
  const auto length = static_cast<int32_t>(utf8.size());
  while (offset < length) {
    UChar32 c = 0;
    U8_NEXT(utf8.data(), offset, length, c);
    code_points.push_back(c);  // negative for malformed UTF-8
  }
  return code_points;
}

std::string Utf8(UChar32 c) {
  char bytes[U8_MAX_LENGTH];
  int32_t length = 0;
  U8_APPEND_UNSAFE(bytes, length, c);
  return std::string(bytes, length);
}

// The lookup of a stroke count: the first row whose hanzi holds the text.
int StrokeCount(std::string_view character) {
  for (const BihuaRow& row : Table().rows) {
    if (row.hanzi.find(character) != std::string::npos) {
      return std::stoi(row.num);
    }
  }
  return 0;
}

// Every GBK double-byte code (lead 0x81..0xFE, trail 0x40..0xFE) that
// decodes to a Chinese ideograph, unified or of the compatibility block.
std::vector<UChar32> GbkIdeographs() {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open("GBK", &status);
  EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  if (U_FAILURE(status)) return {};
  ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr,
                      nullptr, &status);
  std::vector<UChar32> ideographs;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      UChar units[4];
      status = U_ZERO_ERROR;
      ucnv_reset(converter);
      const int32_t length =
          ucnv_toUChars(converter, units, 4, bytes, 2, &status);
      if (U_FAILURE(status) || length < 1) continue;
      UChar32 c = 0;
      int32_t offset = 0;
      U16_NEXT(units, offset, length, c);
      if (offset != length) continue;
      if (u_hasBinaryProperty(c, UCHAR_UNIFIED_IDEOGRAPH) ||
          ublock_getCode(c) == UBLOCK_CJK_COMPATIBILITY_IDEOGRAPHS) {
        ideographs.push_back(c);
      }
    }
  }
  ucnv_close(converter);
  return ideographs;
}

TEST(BihuaTableTest, HasOneRowPerCountWithTheCountAsDecimalText) {
  const BihuaTable& table = Table();
  ASSERT_FALSE(table.rows.empty()) << "cannot read " << KELVARA_BIHUA_TABLE;
  EXPECT_EQ(table.header, "hanzi\tnum");
  std::set<std::string> counts;
  for (const BihuaRow& row : table.rows) {
    SCOPED_TRACE("row num=" + row.num);
    EXPECT_FALSE(row.num.empty());
    EXPECT_EQ(row.num.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_NE(row.num.front(), '0');
    EXPECT_TRUE(counts.insert(row.num).second) << "count repeated";
    EXPECT_FALSE(row.hanzi.empty());
    // Only ideographs: no blank, "%" or "_" that would upset a like pattern.
    for (UChar32 c : CodePoints(row.hanzi)) {
      EXPECT_TRUE(c >= 0 && u_hasBinaryProperty(c, UCHAR_IDEOGRAPHIC))
          << "U+" << std::hex << c;
    }
  }
}

TEST(BihuaTableTest, NoCharacterStandsInTwoRows) {
  std::map<UChar32, std::string> row_of;
  for (const BihuaRow& row : Table().rows) {
    for (UChar32 c : CodePoints(row.hanzi)) {
      const auto [it, inserted] = row_of.emplace(c, row.num);
      EXPECT_TRUE(inserted)
          << Utf8(c) << " in rows " << it->second << " and " << row.num;
    }
  }
}

TEST(BihuaTableTest, EveryGbkIdeographHasARow) {
  const std::vector<UChar32> ideographs = GbkIdeographs();
  // 20,902 unified ideographs U+4E00..U+9FA5 and 21 of the compatibility
  // block: a different number means the enumeration itself is wrong.
  ASSERT_EQ(ideographs.size(), 20923u);
  std::set<UChar32> listed;
  for (const BihuaRow& row : Table().rows) {
    for (UChar32 c : CodePoints(row.hanzi)) listed.insert(c);
  }
  std::string missing;
  for (UChar32 c : ideographs) {
    if (listed.count(c) == 0) missing += Utf8(c);
  }
  EXPECT_EQ(missing, "");
}

struct StrokeCase {
  const char* character;
  int strokes;
};

// Surname counts of name-numerology stroke tables (traditional form, radical
// in full form). 范 is 11: the surname is written 范 in traditional script
// too, 範 (15) is another word.
constexpr StrokeCase kSurnames[] = {
    {"王", 4},  {"李", 7},  {"张", 11}, {"刘", 15}, {"陈", 16}, {"杨", 13},
    {"黄", 12}, {"赵", 14}, {"周", 8},  {"吴", 7},  {"江", 7},  {"胡", 11},
    {"郭", 15}, {"梁", 11}, {"马", 10}, {"林", 8},  {"何", 7},  {"高", 10},
    {"罗", 20}, {"郑", 19}, {"谢", 17}, {"宋", 7},  {"唐", 10}, {"许", 11},
    {"韩", 17}, {"冯", 12}, {"邓", 19}, {"曹", 11}, {"彭", 12}, {"曾", 12},
    {"萧", 18}, {"田", 5},  {"董", 15}, {"袁", 10}, {"蔡", 17}, {"蒋", 17},
    {"余", 7},  {"于", 3},  {"杜", 7},  {"叶", 15}, {"程", 12}, {"魏", 18},
    {"苏", 22}, {"吕", 7},  {"丁", 2},  {"沈", 8},  {"钟", 17}, {"姜", 9},
    {"崔", 11}, {"陆", 16}, {"范", 11}, {"汪", 8},  {"石", 5},  {"金", 8},
    {"贾", 13}, {"夏", 10}, {"方", 4},  {"邹", 17}, {"熊", 14}, {"白", 5},
    {"孟", 8},  {"秦", 10}, {"薛", 19}, {"雷", 13}, {"龙", 16}, {"史", 5},
    {"陶", 16}, {"毛", 4},  {"孔", 4},
};

TEST(StrokeCountTest, CommonSurnames) {
  for (const StrokeCase& surname : kSurnames) {
    EXPECT_EQ(StrokeCount(surname.character), surname.strokes)
        << surname.character;
  }
}

TEST(StrokeCountTest, NumeralsCountByValue) {
  // 四 五 六 七 八 九 十 are drawn with 5 4 4 2 2 2 2 strokes; numerology
  // counts the ten numerals by the number they write. 百 and 千 count their
  // strokes; 万 is counted as 萬.
  constexpr StrokeCase kNumerals[] = {
      {"一", 1}, {"二", 2}, {"三", 3},  {"四", 4},  {"五", 5},
      {"六", 6}, {"七", 7}, {"八", 8},  {"九", 9},  {"十", 10},
      {"百", 6}, {"千", 3}, {"万", 15}, {"萬", 15},
  };
  for (const StrokeCase& numeral : kNumerals) {
    EXPECT_EQ(StrokeCount(numeral.character), numeral.strokes)
        << numeral.character;
  }
  // 〇 is no ideograph of the table: zero has no count.
  EXPECT_EQ(StrokeCount("〇"), 0);
}

struct RadicalCase {
  const char* character;
  int strokes;
  const char* reason;
};

TEST(StrokeCountTest, ReducedRadicalsCountInFullForm) {
  constexpr RadicalCase kCases[] = {
      {"江", 7, "氵 as 水 4 + 3"},
      {"清", 12, "氵 as 水 4 + 8"},
      {"扬", 13, "揚: 扌 as 手 4 + 9"},
      {"花", 10, "艹 as 艸 6 + 4"},
      {"陈", 16, "陳: 阝 left as 阜 8 + 8"},
      {"邓", 19, "鄧: 阝 right as 邑 7 + 12"},
      {"肝", 9, "月 of flesh as 肉 6 + 3"},
      {"明", 8, "日 4 + 月 4: the moon, not flesh"},
      {"朋", 8, "月 radical of the moon 4 + 4"},
      {"情", 12, "忄 as 心 4 + 8"},
      {"狗", 9, "犭 as 犬 4 + 5"},
      {"福", 14, "礻 as 示 5 + 9"},
      {"裕", 13, "衤 as 衣 6 + 7"},
      {"玲", 10, "王 of jade as 玉 5 + 5"},
      {"道", 16, "辶 as 辵 7 + 9"},
      {"置", 14, "罒 as 网 6 + 8"},
      {"照", 13, "灬 as 火 4 + 9"},
      {"红", 9, "紅: 纟 as 糸 6 + 3"},
      {"银", 14, "銀: 钅 as 金 8 + 6"},
      {"语", 14, "語: 讠 as 言 7 + 7"},
      {"饭", 13, "飯: 饣 as 食 9 + 4"},
      {"财", 10, "財: 贝 as 貝 7 + 3"},
      {"观", 25, "觀: 见 as 見 7 + 18"},
      {"轩", 10, "軒: 车 as 車 7 + 3"},
      {"闭", 11, "閉: 门 as 門 8 + 3"},
      {"顺", 12, "順: 页 as 頁 9 + 3"},
      {"骏", 17, "駿: 马 as 馬 10 + 7"},
      {"鲁", 15, "魯: 鱼 as 魚 11 + 4"},
      {"鸿", 17, "鴻: 鸟 as 鳥 11 + 6"},
  };
  for (const RadicalCase& c : kCases) {
    EXPECT_EQ(StrokeCount(c.character), c.strokes)
        << c.character << " (" << c.reason << ")";
  }
}

TEST(StrokeCountTest, NeverFewerThanTheStrokesDrawn) {
  // The dictionary's residual count of these is one short of the strokes
  // drawn (泰 水 4 + 5, 紫 糸 6 + 5, 求 水 4 + 2); the drawn count wins.
  constexpr StrokeCase kCases[] = {{"泰", 10}, {"紫", 12}, {"求", 7}};
  for (const StrokeCase& c : kCases) {
    EXPECT_EQ(StrokeCount(c.character), c.strokes) << c.character;
  }
}

struct FormPair {
  const char* simplified;
  const char* traditional;
};

TEST(StrokeCountTest, SimplifiedFormStandsInTheRowOfItsTraditionalForm) {
  // Where a character has several traditional forms, the one names use:
  // 云 雲, 丰 豐, 杰 傑, 钟 鍾, 万 萬, 叶 葉, 发 發.
  constexpr FormPair kPairs[] = {
      {"刘", "劉"},     {"陈", "陳"}, {"杨", "楊"}, {"张", "張"}, {"赵", "趙"},
      {"云", "雲"},     {"丰", "豐"}, {"杰", "傑"}, {"钟", "鍾"}, {"万", "萬"},
      {"叶", "葉"},     {"发", "發"}, {"华", "華"}, {"龙", "龍"}, {"凤", "鳳"},
      {"郎", "\uF92C"},  // the compatibility ideograph of GBK 0xFD9C
  };
  for (const FormPair& pair : kPairs) {
    const int count = StrokeCount(pair.traditional);
    EXPECT_NE(count, 0) << pair.traditional;
    EXPECT_EQ(StrokeCount(pair.simplified), count)
        << pair.simplified << " and " << pair.traditional;
  }
}

TEST(StrokeCountTest, CommonTraditionalCharactersKeepTheirOwnCount) {
  // These simplified characters are traditional characters as well (the
  // surnames 余 范 沈 于 姜, the words 后 干 台); the other traditional form
  // is another word with its own count.
  constexpr StrokeCase kKept[] = {
      {"余", 7}, {"餘", 16}, {"范", 11}, {"範", 15}, {"沈", 8},  {"瀋", 19},
      {"于", 3}, {"於", 8},  {"姜", 9},  {"薑", 19}, {"后", 6},  {"後", 9},
      {"干", 3}, {"乾", 11}, {"幹", 13}, {"台", 5},  {"臺", 14},
  };
  for (const StrokeCase& c : kKept) {
    EXPECT_EQ(StrokeCount(c.character), c.strokes) << c.character;
  }
}

TEST(StrokeCountTest, TextInNoRowCountsZero) {
  EXPECT_EQ(StrokeCount("A"), 0);
  EXPECT_EQ(StrokeCount("王李"), 0);  // two characters never stand side by side
}

}  // namespace
}  // namespace kelvara
