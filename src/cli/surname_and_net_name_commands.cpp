#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_output.h"
#include "cli/commands.h"
#include "names/net_name.h"
#include "names/surname_origin.h"
#include "refdata/failure_policy.h"
#include "refdata/reference_store.h"

namespace kelvara::cli {

void AddSurnameAndNetNameCommands(CLI::App& app) {
  auto* surname = app.add_subcommand(
      "surname",
      "姓氏起源: 打印姓氏的起源 (xing); 不给姓氏时按拼音顺序列出全部姓氏");
  auto name = std::make_shared<std::optional<std::string>>();
  surname->add_option("SURNAME", *name, "姓氏, 如 欧阳");
  surname->callback([name] {
    const ReferenceStore store = ReferenceStore::BesideExecutable();
    const bool ran = RunUnguarded(
        [&] {
          if (!name->has_value()) {
            for (const std::string& s : SurnameList(store)) Out().Line(s);
          } else if (const auto origin = SurnameOrigin(store, **name)) {
            Out().Line(*origin);
          }
        },
        [](std::string_view error) { Out().Error(error); });
    if (!ran) throw UsageFailure{};
  });

  auto* netname = app.add_subcommand(
      "netname", "网名与性格: 打印网名的测算结果 (网名行与性格行)");
  auto nickname = std::make_shared<std::string>();
  netname->add_option("NICKNAME", *nickname, "网名")->required();
  netname->callback([nickname] {
    const NetNameReading reading = ReadNetName(NicknameAsShown(*nickname));
    if (!reading.message.empty()) {
      Out().Error(reading.message);
      throw UsageFailure{};
    }
    Out().Line(reading.name_line);
    Out().Line(reading.trait_line);
  });
}

}  // namespace kelvara::cli
