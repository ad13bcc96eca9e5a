#pragma once

// Owning handles of SQLite's connection and statement objects.

#include <sqlite3.h>

#include <memory>

namespace kelvara {

struct SqliteConnectionCloser {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct SqliteStatementFinalizer {
  void operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
  }
};
using SqliteConnection = std::unique_ptr<sqlite3, SqliteConnectionCloser>;
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteStatementFinalizer>;

}  // namespace kelvara
