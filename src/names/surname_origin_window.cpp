#include "names/surname_origin_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

#include "app/prompt_dialog.h"
#include "app/qt_text.h"
#include "base/text.h"
#include "names/surname_origin.h"
#include "refdata/failure_policy.h"

namespace kelvara {
namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 420;
constexpr int kSurnameListWidth = 140;
constexpr int kVisibleSurnames = 20;

}  // namespace

TFrmNameCome::TFrmNameCome(ReferenceStore store, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(std::move(store)) {
  setObjectName(QStringLiteral("TFrmNameCome"));
  setWindowTitle(QStringLiteral("姓氏起源"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(kWidth, kHeight);

  auto* prompt = new QLabel(QStringLiteral("请输入姓氏或选择："), this);
  surname_ = new QComboBox(this);
  surname_->setObjectName(QStringLiteral("SYear"));
  surname_->setEditable(true);
  surname_->setInsertPolicy(QComboBox::NoInsert);
  surname_->setMaxVisibleItems(kVisibleSurnames);
  surname_->setMinimumWidth(kSurnameListWidth);
  auto* search = new QPushButton(QStringLiteral("开始搜索"), this);
  search->setObjectName(QStringLiteral("ButtonSearch"));
  auto* close_button = new QPushButton(QStringLiteral("关闭"), this);
  close_button->setObjectName(QStringLiteral("ButtonClose"));
  origin_ = new QPlainTextEdit(this);
  origin_->setObjectName(QStringLiteral("MemoOrigin"));
  origin_->setReadOnly(true);
  origin_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  auto* row = new QHBoxLayout;
  row->addWidget(prompt);
  row->addWidget(surname_);
  row->addSpacing(8);
  row->addWidget(search);
  row->addWidget(close_button);
  row->addStretch(1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(origin_, 1);

  connect(search, &QPushButton::clicked, this, [this] { Search(); });
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);

  FillSurnameList();
}

void TFrmNameCome::FillSurnameList() {
  RunUnguarded(
      [this] {
        const std::vector<std::string> surnames = SurnameList(store_);
        if (surnames.empty()) return;
        surname_->clear();
        for (const std::string& surname : surnames) {
          surname_->addItem(Q(surname));
        }
        surname_->setCurrentIndex(-1);
      },
      [this](std::string_view error) { ShowErrorBox(this, error); });
}

void TFrmNameCome::Search() {
  const std::string typed = Trim(S(surname_->currentText()));
  if (typed.empty()) {
    origin_->clear();
    return;
  }
  RunUnguarded(
      [this, &typed] {
        if (const auto origin = SurnameOrigin(store_, typed)) {
          origin_->setPlainText(Q(*origin));
        }
      },
      [this](std::string_view error) { ShowErrorBox(this, error); });
}

}  // namespace kelvara
