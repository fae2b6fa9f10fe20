#include "support/postgres_server.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "support/cli_runner.h"
#include "support/free_port.h"

namespace tavelao::testing {
namespace {

[[noreturn]] void GiveUp(const std::string& why) {
  std::cerr << "O servidor PostgreSQL dos testes não iniciou: " << why << "\n";
  std::exit(1);
}

// `text` as one word for the shell.
std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

PostgresServer& PostgresServer::Shared() {
  static PostgresServer server(false);
  return server;
}

PostgresServer& PostgresServer::Durable() {
  static PostgresServer server(true);
  return server;
}

PostgresServer::PostgresServer(bool durable) : durable_(durable) {
  std::string bin = CommandOutput("pg_config --bindir 2>/dev/null");
  while (!bin.empty() && bin.back() == '\n') bin.pop_back();
  if (bin.empty() || !std::filesystem::exists(bin + "/initdb")) GiveUp("initdb não encontrado (pacote postgresql)");
  bin_ = bin;
  char pattern[] = "/tmp/tavelao-pg-XXXXXX";
  if (!mkdtemp(pattern)) GiveUp("pasta temporária");
  folder_ = pattern;
  if (geteuid() == 0) {
    const passwd* owner = getpwnam("postgres");
    if (!owner || chown(folder_.c_str(), owner->pw_uid, owner->pw_gid) != 0) GiveUp("usuário postgres");
  }
  // The tests kill stations, never the server: they may do without fsync.
  if (std::system(AsOwner(Quoted(bin_ + "/initdb") + " -D " + Quoted(folder_ + "/dados") +
                          " -U tavelao -A trust --no-locale -E UTF8 --no-sync >" + Quoted(folder_ + "/initdb.log") +
                          " 2>&1")
                      .c_str()) != 0)
    GiveUp("initdb falhou (" + folder_ + "/initdb.log)");
  port_ = FreeLocalPort();
  Start();
}

PostgresServer::~PostgresServer() {
  Stop();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string PostgresServer::AsOwner(const std::string& command) const {
  if (geteuid() != 0) return command;
  return "runuser -u postgres -- sh -c " + Quoted(command);
}

void PostgresServer::Start() {
  const std::string options = "-p " + std::to_string(port_) + " -k " + folder_ +
                              " -c listen_addresses=127.0.0.1 -c max_connections=60" +
                              (durable_ ? "" : " -c fsync=off");
  if (std::system(AsOwner(Quoted(bin_ + "/pg_ctl") + " -D " + Quoted(folder_ + "/dados") + " -l " +
                          Quoted(folder_ + "/servidor.log") + " -o \"" + options + "\" -w -s start")
                      .c_str()) != 0)
    GiveUp("pg_ctl start falhou (" + folder_ + "/servidor.log)");
  running_ = true;
}

void PostgresServer::Stop() {
  if (!running_) return;
  (void)std::system(
      AsOwner(Quoted(bin_ + "/pg_ctl") + " -D " + Quoted(folder_ + "/dados") + " -m fast -w -s stop").c_str());
  running_ = false;
}

std::string PostgresServer::Psql(const std::string& name, const std::string& sql) const {
  return CommandOutput(Quoted(bin_ + "/psql") + " -X -q -A -t -h 127.0.0.1 -p " + std::to_string(port_) +
                       " -U tavelao -d " + Quoted(name) + " -c " + Quoted(sql) + " 2>&1");
}

std::string PostgresServer::NewDatabase() {
  const std::string name = "teste" + std::to_string(++databases_);
  Psql("postgres", "CREATE DATABASE " + name);
  return "postgresql://tavelao@127.0.0.1:" + std::to_string(port_) + "/" + name;
}

}  // namespace tavelao::testing
