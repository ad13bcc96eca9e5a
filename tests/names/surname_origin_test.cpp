// Surname origins: the list of surnames and the origin text of one, against
// the built TarselBirth.dll and against small fixture tables.

#include "names/surname_origin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "../refdata/fixture_directory.h"
#include "base/text.h"
#include "names/net_name.h"

namespace kelvara {
namespace {

const ReferenceStore& BuiltStore() {
  static const ReferenceStore* const store =
      new ReferenceStore(KELVARA_BIN_DIR);
  return *store;
}

std::ptrdiff_t PositionIn(const std::vector<std::string>& list,
                          const std::string& surname) {
  const auto it = std::find(list.begin(), list.end(), surname);
  return it == list.end() ? -1 : it - list.begin();
}

// Real rows of the built file: the opening words of each text and, where
// the text has two paragraphs, the opening words of the second.
TEST(SurnameOriginTest, FindsRealSurnames) {
  struct Case {
    const char* label;
    const char* typed;
    const char* starts_with;
  };
  const Case cases[] = {
      {"the first row", "王", "王姓来源多支，以姬姓一支最为显赫。"},
      {"a compound surname", "欧阳", "欧阳是最常见的复姓之一"},
      {"a surname read otherwise", "单", "单姓作姓氏时读shàn"},
      {"blanks before and after", "  李 ", "李姓出自嬴姓"},
      {"a tab and a newline", "\t欧阳\n", "欧阳是最常见的复姓之一"},
  };
  for (const Case& c : cases) {
    const auto origin = SurnameOrigin(BuiltStore(), c.typed);
    ASSERT_TRUE(origin.has_value()) << c.label;
    EXPECT_EQ(origin->rfind(c.starts_with, 0), 0u) << c.label;
    EXPECT_EQ(*origin, Trim(*origin)) << c.label;
  }
  const auto wang = SurnameOrigin(BuiltStore(), "王");
  ASSERT_TRUE(wang.has_value());
  EXPECT_NE(wang->find("并入。\n王姓以太原、琅琊两望最盛"), std::string::npos);
}

TEST(SurnameOriginTest, UnknownOrEmptySurnameHasNoText) {
  for (const char* typed : {"甲", "王李", "Wang", "欧阳修", "", "   "}) {
    EXPECT_EQ(SurnameOrigin(BuiltStore(), typed), std::nullopt)
        << "[" << typed << "]";
  }
}

// Every surname of the list finds its own text: picking from the list gives
// what typing gives.
TEST(SurnameListTest, EveryListedSurnameHasItsText) {
  const std::vector<std::string> list = SurnameList(BuiltStore());
  ASSERT_FALSE(list.empty());
  std::vector<std::string> seen_texts;
  for (const std::string& surname : list) {
    EXPECT_EQ(surname, Trim(surname));
    const auto origin = SurnameOrigin(BuiltStore(), surname);
    ASSERT_TRUE(origin.has_value()) << surname;
    EXPECT_FALSE(origin->empty()) << surname;
    seen_texts.push_back(*origin);
  }
  std::sort(seen_texts.begin(), seen_texts.end());
  EXPECT_EQ(std::adjacent_find(seen_texts.begin(), seen_texts.end()),
            seen_texts.end())
      << "two surnames share one text";
}

// The list reads in pinyin order: by the first letter of the first
// character's reading as a surname, which is its usual reading except for the
// surnames below.
TEST(SurnameListTest, InitialsRiseThroughTheList) {
  const std::map<std::string, char> read_otherwise{
      {"曾", 'Z'},   {"查", 'Z'},   {"单", 'S'},   {"翟", 'Z'},  {"仇", 'Q'},
      {"解", 'X'},   {"乐", 'Y'},   {"区", 'O'},   {"覃", 'Q'},  {"缪", 'M'},
      {"澹台", 'T'}, {"万俟", 'M'}, {"尉迟", 'Y'}, {"长孙", 'Z'}};
  const std::vector<std::string> list = SurnameList(BuiltStore());
  char previous = 'A';
  std::string previous_surname;
  for (const std::string& surname : list) {
    const auto it = read_otherwise.find(surname);
    const char initial = it != read_otherwise.end()
                             ? it->second
                             : PinyinInitials(ToGbk(FirstChar(surname)))[0];
    EXPECT_LE(previous, initial) << previous_surname << " before " << surname;
    previous = initial;
    previous_surname = surname;
  }
}

// Where a reader looks for a surname: between the two named neighbours.
TEST(SurnameListTest, SurnamesStandWhereAReaderLooks) {
  struct Case {
    const char* surname;
    const char* after;
    const char* before;
  };
  const Case cases[] = {
      {"欧阳", "欧", "潘"},     {"单", "沙", "商"},     {"曾", "臧", "詹"},
      {"查", "曾", "翟"},       {"翟", "查", "詹"},     {"仇", "邱", "曲"},
      {"解", "肖", "谢"},       {"乐", "苑", "云"},     {"区", "欧", "欧阳"},
      {"覃", "乔", "丘"},       {"缪", "苗", "闵"},     {"澹台", "谈", "汤"},
      {"万俟", "莫", "牟"},     {"尉迟", "宇文", "原"}, {"长孙", "章", "赵"},
      {"司马", "司空", "司徒"}, {"诸葛", "朱", "祝"},   {"艾", "", "安"},
  };
  const std::vector<std::string> list = SurnameList(BuiltStore());
  ASSERT_EQ(list.front(), "艾");
  for (const Case& c : cases) {
    const auto at = PositionIn(list, c.surname);
    ASSERT_GE(at, 0) << c.surname;
    if (*c.after != '\0') {
      EXPECT_LT(PositionIn(list, c.after), at) << c.after << " " << c.surname;
    }
    EXPECT_GT(PositionIn(list, c.before), at) << c.surname << " " << c.before;
  }
}

TEST(SortSurnamesTest, SortsByReadingAndKeepsEqualOnes) {
  struct Case {
    const char* label;
    std::vector<std::string> given;
    std::vector<std::string> sorted;
  };
  const Case cases[] = {
      {"code-point order becomes pinyin order",
       {"张", "李", "王", "安", "赵"},
       {"安", "李", "王", "张", "赵"}},
      {"a compound surname follows its first character",
       {"潘", "欧阳", "欧"},
       {"欧", "欧阳", "潘"}},
      {"surname readings", {"单", "丹", "善"}, {"丹", "单", "善"}},
      {"equal surnames keep their order",
       {"王", "李", "王"},
       {"李", "王", "王"}},
      {"an empty surname comes first", {"王", ""}, {"", "王"}},
      {"nothing to sort", {}, {}},
  };
  for (Case c : cases) {
    SortSurnames(c.given);
    EXPECT_EQ(c.given, c.sorted) << c.label;
  }
}

// Small tables built by the real build code.
class SurnameFixtureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.WriteSource("TarselBirth.dll", "xing",
                         "id\txingl\tintro\n"
                         "1\t钟离\t  钟离氏出自嬴姓。\\n第二段。  \n"
                         "2\t欧'阳\t一个带引号的姓。\n"
                         "3\t司马\t第一个司马。\n"
                         "4\t司马\t第二个司马。\n"
                         "5\t段\t\n"
                         "7\t 公孙 \t公孙氏的来历。\n");
    fixture_.Build();
    fixture_.ExecuteSql("TarselBirth.dll",
                        "insert into xing values (6, '伍', 'A' || char(13) || "
                        "char(10) || 'B' || char(13) || 'C')");
  }

  testing::FixtureDirectory fixture_;
};

TEST_F(SurnameFixtureTest, TextsAreTrimmedWithTheirLineBreaks) {
  const ReferenceStore store = fixture_.Store();
  const struct {
    const char* label;
    const char* typed;
    std::optional<std::string> expected;
  } cases[] = {
      {"stored with blanks around the text", "钟离",
       "钟离氏出自嬴姓。\n第二段。"},
      // The key is compared with the stored surname as it is: a surname
      // stored with blanks is listed trimmed but cannot be found.
      {"stored with blanks around the surname", "公孙", std::nullopt},
      {"a quote inside the surname", "欧'阳", "一个带引号的姓。"},
      {"two rows of one surname: the first", "司马", "第一个司马。"},
      {"an empty text", "段", ""},
      {"CR LF and a lone CR", "伍", "A\nB\nC"},
      {"not in the table", "钱", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SurnameOrigin(store, c.typed), c.expected) << c.label;
  }
  const std::vector<std::string> expected_list{"段",   "公孙", "欧'阳", "司马",
                                               "司马", "伍",   "钟离"};
  EXPECT_EQ(SurnameList(store), expected_list);
}

TEST(SurnameFailureTest, MissingFileThrows) {
  testing::FixtureDirectory empty;
  const ReferenceStore store = empty.Store();
  EXPECT_THROW(SurnameList(store), LookupError);
  EXPECT_THROW(SurnameOrigin(store, "王"), LookupError);
  // An empty surname asks nothing of the store.
  EXPECT_EQ(SurnameOrigin(store, " "), std::nullopt);
}

}  // namespace
}  // namespace kelvara
