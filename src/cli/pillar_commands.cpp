#include <memory>

#include "app/report_document.h"
#include "base/clock.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/panel_options.h"
#include "pillars/four_pillars_report.h"
#include "refdata/reference_store.h"

namespace kelvara::cli {

void AddPillarCommands(CLI::App& app) {
  auto* bazi = app.add_subcommand("bazi", "八字算命: 打印完整的四柱八字报告");
  auto bazi_args = AddPanelOptions(*bazi);
  bazi->callback([bazi_args] {
    const BirthData birth =
        ReadPanelOrFail(*bazi_args, /*blood_required=*/true);
    ReportDocument document;
    FourPillarsReport(ReferenceStore::BesideExecutable(), birth, Clock::Today(),
                      document);
    PrintDocument(document);
  });

  auto* info = app.add_subcommand(
      "birthinfo",
      "生辰信息: 基本 (basic)、称骨 (bone) 或血型 (blood) 三种简要报告");
  auto info_args = AddPanelOptions(*info);
  auto kind = std::make_shared<std::string>("basic");
  info->add_option("--kind", *kind, "报告种类: basic, bone 或 blood")
      ->check(CLI::IsMember({"basic", "bone", "blood"}))
      ->capture_default_str();
  info->callback([info_args, kind] {
    const BirthData birth =
        ReadPanelOrFail(*info_args, /*blood_required=*/true);
    const BirthInfoKind which = *kind == "bone"    ? BirthInfoKind::kBoneWeight
                                : *kind == "blood" ? BirthInfoKind::kBloodType
                                                   : BirthInfoKind::kBasic;
    ReportDocument document;
    BirthInfoReport(ReferenceStore::BesideExecutable(), birth, Clock::Today(),
                    which, document);
    PrintDocument(document);
  });
}

}  // namespace kelvara::cli
