#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/executable_dir.h"
#include "base/text.h"
#include "fixture_directory.h"
#include "refdata/reference_store.h"
#include "refdata/stored_text.h"
#include "refdata_builder.h"
#include "tsv_table.h"

namespace kelvara::refdata_build {
namespace {

namespace fs = std::filesystem;
using kelvara::testing::FixtureDirectory;
using kelvara::testing::ReadFile;
using tsv::EscapeTsvCell;
using tsv::ParseTsv;
using tsv::TsvTable;

TEST(TsvTableTest, UnescapesCells) {
  const TsvTable table = ParseTsv(
      "a\tb\n"
      "一\\t二\t三\\n四\n"
      "back\\\\slash\t\n"
      "\t\n",
      "t.tsv");
  EXPECT_EQ(table.header, (std::vector<std::string>{"a", "b"}));
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0].cells,
            (std::vector<std::string>{"一\t二", "三\n四"}));
  EXPECT_EQ(table.rows[1].cells, (std::vector<std::string>{"back\\slash", ""}));
  EXPECT_EQ(table.rows[2].cells, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(table.rows[2].line, 4);
}

TEST(TsvTableTest, FinalLineEndIsOptional) {
  EXPECT_EQ(ParseTsv("a\tb\n1\t2", "t.tsv").rows.size(), 1u);
  EXPECT_EQ(ParseTsv("a\tb\n1\t2\n", "t.tsv").rows.size(), 1u);
  EXPECT_TRUE(ParseTsv("a\tb\n", "t.tsv").rows.empty());
}

TEST(TsvTableTest, EscapeIsTheInverseOfParsing) {
  const std::string cell = "a\tb\nc\\d\\t";
  const TsvTable table = ParseTsv("x\n" + EscapeTsvCell(cell) + "\n", "t");
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].cells[0], cell);
}

struct BadSource {
  const char* label;
  std::string text;
  const char* message;  // the message, from the file name on
};

const BadSource kBadSources[] = {
    {"too few cells", "a\tb\tc\n1\t2\t3\n1\t2\n",
     "t.tsv:3: 2 cells, the header has 3"},
    {"too many cells", "a\tb\n1\t2\t3\n", "t.tsv:2: 3 cells, the header has 2"},
    {"empty line", "a\tb\n1\t2\n\n3\t4\n",
     "t.tsv:3: 1 cells, the header has 2"},
    {"unknown escape", "a\n\\x\n", "t.tsv:2: unknown escape \\x in cell 1"},
    {"backslash at the end", "a\tb\n1\t2\\\n", "t.tsv:2: a backslash ends"},
    {"CRLF line ends", "a\tb\r\n1\t2\r\n", "t.tsv:1: carriage return"},
    {"byte-order mark",
     "\xEF\xBB\xBF"
     "a\n",
     "t.tsv:1: byte-order mark"},
    {"not UTF-8", "a\n\xD6\xD0\n", "t.tsv:2: not valid UTF-8"},
    {"empty file", "", "t.tsv:1: empty file"},
};

TEST(TsvTableTest, MalformedSourcesNameFileAndLine) {
  for (const BadSource& c : kBadSources) {
    try {
      ParseTsv(c.text, "t.tsv");
      ADD_FAILURE() << c.label << ": accepted";
    } catch (const SourceError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u)
          << c.label << ": " << e.what();
    }
  }
}

// Reads one column of a built table in row order, with its storage class.
std::vector<std::string> Column(const fs::path& db_path,
                                const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(db_path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  std::vector<std::string> values;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) ==
      SQLITE_OK) {
    while (sqlite3_step(statement) == SQLITE_ROW) {
      const auto* text = sqlite3_column_text(statement, 0);
      values.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text)
                                          : "<null>");
    }
  } else {
    values.emplace_back(sqlite3_errmsg(db));
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return values;
}

TEST(RefdataBuildTest, StoresEachKindOfColumnAsItsTableNeeds) {
  FixtureDirectory dir;
  dir.WriteSource("TarselFile.dll", "sancai",
                  "title\tdjc\tcontent\n"
                  "木火土\t1\t大吉\\n昌隆\n"
                  "金金金\t\t\n");
  dir.WriteSource("Tgcode.dll", "JQ",
                  "YearA\tJQ\tSJ\n1900\t小寒\t1900-01-06 02:03:58\n");
  dir.WriteSource("dream.dll", "chenggu2", "month2\tweight\n1\t0.6\n");
  dir.Build();
  const fs::path tarsel = dir.store_dir() / "TarselFile.dll";
  EXPECT_EQ(Column(tarsel,
                   "select typeof(djc) || ':' || ifnull(djc, '') from sancai"),
            (std::vector<std::string>{"integer:1", "null:"}));
  const auto stored = Column(tarsel, "select content from sancai");
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(DecodeStoredText(stored[0]), "大吉\n昌隆");
  EXPECT_EQ(stored[1], "") << "an empty text stays empty";
  EXPECT_EQ(Column(dir.store_dir() / "Tgcode.dll",
                   "select typeof(YearA) || typeof(SJ) || SJ from JQ"),
            (std::vector<std::string>{"integertext1900-01-06 02:03:58"}));
  EXPECT_EQ(Column(dir.store_dir() / "dream.dll",
                   "select typeof(weight) || weight from chenggu2"),
            (std::vector<std::string>{"real0.6"}));
}

TEST(RefdataBuildTest, TablesWithoutSourceAreCreatedEmpty) {
  FixtureDirectory dir;
  dir.Build();
  EXPECT_EQ(Column(dir.store_dir() / "TarselBirth.dll",
                   "select count(*) from huangdao"),
            (std::vector<std::string>{"0"}));
  for (const char* table : {"niangan.txt", "rizhus.txt"}) {
    EXPECT_EQ(ReadFile(dir.store_dir() / "shensha" / table), "") << table;
  }
}

TEST(RefdataBuildTest, SameSourcesGiveTheSameBytes) {
  FixtureDirectory dir;
  dir.WriteSource("TarselFile.dll", "zhiwen", "zhiwen\tcontent\nOOOOO\t斗\n");
  dir.WriteSource("Tgcode.dll", "jiazi",
                  "jiazi\tlayin\tws\n甲子\t海中金\t金\n");
  const fs::path first = dir.path() / "first";
  const fs::path second = dir.path() / "second";
  BuildReferenceData(dir.source_dir(), first);
  BuildReferenceData(dir.source_dir(), second);
  for (const auto& entry : fs::recursive_directory_iterator(first)) {
    if (!entry.is_regular_file()) continue;
    const fs::path twin = second / fs::relative(entry.path(), first);
    EXPECT_EQ(ReadFile(entry.path()), ReadFile(twin)) << entry.path();
  }
}

// The files beside the executable were built by the build from data/; built
// again now from the same sources they come out byte for byte the same.
TEST(RefdataBuildTest, BuildBesideTheExecutableIsReproducible) {
  FixtureDirectory dir;
  BuildReferenceData(fs::path(KELVARA_SOURCE_DIR) / "data", dir.store_dir());
  const fs::path bin = ExecutableDirectory();
  for (const ReferenceFile file : kReferenceFiles) {
    const std::string name(FileNameOf(file));
    EXPECT_TRUE(ReadFile(dir.store_dir() / name) == ReadFile(bin / name))
        << name << " differs: rebuild, or the build is not deterministic";
  }
}

struct BadBuild {
  const char* label;
  const char* file;
  const char* table;
  const char* text;
  const char* message;  // part of the message
};

const BadBuild kBadBuilds[] = {
    {"header of another table", "Tgcode.dll", "jiazi", "jiazi\tShiShen\n",
     "jiazi.tsv:1: the header is \"jiazi ShiShen\", the table jiazi has "
     "\"jiazi layin ws\""},
    {"columns out of order", "Tgcode.dll", "qtbj", "dz\ttg\tcontent\n",
     "qtbj.tsv:1: the header is"},
    {"wrong cell count", "Tgcode.dll", "Shishen", "jiazi\tShiShen\n甲甲\n",
     "Shishen.tsv:2: 1 cells, the header has 2"},
    {"whole number", "Tgcode.dll", "JQ", "YearA\tJQ\tSJ\n19o0\t小寒\t\n",
     "JQ.tsv:2: column YearA: \"19o0\" is not a whole number"},
    {"decimal number", "dream.dll", "chenggu1", "year\tweight\n1900\t七钱\n",
     "chenggu1.tsv:2: column weight: \"七钱\" is not a decimal number"},
    {"date-time", "Tgcode.dll", "JQ", "YearA\tJQ\tSJ\n1900\t小寒\t1900-01-06\n",
     "JQ.tsv:2: column SJ: \"1900-01-06\" is not YYYY-MM-DD HH:MM:SS"},
    {"date", "TarselBirth.dll", "huangdao",
     "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji\n"
     "2023-02-29\t\t\t\t\t\t\t\t\t\t\n",
     "huangdao.tsv:2: column gn: \"2023-02-29\" is not YYYY-MM-DD"},
    {"scrambled text without GBK form", "TarselFile.dll", "namefx",
     "num\tcontent\n1\t吉😀\n",
     "namefx.tsv:2: column content: a character has no GBK form"},
    {"repeated primary key", "Tgcode.dll", "JQ",
     "YearA\tJQ\tSJ\n1900\t小寒\t1900-01-06 02:03:58\n"
     "1900\t小寒\t1900-01-07 02:03:58\n",
     "JQ.tsv:3: UNIQUE constraint failed: JQ.YearA, JQ.JQ"},
    {"empty primary key", "Tgcode.dll", "JQ",
     "YearA\tJQ\tSJ\n\t小寒\t1900-01-06 02:03:58\n",
     "JQ.tsv:2: NOT NULL constraint failed: JQ.YearA"},
    {"table the file does not have", "Tgcode.dll", "shishen",
     "jiazi\tShiShen\n", "shishen.tsv: no table shishen in Tgcode.dll"},
    {"shensha table without GBK form", "shensha", "rigan.txt",
     "天乙贵人 ,甲戊:丑未\n文昌 😀,甲:巳\n",
     "rigan.txt:2: a character has no GBK form"},
    {"unknown shensha table", "shensha", "shiyue.txt", "",
     "shiyue.txt: not one of"},
};

TEST(RefdataBuildTest, BadSourcesFailTheBuildNamingFileAndLine) {
  for (const BadBuild& c : kBadBuilds) {
    FixtureDirectory dir;
    dir.WriteSource(c.file, c.table, c.text);
    try {
      dir.Build();
      ADD_FAILURE() << c.label << ": accepted";
    } catch (const SourceError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << c.label << ": " << e.what();
    }
  }
}

TEST(RefdataBuildTest, FailedBuildKeepsThePreviousFile) {
  FixtureDirectory dir;
  dir.WriteSource("Tgcode.dll", "jiazi",
                  "jiazi\tlayin\tws\n甲子\t海中金\t金\n");
  dir.Build();
  const std::string before = ReadFile(dir.store_dir() / "Tgcode.dll");
  dir.WriteSource("Tgcode.dll", "jiazi", "jiazi\tlayin\tws\n乙丑\t海中金\n");
  EXPECT_THROW(dir.Build(), SourceError);
  EXPECT_EQ(ReadFile(dir.store_dir() / "Tgcode.dll"), before);
  EXPECT_FALSE(fs::exists(dir.store_dir() / "Tgcode.dll.building"));
}

TEST(RefdataBuildTest, ShenshaTablesAreWrittenInGbk) {
  FixtureDirectory dir;
  const std::string line = "天乙贵人 ,甲戊:丑未,乙己:子申\n";
  dir.WriteSource("shensha", "niangan.txt", line);
  dir.Build();
  EXPECT_EQ(ReadFile(dir.store_dir() / "shensha" / "niangan.txt"), ToGbk(line));
}

}  // namespace
}  // namespace kelvara::refdata_build
