#include <memory>
#include <string>

#include "calendar/day_facts.h"
#include "calendar/lunar_calendar.h"
#include "cli/cli_output.h"
#include "cli/commands.h"

namespace kelvara::cli {
namespace {

// Calls `each` for every day from FROM to TO inclusive (TO defaults to FROM).
template <typename Each>
void ForEachDay(const std::string& from_text, const std::string& to_text,
                Each each) {
  const auto from = ParseDateArgument(from_text);
  if (!from) throw UsageFailure{};
  auto to = from;
  if (!to_text.empty()) {
    to = ParseDateArgument(to_text);
    if (!to) throw UsageFailure{};
  }
  if (*to < *from) {
    Out().Error("结束日期早于开始日期。");
    throw UsageFailure{};
  }
  for (DateTime day = *from; day <= *to; day += 1) each(day);
}

void AddLunarCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand(
      "lunar", "每天一行: 公历日期、农历年、月、日、是否闰月(0/1)");
  auto from = std::make_shared<std::string>();
  auto to = std::make_shared<std::string>();
  cmd->add_option("FROM", *from, "起始公历日期 YYYY-MM-DD")->required();
  cmd->add_option("TO", *to, "结束公历日期 YYYY-MM-DD (含)");
  cmd->callback([from, to] {
    ForEachDay(*from, *to, [](DateTime day) {
      const LunarDate d = SolarToLunar(day);
      Out().Line(FormatDate(day) + "\t" + std::to_string(d.Year) + "\t" +
                 std::to_string(d.Month) + "\t" + std::to_string(d.Day) + "\t" +
                 (d.IsLeap ? "1" : "0"));
    });
  });
}

void AddSolarCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("solar", "农历日期换算为公历 (YYYY-MM-DD)");
  auto date = std::make_shared<LunarDate>();
  cmd->add_option("YEAR", date->Year, "农历年")->required();
  cmd->add_option("MONTH", date->Month, "农历月")->required();
  cmd->add_option("DAY", date->Day, "农历日")->required();
  cmd->add_flag("--leap", date->IsLeap, "闰月");
  cmd->callback([date] { Out().Line(FormatDate(LunarToSolar(*date))); });
}

void AddDayCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand(
      "day",
      "每天一行: 日期、农历月日代码、农历月名、农历日名、农历节日、公历节日、"
      "节气、生肖、星座");
  auto from = std::make_shared<std::string>();
  auto to = std::make_shared<std::string>();
  cmd->add_option("FROM", *from, "起始公历日期 YYYY-MM-DD")->required();
  cmd->add_option("TO", *to, "结束公历日期 YYYY-MM-DD (含)");
  cmd->callback([from, to] {
    ForEachDay(*from, *to, [](DateTime day) {
      const int d = DecodeDate(day).day;
      Out().Line(FormatDate(day) + "\t" + std::to_string(LunarMonthDayOf(day)) +
                 "\t" + CalendarMonthName(day) + "\t" + CalendarDayName(day) +
                 "\t" + LunarFestival(day) + "\t" + GregorianFestival(d, day) +
                 "\t" + SolarTermOnDay(day) + "\t" + ZodiacOfDate(day) + "\t" +
                 ConstellationOfDay(day));
    });
  });
}

}  // namespace

void AddCalendarCommands(CLI::App& app) {
  AddLunarCommand(app);
  AddSolarCommand(app);
  AddDayCommand(app);
}

}  // namespace kelvara::cli
