#pragma once

#include <CLI/CLI.hpp>

namespace kelvara::cli {

// Each group of readings adds its subcommands to the application.
void AddCalendarCommands(CLI::App& app);
void AddBirthCommand(CLI::App& app);
void AddAttributeCommands(CLI::App& app);
void AddPillarCommands(CLI::App& app);
void AddNameCommands(CLI::App& app);
void AddSurnameAndNetNameCommands(CLI::App& app);
void AddNamingCommand(CLI::App& app);

}  // namespace kelvara::cli
