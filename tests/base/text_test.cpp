#include "base/text.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

TEST(GbkTextTest, ConvertsBothWays) {
  const std::string gbk = ToGbk("张三A型");
  EXPECT_EQ(gbk,
            "\xD5\xC5\xC8\xFD"
            "A\xD0\xCD");
  EXPECT_EQ(FromGbk(gbk), "张三A型");
  EXPECT_EQ(ToGbk(""), "");
  EXPECT_EQ(FromGbk(""), "");
}

TEST(GbkTextTest, UnmappableAndBrokenInputIsVisible) {
  // An emoji has no GBK form: the lenient way writes "?", the strict refuses.
  EXPECT_EQ(ToGbk("A\xF0\x9F\x98\x80"), "A?");
  EXPECT_FALSE(ToGbkStrict("A\xF0\x9F\x98\x80").has_value());
  EXPECT_FALSE(ToGbkStrict("\xFF").has_value());
  EXPECT_EQ(ToGbkStrict("王").value(), "\xCD\xF5");
  // A lone lead byte is not GBK: it shows as a replacement, nothing is lost.
  EXPECT_EQ(FromGbk("A\xD5"), "A\xEF\xBF\xBD");
  EXPECT_FALSE(FromGbkStrict("A\xD5").has_value());
}

TEST(GbkTextTest, WidthsAndSlicesCountGbkBytes) {
  EXPECT_EQ(GbkWidth("张三"), 4);
  EXPECT_EQ(GbkWidth("A型"), 3);
  EXPECT_EQ(GbkWidth(""), 0);
  EXPECT_EQ(GbkSlice("张三", 0, 2), "张");
  EXPECT_EQ(GbkSlice("张三", 2, 2), "三");
  EXPECT_EQ(GbkSlice("张三", 1, 2), "");  // both characters cut in half
  EXPECT_EQ(GbkSlice("A张三", 1, 4), "张三");
  EXPECT_EQ(GbkSlice("张三", 0, 100), "张三");
  EXPECT_EQ(GbkSlice("张三", 10, 2), "");
  EXPECT_EQ(GbkSlice("欧阳娜娜", 0, 4), "欧阳");
}

TEST(TextTest, TrimRemovesBlanksAndControls) {
  EXPECT_EQ(Trim("  张三\t\r\n"), "张三");
  EXPECT_EQ(Trim("\x01 a b \x1f"), "a b");
  EXPECT_EQ(Trim("   "), "");
  // The ideographic space U+3000 is text, not a blank.
  EXPECT_EQ(Trim("\xE3\x80\x80x"), "\xE3\x80\x80x");
}

TEST(TextTest, FileBytesAreUtf8OrGbk) {
  EXPECT_EQ(TextFromFileBytes("\xEF\xBB\xBF张三"), "张三");
  EXPECT_EQ(TextFromFileBytes("张三"), "张三");
  EXPECT_EQ(TextFromFileBytes("\xD5\xC5\xC8\xFD"), "张三");
}

TEST(TextTest, WholeNumbers) {
  EXPECT_EQ(ParseWholeNumber("1990"), 1990);
  EXPECT_EQ(ParseWholeNumber("+5"), 5);
  EXPECT_EQ(ParseWholeNumber("-5"), -5);
  EXPECT_EQ(ParseWholeNumber("007"), 7);
  for (const char* bad :
       {"", "+", "-", "+-5", "1 2", "12a", "一", "99999999999", " 5"}) {
    EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
  }
  EXPECT_EQ(FirstChar("子 0"), "子");
  EXPECT_EQ(FirstChar("a"), "a");
  EXPECT_EQ(FirstChar(""), "");
}

}  // namespace
}  // namespace kelvara
