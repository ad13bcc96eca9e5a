#include "names/name_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/datetime.h"
#include "name_fixture.h"

namespace kelvara {
namespace {

using testing::FixtureDirectory;

const std::string kSeparator(65, '-');
const std::string kClosing = "--以上测算紧着参考" + std::string(48, '-');

const DateTime kToday = EncodeDate(2024, 6, 1);

// A record as the input strip gives it with its defaults (1990-01-01, 子 0).
BirthData Record(const std::string& surname, const std::string& given_name) {
  BirthPanel panel;
  panel.surname = surname;
  panel.given_name = given_name;
  BirthReadResult result = ReadBirthData(panel, /*blood_required=*/false);
  EXPECT_TRUE(result.data) << result.message;
  return result.data.value_or(BirthData{});
}

// Collects what the report gives to the error box.
struct ErrorCollector {
  ErrorSink Sink() {
    return [this](std::string_view text) { errors.emplace_back(text); };
  }
  std::vector<std::string> errors;
};

std::vector<std::string> Section(const std::string& heading,
                                 const std::string& text) {
  return {kSeparator, "", heading, "", text, ""};
}

void Append(std::vector<std::string>& lines,
            const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

class NameReportTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteNameTables(dir_); }

  FixtureDirectory dir_;
  ReportDocument document_;
  ErrorCollector collector_;
};

// Every line of a single surname with a single given name, worked from the
// fixture: 王 4, 宇 6 give 天 5, 人 10, 地 7, 总 10, 外 2, 土水金 of grade 3.
TEST_F(NameReportTest, WholeReportOfASingleNameAndSingleGivenName) {
  const BirthData birth = Record("王", "宇");
  ASSERT_TRUE(
      NameReport(dir_.Store(), birth, kToday, document_, collector_.Sink()));

  std::vector<std::string> want = {
      ReportHeaderLine(birth, kToday),
      "",
      kSeparator,
      "",
      "【评分分析】",
      "",
      "天格: 5 吉 得分(总分10)：10",
      "地格: 7 吉 得分(总分10)：10",
      "人格: 10 凶 得分(总分30)：21",
      "总格: 10 凶 得分(总分20)：14",
      "外格: 2 凶 得分(总分10)：7",
      "三才: 土水金得分(总分20)：16",
      "综合总分: 78",
      "",
  };
  Append(want, Section("【天格5的解析】：天格数是先祖留传下来的，其数理对人"
                       "影响不大。",
                       "  数5之诗。 判5"));
  Append(want, Section("【人格10的解析】：人格数又称主运，是整个姓名的中心点，"
                       "影响人的一生命运。",
                       "数10之诗。判10"));
  Append(want, Section("【地格7的解析】：地格数又称前运，影响人生（49岁）以前"
                       "的命运。",
                       "数7之诗。判7"));
  Append(want, Section("【总格10的解析】：总格又称后运，影响人生（50岁）以后"
                       "的命运。 ",
                       "数10之诗。判10"));
  Append(want, Section("【外格2的解析】：外格又称变格，影响人的社交能力、智慧"
                       "等，其数理不用重点去看。",
                       "数2之诗。判2"));
  Append(want, Section("【三才数理分析】：您的姓名三才配置为：土水金。它具有"
                       "如下数理诱导力，据此会对人生产生一定的影响。",
                       "中吉：上下相扶，进退有据。"));
  want.push_back(kClosing);
  EXPECT_EQ(document_.lines(), want);
  EXPECT_TRUE(collector_.errors.empty());
}

// 巨 50, 丰 40: 人格 and 总格 are 90, which has no class, no score and no
// row; 木水木 has neither a grade nor a verdict.
TEST_F(NameReportTest, NumbersAbove81AndAMissingConfiguration) {
  ASSERT_TRUE(NameReport(dir_.Store(), Record("巨", "丰"), kToday, document_,
                         collector_.Sink()));
  const std::vector<std::string>& lines = document_.lines();
  const std::vector<std::string> scores(lines.begin() + 6, lines.begin() + 13);
  EXPECT_EQ(scores, (std::vector<std::string>{
                        "天格: 51 半吉 得分(总分10)：8.5",
                        "地格: 41 吉 得分(总分10)：10",
                        "人格: 90  得分(总分30)：0",
                        "总格: 90  得分(总分20)：0",
                        "外格: 2 凶 得分(总分10)：7",
                        "三才: 木水木得分(总分20)：-1",
                        "综合总分: 24.5",
                    }));
  // The 人格 section: a text line of two blanks.
  EXPECT_EQ(lines[22],
            "【人格90的解析】：人格数又称主运，是整个姓名的中心点，"
            "影响人的一生命运。");
  EXPECT_EQ(lines[24], "  ");
  // No sancai2009 row: the 外格 section is followed by the closing line.
  ASSERT_EQ(lines.size(), 14u + 5 * 6 + 1);
  EXPECT_EQ(lines[lines.size() - 5],
            "【外格2的解析】：外格又称变格，影响人的"
            "社交能力、智慧等，其数理不用重点去看。");
  EXPECT_EQ(lines.back(), kClosing);
}

// 欧阳 子娟: 外格 19 = 8 + 10 + 1; 总格 27 has no row in the fixture's `81`.
TEST_F(NameReportTest, DoubleSurnameAndDoubleGivenName) {
  ASSERT_TRUE(NameReport(dir_.Store(), Record("欧阳", "子娟"), kToday,
                         document_, collector_.Sink()));
  const std::vector<std::string>& lines = document_.lines();
  EXPECT_EQ(lines[6], "天格: 14 凶 得分(总分10)：7");
  EXPECT_EQ(lines[7], "地格: 13 吉 得分(总分10)：10");
  EXPECT_EQ(lines[8], "人格: 9 凶 得分(总分30)：21");
  EXPECT_EQ(lines[9], "总格: 27 半吉 得分(总分20)：17");
  EXPECT_EQ(lines[10], "外格: 19 凶 得分(总分10)：7");
  EXPECT_EQ(lines[11], "三才: 火水火得分(总分20)：14");
  EXPECT_EQ(lines[12], "综合总分: 76");
  EXPECT_EQ(lines[16],
            "【天格14的解析】：天格数是先祖留传下来的，其数理对人"
            "影响不大。");
  EXPECT_EQ(lines[34],
            "【总格27的解析】：总格又称后运，影响人生（50岁）以后的"
            "命运。 ");
  EXPECT_EQ(lines[36], "  ");
  EXPECT_EQ(lines.back(), kClosing);
}

TEST_F(NameReportTest, EmptyNameWritesOnlyTheHeader) {
  document_.AddLine("上一次的测算");
  for (const auto& [surname, given_name] :
       {std::pair{"王", ""}, std::pair{"", "宇"}, std::pair{"", ""}}) {
    BirthData birth = Record("王", "宇");
    birth.Surname = surname;
    birth.GivenName = given_name;
    EXPECT_TRUE(
        NameReport(dir_.Store(), birth, kToday, document_, collector_.Sink()));
    EXPECT_EQ(document_.lines(),
              (std::vector<std::string>{ReportHeaderLine(birth, kToday), ""}))
        << surname << "|" << given_name;
  }
}

// A table that cannot be read ends the report silently where it stands.
TEST_F(NameReportTest, FailingLookupEndsTheReportSilently) {
  dir_.ExecuteSql("TarselFile.dll", "drop table \"81\"");
  EXPECT_FALSE(NameReport(dir_.Store(), Record("王", "宇"), kToday, document_,
                          collector_.Sink()));
  const std::vector<std::string>& lines = document_.lines();
  ASSERT_EQ(lines.size(), 14u + 4);  // the scores, then the first heading
  EXPECT_EQ(lines[12], "综合总分: 78");
  EXPECT_EQ(lines[16],
            "【天格5的解析】：天格数是先祖留传下来的，其数理对人"
            "影响不大。");
  EXPECT_TRUE(collector_.errors.empty());
}

TEST(NameReportFailureTest, MissingStoreKeepsTheHeader) {
  FixtureDirectory dir;  // no reference files
  ReportDocument document;
  ErrorCollector collector;
  const BirthData birth = Record("王", "宇");
  EXPECT_FALSE(
      NameReport(dir.Store(), birth, kToday, document, collector.Sink()));
  EXPECT_EQ(document.lines(),
            (std::vector<std::string>{ReportHeaderLine(birth, kToday), ""}));
  EXPECT_TRUE(collector.errors.empty());
}

// The sancai2009 lookup is not guarded: its failure reaches the error box
// and stops the report before the closing line.
TEST_F(NameReportTest, FailingVerdictLookupReachesTheErrorBox) {
  dir_.ExecuteSql("TarselFile.dll", "drop table sancai2009");
  EXPECT_FALSE(NameReport(dir_.Store(), Record("王", "宇"), kToday, document_,
                          collector_.Sink()));
  ASSERT_EQ(collector_.errors.size(), 1u);
  EXPECT_NE(collector_.errors[0].find("sancai2009"), std::string::npos)
      << collector_.errors[0];
  const std::vector<std::string>& lines = document_.lines();
  ASSERT_EQ(lines.size(), 14u + 5 * 6);
  EXPECT_EQ(lines[lines.size() - 2], "数2之诗。判2");
}

TEST_F(NameReportTest, ThreeTalentReadingOfTheRecordsName) {
  document_.AddLine("上一次的测算");
  EXPECT_TRUE(ThreeTalentReading(dir_.Store(), Record("王", "宇"), document_));
  EXPECT_EQ(document_.lines(), (std::vector<std::string>{
                                   "王宇,您的三才为土水金,经系统分析如下:", "",
                                   "", "    土制水而金生水，上下相扶。"}));

  EXPECT_TRUE(
      ThreeTalentReading(dir_.Store(), Record("王", "子玉"), document_));
  EXPECT_EQ(document_.lines(),
            (std::vector<std::string>{"王子玉,您的三才为土金金,经系统分析如下:",
                                      "", "", "    无结果,请听下回分解"}));
}

// Before any name reading the record holds no name: nothing happens.
TEST_F(NameReportTest, ThreeTalentReadingWithoutANameDoesNothing) {
  document_.AddLine("上一次的测算");
  EXPECT_TRUE(ThreeTalentReading(dir_.Store(), BirthData{}, document_));
  BirthData only_surname;
  only_surname.Surname = "王";
  EXPECT_TRUE(ThreeTalentReading(dir_.Store(), only_surname, document_));
  EXPECT_EQ(document_.lines(), std::vector<std::string>{"上一次的测算"});
}

TEST(ThreeTalentReadingFailureTest, FailureLeavesTheDocumentAlone) {
  FixtureDirectory dir;  // no reference files
  ReportDocument document;
  document.AddLine("上一次的测算");
  EXPECT_FALSE(ThreeTalentReading(dir.Store(), Record("王", "宇"), document));
  EXPECT_EQ(document.lines(), std::vector<std::string>{"上一次的测算"});
}

// Whatever is typed into the name fields, the report runs to its end with
// the tables that ship.
TEST(NameReportRealTableTest, BadNamesNeverBreakTheReport) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  struct Case {
    const char* label;
    const char* surname;
    const char* given_name;
  };
  const Case kCases[] = {
      {"ASCII letters", "ab", "cd"},
      {"digits", "12", "3456"},
      {"quotes", "'", "''"},
      {"quote inside", "O'", "N"},
      {"double quote and backslash", "\"", "\\"},
      {"wildcards", "%", "_"},
      {"one byte", "A", "明"},
      {"byte that is not UTF-8", "\xB0", "\xB0\xA1"},
      {"characters GBK lacks", "😀", "𠀀"},
      {"mixed ASCII and Chinese", "A王", "小b"},
      {"more than two characters", "欧阳王", "小明小明"},
  };
  for (const Case& c : kCases) {
    BirthData birth = Record("王", "明");
    birth.Surname = c.surname;
    birth.GivenName = c.given_name;
    ReportDocument document;
    ErrorCollector collector;
    EXPECT_TRUE(NameReport(store, birth, kToday, document, collector.Sink()))
        << c.label;
    EXPECT_EQ(document.lines().back(), kClosing) << c.label;
    EXPECT_TRUE(ThreeTalentReading(store, birth, document)) << c.label;
    EXPECT_EQ(document.lines().size(), 4u) << c.label;
  }
}

}  // namespace
}  // namespace kelvara
