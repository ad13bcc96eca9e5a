#include "app/birth_input.h"
#include "base/clock.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/panel_options.h"

namespace kelvara::cli {

void AddBirthCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand(
      "birth",
      "读入出生资料并打印报告的抬头一行 (姓名、年龄、公历、农历、生肖、星座)");
  auto args = AddPanelOptions(*cmd);
  cmd->callback([args] {
    const BirthData data = ReadPanelOrFail(*args, /*blood_required=*/false);
    Out().Line(ReportHeaderLine(data, Clock::Today()));
  });
}

}  // namespace kelvara::cli
