#include "unihan_database.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace kelvara::unihan {
namespace {

char32_t ParseCodePoint(std::string_view text) {
  if (text.size() < 3 || text.substr(0, 2) != "U+") {
    throw std::runtime_error("not a code point: " + std::string(text));
  }
  unsigned value = 0;
  const char* first = text.data() + 2;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value, 16);
  if (error != std::errc() || end != last || value > 0x10FFFF) {
    throw std::runtime_error("not a code point: " + std::string(text));
  }
  return static_cast<char32_t>(value);
}

}  // namespace

void UnihanDatabase::LoadFile(
    const std::filesystem::path& path,
    const std::set<std::string, std::less<>>& fields) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::string line;
  int line_number = 0;
  while (std::getline(in, line)) {
    ++line_number;
    constexpr std::string_view kVersionLine = "# Unicode version: ";
    if (line.starts_with(kVersionLine)) {
      unicode_version_ = line.substr(kVersionLine.size());
    }
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 =
        tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos) {
      throw std::runtime_error(path.string() + ":" +
                               std::to_string(line_number) +
                               ": expected three tab-separated fields");
    }
    const std::string_view view(line);
    const std::string_view field = view.substr(tab1 + 1, tab2 - tab1 - 1);
    const auto wanted = fields.find(field);
    if (wanted == fields.end()) continue;
    const char32_t code_point = ParseCodePoint(view.substr(0, tab1));
    values_[*wanted][code_point] = std::string(view.substr(tab2 + 1));
  }
  if (in.bad()) throw std::runtime_error("error reading " + path.string());
}

char32_t UnihanDatabase::UnifiedForm(char32_t code_point) const {
  const auto value = Find(code_point, "kCompatibilityVariant");
  return value ? ParseCodePoints(*value).at(0) : code_point;
}

std::optional<std::string_view> UnihanDatabase::Find(
    char32_t code_point, std::string_view field) const {
  const auto by_field = values_.find(std::string(field));
  if (by_field == values_.end()) return std::nullopt;
  const auto value = by_field->second.find(code_point);
  if (value == by_field->second.end()) return std::nullopt;
  return std::string_view(value->second);
}

std::vector<std::string_view> SplitWords(std::string_view value) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start < value.size()) {
    if (value[start] == ' ') {
      ++start;
      continue;
    }
    std::size_t end = value.find(' ', start);
    if (end == std::string_view::npos) end = value.size();
    words.push_back(value.substr(start, end - start));
    start = end;
  }
  return words;
}

std::vector<char32_t> ParseCodePoints(std::string_view value) {
  std::vector<char32_t> code_points;
  for (std::string_view word : SplitWords(value)) {
    code_points.push_back(ParseCodePoint(word.substr(0, word.find('<'))));
  }
  return code_points;
}

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string Utf8(const std::vector<char32_t>& code_points) {
  std::string out;
  for (char32_t c : code_points) out += Utf8(c);
  return out;
}

std::vector<char32_t> DecodeUtf8(std::string_view text) {
  std::vector<char32_t> code_points;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      length = 1;
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      c = lead & 0x07;
    } else {
      throw std::runtime_error("malformed UTF-8");
    }
    if (i + length > text.size()) throw std::runtime_error("truncated UTF-8");
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) throw std::runtime_error("malformed UTF-8");
      c = (c << 6) | (next & 0x3F);
    }
    code_points.push_back(c);
    i += length;
  }
  return code_points;
}

std::string Describe(char32_t code_point) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X ",
                static_cast<unsigned>(code_point));
  return buffer + Utf8(code_point);
}

}  // namespace kelvara::unihan
