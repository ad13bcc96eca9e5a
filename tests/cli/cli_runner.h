#pragma once

// Runs a built program the way a person would from a shell, for the tests of
// the command line.

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvara::testing {

struct CliRun {
  int exit_code = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// `text` as one shell word.
std::string ShellQuoted(std::string_view text);

// Runs `program` with `args`, which are pasted into a shell command line (quote
// what needs it), inside `working_dir`, or a fresh empty directory when none is
// given, so that nothing can lean on the directory the tests run in.
CliRun RunProgram(const std::filesystem::path& program, const std::string& args,
                  const std::filesystem::path& working_dir = {});

// The kelvara-cli of this build, run from a fresh empty directory.
CliRun RunCli(const std::string& args);

}  // namespace kelvara::testing
