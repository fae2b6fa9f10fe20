#include "store/sqlite_table.h"

#include <cassert>
#include <cstdio>
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

// Runs a whole online backup from `from` into `to`; SQLITE_OK or the
// failure's code. It reads a consistent snapshot through the open
// connection (log included) and writes the copy page by page.
int Copy(sqlite3* from, sqlite3* to) {
  sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
  if (backup == nullptr) return sqlite3_extended_errcode(to);
  int rc;
  while ((rc = sqlite3_backup_step(backup, -1)) == SQLITE_OK) {
  }
  const int finished = sqlite3_backup_finish(backup);
  return rc == SQLITE_DONE ? finished : rc;
}

}  // namespace

Result<std::unique_ptr<SqliteTable>> SqliteTable::Create(Database db, const std::filesystem::path& path,
                                                         const Schema& schema, bool full_durability) {
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
  if (auto status = db.Exec(sql); !status) {
    return Fail("Não foi possível criar a tabela " + QuotedFileName(path) + ": " + status.error());
  }
  return Attach(std::move(db), path, full_durability);
}

Result<std::unique_ptr<SqliteTable>> SqliteTable::Attach(Database db, const std::filesystem::path& path,
                                                         std::optional<bool> full_durability) {
  std::unique_ptr<SqliteTable> table(new SqliteTable(std::move(db), path));

  // Everything here only reads, so a foreign or damaged file stays untouched.
  auto header = table->db_.Prepare("PRAGMA application_id");
  if (!header || header->Step() != SQLITE_ROW) return table->Failure("cabeçalho");
  const bool ours = sqlite3_column_int(header->get(), 0) == kApplicationId;
  header->Reset();  // ends its read, which would keep the journal mode from changing
  if (!ours) return Fail("O arquivo " + QuotedFileName(path) + " não é um arquivo de tabela do Tavelão.");
  auto fields = table->db_.Prepare(std::string("SELECT nome, tipo, tamanho FROM ") + kFieldTable + " ORDER BY posicao");
  if (!fields) return table->Failure("definição dos campos");
  Schema schema;
  int rc;
  while ((rc = fields->Step()) == SQLITE_ROW) {
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(fields->get(), 0));
    const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(fields->get(), 1));
    const auto kind = TypeFromName(type ? type : "");
    if (!name || !kind) return Fail("A tabela " + QuotedFileName(path) + " tem uma definição de campo inválida.");
    schema.push_back({name, *kind, sqlite3_column_int(fields->get(), 2)});
  }
  if (rc != SQLITE_DONE) return table->Failure("definição dos campos");
  if (schema.empty()) return Fail("A tabela " + QuotedFileName(path) + " não tem campos definidos.");
  table->schema_ = std::make_shared<const Schema>(std::move(schema));
  std::string marks, sets;
  for (std::size_t i = 0; i < table->schema_->size(); ++i) {
    const std::string name = QuoteName((*table->schema_)[i].name);
    table->column_list_ += (i ? ", " : "") + name;
    marks += i ? ",?" : "?";
    sets += (i ? ", " : "") + name + "=?";
  }
  table->insert_sql_ = std::string("INSERT INTO ") + kDataTable + "(" + table->column_list_ + ") VALUES(" + marks + ")";
  table->update_sql_ = std::string("UPDATE ") + kDataTable + " SET " + sets + " WHERE rowid=?";
  auto columns = table->db_.Prepare("SELECT " + table->column_list_ + " FROM " + kDataTable + " LIMIT 0");
  if (!columns || columns->Step() != SQLITE_DONE) return table->Failure("registros");

  // Full: every commit is synced to the write-ahead log (one sync instead of
  // the rollback journal's three); closing copies it back and removes it.
  if (!full_durability) return table;
  const std::string sync = *full_durability ? "PRAGMA journal_mode=WAL;PRAGMA synchronous=FULL;"
                                            : "PRAGMA synchronous=OFF;PRAGMA journal_mode=MEMORY;";
  if (auto status = table->db_.Exec(sync); !status) return table->Failure("modo de gravação");
  return table;
}

bool SqliteTable::QuickCheck() {
  auto check = db_.Prepare("PRAGMA quick_check");
  if (!check || check->Step() != SQLITE_ROW) return false;
  const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check->get(), 0));
  return verdict != nullptr && std::string_view(verdict) == "ok";
}

Error SqliteTable::Failure(const std::string& what) const {
  const int rc = db_.is_open() ? sqlite3_extended_errcode(db_.get()) : SQLITE_ERROR;
  return Fail("A tabela " + QuotedFileName(path_) + " " + Reason(rc, db_.LastError()) + " (" + what + ").");
}

Result<Statement*> SqliteTable::Cached(const std::string& sql) {
  auto it = statements_.find(sql);
  if (it == statements_.end()) {
    auto stmt = db_.Prepare(sql);
    if (!stmt) return Failure(stmt.error());
    it = statements_.emplace(sql, std::move(*stmt)).first;
  }
  it->second.Reset();
  return &it->second;
}

Status SqliteTable::Bind(Statement& stmt, int first, const std::vector<Value>& values) {
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

Record SqliteTable::ReadRecord(Statement& stmt, int first, const std::vector<std::size_t>& fields) const {
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

Error SqliteTable::WriteFailure(int rc, const Record* record) {
  if (rc == SQLITE_CONSTRAINT_UNIQUE && record != nullptr) {
    for (const IndexDef& index : unique_indexes_) {
      std::string where;
      for (std::size_t f : index.fields)
        where += (where.empty() ? "" : " AND ") + QuoteName((*schema_)[f].name) + " IS ?";
      auto stmt = db_.Prepare(std::string("SELECT count(*) FROM ") + kDataTable + " WHERE " + where);
      if (!stmt) continue;
      std::vector<Value> values;
      for (std::size_t f : index.fields) values.push_back(record->At(f));
      if (!Bind(*stmt, 1, values) || stmt->Step() != SQLITE_ROW) continue;
      if (sqlite3_column_int(stmt->get(), 0) > 0) {
        return Fail("Registro repetido na tabela " + QuotedFileName(path_) + ": o índice \"" + index.name +
                    "\" já tem " + IndexKeyText(*schema_, index, *record) + ".");
      }
    }
    return Fail("Registro repetido na tabela " + QuotedFileName(path_) + ".");
  }
  return Failure("gravação");
}

Status SqliteTable::Run(Statement& stmt, const std::vector<Value>& params, const Record* record) {
  if (auto status = Bind(stmt, 1, params); !status) return status;
  const int rc = stmt.Step();
  stmt.Reset();
  if (rc != SQLITE_DONE && rc != SQLITE_ROW) return WriteFailure(sqlite3_extended_errcode(db_.get()), record);
  return {};
}

Result<std::int64_t> SqliteTable::Insert(const Record& record) {
  auto stmt = Cached(insert_sql_);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Run(**stmt, record.values(), &record); !status) return std::move(status).take_error();
  return static_cast<std::int64_t>(sqlite3_last_insert_rowid(db_.get()));
}

Status SqliteTable::Update(std::int64_t id, const Record& record) {
  auto stmt = Cached(update_sql_);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, record.values()); !status) return status;
  sqlite3_bind_int64((*stmt)->get(), static_cast<int>(schema_->size()) + 1, id);
  const int rc = (*stmt)->Step();
  (*stmt)->Reset();
  if (rc != SQLITE_DONE) return WriteFailure(sqlite3_extended_errcode(db_.get()), &record);
  return {};
}

Status SqliteTable::Remove(std::int64_t id) {
  auto stmt = Cached(std::string("DELETE FROM ") + kDataTable + " WHERE rowid=?");
  if (!stmt) return std::move(stmt).take_error();
  sqlite3_bind_int64((*stmt)->get(), 1, id);
  const int rc = (*stmt)->Step();
  (*stmt)->Reset();
  if (rc != SQLITE_DONE) return Failure("exclusão");
  return {};
}

Result<std::int64_t> SqliteTable::RemoveWhere(const CompiledQuery& query) {
  auto stmt = Cached(std::string("DELETE FROM ") + kDataTable + query.where);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Run(**stmt, query.params); !status) return std::move(status).take_error();
  return static_cast<std::int64_t>(sqlite3_changes(db_.get()));
}

Result<std::int64_t> SqliteTable::Count(const CompiledQuery& query) {
  auto stmt = Cached(std::string("SELECT count(*) FROM ") + kDataTable + query.where);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, query.params); !status) return std::move(status).take_error();
  if ((*stmt)->Step() != SQLITE_ROW) return Failure("contagem");
  const std::int64_t n = sqlite3_column_int64((*stmt)->get(), 0);
  (*stmt)->Reset();
  return n;
}

Result<std::optional<std::int32_t>> SqliteTable::MaxInt(std::size_t field, const CompiledQuery& query) {
  auto stmt = Cached("SELECT max(" + QuoteName((*schema_)[field].name) + ") FROM " + kDataTable + query.where);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, query.params); !status) return std::move(status).take_error();
  if ((*stmt)->Step() != SQLITE_ROW) return Failure("máximo");
  std::optional<std::int32_t> max;
  if (sqlite3_column_type((*stmt)->get(), 0) != SQLITE_NULL) max = sqlite3_column_int((*stmt)->get(), 0);
  (*stmt)->Reset();
  return max;
}

Result<std::optional<Row>> SqliteTable::Locate(std::size_t field, const Value& value) {
  auto stmt = Cached("SELECT rowid, " + column_list_ + " FROM " + kDataTable + " WHERE " +
                     QuoteName((*schema_)[field].name) + " IS ? ORDER BY rowid LIMIT 1");
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

Status SqliteTable::ForEach(const CompiledQuery& query, const std::function<bool(const Row&)>& visit) {
  auto stmt = Cached("SELECT rowid, " + query.columns + " FROM " + kDataTable + query.where + query.order_by);
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, query.params); !status) return status;
  int rc;
  while ((rc = (*stmt)->Step()) == SQLITE_ROW) {
    if (!visit(Row{sqlite3_column_int64((*stmt)->get(), 0), ReadRecord(**stmt, 1, query.fields)})) {
      rc = SQLITE_DONE;
      break;
    }
  }
  (*stmt)->Reset();
  if (rc != SQLITE_DONE) return Failure("leitura");
  return {};
}

Result<std::vector<Row>> SqliteTable::Range(const CompiledQuery& query, std::int64_t skip, std::int64_t count) {
  auto stmt = Cached("SELECT rowid, " + query.columns + " FROM " + kDataTable + query.where + query.order_by +
                     " LIMIT ? OFFSET ?");
  if (!stmt) return std::move(stmt).take_error();
  if (auto status = Bind(**stmt, 1, query.params); !status) return std::move(status).take_error();
  const int slot = static_cast<int>(query.params.size()) + 1;
  sqlite3_bind_int64((*stmt)->get(), slot, count);
  sqlite3_bind_int64((*stmt)->get(), slot + 1, skip);
  std::vector<Row> rows;
  int rc;
  while ((rc = (*stmt)->Step()) == SQLITE_ROW) {
    rows.push_back(Row{sqlite3_column_int64((*stmt)->get(), 0), ReadRecord(**stmt, 1, query.fields)});
  }
  if (rc != SQLITE_DONE) return Failure("leitura");
  (*stmt)->Reset();
  return rows;
}

Status SqliteTable::AddIndex(const IndexDef& index, bool unique) {
  std::string columns;
  for (std::size_t f : index.fields) columns += (columns.empty() ? "" : ", ") + QuoteName((*schema_)[f].name);
  const std::string sql = std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
                          QuoteName("indice_" + index.name) + " ON " + kDataTable + "(" + columns + ")";
  if (auto status = db_.Exec(sql); !status) {
    if ((sqlite3_extended_errcode(db_.get()) & 0xFF) == SQLITE_CONSTRAINT) {
      return Fail("A tabela " + QuotedFileName(path_) + " tem registros repetidos no índice \"" + index.name + "\".");
    }
    return Failure("índice " + index.name);
  }
  if (unique) unique_indexes_.push_back(index);
  return {};
}

Status SqliteTable::CopyTo(const std::filesystem::path& target) {
  const auto partial = std::filesystem::path(target.string() + ".parcial");
  std::error_code ignored;
  std::filesystem::remove(partial, ignored);
  {
    auto copy = Database::Open(partial, /*create=*/true, /*read_only=*/false);
    if (!copy) return Fail("Não foi possível criar a cópia " + QuotedFileName(target) + ": " + copy.error());
    if (const int rc = Copy(db_.get(), copy->get()); rc != SQLITE_OK) {
      const std::string reason = sqlite3_errstr(rc);
      copy->Close();
      std::filesystem::remove(partial, ignored);
      if ((rc & 0xFF) == SQLITE_FULL)
        return Fail("O disco está cheio: a cópia de " + QuotedFileName(path_) + " não foi gravada.");
      return Fail("Não foi possível copiar a tabela " + QuotedFileName(path_) + " (" + reason + ").");
    }
    // The copy carries the source's journal mode; leave it as one plain file.
    (void)copy->Exec("PRAGMA journal_mode=DELETE");
  }
  std::error_code ec;
  std::filesystem::rename(partial, target, ec);
  if (ec) {
    std::filesystem::remove(partial, ignored);
    return Fail("Não foi possível gravar a cópia " + QuotedFileName(target) + ": " + ec.message() + ".");
  }
  if (!SyncFolder(target.parent_path()))
    return Fail("O disco não confirmou a gravação da cópia " + QuotedFileName(target) + ".");
  return {};
}

Status SqliteTable::ReplaceWith(TableEngine& copy) {
  auto* file = dynamic_cast<SqliteTable*>(&copy);
  assert(file && "a safety copy is a table file");
  statements_.clear();
  if (const int rc = Copy(file->db_.get(), db_.get()); rc != SQLITE_OK) {
    return Fail("A tabela " + QuotedFileName(path_) + " não foi restaurada (" + std::string(sqlite3_errstr(rc)) + ").");
  }
  return {};
}

Status SqliteTable::Begin() {
  if (auto status = db_.Exec("BEGIN IMMEDIATE"); !status) return Failure("início da transação");
  return {};
}

Status SqliteTable::Commit() {
  if (db_.Exec("COMMIT")) return {};
  // The failure must be told before a rollback overwrites it (a full disk
  // may already have ended the transaction).
  Error failure = Failure("gravação");
  Rollback();
  return failure;
}

void SqliteTable::Rollback() {
  if (sqlite3_get_autocommit(db_.get()) == 0) (void)db_.Exec("ROLLBACK");
}

}  // namespace tavelao::store
