#include "app/reading_commands_window.h"

#include "pillars/pillar_commands_window.h"

namespace kelvara {

void WireReadings(TFrmmain& window) { WireFourPillarsCommands(window); }

}  // namespace kelvara
