#include "app/reading_window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kelvara {

void ShowOverMainWindow(QWidget& window, const QWidget& main_window) {
  // A window not given a size gets its natural one when first shown; it is
  // needed before that to centre it.
  if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
  QRect frame(QPoint(), window.size());
  frame.moveCenter(main_window.frameGeometry().center());
  if (const QScreen* screen = main_window.screen()) {
    const QRect area = screen->availableGeometry();
    frame.moveLeft(std::max(
        area.left(), std::min(frame.left(), area.right() - frame.width())));
    frame.moveTop(std::max(
        area.top(), std::min(frame.top(), area.bottom() - frame.height())));
  }
  window.move(frame.topLeft());
  window.show();
}

}  // namespace kelvara
