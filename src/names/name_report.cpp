#include "names/name_report.h"

#include <array>
#include <charconv>
#include <string>

#include "base/text.h"
#include "names/five_grids.h"
#include "refdata/failure_policy.h"

namespace kelvara {
namespace {

constexpr std::string_view kSeparator =
    "-----------------------------------------------------------------";
static_assert(kSeparator.size() == 65);

// Two hyphens, eight characters (three UTF-8 bytes each), 48 hyphens.
constexpr std::string_view kClosingLine =
    "--以上测算紧着参考------------------------------------------------";
static_assert(kClosingLine.size() == 2 + 8 * 3 + 48);

struct GridLine {
  GridKind kind;
  std::string_view name;
  std::string_view full_score;
};

// The scores section lists the grids in this order.
constexpr std::array<GridLine, 5> kScoreLines{{
    {GridKind::kHeaven, "天格", "10"},
    {GridKind::kEarth, "地格", "10"},
    {GridKind::kPerson, "人格", "30"},
    {GridKind::kTotal, "总格", "20"},
    {GridKind::kOuter, "外格", "10"},
}};

struct GridSection {
  GridKind kind;
  std::string_view name;
  std::string_view explanation;
};

// The 81-number sections follow in this order.
constexpr std::array<GridSection, 5> kSections{{
    {GridKind::kHeaven, "天格",
     "的解析】：天格数是先祖留传下来的，其数理对人影响不大。"},
    {GridKind::kPerson, "人格",
     "的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"},
    {GridKind::kEarth, "地格",
     "的解析】：地格数又称前运，影响人生（49岁）以前的命运。"},
    {GridKind::kTotal, "总格",
     "的解析】：总格又称后运，影响人生（50岁）以后的命运。 "},
    {GridKind::kOuter, "外格",
     "的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"},
}};

// Scores are multiples of 0.5: "10", "8.5", "-1".
std::string ScoreText(double score) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, score);
  return std::string(buffer, result.ptr);
}

class NameReportWriter {
 public:
  NameReportWriter(const ReferenceStore& store, const BirthData& birth,
                   ReportDocument& document)
      : store_(store), birth_(birth), doc_(document) {}

  // The scores and the 81-number sections. Lookups may throw LookupError.
  void WriteGrids() {
    grids_ = NameGrids(store_, birth_.Surname, birth_.GivenName);
    talents_ = ThreeTalentsOf(grids_);
    WriteScores();
    for (const GridSection& section : kSections) WriteSection(section);
  }

  // The sancai2009 verdict of the configuration, left out when it has none.
  void WriteThreeTalentVerdict() {
    const LookupRows rows = store_.Lookup(
        ReferenceFile::kTarselFile,
        "select * from sancai2009 where title = ? limit 1", {talents_});
    if (rows.empty()) return;
    doc_.AddLine(kSeparator);
    doc_.AddLine("");
    doc_.AddLine("【三才数理分析】：您的姓名三才配置为：" + talents_ +
                 "。它具有如下数理诱导力，据此会对人生产生一定的影响。");
    doc_.AddLine("");
    doc_.AddLine(Trim(rows.front().Text("yy")));
    doc_.AddLine("");
  }

 private:
  void WriteScores() {
    doc_.AddLine(kSeparator);
    doc_.AddLine("");
    doc_.AddLine("【评分分析】");
    doc_.AddLine("");
    double total = 0;
    for (const GridLine& line : kScoreLines) {
      const int number = grids_.Of(line.kind);
      const double score = GridScore(number, line.kind);
      total += score;
      doc_.AddLine(std::string(line.name) + ": " + std::to_string(number) +
                   " " + std::string(NumberClass(number)) + " 得分(总分" +
                   std::string(line.full_score) + ")：" + ScoreText(score));
    }
    const double talent_score = ThreeTalentScore(store_, talents_);
    doc_.AddLine("三才: " + talents_ + "得分(总分20)：" +
                 ScoreText(talent_score));
    doc_.AddLine("综合总分: " + ScoreText(total + talent_score));
    doc_.AddLine("");
  }

  void WriteSection(const GridSection& section) {
    const int number = grids_.Of(section.kind);
    doc_.AddLine(kSeparator);
    doc_.AddLine("");
    doc_.AddLine("【" + std::string(section.name) + std::to_string(number) +
                 std::string(section.explanation));
    doc_.AddLine("");
    doc_.AddLine(Number81Text(store_, number, Number81Field::kYy) +
                 Number81Text(store_, number, Number81Field::kJx));
    doc_.AddLine("");
  }

  const ReferenceStore& store_;
  const BirthData& birth_;
  ReportDocument& doc_;
  NameGridNumbers grids_;
  std::string talents_;
};

}  // namespace

bool NameReport(const ReferenceStore& store, const BirthData& birth,
                DateTime today, ReportDocument& document,
                const ErrorSink& show_error) {
  document.ClearDocument();
  document.AddLine(ReportHeaderLine(birth, today));
  document.AddLine("");
  if (birth.Surname.empty() || birth.GivenName.empty()) return true;

  NameReportWriter writer(store, birth, document);
  bool completed = false;
  RunUnguarded(
      [&] {
        if (!RunAbandoningSilently([&] { writer.WriteGrids(); })) return;
        writer.WriteThreeTalentVerdict();
        document.AddLine(kClosingLine);
        completed = true;
      },
      show_error);
  return completed;
}

bool ThreeTalentReading(const ReferenceStore& store, const BirthData& birth,
                        ReportDocument& document) {
  if (birth.Surname.empty() || birth.GivenName.empty()) return true;
  return RunAbandoningSilently([&] {
    const std::string talents =
        ThreeTalents(store, birth.Surname, birth.GivenName);
    const std::string reading = ThreeTalentText(store, talents);
    document.ClearDocument();
    document.AddLine(birth.Surname + birth.GivenName + ",您的三才为" + talents +
                     ",经系统分析如下:");
    document.AddLine("");
    document.AddLine("");
    document.AddLine("    " + reading);
  });
}

}  // namespace kelvara
