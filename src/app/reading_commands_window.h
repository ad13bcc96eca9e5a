#pragma once

namespace kelvara {

class TFrmmain;

// Wires every reading that is built to its commands of the main window.
void WireReadings(TFrmmain& window);

}  // namespace kelvara
