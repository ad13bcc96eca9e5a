#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara::tsv {

// The tables of texts and facts in data/ are kept as TSV files; the build's
// generators read them with this parser. It needs nothing but the standard
// library, so generators whose output the core compiles can use it too.

// A source file the build cannot use. what() names the file and, where there
// is one, the line: "data/Tgcode.dll/jiazi.tsv:7: 2 cells, the header has 3".
class SourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A reference table source: UTF-8 without byte-order mark, LF line ends, the
// first line the column names, cells separated by TAB; inside a cell "\t",
// "\n" and "\\" stand for TAB, newline and backslash (no other escapes).
struct TsvTable {
  std::vector<std::string> header;
  struct Row {
    int line = 0;  // 1 is the header
    std::vector<std::string> cells;
  };
  std::vector<Row> rows;
};

// Parses the text of a source; `name` is used in messages. Every row must have
// as many cells as the header. A final line end is optional; empty lines are
// rows like any other (and so fail unless the header has one column).
TsvTable ParseTsv(std::string_view text, std::string_view name);

// Reads and parses a source file.
TsvTable ReadTsvFile(const std::filesystem::path& path);

// The bytes of a file; SourceError "<path>: cannot be read" when it cannot be.
std::string ReadFileBytes(const std::filesystem::path& path);

// Writes `bytes` beside `path` first and renames the result over it, so that
// a failed run never leaves a half-written file behind; std::runtime_error
// "<path>: cannot be written" when that fails.
void ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The cell escapes applied to a text (the inverse of what ParseTsv undoes).
std::string EscapeTsvCell(std::string_view text);

}  // namespace kelvara::tsv
