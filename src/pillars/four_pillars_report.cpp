#include "pillars/four_pillars_report.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "base/text.h"
#include "calendar/lunar_calendar.h"
#include "pillars/bone_weight_and_blood_type.h"
#include "pillars/luck_cycles.h"
#include "pillars/pillar_attributes.h"
#include "pillars/pillar_engine.h"
#include "pillars/shensha.h"
#include "refdata/failure_policy.h"

namespace kelvara {
namespace {

constexpr std::string_view kShortEndLine =
    "--以上内容紧着参考---------------------------------------------";
constexpr std::string_view kLongEndLine =
    "--以上内容紧着参考--------------------------------------------------------"
    "--";
constexpr std::string_view kBoneWeightHeading =
    "--【袁天罡称骨算命】------------------------------------------------------"
    "--";
constexpr std::string_view kBloodTypeHeading =
    "--【血型论命】------------------------------------------------------------"
    "--";

// The report stops here: the minute is no number, or the engine refused.
struct ReportStopped {};

enum class Variant { kFull, kBirthInfo };

// Composes the report; every failure below ends it by an exception.
class ReportWriter {
 public:
  ReportWriter(const ReferenceStore& store, const BirthData& birth,
               DateTime today, ReportDocument& document, Variant variant)
      : store_(store),
        birth_(birth),
        today_(today),
        doc_(document),
        variant_(variant) {}

  // Steps up to the element tally, shared by both reports.
  void WriteChart();
  void WriteRestOfFullReport();
  void WriteBoneWeight(bool adjust_for_jie);
  void WriteBloodType() {
    doc_.AddLine("    " + BloodTypeText(birth_.BloodType));
  }

 private:
  std::string TG(std::string_view stem) {
    return TenGodOf(store_, chart_.DayStem + std::string(stem));
  }
  std::string E(std::string_view c) { return ElementOf(store_, c); }
  std::string N(std::string_view pillar) { return NayinOf(store_, pillar); }
  int Minute() const {
    const auto minute = ParseWholeNumber(birth_.Minute);
    if (!minute) throw ReportStopped{};
    return *minute;
  }
  int Hour() const {
    const auto hour = ParseWholeNumber(birth_.HourNumber);
    if (!hour) throw ReportStopped{};
    return *hour;
  }
  void WriteHiddenStemLines();
  void WriteSpiritStarLines();
  // The stars of one pillar; `day_hour` (the stars of the day and hour
  // pillars together) is added to those of the year, month and day.
  std::string SpiritStarsOf(std::string_view stem, std::string_view branch,
                            const std::string* day_hour);
  void WriteSeasonLine();

  const ReferenceStore& store_;
  const BirthData& birth_;
  DateTime today_;
  ReportDocument& doc_;
  Variant variant_;
  PillarChart chart_;
  std::string elements_;
};

void ReportWriter::WriteChart() {
  const bool full = variant_ == Variant::kFull;
  doc_.ClearDocument();
  const int age = DecodeDate(today_).year - birth_.Year;
  doc_.AddLine("姓名：" + birth_.Surname + birth_.GivenName + "  性别：" +
               birth_.Sex + "  生肖：" + birth_.Zodiac + "  星座：" +
               birth_.Constellation + "  血型：" + birth_.BloodType +
               "  年龄：" + std::to_string(age) + "岁");
  doc_.AddLine("");
  char date[64];
  std::snprintf(date, sizeof date, "%04d年%02d月%02d日", birth_.Year,
                birth_.Month, birth_.Day);
  doc_.AddLine("生日（公历）：" + std::string(date) + birth_.HourNumber + "点" +
               (full ? birth_.Minute + "分" : std::string()));
  doc_.AddLine("");
  doc_.AddLine("生日（农历）：" + birth_.LunarText + birth_.HourBranch + "时" +
               (full ? birth_.Minute + "分" : std::string()));

  // The engine needs the hour and minute as numbers.
  PillarChartResult result =
      ComputePillarChart(store_, birth_.Year, birth_.Month, birth_.Day, Hour(),
                         birth_.Lunar.Day, Minute(), birth_.Sex);
  if (!result.chart) throw ReportStopped{};
  chart_ = std::move(*result.chart);

  doc_.AddLine("");
  const std::string conception = Trim(chart_.ConceptionPillar);
  doc_.AddLine("胎元：" + conception + "(" + N(conception) + ")");
  doc_.AddLine("");
  doc_.AddLine("起运：" + chart_.StartAgeText + "岁");
  doc_.AddLine("");
  doc_.AddLine("十神：" + TG(chart_.YearStem) + "   " + TG(chart_.MonthStem) +
               "   日元   " + TG(chart_.HourStem));
  doc_.AddLine("八字：" + chart_.YearStem + chart_.YearBranch + "   " +
               chart_.MonthStem + chart_.MonthBranch + "   " + chart_.DayStem +
               chart_.DayBranch + "   " + chart_.HourStem + chart_.HourBranch);
  WriteHiddenStemLines();
  if (!full) doc_.AddLine("");
  elements_ = E(chart_.YearStem) + E(chart_.YearBranch) + "   " +
              E(chart_.MonthStem) + E(chart_.MonthBranch) + "   " +
              E(chart_.DayStem) + E(chart_.DayBranch) + "   " +
              E(chart_.HourStem) + E(chart_.HourBranch);
  doc_.AddLine("五行：" + elements_);
  doc_.AddLine("纳音：" + N(chart_.YearStem + chart_.YearBranch) + " " +
               N(chart_.MonthStem + chart_.MonthBranch) + " " +
               N(chart_.DayStem + chart_.DayBranch) + " " +
               N(chart_.HourStem + chart_.HourBranch));
  doc_.AddLine("");
  doc_.AddLine(chart_.LuckNayinLine);
  doc_.AddLine(chart_.LuckTenGodLine);
  doc_.AddLine("大运：" + chart_.LuckPillarsText);
  doc_.AddLine(AgeRow(chart_.StartAge));
  doc_.AddLine(StartYearRow(birth_.Year, chart_.StartAge));
  doc_.AddLine("");
  for (const std::string& row :
       YearlyPillarRows(birth_.Lunar.Year, chart_.StartAge)) {
    doc_.AddLine(row);
  }
  doc_.AddLine("");
  doc_.AddLine("四柱神煞：");
  doc_.AddLine("");
  WriteSpiritStarLines();
  doc_.AddLine("");
  for (const std::string& row :
       SmallLuckRows(chart_.HourStemIndex, chart_.HourBranchIndex,
                     chart_.Reverse, chart_.StartAge)) {
    doc_.AddLine(row);
  }
  doc_.AddLine("");
  WriteSeasonLine();
  doc_.AddLine("");
  doc_.AddLine("穷通宝鉴调候用神：" + chart_.DayStem + E(chart_.DayStem) +
               "生于" + chart_.MonthBranch + "月，" +
               ClimateText(store_, chart_.DayStem, chart_.MonthBranch));
  doc_.AddLine("");
  doc_.AddLine("八字五行个数：" + ElementTally(elements_));
  doc_.AddLine("");
}

void ReportWriter::WriteHiddenStemLines() {
  // The day's hidden stems by the day's branch: 1900-02-20 was a 子 day.
  const int days =
      static_cast<int>(EncodeDate(birth_.Year, birth_.Month, birth_.Day) -
                       EncodeDate(1900, 2, 20));
  const std::string day_stems(
      kHiddenStemTable[static_cast<std::size_t>(WrapIndex(days, 12))]);
  const std::array<std::string, 4> stems{chart_.HiddenStemsYear,
                                         chart_.HiddenStemsMonth, day_stems,
                                         chart_.HiddenStemsHour};
  // The k-th hidden stem of a pillar: one Chinese character each.
  auto nth = [](const std::string& text, int k) {
    return GbkSlice(text, static_cast<std::size_t>(2 * k), 2);
  };
  std::string first = "遁藏：";
  for (std::size_t p = 0; p < stems.size(); ++p) {
    const std::string stem = nth(stems[p], 0);
    first += stem + TG(stem) + (p + 1 < stems.size() ? " " : "");
  }
  doc_.AddLine(first);
  for (int k = 1; k <= 2; ++k) {
    std::string line = "      ";
    for (const std::string& pillar : stems) {
      const std::string stem = Trim(nth(pillar, k));
      line += stem.empty() ? std::string("       ") : stem + TG(stem) + " ";
    }
    doc_.AddLine(line);
  }
}

std::string ReportWriter::SpiritStarsOf(std::string_view stem,
                                        std::string_view branch,
                                        const std::string* day_hour) {
  const PillarChart& c = chart_;
  const std::string day_pillar = c.DayStem + c.DayBranch;
  std::string joined =
      ShenshaYearStem(store_, c.YearStem, branch) + " " +
      ShenshaYearBranch(store_, c.YearBranch, branch,
                        StemBranchIndex(c.YearBranch, kBranchSelector),
                        c.Reverse ? 1 : 0) +
      " " + ShenshaMonthBranch(store_, c.MonthBranch, stem, branch) + " " +
      ShenshaDayStem(store_, c.DayStem, branch) + " " +
      ShenshaDayBranch(store_, c.DayBranch, branch,
                       StemBranchIndex(c.DayBranch, kBranchSelector)) +
      " " +
      ShenshaDayPillar(store_, std::string(stem) + std::string(branch),
                       day_pillar);
  if (day_hour != nullptr) joined += " " + *day_hour;
  return Trim(joined);
}

void ReportWriter::WriteSpiritStarLines() {
  const PillarChart& c = chart_;
  // The same for three pillars: read once. Nothing is written before the
  // year line, so a table that cannot be read ends the report where it did.
  const std::string day_hour = ShenshaDayHour(store_, c.DayStem + c.DayBranch,
                                              c.HourStem + c.HourBranch);
  doc_.AddLine("年柱：" + SpiritStarsOf(c.YearStem, c.YearBranch, &day_hour));
  doc_.AddLine("月柱：" + SpiritStarsOf(c.MonthStem, c.MonthBranch, &day_hour));
  doc_.AddLine("日柱：" + SpiritStarsOf(c.DayStem, c.DayBranch, &day_hour));
  doc_.AddLine("时柱：" + SpiritStarsOf(c.HourStem, c.HourBranch, nullptr));
}

void ReportWriter::WriteSeasonLine() {
  const std::string element = E(chart_.DayStem);
  struct Season {
    const char* text;
    const char* character;
  };
  static constexpr Season kSeasons[] = {{"生于春季，", "春"},
                                        {"生于夏季，", "夏"},
                                        {"生于秋季，", "秋"},
                                        {"生于冬季，", "冬"}};
  int season = -1;
  std::string label;
  if (variant_ == Variant::kFull) {
    // By the lunar month's name; a leap month matches no season.
    label = "用神喜忌：日主天干";
    const std::string month =
        LunarMonthName(birth_.Lunar.Month, birth_.Lunar.IsLeap);
    static constexpr std::array<std::string_view, 12> kMonthNames{
        "一月", "二月", "三月", "四月", "五月",   "六月",
        "七月", "八月", "九月", "十月", "十一月", "十二月"};
    for (int m = 0; m < 12; ++m) {
      if (month == kMonthNames[static_cast<std::size_t>(m)]) season = m / 3;
    }
  } else {
    label = "四季用神：日主天干";
    const int m = birth_.Month;
    season = m < 4 ? 0 : m <= 6 ? 1 : m <= 9 ? 2 : 3;
  }
  if (season < 0) return;
  const Season& s = kSeasons[season];
  doc_.AddLine(label + element + s.text +
               SeasonText(store_, element, s.character) + "。");
}

void ReportWriter::WriteBoneWeight(bool adjust_for_jie) {
  int month = birth_.Lunar.Month;
  if (adjust_for_jie && chart_.BornBeforeJie)
    month = month == 1 ? 12 : month - 1;
  for (BoneWeightPart part : {BoneWeightPart::kWeight, BoneWeightPart::kVerse,
                              BoneWeightPart::kExplanation}) {
    doc_.AddLine(BoneWeightLine(
        store_, std::to_string(birth_.Lunar.Year), std::to_string(month),
        std::to_string(birth_.Lunar.Day), birth_.HourNumber, part));
  }
}

void ReportWriter::WriteRestOfFullReport() {
  doc_.AddLine(kSectionSeparator);
  doc_.AddLine("");
  for (const std::string& row :
       MonthlyPillarRows(birth_.Lunar.Year, chart_.StartAge)) {
    doc_.AddLine(row);
  }
  doc_.AddLine("");
  doc_.AddLine(kSectionSeparator);
  doc_.AddLine("");
  doc_.AddLine("袁天罡称骨算命：");
  WriteBoneWeight(/*adjust_for_jie=*/true);
  doc_.AddLine("");
  WritePersonalitySummary(store_, birth_.Year, birth_.Month, birth_.Day, Hour(),
                          birth_.Lunar.Day, Minute(), birth_.Sex, doc_);
  doc_.AddLine("");
  doc_.AddLine(kSectionSeparator);
  doc_.AddLine("");
  doc_.AddLine("血型论命:");
  doc_.AddLine("");
  WriteBloodType();
  doc_.AddLine("");
}

// Runs a report; any failure while composing ends it silently.
template <typename Compose>
bool RunSilently(Compose compose) {
  try {
    return RunAbandoningSilently(compose);
  } catch (const ReportStopped&) {
  } catch (const InvalidBirthMoment&) {
  }
  return false;
}

}  // namespace

bool FourPillarsReport(const ReferenceStore& store, const BirthData& birth,
                       DateTime today, ReportDocument& document) {
  return RunSilently([&] {
    ReportWriter writer(store, birth, today, document, Variant::kFull);
    writer.WriteChart();
    writer.WriteRestOfFullReport();
    document.ShowDocumentTop();
  });
}

bool BirthInfoReport(const ReferenceStore& store, const BirthData& birth,
                     DateTime today, BirthInfoKind kind,
                     ReportDocument& document) {
  return RunSilently([&] {
    ReportWriter writer(store, birth, today, document, Variant::kBirthInfo);
    writer.WriteChart();
    switch (kind) {
      case BirthInfoKind::kBasic:
        document.AddLine("");
        document.AddLine(kShortEndLine);
        return;
      case BirthInfoKind::kBoneWeight:
        document.AddLine("");
        document.AddLine(kBoneWeightHeading);
        writer.WriteBoneWeight(/*adjust_for_jie=*/false);
        break;
      case BirthInfoKind::kBloodType:
        document.AddLine("");
        document.AddLine(kBloodTypeHeading);
        writer.WriteBloodType();
        break;
    }
    document.AddLine("");
    document.AddLine(kLongEndLine);
    document.ShowDocumentTop();
  });
}

}  // namespace kelvara
