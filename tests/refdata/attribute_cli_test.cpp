// kelvara-cli attr: the attribute lookups on the command line, run as a
// person would from some other working directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../cli/cli_runner.h"
#include "base/executable_dir.h"
#include "fixture_directory.h"
#include "pillars/pillar_attributes.h"
#include "refdata/reference_store.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;
using testing::RunProgram;

class AttributeCliTest : public ::testing::Test {
 protected:
  CliRun Attr(const std::string& arguments) const {
    return RunProgram(ExecutableDirectory() / "kelvara-cli",
                      "attr " + arguments, elsewhere_.path());
  }

  testing::FixtureDirectory elsewhere_;  // the working directory
};

struct CliCase {
  const char* arguments;
  const char* output;
};

const CliCase kCliCases[] = {
    {"element 甲", "木\n"},
    {"element 酉", "金\n"},
    {"tengod 甲丙", "食神\n"},
    {"tengod 庚甲", "偏财\n"},
    {"nayin 甲子", "海中金\n"},
    {"nayin 癸亥", "大海水\n"},
    {"index 癸 0", "9\n"},
    {"index 亥 1", "11\n"},
    {"tally '金木   水火   土金   水木'",
     "金:占2个 0.25, 木:占2个 0.25, 水:占2个 0.25, 火:占1个 0.125, "
     "土:占1个 0.125.\n"},
    // 立春 of 2024 fell at 16:27 Beijing time.
    {"jie 2024-02-04 16:00:00", "1\n"},
    {"jie 2024-02-04 16:30", "0\n"},
    {"jie 2024-02-05 08:00:00", "0\n"},
};

TEST_F(AttributeCliTest, FindsTheReferenceFilesBesideItself) {
  for (const CliCase& c : kCliCases) {
    const CliRun run = Attr(c.arguments);
    EXPECT_EQ(run.exit_code, 0) << c.arguments << ": " << run.err;
    EXPECT_EQ(run.out, c.output) << c.arguments;
  }
}

TEST_F(AttributeCliTest, PrintsTheLongTextsWhole) {
  const ReferenceStore store = ReferenceStore::BesideExecutable();
  EXPECT_EQ(Attr("season 木 春").out, SeasonText(store, "木", "春") + "\n");
  EXPECT_EQ(Attr("climate 甲 寅").out, ClimateText(store, "甲", "寅") + "\n");
}

TEST_F(AttributeCliTest, BadMomentIsAUsageError) {
  const CliRun run = Attr("jie 2024-02-30 16:00:00");
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.err.find("无效"), std::string::npos) << run.err;
}

// A copy of the program in a directory without reference files finds nothing,
// even when started inside the directory that has them: the working directory
// never counts. The lookup failure is swallowed into an empty line.
TEST_F(AttributeCliTest, IgnoresFilesInTheWorkingDirectory) {
  const fs::path copy = elsewhere_.path() / "kelvara-cli";
  fs::copy_file(ExecutableDirectory() / "kelvara-cli", copy);
  const CliRun run = RunProgram(copy, "attr element 甲", ExecutableDirectory());
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "\n");
}

}  // namespace
}  // namespace kelvara
