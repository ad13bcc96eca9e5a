#include "app/report_document.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvara {
namespace {

using Lines = std::vector<std::string>;

TEST(ReportDocumentTest, BecomesVisibleOnTheFirstLineAndStaysVisible) {
  ReportDocument doc;
  std::vector<ReportDocument::Change> changes;
  doc.SetListener([&](ReportDocument::Change c) { changes.push_back(c); });
  doc.ClearDocument();
  EXPECT_FALSE(doc.visible());
  doc.AddLine("");
  doc.AddLine("第二行");
  EXPECT_TRUE(doc.visible());
  EXPECT_EQ(doc.lines(), (Lines{"", "第二行"}));
  EXPECT_EQ(doc.Text(), "\n第二行");
  doc.ShowDocumentTop();
  EXPECT_EQ(doc.lines(), (Lines{"", "第二行"}));
  doc.ClearDocument();
  EXPECT_TRUE(doc.visible());
  EXPECT_TRUE(doc.lines().empty());
  using C = ReportDocument::Change;
  EXPECT_EQ(changes, (std::vector<C>{C::kCleared, C::kLineAdded, C::kLineAdded,
                                     C::kShowTop, C::kCleared}));
}

TEST(LinesOfTextFileTest, LineEndsEncodingsAndNul) {
  const struct {
    const char* label;
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"CR LF", "甲\r\n乙\r\n", {"甲", "乙"}},
      {"LF without a last ending", "甲\n乙", {"甲", "乙"}},
      {"CR", "甲\r乙\r\r丙", {"甲", "乙", "", "丙"}},
      {"empty lines kept", "\n\n", {"", ""}},
      {"GBK", "\xD5\xC5\xC8\xFD\r\n\xC0\xEE\xCB\xC4", {"张三", "李四"}},
      {"UTF-8 with BOM", "\xEF\xBB\xBF张三\n", {"张三"}},
      {"NUL ends the text", std::string("甲\n乙\0丙\n丁", 16), {"甲", "乙"}},
      {"empty file", "", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LinesOfTextFile(c.bytes), c.lines) << c.label;
}

TEST(LinesOfTextFileTest, BytesThatAreNeitherStillShow) {
  const Lines lines = LinesOfTextFile(
      "A\xFF"
      "B");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].front(), 'A');
  EXPECT_EQ(lines[0].back(), 'B');
  EXPECT_GT(lines[0].size(), 2u);
}

}  // namespace
}  // namespace kelvara
