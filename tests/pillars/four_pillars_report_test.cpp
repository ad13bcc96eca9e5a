#include "pillars/four_pillars_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../refdata/fixture_directory.h"
#include "base/text.h"
#include "pillars/pillar_engine.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

const DateTime kToday = EncodeDate(2026, 12, 11);

ReferenceStore RealStore() { return ReferenceStore(KELVARA_BIN_DIR); }

BirthData Birth(const char* surname, const char* given, const char* sex,
                const char* blood, int calendar, const char* y, const char* m,
                const char* d, const char* hour_item, const char* minute) {
  BirthPanel panel;
  panel.surname = surname;
  panel.given_name = given;
  panel.sex = sex;
  panel.blood_type = blood;
  panel.calendar_item = calendar;
  panel.year = y;
  panel.month = m;
  panel.day = d;
  panel.hour_item = hour_item;
  panel.minute = minute;
  BirthReadResult r = ReadBirthData(panel, true);
  EXPECT_TRUE(r.data) << r.message;
  return *r.data;
}

std::vector<std::string> Report(const BirthData& birth,
                                const ReferenceStore& store = RealStore()) {
  ReportDocument doc;
  FourPillarsReport(store, birth, kToday, doc);
  return doc.lines();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

void ExpectGolden(const std::string& name,
                  const std::vector<std::string>& lines) {
  testing::ExpectMatchesGolden(name, Joined(lines));
}

TEST(FourPillarsReportTest, GoldenReports) {
  ExpectGolden(
      "four_pillars_zhang_san.txt",
      Report(Birth("张", "三", "男", "A型", 0, "1990", "1", "1", "子 0", "0")));
  ExpectGolden("four_pillars_ouyang_nana.txt",
               Report(Birth("欧阳", "娜娜", "女", "AB型", 0, "2004", "2", "4",
                            "巳 10", "30")));
  ExpectGolden("four_pillars_lunar_wang.txt",
               Report(Birth("王", "明", "男", "O型", 1, "1968", "8", "15",
                            "酉 18", "5")));
}

TEST(FourPillarsReportTest, GoldenBirthInformation) {
  const BirthData birth =
      Birth("李", "四", "女", "B型", 0, "1975", "11", "23", "卯 6", "45");
  const std::pair<BirthInfoKind, const char*> kinds[] = {
      {BirthInfoKind::kBasic, "birth_info_basic.txt"},
      {BirthInfoKind::kBoneWeight, "birth_info_bone_weight.txt"},
      {BirthInfoKind::kBloodType, "birth_info_blood_type.txt"},
  };
  for (const auto& [kind, file] : kinds) {
    ReportDocument doc;
    EXPECT_TRUE(BirthInfoReport(RealStore(), birth, kToday, kind, doc));
    ExpectGolden(file, doc.lines());
  }
}

TEST(FourPillarsReportTest, ShapeOfTheReport) {
  const auto lines =
      Report(Birth("张", "三", "男", "A型", 0, "1990", "1", "1", "子 0", "0"));
  ASSERT_GT(lines.size(), 180u);
  EXPECT_EQ(
      lines.front().rfind(
          "姓名：张三  性别：男  生肖：蛇  星座：摩羯座  血型：A型  年龄：36岁",
          0),
      0u);
  EXPECT_EQ(lines.back(), "");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "四柱神煞："), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "袁天罡称骨算命："),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "性格简评："), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "血型论命:"), lines.end());
  // No attribute is missing from the pillar lines.
  for (const auto& line : lines) {
    if (line.rfind("纳音：", 0) == 0) {
      EXPECT_EQ(line.find("  "), std::string::npos) << line;
    }
  }
}

TEST(FourPillarsReportTest, MinuteThatIsNoNumberEndsAfterTheLunarBirthday) {
  const auto lines = Report(
      Birth("张", "三", "男", "A型", 0, "1990", "1", "1", "子 0", "abc"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], "生日（公历）：1990年01月01日0点abc分");
  EXPECT_EQ(lines[4], "生日（农历）：己巳(蛇年)十二月初五子时abc分");
}

TEST(FourPillarsReportTest, LeapMonthHasNoSeasonalLineButTheVariantHasOne) {
  // 2020-05-23 is the first day of the leap fourth month.
  const BirthData birth =
      Birth("赵", "六", "男", "A型", 0, "2020", "5", "23", "午 12", "0");
  auto has_season = [](const std::vector<std::string>& lines,
                       const char* label) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
      return l.rfind(label, 0) == 0;
    });
  };
  EXPECT_FALSE(has_season(Report(birth), "用神喜忌："));
  ReportDocument doc;
  BirthInfoReport(RealStore(), birth, kToday, BirthInfoKind::kBasic, doc);
  EXPECT_TRUE(has_season(doc.lines(), "四季用神：日主天干"));
}

TEST(FourPillarsReportTest, BoneWeightTakesThePreviousMonthBeforeTheTerm) {
  // 2004-02-04 10:00 is lunar 2004-01-14, before 立春 (20:56 that day).
  const BirthData birth =
      Birth("钱", "七", "男", "A型", 0, "2004", "2", "4", "辰 8", "0");
  const auto full = Report(birth);
  const auto at = std::find(full.begin(), full.end(), "袁天罡称骨算命：");
  ASSERT_NE(at, full.end());
  ReportDocument doc;
  BirthInfoReport(RealStore(), birth, kToday, BirthInfoKind::kBoneWeight, doc);
  const auto& variant = doc.lines();
  const auto heading =
      std::find_if(variant.begin(), variant.end(), [](const std::string& l) {
        return l.rfind("--【袁天罡称骨算命】", 0) == 0;
      });
  ASSERT_NE(heading, variant.end());
  // The full report weighs the month as 腊月 (0.5), the variant as 正月 (0.6):
  // the weights differ by one 钱.
  EXPECT_NE(*(at + 1), *(heading + 1));
  EXPECT_EQ((at + 1)->rfind("你的骨重为：", 0), 0u);
}

TEST(FourPillarsReportTest, BasicVariantEndsWithTheShortLineAndNoScroll) {
  const BirthData birth =
      Birth("张", "三", "男", "A型", 0, "1990", "1", "1", "子 0", "0");
  ReportDocument doc;
  std::vector<ReportDocument::Change> changes;
  doc.SetListener([&](ReportDocument::Change c) { changes.push_back(c); });
  BirthInfoReport(RealStore(), birth, kToday, BirthInfoKind::kBasic, doc);
  EXPECT_EQ(doc.lines().back(),
            "--以上内容紧着参考---------------------------------------------");
  EXPECT_EQ(std::count(changes.begin(), changes.end(),
                       ReportDocument::Change::kShowTop),
            0);
  ReportDocument blood;
  BirthInfoReport(RealStore(), birth, kToday, BirthInfoKind::kBloodType, blood);
  EXPECT_EQ(blood.lines().back(),
            "--以上内容紧着参考------------------------------------------------"
            "----------");
}

// A missing spirit-star table ends the report at the spirit stars; a missing
// Tgcode.dll leaves empty attributes and the report goes on.
TEST(FourPillarsReportTest, FailuresFollowTheirPolicies) {
  const BirthData birth =
      Birth("张", "三", "男", "A型", 0, "1990", "1", "1", "子 0", "0");
  const fs::path dir = fs::temp_directory_path() / "kelvara_report_failures";
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const char* file : {"dream.dll", "TarselFile.dll", "TarselBirth.dll"}) {
    fs::copy_file(fs::path(KELVARA_BIN_DIR) / file, dir / file);
  }
  fs::copy(fs::path(KELVARA_BIN_DIR) / "shensha", dir / "shensha");
  const auto without_tgcode = Report(birth, ReferenceStore(dir));
  EXPECT_EQ(without_tgcode.back(), "");
  EXPECT_NE(
      std::find(without_tgcode.begin(), without_tgcode.end(), "血型论命:"),
      without_tgcode.end());

  fs::copy_file(fs::path(KELVARA_BIN_DIR) / "Tgcode.dll", dir / "Tgcode.dll");
  fs::remove(dir / "shensha" / "rizhu.txt");
  const auto without_rizhu = Report(birth, ReferenceStore(dir));
  ASSERT_FALSE(without_rizhu.empty());
  EXPECT_EQ(without_rizhu.back(), "");
  EXPECT_EQ(without_rizhu[without_rizhu.size() - 2], "四柱神煞：");

  fs::copy_file(fs::path(KELVARA_BIN_DIR) / "shensha" / "rizhu.txt",
                dir / "shensha" / "rizhu.txt");
  fs::remove(dir / "dream.dll");
  const auto without_dream = Report(birth, ReferenceStore(dir));
  EXPECT_EQ(without_dream.back(), "袁天罡称骨算命：");
  fs::remove_all(dir);
}

// The main spirit stars by their classical rules, counted on each pillar: the
// report must name them there as often as the rules give them.
TEST(FourPillarsReportTest, SpiritStarsStandOnTheRightPillars) {
  // 天乙贵人 by stem: 甲戊庚 丑未, 乙己 子申, 丙丁 亥酉, 壬癸 卯巳, 辛 寅午.
  const std::map<std::string, std::string> tianyi = {
      {"甲", "丑未"}, {"戊", "丑未"}, {"庚", "丑未"}, {"乙", "子申"},
      {"己", "子申"}, {"丙", "亥酉"}, {"丁", "亥酉"}, {"壬", "卯巳"},
      {"癸", "卯巳"}, {"辛", "寅午"}};
  // 驿马 by branch: 申子辰 寅, 寅午戌 申, 巳酉丑 亥, 亥卯未 巳.
  const std::map<std::string, std::string> yima = {
      {"申", "寅"}, {"子", "寅"}, {"辰", "寅"}, {"寅", "申"},
      {"午", "申"}, {"戌", "申"}, {"巳", "亥"}, {"酉", "亥"},
      {"丑", "亥"}, {"亥", "巳"}, {"卯", "巳"}, {"未", "巳"}};
  const char* births[][4] = {
      {"1949", "10", "1", "午 12"}, {"2024", "2", "10", "辰 8"},
      {"1990", "1", "1", "子 0"},   {"1975", "11", "23", "卯 6"},
      {"2012", "7", "7", "戌 20"},  {"1963", "3", "15", "申 15"},
  };
  auto count = [](const std::string& line, const std::string& star) {
    int n = 0;
    for (std::size_t at = line.find(star); at != std::string::npos;
         at = line.find(star, at + star.size())) {
      ++n;
    }
    return n;
  };
  for (const auto& b : births) {
    const BirthData birth =
        Birth("张", "三", "男", "A型", 0, b[0], b[1], b[2], b[3], "0");
    const auto chart =
        ComputePillarChart(RealStore(), birth.Year, birth.Month, birth.Day,
                           std::stoi(birth.HourNumber), 1, 0, "男");
    ASSERT_TRUE(chart.chart);
    const PillarChart& c = *chart.chart;
    const auto lines = Report(birth);
    const std::pair<const char*, std::string> pillars[] = {
        {"年柱：", c.YearBranch},
        {"月柱：", c.MonthBranch},
        {"日柱：", c.DayBranch},
        {"时柱：", c.HourBranch}};
    // 空亡: the two branches the day pillar's decade leaves out.
    const int day_index = [&] {
      for (int i = 0; i < 60; ++i) {
        if (std::string(kStemNames[i % 10]) == c.DayStem &&
            std::string(kBranchNames[i % 12]) == c.DayBranch) {
          return i;
        }
      }
      return 0;
    }();
    const int decade_start = day_index - day_index % 10;
    const std::string empty =
        std::string(kBranchNames[(decade_start + 10) % 12]) +
        std::string(kBranchNames[(decade_start + 11) % 12]);
    for (const auto& [label, branch] : pillars) {
      const auto line = std::find_if(
          lines.begin(), lines.end(),
          [&](const std::string& l) { return l.rfind(label, 0) == 0; });
      ASSERT_NE(line, lines.end()) << b[0] << label;
      const int expected_tianyi =
          (tianyi.at(c.YearStem).find(branch) != std::string::npos) +
          (tianyi.at(c.DayStem).find(branch) != std::string::npos);
      const int expected_yima =
          (yima.at(c.YearBranch) == branch) + (yima.at(c.DayBranch) == branch);
      const std::string where =
          std::string(b[0]) + "-" + b[1] + "-" + b[2] + " " + label;
      EXPECT_EQ(count(*line, "天乙贵人"), expected_tianyi) << where << *line;
      EXPECT_EQ(count(*line, "驿马"), expected_yima) << where << *line;
      EXPECT_EQ(count(*line, "空亡"),
                empty.find(branch) != std::string::npos ? 1 : 0)
          << where << *line;
    }
  }
}

}  // namespace
}  // namespace kelvara
