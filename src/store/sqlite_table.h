#pragma once
// A table held in its own SQLite file, private to the store: the field
// definitions kept beside the records, so the file reopens as defined.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "store/sqlite_db.h"
#include "store/table_engine.h"

namespace tavelao::store {

class SqliteTable : public TableEngine {
 public:
  // Creates the file's field table and data table (the file must be new).
  static Result<std::unique_ptr<SqliteTable>> Create(Database db, const std::filesystem::path& path,
                                                     const Schema& schema, bool full_durability);
  // Reads the field definitions of an opened file; without a durability the
  // file is only read and its journal mode is left as it is.
  static Result<std::unique_ptr<SqliteTable>> Attach(Database db, const std::filesystem::path& path,
                                                     std::optional<bool> full_durability);

  const std::shared_ptr<const Schema>& schema() const { return schema_; }
  // Whether SQLite finds the file whole.
  bool QuickCheck();

  Result<std::int64_t> Insert(const Record& record) override;
  Status Update(std::int64_t id, const Record& record) override;
  Status Remove(std::int64_t id) override;
  Result<std::int64_t> RemoveWhere(const CompiledQuery& query) override;
  Result<std::int64_t> Count(const CompiledQuery& query) override;
  Result<std::optional<std::int32_t>> MaxInt(std::size_t field, const CompiledQuery& query) override;
  Result<std::optional<Row>> Locate(std::size_t field, const Value& value) override;
  Status ForEach(const CompiledQuery& query, const std::function<bool(const Row&)>& visit) override;
  Result<std::vector<Row>> Range(const CompiledQuery& query, std::int64_t skip, std::int64_t count) override;
  Status AddIndex(const IndexDef& index, bool unique) override;
  Status CopyTo(const std::filesystem::path& target) override;
  Status ReplaceWith(TableEngine& copy) override;
  Status Begin() override;
  Status Commit() override;
  void Rollback() override;

 private:
  SqliteTable(Database db, const std::filesystem::path& path) : db_(std::move(db)), path_(path) {}
  Result<Statement*> Cached(const std::string& sql);
  Status Bind(Statement& stmt, int first, const std::vector<Value>& values);
  // The columns from `first_column` on hold `fields` (schema positions).
  Record ReadRecord(Statement& stmt, int first_column, const std::vector<std::size_t>& fields) const;
  Error Failure(const std::string& what) const;
  Error WriteFailure(int rc, const Record* record);
  Status Run(Statement& stmt, const std::vector<Value>& params, const Record* record = nullptr);

  Database db_;
  std::filesystem::path path_;
  std::shared_ptr<const Schema> schema_;
  std::vector<IndexDef> unique_indexes_;
  std::map<std::string, Statement> statements_;
  std::string column_list_;  // every field, quoted, in schema order
  std::string insert_sql_;   // made once: bulk writes post thousands of rows
  std::string update_sql_;
};

}  // namespace tavelao::store
