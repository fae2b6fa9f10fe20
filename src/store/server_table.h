#pragma once
// A table held by the PostgreSQL server that several stations share,
// private to the store. Beside the table's own fields each row records the
// station that wrote it and when ("estacao", "gravado_em").

#include <filesystem>
#include <memory>
#include <string>

#include "store/server_connection.h"
#include "store/table_engine.h"

namespace tavelao::store {

class ServerTable : public TableEngine {
 public:
  // The server's table `name` with `schema`, created when missing; a table
  // of the same name with other fields is refused. `stands_for` is the
  // table file it replaces, as messages name it.
  static Result<std::unique_ptr<ServerTable>> Open(std::shared_ptr<ServerConnection> server, const std::string& name,
                                                   const std::filesystem::path& stands_for,
                                                   std::shared_ptr<const Schema> schema);

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
  ServerTable(std::shared_ptr<ServerConnection> server, std::string name, std::filesystem::path stands_for,
              std::shared_ptr<const Schema> schema);
  // Runs a statement on the table; inside a transaction a refused one is
  // undone alone, as SQLite does, so the transaction goes on.
  Result<ServerResult> Run(const std::string& sql, const std::vector<Value>& params, const Record* record = nullptr);
  Record ReadRecord(const ServerResult& result, int row, int first_column,
                    const std::vector<std::size_t>& fields) const;
  Result<std::vector<Row>> Rows(const std::string& sql, const std::vector<Value>& params,
                                const std::vector<std::size_t>& fields);
  Error Refusal(const ServerFailure& failure, const Record* record) const;
  std::string IndexName(const IndexDef& index) const;

  std::shared_ptr<ServerConnection> server_;
  std::string name_;  // quoted
  std::string plain_name_;
  std::filesystem::path stands_for_;
  std::shared_ptr<const Schema> schema_;
  std::vector<IndexDef> unique_indexes_;
  std::string column_list_;
  std::string insert_sql_;
  std::string update_sql_;
  bool replacing_ = false;
};

}  // namespace tavelao::store
