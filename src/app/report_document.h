#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

// The main window's result document: ordered lines of text that the readings
// clear and append to. A window binds itself through the change callback; the
// core never knows how the lines are shown.
class ReportDocument {
 public:
  enum class Change {
    kCleared,    // every line removed
    kLineAdded,  // one line appended at the end (see lines().back())
    kReplaced,   // every line replaced at once (an opened file)
    kShowTop,    // the view should go back to the first line
  };
  using Listener = std::function<void(Change)>;

  // Removes every line. A document that was never shown stays hidden.
  void ClearDocument();
  // Appends one line ("" appends an empty line) and makes the document
  // visible for good.
  void AddLine(std::string_view line);
  // Replaces every line (an opened file) and makes the document visible.
  void ReplaceLines(std::vector<std::string> lines);
  // After a reading: the view goes back to the beginning; the lines stay.
  void ShowDocumentTop();

  const std::vector<std::string>& lines() const { return lines_; }
  // False until the first line is written; true from then on.
  bool visible() const { return visible_; }
  // All lines joined with "\n".
  std::string Text() const;

  void SetListener(Listener listener) { listener_ = std::move(listener); }

 private:
  void Notify(Change change) const;

  std::vector<std::string> lines_;
  bool visible_ = false;
  Listener listener_;
};

// The lines of a text file's bytes: UTF-8 or GBK (see TextFromFileBytes),
// lines ending at CR LF, LF or CR, a NUL byte ending the text. A last line
// without an ending counts; an ending at the very end adds no empty line.
std::vector<std::string> LinesOfTextFile(std::string_view bytes);

}  // namespace kelvara
