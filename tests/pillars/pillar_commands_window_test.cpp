// The Four Pillars commands of the main window, driven offscreen.

#include "pillars/pillar_commands_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "base/clock.h"
#include "window_driver.h"

namespace kelvara {
namespace {

class PillarCommandsTest : public testing::ReadingWindowTest {
 protected:
  void Wire(TFrmmain& w) override { WireFourPillarsCommands(w); }
};

TEST_F(PillarCommandsTest, ButtonAndMenuGiveTheSameReport) {
  Type("NameA", QStringLiteral("张"));
  Type("NameB", QStringLiteral("三"));
  Click("ButtonBazi");
  const auto from_button = Lines();
  ASSERT_GT(from_button.size(), 100u);
  EXPECT_EQ(from_button.front().rfind("姓名：张三", 0), 0u);
  Menu(QStringLiteral("算命"), QStringLiteral("八字详批"));
  EXPECT_EQ(Lines(), from_button);
  EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(PillarCommandsTest, VariantsAndRefusals) {
  Menu(QStringLiteral("算命"), QStringLiteral("生辰信息"));
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{"姓不能为空!"});
  EXPECT_TRUE(Lines().empty());

  Type("NameA", QStringLiteral("张"));
  Type("NameB", QStringLiteral("三"));
  window->findChild<QComboBox*>(QStringLiteral("Xuxing"))
      ->setEditText(QString());
  Click("ButtonBazi");
  EXPECT_EQ(dialogs.prompts.back(), "血型不能为空!");
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
