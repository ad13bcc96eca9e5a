// kelvara-cli surname and netname, run from a directory other than the
// program's.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "../cli/cli_runner.h"
#include "base/text.h"
#include "names/surname_origin.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::RunCli;
using testing::RunProgram;
using testing::ShellQuoted;

TEST(SurnameCliTest, PrintsTheOriginOrTheList) {
  const ReferenceStore store(KELVARA_BIN_DIR);
  const CliRun wang = RunCli("surname 王");
  EXPECT_EQ(wang.exit_code, 0) << wang.err;
  EXPECT_EQ(wang.out, *SurnameOrigin(store, "王") + "\n");

  const CliRun padded = RunCli("surname ' 欧阳 '");
  EXPECT_EQ(padded.out, *SurnameOrigin(store, "欧阳") + "\n");

  std::string list;
  for (const std::string& s : SurnameList(store)) list += s + "\n";
  const CliRun all = RunCli("surname");
  EXPECT_EQ(all.exit_code, 0) << all.err;
  EXPECT_EQ(all.out, list);

  const CliRun unknown = RunCli("surname 甲");
  EXPECT_EQ(unknown.exit_code, 0);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "");
}

// Without the reference files beside it the program reports the failure.
TEST(SurnameCliTest, MissingReferenceFileIsReported) {
  std::string pattern =
      (fs::temp_directory_path() / "kelvara_names_bin.XXXXXX").string();
  const fs::path bin = mkdtemp(pattern.data());
  fs::copy_file(fs::path(KELVARA_BIN_DIR) / "kelvara-cli", bin / "kelvara-cli");
  const CliRun run = RunProgram(bin / "kelvara-cli", "surname 王");
  fs::remove_all(bin);
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("TarselBirth.dll"), std::string::npos) << run.err;
}

TEST(NetNameCliTest, PrintsTheTwoLinesOfTheWindow) {
  const struct {
    const char* label;
    std::string args;
    std::string out;
  } cases[] = {
      {"Chinese", "netname 小猫",
       "你的网名：小猫\n"
       "你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"
       "\n"},
      {"letters shown in upper case", "netname abc123",
       "你的网名：ABC123\n你的性格：可爱，较明显的自恋\n"},
      {"punctuation only", "netname '!!'", "你的网名：!!\n你的性格：\n"},
      {"not writable in GBK", "netname \"$(printf '\\360\\237\\230\\200')\"",
       "你的网名：\xF0\x9F\x98\x80\n请重新输入网名，请不要输入特殊字符！\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.exit_code, 0) << c.label << run.err;
    EXPECT_EQ(run.out, c.out) << c.label;
  }
}

TEST(NetNameCliTest, BlankNicknameIsRefused) {
  const CliRun run = RunCli("netname '  '");
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "请输入你的网名！\n");
}

TEST(NetNameCliTest, WritesGbkOnRequest) {
  const CliRun run = RunCli("--gbk netname tom0");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, ToGbk("你的网名：TOM0\n你的性格：煽情高手\n"));
}

}  // namespace
}  // namespace kelvara
