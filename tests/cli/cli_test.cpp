// Runs the real kelvara-cli, from a directory other than its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "../refdata/fixture_directory.h"
#include "cli_runner.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::ReadFile;
using testing::RunCli;

TEST(CliTest, LunarPrintsOneLinePerDay) {
  const CliRun r = RunCli("lunar 2017-08-20 2017-08-22");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "2017-08-20\t2017\t6\t29\t1\n"
            "2017-08-21\t2017\t6\t30\t1\n"
            "2017-08-22\t2017\t7\t1\t0\n");
  EXPECT_EQ(RunCli("lunar 1900-01-30").out, "1900-01-30\t0\t0\t0\t0\n");
}

TEST(CliTest, SolarConvertsLunarDates) {
  EXPECT_EQ(RunCli("solar 2001 4 1 --leap").out, "2001-05-23\n");
  EXPECT_EQ(RunCli("solar 2001 4 1").out, "2001-04-23\n");
  EXPECT_EQ(RunCli("solar 2020 4 30 --leap").out, "0001-01-01\n");
}

TEST(CliTest, DayPrintsEveryFactOfTheDay) {
  const CliRun r = RunCli("day 2024-02-09 2024-02-10");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "2024-02-09\t1230\t腊月\t三十\t除夕\t\t\t卯兔\t水瓶座\n"
            "2024-02-10\t101\t正月\t初一\t春节\t\t\t辰龙\t水瓶座\n");
  EXPECT_EQ(RunCli("day 2024-05-12").out,
            "2024-05-12\t405\t四月\t初五\t\t母亲节\t\t辰龙\t金牛座\n");
}

TEST(CliTest, BirthPrintsTheHeaderLine) {
  const CliRun r = RunCli(
      "birth --surname 张 --given=三 --calendar 农历 --year 1990 --month 5 "
      "--day 7 --hour-item '巳 10' --today 2024-06-01");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "张三,你今年:34岁,您出生于公历 1990年05月30日10点  农历 "
            "庚午(马年)五月初七 生肖:马 星座:双子座\n");
}

TEST(CliTest, BaziPrintsTheReportTheWindowShows) {
  const CliRun r = RunCli("bazi --surname 张 --given 三 --today 2026-12-11");
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, ReadFile(fs::path(KELVARA_SOURCE_DIR) / "tests" / "golden" /
                            "four_pillars_zhang_san.txt"));
  const CliRun bone = RunCli(
      "birthinfo --kind bone --surname 李 --given 四 --sex 女 --blood B型 "
      "--year 1975 "
      "--month 11 --day 23 --hour-item '卯 6' --minute 45 --today 2026-12-11");
  EXPECT_EQ(bone.out, ReadFile(fs::path(KELVARA_SOURCE_DIR) / "tests" /
                               "golden" / "birth_info_bone_weight.txt"));
  const CliRun stopped = RunCli("bazi --surname 张 --given 三 --minute abc");
  EXPECT_EQ(stopped.exit_code, 0);
  EXPECT_EQ(std::count(stopped.out.begin(), stopped.out.end(), '\n'), 5);
  EXPECT_EQ(RunCli("bazi --surname 张 --given 三 --blood ''").err,
            "血型不能为空!\n");
}

TEST(CliTest, RefusalsGoToStandardErrorWithCodeTwo) {
  const struct {
    const char* args;
    const char* message;
  } cases[] = {
      {"birth --given 三", "姓不能为空!\n"},
      {"birth --surname 张", "名不能为空!\n"},
      {"birth --surname 张 --given 三 --month 2 --day 30",
       "公历1990年2月30日不存在!\n"},
      {"birth --surname 张三李 --given 三", "姓最多两个汉字(4个字节)!\n"},
      {"birth --surname 张 --given 三 --today 2024-02-30",
       "日期“2024-02-30”无效:请写成 YYYY-MM-DD 形式的存在的公历日期。\n"},
      {"lunar 2024-01-02 2024-01-01", "结束日期早于开始日期。\n"},
  };
  for (const auto& c : cases) {
    const CliRun r = RunCli(c.args);
    EXPECT_EQ(r.exit_code, 2) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_EQ(r.err, c.message) << c.args;
  }
}

TEST(CliTest, ArgumentErrorsAndHelp) {
  EXPECT_EQ(RunCli("").exit_code, 2);
  EXPECT_EQ(RunCli("lunar").exit_code, 2);
  EXPECT_EQ(RunCli("solar 2001 x 1").exit_code, 2);
  EXPECT_EQ(RunCli("birth --calendar 阴历").exit_code, 2);
  EXPECT_EQ(RunCli("nosuchcommand").exit_code, 2);
  for (const char* args :
       {"--help", "lunar --help", "solar --help", "day --help", "birth --help",
        "bazi --help", "birthinfo --help"}) {
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.exit_code, 0) << args;
    EXPECT_NE(r.out.find("Usage"), std::string::npos) << args;
  }
}

TEST(CliTest, GbkOutputOnRequest) {
  EXPECT_EQ(
      RunCli("--gbk day 2024-02-10").out,
      "2024-02-10\t101\t\xD5\xFD\xD4\xC2\t\xB3\xF5\xD2\xBB\t\xB4\xBA\xBD\xDA"
      "\t\t\t\xB3\xBD\xC1\xFA\t\xCB\xAE\xC6\xBF\xD7\xF9\n");
  EXPECT_EQ(RunCli("day 2024-02-10 --gbk").out,
            RunCli("--gbk day 2024-02-10").out);
}

}  // namespace
}  // namespace kelvara
