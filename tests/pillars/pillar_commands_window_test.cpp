// The Four Pillars commands of the main window, driven offscreen.

#include "pillars/pillar_commands_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "app/prompt_dialog.h"
#include "base/clock.h"

namespace kelvara {
namespace {

class PillarCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Clock::FixToday(EncodeDate(2026, 12, 11));
    SetDialogHooks({[this](std::string_view t) { prompts.emplace_back(t); }});
    window = std::make_unique<TFrmmain>(ReferenceStore(KELVARA_BIN_DIR));
    WireFourPillarsCommands(*window);
    window->show();
  }
  void TearDown() override {
    window.reset();
    SetDialogHooks({});
    Clock::FixToday(std::nullopt);
  }
  void Type(const char* name, const QString& text) {
    window->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
  }
  void Menu(const QString& top, const QString& caption) {
    for (QAction* t : window->menuBar()->actions()) {
      if (t->text() != top) continue;
      for (QAction* a : t->menu()->actions()) {
        if (a->text() == caption) return a->trigger();
      }
    }
    ADD_FAILURE() << caption.toStdString();
  }
  std::vector<std::string> Lines() { return window->document().lines(); }

  std::unique_ptr<TFrmmain> window;
  std::vector<std::string> prompts;
};

TEST_F(PillarCommandsTest, ButtonAndMenuGiveTheSameReport) {
  Type("NameA", QStringLiteral("张"));
  Type("NameB", QStringLiteral("三"));
  QTest::mouseClick(
      window->findChild<QPushButton*>(QStringLiteral("ButtonBazi")),
      Qt::LeftButton);
  const auto from_button = Lines();
  ASSERT_GT(from_button.size(), 100u);
  EXPECT_EQ(from_button.front().rfind("姓名：张三", 0), 0u);
  Menu(QStringLiteral("算命"), QStringLiteral("八字详批"));
  EXPECT_EQ(Lines(), from_button);
  EXPECT_TRUE(prompts.empty());
}

TEST_F(PillarCommandsTest, VariantsAndRefusals) {
  Menu(QStringLiteral("算命"), QStringLiteral("生辰信息"));
  EXPECT_EQ(prompts, std::vector<std::string>{"姓不能为空!"});
  EXPECT_TRUE(Lines().empty());

  Type("NameA", QStringLiteral("张"));
  Type("NameB", QStringLiteral("三"));
  window->findChild<QComboBox*>(QStringLiteral("Xuxing"))
      ->setEditText(QString());
  QTest::mouseClick(
      window->findChild<QPushButton*>(QStringLiteral("ButtonBazi")),
      Qt::LeftButton);
  EXPECT_EQ(prompts.back(), "血型不能为空!");
  EXPECT_TRUE(Lines().empty());

  window->findChild<QComboBox*>(QStringLiteral("Xuxing"))->setCurrentIndex(3);
  Menu(QStringLiteral("算命"), QStringLiteral("血型论命"));
  ASSERT_FALSE(Lines().empty());
  EXPECT_EQ(Lines().back().rfind("--以上内容紧着参考", 0), 0u);
  EXPECT_NE(Lines()[0].find("血型：AB型"), std::string::npos);
  Menu(QStringLiteral("算命"), QStringLiteral("称骨算命"));
  EXPECT_NE(std::find_if(Lines().begin(), Lines().end(),
                         [](const std::string& l) {
                           return l.rfind("你的骨重为：", 0) == 0;
                         }),
            Lines().end());
}

}  // namespace
}  // namespace kelvara
