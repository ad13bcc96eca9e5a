#pragma once

#include <QFont>
#include <QMainWindow>
#include <QPrinter>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "app/birth_input.h"
#include "app/command_catalogue.h"
#include "app/report_document.h"
#include "refdata/reference_store.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace kelvara {

// What a command may need besides its action: the text of a quick-entry
// field, or the man's and the woman's choice of a pairing row.
struct CommandArguments {
  std::string text;
  std::string man;
  std::string woman;
};

// The main window: the input strip, the left column, the result document and
// the menu bar of the command catalogue. Commands are dispatched by their
// action to handlers; a reading wires itself with one call to Wire.
class TFrmmain : public QMainWindow {
  Q_OBJECT

 public:
  using Handler = std::function<void(const CommandArguments&)>;

  // `store` is where the reference files are (the executable's directory).
  explicit TFrmmain(ReferenceStore store, QWidget* parent = nullptr);
  ~TFrmmain() override;

  // Runs the handler of an action; an action without one does nothing.
  void Run(const Action& action, const CommandArguments& arguments = {});
  // Makes `handler` the one of (kind, name).
  void Wire(ActionKind kind, std::string_view name, Handler handler);

  // The input strip's ten texts, as the controls hold them.
  BirthPanel PanelTexts() const;
  // Reads the panel; on a refusal shows the message and returns nullopt.
  // A record that passes is also kept as the last reading's record.
  std::optional<BirthData> ReadBirthDataOrPrompt(bool blood_required);
  // The record of the last reading that passed validation (起名宝典 sets its
  // names only); empty names until the first one (the three-talent reading
  // then does nothing).
  const BirthData& last_birth() const { return last_birth_; }

  ReportDocument& document() { return document_; }
  const ReferenceStore& store() const { return store_; }
  QPrinter& printer() { return printer_; }

  // The point size of each item of the size list; 9 when none is selected.
  static int PointSizeOfFontItem(int index);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenuBar();
  QWidget* BuildInputStrip();
  QWidget* BuildLeftColumn();
  QWidget* BuildCentre();
  void WireOwnCommands();
  void BindDocument();
  void OnFirstShown();
  void FillTodayAlmanac();
  void SetDocumentFontSize();
  void OpenDocument();
  void NewReading();

  ReferenceStore store_;
  ReportDocument document_;
  BirthData last_birth_;
  std::map<std::pair<ActionKind, std::string>, Handler> handlers_;
  QPrinter printer_;
  bool shown_once_ = false;

  QStackedWidget* centre_stack_ = nullptr;
  QWidget* input_strip_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QComboBox* font_sizes_ = nullptr;
};

}  // namespace kelvara
