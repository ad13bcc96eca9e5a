#include "pillars/pillar_commands_window.h"

#include "app/main_window.h"
#include "base/clock.h"
#include "pillars/four_pillars_report.h"

namespace kelvara {

void WireFourPillarsCommands(TFrmmain& window) {
  TFrmmain* w = &window;
  w->Wire(
      ActionKind::kReport, "FourPillarsReport", [w](const CommandArguments&) {
        const auto birth = w->ReadBirthDataOrPrompt(/*blood_required=*/true);
        if (birth)
          FourPillarsReport(w->store(), *birth, Clock::Today(), w->document());
      });
  const std::pair<const char*, BirthInfoKind> variants[] = {
      {"BirthInfoBasic", BirthInfoKind::kBasic},
      {"BirthInfoBoneWeight", BirthInfoKind::kBoneWeight},
      {"BirthInfoBloodType", BirthInfoKind::kBloodType},
  };
  for (const auto& [name, kind] : variants) {
    w->Wire(
        ActionKind::kReport, name, [w, kind = kind](const CommandArguments&) {
          const auto birth = w->ReadBirthDataOrPrompt(/*blood_required=*/true);
          if (birth) {
            BirthInfoReport(w->store(), *birth, Clock::Today(), kind,
                            w->document());
          }
        });
  }
}

}  // namespace kelvara
