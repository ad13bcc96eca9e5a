#include "names/name_commands_window.h"

#include "app/main_window.h"
#include "app/prompt_dialog.h"
#include "base/clock.h"
#include "names/name_report.h"

namespace kelvara {

void WireNameReportCommands(TFrmmain& window) {
  TFrmmain* w = &window;
  w->Wire(ActionKind::kReport, "NameReport", [w](const CommandArguments&) {
    const auto birth = w->ReadBirthDataOrPrompt(/*blood_required=*/false);
    if (!birth) return;
    const bool completed =
        NameReport(w->store(), *birth, Clock::Today(), w->document(),
                   [w](std::string_view error) { ShowErrorBox(w, error); });
    if (completed) w->document().ShowDocumentTop();
  });
  // Uses the name of the last reading that passed validation, not the panel
  // as it is now.
  w->Wire(ActionKind::kReport, "ThreeTalentReading",
          [w](const CommandArguments&) {
            ThreeTalentReading(w->store(), w->last_birth(), w->document());
          });
}

}  // namespace kelvara
