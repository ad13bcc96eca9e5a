#pragma once

namespace kelvara {

class TFrmmain;

// Wires the name readings to the main window's commands: the button 姓名算命
// and the menu item 姓名详批 (NameReport), and the menu item 三才吉凶
// (ThreeTalentReading), which reads the name of the last name report.
void WireNameReportCommands(TFrmmain& window);

}  // namespace kelvara
