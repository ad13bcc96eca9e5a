#include "tsv_table.h"

#include <fstream>
#include <iterator>

namespace kelvara::tsv {
namespace {

[[noreturn]] void Fail(std::string_view name, int line,
                       const std::string& what) {
  throw SourceError(std::string(name) + ":" + std::to_string(line) + ": " +
                    what);
}

std::vector<std::string> SplitCells(std::string_view line,
                                    std::string_view name, int line_number) {
  std::vector<std::string> cells(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      cells.emplace_back();
    } else if (c == '\r') {
      Fail(name, line_number, "carriage return (use LF line ends)");
    } else if (c == '\\') {
      if (i + 1 == line.size()) {
        Fail(name, line_number, "a backslash ends the line (write \\\\)");
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
          Fail(name, line_number,
               std::string("unknown escape \\") + line[i] + " in cell " +
                   std::to_string(cells.size()));
      }
    } else {
      cells.back().push_back(c);
    }
  }
  return cells;
}

}  // namespace

TsvTable ParseTsv(std::string_view text, std::string_view name) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    Fail(name, 1, "byte-order mark (save as UTF-8 without BOM)");
  }
  if (text.empty()) Fail(name, 1, "empty file (the header row is missing)");
  TsvTable table;
  int line_number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!IsValidUtf8(line)) Fail(name, line_number, "not valid UTF-8");
    std::vector<std::string> cells = SplitCells(line, name, line_number);
    if (line_number == 1) {
      table.header = std::move(cells);
      continue;
    }
    if (cells.size() != table.header.size()) {
      Fail(name, line_number,
           std::to_string(cells.size()) + " cells, the header has " +
               std::to_string(table.header.size()));
    }
    table.rows.push_back({line_number, std::move(cells)});
  }
  return table;
}

TsvTable ReadTsvFile(const std::filesystem::path& path) {
  return ParseTsv(ReadFileBytes(path), path.string());
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SourceError(path.string() + ": cannot be read");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  std::error_code error;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::filesystem::remove(temporary, error);
      throw std::runtime_error(path.string() + ": cannot be written");
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw std::runtime_error(path.string() + ": cannot be written");
  }
}

std::string EscapeTsvCell(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

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

}  // namespace kelvara::tsv
