// What the Four Pillars and coin readings need from Tgcode.dll beside the
// executable: every key they can ask for has its row, and the facts in the
// rows follow the tradition's fixed rules.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/datetime.h"
#include "calendar/lunar_calendar.h"
#include "pillars/pillar_attributes.h"
#include "refdata/reference_store.h"

namespace kelvara {
namespace {

class TgcodeDataTest : public ::testing::Test {
 protected:
  LookupRows All(std::string_view statement) const {
    return store_.Lookup(ReferenceFile::kTgcode, statement);
  }

  const ReferenceStore store_ = ReferenceStore::BesideExecutable();
};

// The elements of the five, in the order the stems pair off: 甲乙 木,
// 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水.
constexpr std::array<std::string_view, 5> kStemElements{"木", "火", "土", "金",
                                                        "水"};

// The branch elements: 寅卯 木, 巳午 火, 申酉 金, 亥子 水, 辰戌丑未 土.
constexpr std::array<std::string_view, 12> kBranchElements{
    "水", "土", "木", "木", "土", "火", "火", "土", "金", "金", "土", "水"};

TEST_F(TgcodeDataTest, EveryStemAndBranchHasItsElement) {
  for (std::size_t i = 0; i < kStemNames.size(); ++i) {
    EXPECT_EQ(ElementOf(store_, kStemNames[i]), kStemElements[i / 2])
        << kStemNames[i];
  }
  for (std::size_t i = 0; i < kBranchNames.size(); ++i) {
    EXPECT_EQ(ElementOf(store_, kBranchNames[i]), kBranchElements[i])
        << kBranchNames[i];
  }
}

TEST_F(TgcodeDataTest, NameCharactersCarryAnElement) {
  const std::set<std::string> elements{"金", "木", "水", "火", "土"};
  const LookupRows rows = All("select hz, wh from hzwh");
  std::size_t characters = 0;
  for (const LookupRow& row : rows) {
    EXPECT_TRUE(elements.contains(row.Text("wh"))) << row.Text("hz");
    characters += row.Text("hz").size() / 3;
  }
  EXPECT_GT(characters, 1000u) << "common name characters are classified";
}

// The ten god of `other` seen from `day`, by the generating (木→火→土→金→水)
// and controlling (木→土→水→火→金) cycles: same polarity gives the first
// name of each pair, different polarity the second.
std::string TenGodByRule(int day, int other) {
  const int day_element = day / 2;
  const int other_element = other / 2;
  const bool same_polarity = day % 2 == other % 2;
  const int step = (other_element - day_element + 5) % 5;
  // step 0 same element, 1 day generates, 2 day controls, 3 controls day,
  // 4 generates day.
  static constexpr std::array<std::array<std::string_view, 2>, 5> kNames{{
      {"比肩", "劫财"},
      {"食神", "伤官"},
      {"偏财", "正财"},
      {"七杀", "正官"},
      {"偏印", "正印"},
  }};
  return std::string(kNames[step][same_polarity ? 0 : 1]);
}

TEST_F(TgcodeDataTest, EveryPairOfStemsHasItsTenGod) {
  for (int day = 0; day < 10; ++day) {
    for (int other = 0; other < 10; ++other) {
      const std::string pair =
          std::string(kStemNames[day]) + std::string(kStemNames[other]);
      EXPECT_EQ(TenGodOf(store_, pair), TenGodByRule(day, other)) << pair;
    }
  }
  EXPECT_EQ(All("select jiazi from Shishen").size(), 100u);
}

// The thirty sound elements of the cycle, each shared by two pillars in turn
// from 甲子 乙丑. Two have a second customary writing.
const std::vector<std::set<std::string>> kNayin{
    {"海中金"},           {"炉中火"}, {"大林木"}, {"路旁土"}, {"剑锋金"},
    {"山头火"},           {"涧下水"}, {"城头土"}, {"白蜡金"}, {"杨柳木"},
    {"泉中水"},           {"屋上土"}, {"霹雳火"}, {"松柏木"}, {"长流水"},
    {"砂中金", "沙中金"}, {"山下火"}, {"平地木"}, {"壁上土"}, {"金箔金"},
    {"覆灯火", "佛灯火"}, {"天河水"}, {"大驿土"}, {"钗钏金"}, {"桑柘木"},
    {"大溪水"},           {"沙中土"}, {"天上火"}, {"石榴木"}, {"大海水"},
};

TEST_F(TgcodeDataTest, EveryPillarOfTheCycleHasItsSoundElement) {
  for (int n = 0; n < 60; ++n) {
    const std::string pillar =
        std::string(kStemNames[n % 10]) + std::string(kBranchNames[n % 12]);
    const std::string nayin = NayinOf(store_, pillar);
    EXPECT_TRUE(kNayin[n / 2].contains(nayin)) << pillar << " " << nayin;
    const LookupRows rows =
        store_.Lookup(ReferenceFile::kTgcode,
                      "select ws from jiazi where jiazi = ?", {pillar});
    ASSERT_EQ(rows.size(), 1u) << pillar;
    EXPECT_TRUE(nayin.ends_with(rows[0].Text("ws"))) << pillar;
  }
  EXPECT_EQ(All("select jiazi from jiazi").size(), 60u);
}

constexpr std::array<std::string_view, 5> kElements{"金", "木", "水", "火",
                                                    "土"};
constexpr std::array<std::string_view, 4> kSeasons{"春", "夏", "秋", "冬"};

TEST_F(TgcodeDataTest, EveryElementHasItsTextForEachSeason) {
  std::set<std::string> texts;
  for (const std::string_view element : kElements) {
    for (const std::string_view season : kSeasons) {
      const std::string text = SeasonText(store_, element, season);
      EXPECT_GT(text.size(), 60u) << element << season;
      EXPECT_TRUE(texts.insert(text).second)
          << element << season << " repeats another text";
    }
  }
  EXPECT_EQ(All("select wh from sjrs").size(), 20u);
}

TEST_F(TgcodeDataTest, EveryDayStemHasClimateAdviceForEachMonth) {
  std::set<std::string> texts;
  for (const std::string_view stem : kStemNames) {
    for (const std::string_view branch : kBranchNames) {
      const std::string text = ClimateText(store_, stem, branch);
      EXPECT_GT(text.size(), 60u) << stem << branch;
      EXPECT_TRUE(texts.insert(text).second)
          << stem << branch << " repeats another text";
    }
  }
  EXPECT_EQ(All("select tg from qtbj").size(), 120u);
}

// The twelve sectional terms in the order of the year, with the month each
// falls in.
constexpr std::array<std::string_view, 12> kSectionalTerms{
    "小寒", "立春", "惊蛰", "清明", "立夏", "芒种",
    "小暑", "立秋", "白露", "寒露", "立冬", "大雪"};

TEST_F(TgcodeDataTest, EveryYearHasItsTwelveSectionalTerms) {
  std::map<int, std::vector<std::pair<std::string, DateTime>>> years;
  for (const LookupRow& row : All("select YearA, JQ, SJ from JQ order by SJ")) {
    years[static_cast<int>(row.WholeNumber("YearA"))].emplace_back(
        row.Text("JQ"), row.DateTimeValue("SJ"));
  }
  ASSERT_EQ(years.size(), 201u);
  EXPECT_EQ(years.begin()->first, 1900);
  EXPECT_EQ(years.rbegin()->first, 2100);
  DateTime previous = 0;
  for (const auto& [year, terms] : years) {
    ASSERT_EQ(terms.size(), 12u) << year;
    for (std::size_t k = 0; k < terms.size(); ++k) {
      const auto& [name, instant] = terms[k];
      const CivilDate date = DecodeDate(instant);
      EXPECT_EQ(name, kSectionalTerms[k]) << year;
      EXPECT_EQ(date.year, year) << name;
      EXPECT_EQ(date.month, static_cast<int>(k) + 1) << year << name;
      EXPECT_GE(date.day, 3) << year << name;
      EXPECT_LE(date.day, 9) << year << name;
      if (previous > 0) {
        EXPECT_GT(instant - previous, 28.0) << year << name;
        EXPECT_LT(instant - previous, 32.5) << year << name;
      }
      previous = instant;
    }
  }
  EXPECT_EQ(All("select SJ from JQ").size(), 2412u);
}

// The received order of the hexagrams as (upper, lower) trigrams, each
// trigram written bottom line first, "1" yang.
constexpr std::string_view kQian = "111", kDui = "110", kLi = "101",
                           kZhen = "100", kXun = "011", kKan = "010",
                           kGen = "001", kKun = "000";

struct Hexagram {
  std::vector<std::string_view> names;  // accepted writings of the name
  std::string_view upper, lower;
};

const Hexagram kKingWen[64] = {
    {{"乾"}, kQian, kQian},      {{"坤"}, kKun, kKun},
    {{"屯"}, kKan, kZhen},       {{"蒙"}, kGen, kKan},
    {{"需"}, kKan, kQian},       {{"讼"}, kQian, kKan},
    {{"师"}, kKun, kKan},        {{"比"}, kKan, kKun},
    {{"小畜"}, kXun, kQian},     {{"履"}, kQian, kDui},
    {{"泰"}, kKun, kQian},       {{"否"}, kQian, kKun},
    {{"同人"}, kQian, kLi},      {{"大有"}, kLi, kQian},
    {{"谦"}, kKun, kGen},        {{"豫"}, kZhen, kKun},
    {{"随"}, kDui, kZhen},       {{"蛊"}, kGen, kXun},
    {{"临"}, kKun, kDui},        {{"观"}, kXun, kKun},
    {{"噬嗑"}, kLi, kZhen},      {{"贲"}, kGen, kLi},
    {{"剥"}, kGen, kKun},        {{"复"}, kKun, kZhen},
    {{"无妄"}, kQian, kZhen},    {{"大畜"}, kGen, kQian},
    {{"颐"}, kGen, kZhen},       {{"大过"}, kDui, kXun},
    {{"坎"}, kKan, kKan},        {{"离"}, kLi, kLi},
    {{"咸"}, kDui, kGen},        {{"恒"}, kZhen, kXun},
    {{"遁", "遯"}, kQian, kGen}, {{"大壮"}, kZhen, kQian},
    {{"晋"}, kLi, kKun},         {{"明夷"}, kKun, kLi},
    {{"家人"}, kXun, kLi},       {{"睽"}, kLi, kDui},
    {{"蹇"}, kKan, kGen},        {{"解"}, kZhen, kKan},
    {{"损"}, kGen, kDui},        {{"益"}, kXun, kZhen},
    {{"夬"}, kDui, kQian},       {{"姤"}, kQian, kXun},
    {{"萃"}, kDui, kKun},        {{"升"}, kKun, kXun},
    {{"困"}, kDui, kKan},        {{"井"}, kKan, kXun},
    {{"革"}, kDui, kLi},         {{"鼎"}, kLi, kXun},
    {{"震"}, kZhen, kZhen},      {{"艮"}, kGen, kGen},
    {{"渐"}, kXun, kGen},        {{"归妹"}, kZhen, kDui},
    {{"丰"}, kZhen, kLi},        {{"旅"}, kLi, kGen},
    {{"巽"}, kXun, kXun},        {{"兑"}, kDui, kDui},
    {{"涣"}, kXun, kKan},        {{"节"}, kKan, kDui},
    {{"中孚"}, kXun, kDui},      {{"小过"}, kZhen, kGen},
    {{"既济"}, kKan, kLi},       {{"未济"}, kLi, kKan},
};

TEST_F(TgcodeDataTest, AllSixtyFourHexagramsInTheReceivedOrder) {
  const LookupRows rows =
      All("select ID, GuaCode, GuaTite, GuaValue from \"64gua\" order by ID");
  ASSERT_EQ(rows.size(), 64u);
  std::set<std::string> values;
  for (int id = 1; id <= 64; ++id) {
    const LookupRow& row = rows[static_cast<std::size_t>(id - 1)];
    const Hexagram& hexagram = kKingWen[id - 1];
    ASSERT_EQ(row.WholeNumber("ID"), id);
    EXPECT_EQ(row.Text("GuaCode"),
              std::string(hexagram.lower) + std::string(hexagram.upper))
        << "ID " << id;
    const std::string title = row.Text("GuaTite");
    bool named = false;
    for (const std::string_view name : hexagram.names) {
      named = named || title.find(name) != std::string::npos;
    }
    EXPECT_TRUE(named) << "ID " << id << " " << title;
    EXPECT_GT(row.Text("GuaValue").size(), 60u) << "ID " << id;
    EXPECT_TRUE(values.insert(row.Text("GuaValue")).second)
        << "ID " << id << " repeats another text";
  }
}

TEST_F(TgcodeDataTest, NoPlaceholderText) {
  static constexpr std::string_view kPlaceholders[] = {
      "待补充", "暂无", "占位", "TODO", "FIXME", "XXX", "lorem", "Lorem"};
  for (const char* table :
       {"hzwh", "Shishen", "jiazi", "sjrs", "qtbj", "JQ", "\"64gua\""}) {
    for (const LookupRow& row : All(std::string("select * from ") + table)) {
      for (int c = 0; c < static_cast<int>(row.columns().size()); ++c) {
        const std::string text = row.Text(c);
        EXPECT_FALSE(text.empty()) << table << "." << row.columns()[c];
        for (const std::string_view mark : kPlaceholders) {
          EXPECT_EQ(text.find(mark), std::string::npos)
              << table << "." << row.columns()[c] << ": " << text;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kelvara
