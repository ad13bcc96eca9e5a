#include "app/command_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvara {
namespace {

std::vector<std::string> TopLevelMenus() {
  std::vector<std::string> names;
  for (const MenuEntry& e : MenuCatalogue()) {
    if (e.depth == 0) names.emplace_back(e.caption);
  }
  return names;
}

// The captions directly under one top-level menu (submenu items excluded).
std::vector<std::string> ItemsOf(std::string_view menu) {
  std::vector<std::string> items;
  bool inside = false;
  for (const MenuEntry& e : MenuCatalogue()) {
    if (e.depth == 0)
      inside = e.caption == menu;
    else if (inside && e.depth == 1)
      items.emplace_back(e.caption);
  }
  return items;
}

const MenuEntry* Find(std::string_view menu, std::string_view caption) {
  bool inside = false;
  for (const MenuEntry& e : MenuCatalogue()) {
    if (e.depth == 0)
      inside = e.caption == menu;
    else if (inside && e.caption == caption)
      return &e;
  }
  return nullptr;
}

TEST(CommandCatalogueTest, SeventeenMenusInOrder) {
  EXPECT_EQ(TopLevelMenus(), (std::vector<std::string>{
                                 "系统", "起名", "算命", "周易", "星座", "民俗",
                                 "配对", "风水", "面相", "痣相", "手相", "吉日",
                                 "解梦", "工具", "造命", "服务", "帮助"}));
}

TEST(CommandCatalogueTest, SystemMenuWithSeparatorsAndHiddenEntry) {
  EXPECT_EQ(ItemsOf("系统"),
            (std::vector<std::string>{"新建测算", "打开记录...", "保存测算",
                                      "另存测算", "打印设置...", "打印结果",
                                      "退出系统", "更多查询"}));
  EXPECT_TRUE(Find("系统", "保存测算")->separator_before);
  EXPECT_TRUE(Find("系统", "打印设置...")->separator_before);
  EXPECT_TRUE(Find("系统", "退出系统")->separator_before);
  EXPECT_FALSE(Find("系统", "另存测算")->separator_before);
  EXPECT_TRUE(Find("系统", "更多查询")->hidden);
}

TEST(CommandCatalogueTest, ActionsOfTellingEntries) {
  struct Case {
    const char* menu;
    const char* caption;
    ActionKind kind;
    const char* name;
    int number;
  };
  const Case cases[] = {
      {"起名", "姓名详批", ActionKind::kReport, "NameReport", 0},
      {"起名", "姓名原理", ActionKind::kArticle, "a1", 0},
      {"起名", "姓氏起源", ActionKind::kWindow, "TFrmNameCome", 1},
      {"算命", "八字详批", ActionKind::kReport, "FourPillarsReport", 0},
      {"算命", "称骨算命", ActionKind::kReport, "BirthInfoBoneWeight", 0},
      {"算命", "测字论命", ActionKind::kReport, "Zhuge", 0},
      {"周易", "诸葛神数 ", ActionKind::kReport, "Zhuge", 0},
      {"星座", "星座缺陷", ActionKind::kReport, "ConstellationFacet", 6},
      {"民俗", "耳鸣测占卜", ActionKind::kOmen, "耳鸣测吉凶", 6},
      {"风水", "风水秘籍钓 \"金龟婿\" ", ActionKind::kPicture, "", 5},
      {"手相", "10种手相透析你婚姻图", ActionKind::kPicture, "", 38},
      {"吉日", "黄道吉日", ActionKind::kWindow, "TFormHuangdao", 1},
      {"工具", "万年历法", ActionKind::kWindow, "TFRM_Date", 0},
      {"造命", "百忍歌", ActionKind::kArticle, "b13", 0},
      {"帮助", "软件升级", ActionKind::kCommand, "UpgradeNotice", 0},
      {"配对", "星座配对", ActionKind::kNone, "", 0},
  };
  for (const Case& c : cases) {
    const MenuEntry* e = Find(c.menu, c.caption);
    ASSERT_NE(e, nullptr) << c.caption;
    EXPECT_EQ(e->action.kind, c.kind) << c.caption;
    EXPECT_EQ(e->action.name, c.name) << c.caption;
    EXPECT_EQ(e->action.number, c.number) << c.caption;
  }
}

TEST(CommandCatalogueTest, SubmenusAndTheirSizes) {
  const auto entries = MenuCatalogue();
  auto children = [&](std::string_view caption) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].caption != caption || !IsSubmenu(entries, i)) continue;
      int count = 0;
      for (std::size_t j = i + 1;
           j < entries.size() && entries[j].depth > entries[i].depth; ++j) {
        if (entries[j].depth == entries[i].depth + 1) ++count;
      }
      return count;
    }
    return -1;
  };
  EXPECT_EQ(children("起名规则"), 4);
  EXPECT_EQ(children("风水与爱情 "), 6);
  EXPECT_EQ(children("桃花面相"), 12);
  EXPECT_EQ(children("财运面相"), 5);
  EXPECT_EQ(children("职场面相"), 6);
  EXPECT_EQ(children("面相吉凶"), 10);
  EXPECT_EQ(children("开运面相"), 2);
  EXPECT_EQ(children("常见面相"), 9);
  EXPECT_EQ(children("手相分布线"), 7);
  EXPECT_EQ(children("手相桃花运"), 5);
  EXPECT_EQ(children("手相占卜"), 6);
  EXPECT_EQ(children("八字与姓名"), 8);
  EXPECT_EQ(children("相学"), 11);
  EXPECT_EQ(children("吉祥物"), 6);
  EXPECT_EQ(children("爱情面相图解"), 4);
  EXPECT_EQ(children("职场面相图解"), 3);
}

TEST(CommandCatalogueTest, HiddenEntries) {
  std::vector<std::string> hidden;
  for (const MenuEntry& e : MenuCatalogue()) {
    if (e.hidden) hidden.emplace_back(e.caption);
  }
  EXPECT_EQ(hidden,
            (std::vector<std::string>{"更多查询", "姓名学知识与取名 ",
                                      "星座排盘", "本年爱情运势", "吉祥物"}));
}

TEST(CommandCatalogueTest, PictureArticlesAreNumberedOnce) {
  std::vector<int> seen(60, 0);
  for (const MenuEntry& e : MenuCatalogue()) {
    if (e.action.kind == ActionKind::kPicture) ++seen.at(e.action.number);
  }
  for (int n = 1; n < 60; ++n) {
    // 17, 40, 41, 47 and 53 are named by no menu entry.
    const bool unused = n == 17 || n == 40 || n == 41 || n == 47 || n == 53;
    EXPECT_EQ(seen[n], unused ? 0 : 1) << n;
  }
}

}  // namespace
}  // namespace kelvara
