#pragma once

#include <string>

#include "../refdata/fixture_directory.h"

namespace kelvara::testing {

// The TarselFile.dll tables of the name readings with a few controlled rows,
// built by the real build code:
// - bihua: 一 1, 子 3, 王 玉 4, 宇 阳 6, 欧 8, 娟 真 10, 丰 40, 巨 50;
// - 81: every number 1..81 except 27, with the texts "数n之诗。", "判n",
//   "示n", "解n" (the verse of 5 written with blanks around it);
// - sancai: the grades 1..7 on 木木木 .. 木火火, 0 on 木火土, 9 on 木火金, none
//   on 木火水, 3 on 土水金, 5 on 火水火; 土金金 has no row;
// - sancai2009: 土水金 (with blanks around its verdict) and 木木木 only.
inline void WriteNameTables(const FixtureDirectory& dir) {
  dir.WriteSource("TarselFile.dll", "bihua",
                  "hanzi\tnum\n"
                  "一\t1\n"
                  "子\t3\n"
                  "王玉\t4\n"
                  "宇阳\t6\n"
                  "欧\t8\n"
                  "娟真\t10\n"
                  "丰\t40\n"
                  "巨\t50\n");
  std::string numbers = "num\tyy\tjx\tas\tcontent\n";
  for (int n = 1; n <= 81; ++n) {
    if (n == 27) continue;
    const std::string s = std::to_string(n);
    const std::string verse = n == 5 ? "  数5之诗。 " : "数" + s + "之诗。";
    numbers += s + "\t" + verse + "\t判" + s + "\t示" + s + "\t解" + s + "\n";
  }
  dir.WriteSource("TarselFile.dll", "81", numbers);
  dir.WriteSource("TarselFile.dll", "sancai",
                  "title\tdjc\tcontent\n"
                  "木木木\t1\t三木成林。\n"
                  "木木火\t2\t木火通明。\n"
                  "木木土\t3\t木疏厚土。\n"
                  "木木金\t4\t金来伐木。\n"
                  "木木水\t5\t水润林木。\n"
                  "木火木\t6\t火居木中。\n"
                  "木火火\t7\t火势炎上。\n"
                  "木火土\t0\t火生厚土。\n"
                  "木火金\t9\t火炼真金。\n"
                  "木火水\t\t水火交战。\n"
                  "土水金\t3\t土制水而金生水，上下相扶。\n"
                  "火水火\t5\t水火相激。\n");
  dir.WriteSource("TarselFile.dll", "sancai2009",
                  "title\tyy\n"
                  "土水金\t  中吉：上下相扶，进退有据。 \n"
                  "木木木\t大吉：三木成林。\n");
  dir.Build();
}

}  // namespace kelvara::testing
