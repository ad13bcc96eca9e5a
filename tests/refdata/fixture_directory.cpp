#include "fixture_directory.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "refdata_builder.h"

namespace kelvara::testing {

namespace fs = std::filesystem;

FixtureDirectory::FixtureDirectory() {
  std::string pattern = (fs::temp_directory_path() / "kelvara-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("mkdtemp failed");
  }
  path_ = pattern;
  fs::create_directories(store_dir());
}

FixtureDirectory::~FixtureDirectory() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void FixtureDirectory::WriteSource(std::string_view file,
                                   std::string_view table,
                                   std::string_view text) const {
  const std::string name =
      file == "shensha" ? std::string(table) : std::string(table) + ".tsv";
  WriteFile(source_dir() / file / name, text);
}

void FixtureDirectory::Build() const {
  refdata_build::BuildReferenceData(source_dir(), store_dir());
}

void FixtureDirectory::ExecuteSql(std::string_view file,
                                  std::string_view sql) const {
  sqlite3* db = nullptr;
  const fs::path path = store_dir() / file;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK) << path;
  char* message = nullptr;
  const int rc =
      sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, &message);
  const std::string text = message != nullptr ? message : "";
  sqlite3_free(message);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << text;
}

void WriteFile(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectMatchesGolden(const std::string& name, const std::string& text) {
  const fs::path path =
      fs::path(KELVARA_SOURCE_DIR) / "tests" / "golden" / name;
  const char* update = std::getenv("KELVARA_UPDATE_GOLDEN");
  if (update != nullptr && std::string_view(update) == "1") {
    WriteFile(path, text);
    return;
  }
  ASSERT_TRUE(fs::exists(path)) << "missing golden file " << path;
  EXPECT_EQ(text, ReadFile(path)) << "golden file " << name;
}

}  // namespace kelvara::testing
