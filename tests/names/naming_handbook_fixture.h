#pragma once

#include <string>

#include "../refdata/fixture_directory.h"

namespace kelvara::testing {

// Counts of the fixture: 一 1, 阳 3, 王 4, 字 学 6, 欧 8, 娟 真 10, 丰 11,
// 巨 21. The `hanzi` of 6 strokes is stored with blanks around it.
inline constexpr char kHandbookBihua[] =
    "hanzi\tnum\n"
    "一\t1\n"
    "阳\t3\n"
    "王\t4\n"
    "  字学 \t6\n"
    "欧\t8\n"
    "娟真\t10\n"
    "丰\t11\n"
    "巨\t21\n";

// Grade 1: 木土金, 火土金, 土火木; 木土土 has grade 2. Every other
// configuration has no row.
inline constexpr char kHandbookSancai[] =
    "title\tdjc\tcontent\n"
    "木土金\t1\t木疏厚土，土生金而金成器。\n"
    "木土土\t2\t土重木折，根基难固。\n"
    "火土金\t1\t火生土，土生金，三才相生。\n"
    "土火木\t1\t木生火而火生土，福泽绵长。\n";

// Only 2, 5 and 11 have an analysis.
inline constexpr char kHandbookNamefx[] =
    "num\tcontent\n"
    "2\t二数之析。\n"
    "5\t五数之析。\n"
    "11\t十一数之析。\n";

inline void WriteHandbookTables(const FixtureDirectory& dir,
                                const std::string& sancai = kHandbookSancai) {
  dir.WriteSource("TarselFile.dll", "bihua", kHandbookBihua);
  dir.WriteSource("TarselFile.dll", "sancai", sancai);
  dir.WriteSource("TarselFile.dll", "namefx", kHandbookNamefx);
  dir.Build();
}

// Every configuration whose 天 element is 木, all of grade 1.
inline std::string AllWoodConfigurationsBest() {
  std::string sancai = "title\tdjc\tcontent\n";
  for (const char* second : {"木", "火", "土", "金", "水"}) {
    for (const char* third : {"木", "火", "土", "金", "水"}) {
      sancai += std::string("木") + second + third + "\t1\t三才相生。\n";
    }
  }
  return sancai;
}

}  // namespace kelvara::testing
