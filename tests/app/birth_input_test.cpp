#include "app/birth_input.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

BirthPanel Named() {
  BirthPanel panel;
  panel.surname = "张";
  panel.given_name = "三";
  return panel;
}

TEST(ReadBirthDataTest, DefaultsGiveTheFirstOfJanuary1990) {
  const BirthReadResult r = ReadBirthData(Named(), true);
  ASSERT_TRUE(r.data) << r.message;
  const BirthData& d = *r.data;
  EXPECT_EQ(FormatDate(d.SolarDate), "1990-01-01");
  EXPECT_EQ(d.Lunar, (LunarDate{1989, 12, 5, false}));
  EXPECT_EQ(d.LunarText, "己巳(蛇年)十二月初五");
  EXPECT_EQ(d.Zodiac, "蛇");
  EXPECT_EQ(d.Constellation, "摩羯座");
  EXPECT_EQ(d.HourNumber, "0");
  EXPECT_EQ(d.HourBranch, "子");
  EXPECT_EQ(d.Sex, "男");
  EXPECT_EQ(d.BloodType, "A型");
}

TEST(ReadBirthDataTest, ChecksComeInTheirOrder) {
  struct Case {
    const char* label;
    void (*edit)(BirthPanel&);
    bool blood_required;
    const char* message;
  };
  const Case cases[] = {
      {"everything empty",
       [](BirthPanel& p) {
         p = BirthPanel{};
         p.year = p.day = "";
       },
       true, "姓不能为空!"},
      {"blank surname", [](BirthPanel& p) { p.surname = "  "; }, true,
       "姓不能为空!"},
      {"no given name", [](BirthPanel& p) { p.given_name = ""; }, true,
       "名不能为空!"},
      {"no blood type",
       [](BirthPanel& p) {
         p.blood_type = " ";
         p.year = "";
       },
       true, "血型不能为空!"},
      {"no year",
       [](BirthPanel& p) {
         p.year = "";
         p.month = "";
       },
       true, "请选择出生年!"},
      {"no month",
       [](BirthPanel& p) {
         p.month = "";
         p.day = "";
       },
       true, "请选择出生月!"},
      {"no day",
       [](BirthPanel& p) {
         p.day = "";
         p.hour_item = "";
       },
       true, "请选择出生日!"},
      {"no hour", [](BirthPanel& p) { p.hour_item = ""; }, true,
       "请选择出生小时!"},
      {"year not a number",
       [](BirthPanel& p) {
         p.year = "19x0";
         p.month = "x";
       },
       true, "出生年“19x0”不是有效的数字!"},
      {"month not a number", [](BirthPanel& p) { p.month = "五"; }, true,
       "出生月“五”不是有效的数字!"},
      {"day not a number", [](BirthPanel& p) { p.day = "1.5"; }, true,
       "出生日“1.5”不是有效的数字!"},
      {"month 13", [](BirthPanel& p) { p.month = "13"; }, true,
       "出生月“13”不在1至12之间!"},
      {"month 0 in a lunar date",
       [](BirthPanel& p) {
         p.month = "0";
         p.calendar_item = 1;
       },
       true, "出生月“0”不在1至12之间!"},
      {"30 February",
       [](BirthPanel& p) {
         p.month = "2";
         p.day = "30";
       },
       true, "公历1990年2月30日不存在!"},
      {"29 February of a common year",
       [](BirthPanel& p) {
         p.year = "1991";
         p.month = "2";
         p.day = "29";
       },
       true, "公历1991年2月29日不存在!"},
      {"day 0", [](BirthPanel& p) { p.day = "0"; }, true,
       "公历1990年1月0日不存在!"},
      {"before the range",
       [](BirthPanel& p) {
         p.year = "1900";
         p.day = "30";
       },
       true,
       "出生日期超出可推算的范围:公历须在1900年1月31日至2100年12月31日之间!"},
      {"after the range", [](BirthPanel& p) { p.year = "2101"; }, true,
       "出生日期超出可推算的范围:公历须在1900年1月31日至2100年12月31日之间!"},
      {"lunar 1900",
       [](BirthPanel& p) {
         p.year = "1900";
         p.calendar_item = 1;
       },
       true, "出生日期超出可推算的范围:农历须在1901年至2099年之间!"},
      {"lunar day 30 of a 29-day month",
       [](BirthPanel& p) {
         p.year = "2000";
         p.month = "12";
         p.day = "30";
         p.calendar_item = 1;
       },
       true, "农历2000年12月30日不存在(该月只有29天)!"},
      {"lunar day 31",
       [](BirthPanel& p) {
         p.day = "31";
         p.calendar_item = -1;
       },
       true, "农历1990年1月31日不存在!"},
  };
  for (const auto& c : cases) {
    BirthPanel panel = Named();
    c.edit(panel);
    const BirthReadResult r = ReadBirthData(panel, c.blood_required);
    EXPECT_FALSE(r.data.has_value()) << c.label;
    EXPECT_EQ(r.message, c.message) << c.label;
  }
}

TEST(ReadBirthDataTest, BloodTypeIsOnlyRequiredWhenAsked) {
  BirthPanel panel = Named();
  panel.blood_type = "";
  EXPECT_FALSE(ReadBirthData(panel, true).data);
  EXPECT_TRUE(ReadBirthData(panel, false).data);
}

TEST(ReadBirthDataTest, LunarInputNamesTheRegularMonth) {
  // 1990 has a leap fifth month; the panel's 5th month is the regular one.
  BirthPanel panel = Named();
  panel.calendar_item = 1;
  panel.year = "1990";
  panel.month = "5";
  panel.day = "7";
  const BirthReadResult r = ReadBirthData(panel, false);
  ASSERT_TRUE(r.data) << r.message;
  EXPECT_EQ(FormatDate(r.data->SolarDate), "1990-05-30");
  EXPECT_EQ(r.data->Year, 1990);
  EXPECT_EQ(r.data->Month, 5);
  EXPECT_EQ(r.data->Day, 30);
  EXPECT_EQ(r.data->Lunar, (LunarDate{1990, 5, 7, false}));
  EXPECT_EQ(r.data->LunarText, "庚午(马年)五月初七");
  EXPECT_EQ(r.data->Zodiac, "马");
  EXPECT_EQ(r.data->Kind, CalendarKind::kLunar);
}

TEST(ReadBirthDataTest, HourItemsAndTrimming) {
  const struct {
    const char* item;
    const char* number;
    const char* branch;
  } cases[] = {{"子 23", "23", "子"},
               {"巳 10", "10", "巳"},
               {" 丑 1 ", "1", "丑"},
               {"12", "12", "1"}};
  for (const auto& c : cases) {
    BirthPanel panel = Named();
    panel.hour_item = c.item;
    panel.surname = "  欧阳 ";
    const BirthReadResult r = ReadBirthData(panel, true);
    ASSERT_TRUE(r.data) << c.item;
    EXPECT_EQ(r.data->HourNumber, c.number) << c.item;
    EXPECT_EQ(r.data->HourBranch, c.branch) << c.item;
    EXPECT_EQ(r.data->Surname, "欧阳");
  }
}

TEST(ReportHeaderLineTest, WholeLine) {
  BirthPanel panel = Named();
  panel.day = "5";
  panel.hour_item = "午 12";
  const BirthReadResult r = ReadBirthData(panel, false);
  ASSERT_TRUE(r.data);
  EXPECT_EQ(ReportHeaderLine(*r.data, EncodeDate(2024, 3, 1)),
            "张三,你今年:34岁,您出生于公历 1990年01月05日12点  农历 "
            "己巳(蛇年)十二月初九 生肖:蛇 星座:摩羯座");
  panel.hour_item = "子 0";
  panel.year = "2030";
  const BirthReadResult future = ReadBirthData(panel, false);
  ASSERT_TRUE(future.data);
  const std::string line =
      ReportHeaderLine(*future.data, EncodeDate(2024, 3, 1));
  EXPECT_NE(line.find(",你今年:-6岁,"), std::string::npos) << line;
  EXPECT_NE(line.find("0点  农历"), std::string::npos) << line;
}

}  // namespace
}  // namespace kelvara
