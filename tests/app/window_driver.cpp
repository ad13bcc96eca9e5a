#include "window_driver.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "app/prompt_dialog.h"
#include "base/clock.h"

namespace kelvara::testing {

DialogRecorder::DialogRecorder() {
  SetDialogHooks({
      [this](std::string_view text) { prompts.emplace_back(text); },
      [this](std::string_view text) { errors.emplace_back(text); },
      [] { return QString(); },
      [](QPrinter&) {},
  });
}

DialogRecorder::~DialogRecorder() { SetDialogHooks({}); }

void TypeText(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length =
        text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown,
                        text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

QAction* MenuItem(const QMainWindow& window, const QString& menu,
                  const QString& caption) {
  for (QAction* top : window.menuBar()->actions()) {
    if (top->text() != menu || top->menu() == nullptr) continue;
    std::vector<QMenu*> pending{top->menu()};
    while (!pending.empty()) {
      QMenu* m = pending.back();
      pending.pop_back();
      for (QAction* a : m->actions()) {
        if (a->menu() != nullptr) {
          pending.push_back(a->menu());
        } else if (a->text() == caption) {
          return a;
        }
      }
    }
  }
  return nullptr;
}

void TriggerMenuItem(const QMainWindow& window, const QString& menu,
                     const QString& caption) {
  QAction* item = MenuItem(window, menu, caption);
  if (item == nullptr) {
    ADD_FAILURE() << "no menu item " << menu.toStdString() << "/"
                  << caption.toStdString();
    return;
  }
  item->trigger();
}

void DeletePostedWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ReadingWindowTest::SetUp() {
  Clock::FixToday(EncodeDate(2026, 12, 11));
  window = std::make_unique<TFrmmain>(ReferenceStore(KELVARA_BIN_DIR));
  Wire(*window);
  window->show();
}

void ReadingWindowTest::TearDown() {
  window.reset();
  Clock::FixToday(std::nullopt);
}

void ReadingWindowTest::Type(const char* name, const QString& text) {
  Child<QLineEdit>(window.get(), name)->setText(text);
}

void ReadingWindowTest::Click(const char* button) {
  QTest::mouseClick(Child<QPushButton>(window.get(), button), Qt::LeftButton);
}

void ReadingWindowTest::Menu(const QString& menu, const QString& caption) {
  TriggerMenuItem(*window, menu, caption);
}

std::vector<std::string> ReadingWindowTest::Lines() const {
  return window->document().lines();
}

}  // namespace kelvara::testing
