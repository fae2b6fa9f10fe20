#pragma once
// One station's connection to the PostgreSQL server that holds the shared
// tables (libpq; the password from PGPASSWORD or ~/.pgpass, as libpq reads
// it). Every commit waits for the server's disk.

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/result.h"

struct pg_conn;
struct pg_result;

namespace tavelao::store {

// The answer to one statement.
class ServerResult {
 public:
  explicit ServerResult(pg_result* result) : result_(result) {}
  ServerResult(ServerResult&& other) noexcept : result_(other.result_) { other.result_ = nullptr; }
  ServerResult& operator=(ServerResult&& other) noexcept;
  ServerResult(const ServerResult&) = delete;
  ServerResult& operator=(const ServerResult&) = delete;
  ~ServerResult();

  int rows() const;
  bool IsNull(int row, int column) const;
  std::string Text(int row, int column) const;
  std::int64_t Int64(int row, int column) const;
  // The command tag, such as "INSERT 0 1" or "ROLLBACK".
  std::string command() const;

 private:
  pg_result* result_;
};

// A refused statement: its SQLSTATE ("23505" for a repeated key), the
// constraint it broke, and whether the server was lost on the way.
struct ServerFailure {
  std::string message;
  std::string sqlstate;
  std::string constraint;
  bool connection_lost = false;
};

class ServerConnection {
 public:
  // Connects to `uri` (postgresql://USUÁRIO@HOST:PORTA/BASE) as station
  // `station`, which each validation records.
  static Result<std::shared_ptr<ServerConnection>> Connect(const std::string& uri, const std::string& station);
  ~ServerConnection();
  ServerConnection(const ServerConnection&) = delete;
  ServerConnection& operator=(const ServerConnection&) = delete;

  const std::string& station() const { return station_; }
  // The server as messages name it: "HOST:PORTA/BASE".
  const std::string& where() const { return where_; }

  // Runs one statement; parameters are text (nullopt: NULL) and take the
  // type of what they are compared with. A connection lost earlier is
  // tried again first, so a station carries on once the server is back.
  std::variant<ServerResult, ServerFailure> Run(const std::string& sql,
                                                const std::vector<std::optional<std::string>>& params = {});
  // A statement whose rows do not matter.
  Status Exec(const std::string& sql);
  bool in_transaction() const { return depth_ > 0; }
  // Transactions of this connection; nested ones are savepoints.
  Status Begin();
  Status Commit();
  void Rollback();

 private:
  ServerConnection(pg_conn* conn, std::string station, std::string where);
  Status Configure();

  std::optional<ServerFailure> Lost(const std::string& message);

  pg_conn* conn_;
  std::string station_;
  std::string where_;
  int depth_ = 0;
  // The server was lost inside a transaction: what it held is gone, so
  // nothing of it may be committed, even once the server is back.
  bool transaction_lost_ = false;
};

// What a refusal or a lost server means to the operator.
std::string ServerMessage(const ServerConnection& server, const ServerFailure& failure);

}  // namespace tavelao::store
