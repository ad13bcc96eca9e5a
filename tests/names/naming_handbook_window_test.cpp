// The naming-handbook window, opened from the main window's menu and driven
// offscreen.

#include "names/naming_handbook_window.h"

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
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/report_document.h"
#include "names/naming_handbook.h"
#include "naming_handbook_fixture.h"
#include "window_driver.h"

namespace kelvara {
namespace {

using testing::Child;
using testing::DeletePostedWindows;
using testing::TriggerMenuItem;
using testing::TypeText;

using testing::FixtureDirectory;

std::vector<std::string> Items(QComboBox* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->count(); ++i) {
    items.push_back(list->itemText(i).toStdString());
  }
  return items;
}

std::vector<std::string> ItemsOf(const StrokeSuggestions& suggestions,
                                 GivenNameMode mode,
                                 SuggestionWording wording) {
  std::vector<std::string> items;
  for (const StrokeSuggestion& s : suggestions) {
    items.push_back(SuggestionItemText(s, mode, wording));
  }
  return items;
}

class NamingHandbookWindowTest : public ::testing::Test {
 protected:
  testing::DialogRecorder dialogs;

  void SetUp() override {
    main_window = std::make_unique<TFrmmain>(store);
    WireNamingHandbookWindow(*main_window);
    main_window->show();
    main_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_window.get()));
  }
  void TearDown() override {
    main_window.reset();
    DeletePostedWindows();
  }

  void TriggerMenu(const QString& menu, const QString& caption) {
    TriggerMenuItem(*main_window, menu, caption);
  }

  void FillPanelNames(const QString& surname, const QString& given_name) {
    for (const auto& [name, text] :
         {std::pair{"NameA", surname}, std::pair{"NameB", given_name}}) {
      auto* edit = Child<QLineEdit>(main_window.get(), name);
      edit->clear();
      edit->setFocus();
      TypeText(edit, text);
    }
  }

  std::vector<TFrmChangeName*> Opened() {
    std::vector<TFrmChangeName*> windows;
    for (TFrmChangeName* w : main_window->findChildren<TFrmChangeName*>()) {
      windows.push_back(w);
    }
    return windows;
  }

  // Opens a window through the main window's handler, for `surname`.
  TFrmChangeName* Open(const std::string& surname) {
    main_window->Run({ActionKind::kWindow, "TFrmChangeName", 1}, {surname});
    const std::vector<TFrmChangeName*> windows = Opened();
    EXPECT_EQ(windows.size(), 1u);
    return windows.empty() ? nullptr : windows.back();
  }

  const ReferenceStore store{KELVARA_BIN_DIR};
  std::unique_ptr<TFrmmain> main_window;
};

TEST_F(NamingHandbookWindowTest, MenuOpensTheWindowForThePanelSurname) {
  FillPanelNames(QStringLiteral(" 王"), QStringLiteral("小明"));
  TriggerMenu(QStringLiteral("起名"), QStringLiteral("起名宝典"));
  ASSERT_EQ(Opened().size(), 1u);
  TFrmChangeName* window = Opened().front();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("取名宝典"));
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));

  auto* surname = Child<QLineEdit>(window, "EditSurname");
  EXPECT_EQ(surname->text(), QStringLiteral("王"));
  EXPECT_TRUE(surname->isReadOnly());
  EXPECT_EQ(Child<QLineEdit>(window, "EditGivenName")->text(), QString());
  EXPECT_TRUE(Child<QRadioButton>(window, "RadioTwoCharacters")->isChecked());
  EXPECT_FALSE(Child<QRadioButton>(window, "RadioOneCharacter")->isChecked());
  EXPECT_EQ(Child<QRadioButton>(window, "RadioOneCharacter")->text(),
            QStringLiteral("一个字名"));
  EXPECT_EQ(Child<QRadioButton>(window, "RadioTwoCharacters")->text(),
            QStringLiteral("两个字名"));

  // Filled when shown, with the first wording; the first item selected.
  const StrokeSuggestions expected =
      GoodStrokeSearch(store, "王", GivenNameMode::kTwoCharacters);
  ASSERT_FALSE(expected.empty());
  auto* list = Child<QComboBox>(window, "ComboStrokes");
  EXPECT_FALSE(list->isEditable());
  EXPECT_EQ(Items(list), ItemsOf(expected, GivenNameMode::kTwoCharacters,
                                 SuggestionWording::kOnShow));
  EXPECT_EQ(list->currentIndex(), 0);
  EXPECT_EQ(window->suggestions(), expected);

  EXPECT_EQ(Child<QLabel>(window, "LabelFirstCharacter")->text(),
            QStringLiteral("名\n第\n一\n字"));
  EXPECT_EQ(Child<QLabel>(window, "LabelSecondCharacter")->text(),
            QStringLiteral("名\n第\n两\n字"));
  for (const char* name :
       {"MemoFirstCharacter", "MemoSecondCharacter", "MemoResult"}) {
    auto* box = Child<QPlainTextEdit>(window, name);
    EXPECT_TRUE(box->isReadOnly()) << name;
    EXPECT_EQ(box->toPlainText(), QString()) << name;
  }
  EXPECT_EQ(Child<QGroupBox>(window, "GroupTrial")->title(),
            QStringLiteral("新名字测试  "));
  EXPECT_EQ(Child<QGroupBox>(window, "GroupResult")->title(),
            QStringLiteral("新名字测试结果"));
  const std::pair<const char*, QString> buttons[] = {
      {"ButtonPickName", QStringLiteral("取名")},
      {"ButtonClose", QStringLiteral("关闭")},
      {"ButtonReckon", QStringLiteral("确认测算")}};
  for (const auto& [name, caption] : buttons) {
    EXPECT_EQ(Child<QPushButton>(window, name)->text(), caption) << name;
  }
  EXPECT_TRUE(dialogs.prompts.empty());

  // Each use of the command opens another window; the main window still
  // takes input.
  TriggerMenu(QStringLiteral("起名"), QStringLiteral("起名宝典"));
  EXPECT_EQ(Opened().size(), 2u);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(NamingHandbookWindowTest, MenuNeedsSurnameAndGivenName) {
  struct Case {
    const char* label;
    QString surname;
    QString given_name;
    const char* prompt;
  };
  const Case cases[] = {
      {"no surname", QString(), QStringLiteral("小明"), "姓不能为空!"},
      {"blank surname", QStringLiteral("  "), QStringLiteral("小明"),
       "姓不能为空!"},
      {"no given name", QStringLiteral("王"), QString(), "名不能为空!"},
  };
  for (const Case& c : cases) {
    dialogs.prompts.clear();
    FillPanelNames(c.surname, c.given_name);
    TriggerMenu(QStringLiteral("起名"), QStringLiteral("起名宝典"));
    EXPECT_EQ(dialogs.prompts, std::vector<std::string>{c.prompt}) << c.label;
    EXPECT_TRUE(Opened().empty()) << c.label;
  }
}

TEST_F(NamingHandbookWindowTest, ModeButtonsRefillTheListWithOtherWording) {
  TFrmChangeName* window = Open("张");
  ASSERT_NE(window, nullptr);
  auto* list = Child<QComboBox>(window, "ComboStrokes");
  struct Step {
    const char* button;
    GivenNameMode mode;
  };
  const Step steps[] = {
      {"RadioOneCharacter", GivenNameMode::kOneCharacter},
      {"RadioTwoCharacters", GivenNameMode::kTwoCharacters},
      {"RadioTwoCharacters", GivenNameMode::kTwoCharacters},
  };
  for (const Step& step : steps) {
    list->setCurrentIndex(list->count() - 1);
    QTest::mouseClick(Child<QRadioButton>(window, step.button), Qt::LeftButton);
    const StrokeSuggestions expected = GoodStrokeSearch(store, "张", step.mode);
    ASSERT_FALSE(expected.empty()) << step.button;
    EXPECT_EQ(Items(list),
              ItemsOf(expected, step.mode, SuggestionWording::kAfterModeClick))
        << step.button;
    EXPECT_EQ(list->currentIndex(), 0) << step.button;
    EXPECT_EQ(window->suggestions(), expected) << step.button;
  }

  // Shown again by the program, the list is filled with the first wording,
  // in the mode the buttons hold.
  QTest::mouseClick(Child<QRadioButton>(window, "RadioOneCharacter"),
                    Qt::LeftButton);
  window->hide();
  window->show();
  EXPECT_EQ(Items(list),
            ItemsOf(GoodStrokeSearch(store, "张", GivenNameMode::kOneCharacter),
                    GivenNameMode::kOneCharacter, SuggestionWording::kOnShow));
}

TEST_F(NamingHandbookWindowTest, PickNameListsTheCharactersOfTheSelection) {
  TFrmChangeName* window = Open("东方");
  ASSERT_NE(window, nullptr);
  auto* list = Child<QComboBox>(window, "ComboStrokes");
  auto* pick = Child<QPushButton>(window, "ButtonPickName");
  auto* first = Child<QPlainTextEdit>(window, "MemoFirstCharacter");
  auto* second = Child<QPlainTextEdit>(window, "MemoSecondCharacter");

  const StrokeSuggestions two =
      GoodStrokeSearch(store, "东方", GivenNameMode::kTwoCharacters);
  ASSERT_GE(two.size(), 2u);
  for (const int index : {1, 0, static_cast<int>(two.size()) - 1}) {
    list->setCurrentIndex(index);
    QTest::mouseClick(pick, Qt::LeftButton);
    EXPECT_EQ(first->toPlainText(),
              Q(CharactersWithStrokes(store, two[index].first).value_or("")))
        << index;
    EXPECT_EQ(second->toPlainText(),
              Q(CharactersWithStrokes(store, two[index].second).value_or("")))
        << index;
  }
  EXPECT_FALSE(first->toPlainText().isEmpty());

  // One character: the second box stays empty.
  QTest::mouseClick(Child<QRadioButton>(window, "RadioOneCharacter"),
                    Qt::LeftButton);
  const StrokeSuggestions one =
      GoodStrokeSearch(store, "东方", GivenNameMode::kOneCharacter);
  ASSERT_FALSE(one.empty());
  QTest::mouseClick(pick, Qt::LeftButton);
  EXPECT_EQ(first->toPlainText(),
            Q(*CharactersWithStrokes(store, one.front().first)));
  EXPECT_EQ(second->toPlainText(), QString());
}

// Surnames that give no suggestion: the list stays empty and 取名 only
// empties the boxes.
TEST_F(NamingHandbookWindowTest, BadSurnamesGiveAnEmptyList) {
  const char* const surnames[] = {"", "a", "'", "\xF0\x9F\x98\x80"};
  for (const char* surname : surnames) {
    TFrmChangeName* window = Open(surname);
    ASSERT_NE(window, nullptr) << surname;
    EXPECT_EQ(Child<QLineEdit>(window, "EditSurname")->text(), Q(surname));
    auto* list = Child<QComboBox>(window, "ComboStrokes");
    EXPECT_EQ(list->count(), 0) << surname;
    EXPECT_EQ(list->currentIndex(), -1) << surname;
    auto* first = Child<QPlainTextEdit>(window, "MemoFirstCharacter");
    auto* second = Child<QPlainTextEdit>(window, "MemoSecondCharacter");
    first->setPlainText(QStringLiteral("先前"));
    second->setPlainText(QStringLiteral("先前"));
    QTest::mouseClick(Child<QPushButton>(window, "ButtonPickName"),
                      Qt::LeftButton);
    EXPECT_EQ(first->toPlainText(), QString()) << surname;
    EXPECT_EQ(second->toPlainText(), QString()) << surname;
    QTest::mouseClick(Child<QRadioButton>(window, "RadioOneCharacter"),
                      Qt::LeftButton);
    EXPECT_EQ(list->count(), 0) << surname;
    window->close();
    DeletePostedWindows();
  }
  // ASCII letters and quotes of two bytes count as a surname of 0 strokes.
  TFrmChangeName* window = Open("'a");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->suggestions(),
            GoodStrokeSearch(store, "ab", GivenNameMode::kTwoCharacters));
  EXPECT_TRUE(dialogs.prompts.empty());
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(NamingHandbookWindowTest, TrialNameIsReckoned) {
  TFrmChangeName* window = Open("王");
  ASSERT_NE(window, nullptr);
  auto* given = Child<QLineEdit>(window, "EditGivenName");
  auto* reckon = Child<QPushButton>(window, "ButtonReckon");
  auto* result = Child<QPlainTextEdit>(window, "MemoResult");

  // Nothing happens without a given name.
  result->setPlainText(QStringLiteral("先前的内容"));
  QTest::mouseClick(reckon, Qt::LeftButton);
  EXPECT_EQ(result->toPlainText(), QStringLiteral("先前的内容"));
  given->setFocus();
  TypeText(given, QStringLiteral("  "));
  QTest::mouseClick(reckon, Qt::LeftButton);
  EXPECT_EQ(result->toPlainText(), QStringLiteral("先前的内容"));

  // Typing stops at four GBK bytes.
  given->clear();
  TypeText(given, QStringLiteral("小明明"));
  EXPECT_EQ(given->text(), QStringLiteral("小明"));
  QTest::mouseClick(reckon, Qt::LeftButton);
  ReportDocument expected;
  ASSERT_TRUE(TrialNameReading(store, "王", "小明", expected));
  EXPECT_EQ(result->toPlainText(), Q(expected.Text()));
  EXPECT_TRUE(
      result->toPlainText().startsWith(QStringLiteral("王小明,您的三才为")));

  given->clear();
  TypeText(given, QStringLiteral("a1"));
  EXPECT_EQ(given->text(), QStringLiteral("a1"));
  QTest::mouseClick(reckon, Qt::LeftButton);
  ReportDocument ascii;
  ASSERT_TRUE(TrialNameReading(store, "王", "a1", ascii));
  EXPECT_EQ(result->toPlainText(), Q(ascii.Text()));
  EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(NamingHandbookWindowTest, ClosesAndDeletesItself) {
  QPointer<TFrmChangeName> window = Open("王");
  ASSERT_FALSE(window.isNull());
  QTest::mouseClick(Child<QPushButton>(window, "ButtonClose"), Qt::LeftButton);
  DeletePostedWindows();
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(main_window->isVisible());
}

// --- Fixture stores ----------------------------------------------------------

// A window of its own over a fixture store, deleted when the test ends.
class NamingHandbookFixtureWindowTest : public ::testing::Test {
 protected:
  testing::DialogRecorder dialogs;

  void TearDown() override {
    if (!window.isNull()) window->close();
    DeletePostedWindows();
  }

  void OpenOver(const ReferenceStore& store, std::string_view surname) {
    window = new TFrmChangeName(store, surname);
    window->show();
  }

  // Types `given_name` as the trial name and presses 确认测算; the result box.
  QPlainTextEdit* ReckonTrial(const QString& given_name) {
    auto* given = Child<QLineEdit>(window, "EditGivenName");
    given->setFocus();
    TypeText(given, given_name);
    QTest::mouseClick(Child<QPushButton>(window, "ButtonReckon"),
                      Qt::LeftButton);
    return Child<QPlainTextEdit>(window, "MemoResult");
  }

  QPointer<TFrmChangeName> window;
};

TEST_F(NamingHandbookFixtureWindowTest, ListHoldsEverySuggestion) {
  FixtureDirectory dir;
  testing::WriteHandbookTables(dir, testing::AllWoodConfigurationsBest());
  const ReferenceStore store = dir.Store();
  const StrokeSuggestions expected =
      GoodStrokeSearch(store, "娟", GivenNameMode::kTwoCharacters);
  ASSERT_GT(expected.size(), 21u);
  OpenOver(store, "娟");
  auto* list = Child<QComboBox>(window, "ComboStrokes");
  EXPECT_EQ(Items(list), ItemsOf(expected, GivenNameMode::kTwoCharacters,
                                 SuggestionWording::kOnShow));

  // The last item, far beyond the 21st, is picked like any other. Find one
  // whose second count has characters in the fixture (10: 娟真).
  int index = -1;
  for (int i = static_cast<int>(expected.size()) - 1; i > 21; --i) {
    if (expected[i].second == 10) {
      index = i;
      break;
    }
  }
  ASSERT_GT(index, 21);
  list->setCurrentIndex(index);
  QTest::mouseClick(Child<QPushButton>(window, "ButtonPickName"),
                    Qt::LeftButton);
  EXPECT_EQ(Child<QPlainTextEdit>(window, "MemoSecondCharacter")->toPlainText(),
            QStringLiteral("娟真"));
}

TEST_F(NamingHandbookFixtureWindowTest, TrialShowsNoResultForGridsWithoutRow) {
  FixtureDirectory dir;
  testing::WriteHandbookTables(dir);
  OpenOver(dir.Store(), "王");
  const QStringList lines =
      ReckonTrial(QStringLiteral("真"))->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 20);
  // 总格 14 and 人格 14 have no namefx row.
  EXPECT_EQ(lines[10], QStringLiteral("无结果,请听下回分解"));
  EXPECT_EQ(lines[16], QStringLiteral("人格14分析:"));
  EXPECT_EQ(lines[17], QStringLiteral("    无结果,请听下回分解"));
  EXPECT_EQ(lines[19], QStringLiteral("    二数之析。"));
}

TEST_F(NamingHandbookFixtureWindowTest, FailedLookupsEndActionsSilently) {
  // No reference files at all: every action ends at its first lookup.
  QTemporaryDir empty;
  ASSERT_TRUE(empty.isValid());
  OpenOver(ReferenceStore(empty.path().toStdString()), "王");
  auto* list = Child<QComboBox>(window, "ComboStrokes");
  EXPECT_EQ(list->count(), 0);
  QTest::mouseClick(Child<QRadioButton>(window, "RadioOneCharacter"),
                    Qt::LeftButton);
  EXPECT_EQ(list->count(), 0);
  Child<QPlainTextEdit>(window, "MemoResult")
      ->setPlainText(QStringLiteral("先前的内容"));
  EXPECT_EQ(ReckonTrial(QStringLiteral("真"))->toPlainText(), QString())
      << "cleared, then abandoned";
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(dialogs.prompts.empty());
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(NamingHandbookFixtureWindowTest,
       TrialKeepsWhatWasWrittenBeforeAFailure) {
  FixtureDirectory dir;
  testing::WriteHandbookTables(dir);
  dir.ExecuteSql("TarselFile.dll", "drop table namefx");
  OpenOver(dir.Store(), "王");
  const QStringList lines =
      ReckonTrial(QStringLiteral("真"))->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines.front(), QStringLiteral("王真,您的三才为土火木"));
  EXPECT_EQ(lines[8], QStringLiteral("外格: 2"));
  EXPECT_TRUE(dialogs.prompts.empty());
  EXPECT_TRUE(dialogs.errors.empty());
}

}  // namespace
}  // namespace kelvara
