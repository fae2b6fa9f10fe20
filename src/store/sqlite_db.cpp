#include "store/sqlite_db.h"

#include <utility>

#include "store/file_locks.h"

namespace tavelao::store {

Statement::Statement(Statement&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(stmt_);
    db_ = std::exchange(other.db_, nullptr);
    stmt_ = std::exchange(other.stmt_, nullptr);
  }
  return *this;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

int Statement::Step() { return sqlite3_step(stmt_); }

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

Database::Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    Close();
    db_ = std::exchange(other.db_, nullptr);
  }
  return *this;
}

Database::~Database() { Close(); }

void Database::Close() {
  if (db_ != nullptr) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }
}

Result<Database> Database::Open(const std::filesystem::path& path, bool create, bool read_only) {
  UseOpenFileDescriptionLocks();
  int flags = read_only ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
  if (create) flags |= SQLITE_OPEN_CREATE;
  flags |= SQLITE_OPEN_NOMUTEX;
  Database db;
  const int rc = sqlite3_open_v2(path.string().c_str(), &db.db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = db.db_ ? sqlite3_errmsg(db.db_) : sqlite3_errstr(rc);
    return Fail(message);
  }
  sqlite3_extended_result_codes(db.db_, 1);
  sqlite3_busy_timeout(db.db_, 3000);
  return db;
}

Status Database::Exec(std::string_view sql) {
  char* message = nullptr;
  const int rc = sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &message);
  if (rc != SQLITE_OK) {
    std::string text = message ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    return Fail(text);
  }
  return {};
}

Result<Statement> Database::Prepare(std::string_view sql) {
  sqlite3_stmt* stmt = nullptr;
  const int rc =
      sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
  if (rc != SQLITE_OK) return Fail(LastError());
  return Statement(db_, stmt);
}

std::string Database::LastError() const { return db_ ? sqlite3_errmsg(db_) : "banco fechado"; }

}  // namespace tavelao::store
