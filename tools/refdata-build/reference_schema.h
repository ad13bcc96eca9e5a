#pragma once

#include <span>
#include <string_view>

namespace kelvara::refdata_build {

// What a column holds, which decides how its TSV cells are checked and stored:
// - kText: UTF-8 text as written;
// - kScrambled: written plain in the source, stored scrambled (hex pairs);
// - kWhole, kReal: decimal text, stored as an integer or a real (an empty
//   cell is NULL);
// - kDate "YYYY-MM-DD", kDateTime "YYYY-MM-DD HH:MM:SS": stored as that text.
enum class ColumnKind { kText, kScrambled, kWhole, kReal, kDate, kDateTime };

struct ColumnDef {
  std::string_view name;
  ColumnKind kind;
  // Lookups match on it: a text key compares without regard to ASCII case.
  bool key = false;
  // Large tables get an index on the key their lookups search by.
  bool indexed = false;
  // Part of the table's primary key: rows are stored in the order of these
  // columns (which must be unique together and never empty) instead of in
  // source order, so a lookup by them reads the fewest pages.
  bool primary = false;
};

struct TableDef {
  std::string_view name;
  std::span<const ColumnDef> columns;
};

struct FileDef {
  std::string_view name;  // "Tgcode.dll"
  std::span<const TableDef> tables;
  // Large pages for files whose rows are long (the character lists of
  // `bihua`): a lookup then reads them in a few calls instead of dozens.
  int page_size = 4096;
};

// Every table of the four reference files, in the order they are created.
std::span<const FileDef> ReferenceSchema();

// The spirit-star tables written into shensha/ beside the reference files.
std::span<const std::string_view> ShenshaTableNames();

// The SQLite declared type of a column kind ("TEXT", "INTEGER", "REAL").
std::string_view DeclaredType(ColumnKind kind);

}  // namespace kelvara::refdata_build
