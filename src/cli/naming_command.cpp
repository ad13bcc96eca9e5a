#include <memory>
#include <optional>
#include <string>

#include "app/birth_input.h"
#include "app/report_document.h"
#include "base/text.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "names/naming_handbook.h"
#include "refdata/failure_policy.h"
#include "refdata/reference_store.h"

namespace kelvara::cli {
namespace {

struct NamingArguments {
  std::string surname;
  int mode = 2;
  std::optional<int> pick;
  std::optional<std::string> given;
};

// The surname (and a trial given name) are checked as the record reader
// checks the names of the input strip.
void CheckNamesOrFail(const std::string& surname,
                      const std::optional<std::string>& given) {
  const auto missing = MissingNameMessage(surname, given.value_or("名"));
  if (!missing) return;
  Out().Error(*missing);
  throw UsageFailure{};
}

void PrintSuggestions(const ReferenceStore& store,
                      const NamingArguments& args) {
  const GivenNameMode mode = args.mode == 1 ? GivenNameMode::kOneCharacter
                                            : GivenNameMode::kTwoCharacters;
  const StrokeSuggestions suggestions =
      GoodStrokeSearch(store, Trim(args.surname), mode);
  if (!args.pick) {
    // The window shows an empty list; here an empty output would look like a
    // fault, so say why on standard error.
    if (suggestions.empty()) {
      Out().Error(
          "姓“" + Trim(args.surname) + "”按" +
          (mode == GivenNameMode::kOneCharacter ? "一个字名" : "两个字名") +
          "没有合适的笔画方式。");
    }
    for (const StrokeSuggestion& suggestion : suggestions) {
      Out().Line(
          SuggestionItemText(suggestion, mode, SuggestionWording::kOnShow));
    }
    return;
  }
  const int pick = *args.pick;
  if (pick > static_cast<int>(suggestions.size())) {
    Out().Error("--pick " + std::to_string(pick) + ": 只有 " +
                std::to_string(suggestions.size()) + " 种笔画方式");
    throw UsageFailure{};
  }
  const StrokeSuggestion& suggestion =
      suggestions[static_cast<std::size_t>(pick - 1)];
  Out().Line(SuggestionItemText(suggestion, mode, SuggestionWording::kOnShow));
  Out().Line("名第一字:" +
             CharactersWithStrokes(store, suggestion.first).value_or(""));
  if (mode == GivenNameMode::kTwoCharacters) {
    Out().Line("名第两字:" +
               CharactersWithStrokes(store, suggestion.second).value_or(""));
  }
}

}  // namespace

void AddNamingCommand(CLI::App& app) {
  auto* naming = app.add_subcommand(
      "naming",
      "取名宝典: 按姓氏推荐名字的笔画方式; --pick 列出所选方式的字, "
      "--given 测算新名字");
  auto args = std::make_shared<NamingArguments>();
  naming->add_option("--surname", args->surname, "姓氏, 如 王 或 欧阳")
      ->required();
  naming->add_option("--mode", args->mode, "1: 一个字名, 2: 两个字名 (默认 2)")
      ->check(CLI::IsMember({1, 2}));
  auto* pick = naming
                   ->add_option("--pick", args->pick,
                                "第几种笔画方式 (从 1 数起): 打印它的字")
                   ->check(CLI::PositiveNumber);
  naming
      ->add_option("--given", args->given,
                   "要测算的新名字 (新名字测试): 打印三才、五格与分析")
      ->excludes(pick);
  naming->callback([args] {
    CheckNamesOrFail(args->surname, args->given);
    const ReferenceStore store = ReferenceStore::BesideExecutable();
    RunAbandoningSilently([&] {
      if (!args->given) return PrintSuggestions(store, *args);
      // Each line is printed as it is written: a failed lookup keeps the
      // lines before it.
      ReportDocument reading;
      reading.SetListener([&reading](ReportDocument::Change change) {
        if (change == ReportDocument::Change::kLineAdded) {
          Out().Line(reading.lines().back());
        }
      });
      TrialNameReading(store, args->surname, *args->given, reading);
    });
  });
}

}  // namespace kelvara::cli
