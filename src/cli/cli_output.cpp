#include "cli/cli_output.h"

#include <cstdio>

#include "app/report_document.h"
#include "base/text.h"

namespace kelvara::cli {
namespace {

void Write(std::FILE* stream, std::string_view text, bool gbk) {
  const std::string bytes = gbk ? ToGbk(text) : std::string(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fputc('\n', stream);
}

}  // namespace

void Output::Line(std::string_view text) const { Write(stdout, text, gbk_); }

void Output::Error(std::string_view text) const { Write(stderr, text, gbk_); }

Output& Out() {
  static Output output;
  return output;
}

std::optional<DateTime> ParseDateArgument(std::string_view text) {
  auto date = ParseIsoDate(text);
  if (!date) {
    Out().Error("日期“" + std::string(text) +
                "”无效:请写成 YYYY-MM-DD 形式的存在的公历日期。");
  }
  return date;
}

void PrintDocument(const ReportDocument& document) {
  for (const std::string& line : document.lines()) Out().Line(line);
}

}  // namespace kelvara::cli
