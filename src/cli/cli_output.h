#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/datetime.h"

namespace kelvara {
class ReportDocument;
}

namespace kelvara::cli {

// Exit code of a refused argument or a validation message.
inline constexpr int kUsageError = 2;

// Where every command writes: lines in UTF-8, or in GBK with --gbk.
class Output {
 public:
  void SetGbk(bool gbk) { gbk_ = gbk; }
  // One line on standard output.
  void Line(std::string_view text) const;
  // One message on standard error.
  void Error(std::string_view text) const;

 private:
  bool gbk_ = false;
};

Output& Out();

// Every line of a reading's document, through Out().
void PrintDocument(const ReportDocument& document);

// A date of the command line (YYYY-MM-DD), or a message on stderr and nullopt.
std::optional<DateTime> ParseDateArgument(std::string_view text);

// Thrown by a command to end with the usage exit code; the message has been
// written already.
struct UsageFailure {};

}  // namespace kelvara::cli
