#pragma once
// A table file (*.cds): one SQLite database holding one table, whose field
// definitions are kept in the file so that it reopens exactly as defined.
// Every post is committed to disk when it returns, unless a Transaction
// gathers several into one commit. The same table may instead be held by a
// PostgreSQL server that several stations share (server_store.h); its
// readers and writers do not tell the two apart.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "store/query.h"
#include "store/record.h"
#include "store/table_engine.h"
#include "store/value.h"

namespace tavelao::store {

// Scratch tables, rebuilt by the operation that uses them, may give up the
// wait for the disk on every commit; everything else keeps it.
enum class Durability { Full, Scratch };

// What stands at a table's path: nothing, a file (or a link to one), or a
// link whose file is gone, which must not be taken for a missing table.
enum class FileState { Missing, Present, DanglingLink };
FileState TableFileState(const std::filesystem::path& path);
// Whether a table file is present; a dangling link is refused by name.
Result<bool> TableFileExists(const std::filesystem::path& path);

class Table {
 public:
  Table() = default;
  Table(Table&&) noexcept;
  Table& operator=(Table&&) noexcept;
  ~Table();

  // Deletes the file (a failed deletion is ignored) and creates the table
  // empty with the given fields.
  static Result<Table> CreateAfresh(const std::filesystem::path& path, const Schema& schema,
                                    Durability durability = Durability::Full);
  // Opens an existing table file. A file that is not a readable table of
  // this system is reported by name and left exactly as it was.
  static Result<Table> Open(const std::filesystem::path& path, Durability durability = Durability::Full);
  // Opens a table file that this program only reads (a delivered file that
  // may be write-protected): nothing is written to it, not even its header.
  static Result<Table> OpenReadOnly(const std::filesystem::path& path);
  // Builds a new table file under a temporary name, lets `fill` add its
  // first rows in one commit, and moves it into place only when whole, so
  // that a program killed midway never leaves a table without its rows.
  static Status CreateWhole(const std::filesystem::path& path, const Schema& schema,
                            const std::function<Status(Table&)>& fill = {});

  // A table over another store (a PostgreSQL server), with the fields
  // given; `path` is the table file it stands for, as messages name it.
  static Table FromEngine(std::unique_ptr<TableEngine> engine, const std::filesystem::path& path,
                          std::shared_ptr<const Schema> schema);

  bool is_open() const { return engine_ != nullptr; }
  void Close();
  const std::filesystem::path& path() const { return path_; }
  // The file name alone, as messages show it.
  std::string file_name() const { return path_.filename().string(); }
  const Schema& schema() const { return *schema_; }
  bool HasField(std::string_view name) const { return FindField(*schema_, name).has_value(); }

  // An empty record of this table's fields.
  Record NewRecord() const { return Record(schema_); }

  Result<std::int64_t> Insert(const Record& record);
  Status Update(std::int64_t id, const Record& record);
  Status Remove(std::int64_t id);
  // Removes the records the filter selects; returns how many.
  Result<std::int64_t> RemoveWhere(const std::string& filter);
  Status RemoveAll();

  Result<std::int64_t> Count(const std::string& filter = {});
  // The first record, in insertion order, whose field holds the value.
  Result<std::optional<Row>> Locate(std::string_view field, const Value& value);
  Result<std::vector<Row>> Select(const Query& query = {});
  // Visits the records in the query's order until the visitor returns false.
  Status ForEach(const Query& query, const std::function<bool(const Row&)>& visit);
  // The k-th record (1-based) in the query's order.
  Result<std::optional<Row>> RowAt(const Query& query, std::int64_t k);
  // At most `count` records in the query's order after skipping `skip`.
  Result<std::vector<Row>> Range(const Query& query, std::int64_t skip, std::int64_t count);
  // The largest value of an integer field among the filtered records.
  Result<std::optional<std::int32_t>> MaxInt(std::string_view field, const std::string& filter = {});

  // A consistent copy of the table as committed, written to `target` (a new
  // file) by SQLite's online backup while the table stays open.
  Status CopyTo(const std::filesystem::path& target);
  // Replaces every record with those of `backup`, a table file with the same
  // fields; a damaged or foreign file is refused by name and nothing changes.
  // `before_replacing` runs once the copy is known to be good (and may still
  // stop the restore).
  Status RestoreFrom(const std::filesystem::path& backup, const std::function<Status()>& before_replacing = {});

  // A named index on one or more fields ("Lote;Lan"). A unique index refuses
  // a record that repeats its key, with a message naming index and values.
  Status AddIndex(const std::string& name, const std::string& fields, bool unique);

  // Gathers the posts made while it lives into one commit; without Commit
  // they are rolled back.
  class Transaction {
   public:
    explicit Transaction(Table& table);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    Status Commit();

   private:
    Table* table_;
    Status begun_;
    bool active_ = false;
  };

 private:
  Table(std::unique_ptr<TableEngine> engine, const std::filesystem::path& path, std::shared_ptr<const Schema> schema);
  static Result<Table> OpenCopy(const std::filesystem::path& copy, const Schema& schema);
  static Result<Table> OpenFile(const std::filesystem::path& path, Durability durability, bool read_only);
  Result<CompiledQuery> Compile(const Query& query) const { return CompileQuery(*schema_, query); }

  std::unique_ptr<TableEngine> engine_;
  std::filesystem::path path_;
  std::shared_ptr<const Schema> schema_;
};

}  // namespace tavelao::store
