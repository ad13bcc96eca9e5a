#pragma once

// Driving the windows offscreen: finding their controls, typing into them,
// triggering menu items, and recording the messages they would show.

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"

class QAction;
class QWidget;

namespace kelvara::testing {

// While it lives, the program's message and error boxes are recorded here
// instead of shown (the file and page-setup dialogs are cancelled).
class DialogRecorder {
 public:
  DialogRecorder();
  ~DialogRecorder();
  DialogRecorder(const DialogRecorder&) = delete;
  DialogRecorder& operator=(const DialogRecorder&) = delete;

  std::vector<std::string> prompts;
  std::vector<std::string> errors;
};

// The child of `parent` named `name`; a test failure when there is none.
template <typename T>
T* Child(const QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// Types each character as a key press carrying its text, as an input method
// would (QTest::keyClicks only knows ASCII). A character beyond U+FFFF goes
// in one press.
void TypeText(QWidget* widget, const QString& text);

// The item `caption` under the top-level menu `menu`, in any of its
// submenus; nullptr when there is none.
QAction* MenuItem(const QMainWindow& window, const QString& menu,
                  const QString& caption);

// Triggers that item; a test failure when there is none.
void TriggerMenuItem(const QMainWindow& window, const QString& menu,
                     const QString& caption);

// Deletes the windows closed since the last call (they delete themselves
// through the event loop).
void DeletePostedWindows();

// A main window over the reference files of this build, shown, with today
// fixed at 2026-12-11 and the readings the test wires (Wire).
class ReadingWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  virtual void Wire(TFrmmain& window) = 0;

  // Sets the text of the input strip's field `name` (NameA, NameB, ...).
  void Type(const char* name, const QString& text);
  void Click(const char* button);
  void Menu(const QString& menu, const QString& caption);
  std::vector<std::string> Lines() const;

  DialogRecorder dialogs;
  std::unique_ptr<TFrmmain> window;
};

}  // namespace kelvara::testing
