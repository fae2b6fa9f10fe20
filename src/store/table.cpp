#include "store/table.h"

#include <cassert>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <numeric>
#include <system_error>

#include "common/atomic_file.h"
#include "common/text.h"

namespace tavelao::store {
namespace {

// Marks a SQLite file as one of this system's table files ("TVLO").
constexpr int kApplicationId = 0x54564C4F;
constexpr int kFormatVersion = 1;
constexpr const char* kDataTable = "tavelao_dados";
constexpr const char* kFieldTable = "tavelao_campos";

const char* TypeName(FieldType type) {
  switch (type) {
    case FieldType::String:
      return "String";
    case FieldType::Integer:
      return "Integer";
    case FieldType::Float:
      return "Float";
    case FieldType::Date:
      return "Date";
    case FieldType::Boolean:
      return "Boolean";
  }
  return "";
}

std::optional<FieldType> TypeFromName(std::string_view name) {
  for (FieldType t : {FieldType::String, FieldType::Integer, FieldType::Float, FieldType::Date, FieldType::Boolean}) {
    if (name == TypeName(t)) return t;
  }
  return std::nullopt;
}

const char* SqlType(FieldType type) {
  switch (type) {
    case FieldType::Integer:
    case FieldType::Boolean:
      return "INTEGER";
    case FieldType::Float:
      return "REAL";
    case FieldType::String:
    case FieldType::Date:
      return "TEXT";
  }
  return "";
}

std::string DateText(const Date& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

std::optional<Date> DateFromText(std::string_view text) {
  Date d;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto y = ParseInt32(text.substr(0, 4)), m = ParseInt32(text.substr(5, 2)), day = ParseInt32(text.substr(8, 2));
  if (!y || !m || !day) return std::nullopt;
  d = {*y, *m, *day};
  return IsValidDate(d) ? std::optional<Date>(d) : std::nullopt;
}

// What an SQLite failure means to the operator.
std::string Reason(int rc, const std::string& detail) {
  switch (rc & 0xFF) {
    case SQLITE_NOTADB:
      return "não é um arquivo de tabela";
    case SQLITE_CORRUPT:
      return "está danificado";
    case SQLITE_CANTOPEN:
      return "não pôde ser aberto";
    case SQLITE_READONLY:
      return "está protegido contra gravação";
    case SQLITE_PERM:
      return "não tem permissão de acesso";
    case SQLITE_FULL:
      return "não cabe no disco, que está cheio";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "está em uso por outro programa";
    case SQLITE_IOERR:
      return "deu erro de leitura ou gravação no disco";
    default:
      return "deu erro (" + detail + ")";
  }
}

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

}  // namespace

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

Table::Table(Table&&) noexcept = default;
Table& Table::operator=(Table&& other) noexcept {
  if (this != &other) {
    Close();
    db_ = std::move(other.db_);
    path_ = std::move(other.path_);
    schema_ = std::move(other.schema_);
    unique_indexes_ = std::move(other.unique_indexes_);
    statements_ = std::move(other.statements_);
    column_list_ = std::move(other.column_list_);
    insert_sql_ = std::move(other.insert_sql_);
    update_sql_ = std::move(other.update_sql_);
  }
  return *this;
}
Table::~Table() { Close(); }

void Table::Close() {
  statements_.clear();
  db_.Close();
}

Error Table::Failure(const std::string& what) const {
  const int rc = db_.is_open() ? sqlite3_extended_errcode(db_.get()) : SQLITE_ERROR;
  return Fail("A tabela " + QuotedFileName(path_) + " " + Reason(rc, db_.LastError()) + " (" + what + ").");
}

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

  std::string sql = "BEGIN;PRAGMA application_id=" + std::to_string(kApplicationId) +
                    ";PRAGMA user_version=" + std::to_string(kFormatVersion) + ";CREATE TABLE " + kFieldTable +
                    "(posicao INTEGER PRIMARY KEY, nome TEXT NOT NULL, tipo TEXT NOT NULL, tamanho INTEGER NOT NULL);";
  std::string columns;
  for (std::size_t i = 0; i < schema.size(); ++i) {
    const FieldDef& f = schema[i];
    assert(!FindField(Schema(schema.begin(), schema.begin() + i), f.name) && "repeated field name");
    std::string name = f.name;
    for (char& c : name) {
      if (c == '\'') c = '_';
    }
    sql += "INSERT INTO " + std::string(kFieldTable) + " VALUES(" + std::to_string(i) + ",'" + name + "','" +
           TypeName(f.type) + "'," + std::to_string(f.size) + ");";
    columns += (i ? ", " : "") + QuoteName(f.name) + " " + SqlType(f.type);
  }
  sql += "CREATE TABLE " + std::string(kDataTable) + "(" + columns + ");COMMIT;";
  if (auto status = db->Exec(sql); !status) {
    return Fail("Não foi possível criar a tabela " + QuotedFileName(path) + ": " + status.error());
  }
  return Attach(std::move(*db), path, durability);
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
  return Attach(std::move(*db), path, read_only ? std::nullopt : std::optional<Durability>(durability));
}

// Without a durability the table is only read, and its journal mode is left
// as the file has it.
Result<Table> Table::Attach(Database db, const std::filesystem::path& path, std::optional<Durability> durability) {
  Table table;
  table.db_ = std::move(db);
  table.path_ = path;

  // Everything here only reads, so a foreign or damaged file stays untouched.
  auto header = table.db_.Prepare("PRAGMA application_id");
  if (!header || header->Step() != SQLITE_ROW) return table.Failure("cabeçalho");
  const bool ours = sqlite3_column_int(header->get(), 0) == kApplicationId;
  header->Reset();  // ends its read, which would keep the journal mode from changing
  if (!ours) return Fail("O arquivo " + QuotedFileName(path) + " não é um arquivo de tabela do Tavelão.");
  auto fields = table.db_.Prepare(std::string("SELECT nome, tipo, tamanho FROM ") + kFieldTable + " ORDER BY posicao");
  if (!fields) return table.Failure("definição dos campos");
  Schema schema;
  int rc;
  while ((rc = fields->Step()) == SQLITE_ROW) {
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(fields->get(), 0));
    const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(fields->get(), 1));
    const auto kind = TypeFromName(type ? type : "");
    if (!name || !kind) return Fail("A tabela " + QuotedFileName(path) + " tem uma definição de campo inválida.");
    schema.push_back({name, *kind, sqlite3_column_int(fields->get(), 2)});
  }
  if (rc != SQLITE_DONE) return table.Failure("definição dos campos");
  if (schema.empty()) return Fail("A tabela " + QuotedFileName(path) + " não tem campos definidos.");
  table.schema_ = std::make_shared<const Schema>(std::move(schema));
  std::string marks, sets;
  for (std::size_t i = 0; i < table.schema_->size(); ++i) {
    const std::string name = QuoteName((*table.schema_)[i].name);
    table.column_list_ += (i ? ", " : "") + name;
    marks += i ? ",?" : "?";
    sets += (i ? ", " : "") + name + "=?";
  }
  table.insert_sql_ = std::string("INSERT INTO ") + kDataTable + "(" + table.column_list_ + ") VALUES(" + marks + ")";
  table.update_sql_ = std::string("UPDATE ") + kDataTable + " SET " + sets + " WHERE rowid=?";
  auto columns = table.db_.Prepare("SELECT " + table.column_list_ + " FROM " + kDataTable + " LIMIT 0");
  if (!columns || columns->Step() != SQLITE_DONE) return table.Failure("registros");

  // Full: every commit is synced to the write-ahead log (one sync instead of
  // the rollback journal's three); closing copies it back and removes it.
  if (!durability) return table;
  const std::string sync = durability == Durability::Full ? "PRAGMA journal_mode=WAL;PRAGMA synchronous=FULL;"
                                                          : "PRAGMA synchronous=OFF;PRAGMA journal_mode=MEMORY;";
  if (auto status = table.db_.Exec(sync); !status) return table.Failure("modo de gravação");
  return table;
}

Result<Statement*> Table::Cached(const std::string& sql) {
  auto it = statements_.find(sql);
  if (it == statements_.end()) {
    auto stmt = db_.Prepare(sql);
    if (!stmt) return Failure(stmt.error());
    it = statements_.emplace(sql, std::move(*stmt)).first;
  }
  it->second.Reset();
  return &it->second;
}

Status Table::Bind(Statement& stmt, int first, const std::vector<Value>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int slot = first + static_cast<int>(i);
    const Value& v = values[i];
    int rc = SQLITE_OK;
    if (IsNull(v)) {
      rc = sqlite3_bind_null(stmt.get(), slot);
    } else if (const auto* n = std::get_if<std::int32_t>(&v)) {
      rc = sqlite3_bind_int(stmt.get(), slot, *n);
    } else if (const auto* d = std::get_if<double>(&v)) {
      rc = sqlite3_bind_double(stmt.get(), slot, *d);
    } else if (const auto* s = std::get_if<std::string>(&v)) {
      rc = sqlite3_bind_text(stmt.get(), slot, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    } else if (const auto* b = std::get_if<bool>(&v)) {
      rc = sqlite3_bind_int(stmt.get(), slot, *b ? 1 : 0);
    } else if (const auto* date = std::get_if<Date>(&v)) {
      const std::string text = DateText(*date);
      rc = sqlite3_bind_text(stmt.get(), slot, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) return Failure("valor do campo");
  }
  return {};
}

Record Table::ReadRecord(Statement& stmt, int first, const std::vector<std::size_t>& fields) const {
  Record record(schema_);
  for (std::size_t c = 0; c < fields.size(); ++c) {
    const std::size_t i = fields[c];
    const int col = first + static_cast<int>(c);
    if (sqlite3_column_type(stmt.get(), col) == SQLITE_NULL) continue;
    switch ((*schema_)[i].type) {
      case FieldType::Integer:
        record.SetAt(i, static_cast<std::int32_t>(sqlite3_column_int64(stmt.get(), col)));
        break;
      case FieldType::Float:
        record.SetAt(i, sqlite3_column_double(stmt.get(), col));
        break;
      case FieldType::Boolean:
        record.SetAt(i, sqlite3_column_int(stmt.get(), col) != 0);
        break;
      case FieldType::String: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), col));
        record.SetAt(i, std::string(text ? text : "", sqlite3_column_bytes(stmt.get(), col)));
        break;
      }
      case FieldType::Date: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), col));
        if (auto d = DateFromText(text ? text : "")) record.SetAt(i, *d);
        break;
      }
    }
  }
  return record;
}

Error Table::WriteFailure(int rc, const Record* record) const {
  if (rc == SQLITE_CONSTRAINT_UNIQUE && record != nullptr) {
    for (const UniqueIndex& index : unique_indexes_) {
      std::string where, key;
      for (std::size_t f : index.fields) {
        where += (where.empty() ? "" : " AND ") + QuoteName((*schema_)[f].name) + " IS ?";
        const Value& v = record->At(f);
        std::string shown = IsNull(v)                                 ? "vazio"
                            : std::holds_alternative<std::int32_t>(v) ? std::to_string(std::get<std::int32_t>(v))
                            : std::holds_alternative<std::string>(v)  ? std::get<std::string>(v)
                                                                      : "?";
        key += (key.empty() ? "" : ", ") + (*schema_)[f].name + " = " + shown;
      }
      auto& self = const_cast<Table&>(*this);
      auto stmt = self.db_.Prepare(std::string("SELECT count(*) FROM ") + kDataTable + " WHERE " + where);
      if (!stmt) continue;
      std::vector<Value> values;
      for (std::size_t f : index.fields) values.push_back(record->At(f));
      if (!self.Bind(*stmt, 1, values) || stmt->Step() != SQLITE_ROW) continue;
      if (sqlite3_column_int(stmt->get(), 0) > 0) {
        return Fail("Registro repetido na tabela " + QuotedFileName(path_) + ": o índice \"" + index.name +
                    "\" já tem " + key + ".");
      }
    }
    return Fail("Registro repetido na tabela " + QuotedFileName(path_) + ".");
  }
  return Failure("gravação");
}

Status Table::Run(Statement& stmt, const std::vector<Value>& params, const Record* record) {
  if (auto status = Bind(stmt, 1, params); !status) return status;
  const int rc = stmt.Step();
  stmt.Reset();
  if (rc != SQLITE_DONE && rc != SQLITE_ROW) return WriteFailure(sqlite3_extended_errcode(db_.get()), record);
  return {};
}

Result<std::int64_t> Table::Insert(const Record& record) {
  assert(&record.schema() == schema_.get() || record.schema().size() == schema_->size());
  auto stmt = Cached(insert_sql_);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Run(**stmt, record.values(), &record); !status) return std::move(status).take_error();
  return static_cast<std::int64_t>(sqlite3_last_insert_rowid(db_.get()));
}

Status Table::Update(std::int64_t id, const Record& record) {
  auto stmt = Cached(update_sql_);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, record.values()); !status) return status;
  sqlite3_bind_int64((*stmt)->get(), static_cast<int>(schema_->size()) + 1, id);
  const int rc = (*stmt)->Step();
  (*stmt)->Reset();
  if (rc != SQLITE_DONE) return WriteFailure(sqlite3_extended_errcode(db_.get()), &record);
  return {};
}

Status Table::Remove(std::int64_t id) {
  auto stmt = Cached(std::string("DELETE FROM ") + kDataTable + " WHERE rowid=?");
  if (!stmt) return std::move(stmt).take_error();
  sqlite3_bind_int64((*stmt)->get(), 1, id);
  const int rc = (*stmt)->Step();
  (*stmt)->Reset();
  if (rc != SQLITE_DONE) return Failure("exclusão");
  return {};
}

Result<std::int64_t> Table::RemoveWhere(const std::string& filter) {
  auto query = CompileQuery(*schema_, {filter, {}});
  if (!query) return std::move(query).take_error();
  auto stmt = Cached(std::string("DELETE FROM ") + kDataTable + query->where);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Run(**stmt, query->params); !status) return std::move(status).take_error();
  return static_cast<std::int64_t>(sqlite3_changes(db_.get()));
}

Status Table::RemoveAll() {
  auto removed = RemoveWhere({});
  if (!removed) return std::move(removed).take_error();
  return {};
}

Result<std::int64_t> Table::Count(const std::string& filter) {
  auto query = CompileQuery(*schema_, {filter, {}});
  if (!query) return std::move(query).take_error();
  auto stmt = Cached(std::string("SELECT count(*) FROM ") + kDataTable + query->where);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, query->params); !status) return std::move(status).take_error();
  if ((*stmt)->Step() != SQLITE_ROW) return Failure("contagem");
  const std::int64_t n = sqlite3_column_int64((*stmt)->get(), 0);
  (*stmt)->Reset();
  return n;
}

Result<std::optional<std::int32_t>> Table::MaxInt(std::string_view field, const std::string& filter) {
  const auto index = FindField(*schema_, field);
  assert(index);
  auto query = CompileQuery(*schema_, {filter, {}});
  if (!query) return std::move(query).take_error();
  auto stmt = Cached("SELECT max(" + QuoteName((*schema_)[*index].name) + ") FROM " + kDataTable + query->where);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, query->params); !status) return std::move(status).take_error();
  if ((*stmt)->Step() != SQLITE_ROW) return Failure("máximo");
  std::optional<std::int32_t> max;
  if (sqlite3_column_type((*stmt)->get(), 0) != SQLITE_NULL) max = sqlite3_column_int((*stmt)->get(), 0);
  (*stmt)->Reset();
  return max;
}

Result<std::optional<Row>> Table::Locate(std::string_view field, const Value& value) {
  const auto index = FindField(*schema_, field);
  assert(index);
  auto stmt = Cached("SELECT rowid, " + column_list_ + " FROM " + kDataTable + " WHERE " +
                     QuoteName((*schema_)[*index].name) + " IS ? ORDER BY rowid LIMIT 1");
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, {value}); !status) return std::move(status).take_error();
  const int rc = (*stmt)->Step();
  std::optional<Row> row;
  if (rc == SQLITE_ROW) {
    std::vector<std::size_t> every_field(schema_->size());
    std::iota(every_field.begin(), every_field.end(), std::size_t{0});
    row = Row{sqlite3_column_int64((*stmt)->get(), 0), ReadRecord(**stmt, 1, every_field)};
  } else if (rc != SQLITE_DONE) {
    return Failure("busca");
  }
  (*stmt)->Reset();
  return row;
}

Status Table::ForEach(const Query& query, const std::function<bool(const Row&)>& visit) {
  auto compiled = CompileQuery(*schema_, query);
  if (!compiled) return std::move(compiled).take_error();
  auto stmt =
      Cached("SELECT rowid, " + compiled->columns + " FROM " + kDataTable + compiled->where + compiled->order_by);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, compiled->params); !status) return status;
  int rc;
  while ((rc = (*stmt)->Step()) == SQLITE_ROW) {
    if (!visit(Row{sqlite3_column_int64((*stmt)->get(), 0), ReadRecord(**stmt, 1, compiled->fields)})) {
      rc = SQLITE_DONE;
      break;
    }
  }
  (*stmt)->Reset();
  if (rc != SQLITE_DONE) return Failure("leitura");
  return {};
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
  auto compiled = CompileQuery(*schema_, query);
  if (!compiled) return std::move(compiled).take_error();
  auto stmt = Cached("SELECT rowid, " + compiled->columns + " FROM " + kDataTable + compiled->where +
                     compiled->order_by + " LIMIT ? OFFSET ?");
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, compiled->params); !status) return std::move(status).take_error();
  const int slot = static_cast<int>(compiled->params.size()) + 1;
  sqlite3_bind_int64((*stmt)->get(), slot, count);
  sqlite3_bind_int64((*stmt)->get(), slot + 1, skip);
  std::vector<Row> rows;
  int rc;
  while ((rc = (*stmt)->Step()) == SQLITE_ROW) {
    rows.push_back(Row{sqlite3_column_int64((*stmt)->get(), 0), ReadRecord(**stmt, 1, compiled->fields)});
  }
  if (rc != SQLITE_DONE) return Failure("leitura");
  (*stmt)->Reset();
  return rows;
}

Status Table::AddIndex(const std::string& name, const std::string& fields, bool unique) {
  UniqueIndex index{name, {}};
  std::string columns;
  std::string_view rest = fields;
  while (!rest.empty()) {
    const auto cut = rest.find(';');
    const std::string_view field = Trim(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
    const auto at = FindField(*schema_, field);
    assert(at && "index over an unknown field");
    index.fields.push_back(*at);
    columns += (columns.empty() ? "" : ", ") + QuoteName((*schema_)[*at].name);
  }
  const std::string sql = std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
                          QuoteName("indice_" + name) + " ON " + kDataTable + "(" + columns + ")";
  if (auto status = db_.Exec(sql); !status) {
    if ((sqlite3_extended_errcode(db_.get()) & 0xFF) == SQLITE_CONSTRAINT) {
      return Fail("A tabela " + QuotedFileName(path_) + " tem registros repetidos no índice \"" + name + "\".");
    }
    return Failure("índice " + name);
  }
  if (unique) unique_indexes_.push_back(std::move(index));
  return {};
}

Table::Transaction::Transaction(Table& table) : table_(&table) { active_ = table_->db_.Exec("BEGIN IMMEDIATE").ok(); }

Table::Transaction::~Transaction() {
  if (active_) (void)table_->db_.Exec("ROLLBACK");
}

Status Table::Transaction::Commit() {
  if (!active_) return table_->Failure("início da transação");
  active_ = false;
  if (table_->db_.Exec("COMMIT")) return {};
  // The failure must be told before a rollback overwrites it (a full disk
  // may already have ended the transaction).
  Error failure = table_->Failure("gravação");
  if (sqlite3_get_autocommit(table_->db_.get()) == 0) (void)table_->db_.Exec("ROLLBACK");
  return failure;
}

}  // namespace tavelao::store
