#include "store/server_connection.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cstdlib>

namespace tavelao::store {
namespace {

std::string Trimmed(const char* text) {
  std::string s = text ? text : "";
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

std::string Field(const PGresult* result, int code) {
  const char* value = result ? PQresultErrorField(result, code) : nullptr;
  return value ? value : "";
}

}  // namespace

ServerResult& ServerResult::operator=(ServerResult&& other) noexcept {
  if (this != &other) {
    PQclear(result_);
    result_ = other.result_;
    other.result_ = nullptr;
  }
  return *this;
}
ServerResult::~ServerResult() { PQclear(result_); }
int ServerResult::rows() const { return PQntuples(result_); }
bool ServerResult::IsNull(int row, int column) const { return PQgetisnull(result_, row, column) != 0; }
std::string ServerResult::Text(int row, int column) const {
  return std::string(PQgetvalue(result_, row, column), PQgetlength(result_, row, column));
}
std::string ServerResult::command() const { return PQcmdStatus(result_); }
std::int64_t ServerResult::Int64(int row, int column) const {
  return std::strtoll(PQgetvalue(result_, row, column), nullptr, 10);
}

Result<std::shared_ptr<ServerConnection>> ServerConnection::Connect(const std::string& uri,
                                                                    const std::string& station) {
  // The station's name travels as the application name, which each
  // validation row records by default.
  const char* keys[] = {"dbname", "application_name", "connect_timeout", nullptr};
  const char* values[] = {uri.c_str(), station.c_str(), "5", nullptr};
  PGconn* conn = PQconnectdbParams(keys, values, /*expand_dbname=*/1);
  if (conn == nullptr) return Fail("Sem memória para conectar ao servidor.");
  std::string where = std::string(PQhost(conn) ? PQhost(conn) : "?") + ":" + (PQport(conn) ? PQport(conn) : "?") + "/" +
                      (PQdb(conn) ? PQdb(conn) : "?");
  if (PQstatus(conn) != CONNECTION_OK) {
    const std::string reason = Trimmed(PQerrorMessage(conn));
    PQfinish(conn);
    return Fail("Não foi possível conectar ao servidor do banco " + where + ": " + reason +
                ". Verifique a linha banco= das configurações, a rede e o servidor.");
  }
  std::shared_ptr<ServerConnection> server(new ServerConnection(conn, station, where));
  if (auto configured = server->Configure(); !configured) return std::move(configured).take_error();
  return server;
}

ServerConnection::ServerConnection(pg_conn* conn, std::string station, std::string where)
    : conn_(conn), station_(std::move(station)), where_(std::move(where)) {}

ServerConnection::~ServerConnection() { PQfinish(conn_); }

Status ServerConnection::Configure() {
  // Every confirmed card is on the server's disk before it is confirmed,
  // whatever the server's own default; quiet notices keep stderr clean.
  return Exec("SET synchronous_commit TO on; SET client_min_messages TO warning");
}

std::optional<ServerFailure> ServerConnection::Lost(const std::string& message) {
  if (PQstatus(conn_) == CONNECTION_OK) return std::nullopt;
  if (depth_ > 0) transaction_lost_ = true;
  return ServerFailure{message, "", "", true};
}

std::variant<ServerResult, ServerFailure> ServerConnection::Run(const std::string& sql,
                                                                const std::vector<std::optional<std::string>>& params) {
  // Nothing on a transaction the server lost; a connection lost earlier is
  // tried again.
  if (transaction_lost_) return ServerFailure{"a transação se perdeu com a conexão", "", "", true};
  if (PQstatus(conn_) != CONNECTION_OK) {
    PQreset(conn_);
    if (PQstatus(conn_) != CONNECTION_OK) return ServerFailure{Trimmed(PQerrorMessage(conn_)), "", "", true};
    if (auto configured = Configure(); !configured) return ServerFailure{configured.error(), "", "", true};
  }
  std::vector<const char*> values;
  values.reserve(params.size());
  for (const auto& p : params) values.push_back(p ? p->c_str() : nullptr);
  PGresult* result =
      PQexecParams(conn_, sql.c_str(), static_cast<int>(values.size()), nullptr, values.data(), nullptr, nullptr, 0);
  const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
  if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return ServerResult(result);
  ServerFailure failure{Trimmed(result ? PQresultErrorMessage(result) : PQerrorMessage(conn_)),
                        Field(result, PG_DIAG_SQLSTATE), Field(result, PG_DIAG_CONSTRAINT_NAME), false};
  PQclear(result);
  if (auto lost = Lost(failure.message)) return *lost;
  return failure;
}

Status ServerConnection::Exec(const std::string& sql) {
  // One statement at a time: "; " separates them in what this file sends.
  for (std::size_t at = 0; at < sql.size();) {
    const auto end = std::min(sql.find("; ", at), sql.size());
    auto done = Run(sql.substr(at, end - at));
    if (auto* failure = std::get_if<ServerFailure>(&done)) return Fail(ServerMessage(*this, *failure));
    at = end + 2;
  }
  return {};
}

Status ServerConnection::Begin() {
  const std::string sql = depth_ == 0 ? "BEGIN" : "SAVEPOINT tavelao_" + std::to_string(depth_);
  if (auto status = Exec(sql); !status) return status;
  ++depth_;
  return {};
}

Status ServerConnection::Commit() {
  if (depth_ == 0) return Fail("Não há transação aberta no servidor " + where_ + ".");
  if (transaction_lost_) {
    Rollback();
    return Fail(ServerMessage(*this, {"a transação se perdeu com a conexão", "", "", true}));
  }
  const bool outermost = depth_ == 1;
  const std::string sql = outermost ? "COMMIT" : "RELEASE SAVEPOINT tavelao_" + std::to_string(depth_ - 1);
  auto done = Run(sql);
  --depth_;
  if (auto* failure = std::get_if<ServerFailure>(&done)) {
    if (outermost) transaction_lost_ = false;
    return Fail(ServerMessage(*this, *failure));
  }
  // A transaction that a refused statement ended commits as a rollback.
  if (outermost && std::get<ServerResult>(done).command() == "ROLLBACK")
    return Fail(ServerMessage(*this, {"a transação foi desfeita pelo servidor", "", "", false}));
  return {};
}

void ServerConnection::Rollback() {
  if (depth_ == 0) return;
  --depth_;
  if (depth_ == 0) {
    const bool lost = transaction_lost_;
    transaction_lost_ = false;
    if (!lost) (void)Exec("ROLLBACK");
    return;
  }
  if (!transaction_lost_) {
    const std::string name = "tavelao_" + std::to_string(depth_);
    (void)Exec("ROLLBACK TO SAVEPOINT " + name + "; RELEASE SAVEPOINT " + name);
  }
}

std::string ServerMessage(const ServerConnection& server, const ServerFailure& failure) {
  if (failure.connection_lost)
    return "A conexão com o servidor do banco " + server.where() + " caiu (" + failure.message +
           "): a operação não foi confirmada. Verifique a rede e tente de novo.";
  return "O servidor do banco " + server.where() + " recusou a operação: " + failure.message + ".";
}

}  // namespace tavelao::store
