#include "refdata_builder.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "base/datetime.h"
#include "base/text.h"
#include "refdata/sqlite_handles.h"
#include "refdata/stored_text.h"
#include "stored_text_encoder.h"

namespace kelvara::refdata_build {
namespace {

namespace fs = std::filesystem;
using tsv::ReadTsvFile;
using tsv::TsvTable;

using Connection = SqliteConnection;
using Statement = SqliteStatement;

std::string Quoted(std::string_view identifier) {
  std::string out = "\"";
  for (const char c : identifier) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  return out + "\"";
}

[[noreturn]] void FailDb(sqlite3* db, const fs::path& path,
                         std::string_view doing) {
  throw std::runtime_error(path.string() + ": " + std::string(doing) + ": " +
                           (db != nullptr ? sqlite3_errmsg(db) : "no memory"));
}

void Execute(sqlite3* db, const fs::path& path, const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    const std::string text = message != nullptr ? message : "failed";
    sqlite3_free(message);
    throw std::runtime_error(path.string() + ": " + sql + ": " + text);
  }
}

std::string CreateTableStatement(const TableDef& table) {
  std::string sql = "CREATE TABLE " + Quoted(table.name) + " (";
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    const ColumnDef& column = table.columns[i];
    if (i > 0) sql += ", ";
    sql += Quoted(column.name) + " " + std::string(DeclaredType(column.kind));
    if (column.key && DeclaredType(column.kind) == "TEXT") {
      sql += " COLLATE NOCASE";
    }
  }
  std::string primary_key;
  for (const ColumnDef& column : table.columns) {
    if (!column.primary) continue;
    if (!primary_key.empty()) primary_key += ", ";
    primary_key += Quoted(column.name);
  }
  if (primary_key.empty()) return sql + ")";
  return sql + ", PRIMARY KEY (" + primary_key + ")) WITHOUT ROWID";
}

std::string InsertStatement(const TableDef& table) {
  std::string sql = "INSERT INTO " + Quoted(table.name) + " VALUES (";
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    sql += i > 0 ? ", ?" : "?";
  }
  return sql + ")";
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) {
    if (!out.empty()) out += " ";
    out += name;
  }
  return out;
}

void CheckHeader(const TsvTable& tsv, const TableDef& table,
                 const fs::path& source) {
  std::vector<std::string> expected;
  for (const ColumnDef& column : table.columns) {
    expected.emplace_back(column.name);
  }
  if (tsv.header != expected) {
    throw SourceError(source.string() + ":1: the header is \"" +
                      JoinNames(tsv.header) + "\", the table " +
                      std::string(table.name) + " has \"" +
                      JoinNames(expected) + "\"");
  }
}

// Binds one cell as its column stores it, or throws naming the cell.
void BindCell(sqlite3_stmt* insert, int index, const ColumnDef& column,
              const std::string& cell, const fs::path& source, int line) {
  auto fail = [&](const std::string& what) {
    throw SourceError(source.string() + ":" + std::to_string(line) +
                      ": column " + std::string(column.name) + ": " + what);
  };
  int rc = SQLITE_OK;
  switch (column.kind) {
    case ColumnKind::kText:
      rc = sqlite3_bind_text(insert, index, cell.data(),
                             static_cast<int>(cell.size()), SQLITE_TRANSIENT);
      break;
    case ColumnKind::kScrambled: {
      const std::optional<std::string> gbk = ToGbkStrict(cell);
      if (!gbk) fail("a character has no GBK form");
      const std::string stored = EncodeStoredBytes(*gbk);
      if (DecodeStoredBytes(stored) != *gbk) {
        fail("the scrambled form does not decode back");
      }
      rc = sqlite3_bind_text(insert, index, stored.data(),
                             static_cast<int>(stored.size()), SQLITE_TRANSIENT);
      break;
    }
    case ColumnKind::kWhole: {
      if (cell.empty()) {
        rc = sqlite3_bind_null(insert, index);
        break;
      }
      std::int64_t value = 0;
      const char* end = cell.data() + cell.size();
      const auto result = std::from_chars(cell.data(), end, value);
      if (result.ec != std::errc() || result.ptr != end) {
        fail("\"" + cell + "\" is not a whole number");
      }
      rc = sqlite3_bind_int64(insert, index, value);
      break;
    }
    case ColumnKind::kReal: {
      if (cell.empty()) {
        rc = sqlite3_bind_null(insert, index);
        break;
      }
      double value = 0;
      const char* end = cell.data() + cell.size();
      const auto result = std::from_chars(cell.data(), end, value);
      if (result.ec != std::errc() || result.ptr != end) {
        fail("\"" + cell + "\" is not a decimal number");
      }
      rc = sqlite3_bind_double(insert, index, value);
      break;
    }
    case ColumnKind::kDate:
    case ColumnKind::kDateTime: {
      if (cell.empty()) {
        rc = sqlite3_bind_null(insert, index);
        break;
      }
      const bool is_date = column.kind == ColumnKind::kDate;
      const bool valid = is_date ? ParseIsoDate(cell).has_value()
                                 : ParseIsoDateTime(cell).has_value();
      if (!valid) {
        fail("\"" + cell + "\" is not " +
             (is_date ? "YYYY-MM-DD" : "YYYY-MM-DD HH:MM:SS"));
      }
      rc = sqlite3_bind_text(insert, index, cell.data(),
                             static_cast<int>(cell.size()), SQLITE_TRANSIENT);
      break;
    }
  }
  if (rc != SQLITE_OK) fail("cannot be bound");
}

void FillTable(sqlite3* db, const fs::path& db_path, const TableDef& table,
               const fs::path& source) {
  const TsvTable tsv = ReadTsvFile(source);
  CheckHeader(tsv, table, source);
  const std::string sql = InsertStatement(table);
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
    FailDb(db, db_path, sql);
  }
  const Statement insert(raw);
  for (const TsvTable::Row& row : tsv.rows) {
    sqlite3_reset(insert.get());
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
      BindCell(insert.get(), static_cast<int>(i) + 1, table.columns[i],
               row.cells[i], source, row.line);
    }
    if (sqlite3_step(insert.get()) != SQLITE_DONE) {
      // A repeated or empty primary key.
      throw SourceError(source.string() + ":" + std::to_string(row.line) +
                        ": " + sqlite3_errmsg(db));
    }
  }
}

// Rejects a file of `extension` in `dir` that is not among `known`: a misspelt
// file name would otherwise leave its table empty without a word. `what`
// words the refusal of a stray name.
void CheckNoStrayFiles(
    const fs::path& dir, std::string_view extension,
    const std::set<std::string, std::less<>>& known,
    const std::function<std::string(const fs::path&)>& what) {
  if (!fs::is_directory(dir)) return;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == extension &&
        !known.contains(entry.path().filename().string())) {
      throw SourceError(entry.path().string() + ": " + what(entry.path()));
    }
  }
}

// The GBK form of a UTF-8 source, converted line by line so that a character
// GBK lacks is reported with its line.
std::string ShenshaInGbk(const std::string& text, const fs::path& source) {
  std::string_view rest = text;
  if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
  std::string gbk;
  int line_number = 0;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line =
        rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
    rest.remove_prefix(line.size());
    ++line_number;
    auto fail = [&](const std::string& what) {
      throw SourceError(source.string() + ":" + std::to_string(line_number) +
                        ": " + what);
    };
    if (!IsValidUtf8(line)) fail("not valid UTF-8");
    const std::optional<std::string> converted = ToGbkStrict(line);
    if (!converted) fail("a character has no GBK form");
    gbk += *converted;
  }
  return gbk;
}

// Creates every table of `file` in a new database at `path`, filled from the
// sources that exist.
void WriteDatabase(const FileDef& file, const fs::path& source_dir,
                   const fs::path& temp_path) {
  sqlite3* raw = nullptr;
  const int rc =
      sqlite3_open_v2(temp_path.c_str(), &raw,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  Connection db(raw);
  if (rc != SQLITE_OK) FailDb(db.get(), temp_path, "open");

  // Fixed settings, so the same sources always give the same bytes.
  Execute(db.get(), temp_path,
          "PRAGMA page_size = " + std::to_string(file.page_size) +
              "; PRAGMA encoding = 'UTF-8'; "
              "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; "
              "PRAGMA auto_vacuum = NONE; BEGIN");
  for (const TableDef& table : file.tables) {
    Execute(db.get(), temp_path, CreateTableStatement(table));
    const fs::path source = source_dir / (std::string(table.name) + ".tsv");
    if (fs::exists(source)) FillTable(db.get(), temp_path, table, source);
    for (const ColumnDef& column : table.columns) {
      if (!column.indexed) continue;
      Execute(
          db.get(), temp_path,
          "CREATE INDEX " +
              Quoted(std::string(table.name) + "_" + std::string(column.name)) +
              " ON " + Quoted(table.name) + " (" + Quoted(column.name) + ")");
    }
  }
  Execute(db.get(), temp_path, "COMMIT");
  if (sqlite3_close(db.release()) != SQLITE_OK) {
    throw std::runtime_error(temp_path.string() + ": cannot be closed");
  }
}

}  // namespace

void BuildReferenceFile(const FileDef& file, const fs::path& data_dir,
                        const fs::path& out_dir) {
  const fs::path source_dir = data_dir / file.name;
  std::set<std::string, std::less<>> known;
  for (const TableDef& table : file.tables) {
    known.insert(std::string(table.name) + ".tsv");
  }
  CheckNoStrayFiles(source_dir, ".tsv", known, [&file](const fs::path& path) {
    return "no table " + path.stem().string() + " in " + std::string(file.name);
  });

  const fs::path final_path = out_dir / file.name;
  const fs::path temp_path = out_dir / (std::string(file.name) + ".building");
  fs::remove(temp_path);

  try {
    WriteDatabase(file, source_dir, temp_path);
  } catch (...) {
    fs::remove(temp_path);
    throw;
  }
  fs::rename(temp_path, final_path);
}

void BuildShenshaTables(const fs::path& data_dir, const fs::path& out_dir) {
  const fs::path source_dir = data_dir / "shensha";
  const fs::path target_dir = out_dir / "shensha";
  CheckNoStrayFiles(
      source_dir, ".txt",
      {ShenshaTableNames().begin(), ShenshaTableNames().end()},
      [](const fs::path&) { return "not one of the spirit-star tables"; });
  fs::create_directories(target_dir);
  for (const std::string_view name : ShenshaTableNames()) {
    const fs::path source = source_dir / name;
    const std::string gbk =
        fs::exists(source) ? ShenshaInGbk(tsv::ReadFileBytes(source), source)
                           : "";
    tsv::ReplaceFile(target_dir / name, gbk);
  }
}

void BuildReferenceData(const fs::path& data_dir, const fs::path& out_dir) {
  fs::create_directories(out_dir);
  for (const FileDef& file : ReferenceSchema()) {
    BuildReferenceFile(file, data_dir, out_dir);
  }
  BuildShenshaTables(data_dir, out_dir);
}

}  // namespace kelvara::refdata_build
