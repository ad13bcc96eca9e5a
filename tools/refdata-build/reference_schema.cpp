#include "reference_schema.h"

#include <array>

namespace kelvara::refdata_build {
namespace {

using K = ColumnKind;

// A key column, matched by its lookups.
constexpr ColumnDef KeyColumn(std::string_view name,
                              ColumnKind kind = K::kText) {
  return {name, kind, true, false, false};
}
// A key column that also gets an index.
constexpr ColumnDef IndexedKeyColumn(std::string_view name,
                                     ColumnKind kind = K::kText) {
  return {name, kind, true, true, false};
}
// A key column of the table's primary key.
constexpr ColumnDef PrimaryKeyColumn(std::string_view name,
                                     ColumnKind kind = K::kText) {
  return {name, kind, true, false, true};
}
constexpr ColumnDef ValueColumn(std::string_view name,
                                ColumnKind kind = K::kText) {
  return {name, kind, false, false, false};
}

// --- dream.dll --------------------------------------------------------------
constexpr ColumnDef kChenggu1[] = {KeyColumn("year"),
                                   ValueColumn("weight", K::kReal)};
constexpr ColumnDef kChenggu2[] = {KeyColumn("month2"),
                                   ValueColumn("weight", K::kReal)};
constexpr ColumnDef kChenggu3[] = {KeyColumn("day2"),
                                   ValueColumn("weight", K::kReal)};
constexpr ColumnDef kChenggu4[] = {KeyColumn("time"),
                                   ValueColumn("weight", K::kReal)};
constexpr ColumnDef kChenggu[] = {KeyColumn("weight"), ValueColumn("content"),
                                  ValueColumn("content2")};
constexpr ColumnDef kShouji[] = {KeyColumn("num"), ValueColumn("title"),
                                 ValueColumn("jx"), ValueColumn("content")};
constexpr ColumnDef kXingzuolove[] = {
    KeyColumn("xingzuo1"), KeyColumn("xingzuo2"), ValueColumn("title"),
    ValueColumn("content1"), ValueColumn("content2")};

constexpr TableDef kDreamTables[] = {
    {"chenggu1", kChenggu1},       {"chenggu2", kChenggu2},
    {"chenggu3", kChenggu3},       {"chenggu4", kChenggu4},
    {"chenggu", kChenggu},         {"shouji", kShouji},
    {"xingzuolove", kXingzuolove},
};

// --- TarselFile.dll ---------------------------------------------------------
constexpr ColumnDef kBihua[] = {KeyColumn("hanzi"), IndexedKeyColumn("num")};
constexpr ColumnDef kZhiwen[] = {KeyColumn("zhiwen"),
                                 ValueColumn("content", K::kScrambled)};
constexpr ColumnDef kZhuge[] = {KeyColumn("id"), ValueColumn("title"),
                                ValueColumn("content", K::kScrambled)};
// The six constellation facets share one layout.
constexpr ColumnDef kFacet[] = {KeyColumn("title"), ValueColumn("content")};
constexpr ColumnDef kSancai[] = {KeyColumn("title"),
                                 KeyColumn("djc", K::kWhole),
                                 ValueColumn("content", K::kScrambled)};
constexpr ColumnDef kSancai2009[] = {KeyColumn("title"), ValueColumn("yy")};
constexpr ColumnDef k81[] = {KeyColumn("num", K::kWhole), ValueColumn("yy"),
                             ValueColumn("jx"), ValueColumn("as"),
                             ValueColumn("content")};
constexpr ColumnDef kNamefx[] = {KeyColumn("num"),
                                 ValueColumn("content", K::kScrambled)};
constexpr ColumnDef kShuxianglove[] = {KeyColumn("shengxiao1"),
                                       KeyColumn("shengxiao2"),
                                       ValueColumn("title"),
                                       ValueColumn("content1", K::kScrambled),
                                       ValueColumn("content2", K::kScrambled),
                                       ValueColumn("content3", K::kScrambled),
                                       ValueColumn("content4", K::kScrambled)};
constexpr ColumnDef kXuexinglove[] = {
    KeyColumn("xuexing1"), KeyColumn("xuexing2"), ValueColumn("title2"),
    ValueColumn("content", K::kScrambled)};

constexpr TableDef kTarselFileTables[] = {
    {"bihua", kBihua},
    {"zhiwen", kZhiwen},
    {"zhuge", kZhuge},
    {"ndeq", kFacet},
    {"aiqing", kFacet},
    {"mingren", kFacet},
    {"baojian", kFacet},
    {"qingxv", kFacet},
    {"shiye", kFacet},
    {"sancai", kSancai},
    {"sancai2009", kSancai2009},
    {"81", k81},
    {"namefx", kNamefx},
    {"shuxianglove", kShuxianglove},
    {"xuexinglove", kXuexinglove},
};

// --- TarselBirth.dll --------------------------------------------------------
constexpr ColumnDef kNoter[] = {KeyColumn("Cid"), ValueColumn("Tite"),
                                ValueColumn("content")};
constexpr ColumnDef kQQpd[] = {KeyColumn("bihua"), ValueColumn("intro")};
constexpr ColumnDef kHuangdao[] = {PrimaryKeyColumn("gn", K::kDate),
                                   ValueColumn("nn"),
                                   ValueColumn("suici"),
                                   ValueColumn("tszf"),
                                   ValueColumn("wuhang"),
                                   ValueColumn("cong"),
                                   ValueColumn("pzbj"),
                                   ValueColumn("jsyq"),
                                   ValueColumn("yi"),
                                   ValueColumn("xsyq"),
                                   ValueColumn("ji")};
constexpr ColumnDef kXing[] = {ValueColumn("id", K::kWhole),
                               IndexedKeyColumn("xingl"), ValueColumn("intro")};

constexpr TableDef kTarselBirthTables[] = {
    {"Noter", kNoter},
    {"QQpd", kQQpd},
    {"huangdao", kHuangdao},
    {"xing", kXing},
};

// --- Tgcode.dll -------------------------------------------------------------
constexpr ColumnDef kHzwh[] = {KeyColumn("hz"), ValueColumn("wh")};
constexpr ColumnDef kShishen[] = {KeyColumn("jiazi"), ValueColumn("ShiShen")};
constexpr ColumnDef kJiazi[] = {KeyColumn("jiazi"), ValueColumn("layin"),
                                ValueColumn("ws")};
constexpr ColumnDef kSjrs[] = {KeyColumn("wh"), KeyColumn("sj"),
                               ValueColumn("sjrs")};
constexpr ColumnDef kQtbj[] = {KeyColumn("tg"), KeyColumn("dz"),
                               ValueColumn("content")};
constexpr ColumnDef kJq[] = {PrimaryKeyColumn("YearA", K::kWhole),
                             PrimaryKeyColumn("JQ"),
                             KeyColumn("SJ", K::kDateTime)};
constexpr ColumnDef k64gua[] = {KeyColumn("ID", K::kWhole),
                                KeyColumn("GuaCode"), ValueColumn("GuaTite"),
                                ValueColumn("GuaValue")};

constexpr TableDef kTgcodeTables[] = {
    {"hzwh", kHzwh}, {"Shishen", kShishen}, {"jiazi", kJiazi}, {"sjrs", kSjrs},
    {"qtbj", kQtbj}, {"JQ", kJq},           {"64gua", k64gua},
};

constexpr FileDef kFiles[] = {
    {"dream.dll", kDreamTables},
    {"TarselFile.dll", kTarselFileTables, 65536},
    {"TarselBirth.dll", kTarselBirthTables},
    {"Tgcode.dll", kTgcodeTables},
};

constexpr std::string_view kShenshaTables[] = {
    "niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt",
    "rizhi.txt",   "rizhu.txt",   "rizhus.txt"};

}  // namespace

std::span<const FileDef> ReferenceSchema() { return kFiles; }

std::span<const std::string_view> ShenshaTableNames() { return kShenshaTables; }

std::string_view DeclaredType(ColumnKind kind) {
  switch (kind) {
    case ColumnKind::kWhole:
      return "INTEGER";
    case ColumnKind::kReal:
      return "REAL";
    case ColumnKind::kText:
    case ColumnKind::kScrambled:
    case ColumnKind::kDate:
    case ColumnKind::kDateTime:
      return "TEXT";
  }
  return "TEXT";
}

}  // namespace kelvara::refdata_build
