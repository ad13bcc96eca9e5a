#pragma once

#include <QWidget>
#include <string_view>

class QLabel;
class QLineEdit;

namespace kelvara {

class TFrmmain;

// The net-name window (网名与性格): a nickname in `EditNickname` and, on
// 测算 (`ButtonReckon`) or Enter, the name line `LabelName` and the
// personality line `LabelTrait` in the group 测算结果 (`GroupResult`).
// Modal; it deletes itself when closed.
//
// The field shows typed ASCII letters in upper case and takes at most 18
// typed characters; a longer nickname given when the window opens stays
// whole. Shown with a non-empty field, the window reckons at once.
class TFrmWangming : public QWidget {
  Q_OBJECT

 public:
  explicit TFrmWangming(std::string_view nickname, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Reckon();

  QLineEdit* nickname_ = nullptr;
  QLabel* name_line_ = nullptr;
  QLabel* trait_line_ = nullptr;
  bool shown_once_ = false;
};

// Opens the surname-origin window (modeless) and the net-name window (modal,
// with the quick-entry text as its nickname) for the main window's commands.
void WireSurnameAndNetNameWindows(TFrmmain& window);

}  // namespace kelvara
