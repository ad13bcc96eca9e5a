#include "refdata/reference_store.h"

#include <sqlite3.h>

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

#include "base/executable_dir.h"
#include "base/text.h"
#include "refdata/read_only_vfs.h"
#include "refdata/sqlite_handles.h"

namespace kelvara {
namespace {

using Connection = SqliteConnection;
using Statement = SqliteStatement;

[[noreturn]] void Fail(ReferenceFile file, std::string_view what) {
  throw LookupError(std::string(FileNameOf(file)) + ": " + std::string(what));
}

[[noreturn]] void FailFrom(ReferenceFile file, sqlite3* db) {
  Fail(file, db != nullptr ? sqlite3_errmsg(db) : "out of memory");
}

bool IsUriSafe(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         (c >= '0' && c <= '9') || c == '/' || c == '.' || c == '_' ||
         c == '~' || c == '-';
}

std::string PercentEncoded(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsUriSafe(c)) {
      out.push_back(ch);
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 0xF]);
    }
  }
  return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string FormatReal(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> ParseReal(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  double value = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto result = std::from_chars(trimmed.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

void Bind(ReferenceFile file, sqlite3* db, sqlite3_stmt* statement, int index,
          const Key& key) {
  const int rc = std::visit(
      [&](const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::int64_t>) {
          return sqlite3_bind_int64(statement, index, value);
        } else if constexpr (std::is_same_v<T, double>) {
          return sqlite3_bind_double(statement, index, value);
        } else {
          // The key outlives the statement: no copy is needed.
          return sqlite3_bind_text(statement, index, value.data(),
                                   static_cast<int>(value.size()),
                                   SQLITE_STATIC);
        }
      },
      key.value());
  if (rc != SQLITE_OK) FailFrom(file, db);
}

LookupRow::Value ColumnValue(sqlite3_stmt* statement, int column) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
      return std::int64_t{sqlite3_column_int64(statement, column)};
    case SQLITE_FLOAT:
      return sqlite3_column_double(statement, column);
    case SQLITE_NULL:
      return std::monostate{};
    default: {
      const auto* text =
          reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
      const int size = sqlite3_column_bytes(statement, column);
      return std::string(text != nullptr ? text : "",
                         static_cast<std::size_t>(size));
    }
  }
}

}  // namespace

std::string_view FileNameOf(ReferenceFile file) {
  switch (file) {
    case ReferenceFile::kDream:
      return "dream.dll";
    case ReferenceFile::kTarselFile:
      return "TarselFile.dll";
    case ReferenceFile::kTarselBirth:
      return "TarselBirth.dll";
    case ReferenceFile::kTgcode:
      return "Tgcode.dll";
  }
  assert(false && "unknown reference file");
  return "";
}

// --- LookupRow --------------------------------------------------------------

LookupRow::LookupRow(std::shared_ptr<const std::vector<std::string>> columns,
                     std::vector<Value> values)
    : columns_(std::move(columns)), values_(std::move(values)) {}

int LookupRow::PositionOf(std::string_view column) const {
  for (std::size_t i = 0; i < columns_->size(); ++i) {
    if (EqualsIgnoringAsciiCase((*columns_)[i], column)) {
      return static_cast<int>(i);
    }
  }
  throw LookupError("no such column in the result: " + std::string(column));
}

const LookupRow::Value& LookupRow::At(int position) const {
  if (position < 0 || position >= static_cast<int>(values_.size())) {
    throw LookupError("no column at position " + std::to_string(position));
  }
  return values_[static_cast<std::size_t>(position)];
}

std::string LookupRow::Text(std::string_view column) const {
  return Text(PositionOf(column));
}

std::string LookupRow::Text(int position) const {
  const Value& value = At(position);
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) {
    return std::to_string(*whole);
  }
  if (const auto* real = std::get_if<double>(&value)) return FormatReal(*real);
  return "";
}

std::int64_t LookupRow::WholeNumber(std::string_view column) const {
  return WholeNumber(PositionOf(column));
}

std::int64_t LookupRow::WholeNumber(int position) const {
  const Value& value = At(position);
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return *whole;
  if (const auto* real = std::get_if<double>(&value)) {
    return static_cast<std::int64_t>(std::llround(*real));
  }
  if (const auto* text = std::get_if<std::string>(&value)) {
    if (const auto parsed = ParseWholeNumber(Trim(*text))) return *parsed;
    throw LookupError("not a whole number: " + *text);
  }
  return 0;
}

double LookupRow::Number(std::string_view column) const {
  return Number(PositionOf(column));
}

double LookupRow::Number(int position) const {
  const Value& value = At(position);
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) {
    return static_cast<double>(*whole);
  }
  if (const auto* text = std::get_if<std::string>(&value)) {
    if (const auto parsed = ParseReal(*text)) return *parsed;
    throw LookupError("not a number: " + *text);
  }
  return 0;
}

DateTime LookupRow::DateTimeValue(std::string_view column) const {
  return DateTimeValue(PositionOf(column));
}

DateTime LookupRow::DateTimeValue(int position) const {
  const Value& value = At(position);
  if (const auto* text = std::get_if<std::string>(&value)) {
    const std::string trimmed = Trim(*text);
    if (auto moment = ParseIsoDateTime(trimmed)) return *moment;
    if (auto day = ParseIsoDate(trimmed)) return *day;
  }
  throw LookupError("not a date-time: " + Text(position));
}

bool LookupRow::IsNull(std::string_view column) const {
  return std::holds_alternative<std::monostate>(At(PositionOf(column)));
}

// --- ReferenceStore ---------------------------------------------------------

ReferenceStore::ReferenceStore(const std::filesystem::path& directory)
    : directory_(std::filesystem::absolute(directory)) {
  for (const ReferenceFile file : kReferenceFiles) {
    connection_strings_[static_cast<std::size_t>(file)] =
        "file:" + PercentEncoded(PathOf(file).generic_string()) +
        "?mode=ro&immutable=1";
  }
}

ReferenceStore ReferenceStore::BesideExecutable() {
  return ReferenceStore(ExecutableDirectory());
}

std::filesystem::path ReferenceStore::PathOf(ReferenceFile file) const {
  return directory_ / FileNameOf(file);
}

std::filesystem::path ReferenceStore::ShenshaPathOf(
    std::string_view name) const {
  return directory_ / kShenshaFolder / name;
}

const std::string& ReferenceStore::ConnectionStringFor(
    ReferenceFile file) const {
  return connection_strings_[static_cast<std::size_t>(file)];
}

LookupRows ReferenceStore::Lookup(ReferenceFile file,
                                  std::string_view statement_text,
                                  std::initializer_list<Key> keys) const {
  return Lookup(file, statement_text,
                std::span<const Key>(keys.begin(), keys.size()));
}

LookupRows ReferenceStore::Lookup(ReferenceFile file,
                                  std::string_view statement_text,
                                  std::span<const Key> keys) const {
  sqlite3* raw_db = nullptr;
  const int open_rc = sqlite3_open_v2(
      ConnectionStringFor(file).c_str(), &raw_db,
      SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
      ReadOnlyVfsName());
  Connection db(raw_db);
  if (open_rc != SQLITE_OK) {
    if (open_rc == SQLITE_CANTOPEN) {
      Fail(file, "cannot open " + PathOf(file).string());
    }
    FailFrom(file, db.get());
  }

  sqlite3_stmt* raw_statement = nullptr;
  if (sqlite3_prepare_v2(db.get(), statement_text.data(),
                         static_cast<int>(statement_text.size()),
                         &raw_statement, nullptr) != SQLITE_OK) {
    FailFrom(file, db.get());
  }
  Statement statement(raw_statement);
  if (!statement) Fail(file, "empty statement");

  assert(sqlite3_bind_parameter_count(statement.get()) ==
             static_cast<int>(keys.size()) &&
         "one key per parameter");
  for (std::size_t i = 0; i < keys.size(); ++i) {
    Bind(file, db.get(), statement.get(), static_cast<int>(i) + 1, keys[i]);
  }

  const int column_count = sqlite3_column_count(statement.get());
  auto columns = std::make_shared<std::vector<std::string>>();
  for (int i = 0; i < column_count; ++i) {
    const char* name = sqlite3_column_name(statement.get(), i);
    columns->emplace_back(name != nullptr ? name : "");
  }

  LookupRows rows;
  for (;;) {
    const int rc = sqlite3_step(statement.get());
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) FailFrom(file, db.get());
    std::vector<LookupRow::Value> values;
    values.reserve(static_cast<std::size_t>(column_count));
    for (int i = 0; i < column_count; ++i) {
      values.push_back(ColumnValue(statement.get(), i));
    }
    rows.emplace_back(columns, std::move(values));
  }
  return rows;
}

}  // namespace kelvara
