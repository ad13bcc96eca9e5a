#pragma once

class QWidget;

namespace kelvara {

// Shows a reading's own window centred over the main window, kept on the
// screen, so it opens where the user is looking whatever the window manager
// would choose (and at all when there is none).
void ShowOverMainWindow(QWidget& window, const QWidget& main_window);

}  // namespace kelvara
