#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "names/naming_handbook.h"
#include "refdata/reference_store.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace kelvara {

class TFrmmain;

// The naming-handbook window (取名宝典) for one surname. Modeless; it deletes
// itself when closed. Controls:
// - `ComboStrokes` (笔画方式): the stroke suggestions of GoodStrokeSearch,
//   filled when the window is shown and refilled by a click on
//   `RadioOneCharacter` (一个字名) or `RadioTwoCharacters` (两个字名, checked
//   at start), each time with its first item selected;
// - `ButtonPickName` (取名): the characters of the selected suggestion in
//   `MemoFirstCharacter` (名第一字) and, in two-character mode,
//   `MemoSecondCharacter` (名第两字); `ButtonClose` (关闭);
// - group `GroupTrial` (新名字测试): the surname in `EditSurname`
//   (read-only), a trial given name of at most four GBK bytes in
//   `EditGivenName`, and `ButtonReckon` (确认测算), which writes the trial
//   reading into `MemoResult` of group `GroupResult` (新名字测试结果).
// A reference file that cannot be read ends the action without a message;
// what it already showed stays.
class TFrmChangeName : public QWidget {
  Q_OBJECT

 public:
  TFrmChangeName(ReferenceStore store, std::string_view surname,
                 QWidget* parent = nullptr);

  // The suggestions of the last list filling, one per list item.
  const StrokeSuggestions& suggestions() const { return suggestions_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  GivenNameMode Mode() const;
  void FillSuggestionList(SuggestionWording wording);
  void PickName();
  void Reckon();

  ReferenceStore store_;
  std::string surname_;
  StrokeSuggestions suggestions_;
  GivenNameMode suggestions_mode_ = GivenNameMode::kTwoCharacters;

  QComboBox* strokes_ = nullptr;
  QRadioButton* one_character_ = nullptr;
  QPlainTextEdit* first_characters_ = nullptr;
  QPlainTextEdit* second_characters_ = nullptr;
  QLineEdit* trial_surname_ = nullptr;
  QLineEdit* trial_given_name_ = nullptr;
  QPlainTextEdit* result_box_ = nullptr;
};

// Opens a new naming-handbook window, modeless, for the surname passed as the
// command's text; the main window's command 起名宝典 runs it after checking
// the surname and the given name.
void WireNamingHandbookWindow(TFrmmain& window);

}  // namespace kelvara
