#pragma once

namespace kelvara {

class TFrmmain;

// Wires the Four Pillars readings to the main window's commands: the button
// 八字算命 and the menu items 八字详批, 生辰信息, 称骨算命 and 血型论命.
void WireFourPillarsCommands(TFrmmain& window);

}  // namespace kelvara
