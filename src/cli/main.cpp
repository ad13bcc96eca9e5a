// kelvara-cli: every reading of the program on the command line, printing the
// lines the window shows.

#include <CLI/CLI.hpp>

#include "cli/cli_output.h"
#include "cli/commands.h"
#include "refdata/reference_store.h"

int main(int argc, char** argv) {
  using namespace kelvara::cli;
  CLI::App app{"Kelvara 命理工具的命令行版本: 每个测算打印与窗口相同的文字。",
               "kelvara-cli"};
  app.require_subcommand(1);
  app.add_flag_callback(
      "--gbk", [] { Out().SetGbk(true); }, "以 GBK 编码输出 (默认 UTF-8)");
  app.fallthrough();

  AddCalendarCommands(app);
  AddBirthCommand(app);
  AddAttributeCommands(app);
  AddPillarCommands(app);
  AddNameCommands(app);
  AddSurnameAndNetNameCommands(app);
  AddNamingCommand(app);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kUsageError;
  } catch (const UsageFailure&) {
    return kUsageError;
  } catch (const kelvara::LookupError& error) {
    // A reference file that cannot be read: say which, never abort.
    Out().Error(error.what());
    return kUsageError;
  }
  return 0;
}
