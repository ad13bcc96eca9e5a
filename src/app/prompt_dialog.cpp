#include "app/prompt_dialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>

#include "app/qt_text.h"

namespace kelvara {
namespace {

DialogHooks& Hooks() {
  static DialogHooks hooks;
  return hooks;
}

}  // namespace

void SetDialogHooks(DialogHooks hooks) { Hooks() = std::move(hooks); }

void ShowPrompt(QWidget* parent, std::string_view text) {
  if (Hooks().prompt) return Hooks().prompt(text);
  QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), Q(text),
                  QMessageBox::Ok, parent);
  box.exec();
}

void ShowErrorBox(QWidget* parent, std::string_view text) {
  if (Hooks().error) return Hooks().error(text);
  QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), Q(text),
                  QMessageBox::Ok, parent);
  box.exec();
}

QString AskOpenFileName(QWidget* parent) {
  if (Hooks().open_file_name) return Hooks().open_file_name();
  return QFileDialog::getOpenFileName(parent, QStringLiteral("打开记录"));
}

void RunPageSetup(QWidget* parent, QPrinter& printer) {
  if (Hooks().page_setup) return Hooks().page_setup(printer);
  QPageSetupDialog dialog(&printer, parent);
  dialog.exec();
}

}  // namespace kelvara
