#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "refdata/reference_store.h"

namespace kelvara {
namespace {

// Every table the readings use, with its columns in order as "name TYPE", and
// "name TYPE key" for a text column lookups match on (compared ignoring ASCII
// case). Written out here by hand so the build's own schema is checked against
// an independent list.
struct ExpectedTable {
  ReferenceFile file;
  const char* table;
  std::vector<const char*> columns;
};

const ExpectedTable kExpectedTables[] = {
    {ReferenceFile::kDream, "chenggu1", {"year TEXT key", "weight REAL"}},
    {ReferenceFile::kDream, "chenggu2", {"month2 TEXT key", "weight REAL"}},
    {ReferenceFile::kDream, "chenggu3", {"day2 TEXT key", "weight REAL"}},
    {ReferenceFile::kDream, "chenggu4", {"time TEXT key", "weight REAL"}},
    {ReferenceFile::kDream,
     "chenggu",
     {"weight TEXT key", "content TEXT", "content2 TEXT"}},
    {ReferenceFile::kDream,
     "shouji",
     {"num TEXT key", "title TEXT", "jx TEXT", "content TEXT"}},
    {ReferenceFile::kDream,
     "xingzuolove",
     {"xingzuo1 TEXT key", "xingzuo2 TEXT key", "title TEXT", "content1 TEXT",
      "content2 TEXT"}},

    {ReferenceFile::kTarselFile, "bihua", {"hanzi TEXT key", "num TEXT key"}},
    {ReferenceFile::kTarselFile, "zhiwen", {"zhiwen TEXT key", "content TEXT"}},
    {ReferenceFile::kTarselFile,
     "zhuge",
     {"id TEXT key", "title TEXT", "content TEXT"}},
    {ReferenceFile::kTarselFile, "ndeq", {"title TEXT key", "content TEXT"}},
    {ReferenceFile::kTarselFile, "aiqing", {"title TEXT key", "content TEXT"}},
    {ReferenceFile::kTarselFile, "mingren", {"title TEXT key", "content TEXT"}},
    {ReferenceFile::kTarselFile, "baojian", {"title TEXT key", "content TEXT"}},
    {ReferenceFile::kTarselFile, "qingxv", {"title TEXT key", "content TEXT"}},
    {ReferenceFile::kTarselFile, "shiye", {"title TEXT key", "content TEXT"}},
    {ReferenceFile::kTarselFile,
     "sancai",
     {"title TEXT key", "djc INTEGER", "content TEXT"}},
    {ReferenceFile::kTarselFile, "sancai2009", {"title TEXT key", "yy TEXT"}},
    {ReferenceFile::kTarselFile,
     "81",
     {"num INTEGER", "yy TEXT", "jx TEXT", "as TEXT", "content TEXT"}},
    {ReferenceFile::kTarselFile, "namefx", {"num TEXT key", "content TEXT"}},
    {ReferenceFile::kTarselFile,
     "shuxianglove",
     {"shengxiao1 TEXT key", "shengxiao2 TEXT key", "title TEXT",
      "content1 TEXT", "content2 TEXT", "content3 TEXT", "content4 TEXT"}},
    {ReferenceFile::kTarselFile,
     "xuexinglove",
     {"xuexing1 TEXT key", "xuexing2 TEXT key", "title2 TEXT", "content TEXT"}},

    {ReferenceFile::kTarselBirth,
     "Noter",
     {"Cid TEXT key", "Tite TEXT", "content TEXT"}},
    {ReferenceFile::kTarselBirth, "QQpd", {"bihua TEXT key", "intro TEXT"}},
    {ReferenceFile::kTarselBirth,
     "huangdao",
     {"gn TEXT key", "nn TEXT", "suici TEXT", "tszf TEXT", "wuhang TEXT",
      "cong TEXT", "pzbj TEXT", "jsyq TEXT", "yi TEXT", "xsyq TEXT",
      "ji TEXT"}},
    {ReferenceFile::kTarselBirth,
     "xing",
     {"id INTEGER", "xingl TEXT key", "intro TEXT"}},

    {ReferenceFile::kTgcode, "hzwh", {"hz TEXT key", "wh TEXT"}},
    {ReferenceFile::kTgcode, "Shishen", {"jiazi TEXT key", "ShiShen TEXT"}},
    {ReferenceFile::kTgcode,
     "jiazi",
     {"jiazi TEXT key", "layin TEXT", "ws TEXT"}},
    {ReferenceFile::kTgcode,
     "sjrs",
     {"wh TEXT key", "sj TEXT key", "sjrs TEXT"}},
    {ReferenceFile::kTgcode,
     "qtbj",
     {"tg TEXT key", "dz TEXT key", "content TEXT"}},
    {ReferenceFile::kTgcode,
     "JQ",
     {"YearA INTEGER", "JQ TEXT key", "SJ TEXT key"}},
    {ReferenceFile::kTgcode,
     "64gua",
     {"ID INTEGER", "GuaCode TEXT key", "GuaTite TEXT", "GuaValue TEXT"}},
};

std::vector<std::string> ActualColumns(const ReferenceStore& store,
                                       ReferenceFile file,
                                       const std::string& table) {
  const LookupRows create = store.Lookup(
      file, "select sql from sqlite_master where type = 'table' and name = ?",
      {table});
  if (create.empty()) return {};
  const std::string sql = create[0].Text(0);
  std::vector<std::string> columns;
  for (const LookupRow& row : store.Lookup(
           file, "select name, type from pragma_table_info(?)", {table})) {
    std::string column = row.Text("name") + " " + row.Text("type");
    if (sql.find("\"" + row.Text("name") + "\" TEXT COLLATE NOCASE") !=
        std::string::npos) {
      column += " key";
    }
    columns.push_back(column);
  }
  return columns;
}

TEST(ReferenceSchemaTest, EveryTableHasItsColumnsBesideTheExecutable) {
  const ReferenceStore store = ReferenceStore::BesideExecutable();
  for (const ExpectedTable& expected : kExpectedTables) {
    const std::vector<std::string> want(expected.columns.begin(),
                                        expected.columns.end());
    EXPECT_EQ(ActualColumns(store, expected.file, expected.table), want)
        << FileNameOf(expected.file) << " " << expected.table;
  }
}

TEST(ReferenceSchemaTest, NoFileHoldsTablesBeyondTheSchema) {
  const ReferenceStore store = ReferenceStore::BesideExecutable();
  for (const ReferenceFile file : kReferenceFiles) {
    std::set<std::string> want;
    for (const ExpectedTable& expected : kExpectedTables) {
      if (expected.file == file) want.insert(expected.table);
    }
    std::set<std::string> have;
    for (const LookupRow& row : store.Lookup(
             file, "select name from sqlite_master where type = 'table'")) {
      have.insert(row.Text(0));
    }
    EXPECT_EQ(have, want) << FileNameOf(file);
  }
}

TEST(ReferenceSchemaTest, ShenshaTablesLieBesideTheExecutable) {
  const ReferenceStore store = ReferenceStore::BesideExecutable();
  for (const char* name :
       {"niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt", "rizhi.txt",
        "rizhu.txt", "rizhus.txt"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(store.ShenshaPathOf(name)))
        << name;
  }
}

}  // namespace
}  // namespace kelvara
