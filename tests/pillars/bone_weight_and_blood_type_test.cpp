#include "pillars/bone_weight_and_blood_type.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "../refdata/fixture_directory.h"
#include "refdata/failure_policy.h"

namespace kelvara {
namespace {

using testing::FixtureDirectory;

constexpr BoneWeightPart kAllParts[] = {BoneWeightPart::kWeight,
                                        BoneWeightPart::kVerse,
                                        BoneWeightPart::kExplanation};

// The tables of dream.dll as the build declares them: text keys compare
// without regard to ASCII case, weights are reals.
constexpr std::string_view kDreamSchema = R"sql(
CREATE TABLE "chenggu1" ("year" TEXT COLLATE NOCASE, "weight" REAL);
CREATE TABLE "chenggu2" ("month2" TEXT COLLATE NOCASE, "weight" REAL);
CREATE TABLE "chenggu3" ("day2" TEXT COLLATE NOCASE, "weight" REAL);
CREATE TABLE "chenggu4" ("time" TEXT COLLATE NOCASE, "weight" REAL);
CREATE TABLE "chenggu" ("weight" TEXT COLLATE NOCASE, "content" TEXT,
                        "content2" TEXT);
)sql";

// A few partial weights and verdicts, chosen for the sums the cases need.
constexpr std::string_view kDreamRows = R"sql(
INSERT INTO chenggu1 VALUES ('1990', 1.2), ('1991', 1.25), ('1992', 0.7),
                            ('1993', 1.3);
INSERT INTO chenggu2 VALUES ('6', 0.6), ('7', 1.9), ('8', 0.9),
                            ('9', 0.5), ('9', 1.5);
INSERT INTO chenggu3 VALUES ('15', 1.5), ('16', 1.8), ('17', 1.6);
INSERT INTO chenggu4 VALUES ('8', 1.0), ('9', 0.9), ('10', 0.6), ('11', 1.2);
INSERT INTO chenggu VALUES
  ('43', '  身闲不用多劳力，天赐衣禄自安宁。 ',
         ' 一生衣食无忧，晚景尤其安稳。'),
  ('42', '得宽怀处且宽怀，何用双眉皱不开。', '遇事放宽心胸，福气自来。'),
  ('50', '为利为名终日劳，中年福禄也多遭。', '中年以后渐入佳境。'),
  ('50', '另一行不会被读到。', '另一行不会被读到。'),
  ('31', '忙忙碌碌苦中求，何日云开见日头。', '先苦后甜，须耐心等待时机。');
)sql";

// Creates the fixture's dream.dll in one transaction, with `change` applied
// after the rows.
void WriteDream(const FixtureDirectory& dir, std::string_view change = {}) {
  dir.ExecuteSql("dream.dll", "PRAGMA synchronous = OFF; BEGIN;" +
                                  std::string(kDreamSchema) +
                                  std::string(kDreamRows) +
                                  std::string(change) + "; COMMIT;");
}

class BoneWeightLineTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteDream(dir_); }

  std::string Line(std::string_view year, std::string_view month,
                   std::string_view day, std::string_view hour,
                   BoneWeightPart part) const {
    return BoneWeightLine(dir_.Store(), year, month, day, hour, part);
  }

  FixtureDirectory dir_;
};

TEST_F(BoneWeightLineTest, WeighsTheBirthAndReadsItsVerdict) {
  struct Case {
    const char* label;
    std::array<std::string_view, 4> keys;  // year, month, day, hour
    std::string_view weight;
    std::string_view verse;
    std::string_view explanation;
  };
  const Case kCases[] = {
      // 1.2 + 0.6 + 1.5 + 1.0: blanks around the stored texts are trimmed.
      {"4.3",
       {"1990", "6", "15", "8"},
       "你的骨重为：4两3钱",
       "骨重诗评：身闲不用多劳力，天赐衣禄自安宁。",
       "骨重解评：一生衣食无忧，晚景尤其安稳。"},
      // 1.3 + 0.9 + 1.6 + 1.2 is 5 exactly; of two verdict rows the first
      // is read.
      {"exactly 5",
       {"1993", "8", "17", "11"},
       "你的骨重为：5两",
       "骨重诗评：为利为名终日劳，中年福禄也多遭。",
       "骨重解评：中年以后渐入佳境。"},
      // 0.7 + 1.9 + 1.8 + 0.6 is 4.999999999999999 in binary: 15 digits
      // make it 5, not 4两9钱.
      {"5 less a rounding error",
       {"1992", "7", "16", "10"},
       "你的骨重为：5两",
       "骨重诗评：为利为名终日劳，中年福禄也多遭。",
       "骨重解评：中年以后渐入佳境。"},
      // 1.25 + 0.6 + 1.5 + 0.9: the key takes the digits, it does not round.
      {"4.25",
       {"1991", "6", "15", "9"},
       "你的骨重为：4两2钱",
       "骨重诗评：得宽怀处且宽怀，何用双眉皱不开。",
       "骨重解评：遇事放宽心胸，福气自来。"},
      // A year without a row weighs nothing: 0.6 + 1.5 + 1.0.
      {"year missing from chenggu1",
       {"1899", "6", "15", "8"},
       "你的骨重为：3两1钱",
       "骨重诗评：忙忙碌碌苦中求，何日云开见日头。",
       "骨重解评：先苦后甜，须耐心等待时机。"},
      // Of two rows for month 9 only the first (0.5) counts: 1.2 + 0.5 +
      // 1.5 + 1.0 = 4.2, not 5.2.
      {"first row of a partial weight",
       {"1990", "9", "15", "8"},
       "你的骨重为：4两2钱",
       "骨重诗评：得宽怀处且宽怀，何用双眉皱不开。",
       "骨重解评：遇事放宽心胸，福气自来。"},
      // 1.2 + 0.6 + 1.5 with no hour row is 3.3, which has no verdict.
      {"no verdict row", {"1990", "6", "15", "24"}, "", "", ""},
      // Nothing found anywhere: the sum 0 gives the key 00.
      {"no partial weight", {"", "0", "31", "-1"}, "", "", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const auto& [year, month, day, hour] = c.keys;
    EXPECT_EQ(Line(year, month, day, hour, BoneWeightPart::kWeight), c.weight);
    EXPECT_EQ(Line(year, month, day, hour, BoneWeightPart::kVerse), c.verse);
    EXPECT_EQ(Line(year, month, day, hour, BoneWeightPart::kExplanation),
              c.explanation);
  }
}

TEST_F(BoneWeightLineTest, KeysAreBoundNotPasted) {
  for (const BoneWeightPart part : kAllParts) {
    EXPECT_EQ(Line("1990' or '1'='1", "6", "15", "8", part),
              Line("1899", "6", "15", "8", part));
  }
}

TEST_F(BoneWeightLineTest, LookupsThatCannotRunAbandonTheReading) {
  struct Case {
    const char* label;
    std::string_view sql;  // run on the fixture's dream.dll; empty: no file
  };
  const Case kCases[] = {
      {"no dream.dll", ""},
      {"no chenggu1", "DROP TABLE chenggu1"},
      {"no chenggu4", "DROP TABLE chenggu4"},
      {"no chenggu", "DROP TABLE chenggu"},
      {"no time column",
       "DROP TABLE chenggu4; CREATE TABLE chenggu4 (hour TEXT, weight REAL)"},
      {"no content2 column",
       "DROP TABLE chenggu; CREATE TABLE chenggu (weight TEXT, content TEXT);"
       "INSERT INTO chenggu VALUES ('43', '诗')"},
      {"weight that is no number",
       "UPDATE chenggu2 SET weight = '六钱' WHERE month2 = '6'"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    FixtureDirectory dir;
    if (!c.sql.empty()) WriteDream(dir, c.sql);
    const ReferenceStore store = dir.Store();
    for (const BoneWeightPart part : kAllParts) {
      EXPECT_THROW(BoneWeightLine(store, "1990", "6", "15", "8", part),
                   LookupError);
    }
    // The report's command boundary ends the reading without a message and
    // keeps the lines written before.
    std::vector<std::string> lines{"前面的行"};
    EXPECT_FALSE(RunAbandoningSilently([&] {
      lines.push_back(BoneWeightLine(store, "1990", "6", "15", "8",
                                     BoneWeightPart::kWeight));
    }));
    EXPECT_EQ(lines, std::vector<std::string>{"前面的行"});
  }
}

// The dream.dll the build writes beside the executables.
class BoneWeightDataTest : public ::testing::Test {
 protected:
  std::vector<std::string> KeysOf(std::string_view statement) const {
    std::vector<std::string> keys;
    for (const LookupRow& row :
         store_.Lookup(ReferenceFile::kDream, statement)) {
      keys.push_back(row.Text(0));
    }
    return keys;
  }

  const ReferenceStore store_{KELVARA_BIN_DIR};
};

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

TEST_F(BoneWeightDataTest, EveryKeyOfABirthHasItsPartialWeight) {
  struct Table {
    std::string_view statement;
    int first;
    int last;
  };
  const Table kTables[] = {
      {"select weight from chenggu1 where year = ?", kFirstYear, kLastYear},
      {"select weight from chenggu2 where month2 = ?", 1, 12},
      {"select weight from chenggu3 where day2 = ?", 1, 30},
      {"select weight from chenggu4 where time = ?", 0, 23},
  };
  for (const Table& table : kTables) {
    for (int key = table.first; key <= table.last; ++key) {
      const LookupRows rows = store_.Lookup(
          ReferenceFile::kDream, table.statement, {std::to_string(key)});
      ASSERT_EQ(rows.size(), 1u) << table.statement << " " << key;
      EXPECT_GT(rows.front().Number(0), 0) << table.statement << " " << key;
    }
  }
}

TEST_F(BoneWeightDataTest, EveryBirthHasAVerdict) {
  // The lightest and the heaviest key of each table, in all 16 combinations,
  // then a fixed pseudo-random sample of the whole range.
  const std::array<std::vector<std::string>, 4> lightest{
      KeysOf("select year from chenggu1 order by weight, year limit 1"),
      KeysOf("select month2 from chenggu2 order by weight, month2 limit 1"),
      KeysOf("select day2 from chenggu3 order by weight, day2 limit 1"),
      KeysOf("select time from chenggu4 order by weight, time limit 1")};
  const std::array<std::vector<std::string>, 4> heaviest{
      KeysOf("select year from chenggu1 order by weight desc limit 1"),
      KeysOf("select month2 from chenggu2 order by weight desc limit 1"),
      KeysOf("select day2 from chenggu3 order by weight desc limit 1"),
      KeysOf("select time from chenggu4 order by weight desc limit 1")};
  std::vector<std::array<std::string, 4>> births;
  for (int mask = 0; mask < 16; ++mask) {
    std::array<std::string, 4> birth;
    for (int i = 0; i < 4; ++i) {
      const auto& keys = (mask >> i) & 1 ? heaviest[i] : lightest[i];
      ASSERT_EQ(keys.size(), 1u);
      birth[i] = keys.front();
    }
    births.push_back(birth);
  }
  std::uint32_t state = 20240611;  // fixed, so every run checks the same
  const auto next = [&state](int count) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(count));
  };
  for (int i = 0; i < 300; ++i) {
    births.push_back(
        {std::to_string(kFirstYear + next(kLastYear - kFirstYear + 1)),
         std::to_string(1 + next(12)), std::to_string(1 + next(30)),
         std::to_string(next(24))});
  }

  for (const auto& [year, month, day, hour] : births) {
    SCOPED_TRACE(year + "-" + month + "-" + day + " " + hour);
    const std::string weight =
        BoneWeightLine(store_, year, month, day, hour, BoneWeightPart::kWeight);
    EXPECT_TRUE(weight.starts_with("你的骨重为："));
    EXPECT_GT(
        BoneWeightLine(store_, year, month, day, hour, BoneWeightPart::kVerse)
            .size(),
        std::string_view("骨重诗评：").size());
    EXPECT_GT(BoneWeightLine(store_, year, month, day, hour,
                             BoneWeightPart::kExplanation)
                  .size(),
              std::string_view("骨重解评：").size());
  }
}

// Characters (code points) of a UTF-8 text.
int CharacterCount(std::string_view text) {
  int count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

constexpr std::string_view kUnknownBloodType = "请听下回分解!";

TEST(BloodTypeTextTest, EachBloodTypeHasItsParagraph) {
  struct Case {
    std::string_view upper;
    std::string_view lower;
    std::string_view opening;
  };
  const Case kCases[] = {
      {"A型", "a型", "内心单纯，只是由于天性谨慎才刻意掩饰着自己的热情。"},
      {"B型", "b型",
       "在恋爱方面有独特的一套，即当与心仪的人相见的一瞬，魅力会自然而然的发挥"
       "出来。"},
      {"O型", "o型",
       "热情，富有浪漫气息，大方爽朗的个性很容易受到异性的欢迎！"},
      {"AB型", "ab型", "既幻想浪漫又理性现实，自尊心极强，所以容易害怕受伤。"},
  };
  std::vector<std::string> texts;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.upper);
    const std::string text = BloodTypeText(c.upper);
    EXPECT_TRUE(text.starts_with(c.opening)) << text;
    EXPECT_EQ(CharacterCount(text), 148);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(BloodTypeText(c.lower), text);
    for (const std::string& other : texts) EXPECT_NE(text, other);
    texts.push_back(text);
  }
}

TEST(BloodTypeTextTest, OtherFormsAreUnknown) {
  const std::string_view kForms[] = {
      "",       "Ａ型", "ＡＢ型", "A",     "AB",   "Ab型",   "aB型",
      "C型",    " A型", "A型 ",   "A型型", "O",    "0型",    "A血型",
      "请选择", "BA型", "a",      "型",    "oo型", "AB型\n",
  };
  for (const std::string_view form : kForms) {
    EXPECT_EQ(BloodTypeText(form), kUnknownBloodType) << "\"" << form << "\"";
  }
}

}  // namespace
}  // namespace kelvara
