#include "app/reading_commands_window.h"

#include "names/name_commands_window.h"
#include "names/naming_handbook_window.h"
#include "names/net_name_window.h"
#include "pillars/pillar_commands_window.h"

namespace kelvara {

void WireReadings(TFrmmain& window) {
  WireFourPillarsCommands(window);
  WireNameReportCommands(window);
  WireNamingHandbookWindow(window);
  WireSurnameAndNetNameWindows(window);
}

}  // namespace kelvara
