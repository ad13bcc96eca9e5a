#include "names/name_commands_window.h"

#include <memory>

#include "app/main_window.h"
#include "app/prompt_dialog.h"
#include "base/clock.h"
#include "names/name_report.h"

namespace kelvara {

void WireNameReportCommands(TFrmmain& window) {
  TFrmmain* w = &window;
  // The record of the last name report that passed validation; empty names
  // until then, so 三才吉凶 does nothing before the first one.
  auto last_record = std::make_shared<BirthData>();
  w->Wire(ActionKind::kReport, "NameReport",
          [w, last_record](const CommandArguments&) {
            const auto birth =
                w->ReadBirthDataOrPrompt(/*blood_required=*/false);
            if (!birth) return;
            *last_record = *birth;
            const bool completed = NameReport(
                w->store(), *birth, Clock::Today(), w->document(),
                [w](std::string_view error) { ShowErrorBox(w, error); });
            if (completed) w->document().ShowDocumentTop();
          });
  w->Wire(ActionKind::kReport, "ThreeTalentReading",
          [w, last_record](const CommandArguments&) {
            ThreeTalentReading(w->store(), *last_record, w->document());
          });
}

}  // namespace kelvara
