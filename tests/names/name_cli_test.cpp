// The name commands of the real kelvara-cli, run from a directory other than
// its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../cli/cli_runner.h"
#include "../refdata/fixture_directory.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::RunCli;

TEST(NameCliTest, StrokesPrintsOneCountPerCharacter) {
  const CliRun r = RunCli("strokes 王小明 歐陽 a \"'\"");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "王\t4\n小\t3\n明\t8\n歐\t15\n陽\t17\na\t0\n'\t0\n");
}

TEST(NameCliTest, NamePrintsTheReportOfTheWindow) {
  const CliRun r = RunCli("name --surname 王 --given 小明 --today 2024-06-01");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            testing::ReadFile(fs::path(KELVARA_SOURCE_DIR) / "tests" /
                              "golden" / "name_report_wang_xiaoming.txt"));
}

TEST(NameCliTest, SancaiPrintsTheThreeTalentReading) {
  const CliRun r = RunCli("sancai --surname 王 --given 小明");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
            "王小明,您的三才为土金木,经系统分析如下:");
}

TEST(NameCliTest, MissingSurnameIsRefused) {
  const CliRun r = RunCli("name --given 小明");
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "姓不能为空!\n");
}

}  // namespace
}  // namespace kelvara
