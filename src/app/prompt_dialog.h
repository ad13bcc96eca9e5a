#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QWidget;
class QPrinter;

namespace kelvara {

// The program's one message box: the text, the caption "提示", an
// information icon and an OK button. Every message of the windows goes
// through it.
void ShowPrompt(QWidget* parent, std::string_view text);

// The error box of an unguarded failure: the failure's text, caption "错误".
void ShowErrorBox(QWidget* parent, std::string_view text);

// A file-open dialog without a type filter; empty when cancelled.
QString AskOpenFileName(QWidget* parent);

// The page-setup dialog for a print layout.
void RunPageSetup(QWidget* parent, QPrinter& printer);

// Test seams: while a hook is set, it answers instead of the dialog.
struct DialogHooks {
  std::function<void(std::string_view text)> prompt;
  std::function<void(std::string_view text)> error;
  std::function<QString()> open_file_name;
  std::function<void(QPrinter&)> page_setup;
};
void SetDialogHooks(DialogHooks hooks);

}  // namespace kelvara
