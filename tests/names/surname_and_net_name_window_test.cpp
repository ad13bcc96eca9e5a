// The surname-origin and net-name windows, opened from the main window's
// menu and quick-entry row and driven offscreen.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "base/text.h"
#include "names/net_name.h"
#include "names/net_name_window.h"
#include "names/surname_origin.h"
#include "names/surname_origin_window.h"
#include "window_driver.h"

namespace kelvara {
namespace {

using testing::Child;
using testing::DeletePostedWindows;
using testing::TriggerMenuItem;
using testing::TypeText;

class NameWindowsTest : public ::testing::Test {
 protected:
  testing::DialogRecorder dialogs;

  void TearDown() override {
    main_window.reset();
    DeletePostedWindows();
  }

  void OpenMainWindow(const std::string& store_dir = KELVARA_BIN_DIR) {
    main_window = std::make_unique<TFrmmain>(ReferenceStore(store_dir));
    WireSurnameAndNetNameWindows(*main_window);
    main_window->show();
    main_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_window.get()));
  }

  void TriggerMenu(const QString& menu, const QString& caption) {
    TriggerMenuItem(*main_window, menu, caption);
  }

  template <typename Window>
  std::vector<Window*> Opened() {
    std::vector<Window*> windows;
    for (Window* w : main_window->findChildren<Window*>()) {
      windows.push_back(w);
    }
    return windows;
  }

  template <typename Window>
  Window* OnlyOpened() {
    const std::vector<Window*> windows = Opened<Window>();
    EXPECT_EQ(windows.size(), 1u);
    return windows.empty() ? nullptr : windows.back();
  }

  std::unique_ptr<TFrmmain> main_window;
};

// --- 姓氏起源 ---------------------------------------------------------------

TEST_F(NameWindowsTest, SurnameWindowOpensModelessWithEverySurname) {
  OpenMainWindow();
  TriggerMenu(QStringLiteral("起名"), QStringLiteral("姓氏起源"));
  auto* window = OnlyOpened<TFrmNameCome>();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("姓氏起源"));
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));

  auto* surnames = Child<QComboBox>(window, "SYear");
  EXPECT_TRUE(surnames->isEditable());
  EXPECT_EQ(surnames->currentText(), QString());
  std::vector<std::string> items;
  for (int i = 0; i < surnames->count(); ++i) {
    items.push_back(surnames->itemText(i).toStdString());
  }
  EXPECT_EQ(items, SurnameList(ReferenceStore(KELVARA_BIN_DIR)));
  EXPECT_EQ(Child<QPlainTextEdit>(window, "MemoOrigin")->toPlainText(),
            QString());
  EXPECT_EQ(Child<QPushButton>(window, "ButtonSearch")->text(),
            QStringLiteral("开始搜索"));
  EXPECT_EQ(Child<QPushButton>(window, "ButtonClose")->text(),
            QStringLiteral("关闭"));
  EXPECT_TRUE(dialogs.errors.empty());

  // Each use of the command opens a further window; the main window still
  // takes input.
  TriggerMenu(QStringLiteral("起名"), QStringLiteral("姓氏起源"));
  EXPECT_EQ(Opened<TFrmNameCome>().size(), 2u);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(NameWindowsTest, SurnameSearchShowsKeepsOrClears) {
  OpenMainWindow();
  main_window->Run({ActionKind::kWindow, "TFrmNameCome", 1});
  auto* window = OnlyOpened<TFrmNameCome>();
  ASSERT_NE(window, nullptr);
  auto* surnames = Child<QComboBox>(window, "SYear");
  auto* search = Child<QPushButton>(window, "ButtonSearch");
  auto* memo = Child<QPlainTextEdit>(window, "MemoOrigin");
  const ReferenceStore store(KELVARA_BIN_DIR);
  const QString ouyang = Q(*SurnameOrigin(store, "欧阳"));
  const QString wang = Q(*SurnameOrigin(store, "王"));

  struct Step {
    const char* label;
    bool pick;  // pick `text` from the list instead of typing it
    const char* text;
    const QString* shown;  // nullptr: the text box is empty
  };
  const Step steps[] = {
      {"typed", false, "欧阳", &ouyang},
      {"picked from the list", true, "王", &wang},
      {"typed with blanks around", false, "  欧阳 ", &ouyang},
      {"not in the table keeps the text", false, "甲乙", &ouyang},
      {"picked again", true, "王", &wang},
      {"blanks only clear the text", false, "   ", nullptr},
      {"not in the table keeps the empty box", false, "甲乙", nullptr},
      {"typed after clearing", false, "王", &wang},
      {"empty clears", false, "", nullptr},
  };
  for (const Step& step : steps) {
    if (step.pick) {
      const int index = surnames->findText(Q(step.text));
      ASSERT_GE(index, 0) << step.label;
      surnames->setCurrentIndex(index);
    } else {
      surnames->clearEditText();
      surnames->lineEdit()->setFocus();
      TypeText(surnames->lineEdit(), Q(step.text));
      ASSERT_EQ(surnames->currentText(), Q(step.text)) << step.label;
    }
    QTest::mouseClick(search, Qt::LeftButton);
    EXPECT_EQ(memo->toPlainText(), step.shown ? *step.shown : QString())
        << step.label;
  }
  // The origin of 王 has two paragraphs: its line break starts a new line.
  surnames->setCurrentIndex(surnames->findText(QStringLiteral("王")));
  QTest::mouseClick(search, Qt::LeftButton);
  EXPECT_EQ(memo->document()->blockCount(), 2);
  // Typing never adds to the list.
  EXPECT_EQ(surnames->findText(QStringLiteral("甲乙")), -1);
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_TRUE(dialogs.prompts.empty());
}

// The surname list shares its name SYear with the year of the input strip;
// the main window still reads its own.
TEST_F(NameWindowsTest, SurnameListIsNotTakenForTheBirthYear) {
  OpenMainWindow();
  auto* year = main_window->centralWidget()->findChild<QComboBox*>(
      QStringLiteral("SYear"));
  ASSERT_NE(year, nullptr);
  year->setEditText(QStringLiteral("1985"));
  main_window->Run({ActionKind::kWindow, "TFrmNameCome", 1});
  auto* window = OnlyOpened<TFrmNameCome>();
  ASSERT_NE(window, nullptr);
  Child<QComboBox>(window, "SYear")->setEditText(QStringLiteral("王"));
  EXPECT_EQ(main_window->PanelTexts().year, "1985");
}

TEST_F(NameWindowsTest, SurnameWindowClosesAndDeletesItself) {
  OpenMainWindow();
  main_window->Run({ActionKind::kWindow, "TFrmNameCome", 1});
  QPointer<TFrmNameCome> window = OnlyOpened<TFrmNameCome>();
  ASSERT_FALSE(window.isNull());
  QTest::mouseClick(Child<QPushButton>(window, "ButtonClose"), Qt::LeftButton);
  DeletePostedWindows();
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(main_window->isVisible());
}

TEST_F(NameWindowsTest, SurnameTableThatCannotBeReadShowsTheErrorBox) {
  QTemporaryDir empty;
  ASSERT_TRUE(empty.isValid());
  OpenMainWindow(empty.path().toStdString());
  dialogs.errors.clear();  // the main window's own almanac panel fails as well
  main_window->Run({ActionKind::kWindow, "TFrmNameCome", 1});
  auto* window = OnlyOpened<TFrmNameCome>();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("TarselBirth.dll"), std::string::npos)
      << dialogs.errors[0];
  EXPECT_TRUE(window->isVisible());
  auto* surnames = Child<QComboBox>(window, "SYear");
  EXPECT_EQ(surnames->count(), 0);

  auto* memo = Child<QPlainTextEdit>(window, "MemoOrigin");
  memo->setPlainText(QStringLiteral("先前的内容"));
  surnames->lineEdit()->setFocus();
  TypeText(surnames->lineEdit(), QStringLiteral("王"));
  QTest::mouseClick(Child<QPushButton>(window, "ButtonSearch"), Qt::LeftButton);
  EXPECT_EQ(dialogs.errors.size(), 2u);
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("先前的内容"));
  EXPECT_TRUE(window->isVisible());
}

// --- 网名与性格 -------------------------------------------------------------

TEST_F(NameWindowsTest, QuickEntryOpensTheNetNameWindowWithItsReading) {
  OpenMainWindow();
  auto* field = Child<QLineEdit>(main_window.get(), "EditNetName");
  field->setFocus();
  TypeText(field, QStringLiteral(" 小猫 "));
  QTest::mouseClick(Child<QToolButton>(main_window.get(), "ButtonNetName"),
                    Qt::LeftButton);
  auto* window = OnlyOpened<TFrmWangming>();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("网名与性格"));
  EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
  EXPECT_EQ(Child<QLineEdit>(window, "EditNickname")->text(),
            QStringLiteral("小猫"));
  EXPECT_EQ(Child<QGroupBox>(window, "GroupResult")->title(),
            QStringLiteral("测算结果"));
  EXPECT_EQ(Child<QLabel>(window, "LabelName")->text(),
            QStringLiteral("你的网名：小猫"));
  EXPECT_EQ(Child<QLabel>(window, "LabelTrait")->text(),
            QStringLiteral("你的性格：反复无常，喜欢模仿神秘人物举动的小孩子"
                           "性格，但是常常被宠爱"));
  EXPECT_TRUE(Child<QLabel>(window, "LabelTrait")->wordWrap());
  EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(NameWindowsTest, EmptyQuickEntryAsksForANickname) {
  OpenMainWindow();
  QTest::mouseClick(Child<QToolButton>(main_window.get(), "ButtonNetName"),
                    Qt::LeftButton);
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{"请输入你的网名！"});
  EXPECT_TRUE(Opened<TFrmWangming>().empty());
}

TEST_F(NameWindowsTest, MenuOpensAnEmptyNetNameWindow) {
  OpenMainWindow();
  TriggerMenu(QStringLiteral("工具"), QStringLiteral("网名分析"));
  auto* window = OnlyOpened<TFrmWangming>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Child<QLineEdit>(window, "EditNickname")->text(), QString());
  EXPECT_EQ(Child<QLabel>(window, "LabelName")->text(), QString());
  EXPECT_EQ(Child<QLabel>(window, "LabelTrait")->text(), QString());
  EXPECT_TRUE(dialogs.prompts.empty());

  // 测算 with an empty field asks for a nickname and changes nothing.
  QTest::mouseClick(Child<QPushButton>(window, "ButtonReckon"), Qt::LeftButton);
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{"请输入你的网名！"});
  EXPECT_EQ(Child<QLabel>(window, "LabelName")->text(), QString());
}

// Typed nicknames, read by Enter or by 测算.
TEST_F(NameWindowsTest, TypedNicknamesAreReckoned) {
  OpenMainWindow();
  struct Case {
    const char* label;
    QString typed;
    bool enter;  // Enter instead of a click on 测算
    QString field;
    QString name_line;
    QString trait_line;
  };
  const Case cases[] = {
      {"letters shown in upper case", QStringLiteral("abc123"), true,
       QStringLiteral("ABC123"), QStringLiteral("你的网名：ABC123"),
       QStringLiteral("你的性格：可爱，较明显的自恋")},
      {"a last 0, text without its leading blank", QStringLiteral("tom0"),
       false, QStringLiteral("TOM0"), QStringLiteral("你的网名：TOM0"),
       QStringLiteral("你的性格：煽情高手")},
      {"numbered symbol", QStringLiteral("李⒂"), true, QStringLiteral("李⒂"),
       QStringLiteral("你的网名：李⒂"),
       QStringLiteral("你的性格：会拍马屁，攀关系")},
      {"Greek", QStringLiteral("φ"), false, QStringLiteral("φ"),
       QStringLiteral("你的网名：φ"),
       QStringLiteral("你的性格：自立，自强，可依靠")},
      {"punctuation only", QStringLiteral("!?。"), true, QStringLiteral("!?。"),
       QStringLiteral("你的网名：!?。"), QStringLiteral("你的性格：")},
      {"blanks around are trimmed", QStringLiteral("  ab  "), false,
       QStringLiteral("  AB  "), QStringLiteral("你的网名：AB"),
       QStringLiteral("你的性格：老实，沉默")},
      {"a character GBK lacks", QString::fromUtf8("猫\xF0\x9F\x90\xB1"), true,
       QString::fromUtf8("猫\xF0\x9F\x90\xB1"),
       QString::fromUtf8("你的网名：猫\xF0\x9F\x90\xB1"),
       QStringLiteral("请重新输入网名，请不要输入特殊字符！")},
      {"typing stops at 18 characters",
       QStringLiteral("abcdefghijklmnopqrstuvw"), true,
       QStringLiteral("ABCDEFGHIJKLMNOPQR"),
       QStringLiteral("你的网名：ABCDEFGHIJKLMNOPQR"),
       QStringLiteral("你的性格：固执，略有才气")},
  };
  for (const Case& c : cases) {
    main_window->Run({ActionKind::kWindow, "TFrmWangming"});
    auto* window = OnlyOpened<TFrmWangming>();
    ASSERT_NE(window, nullptr) << c.label;
    auto* field = Child<QLineEdit>(window, "EditNickname");
    field->setFocus();
    TypeText(field, c.typed);
    EXPECT_EQ(field->text(), c.field) << c.label;
    if (c.enter) {
      QTest::keyClick(field, Qt::Key_Return);
    } else {
      QTest::mouseClick(Child<QPushButton>(window, "ButtonReckon"),
                        Qt::LeftButton);
    }
    EXPECT_EQ(Child<QLabel>(window, "LabelName")->text(), c.name_line)
        << c.label;
    EXPECT_EQ(Child<QLabel>(window, "LabelTrait")->text(), c.trait_line)
        << c.label;
    QTest::mouseClick(Child<QPushButton>(window, "ButtonClose"),
                      Qt::LeftButton);
    DeletePostedWindows();
  }
  EXPECT_TRUE(dialogs.prompts.empty());
}

// A nickname longer than the typing limit, given by the quick-entry row,
// stays whole: its last character decides. Typing cannot lengthen it.
TEST_F(NameWindowsTest, LongNicknameFromTheMainWindowStaysWhole) {
  OpenMainWindow();
  const std::string nickname = "一二三四五六七八九十一二三四五六七八九十猫";
  main_window->Run({ActionKind::kWindow, "TFrmWangming"}, {nickname});
  auto* window = OnlyOpened<TFrmWangming>();
  ASSERT_NE(window, nullptr);
  auto* field = Child<QLineEdit>(window, "EditNickname");
  EXPECT_EQ(field->text(), Q(nickname));
  EXPECT_EQ(Child<QLabel>(window, "LabelTrait")->text(),
            Q("你的性格：" + Trim(LetterTraits['m' - 'a'])));
  field->setFocus();
  field->end(false);
  QTest::keyClicks(field, "xy");
  EXPECT_EQ(field->text(), Q(nickname));
  // Shortened, it still holds more than 18 characters: typing stays refused.
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, "x");
  EXPECT_EQ(field->text(), Q(nickname).chopped(1));
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(Child<QLabel>(window, "LabelTrait")->text(),
            QStringLiteral("你的性格：心胸宽大，有深藏不露的自恋"));
}

TEST_F(NameWindowsTest, NetNameWindowClosesAndDeletesItself) {
  OpenMainWindow();
  main_window->Run({ActionKind::kWindow, "TFrmWangming"}, {"abc"});
  QPointer<TFrmWangming> window = OnlyOpened<TFrmWangming>();
  ASSERT_FALSE(window.isNull());
  QTest::mouseClick(Child<QPushButton>(window, "ButtonClose"), Qt::LeftButton);
  DeletePostedWindows();
  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace kelvara
