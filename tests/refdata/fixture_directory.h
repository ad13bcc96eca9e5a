#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "refdata/reference_store.h"

namespace kelvara::testing {

// A temporary directory for one test, removed with everything in it when the
// fixture ends. Reference sources written into it are built by the real
// refdata-build code into store_dir(); broken files the build would never make
// are written with raw SQL.
class FixtureDirectory {
 public:
  FixtureDirectory();
  ~FixtureDirectory();
  FixtureDirectory(const FixtureDirectory&) = delete;
  FixtureDirectory& operator=(const FixtureDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path source_dir() const { return path_ / "data"; }
  std::filesystem::path store_dir() const { return path_ / "store"; }

  // Writes data/<file>/<table>.tsv (for shensha: data/shensha/<table>).
  void WriteSource(std::string_view file, std::string_view table,
                   std::string_view text) const;
  // Builds every reference file into store_dir() from the sources written.
  void Build() const;
  // Runs SQL on store_dir()/<file>, creating the file if needed.
  void ExecuteSql(std::string_view file, std::string_view sql) const;

  ReferenceStore Store() const { return ReferenceStore(store_dir()); }

 private:
  std::filesystem::path path_;
};

// Writes bytes to a file, creating its folders.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
std::string ReadFile(const std::filesystem::path& path);

// Expects `text` to be the content of tests/golden/<name>; with the
// environment variable KELVARA_UPDATE_GOLDEN=1 the file is rewritten instead.
// After a deliberate change of a report, rewrite and read the difference.
void ExpectMatchesGolden(const std::string& name, const std::string& text);

}  // namespace kelvara::testing
