#include "refdata/reference_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "base/datetime.h"
#include "base/executable_dir.h"
#include "fixture_directory.h"
#include "pillars/jie_moment.h"
#include "pillars/pillar_attributes.h"
#include "refdata/stored_text.h"
#include "refdata_builder.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::FixtureDirectory;

// A small store of every column kind, built by the real build code.
class ReferenceStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.WriteSource("TarselFile.dll", "zhiwen",
                     "zhiwen\tcontent\n"
                     "OXOXO\t拇指为斗，心思缜密\n"
                     "XXOOX\t两箕三斗，性情爽直\n");
    dir_.WriteSource("TarselFile.dll", "bihua",
                     "hanzi\tnum\n"
                     "王玉\t4\n"
                     "李杏\t7\n");
    dir_.WriteSource("TarselFile.dll", "81",
                     "num\tyy\tjx\tas\tcontent\n"
                     "1\t太极之数\t吉\t万物开泰\t第一行\\n第二行\n"
                     "2\t两仪之数\t凶\t混沌未定\t\n");
    dir_.WriteSource("TarselBirth.dll", "Noter",
                     "Cid\tTite\tcontent\n"
                     "a'1\t姓名原理\t  正文  \n");
    dir_.WriteSource("TarselBirth.dll", "xing",
                     "id\txingl\tintro\n"
                     "1\t李\t李姓\n"
                     "2\t王\t王姓\n"
                     "3\t\t无名\n");
    dir_.WriteSource(
        "TarselBirth.dll", "huangdao",
        "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji\n"
        "2024-02-04\t腊月廿五\t甲辰\t\t\t\t\t\t祭祀\t\t动土\n");
    dir_.WriteSource("dream.dll", "chenggu1",
                     "year\tweight\n1900\t0.7\n1901\t\n");
    dir_.WriteSource("Tgcode.dll", "JQ",
                     "YearA\tJQ\tSJ\n2024\t立春\t2024-02-04 16:27:08\n");
    dir_.Build();
  }

  LookupRows Lookup(ReferenceFile file, std::string_view statement,
                    std::initializer_list<Key> keys = {}) const {
    return dir_.Store().Lookup(file, statement, keys);
  }

  FixtureDirectory dir_;
};

TEST_F(ReferenceStoreTest, TextKeysIgnoreAsciiCase) {
  for (const char* code : {"OXOXO", "oxoxo", "OxOxO"}) {
    const LookupRows rows =
        Lookup(ReferenceFile::kTarselFile,
               "select content from zhiwen where zhiwen = ?", {code});
    ASSERT_EQ(rows.size(), 1u) << code;
    EXPECT_EQ(DecodeStoredText(rows[0].Text("content")), "拇指为斗，心思缜密")
        << code;
  }
}

TEST_F(ReferenceStoreTest, ScrambledColumnsAreStoredAsHexPairs) {
  const LookupRows rows = Lookup(ReferenceFile::kTarselFile,
                                 "select content from zhiwen order by rowid");
  ASSERT_EQ(rows.size(), 2u);
  const std::string stored = rows[1].Text(0);
  EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(DecodeStoredText(stored), "两箕三斗，性情爽直");
}

TEST_F(ReferenceStoreTest, QuoteInsideKeyMatchesStoredQuote) {
  const LookupRows rows =
      Lookup(ReferenceFile::kTarselBirth,
             "select Tite,content from Noter where Cid = ?", {"A'1"});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Text("Tite"), "姓名原理");
  EXPECT_EQ(rows[0].Text("content"), "  正文  ") << "stored text is as stored";
  EXPECT_TRUE(Lookup(ReferenceFile::kTarselBirth,
                     "select Tite from Noter where Cid = ?", {"a''1"})
                  .empty());
}

TEST_F(ReferenceStoreTest, LikeMatchesContainment) {
  const LookupRows rows =
      Lookup(ReferenceFile::kTarselFile,
             "select num from bihua where hanzi like ?", {"%玉%"});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Text("num"), "4");
  EXPECT_TRUE(Lookup(ReferenceFile::kTarselFile,
                     "select num from bihua where hanzi like ?", {"%张%"})
                  .empty());
}

TEST_F(ReferenceStoreTest, RowsComeInStatementOrder) {
  const LookupRows rows = Lookup(ReferenceFile::kTarselBirth,
                                 "Select id,xingl from xing order by xingl");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].WholeNumber("id"), 3);  // the empty surname sorts first
  EXPECT_EQ(rows[1].Text("xingl"), "李");
  EXPECT_EQ(rows[2].Text("xingl"), "王");
}

TEST_F(ReferenceStoreTest, ReadsColumnsByNameOrPositionAsEachKind) {
  const LookupRows rows = Lookup(ReferenceFile::kTarselFile,
                                 "select * from \"81\" where num = ?", {1});
  ASSERT_EQ(rows.size(), 1u);
  const LookupRow& row = rows[0];
  EXPECT_EQ(row.WholeNumber("num"), 1);
  EXPECT_EQ(row.Text("NUM"), "1") << "names ignore case";
  EXPECT_EQ(row.Text(1), "太极之数");
  EXPECT_EQ(row.Text("as"), "万物开泰");
  EXPECT_EQ(row.Text("content"), "第一行\n第二行");
  EXPECT_DOUBLE_EQ(row.Number("num"), 1.0);

  const LookupRows weights =
      Lookup(ReferenceFile::kDream,
             "Select weight from chenggu1 where year = ?", {"1900"});
  ASSERT_EQ(weights.size(), 1u);
  EXPECT_DOUBLE_EQ(weights[0].Number(0), 0.7);
  EXPECT_EQ(weights[0].Text(0), "0.7");

  const LookupRows term = Lookup(ReferenceFile::kTgcode,
                                 "select SJ from JQ where YearA = ?", {2024});
  ASSERT_EQ(term.size(), 1u);
  EXPECT_EQ(FormatDateTime(term[0].DateTimeValue("SJ")), "2024-02-04 16:27:08");

  const LookupRows day =
      Lookup(ReferenceFile::kTarselBirth,
             "Select * from huangdao where gn = ? limit 1", {"2024-02-04"});
  ASSERT_EQ(day.size(), 1u);
  EXPECT_EQ(day[0].DateTimeValue("gn"), EncodeDate(2024, 2, 4));
  EXPECT_EQ(day[0].Text("yi"), "祭祀");
}

TEST_F(ReferenceStoreTest, EmptyNumberCellIsNull) {
  const LookupRows rows =
      Lookup(ReferenceFile::kDream,
             "Select weight from chenggu1 where year = ?", {"1901"});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_TRUE(rows[0].IsNull("weight"));
  EXPECT_EQ(rows[0].Text("weight"), "");
  EXPECT_EQ(rows[0].Number("weight"), 0);
}

TEST_F(ReferenceStoreTest, ValuesThatCannotBeReadThrow) {
  const LookupRows rows = Lookup(ReferenceFile::kTarselFile,
                                 "select yy, num from \"81\" where num = 2");
  ASSERT_EQ(rows.size(), 1u);
  const LookupRow& row = rows[0];
  const std::pair<const char*, std::function<void()>> kCases[] = {
      {"column not in the select list", [&] { row.Text("content"); }},
      {"position past the end", [&] { row.Text(2); }},
      {"negative position", [&] { row.Text(-1); }},
      {"text as whole number", [&] { row.WholeNumber("yy"); }},
      {"text as number", [&] { row.Number("yy"); }},
      {"text as date-time", [&] { row.DateTimeValue("yy"); }},
      {"number as date-time", [&] { row.DateTimeValue("num"); }},
  };
  for (const auto& [label, read] : kCases) {
    EXPECT_THROW(read(), LookupError) << label;
  }
}

TEST_F(ReferenceStoreTest, LookupsLeaveTheDirectoryAsItWas) {
  auto listing = [&] {
    std::map<std::string, std::string> files;
    for (const auto& entry :
         fs::recursive_directory_iterator(dir_.store_dir())) {
      if (entry.is_regular_file()) {
        files[entry.path().string()] = testing::ReadFile(entry.path());
      }
    }
    return files;
  };
  const auto before = listing();
  Lookup(ReferenceFile::kTarselFile, "select * from zhiwen");
  Lookup(ReferenceFile::kTgcode, "select * from JQ");
  EXPECT_THROW(Lookup(ReferenceFile::kTgcode, "delete from JQ"), LookupError);
  EXPECT_THROW(Lookup(ReferenceFile::kTgcode, "create table x (a)"),
               LookupError);
  EXPECT_EQ(listing(), before);
}

TEST(ConnectionStringTest, NamesTheFileReadOnlyAndImmutable) {
  const ReferenceStore store("/opt/kelvara/bin");
  EXPECT_EQ(store.ConnectionStringFor(ReferenceFile::kTgcode),
            "file:/opt/kelvara/bin/Tgcode.dll?mode=ro&immutable=1");
  EXPECT_EQ(store.ConnectionStringFor(ReferenceFile::kDream),
            "file:/opt/kelvara/bin/dream.dll?mode=ro&immutable=1");
  EXPECT_EQ(store.PathOf(ReferenceFile::kTarselBirth),
            fs::path("/opt/kelvara/bin/TarselBirth.dll"));
  EXPECT_EQ(store.ShenshaPathOf("rizhu.txt"),
            fs::path("/opt/kelvara/bin/shensha/rizhu.txt"));
}

TEST(ConnectionStringTest, EscapesCharactersThatMeanSomethingInUris) {
  const ReferenceStore store("/data/参考 100%?#");
  EXPECT_EQ(store.ConnectionStringFor(ReferenceFile::kTgcode),
            "file:/data/%E5%8F%82%E8%80%83%20100%25%3F%23/Tgcode.dll"
            "?mode=ro&immutable=1");
}

TEST(ConnectionStringTest, DirectoryWithSuchCharactersOpens) {
  FixtureDirectory dir;
  dir.WriteSource("Tgcode.dll", "jiazi",
                  "jiazi\tlayin\tws\n甲子\t海中金\t金\n");
  const fs::path odd = dir.path() / "参考 100%?#";
  refdata_build::BuildReferenceData(dir.source_dir(), odd);
  EXPECT_EQ(NayinOf(ReferenceStore(odd), "甲子"), "海中金");
}

TEST(ConnectionStringTest, RelativeDirectoryIsMadeAbsolute) {
  const ReferenceStore store("some/where");
  EXPECT_TRUE(store.directory().is_absolute());
  EXPECT_EQ(store.directory(), fs::current_path() / "some/where");
}

// The three ways a lookup cannot run, each on a fixture directory.
struct FailureCase {
  const char* label;
  std::function<void(const FixtureDirectory&)> make;
  const char* statement;
  const char* message;  // part of what() the error must say
};

const FailureCase kFailureCases[] = {
    {"file missing", [](const FixtureDirectory&) {},
     "select wh from hzwh where hz like ? limit 1", "Tgcode.dll: cannot open"},
    {"table missing",
     [](const FixtureDirectory& d) {
       d.ExecuteSql("Tgcode.dll", "create table jiazi (jiazi, layin, ws)");
     },
     "select wh from hzwh where hz like ? limit 1",
     "Tgcode.dll: no such table: hzwh"},
    {"column missing",
     [](const FixtureDirectory& d) {
       d.ExecuteSql("Tgcode.dll", "create table hzwh (hz)");
     },
     "select wh from hzwh where hz like ? limit 1",
     "Tgcode.dll: no such column: wh"},
    {"not a database",
     [](const FixtureDirectory& d) {
       testing::WriteFile(d.store_dir() / "Tgcode.dll", "MZ this is no store");
     },
     "select wh from hzwh where hz like ? limit 1", "Tgcode.dll: "},
    {"statement rejected",
     [](const FixtureDirectory& d) {
       d.ExecuteSql("Tgcode.dll", "create table hzwh (hz, wh)");
     },
     "select top 1 wh from hzwh where hz like ?", "syntax error"},
};

TEST(LookupFailureTest, EachFailureThrowsLookupErrorWithItsText) {
  for (const FailureCase& c : kFailureCases) {
    FixtureDirectory dir;
    c.make(dir);
    try {
      dir.Store().Lookup(ReferenceFile::kTgcode, c.statement, {"%甲%"});
      ADD_FAILURE() << c.label << ": no LookupError";
    } catch (const LookupError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << c.label << ": " << e.what();
    }
  }
}

TEST(LookupFailureTest, AFoundNothingIsNoFailure) {
  FixtureDirectory dir;
  dir.Build();
  EXPECT_TRUE(dir.Store()
                  .Lookup(ReferenceFile::kTgcode,
                          "select wh from hzwh where hz like ? limit 1",
                          {"%甲%"})
                  .empty());
}

// The files beside the executable are the program's: running every kind of
// reader against them changes no byte, no time stamp and adds no file.
TEST(ExecutableStoreTest, ReadersNeverChangeTheFilesBesideTheExecutable) {
  const fs::path bin = ExecutableDirectory();
  struct Snapshot {
    std::string bytes;
    fs::file_time_type written;
    bool operator==(const Snapshot&) const = default;
  };
  auto snapshot = [&] {
    std::map<std::string, Snapshot> files;
    for (const auto& entry : fs::recursive_directory_iterator(bin)) {
      const std::string name = entry.path().filename().string();
      if (!entry.is_regular_file()) continue;
      if (entry.path().extension() == ".dll" ||
          entry.path().parent_path().filename() == "shensha" ||
          name.find("-journal") != std::string::npos ||
          name.find("-wal") != std::string::npos) {
        files[entry.path().string()] = {testing::ReadFile(entry.path()),
                                        entry.last_write_time()};
      }
    }
    return files;
  };
  const auto before = snapshot();
  ASSERT_EQ(before.size(), 11u) << "four reference files and seven tables";

  const ReferenceStore store = ReferenceStore::BesideExecutable();
  ElementOf(store, "甲");
  TenGodOf(store, "甲丙");
  NayinOf(store, "甲子");
  SeasonText(store, "木", "春");
  ClimateText(store, "甲", "寅");
  IsBeforeJieMoment(store, 2024, EncodeDate(2024, 2, 4) + EncodeTime(16, 0, 0));
  for (const ReferenceFile file : kReferenceFiles) {
    store.Lookup(file, "select name from sqlite_master");
  }
  EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace kelvara
