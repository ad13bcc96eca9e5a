#include "cli_runner.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>

#include "../refdata/fixture_directory.h"

namespace kelvara::testing {

namespace fs = std::filesystem;

std::string ShellQuoted(std::string_view text) {
  std::string out = "'";
  for (const char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out.push_back(c);
    }
  }
  return out + "'";
}

CliRun RunProgram(const fs::path& program, const std::string& args,
                  const fs::path& working_dir) {
  // Each run has its own directory for its output: tests run in parallel.
  std::string pattern =
      (fs::temp_directory_path() / "kelvara_cli.XXXXXX").string();
  const fs::path scratch = mkdtemp(pattern.data());
  const fs::path dir = working_dir.empty() ? scratch : working_dir;
  const std::string command =
      "cd " + ShellQuoted(dir.string()) + " && " +
      ShellQuoted(program.string()) + " " + args + " >" +
      ShellQuoted((scratch / "out.txt").string()) + " 2>" +
      ShellQuoted((scratch / "err.txt").string());
  const int status = std::system(command.c_str());
  CliRun run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFile(scratch / "out.txt");
  run.err = ReadFile(scratch / "err.txt");
  fs::remove_all(scratch);
  return run;
}

CliRun RunCli(const std::string& args) {
  return RunProgram(fs::path(KELVARA_BIN_DIR) / "kelvara-cli", args);
}

}  // namespace kelvara::testing
