#include <array>
#include <memory>
#include <string>

#include "base/datetime.h"
#include "base/text.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "pillars/jie_moment.h"
#include "pillars/pillar_attributes.h"
#include "refdata/reference_store.h"

namespace kelvara::cli {
namespace {

// Adds `attr NAME ARG...`: the arguments are texts, the result one line.
template <int kArgs, typename Print>
void AddLookup(CLI::App& attr, const std::string& name,
               const std::string& description,
               const std::array<std::string, kArgs>& arg_names, Print print) {
  auto* cmd = attr.add_subcommand(name, description);
  auto args = std::make_shared<std::array<std::string, kArgs>>();
  for (int i = 0; i < kArgs; ++i) {
    cmd->add_option(arg_names[i], (*args)[i])->required();
  }
  cmd->callback([args, print] { print(*args); });
}

DateTime ParseMoment(const std::string& date, const std::string& time) {
  std::string text = date + " " + time;
  if (time.size() == 5) text += ":00";
  const auto moment = ParseIsoDateTime(text);
  if (!moment) {
    Out().Error("时刻“" + date + " " + time +
                "”无效:请写成 YYYY-MM-DD HH:MM[:SS]。");
    throw UsageFailure{};
  }
  return *moment;
}

}  // namespace

void AddAttributeCommands(CLI::App& app) {
  auto* attr = app.add_subcommand(
      "attr", "四柱属性: 查 Tgcode.dll 的五行、十神、纳音、四季与调候");
  attr->require_subcommand(1);
  const auto store = [] { return ReferenceStore::BesideExecutable(); };

  AddLookup<1>(
      *attr, "element", "一个字的五行 (hzwh)", {"CHAR"},
      [store](const auto& a) { Out().Line(ElementOf(store(), a[0])); });
  AddLookup<1>(*attr, "tengod", "日干对另一天干的十神 (Shishen), 如 甲丙",
               {"STEMS"},
               [store](const auto& a) { Out().Line(TenGodOf(store(), a[0])); });
  AddLookup<1>(*attr, "nayin", "干支的纳音 (jiazi), 如 甲子", {"PILLAR"},
               [store](const auto& a) { Out().Line(NayinOf(store(), a[0])); });
  AddLookup<2>(*attr, "season", "日主五行在某季的论断 (sjrs), 如 木 春",
               {"ELEMENT", "SEASON"}, [store](const auto& a) {
                 Out().Line(SeasonText(store(), a[0], a[1]));
               });
  AddLookup<2>(*attr, "climate", "日干生于某月支的调候 (qtbj), 如 甲 寅",
               {"STEM", "BRANCH"}, [store](const auto& a) {
                 Out().Line(ClimateText(store(), a[0], a[1]));
               });
  AddLookup<1>(*attr, "tally",
               "八字五行的统计, 如 \"金木   水火   土金   水木\"", {"ELEMENTS"},
               [](const auto& a) { Out().Line(ElementTally(a[0])); });
  AddLookup<2>(*attr, "index", "天干 (0) 或地支 (1) 的序号",
               {"CHAR", "SELECTOR"}, [](const auto& a) {
                 const auto selector = ParseWholeNumber(a[1]);
                 if (!selector) {
                   Out().Error("选择值须为 0 (天干) 或 1 (地支)。");
                   throw UsageFailure{};
                 }
                 Out().Line(std::to_string(StemBranchIndex(a[0], *selector)));
               });
  AddLookup<2>(
      *attr, "jie", "出生时刻是否在当天节气交节时刻之前 (JQ): 1 是, 0 否",
      {"DATE", "TIME"}, [store](const auto& a) {
        const DateTime moment = ParseMoment(a[0], a[1]);
        const int year = DecodeDate(moment).year;
        Out().Line(IsBeforeJieMoment(store(), year, moment) ? "1" : "0");
      });
}

}  // namespace kelvara::cli
