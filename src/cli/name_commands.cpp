#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/report_document.h"
#include "base/clock.h"
#include "base/text.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/panel_options.h"
#include "names/character_strokes.h"
#include "names/name_report.h"
#include "refdata/failure_policy.h"
#include "refdata/reference_store.h"

namespace kelvara::cli {
void AddNameCommands(CLI::App& app) {
  auto* name = app.add_subcommand(
      "name", "姓名算命: 五格数理、81数吉凶、三才配置与评分");
  auto name_args = AddPanelOptions(*name);
  name->callback([name_args] {
    const BirthData birth =
        ReadPanelOrFail(*name_args, /*blood_required=*/false);
    ReportDocument document;
    NameReport(ReferenceStore::BesideExecutable(), birth, Clock::Today(),
               document, [](std::string_view error) { Out().Error(error); });
    PrintDocument(document);
  });

  auto* sancai =
      app.add_subcommand("sancai", "三才吉凶: 姓名三才配置的解析 (sancai)");
  auto sancai_args = AddPanelOptions(*sancai);
  sancai->callback([sancai_args] {
    const BirthData birth =
        ReadPanelOrFail(*sancai_args, /*blood_required=*/false);
    ReportDocument document;
    ThreeTalentReading(ReferenceStore::BesideExecutable(), birth, document);
    PrintDocument(document);
  });

  auto* strokes = app.add_subcommand(
      "strokes",
      "笔画: 每个字按繁体计的笔画数 (bihua), 一字一行 \"字<TAB>笔画\"");
  auto chars = std::make_shared<std::vector<std::string>>();
  strokes->add_option("CHARS", *chars, "要查的字, 可以连写")->required();
  strokes->callback([chars] {
    const ReferenceStore store = ReferenceStore::BesideExecutable();
    RunAbandoningSilently([&] {
      for (const std::string& text : *chars) {
        std::string_view rest = text;
        while (!rest.empty()) {
          const std::string character = FirstChar(rest);
          rest.remove_prefix(character.size());
          Out().Line(character + "\t" +
                     std::to_string(StrokeCount(store, character)));
        }
      }
    });
  });
}

}  // namespace kelvara::cli
