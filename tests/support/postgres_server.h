#pragma once
// A PostgreSQL server of the tests' own: initdb and pg_ctl in a temporary
// folder, listening on a free port of 127.0.0.1 only, run by the "postgres"
// user when the tests run as root. Started the first time a test asks for
// it and stopped when the test program ends.

#include <string>

namespace tavelao::testing {

class PostgresServer {
 public:
  // The server of this test program; aborts the test program with a
  // message when it cannot start (the set-up installs it).
  static PostgresServer& Shared();
  // The same with fsync on, as a hall's server runs: for the benchmarks.
  static PostgresServer& Durable();
  ~PostgresServer();

  int port() const { return port_; }
  // A new empty database, as the banco= setting names it
  // ("postgresql://tavelao@127.0.0.1:PORT/NAME").
  std::string NewDatabase();
  // Runs `sql` in database `name` with psql; what it prints.
  std::string Psql(const std::string& name, const std::string& sql) const;
  // Stops and starts the server again, as a network that goes and comes
  // back would look to a station.
  void Stop();
  void Start();

 private:
  explicit PostgresServer(bool durable);
  std::string AsOwner(const std::string& command) const;

  std::string folder_;
  std::string bin_;
  int port_ = 0;
  int databases_ = 0;
  bool running_ = false;
  bool durable_ = false;
};

}  // namespace tavelao::testing
