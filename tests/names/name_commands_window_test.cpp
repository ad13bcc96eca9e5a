// The name commands of the main window, driven offscreen.

#include "names/name_commands_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "base/clock.h"
#include "pillars/pillar_commands_window.h"
#include "window_driver.h"

namespace kelvara {
namespace {

class NameCommandsTest : public testing::ReadingWindowTest {
 protected:
  void Wire(TFrmmain& w) override {
    WireFourPillarsCommands(w);
    WireNameReportCommands(w);
  }
};

TEST_F(NameCommandsTest, ButtonAndMenuGiveTheSameReport) {
  Click("ButtonName");
  EXPECT_EQ(dialogs.prompts, std::vector<std::string>{"姓不能为空!"});
  EXPECT_TRUE(Lines().empty());

  Type("NameA", QStringLiteral("王"));
  Type("NameB", QStringLiteral("小明"));
  Click("ButtonName");
  const auto from_button = Lines();
  ASSERT_GT(from_button.size(), 40u);
  EXPECT_EQ(from_button.front().rfind("王小明,你今年:", 0), 0u);
  EXPECT_EQ(from_button.back().rfind("--以上测算紧着参考", 0), 0u);
  Menu(QStringLiteral("起名"), QStringLiteral("姓名详批"));
  EXPECT_EQ(Lines(), from_button);
  EXPECT_EQ(dialogs.prompts.size(), 1u);
}

// 三才吉凶 reads no panel: it takes the name of the last reading that passed
// validation, whichever reading that was.
TEST_F(NameCommandsTest, ThreeTalentsUseTheLastValidatedName) {
  Menu(QStringLiteral("起名"), QStringLiteral("三才吉凶"));
  EXPECT_TRUE(Lines().empty());
  EXPECT_TRUE(dialogs.prompts.empty());

  Type("NameA", QStringLiteral("张"));
  Type("NameB", QStringLiteral("三"));
  Click("ButtonBazi");
  Type("NameA", QStringLiteral("李"));
  Type("NameB", QStringLiteral("四"));
  Menu(QStringLiteral("起名"), QStringLiteral("三才吉凶"));
  ASSERT_EQ(Lines().size(), 4u);
  EXPECT_EQ(Lines()[0].rfind("张三,您的三才为", 0), 0u);
  EXPECT_GT(Lines()[3].size(), 20u);

  // A refused reading keeps the record of the last one that passed.
  Type("NameB", QString());
  Click("ButtonName");
  Menu(QStringLiteral("起名"), QStringLiteral("三才吉凶"));
  EXPECT_EQ(Lines()[0].rfind("张三,", 0), 0u);

  // 起名宝典 checks and stores the names alone.
  Type("NameB", QStringLiteral("四"));
  window->Wire(ActionKind::kWindow, "TFrmChangeName",
               [](const CommandArguments&) {});
  Menu(QStringLiteral("起名"), QStringLiteral("起名宝典"));
  Menu(QStringLiteral("起名"), QStringLiteral("三才吉凶"));
  EXPECT_EQ(Lines()[0].rfind("李四,", 0), 0u);
  EXPECT_EQ(window->last_birth().Year, 1990) << "the rest stays";
}

}  // namespace
}  // namespace kelvara
