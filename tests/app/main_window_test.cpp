// The main window, driven offscreen: menus, input strip, left column and the
// result document.

#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "app/prompt_dialog.h"
#include "window_driver.h"

namespace kelvara {
namespace {

using testing::TypeText;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDialogHooks({
        [this](std::string_view t) { prompts.emplace_back(t); },
        [this](std::string_view t) { errors.emplace_back(t); },
        [this] { return next_file; },
        [this](QPrinter&) { ++page_setups; },
    });
    window = std::make_unique<TFrmmain>(ReferenceStore(KELVARA_BIN_DIR));
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override {
    window.reset();
    SetDialogHooks({});
  }

  template <typename T>
  T* Child(const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QPlainTextEdit* Memo() { return Child<QPlainTextEdit>("RzMemo1"); }
  bool MemoShown() {
    return window->findChild<QStackedWidget*>()->currentWidget() == Memo();
  }
  // The menu item with `caption` under the top-level menu `menu`.
  QAction* MenuItem(const QString& menu, const QString& caption) {
    QAction* item = testing::MenuItem(*window, menu, caption);
    EXPECT_NE(item, nullptr)
        << menu.toStdString() << "/" << caption.toStdString();
    return item;
  }

  std::unique_ptr<TFrmmain> window;
  std::vector<std::string> prompts;
  std::vector<std::string> errors;
  QString next_file;
  int page_setups = 0;
};

// The menu bar, read back from the window, matches the catalogue entry by
// entry: captions, order, separators, submenus and hidden entries.
TEST_F(MainWindowTest, MenuBarIsBuiltFromTheCatalogue) {
  struct Seen {
    int depth;
    std::string caption;
    bool separator_before;
    bool visible;
  };
  std::vector<Seen> seen;
  std::function<void(QMenu*, int)> walk = [&](QMenu* menu, int depth) {
    bool separator = false;
    for (QAction* a : menu->actions()) {
      if (a->isSeparator()) {
        separator = true;
        continue;
      }
      seen.push_back(
          {depth, a->text().toStdString(), separator, a->isVisible()});
      separator = false;
      if (a->menu()) walk(a->menu(), depth + 1);
    }
  };
  for (QAction* top : window->menuBar()->actions()) {
    seen.push_back({0, top->text().toStdString(), false, top->isVisible()});
    walk(top->menu(), 1);
  }
  const auto catalogue = MenuCatalogue();
  ASSERT_EQ(seen.size(), catalogue.size());
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].depth, catalogue[i].depth) << i;
    EXPECT_EQ(seen[i].caption, catalogue[i].caption) << i;
    EXPECT_EQ(seen[i].separator_before, catalogue[i].separator_before)
        << seen[i].caption;
    EXPECT_EQ(seen[i].visible, !catalogue[i].hidden) << seen[i].caption;
  }
}

TEST_F(MainWindowTest, WindowFrameAndTitle) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvara"));
  EXPECT_EQ(window->size(), QSize(812, 600));
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindowTest, ItemsWithoutActionChangeNothing) {
  window->document().AddLine("一行");
  Child<QLineEdit>("NameA")->setText(QStringLiteral("张"));
  const BirthPanel before = window->PanelTexts();
  int triggered = 0;
  std::function<void(QMenu*)> walk = [&](QMenu* menu) {
    for (QAction* a : menu->actions()) {
      if (a->menu()) {
        walk(a->menu());
      } else if (!a->isSeparator()) {
        for (const MenuEntry& e : MenuCatalogue()) {
          if (e.caption == a->text().toStdString() &&
              e.action.kind == ActionKind::kNone) {
            a->trigger();
            ++triggered;
            break;
          }
        }
      }
    }
  };
  for (QAction* top : window->menuBar()->actions()) walk(top->menu());
  EXPECT_GT(triggered, 180);
  EXPECT_EQ(window->document().lines(), std::vector<std::string>{"一行"});
  EXPECT_EQ(window->PanelTexts().surname, before.surname);
  EXPECT_TRUE(prompts.empty());
  for (const char* name : {"ButtonPrint", "ButtonSave"}) {
    QTest::mouseClick(Child<QPushButton>(name), Qt::LeftButton);
  }
  EXPECT_EQ(window->document().lines(), std::vector<std::string>{"一行"});
}

TEST_F(MainWindowTest, InputStripDefaults) {
  const BirthPanel panel = window->PanelTexts();
  EXPECT_EQ(panel.surname, "");
  EXPECT_EQ(panel.given_name, "");
  EXPECT_EQ(panel.sex, "男");
  EXPECT_EQ(panel.blood_type, "A型");
  EXPECT_EQ(panel.calendar_item, 0);
  EXPECT_EQ(panel.year, "1990");
  EXPECT_EQ(panel.month, "1");
  EXPECT_EQ(panel.day, "1");
  EXPECT_EQ(panel.hour_item, "子 0");
  EXPECT_EQ(panel.minute, "0");

  auto* year = Child<QComboBox>("SYear");
  EXPECT_EQ(year->count(), 131);
  EXPECT_EQ(year->itemText(0), "1900");
  EXPECT_EQ(year->itemText(130), "2030");
  auto* hours = Child<QComboBox>("Shour");
  ASSERT_EQ(hours->count(), 24);
  EXPECT_EQ(hours->itemText(1), QStringLiteral("丑 1"));
  EXPECT_EQ(hours->itemText(10), QStringLiteral("巳 10"));
  EXPECT_EQ(hours->itemText(23), QStringLiteral("子 23"));
  EXPECT_EQ(Child<QComboBox>("Fengzhong")->count(), 60);
  EXPECT_EQ(Child<QComboBox>("Sday")->count(), 31);
  for (const char* name : {"Sex", "Xuxing", "ComDate", "SYear", "SMonth",
                           "Sday", "Shour", "Fengzhong"}) {
    EXPECT_TRUE(Child<QComboBox>(name)->isEditable()) << name;
  }
  EXPECT_TRUE(Child<QPushButton>("ButtonBazi")->isVisible());
  EXPECT_FALSE(Child<QPushButton>("ButtonQigua")->isVisible());
  EXPECT_TRUE(Child<QPushButton>("ButtonBazi")->font().bold());
  EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>("NameA"));
}

TEST_F(MainWindowTest, NameFieldsHoldFourGbkBytes) {
  auto* surname = Child<QLineEdit>("NameA");
  TypeText(surname, QStringLiteral("欧阳修"));
  EXPECT_EQ(surname->text(), QStringLiteral("欧阳"));
  auto* given = Child<QLineEdit>("NameB");
  QTest::keyClicks(given, QStringLiteral("abcde"));
  EXPECT_EQ(given->text(), QStringLiteral("abcd"));
}

TEST_F(MainWindowTest, TypedCalendarTextThatMatchesNoItemMeansLunar) {
  auto* calendar = Child<QComboBox>("ComDate");
  calendar->setCurrentIndex(1);
  EXPECT_EQ(window->PanelTexts().calendar_item, 1);
  calendar->setEditText(QStringLiteral("阳历"));
  EXPECT_EQ(window->PanelTexts().calendar_item, -1);
  calendar->setCurrentIndex(0);
  EXPECT_EQ(window->PanelTexts().calendar_item, 0);
}

TEST_F(MainWindowTest, QuickEntryFiltersAndMessages) {
  std::vector<std::string> opened;
  for (const char* name :
       {"TFrm_SJcs", "TFrmQQhm", "TFrm_onther", "TFrmWangming"}) {
    window->Wire(ActionKind::kWindow, name,
                 [&opened, name](const CommandArguments& a) {
                   opened.push_back(std::string(name) + ":" + a.text);
                 });
  }
  auto* phone = Child<QLineEdit>("EditPhone");
  TypeText(phone, QStringLiteral("13a8-00 1380001380099"));
  EXPECT_EQ(phone->text(),
            QStringLiteral("13800138000"));  // digits, at most 11

  phone->setText(QStringLiteral("1380013"));
  QTest::mouseClick(Child<QToolButton>("ButtonPhone"), Qt::LeftButton);
  QTest::keyClick(phone, Qt::Key_Return);  // Enter skips the length test
  phone->setText(QStringLiteral("13800138000"));
  QTest::mouseClick(Child<QToolButton>("ButtonPhone"), Qt::LeftButton);

  auto* qq = Child<QLineEdit>("EditQQ");
  qq->setText(QStringLiteral("1234"));
  QTest::mouseClick(Child<QToolButton>("ButtonQQ"), Qt::LeftButton);
  QTest::keyClick(qq, Qt::Key_Return);
  qq->setText(QStringLiteral("12345"));
  QTest::mouseClick(Child<QToolButton>("ButtonQQ"), Qt::LeftButton);

  QTest::mouseClick(Child<QToolButton>("ButtonNumber"), Qt::LeftButton);
  TypeText(Child<QLineEdit>("EditNumber"), QStringLiteral("x81"));
  QTest::mouseClick(Child<QToolButton>("ButtonNumber"), Qt::LeftButton);

  QTest::mouseClick(Child<QToolButton>("ButtonNetName"), Qt::LeftButton);
  Child<QLineEdit>("EditNetName")->setText(QStringLiteral(" 小猫 "));
  QTest::mouseClick(Child<QToolButton>("ButtonNetName"), Qt::LeftButton);

  Child<QLineEdit>("EditDream")->setText(QStringLiteral("   "));
  QTest::mouseClick(Child<QToolButton>("ButtonDream"), Qt::LeftButton);
  Child<QLineEdit>("EditDream")->setText(QStringLiteral("梦见大水"));
  QTest::mouseClick(Child<QToolButton>("ButtonDream"), Qt::LeftButton);

  EXPECT_EQ(prompts, (std::vector<std::string>{
                         "请输入11位手机号码！", "请输入正确的QQ号码！",
                         "请输入你的号码！", "请输入你的网名！",
                         "请输入你的做梦的内容！"}));
  EXPECT_EQ(opened,
            (std::vector<std::string>{"TFrm_SJcs:1380013",
                                      "TFrm_SJcs:13800138000", "TFrmQQhm:12345",
                                      "TFrm_onther:81", "TFrmWangming:小猫"}));
}

TEST_F(MainWindowTest, PairingRowsPassTheTwoChoices) {
  std::string got;
  window->Wire(
      ActionKind::kWindow, "TFrm_SxPeid",
      [&got](const CommandArguments& a) { got = a.man + "+" + a.woman; });
  Child<QComboBox>("AnimalWoman")->setCurrentIndex(4);
  EXPECT_FALSE(Child<QComboBox>("AnimalMan")->isEditable());
  QTest::mouseClick(Child<QToolButton>("ButtonAnimalPair"), Qt::LeftButton);
  EXPECT_EQ(got, "鼠+龙");
  EXPECT_EQ(Child<QComboBox>("ConstellationMan")->currentText(),
            QStringLiteral("水瓶座"));
  EXPECT_EQ(Child<QComboBox>("BloodWoman")->count(), 4);
}

TEST_F(MainWindowTest, DocumentShowsAfterTheFirstLineAndNewReadingClearsIt) {
  EXPECT_FALSE(MemoShown());
  window->Run({ActionKind::kCommand, "NewReading"});
  EXPECT_FALSE(MemoShown());
  window->document().AddLine("");
  window->document().AddLine("第二行");
  EXPECT_TRUE(MemoShown());
  EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("\n第二行"));
  EXPECT_TRUE(Memo()->isReadOnly());
  EXPECT_EQ(Memo()->contextMenuPolicy(), Qt::NoContextMenu);
  EXPECT_EQ(Memo()->palette().color(QPalette::Base), QColor(246, 255, 238));

  Child<QLineEdit>("NameA")->setText(QStringLiteral("张"));
  Child<QLineEdit>("NameB")->setText(QStringLiteral("三"));
  Child<QComboBox>("SYear")->setCurrentText(QStringLiteral("2000"));
  MenuItem(QStringLiteral("系统"), QStringLiteral("新建测算"))->trigger();
  EXPECT_TRUE(window->document().lines().empty());
  EXPECT_EQ(Memo()->toPlainText(), QString());
  EXPECT_TRUE(MemoShown());
  EXPECT_EQ(window->PanelTexts().surname, "");
  EXPECT_EQ(window->PanelTexts().given_name, "");
  EXPECT_EQ(window->PanelTexts().year, "2000");
}

TEST_F(MainWindowTest, FontSizes) {
  auto* sizes = Child<QComboBox>("CBFont");
  EXPECT_EQ(sizes->currentText(), QStringLiteral("小五号"));
  EXPECT_EQ(Memo()->font().pointSize(), 9);
  EXPECT_EQ(Memo()->font().family(), QStringLiteral("WenQuanYi Zen Hei Mono"));
  const std::pair<const char*, int> cases[] = {{"三号", 16}, {"小三号", 15},
                                               {"四号", 14}, {"小四号", 12},
                                               {"五号", 11}, {"小五号", 9}};
  for (const auto& [caption, points] : cases) {
    sizes->setCurrentIndex(sizes->findText(QString::fromUtf8(caption)));
    EXPECT_EQ(Memo()->font().pointSize(), points) << caption;
  }
  sizes->setCurrentIndex(0);
  sizes->setEditText(QStringLiteral("特大号"));
  EXPECT_EQ(Memo()->font().pointSize(), 9);
}

TEST_F(MainWindowTest, OpeningFiles) {
  QTemporaryDir dir;
  auto write = [&](const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  };
  QAction* open =
      MenuItem(QStringLiteral("系统"), QStringLiteral("打开记录..."));

  next_file =
      write("gbk.txt", QByteArray("\xD5\xC5\xC8\xFD\r\n\xC0\xEE\xCB\xC4"));
  open->trigger();
  EXPECT_EQ(window->document().lines(),
            (std::vector<std::string>{"张三", "李四"}));
  EXPECT_TRUE(MemoShown());
  EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("张三\n李四"));

  next_file = write("utf8.txt", QByteArray("八字\n排盘\r"));
  open->trigger();
  EXPECT_EQ(window->document().lines(),
            (std::vector<std::string>{"八字", "排盘"}));

  next_file.clear();  // cancelled: nothing changes
  open->trigger();
  EXPECT_EQ(window->document().lines(),
            (std::vector<std::string>{"八字", "排盘"}));

  next_file = dir.path();  // a folder cannot be read as a file
  open->trigger();
  EXPECT_TRUE(window->document().lines().empty());
  next_file = dir.filePath(QStringLiteral("missing.txt"));
  window->document().AddLine("x");
  open->trigger();
  EXPECT_TRUE(window->document().lines().empty());
  EXPECT_TRUE(prompts.empty());
  EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindowTest, PageSetupAndUpgradeNotice) {
  MenuItem(QStringLiteral("系统"), QStringLiteral("打印设置..."))->trigger();
  EXPECT_EQ(page_setups, 1);
  const QPageLayout layout = window->printer().pageLayout();
  EXPECT_EQ(layout.pageSize().id(), QPageSize::Letter);
  EXPECT_NEAR(layout.margins(QPageLayout::Millimeter).left(), 12.7, 0.01);
  EXPECT_NEAR(layout.margins(QPageLayout::Millimeter).bottom(), 12.7, 0.01);
  MenuItem(QStringLiteral("帮助"), QStringLiteral("软件升级"))->trigger();
  EXPECT_EQ(prompts,
            std::vector<std::string>{"感谢你的使用,软件是最新版无需升级!"});
}

TEST_F(MainWindowTest, NameHandbookChecksTheNamesFirst) {
  std::string opened;
  window->Wire(ActionKind::kWindow, "TFrmChangeName",
               [&opened](const CommandArguments& a) { opened = a.text; });
  QAction* handbook =
      MenuItem(QStringLiteral("起名"), QStringLiteral("起名宝典"));
  handbook->trigger();
  Child<QLineEdit>("NameA")->setText(QStringLiteral("李"));
  handbook->trigger();
  Child<QLineEdit>("NameB")->setText(QStringLiteral("白"));
  handbook->trigger();
  EXPECT_EQ(prompts, (std::vector<std::string>{"姓不能为空!", "名不能为空!"}));
  EXPECT_EQ(opened, "李");
}

TEST_F(MainWindowTest, TodayPanelFailsLoudlyWithoutTheReferenceFile) {
  QTemporaryDir empty;
  TFrmmain lonely{ReferenceStore(empty.path().toStdString())};
  lonely.show();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("TarselBirth.dll"), std::string::npos) << errors[0];
  EXPECT_EQ(lonely.findChild<QLabel*>(QStringLiteral("TodaySuici"))->text(),
            QString());
}

}  // namespace
}  // namespace kelvara
