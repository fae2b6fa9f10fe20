#pragma once
// What holds a table's records: a SQLite file in the data folder, or a
// PostgreSQL server shared by several stations. Table speaks to one of
// them through this interface and keeps every rule of its own above it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "store/query.h"
#include "store/record.h"

namespace tavelao::store {

// A unique index: its name as messages show it and its fields (schema
// positions).
struct IndexDef {
  std::string name;
  std::vector<std::size_t> fields;
};

class TableEngine {
 public:
  virtual ~TableEngine() = default;

  virtual Result<std::int64_t> Insert(const Record& record) = 0;
  virtual Status Update(std::int64_t id, const Record& record) = 0;
  virtual Status Remove(std::int64_t id) = 0;
  virtual Result<std::int64_t> RemoveWhere(const CompiledQuery& query) = 0;
  virtual Result<std::int64_t> Count(const CompiledQuery& query) = 0;
  virtual Result<std::optional<std::int32_t>> MaxInt(std::size_t field, const CompiledQuery& query) = 0;
  virtual Result<std::optional<Row>> Locate(std::size_t field, const Value& value) = 0;
  virtual Status ForEach(const CompiledQuery& query, const std::function<bool(const Row&)>& visit) = 0;
  virtual Result<std::vector<Row>> Range(const CompiledQuery& query, std::int64_t skip, std::int64_t count) = 0;
  virtual Status AddIndex(const IndexDef& index, bool unique) = 0;

  // A consistent copy of the committed records as a new table file.
  virtual Status CopyTo(const std::filesystem::path& target) = 0;
  // Replaces every record with those of `copy`, a table file of the same
  // fields found whole.
  virtual Status ReplaceWith(TableEngine& copy) = 0;

  // One transaction at a time; Rollback after a failed Commit is harmless.
  virtual Status Begin() = 0;
  virtual Status Commit() = 0;
  virtual void Rollback() = 0;
};

// "Numero = 42, Lote = 7": the key of a record in a unique index, as the
// refusal of a repeated key shows it.
std::string IndexKeyText(const Schema& schema, const IndexDef& index, const Record& record);

}  // namespace tavelao::store
