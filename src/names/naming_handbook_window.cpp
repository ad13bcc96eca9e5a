#include "names/naming_handbook_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTextCursor>
#include <QValidator>
#include <utility>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/reading_window_placement.h"
#include "app/report_document.h"
#include "base/text.h"
#include "refdata/failure_policy.h"

namespace kelvara {
namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 480;
constexpr int kNameFieldWidth = 64;
constexpr int kCharacterBoxWidth = 120;
// The characters to choose from are shown larger than the window's text:
// many have twenty strokes and more.
constexpr int kCharacterPointSize = 12;

// A label written top to bottom, one character per line.
QLabel* VerticalLabel(const QString& text, QWidget* parent) {
  QStringList characters;
  for (const QChar c : text) characters << QString(c);
  auto* label = new QLabel(characters.join(QLatin1Char('\n')), parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

QPlainTextEdit* ReadOnlyBox(const char* name, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(true);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return box;
}

// Appends a line and shows the box from its beginning.
void AddLineAtTop(QPlainTextEdit* box, std::string_view line) {
  box->appendPlainText(Q(line));
  box->moveCursor(QTextCursor::Start);
  box->ensureCursorVisible();
}

}  // namespace

TFrmChangeName::TFrmChangeName(ReferenceStore store, std::string_view surname,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), store_(std::move(store)), surname_(surname) {
  setObjectName(QStringLiteral("TFrmChangeName"));
  setWindowTitle(QStringLiteral("取名宝典"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(kWidth, kHeight);

  // The search: suggestions, mode, characters.
  auto* strokes_label = new QLabel(QStringLiteral("笔画方式"), this);
  strokes_ = new QComboBox(this);
  strokes_->setObjectName(QStringLiteral("ComboStrokes"));
  strokes_->setEditable(false);
  strokes_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  one_character_ = new QRadioButton(QStringLiteral("一个字名"), this);
  one_character_->setObjectName(QStringLiteral("RadioOneCharacter"));
  auto* two_characters = new QRadioButton(QStringLiteral("两个字名"), this);
  two_characters->setObjectName(QStringLiteral("RadioTwoCharacters"));
  two_characters->setChecked(true);

  auto* first_label = VerticalLabel(QStringLiteral("名第一字"), this);
  first_label->setObjectName(QStringLiteral("LabelFirstCharacter"));
  first_characters_ = ReadOnlyBox("MemoFirstCharacter", this);
  first_characters_->setMinimumWidth(kCharacterBoxWidth);
  auto* second_label = VerticalLabel(QStringLiteral("名第两字"), this);
  second_label->setObjectName(QStringLiteral("LabelSecondCharacter"));
  second_characters_ = ReadOnlyBox("MemoSecondCharacter", this);
  second_characters_->setMinimumWidth(kCharacterBoxWidth);
  for (QPlainTextEdit* box : {first_characters_, second_characters_}) {
    QFont larger = box->font();
    larger.setPointSize(kCharacterPointSize);
    box->setFont(larger);
  }

  auto* pick = new QPushButton(QStringLiteral("取名"), this);
  pick->setObjectName(QStringLiteral("ButtonPickName"));
  auto* close_button = new QPushButton(QStringLiteral("关闭"), this);
  close_button->setObjectName(QStringLiteral("ButtonClose"));

  auto* strokes_row = new QHBoxLayout;
  strokes_row->addWidget(strokes_label);
  strokes_row->addWidget(strokes_, 1);
  auto* mode_row = new QHBoxLayout;
  mode_row->addWidget(one_character_);
  mode_row->addWidget(two_characters);
  mode_row->addStretch(1);
  auto* boxes_row = new QHBoxLayout;
  boxes_row->addWidget(first_label);
  boxes_row->addWidget(first_characters_, 1);
  boxes_row->addWidget(second_label);
  boxes_row->addWidget(second_characters_, 1);
  auto* buttons_row = new QHBoxLayout;
  buttons_row->addStretch(1);
  buttons_row->addWidget(pick);
  buttons_row->addWidget(close_button);
  auto* search_column = new QVBoxLayout;
  search_column->addLayout(strokes_row);
  search_column->addLayout(mode_row);
  search_column->addLayout(boxes_row, 1);
  search_column->addLayout(buttons_row);

  // The trial name and its reading.
  auto* trial = new QGroupBox(QStringLiteral("新名字测试  "), this);
  trial->setObjectName(QStringLiteral("GroupTrial"));
  trial_surname_ = new QLineEdit(trial);
  trial_surname_->setObjectName(QStringLiteral("EditSurname"));
  trial_surname_->setReadOnly(true);
  trial_surname_->setFixedWidth(kNameFieldWidth);
  trial_given_name_ = new QLineEdit(trial);
  trial_given_name_->setObjectName(QStringLiteral("EditGivenName"));
  trial_given_name_->setValidator(new GbkByteLimit(kNameFieldBytes, trial));
  trial_given_name_->setFixedWidth(kNameFieldWidth);
  auto* reckon = new QPushButton(QStringLiteral("确认测算"), trial);
  reckon->setObjectName(QStringLiteral("ButtonReckon"));
  auto* trial_row = new QHBoxLayout(trial);
  trial_row->addWidget(new QLabel(QStringLiteral("姓"), trial));
  trial_row->addWidget(trial_surname_);
  trial_row->addWidget(new QLabel(QStringLiteral("名"), trial));
  trial_row->addWidget(trial_given_name_);
  trial_row->addWidget(reckon);
  trial_row->addStretch(1);

  auto* result = new QGroupBox(QStringLiteral("新名字测试结果"), this);
  result->setObjectName(QStringLiteral("GroupResult"));
  result_box_ = ReadOnlyBox("MemoResult", result);
  auto* result_column = new QVBoxLayout(result);
  result_column->addWidget(result_box_);

  auto* trial_column = new QVBoxLayout;
  trial_column->addWidget(trial);
  trial_column->addWidget(result, 1);

  auto* columns = new QHBoxLayout(this);
  columns->addLayout(search_column, 1);
  columns->addLayout(trial_column, 1);

  connect(one_character_, &QRadioButton::clicked, this,
          [this] { FillSuggestionList(SuggestionWording::kAfterModeClick); });
  connect(two_characters, &QRadioButton::clicked, this,
          [this] { FillSuggestionList(SuggestionWording::kAfterModeClick); });
  connect(pick, &QPushButton::clicked, this, [this] { PickName(); });
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
  connect(reckon, &QPushButton::clicked, this, [this] { Reckon(); });
}

void TFrmChangeName::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Shown by the program, not restored by the window system.
  if (!event->spontaneous()) FillSuggestionList(SuggestionWording::kOnShow);
}

GivenNameMode TFrmChangeName::Mode() const {
  return one_character_->isChecked() ? GivenNameMode::kOneCharacter
                                     : GivenNameMode::kTwoCharacters;
}

void TFrmChangeName::FillSuggestionList(SuggestionWording wording) {
  if (wording == SuggestionWording::kOnShow) {
    trial_surname_->setText(Q(surname_));
  }
  strokes_->clear();
  suggestions_.clear();
  suggestions_mode_ = Mode();
  RunAbandoningSilently([this] {
    suggestions_ = GoodStrokeSearch(store_, surname_, suggestions_mode_);
  });
  for (const StrokeSuggestion& suggestion : suggestions_) {
    strokes_->addItem(
        Q(SuggestionItemText(suggestion, suggestions_mode_, wording)));
  }
  strokes_->setCurrentIndex(suggestions_.empty() ? -1 : 0);
}

void TFrmChangeName::PickName() {
  first_characters_->clear();
  second_characters_->clear();
  const int index = strokes_->currentIndex();
  if (index < 0 || index >= static_cast<int>(suggestions_.size())) return;
  const StrokeSuggestion suggestion =
      suggestions_[static_cast<std::size_t>(index)];
  RunAbandoningSilently([this, &suggestion] {
    if (const auto characters = CharactersWithStrokes(store_, suggestion.first))
      AddLineAtTop(first_characters_, *characters);
    if (suggestions_mode_ != GivenNameMode::kTwoCharacters) return;
    if (const auto characters =
            CharactersWithStrokes(store_, suggestion.second))
      AddLineAtTop(second_characters_, *characters);
  });
}

void TFrmChangeName::Reckon() {
  const std::string surname = Trim(S(trial_surname_->text()));
  const std::string given_name = Trim(S(trial_given_name_->text()));
  if (surname.empty() || given_name.empty()) return;
  ReportDocument reading;
  RunAbandoningSilently(
      [&] { TrialNameReading(store_, surname, given_name, reading); });
  result_box_->setPlainText(Q(reading.Text()));
}

void WireNamingHandbookWindow(TFrmmain& window) {
  TFrmmain* main = &window;
  main->Wire(ActionKind::kWindow, "TFrmChangeName",
             [main](const CommandArguments& arguments) {
               ShowOverMainWindow(
                   *new TFrmChangeName(main->store(), arguments.text, main),
                   *main);
             });
}

}  // namespace kelvara
