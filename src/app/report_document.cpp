#include "app/report_document.h"

#include "base/text.h"

namespace kelvara {

void ReportDocument::ClearDocument() {
  lines_.clear();
  Notify(Change::kCleared);
}

void ReportDocument::AddLine(std::string_view line) {
  lines_.emplace_back(line);
  visible_ = true;
  Notify(Change::kLineAdded);
}

void ReportDocument::ReplaceLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  visible_ = true;
  Notify(Change::kReplaced);
}

void ReportDocument::ShowDocumentTop() { Notify(Change::kShowTop); }

std::string ReportDocument::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines_[i];
  }
  return text;
}

void ReportDocument::Notify(Change change) const {
  if (listener_) listener_(change);
}

std::vector<std::string> LinesOfTextFile(std::string_view bytes) {
  const std::size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  return SplitLines(TextFromFileBytes(bytes));
}

}  // namespace kelvara
