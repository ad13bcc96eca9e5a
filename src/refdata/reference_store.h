#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/datetime.h"

namespace kelvara {

// The four reference files. Their names are fixed: the build writes them and
// the program finds them under these names beside the executable.
enum class ReferenceFile { kDream, kTarselFile, kTarselBirth, kTgcode };

inline constexpr std::array<ReferenceFile, 4> kReferenceFiles{
    ReferenceFile::kDream, ReferenceFile::kTarselFile,
    ReferenceFile::kTarselBirth, ReferenceFile::kTgcode};

// "dream.dll", "TarselFile.dll", "TarselBirth.dll", "Tgcode.dll".
std::string_view FileNameOf(ReferenceFile file);

// The folder of the spirit-star tables beside the reference files.
inline constexpr std::string_view kShenshaFolder = "shensha";

// A lookup that cannot run: the file is missing or is no database, a table or
// column is missing, the statement is rejected, or a value cannot be read as
// the kind asked for. what() is the engine's text, prefixed by the file name:
// "Tgcode.dll: no such table: JQ".
class LookupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A key bound to a "?" of a statement. Keys are never pasted into statement
// text, so a quote inside a key needs no escaping. The constructors are
// implicit on purpose, so that a key list reads {"甲子", 2024}.
class Key {
 public:
  Key(std::string_view text) : value_(std::string(text)) {}
  Key(const char* text) : value_(std::string(text)) {}
  Key(const std::string& text) : value_(text) {}
  Key(int number) : value_(std::int64_t{number}) {}
  Key(std::int64_t number) : value_(number) {}
  Key(double number) : value_(number) {}

  const std::variant<std::int64_t, double, std::string>& value() const {
    return value_;
  }

 private:
  std::variant<std::int64_t, double, std::string> value_;
};

// One row of a lookup. Columns are found by their name in the select list
// (ignoring ASCII case, as the database does) or by their position from 0.
// Every reader converts as a record field would:
// - Text: numbers as decimal text, NULL as the empty text;
// - WholeNumber: a stored real is rounded, a text must be a whole number;
// - Number: a text must be a decimal number;
// - DateTimeValue: a text "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS".
// A NULL reads as 0 for the numeric readers. An unknown column, a position out
// of range or a value that cannot be converted throws LookupError.
class LookupRow {
 public:
  using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

  LookupRow(std::shared_ptr<const std::vector<std::string>> columns,
            std::vector<Value> values);

  std::string Text(std::string_view column) const;
  std::string Text(int position) const;
  std::int64_t WholeNumber(std::string_view column) const;
  std::int64_t WholeNumber(int position) const;
  double Number(std::string_view column) const;
  double Number(int position) const;
  DateTime DateTimeValue(std::string_view column) const;
  DateTime DateTimeValue(int position) const;
  bool IsNull(std::string_view column) const;

  const std::vector<std::string>& columns() const { return *columns_; }

 private:
  int PositionOf(std::string_view column) const;
  const Value& At(int position) const;

  std::shared_ptr<const std::vector<std::string>> columns_;
  std::vector<Value> values_;
};

// The rows a lookup found, in the order the statement gives them. Empty when
// nothing matched, which is not a failure.
using LookupRows = std::vector<LookupRow>;

// The reference files of one directory: the executable's for the program,
// a fixture directory for tests. Each Lookup opens its file read-only and
// immutable (nothing is ever written, no journal or lock file is made), runs
// one statement, reads every row and closes the file again; nothing is cached
// between lookups.
//
// Statements are SQLite's dialect with one "?" per key:
//   store.Lookup(ReferenceFile::kTgcode,
//                "select layin from jiazi where jiazi = ? limit 1", {"甲子"});
// Key columns are declared COLLATE NOCASE in the files, so "=" ignores ASCII
// case, like "like" does. The tables "81" and "64gua" and the column "as" of
// "81" must be written in double quotes. Files are read through the layer of
// read_only_vfs.h.
class ReferenceStore {
 public:
  explicit ReferenceStore(const std::filesystem::path& directory);

  // The store beside the running executable (see ExecutableDirectory).
  static ReferenceStore BesideExecutable();

  const std::filesystem::path& directory() const { return directory_; }
  std::filesystem::path PathOf(ReferenceFile file) const;
  // The spirit-star table `name` (e.g. "niangan.txt") of this directory.
  std::filesystem::path ShenshaPathOf(std::string_view name) const;

  // The SQLite URI of a file, read-only and immutable:
  // "file:/opt/kelvara/bin/Tgcode.dll?mode=ro&immutable=1" (characters other
  // than letters, digits and "/._~-" percent-encoded).
  const std::string& ConnectionStringFor(ReferenceFile file) const;

  // Runs one statement against one file with its keys bound in order and
  // returns every row. Throws LookupError when the lookup cannot run.
  LookupRows Lookup(ReferenceFile file, std::string_view statement,
                    std::initializer_list<Key> keys = {}) const;
  LookupRows Lookup(ReferenceFile file, std::string_view statement,
                    std::span<const Key> keys) const;

 private:
  std::filesystem::path directory_;
  std::array<std::string, kReferenceFiles.size()> connection_strings_;
};

}  // namespace kelvara
