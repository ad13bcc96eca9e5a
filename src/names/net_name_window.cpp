#include "names/net_name_window.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <algorithm>

#include "app/main_window.h"
#include "app/prompt_dialog.h"
#include "app/qt_text.h"
#include "app/reading_window_placement.h"
#include "names/net_name.h"
#include "names/surname_origin_window.h"

namespace kelvara {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 200;
constexpr int kTypedLimit = 18;

QString Shown(const QString& text) { return Q(NicknameAsShown(S(text))); }

// Typed text: ASCII letters become upper case, and typing stops at
// kTypedLimit characters. A longer text put into the field by the program is
// kept; it may be shortened but not lengthened.
class NicknameValidator : public QValidator {
 public:
  // Attach it once the field holds its first text: a longer first text
  // raises the limit to its own length.
  explicit NicknameValidator(QLineEdit* edit)
      : QValidator(edit), length_(edit->text().size()) {
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { length_ = text.size(); });
  }

  State validate(QString& input, int&) const override {
    input = Shown(input);
    return input.size() <= std::max<qsizetype>(kTypedLimit, length_)
               ? Acceptable
               : Invalid;
  }

 private:
  qsizetype length_;  // of the text the field holds
};

}  // namespace

TFrmWangming::TFrmWangming(std::string_view nickname, QWidget* parent)
    : QWidget(parent, Qt::Dialog) {
  setObjectName(QStringLiteral("TFrmWangming"));
  setWindowTitle(QStringLiteral("网名与性格"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(kWidth, kHeight);

  auto* prompt = new QLabel(QStringLiteral("输入网名："), this);
  nickname_ = new QLineEdit(this);
  nickname_->setObjectName(QStringLiteral("EditNickname"));
  nickname_->setText(Shown(Q(nickname)));
  nickname_->setValidator(new NicknameValidator(nickname_));
  auto* reckon = new QPushButton(QStringLiteral("测算"), this);
  reckon->setObjectName(QStringLiteral("ButtonReckon"));
  auto* close_button = new QPushButton(QStringLiteral("关闭"), this);
  close_button->setObjectName(QStringLiteral("ButtonClose"));

  auto* group = new QGroupBox(QStringLiteral("测算结果"), this);
  group->setObjectName(QStringLiteral("GroupResult"));
  name_line_ = new QLabel(group);
  name_line_->setObjectName(QStringLiteral("LabelName"));
  name_line_->setWordWrap(true);
  trait_line_ = new QLabel(group);
  trait_line_->setObjectName(QStringLiteral("LabelTrait"));
  trait_line_->setWordWrap(true);
  auto* lines = new QVBoxLayout(group);
  lines->addWidget(name_line_);
  lines->addWidget(trait_line_);
  lines->addStretch(1);

  auto* row = new QHBoxLayout;
  row->addWidget(prompt);
  row->addWidget(nickname_, 1);
  row->addWidget(reckon);
  row->addWidget(close_button);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(group, 1);

  connect(reckon, &QPushButton::clicked, this, [this] { Reckon(); });
  connect(nickname_, &QLineEdit::returnPressed, this, [this] { Reckon(); });
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
}

void TFrmWangming::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_once_) return;
  shown_once_ = true;
  nickname_->setFocus();
  if (!nickname_->text().isEmpty()) Reckon();
}

void TFrmWangming::Reckon() {
  const NetNameReading reading = ReadNetName(S(nickname_->text()));
  if (!reading.message.empty()) return ShowPrompt(this, reading.message);
  name_line_->setText(Q(reading.name_line));
  trait_line_->setText(Q(reading.trait_line));
}

void WireSurnameAndNetNameWindows(TFrmmain& window) {
  TFrmmain* main = &window;
  main->Wire(
      ActionKind::kWindow, "TFrmNameCome", [main](const CommandArguments&) {
        ShowOverMainWindow(*new TFrmNameCome(main->store(), main), *main);
      });
  main->Wire(ActionKind::kWindow, "TFrmWangming",
             [main](const CommandArguments& arguments) {
               ShowOverMainWindow(*new TFrmWangming(arguments.text, main),
                                  *main);
             });
}

}  // namespace kelvara
