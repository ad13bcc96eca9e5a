#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QUrl>
#include <QValidator>
#include <array>
#include <vector>

#include "almanac/almanac.h"
#include "app/main_window_pictures.h"
#include "app/prompt_dialog.h"
#include "app/qt_text.h"
#include "base/clock.h"
#include "base/text.h"
#include "calendar/constellation_and_terms.h"
#include "calendar/lunar_calendar.h"
#include "refdata/failure_policy.h"

namespace kelvara {
namespace {

constexpr int kWindowWidth = 812;
constexpr int kWindowHeight = 600;
constexpr int kStripHeight = 81;
constexpr int kLeftColumnWidth = 193;
const QColor kDocumentBackground(246, 255, 238);
const QColor kButtonNavy(0, 0, 128);

// The size list: caption and point size, in list order.
constexpr std::array<std::pair<const char*, int>, 6> kFontSizes{{
    {"三号", 16},
    {"小三号", 15},
    {"四号", 14},
    {"小四号", 12},
    {"五号", 11},
    {"小五号", 9},
}};
constexpr int kDefaultPointSize = 9;
constexpr int kStartFontItem = 5;  // 小五号

const QString kDocumentFontFamily = QStringLiteral("WenQuanYi Zen Hei Mono");

// The quick-entry rows of 吉凶查询: a field, its picture button, what the
// button accepts (the trimmed text's length) and runs, and the message of a
// refusal.
struct QuickRow {
  const char* label;
  const char* edit;
  const char* button;
  bool digits_only;
  int max_length;  // 0: no limit
  int min_length;
  const char* message;
  Action action;
  bool enter_runs;  // Enter in the field runs the action without the test
};
const QuickRow kQuickRows[] = {
    {"手机：",
     "EditPhone",
     "ButtonPhone",
     true,
     11,
     11,
     "请输入11位手机号码！",
     {ActionKind::kWindow, "TFrm_SJcs"},
     true},
    {"QQ号：",
     "EditQQ",
     "ButtonQQ",
     true,
     0,
     5,
     "请输入正确的QQ号码！",
     {ActionKind::kWindow, "TFrmQQhm"},
     false},
    {"数字：",
     "EditNumber",
     "ButtonNumber",
     true,
     0,
     1,
     "请输入你的号码！",
     {ActionKind::kWindow, "TFrm_onther"},
     false},
    {"网名：",
     "EditNetName",
     "ButtonNetName",
     false,
     0,
     1,
     "请输入你的网名！",
     {ActionKind::kWindow, "TFrmWangming"},
     false},
    {"解梦：",
     "EditDream",
     "ButtonDream",
     false,
     0,
     1,
     "请输入你的做梦的内容！",
     {},
     false},
};

// The blood types of the input strip and of the blood-type pairing.
QStringList BloodTypeItems() {
  return {QStringLiteral("A型"), QStringLiteral("B型"), QStringLiteral("O型"),
          QStringLiteral("AB型")};
}

QComboBox* MakeCombo(QWidget* parent, const char* name,
                     const QStringList& items, const QString& current,
                     bool editable, int width) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->addItems(items);
  combo->setEditable(editable);
  combo->setCurrentIndex(std::max(0, static_cast<int>(items.indexOf(current))));
  combo->setFixedWidth(width);
  combo->setMaxVisibleItems(16);
  return combo;
}

QStringList Numbers(int first, int last) {
  QStringList items;
  for (int i = first; i <= last; ++i) items << QString::number(i);
  return items;
}

QLabel* MakeLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  return label;
}

QToolButton* MakePictureButton(QWidget* parent, const char* name,
                               const QString& glyph, const QString& tip) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(PictureButtonIcon(glyph));
  button->setIconSize(QSize(20, 20));
  button->setAutoRaise(true);
  button->setToolTip(tip);
  button->setFixedSize(24, 22);
  return button;
}

// A widget painting a picture stretched over its whole area under its
// children.
class PictureBackground : public QWidget {
 public:
  using Painter = QPixmap (*)(QSize);
  PictureBackground(Painter painter, QWidget* parent)
      : QWidget(parent), painter_(painter) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    if (cache_.size() != size()) cache_ = painter_(size());
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
  }

 private:
  Painter painter_;
  QPixmap cache_;
};

QLabel* MakeHeading(QWidget* parent, const QString& title) {
  auto* heading = new QLabel(parent);
  heading->setPixmap(SectionHeading(title, QSize(kLeftColumnWidth, 22)));
  heading->setFixedSize(kLeftColumnWidth, 22);
  return heading;
}

}  // namespace

TFrmmain::TFrmmain(ReferenceStore store, QWidget* parent)
    : QMainWindow(parent),
      store_(std::move(store)),
      printer_(QPrinter::HighResolution) {
  setObjectName(QStringLiteral("TFrmmain"));
  setWindowTitle(QStringLiteral("Kelvara"));
  setWindowIcon(ApplicationIcon());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(kWindowWidth, kWindowHeight);

  // The print layout: Letter paper, 12.7 mm margins all round.
  printer_.setPageLayout(
      QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                  QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));

  BuildMenuBar();
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  input_strip_ = BuildInputStrip();
  column->addWidget(input_strip_);
  auto* body = new QHBoxLayout;
  body->setContentsMargins(2, 2, 2, 0);
  body->setSpacing(3);
  body->addWidget(BuildLeftColumn());
  body->addWidget(BuildCentre(), 1);
  column->addLayout(body, 1);
  setCentralWidget(central);

  auto* welcome = new QLabel(
      QStringLiteral("欢迎使用 Kelvara 命理大全：八字、姓名、星座、周易、黄历，"
                     "尽在一处。"),
      this);
  welcome->setObjectName(QStringLiteral("WelcomeText"));
  statusBar()->addWidget(welcome, 1);
  statusBar()->setSizeGripEnabled(false);

  BindDocument();
  WireOwnCommands();
  // Centre on the screen.
  if (const QScreen* screen = QApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::BuildMenuBar() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));
  const auto entries = MenuCatalogue();
  std::vector<QMenu*> open_menus;  // the menu of each depth being filled
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const MenuEntry& entry = entries[i];
    open_menus.resize(static_cast<std::size_t>(entry.depth));
    if (entry.depth == 0) {
      QMenu* menu = bar->addMenu(Q(entry.caption));
      menu->menuAction()->setVisible(!entry.hidden);
      open_menus.push_back(menu);
      continue;
    }
    QMenu* parent_menu = open_menus.back();
    if (entry.separator_before) parent_menu->addSeparator();
    if (IsSubmenu(entries, i)) {
      QMenu* submenu = parent_menu->addMenu(Q(entry.caption));
      submenu->menuAction()->setVisible(!entry.hidden);
      open_menus.push_back(submenu);
      continue;
    }
    QAction* action = parent_menu->addAction(Q(entry.caption));
    action->setVisible(!entry.hidden);
    const Action what = entry.action;
    if (what.kind == ActionKind::kNone) continue;  // an item that does nothing
    connect(action, &QAction::triggered, this, [this, what] { Run(what); });
  }
}

QWidget* TFrmmain::BuildInputStrip() {
  auto* strip = new PictureBackground(&InputStripBackground, this);
  strip->setObjectName(QStringLiteral("InputStrip"));
  strip->setFixedHeight(kStripHeight);
  auto* grid = new QGridLayout(strip);
  grid->setContentsMargins(8, 4, 8, 6);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);

  auto* title = new QLabel(QStringLiteral("请输入基本信息："), strip);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  grid->addWidget(title, 0, 0, 1, 4);

  auto make_name = [strip](const char* name) {
    auto* edit = new QLineEdit(strip);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new GbkByteLimit(kNameFieldBytes, edit));
    edit->setFixedWidth(48);
    return edit;
  };
  // Row 1: the person.
  auto* person = new QHBoxLayout;
  person->setSpacing(4);
  person->addWidget(MakeLabel(strip, QStringLiteral("姓")));
  person->addWidget(make_name("NameA"));
  person->addWidget(MakeLabel(strip, QStringLiteral("名")));
  person->addWidget(make_name("NameB"));
  person->addWidget(MakeLabel(strip, QStringLiteral("姓别")));
  person->addWidget(MakeCombo(strip, "Sex",
                              {QStringLiteral("男"), QStringLiteral("女")},
                              QStringLiteral("男"), true, 46));
  person->addWidget(MakeLabel(strip, QStringLiteral("血型")));
  person->addWidget(MakeCombo(strip, "Xuxing", BloodTypeItems(),
                              QStringLiteral("A型"), true, 58));
  person->addStretch(1);
  grid->addLayout(person, 1, 0);

  // Row 2: the moment of birth.
  QStringList hours;
  for (int h = 0; h < 24; ++h) {
    hours << Q(kBranchNames[static_cast<std::size_t>(((h + 1) / 2) % 12)]) +
                 QStringLiteral(" ") + QString::number(h);
  }
  auto* moment = new QHBoxLayout;
  moment->setSpacing(4);
  moment->addWidget(MakeCombo(strip, "ComDate",
                              {QStringLiteral("公历"), QStringLiteral("农历")},
                              QStringLiteral("公历"), true, 58));
  moment->addWidget(MakeCombo(strip, "SYear", Numbers(1900, 2030),
                              QStringLiteral("1990"), true, 62));
  moment->addWidget(MakeLabel(strip, QStringLiteral("年")));
  moment->addWidget(MakeCombo(strip, "SMonth", Numbers(1, 12),
                              QStringLiteral("1"), true, 46));
  moment->addWidget(MakeLabel(strip, QStringLiteral("月")));
  moment->addWidget(
      MakeCombo(strip, "Sday", Numbers(1, 31), QStringLiteral("1"), true, 46));
  moment->addWidget(MakeLabel(strip, QStringLiteral("日")));
  moment->addWidget(
      MakeCombo(strip, "Shour", hours, QStringLiteral("子 0"), true, 66));
  moment->addWidget(MakeLabel(strip, QStringLiteral("时")));
  moment->addWidget(MakeCombo(strip, "Fengzhong", Numbers(0, 59),
                              QStringLiteral("0"), true, 46));
  moment->addWidget(MakeLabel(strip, QStringLiteral("分")));
  moment->addStretch(1);
  grid->addLayout(moment, 2, 0);

  // The reading buttons, two by two on the right.
  struct ReadingButton {
    const char* name;
    const char* caption;
    Action action;
  };
  const ReadingButton buttons[] = {
      {"ButtonBazi", "八字算命", {ActionKind::kReport, "FourPillarsReport"}},
      {"ButtonName", "姓名算命", {ActionKind::kReport, "NameReport"}},
      {"ButtonConstellation",
       "星座算命",
       {ActionKind::kReport, "ConstellationReport"}},
      {"ButtonZhuge", "诸葛算命", {ActionKind::kReport, "Zhuge"}},
      {"ButtonQigua", "金钱卦", {ActionKind::kWindow, "TFrmQigua"}},
  };
  auto* button_grid = new QGridLayout;
  button_grid->setSpacing(3);
  int index = 0;
  for (const ReadingButton& b : buttons) {
    auto* button = new QPushButton(Q(b.caption), strip);
    button->setObjectName(QString::fromLatin1(b.name));
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, kButtonNavy);
    button->setPalette(palette);
    button->setFixedSize(78, 26);
    const Action action = b.action;
    connect(button, &QPushButton::clicked, this,
            [this, action] { Run(action); });
    if (std::string_view(b.name) == "ButtonQigua") {
      button->setVisible(false);
    } else {
      button_grid->addWidget(button, index / 2, index % 2);
      ++index;
    }
  }
  grid->addLayout(button_grid, 1, 1, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
  grid->setColumnStretch(0, 1);
  return strip;
}

QWidget* TFrmmain::BuildLeftColumn() {
  auto* left = new QWidget(this);
  left->setObjectName(QStringLiteral("LeftColumn"));
  left->setFixedWidth(kLeftColumnWidth);
  auto* column = new QVBoxLayout(left);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);

  // 今日黄历: seven one-line fields and the link to the almanac window.
  auto* today_heading = MakeHeading(left, QStringLiteral("今日黄历"));
  auto* details = new QLabel(
      QStringLiteral("<a href=\"#\" style=\"color:#ffffff;\">查看详情</a>"),
      today_heading);
  details->setObjectName(QStringLiteral("TodayDetails"));
  details->setCursor(Qt::PointingHandCursor);
  details->setGeometry(kLeftColumnWidth - 62, 3, 58, 16);
  connect(details, &QLabel::linkActivated, this, [this] {
    Run({ActionKind::kWindow, "TFormHuangdao", 1});
  });
  column->addWidget(today_heading);
  struct TodayField {
    const char* name;
    const char* label;
    QColor color;
  };
  const TodayField fields[] = {
      {"TodaySuici", "岁次：", Qt::black},
      {"TodayWuhang", "五行：", Qt::black},
      {"TodayCong", "冲：", Qt::black},
      {"TodayJsyq", "吉神：", Qt::black},
      {"TodayXsyq", "凶神：", Qt::black},
      {"TodayYi", "宜：", QColor(0, 0, 128)},
      {"TodayJi", "忌：", QColor(200, 0, 0)},
  };
  auto* today = new QGridLayout;
  today->setContentsMargins(4, 0, 2, 0);
  today->setVerticalSpacing(1);
  int row = 0;
  for (const TodayField& f : fields) {
    today->addWidget(MakeLabel(left, Q(f.label)), row, 0);
    auto* value = new QLabel(left);
    value->setObjectName(QString::fromLatin1(f.name));
    value->setFixedWidth(kLeftColumnWidth - 46);
    value->setFixedHeight(17);
    QPalette palette = value->palette();
    palette.setColor(QPalette::WindowText, f.color);
    value->setPalette(palette);
    today->addWidget(value, row, 1);
    ++row;
  }
  column->addLayout(today);

  // 缘分配对: three rows of two choose-only lists and a picture button.
  column->addWidget(MakeHeading(left, QStringLiteral("缘分配对")));
  QStringList constellations;
  for (const char* name :
       {"水瓶座", "白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座",
        "天秤座", "天蝎座", "射手座", "摩羯座", "双鱼座"}) {
    constellations << Q(name);
  }
  QStringList animals;
  for (auto animal : kAnimalNames) animals << Q(animal);
  const QStringList bloods = BloodTypeItems();
  struct PairRow {
    const char* man;
    const char* woman;
    const char* button;
    const char* glyph;
    QStringList items;
    const char* window;
  };
  const PairRow pair_rows[] = {
      {"ConstellationMan", "ConstellationWoman", "ButtonConstellationPair",
       "星", constellations, "TFrm_xzhuo"},
      {"AnimalMan", "AnimalWoman", "ButtonAnimalPair", "肖", animals,
       "TFrm_SxPeid"},
      {"BloodMan", "BloodWoman", "ButtonBloodPair", "血", bloods, "TFrm_Xuex"},
  };
  auto* pairs = new QGridLayout;
  pairs->setContentsMargins(4, 0, 2, 0);
  pairs->setVerticalSpacing(2);
  row = 0;
  for (const PairRow& r : pair_rows) {
    auto* man = MakeCombo(left, r.man, r.items, r.items.front(), false, 72);
    auto* woman = MakeCombo(left, r.woman, r.items, r.items.front(), false, 72);
    auto* button =
        MakePictureButton(left, r.button, Q(r.glyph), QStringLiteral("配对"));
    pairs->addWidget(man, row, 0);
    pairs->addWidget(woman, row, 1);
    pairs->addWidget(button, row, 2);
    const Action action{ActionKind::kWindow, r.window};
    connect(button, &QToolButton::clicked, this, [this, action, man, woman] {
      Run(action, {{}, S(man->currentText()), S(woman->currentText())});
    });
    ++row;
  }
  column->addLayout(pairs);

  // 吉凶查询: five quick-entry rows.
  column->addWidget(MakeHeading(left, QStringLiteral("吉凶查询")));
  auto* quick = new QGridLayout;
  quick->setContentsMargins(4, 0, 2, 0);
  quick->setVerticalSpacing(2);
  row = 0;
  for (const QuickRow& r : kQuickRows) {
    quick->addWidget(MakeLabel(left, Q(r.label)), row, 0);
    auto* edit = new QLineEdit(left);
    edit->setObjectName(QString::fromLatin1(r.edit));
    if (r.digits_only) {
      edit->setValidator(new QRegularExpressionValidator(
          QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    if (r.max_length > 0) edit->setMaxLength(r.max_length);
    quick->addWidget(edit, row, 1);
    auto* button = MakePictureButton(left, r.button, QStringLiteral("测"),
                                     QStringLiteral("测算"));
    quick->addWidget(button, row, 2);
    connect(button, &QToolButton::clicked, this, [this, &r, edit] {
      const QString text = edit->text().trimmed();
      if (text.size() < r.min_length ||
          (r.max_length > 0 && text.size() > r.max_length)) {
        return ShowPrompt(this, r.message);
      }
      Run(r.action, {S(text)});
    });
    if (r.enter_runs) {
      // Enter opens the reading without the length test.
      connect(edit, &QLineEdit::returnPressed, this,
              [this, &r, edit] { Run(r.action, {S(edit->text().trimmed())}); });
    }
    ++row;
  }
  column->addLayout(quick);
  column->addStretch(1);
  return left;
}

QWidget* TFrmmain::BuildCentre() {
  auto* centre = new QWidget(this);
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);

  centre_stack_ = new QStackedWidget(centre);
  auto* background = new PictureBackground(&DocumentBackground, centre_stack_);
  background->setObjectName(QStringLiteral("DocumentBackground"));
  centre_stack_->addWidget(background);

  memo_ = new QPlainTextEdit(centre_stack_);
  memo_->setObjectName(QStringLiteral("RzMemo1"));
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setContextMenuPolicy(Qt::NoContextMenu);
  memo_->setUndoRedoEnabled(false);
  QPalette palette = memo_->palette();
  palette.setColor(QPalette::Base, kDocumentBackground);
  palette.setColor(QPalette::Text, Qt::black);
  // The selection stays visible when the document loses the focus.
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role,
                     palette.color(QPalette::Active, role));
  }
  memo_->setPalette(palette);
  QFont font(kDocumentFontFamily);
  font.setFamilies({kDocumentFontFamily});
  font.setPointSize(kDefaultPointSize);
  font.setStyleHint(QFont::TypeWriter);
  memo_->setFont(font);
  centre_stack_->addWidget(memo_);
  column->addWidget(centre_stack_, 1);

  auto* strip = new QHBoxLayout;
  strip->setContentsMargins(0, 0, 0, 2);
  strip->setSpacing(4);
  strip->addWidget(MakeLabel(centre, QStringLiteral("字体大小：")));
  font_sizes_ = new QComboBox(centre);
  font_sizes_->setObjectName(QStringLiteral("CBFont"));
  for (const auto& [caption, points] : kFontSizes)
    font_sizes_->addItem(Q(caption));
  font_sizes_->setEditable(true);
  font_sizes_->setCurrentIndex(kStartFontItem);
  font_sizes_->setFixedWidth(80);
  connect(font_sizes_, &QComboBox::currentTextChanged, this,
          [this] { SetDocumentFontSize(); });
  strip->addWidget(font_sizes_);
  strip->addStretch(1);
  struct BottomButton {
    const char* name;
    const char* caption;
  };
  for (const BottomButton& b :
       {BottomButton{"ButtonPrint", "打印"}, BottomButton{"ButtonSave", "保存"},
        BottomButton{"ButtonContact", "联系我们"},
        BottomButton{"ButtonExit", "退出"}}) {
    auto* button = new QPushButton(Q(b.caption), centre);
    button->setObjectName(QString::fromLatin1(b.name));
    button->setFixedSize(70, 24);
    strip->addWidget(button);
    if (std::string_view(b.name) == "ButtonExit") {
      connect(button, &QPushButton::clicked, this, [this] {
        Run({ActionKind::kCommand, "Exit"});
      });
    }
  }
  column->addLayout(strip);
  return centre;
}

void TFrmmain::BindDocument() {
  document_.SetListener([this](ReportDocument::Change change) {
    using Change = ReportDocument::Change;
    const auto& lines = document_.lines();
    switch (change) {
      case Change::kCleared:
        memo_->clear();
        break;
      case Change::kLineAdded:
        if (lines.size() == 1) {
          memo_->setPlainText(Q(lines.back()));
        } else {
          QTextCursor cursor(memo_->document());
          cursor.movePosition(QTextCursor::End);
          cursor.insertBlock();
          cursor.insertText(Q(lines.back()));
        }
        break;
      case Change::kReplaced:
        memo_->setPlainText(Q(document_.Text()));
        break;
      case Change::kShowTop: {
        QTextCursor cursor(memo_->document());
        cursor.movePosition(QTextCursor::Start);
        memo_->setTextCursor(cursor);
        memo_->verticalScrollBar()->setValue(0);
        break;
      }
    }
    if (document_.visible()) centre_stack_->setCurrentWidget(memo_);
  });
}

void TFrmmain::WireOwnCommands() {
  Wire(ActionKind::kCommand, "NewReading", [this](auto&) { NewReading(); });
  Wire(ActionKind::kCommand, "OpenRecord", [this](auto&) { OpenDocument(); });
  Wire(ActionKind::kCommand, "PrintSetup", [this](auto&) {
    // Any failure of the dialog is ignored.
    try {
      RunPageSetup(this, printer_);
    } catch (...) {
    }
  });
  Wire(ActionKind::kCommand, "Exit", [](auto&) { QApplication::quit(); });
  Wire(ActionKind::kCommand, "UpgradeNotice", [this](auto&) {
    ShowPrompt(this, "感谢你的使用,软件是最新版无需升级!");
  });
  Wire(ActionKind::kCommand, "NameHandbook", [this](auto&) {
    // The surname and the given name are checked as the record reader does.
    const BirthPanel panel = PanelTexts();
    if (const auto missing =
            MissingNameMessage(panel.surname, panel.given_name)) {
      return ShowPrompt(this, *missing);
    }
    // The names become those of the record (三才吉凶 then reads them); its
    // other fields stay as the last reading left them.
    last_birth_.Surname = Trim(panel.surname);
    last_birth_.GivenName = Trim(panel.given_name);
    Run({ActionKind::kWindow, "TFrmChangeName", 1}, {last_birth_.Surname});
  });
  Wire(ActionKind::kPeriphery, "About", [this](auto&) {
    ShowPrompt(this,
               "Kelvara 命理大全\n八字、姓名、星座、周易、黄历与万年历。\n"
               "一切推算都在本机完成，不需要网络。");
  });
  Wire(ActionKind::kPeriphery, "HelpTopics", [this](auto&) {
    const QString help = QString::fromStdU16String(
        (store_.directory() / "RAriru.chm").u16string());
    if (QFile::exists(help))
      QDesktopServices::openUrl(QUrl::fromLocalFile(help));
  });
}

void TFrmmain::Wire(ActionKind kind, std::string_view name, Handler handler) {
  handlers_[{kind, std::string(name)}] = std::move(handler);
}

void TFrmmain::Run(const Action& action, const CommandArguments& arguments) {
  if (action.kind == ActionKind::kNone) return;
  const auto it = handlers_.find({action.kind, std::string(action.name)});
  if (it != handlers_.end()) it->second(arguments);
}

BirthPanel TFrmmain::PanelTexts() const {
  // Searched in the strip alone: the reading windows, children of this one,
  // may use the same names (姓氏起源's list is SYear too).
  auto text = [this](const char* name) -> std::string {
    const QString object_name = QString::fromLatin1(name);
    if (auto* edit = input_strip_->findChild<QLineEdit*>(object_name)) {
      return S(edit->text());
    }
    if (auto* combo = input_strip_->findChild<QComboBox*>(object_name)) {
      return S(combo->currentText());
    }
    return {};
  };
  BirthPanel panel;
  panel.surname = text("NameA");
  panel.given_name = text("NameB");
  panel.sex = text("Sex");
  panel.blood_type = text("Xuxing");
  // The calendar is read from the selected item: typed text that matches no
  // item counts as no selection, which means lunar.
  auto* calendar =
      input_strip_->findChild<QComboBox*>(QStringLiteral("ComDate"));
  panel.calendar_item =
      calendar->findText(calendar->currentText(), Qt::MatchExactly);
  panel.year = text("SYear");
  panel.month = text("SMonth");
  panel.day = text("Sday");
  panel.hour_item = text("Shour");
  panel.minute = text("Fengzhong");
  return panel;
}

std::optional<BirthData> TFrmmain::ReadBirthDataOrPrompt(bool blood_required) {
  BirthReadResult result = ReadBirthData(PanelTexts(), blood_required);
  if (result.data) {
    last_birth_ = *result.data;
  } else {
    ShowPrompt(this, result.message);
  }
  return std::move(result.data);
}

int TFrmmain::PointSizeOfFontItem(int index) {
  if (index < 0 || index >= static_cast<int>(kFontSizes.size())) {
    return kDefaultPointSize;
  }
  return kFontSizes[static_cast<std::size_t>(index)].second;
}

void TFrmmain::SetDocumentFontSize() {
  const int index =
      font_sizes_->findText(font_sizes_->currentText(), Qt::MatchExactly);
  QFont font = memo_->font();
  font.setPointSize(PointSizeOfFontItem(index));
  memo_->setFont(font);
}

void TFrmmain::NewReading() {
  document_.ClearDocument();
  for (const char* name : {"NameA", "NameB"}) {
    findChild<QLineEdit*>(QString::fromLatin1(name))->clear();
  }
  findChild<QLineEdit*>(QStringLiteral("NameA"))->setFocus();
}

void TFrmmain::OpenDocument() {
  const QString path = AskOpenFileName(this);
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    document_.ReplaceLines({});
    return;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    document_.ReplaceLines({});
    return;
  }
  document_.ReplaceLines(LinesOfTextFile(std::string_view(
      bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

void TFrmmain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_once_) {
    shown_once_ = true;
    OnFirstShown();
  }
}

void TFrmmain::OnFirstShown() {
  findChild<QLineEdit*>(QStringLiteral("NameA"))->setFocus();
  FillTodayAlmanac();
}

void TFrmmain::FillTodayAlmanac() {
  RunUnguarded(
      [this] {
        const auto day = LookUpAlmanacDay(store_, Clock::Today());
        if (!day) return;
        const std::pair<const char*, const std::string*> fields[] = {
            {"TodaySuici", &day->suici}, {"TodayWuhang", &day->wuhang},
            {"TodayCong", &day->cong},   {"TodayJsyq", &day->jsyq},
            {"TodayXsyq", &day->xsyq},   {"TodayYi", &day->yi},
            {"TodayJi", &day->ji},
        };
        for (const auto& [name, value] : fields) {
          findChild<QLabel*>(QString::fromLatin1(name))->setText(Q(*value));
        }
      },
      [this](std::string_view error) { ShowErrorBox(this, error); });
}

}  // namespace kelvara
