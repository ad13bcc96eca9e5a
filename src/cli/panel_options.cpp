#include "cli/panel_options.h"

#include "base/clock.h"
#include "base/text.h"
#include "cli/cli_output.h"

namespace kelvara::cli {

std::shared_ptr<PanelArguments> AddPanelOptions(CLI::App& command) {
  auto args = std::make_shared<PanelArguments>();
  BirthPanel& p = args->panel;
  command.add_option("--surname", p.surname, "姓 (最多两个汉字)");
  command.add_option("--given", p.given_name, "名 (最多两个汉字)");
  command.add_option("--sex", p.sex, "性别: 男 或 女")->capture_default_str();
  command.add_option("--blood", p.blood_type, "血型: A型 B型 O型 AB型")
      ->capture_default_str();
  command.add_option("--calendar", args->calendar, "历法: 公历 或 农历")
      ->check(CLI::IsMember({"公历", "农历"}))
      ->capture_default_str();
  command.add_option("--year", p.year, "出生年")->capture_default_str();
  command.add_option("--month", p.month, "出生月")->capture_default_str();
  command.add_option("--day", p.day, "出生日")->capture_default_str();
  command
      .add_option("--hour-item", p.hour_item, "出生时辰, 如 \"子 0\" \"巳 10\"")
      ->capture_default_str();
  command.add_option("--minute", p.minute, "出生分钟")->capture_default_str();
  command.add_option("--today", args->today, "把今天固定为这一天 YYYY-MM-DD");
  return args;
}

BirthData ReadPanelOrFail(const PanelArguments& arguments,
                          bool blood_required) {
  if (!arguments.today.empty()) {
    const auto today = ParseDateArgument(arguments.today);
    if (!today) throw UsageFailure{};
    Clock::FixToday(*today);
  }
  // The name fields of the window hold at most kNameFieldBytes GBK bytes.
  for (const auto& [text, label] :
       {std::pair{arguments.panel.surname, "姓"},
        std::pair{arguments.panel.given_name, "名"}}) {
    if (GbkWidth(Trim(text)) > kNameFieldBytes) {
      Out().Error(std::string(label) + "最多两个汉字(4个字节)!");
      throw UsageFailure{};
    }
  }
  BirthPanel panel = arguments.panel;
  panel.calendar_item = arguments.calendar == "公历" ? 0 : 1;
  BirthReadResult result = ReadBirthData(panel, blood_required);
  if (!result.data) {
    Out().Error(result.message);
    throw UsageFailure{};
  }
  return std::move(*result.data);
}

}  // namespace kelvara::cli
