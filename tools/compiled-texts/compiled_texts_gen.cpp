// compiled-texts-gen: turns a table of texts (data/compiled/*.tsv) into a C++
// source that compiles the texts into the program. The build runs it for
// every compiled text table; it can be run by hand as well.
//
//   compiled-texts-gen TABLE.tsv OUTPUT.cpp FUNCTION
//
// The table has two columns, a key and its text: UTF-8 without byte-order
// mark, LF line ends, a header row, cells separated by TAB, and "\t", "\n",
// "\\" for TAB, newline and backslash inside a cell. No cell may be empty and
// no key may appear twice. The output defines, in namespace kelvara,
//
//   std::string_view FUNCTION(std::string_view key);
//
// which gives the text of a key, or the empty text for a key the table lacks.
// The output depends on nothing but the table's rows, so equal tables give
// byte-equal sources. A table that breaks these rules writes nothing and ends
// with "TABLE.tsv:LINE: what is wrong" and exit code 1.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A fault of the table, already worded "file:line: what".
class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& file, int line,
                       const std::string& what) {
  throw TableError(file + ":" + std::to_string(line) + ": " + what);
}

struct Entry {
  std::string key;
  std::string text;
  int line = 0;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    unsigned min_second = 0x80;
    unsigned max_second = 0xBF;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      if (lead == 0xE0) min_second = 0xA0;
      if (lead == 0xED) max_second = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      if (lead == 0xF0) min_second = 0x90;
      if (lead == 0xF4) max_second = 0x8F;
    } else {
      return false;
    }
    if (i + extra >= bytes.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      const unsigned low = k == 1 ? min_second : 0x80;
      const unsigned high = k == 1 ? max_second : 0xBF;
      if (next < low || next > high) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::vector<std::string> SplitCells(std::string_view line,
                                    const std::string& file, int line_number) {
  std::vector<std::string> cells(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      cells.emplace_back();
    } else if (c == '\r') {
      Fail(file, line_number, "carriage return (use LF line ends)");
    } else if (c == '\\') {
      if (i + 1 == line.size()) {
        Fail(file, line_number, "a backslash ends the line (write \\\\)");
      }
      switch (line[++i]) {
        case 't':
          cells.back().push_back('\t');
          break;
        case 'n':
          cells.back().push_back('\n');
          break;
        case '\\':
          cells.back().push_back('\\');
          break;
        default:
          Fail(file, line_number,
               std::string("unknown escape \\") + line[i] + " in cell " +
                   std::to_string(cells.size()));
      }
    } else {
      cells.back().push_back(c);
    }
  }
  return cells;
}

// The rows of a key-and-text table, sorted by key.
std::vector<Entry> ParseTable(std::string_view text, const std::string& file) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    Fail(file, 1, "byte-order mark (save as UTF-8 without BOM)");
  }
  if (text.empty()) Fail(file, 1, "empty file (the header row is missing)");
  if (text.ends_with('\n')) text.remove_suffix(1);
  std::vector<Entry> entries;
  int line_number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!IsValidUtf8(line)) Fail(file, line_number, "not valid UTF-8");
    std::vector<std::string> cells = SplitCells(line, file, line_number);
    if (cells.size() != 2) {
      Fail(file, line_number,
           std::to_string(cells.size()) +
               (cells.size() == 1 ? " cell" : " cells") +
               " (a table of texts has a key and a text)");
    }
    if (line_number == 1) continue;
    if (cells[0].empty()) Fail(file, line_number, "empty key");
    if (cells[1].empty()) Fail(file, line_number, "empty text");
    entries.push_back({std::move(cells[0]), std::move(cells[1]), line_number});
  }
  if (entries.empty()) Fail(file, 1, "a header and no rows");
  std::stable_sort(
      entries.begin(), entries.end(),
      [](const Entry& a, const Entry& b) { return a.key < b.key; });
  const auto duplicate = std::adjacent_find(
      entries.begin(), entries.end(),
      [](const Entry& a, const Entry& b) { return a.key == b.key; });
  if (duplicate != entries.end()) {
    // The sort is stable: the first of two equal keys is the earlier line.
    const Entry& again = *std::next(duplicate);
    Fail(file, again.line,
         "key \"" + again.key + "\" again (first on line " +
             std::to_string(duplicate->line) + ")");
  }
  return entries;
}

// A C++ string literal of UTF-8 bytes; characters from U+0080 up stay as
// they are so that the generated source can be read.
std::string Literal(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      char octal[5];
      std::snprintf(octal, sizeof octal, "\\%03o", byte);
      out += octal;
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

bool IsIdentifier(std::string_view name) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool digit = c >= '0' && c <= '9';
    if (!(letter || c == '_' || (digit && i > 0))) return false;
  }
  return true;
}

std::string Source(const std::vector<Entry>& entries, std::string_view table,
                   std::string_view function) {
  std::ostringstream out;
  out << "// The texts of " << table << ", compiled in.\n"
      << "// Generated by compiled-texts-gen (tools/compiled-texts) at build "
         "time. Do not edit.\n\n"
      << "#include <algorithm>\n"
      << "#include <iterator>\n"
      << "#include <string_view>\n\n"
      << "namespace kelvara {\n"
      << "namespace {\n\n"
      << "struct Entry {\n"
      << "  std::string_view key;\n"
      << "  std::string_view text;\n"
      << "};\n\n"
      << "// " << entries.size() << " entries, sorted by key.\n"
      << "constexpr Entry kEntries[] = {\n";
  for (const Entry& entry : entries) {
    out << "    {" << Literal(entry.key) << ", " << Literal(entry.text)
        << "},\n";
  }
  out << "};\n\n"
      << "}  // namespace\n\n"
      << "std::string_view " << function << "(std::string_view key) {\n"
      << "  const Entry* found = std::lower_bound(\n"
      << "      std::begin(kEntries), std::end(kEntries), key,\n"
      << "      [](const Entry& entry, std::string_view wanted) {\n"
      << "        return entry.key < wanted;\n"
      << "      });\n"
      << "  if (found == std::end(kEntries) || found->key != key) return {};\n"
      << "  return found->text;\n"
      << "}\n\n"
      << "}  // namespace kelvara\n";
  return out.str();
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TableError(path.string() + ": cannot be read");
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Writes beside the target first, so that a failed run never leaves a
// half-written source behind.
void WriteFile(const fs::path& path, std::string_view bytes) {
  fs::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      throw TableError(temporary.string() + ": cannot be written");
    }
  }
  std::error_code error;
  fs::rename(temporary, path, error);
  if (error) {
    fs::remove(temporary, error);
    throw TableError(path.string() + ": cannot be written");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: compiled-texts-gen TABLE.tsv OUTPUT.cpp FUNCTION\n";
    return 2;
  }
  const fs::path table = argv[1];
  const fs::path output = argv[2];
  const std::string_view function = argv[3];
  if (!IsIdentifier(function)) {
    std::cerr << "compiled-texts-gen: \"" << function
              << "\" is no C++ function name\n";
    return 2;
  }
  try {
    const std::vector<Entry> entries =
        ParseTable(ReadFile(table), table.string());
    WriteFile(output, Source(entries, table.filename().string(), function));
  } catch (const std::exception& e) {
    std::cerr << "compiled-texts-gen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
