#include "store/table.h"

#include <cassert>
#include <cstring>
#include <fstream>
#include <system_error>

#include "common/atomic_file.h"
#include "common/text.h"
#include "store/sqlite_table.h"

namespace tavelao::store {
namespace {

// A file cut short (a copy that did not finish) is shorter than the size its
// own header records; SQLite would only notice when it reads a missing page.
bool IsTruncated(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char h[100] = {};
  if (!in.read(reinterpret_cast<char*>(h), sizeof h)) return false;
  if (std::memcmp(h, "SQLite format 3", 16) != 0) return false;
  auto be32 = [&h](int at) {
    return (std::uint32_t{h[at]} << 24) | (std::uint32_t{h[at + 1]} << 16) | (std::uint32_t{h[at + 2]} << 8) |
           h[at + 3];
  };
  const std::uint32_t raw_page = (std::uint32_t{h[16]} << 8) | h[17];
  const std::uint64_t page_size = raw_page == 1 ? 65536 : raw_page;
  const std::uint32_t pages = be32(28);
  if (pages == 0 || be32(24) != be32(92)) return false;
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  return !ec && size < page_size * pages;
}

// The table file at `path` opened as it stands.
Result<std::unique_ptr<SqliteTable>> OpenSqliteFile(const std::filesystem::path& path, Durability durability,
                                                    bool read_only) {
  std::error_code ec;
  if (auto exists = TableFileExists(path); !exists) return std::move(exists).take_error();
  if (!std::filesystem::is_regular_file(path, ec)) return Fail("A tabela " + QuotedFileName(path) + " não existe.");
  if (std::filesystem::file_size(path, ec) == 0) {
    return Fail("A tabela " + QuotedFileName(path) + " está vazia: não é um arquivo de tabela do Tavelão.");
  }
  // Pages not yet copied back from the write-ahead log can make the file
  // look short; SQLite completes it from the log on opening.
  const bool has_log = std::filesystem::file_size(path.string() + "-wal", ec) > 0 && !ec;
  if (!has_log && IsTruncated(path))
    return Fail("A tabela " + QuotedFileName(path) + " está danificada: o arquivo está incompleto.");
  auto db = Database::Open(path, /*create=*/false, read_only);
  if (!db) return Fail("A tabela " + QuotedFileName(path) + " não pôde ser aberta: " + db.error());
  return SqliteTable::Attach(std::move(*db), path,
                             read_only ? std::nullopt : std::optional<bool>(durability == Durability::Full));
}

Error Closed(const std::filesystem::path& path) { return Fail("A tabela " + QuotedFileName(path) + " está fechada."); }

bool SameFields(const Schema& a, const Schema& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!FindField(Schema{b[i]}, a[i].name) || a[i].type != b[i].type || a[i].size != b[i].size) return false;
  }
  return true;
}

}  // namespace

std::string IndexKeyText(const Schema& schema, const IndexDef& index, const Record& record) {
  std::string key;
  for (std::size_t f : index.fields) {
    const Value& v = record.At(f);
    std::string shown = IsNull(v)                                 ? "vazio"
                        : std::holds_alternative<std::int32_t>(v) ? std::to_string(std::get<std::int32_t>(v))
                        : std::holds_alternative<std::string>(v)  ? std::get<std::string>(v)
                                                                  : "?";
    key += (key.empty() ? "" : ", ") + schema[f].name + " = " + shown;
  }
  return key;
}

FileState TableFileState(const std::filesystem::path& path) {
  std::error_code ec;
  const auto link = std::filesystem::symlink_status(path, ec);
  if (ec || !std::filesystem::exists(link)) return FileState::Missing;
  if (std::filesystem::is_symlink(link) && !std::filesystem::exists(path, ec)) return FileState::DanglingLink;
  return FileState::Present;
}

Result<bool> TableFileExists(const std::filesystem::path& path) {
  switch (TableFileState(path)) {
    case FileState::Missing:
      return false;
    case FileState::Present:
      return true;
    case FileState::DanglingLink:
      break;
  }
  return Fail("A tabela " + QuotedFileName(path) + " é um atalho para um arquivo que não existe (" +
              std::filesystem::read_symlink(path).string() + "); corrija ou apague o atalho.");
}

Table::Table(std::unique_ptr<TableEngine> engine, const std::filesystem::path& path,
             std::shared_ptr<const Schema> schema)
    : engine_(std::move(engine)), path_(path), schema_(std::move(schema)) {}
Table::Table(Table&&) noexcept = default;
Table& Table::operator=(Table&& other) noexcept = default;
Table::~Table() = default;

void Table::Close() { engine_.reset(); }

Result<Table> Table::CreateAfresh(const std::filesystem::path& path, const Schema& schema, Durability durability) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  // Companions of the old file belong to it, not to the new table.
  for (const char* companion : {"-journal", "-wal", "-shm"})
    std::filesystem::remove(path.string() + companion, ignored);
  if (std::filesystem::exists(path, ignored)) {
    return Fail("Não foi possível apagar o arquivo " + QuotedFileName(path) + " para criá-lo de novo.");
  }
  auto db = Database::Open(path, /*create=*/true, /*read_only=*/false);
  if (!db) return Fail("Não foi possível criar o arquivo " + QuotedFileName(path) + ": " + db.error());
  auto created = SqliteTable::Create(std::move(*db), path, schema, durability == Durability::Full);
  if (!created) return std::move(created).take_error();
  auto fields = (*created)->schema();
  return Table(std::move(*created), path, std::move(fields));
}

Status Table::CreateWhole(const std::filesystem::path& path, const Schema& schema,
                          const std::function<Status(Table&)>& fill) {
  if (auto exists = TableFileExists(path); !exists) return std::move(exists).take_error();
  const auto partial = std::filesystem::path(path.string() + ".parcial");
  {
    auto table = CreateAfresh(partial, schema);
    if (!table) return std::move(table).take_error();
    if (fill) {
      Transaction transaction(*table);
      if (auto status = fill(*table); !status) return status;
      if (auto status = transaction.Commit(); !status) return status;
    }
  }  // closing copies the log back into the file and syncs it
  std::error_code ec;
  std::filesystem::rename(partial, path, ec);
  if (ec) return Fail("Não foi possível criar a tabela " + QuotedFileName(path) + ": " + ec.message() + ".");
  if (!SyncFolder(path.parent_path()))
    return Fail("O disco não confirmou a gravação da tabela " + QuotedFileName(path) + ".");
  return {};
}

Result<Table> Table::Open(const std::filesystem::path& path, Durability durability) {
  return OpenFile(path, durability, /*read_only=*/false);
}

Result<Table> Table::OpenReadOnly(const std::filesystem::path& path) {
  return OpenFile(path, Durability::Full, /*read_only=*/true);
}

Result<Table> Table::OpenFile(const std::filesystem::path& path, Durability durability, bool read_only) {
  auto file = OpenSqliteFile(path, durability, read_only);
  if (!file) return std::move(file).take_error();
  auto fields = (*file)->schema();
  return Table(std::move(*file), path, std::move(fields));
}

Table Table::FromEngine(std::unique_ptr<TableEngine> engine, const std::filesystem::path& path,
                        std::shared_ptr<const Schema> schema) {
  return Table(std::move(engine), path, std::move(schema));
}

Result<std::int64_t> Table::Insert(const Record& record) {
  if (!engine_) return Closed(path_);
  assert(&record.schema() == schema_.get() || record.schema().size() == schema_->size());
  return engine_->Insert(record);
}

Status Table::Update(std::int64_t id, const Record& record) {
  if (!engine_) return Closed(path_);
  return engine_->Update(id, record);
}

Status Table::Remove(std::int64_t id) {
  if (!engine_) return Closed(path_);
  return engine_->Remove(id);
}

Result<std::int64_t> Table::RemoveWhere(const std::string& filter) {
  if (!engine_) return Closed(path_);
  auto query = Compile({filter, {}, {}});
  if (!query) return std::move(query).take_error();
  return engine_->RemoveWhere(*query);
}

Status Table::RemoveAll() {
  auto removed = RemoveWhere({});
  if (!removed) return std::move(removed).take_error();
  return {};
}

Result<std::int64_t> Table::Count(const std::string& filter) {
  if (!engine_) return Closed(path_);
  auto query = Compile({filter, {}, {}});
  if (!query) return std::move(query).take_error();
  return engine_->Count(*query);
}

Result<std::optional<std::int32_t>> Table::MaxInt(std::string_view field, const std::string& filter) {
  if (!engine_) return Closed(path_);
  const auto index = FindField(*schema_, field);
  assert(index);
  auto query = Compile({filter, {}, {}});
  if (!query) return std::move(query).take_error();
  return engine_->MaxInt(*index, *query);
}

Result<std::optional<Row>> Table::Locate(std::string_view field, const Value& value) {
  if (!engine_) return Closed(path_);
  const auto index = FindField(*schema_, field);
  assert(index);
  return engine_->Locate(*index, value);
}

Status Table::ForEach(const Query& query, const std::function<bool(const Row&)>& visit) {
  if (!engine_) return Closed(path_);
  auto compiled = Compile(query);
  if (!compiled) return std::move(compiled).take_error();
  return engine_->ForEach(*compiled, visit);
}

Result<std::vector<Row>> Table::Select(const Query& query) {
  std::vector<Row> rows;
  auto status = ForEach(query, [&rows](const Row& row) {
    rows.push_back(row);
    return true;
  });
  if (!status) return std::move(status).take_error();
  return rows;
}

Result<std::optional<Row>> Table::RowAt(const Query& query, std::int64_t k) {
  if (k < 1) return std::optional<Row>();
  auto rows = Range(query, k - 1, 1);
  if (!rows) return std::move(rows).take_error();
  if (rows->empty()) return std::optional<Row>();
  return std::optional<Row>(std::move(rows->front()));
}

Result<std::vector<Row>> Table::Range(const Query& query, std::int64_t skip, std::int64_t count) {
  if (!engine_) return Closed(path_);
  auto compiled = Compile(query);
  if (!compiled) return std::move(compiled).take_error();
  return engine_->Range(*compiled, skip, count);
}

Status Table::AddIndex(const std::string& name, const std::string& fields, bool unique) {
  if (!engine_) return Closed(path_);
  IndexDef index{name, {}};
  std::string_view rest = fields;
  while (!rest.empty()) {
    const auto cut = rest.find(';');
    const std::string_view field = Trim(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
    const auto at = FindField(*schema_, field);
    assert(at && "index over an unknown field");
    index.fields.push_back(*at);
  }
  return engine_->AddIndex(index, unique);
}

Status Table::CopyTo(const std::filesystem::path& target) {
  if (!engine_) return Closed(path_);
  return engine_->CopyTo(target);
}

Result<Table> Table::OpenCopy(const std::filesystem::path& copy, const Schema& schema) {
  auto source = OpenSqliteFile(copy, Durability::Full, /*read_only=*/true);
  if (!source) return Fail("A cópia " + QuotedFileName(copy) + " não pode ser restaurada: " + source.error());
  if (!(*source)->QuickCheck())
    return Fail("A cópia " + QuotedFileName(copy) + " está danificada e não foi restaurada.");
  if (!SameFields(*(*source)->schema(), schema)) {
    return Fail("A cópia " + QuotedFileName(copy) + " não tem os campos da tabela e não foi restaurada.");
  }
  auto fields = (*source)->schema();
  return Table(std::move(*source), copy, std::move(fields));
}

Status Table::RestoreFrom(const std::filesystem::path& backup, const std::function<Status()>& before_replacing) {
  if (!engine_) return Closed(path_);
  auto source = OpenCopy(backup, *schema_);
  if (!source) return std::move(source).take_error();
  if (before_replacing) {
    if (auto status = before_replacing(); !status) return status;
  }
  return engine_->ReplaceWith(*source->engine_);
}

Table::Transaction::Transaction(Table& table)
    : table_(&table), begun_(table.engine_ ? table.engine_->Begin() : Status(Closed(table.path_))) {
  active_ = begun_.ok();
}

Table::Transaction::~Transaction() {
  if (active_) table_->engine_->Rollback();
}

Status Table::Transaction::Commit() {
  if (!active_) return begun_.ok() ? Fail("A transação já terminou.") : begun_;
  active_ = false;
  return table_->engine_->Commit();
}

}  // namespace tavelao::store
