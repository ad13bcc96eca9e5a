// libFuzzer harness: the name fields take whatever the user types. Whatever
// bytes a surname and a given name hold, the grids, the scores and the name
// report must finish; against a store without files every lookup fails with
// LookupError and the report ends silently.
//
// Input: the first byte gives the length of the surname, the rest of the
// bytes after it are the given name.

#include <sqlite3.h>
#include <stdlib.h>

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/birth_input.h"
#include "app/report_document.h"
#include "base/text.h"
#include "names/character_strokes.h"
#include "names/five_grids.h"
#include "names/name_report.h"
#include "refdata/reference_store.h"

namespace {

namespace fs = std::filesystem;

fs::path MakeTemporaryDirectory(const char* name) {
  std::string pattern = (fs::temp_directory_path() / name).string();
  if (mkdtemp(pattern.data()) == nullptr) abort();
  return fs::path(pattern);
}

// A TarselFile.dll of a few rows, so that the fuzzed texts reach the
// statements.
void WriteSmallStore(const fs::path& directory) {
  sqlite3* db = nullptr;
  const fs::path file = directory / "TarselFile.dll";
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) abort();
  const char* kSql =
      "create table bihua (hanzi text collate nocase, num text collate nocase);"
      "insert into bihua values ('一乙', '1'), ('子', '3'), ('王玉', '4'),"
      " ('宇阳', '6'), ('欧', '8'), ('娟真', '10');"
      "create table \"81\" (num integer, yy text, jx text, \"as\" text,"
      " content text);"
      "insert into \"81\" values (5, '五', '吉', '示', '解'),"
      " (10, '十', '凶', '示', '解');"
      "create table sancai (title text collate nocase, djc integer,"
      " content text);"
      "insert into sancai values ('土水金', 3, 'D1');"
      "create table sancai2009 (title text collate nocase, yy text);"
      "insert into sancai2009 values ('土水金', '中吉');";
  if (sqlite3_exec(db, kSql, nullptr, nullptr, nullptr) != SQLITE_OK) abort();
  sqlite3_close(db);
}

struct Stores {
  fs::path small;
  fs::path empty;
};

// Two temporary directories for the whole run, removed at exit.
const Stores& StoreDirectories() {
  static const Stores stores = [] {
    Stores s{MakeTemporaryDirectory("kelvara-names-XXXXXX"),
             MakeTemporaryDirectory("kelvara-names-empty-XXXXXX")};
    WriteSmallStore(s.small);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(StoreDirectories().small, ignored);
      fs::remove_all(StoreDirectories().empty, ignored);
    });
    return s;
  }();
  return stores;
}

constexpr std::string_view kClosingLine =
    "--以上测算紧着参考------------------------------------------------";

void RunName(const kelvara::ReferenceStore& store, bool readable,
             const std::string& surname, const std::string& given_name) {
  using kelvara::GridKind;
  // Parts of more than four bytes (which the name fields never hold) count
  // bytes 3-4 in 人格 but bytes 3-6 in 总格, so 外格 may fall below 0.
  const bool fits =
      kelvara::GbkWidth(surname) <= 4 && kelvara::GbkWidth(given_name) <= 4;
  try {
    for (int kind = 0; kind < 5; ++kind) {
      const int grid = kelvara::NameGrid(store, surname, given_name,
                                         static_cast<GridKind>(kind));
      assert(grid >= 0 || !fits);
      (void)kelvara::Number81Text(store, grid,
                                  static_cast<kelvara::Number81Field>(kind));
    }
    const std::string talents =
        kelvara::ThreeTalents(store, surname, given_name);
    assert(talents.size() == 9);  // three elements, three bytes each
    const double score = kelvara::NameScore(store, surname, given_name);
    assert(score >= -1 && score <= 100);
    (void)kelvara::ThreeTalentText(store, talents);
    (void)kelvara::StrokeCount(store, surname + given_name);
    (void)score;
    (void)fits;
  } catch (const kelvara::LookupError&) {
    assert(!readable);
  }

  kelvara::BirthData birth;
  birth.Surname = surname;
  birth.GivenName = given_name;
  kelvara::ReportDocument document;
  const bool completed = kelvara::NameReport(
      store, birth, 0, document, [](std::string_view) { assert(false); });
  const bool named = !surname.empty() && !given_name.empty();
  assert(completed == (readable || !named));
  assert(!readable || !named || document.lines().back() == kClosingLine);
  (void)completed;
  (void)named;
  assert(kelvara::ThreeTalentReading(store, birth, document) ==
         (readable || !named));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1),
                               size - 1);
  const std::size_t cut = std::min<std::size_t>(data[0], bytes.size());
  const std::string surname(bytes.substr(0, cut));
  const std::string given_name(bytes.substr(cut));
  const Stores& stores = StoreDirectories();
  RunName(kelvara::ReferenceStore(stores.small), true, surname, given_name);
  RunName(kelvara::ReferenceStore(stores.empty), false, surname, given_name);
  return 0;
}
