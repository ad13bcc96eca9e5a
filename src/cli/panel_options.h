#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "app/birth_input.h"

namespace kelvara::cli {

// The input strip's fields as options, with the strip's defaults, plus
// --today.
struct PanelArguments {
  BirthPanel panel;
  std::string calendar = "公历";
  std::string today;
};

// Adds --surname --given --sex --blood --calendar --year --month --day
// --hour-item --minute --today to a command.
std::shared_ptr<PanelArguments> AddPanelOptions(CLI::App& command);

// Fixes today (when --today was given) and reads the record like the window
// does. On a refusal the message goes to stderr and UsageFailure is thrown.
BirthData ReadPanelOrFail(const PanelArguments& arguments, bool blood_required);

}  // namespace kelvara::cli
