#include "store/server_table.h"

#include <cassert>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <numeric>

#include "common/text.h"
#include "store/server_store.h"

namespace tavelao::store {
namespace {

const char* ColumnType(FieldType type) {
  switch (type) {
    case FieldType::Integer:
      return "integer";
    case FieldType::Float:
      return "double precision";
    case FieldType::Boolean:
      return "boolean";
    case FieldType::String:
    case FieldType::Date:
      // Byte order, as the table files compare and sort their texts.
      return "text COLLATE \"C\"";
  }
  return "";
}

// The '?' of the store's SQL as the server's $1, $2, ...
std::string Numbered(std::string_view sql) {
  std::string out;
  int n = 0;
  for (char c : sql) {
    if (c == '?') {
      out += "$" + std::to_string(++n);
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> ParamText(const Value& v) {
  if (IsNull(v)) return std::nullopt;
  if (const auto* n = std::get_if<std::int32_t>(&v)) return std::to_string(*n);
  if (const auto* d = std::get_if<double>(&v)) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", *d);
    return std::string(text);
  }
  if (const auto* s = std::get_if<std::string>(&v)) return *s;
  if (const auto* b = std::get_if<bool>(&v)) return std::string(*b ? "true" : "false");
  return DateText(std::get<Date>(v));
}

std::vector<std::optional<std::string>> Params(const std::vector<Value>& values) {
  std::vector<std::optional<std::string>> params;
  params.reserve(values.size());
  for (const Value& v : values) params.push_back(ParamText(v));
  return params;
}

constexpr const char* kStationColumn = "estacao";
constexpr const char* kTimeColumn = "gravado_em";

}  // namespace

ServerTable::ServerTable(std::shared_ptr<ServerConnection> server, std::string name, std::filesystem::path stands_for,
                         std::shared_ptr<const Schema> schema)
    : server_(std::move(server)),
      name_(QuoteName(name)),
      plain_name_(std::move(name)),
      stands_for_(std::move(stands_for)),
      schema_(std::move(schema)) {
  std::string marks, sets;
  for (std::size_t i = 0; i < schema_->size(); ++i) {
    const std::string column = QuoteName((*schema_)[i].name);
    column_list_ += (i ? ", " : "") + column;
    marks += i ? ",?" : "?";
    sets += (i ? ", " : "") + column + "=?";
  }
  insert_sql_ = Numbered("INSERT INTO " + name_ + "(" + column_list_ + ") VALUES(" + marks + ") RETURNING rowid");
  update_sql_ = Numbered("UPDATE " + name_ + " SET " + sets + " WHERE rowid=?");
}

Result<std::unique_ptr<ServerTable>> ServerTable::Open(std::shared_ptr<ServerConnection> server,
                                                       const std::string& name, const std::filesystem::path& stands_for,
                                                       std::shared_ptr<const Schema> schema) {
  std::unique_ptr<ServerTable> table(new ServerTable(std::move(server), name, stands_for, std::move(schema)));
  std::string columns = "rowid bigserial PRIMARY KEY";
  for (const FieldDef& f : *table->schema_) columns += ", " + QuoteName(f.name) + " " + ColumnType(f.type);
  columns += std::string(", ") + kStationColumn + " text NOT NULL DEFAULT current_setting('application_name'), " +
             kTimeColumn + " timestamptz NOT NULL DEFAULT now()";
  // Stations starting together must not create the table twice.
  if (auto begun = table->server_->Begin(); !begun) return std::move(begun).take_error();
  auto created = table->server_->Exec("SELECT pg_advisory_xact_lock(hashtext('tavelao'))");
  if (created) created = table->server_->Exec("CREATE TABLE IF NOT EXISTS " + table->name_ + "(" + columns + ")");
  if (!created) {
    table->server_->Rollback();
    return std::move(created).take_error();
  }
  if (auto committed = table->server_->Commit(); !committed) return std::move(committed).take_error();

  auto found = table->Run(
      "SELECT column_name FROM information_schema.columns WHERE table_schema = current_schema() AND table_name = $1 "
      "ORDER BY ordinal_position",
      {Value{table->plain_name_}});
  if (!found) return std::move(found).take_error();
  std::vector<std::string> expected{"rowid"};
  for (const FieldDef& f : *table->schema_) expected.push_back(f.name);
  expected.insert(expected.end(), {kStationColumn, kTimeColumn});
  bool same = found->rows() == static_cast<int>(expected.size());
  for (int r = 0; same && r < found->rows(); ++r) same = found->Text(r, 0) == expected[r];
  if (!same)
    return Fail("A tabela \"" + table->plain_name_ + "\" do servidor do banco " + table->server_->where() +
                " não tem os campos de " + QuotedFileName(stands_for) + "; ela não foi alterada.");
  return table;
}

Error ServerTable::Refusal(const ServerFailure& failure, const Record* record) const {
  if (failure.sqlstate == "23505" && record != nullptr) {
    for (const IndexDef& index : unique_indexes_) {
      if (failure.constraint == IndexName(index))
        return Fail("Registro repetido na tabela " + QuotedFileName(stands_for_) + ": o índice \"" + index.name +
                    "\" já tem " + IndexKeyText(*schema_, index, *record) + ".");
    }
    return Fail("Registro repetido na tabela " + QuotedFileName(stands_for_) + ".");
  }
  return Fail(ServerMessage(*server_, failure));
}

Result<ServerResult> ServerTable::Run(const std::string& sql, const std::vector<Value>& params, const Record* record) {
  const bool alone = server_->in_transaction() && record != nullptr && !replacing_;
  if (alone) {
    if (auto saved = server_->Exec("SAVEPOINT tavelao_instrucao"); !saved) return std::move(saved).take_error();
  }
  auto done = server_->Run(sql, Params(params));
  if (auto* failure = std::get_if<ServerFailure>(&done)) {
    if (alone && !failure->connection_lost)
      (void)server_->Exec("ROLLBACK TO SAVEPOINT tavelao_instrucao; RELEASE SAVEPOINT tavelao_instrucao");
    return Refusal(*failure, record);
  }
  if (alone) {
    if (auto released = server_->Exec("RELEASE SAVEPOINT tavelao_instrucao"); !released)
      return std::move(released).take_error();
  }
  return std::move(std::get<ServerResult>(done));
}

Record ServerTable::ReadRecord(const ServerResult& result, int row, int first,
                               const std::vector<std::size_t>& fields) const {
  Record record(schema_);
  for (std::size_t c = 0; c < fields.size(); ++c) {
    const std::size_t i = fields[c];
    const int col = first + static_cast<int>(c);
    if (result.IsNull(row, col)) continue;
    const std::string text = result.Text(row, col);
    switch ((*schema_)[i].type) {
      case FieldType::Integer:
        if (auto n = ParseInt32(text)) record.SetAt(i, *n);
        break;
      case FieldType::Float:
        record.SetAt(i, std::strtod(text.c_str(), nullptr));
        break;
      case FieldType::Boolean:
        record.SetAt(i, text == "t");
        break;
      case FieldType::String:
        record.SetAt(i, text);
        break;
      case FieldType::Date:
        if (auto d = DateFromText(text)) record.SetAt(i, *d);
        break;
    }
  }
  return record;
}

Result<std::vector<Row>> ServerTable::Rows(const std::string& sql, const std::vector<Value>& params,
                                           const std::vector<std::size_t>& fields) {
  auto result = Run(sql, params);
  if (!result) return std::move(result).take_error();
  std::vector<Row> rows;
  rows.reserve(result->rows());
  for (int r = 0; r < result->rows(); ++r) rows.push_back(Row{result->Int64(r, 0), ReadRecord(*result, r, 1, fields)});
  return rows;
}

Result<std::int64_t> ServerTable::Insert(const Record& record) {
  auto result = Run(insert_sql_, record.values(), &record);
  if (!result) return std::move(result).take_error();
  return result->Int64(0, 0);
}

Status ServerTable::Update(std::int64_t id, const Record& record) {
  std::vector<Value> params = record.values();
  params.push_back(Value{std::to_string(id)});
  auto result = Run(update_sql_, params, &record);
  if (!result) return std::move(result).take_error();
  return {};
}

Status ServerTable::Remove(std::int64_t id) {
  auto result = Run("DELETE FROM " + name_ + " WHERE rowid=$1", {Value{std::to_string(id)}});
  if (!result) return std::move(result).take_error();
  return {};
}

Result<std::int64_t> ServerTable::RemoveWhere(const CompiledQuery& query) {
  auto result = Run(Numbered("DELETE FROM " + name_ + query.where), query.params);
  if (!result) return std::move(result).take_error();
  const std::string tag = result->command();  // "DELETE n"
  return static_cast<std::int64_t>(std::strtoll(tag.c_str() + tag.rfind(' ') + 1, nullptr, 10));
}

Result<std::int64_t> ServerTable::Count(const CompiledQuery& query) {
  auto result = Run(Numbered("SELECT count(*) FROM " + name_ + query.where), query.params);
  if (!result) return std::move(result).take_error();
  return result->Int64(0, 0);
}

Result<std::optional<std::int32_t>> ServerTable::MaxInt(std::size_t field, const CompiledQuery& query) {
  auto result =
      Run(Numbered("SELECT max(" + QuoteName((*schema_)[field].name) + ") FROM " + name_ + query.where), query.params);
  if (!result) return std::move(result).take_error();
  if (result->IsNull(0, 0)) return std::optional<std::int32_t>();
  return std::optional<std::int32_t>(static_cast<std::int32_t>(result->Int64(0, 0)));
}

Result<std::optional<Row>> ServerTable::Locate(std::size_t field, const Value& value) {
  std::vector<std::size_t> every_field(schema_->size());
  std::iota(every_field.begin(), every_field.end(), std::size_t{0});
  auto rows = Rows("SELECT rowid, " + column_list_ + " FROM " + name_ + " WHERE " + QuoteName((*schema_)[field].name) +
                       " IS NOT DISTINCT FROM $1 ORDER BY rowid LIMIT 1",
                   {value}, every_field);
  if (!rows) return std::move(rows).take_error();
  if (rows->empty()) return std::optional<Row>();
  return std::optional<Row>(std::move(rows->front()));
}

Status ServerTable::ForEach(const CompiledQuery& query, const std::function<bool(const Row&)>& visit) {
  auto rows = Rows(Numbered("SELECT rowid, " + query.columns + " FROM " + name_ + query.where + query.order_by),
                   query.params, query.fields);
  if (!rows) return std::move(rows).take_error();
  for (const Row& row : *rows) {
    if (!visit(row)) break;
  }
  return {};
}

Result<std::vector<Row>> ServerTable::Range(const CompiledQuery& query, std::int64_t skip, std::int64_t count) {
  std::vector<Value> params = query.params;
  params.push_back(Value{std::to_string(count)});
  params.push_back(Value{std::to_string(skip)});
  return Rows(Numbered("SELECT rowid, " + query.columns + " FROM " + name_ + query.where + query.order_by +
                       " LIMIT ? OFFSET ?"),
              params, query.fields);
}

std::string ServerTable::IndexName(const IndexDef& index) const { return plain_name_ + "_indice_" + index.name; }

Status ServerTable::AddIndex(const IndexDef& index, bool unique) {
  std::string columns;
  for (std::size_t f : index.fields) columns += (columns.empty() ? "" : ", ") + QuoteName((*schema_)[f].name);
  if (auto begun = server_->Begin(); !begun) return begun;
  auto made = server_->Exec("SELECT pg_advisory_xact_lock(hashtext('tavelao'))");
  if (made) {
    auto done = server_->Run(std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
                             QuoteName(IndexName(index)) + " ON " + name_ + "(" + columns + ")");
    if (auto* failure = std::get_if<ServerFailure>(&done)) {
      made = failure->sqlstate == "23505"
                 ? Fail("A tabela " + QuotedFileName(stands_for_) +
                        " do servidor tem registros repetidos no índice \"" + index.name + "\".")
                 : Fail(ServerMessage(*server_, *failure));
    }
  }
  if (!made) {
    server_->Rollback();
    return made;
  }
  if (auto committed = server_->Commit(); !committed) return committed;
  if (unique) unique_indexes_.push_back(index);
  return {};
}

Status ServerTable::CopyTo(const std::filesystem::path& target) {
  auto every = CompileQuery(*schema_, {});
  if (!every) return std::move(every).take_error();
  auto rows = Rows("SELECT rowid, " + every->columns + " FROM " + name_ + every->order_by, {}, every->fields);
  if (!rows) return std::move(rows).take_error();
  return Table::CreateWhole(target, *schema_, [&rows](Table& copy) -> Status {
    for (const Row& row : *rows) {
      Record record = copy.NewRecord();
      for (std::size_t i = 0; i < row.record.values().size(); ++i) record.SetAt(i, row.record.At(i));
      if (auto id = copy.Insert(record); !id) return std::move(id).take_error();
    }
    return {};
  });
}

Status ServerTable::ReplaceWith(TableEngine& copy) {
  auto every = CompileQuery(*schema_, {});
  if (!every) return std::move(every).take_error();
  if (auto begun = server_->Begin(); !begun) return begun;
  // A refused row ends the whole replacement: no row needs undoing alone.
  replacing_ = true;
  Status replaced = [&]() -> Status {
    if (auto removed = Run("DELETE FROM " + name_, {}); !removed) return std::move(removed).take_error();
    Status inserted;
    auto read = copy.ForEach(*every, [&](const Row& row) {
      auto id = Insert(row.record);
      if (!id) inserted = std::move(id).take_error();
      return id.ok();
    });
    return !read ? read : inserted;
  }();
  replacing_ = false;
  if (!replaced) {
    server_->Rollback();
    return replaced;
  }
  return server_->Commit();
}

Status ServerTable::Begin() { return server_->Begin(); }
Status ServerTable::Commit() { return server_->Commit(); }
void ServerTable::Rollback() { server_->Rollback(); }

}  // namespace tavelao::store

namespace tavelao::store {
namespace {

std::string ServerTableName(const std::filesystem::path& stands_for) {
  std::string name = stands_for.stem().string();
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

Result<Table> OpenServerTable(const std::shared_ptr<ServerConnection>& server, const std::filesystem::path& stands_for,
                              const Schema& schema) {
  auto fields = std::make_shared<const Schema>(schema);
  auto engine = ServerTable::Open(server, ServerTableName(stands_for), stands_for.filename(), fields);
  if (!engine) return std::move(engine).take_error();
  return Table::FromEngine(std::move(*engine), stands_for.filename(), std::move(fields));
}

Status DropServerTable(ServerConnection& server, const std::filesystem::path& stands_for) {
  return server.Exec("DROP TABLE IF EXISTS " + QuoteName(ServerTableName(stands_for)));
}

}  // namespace tavelao::store
