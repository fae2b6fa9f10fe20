#pragma once
// Thin RAII wrappers over the SQLite C interface, private to the store.

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/result.h"

namespace tavelao::store {

class Statement {
 public:
  Statement() = default;
  Statement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement();

  sqlite3_stmt* get() const { return stmt_; }
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int Step();
  void Reset();

 private:
  sqlite3* db_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
};

class Database {
 public:
  Database() = default;
  Database(Database&& other) noexcept;
  Database& operator=(Database&& other) noexcept;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;
  ~Database();

  static Result<Database> Open(const std::filesystem::path& path, bool create, bool read_only);

  sqlite3* get() const { return db_; }
  bool is_open() const { return db_ != nullptr; }
  void Close();

  Status Exec(std::string_view sql);
  Result<Statement> Prepare(std::string_view sql);
  std::string LastError() const;

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace tavelao::store
