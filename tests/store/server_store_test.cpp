// What only a shared server has: stations at the same moment, a server that
// goes away and comes back, a table that is not ours, and the safety copy
// of a shared table into a local file.

#include <gtest/gtest.h>

#include <thread>

#include "store/server_store.h"
#include "support/free_port.h"
#include "support/postgres_server.h"
#include "support/temp_folder.h"

namespace tavelao::store {
namespace {

using testing::PostgresServer;
using testing::TempFolder;

const Schema& CardSchema() {
  static const Schema schema{IntegerField("Numero"), IntegerField("Lote"), IntegerField("Lan")};
  return schema;
}

std::shared_ptr<ServerConnection> Station(const std::string& database, const std::string& name) {
  auto connected = ServerConnection::Connect(database, name);
  EXPECT_TRUE(connected) << connected.error();
  return connected ? *connected : nullptr;
}

Table Validadas(const std::shared_ptr<ServerConnection>& station) {
  auto table = OpenServerTable(station, "Validadas.cds", CardSchema());
  EXPECT_TRUE(table) << table.error();
  EXPECT_TRUE(table->AddIndex("Validadas", "Numero", true));
  return std::move(*table);
}

Status InsertCard(Table& table, int number) {
  Record r = table.NewRecord();
  r.Set("Numero", number);
  auto id = table.Insert(r);
  if (!id) return std::move(id).take_error();
  return {};
}

TEST(ServerStore, TwoStationsValidatingTheSameCardsAtOnceEachCardIsTakenOnce) {
  const std::string database = PostgresServer::Shared().NewDatabase();
  auto first = Station(database, "mesa1"), second = Station(database, "mesa2");
  Table a = Validadas(first), b = Validadas(second);
  int taken[2] = {0, 0};
  std::string refusal;
  auto validate = [&](Table& table, int station) {
    for (int n = 1; n <= 300; ++n) {
      auto status = InsertCard(table, n);
      if (status) {
        ++taken[station];
      } else if (station == 0) {
        refusal = status.error();
      }
    }
  };
  std::thread one(validate, std::ref(a), 0), two(validate, std::ref(b), 1);
  one.join();
  two.join();
  EXPECT_EQ(taken[0] + taken[1], 300);
  EXPECT_EQ(*a.Count(), 300);
  EXPECT_EQ(PostgresServer::Shared().Psql(database.substr(database.rfind('/') + 1),
                                          "SELECT count(DISTINCT \"Numero\") FROM validadas"),
            "300\n");
  if (taken[0] < 300)
    EXPECT_EQ(refusal.find("Registro repetido na tabela \"Validadas.cds\": o índice \"Validadas\" já tem Numero = "),
              0u)
        << refusal;
  // Each row says which station wrote it and when.
  const std::string stations = PostgresServer::Shared().Psql(
      database.substr(database.rfind('/') + 1),
      "SELECT string_agg(DISTINCT estacao, ',') FROM validadas WHERE gravado_em <= now()");
  EXPECT_NE(stations.find("mesa"), std::string::npos) << stations;
}

TEST(ServerStore, AStationThatLosesTheServerMidBatchKeepsNothingOfItAndCarriesOnWhenItIsBack) {
  auto& server = PostgresServer::Shared();
  const std::string database = server.NewDatabase();
  auto station = Station(database, "mesa1");
  Table table = Validadas(station);
  ASSERT_TRUE(InsertCard(table, 1));
  {
    Table::Transaction batch(table);
    for (int n = 2; n <= 50; ++n) ASSERT_TRUE(InsertCard(table, n));
    server.Stop();
    auto lost = InsertCard(table, 51);
    ASSERT_FALSE(lost);
    EXPECT_NE(lost.error().find("caiu"), std::string::npos) << lost.error();
    server.Start();
    auto committed = batch.Commit();
    ASSERT_FALSE(committed) << "a batch the server lost must not be reported as saved";
  }
  // The connection comes back by itself; nothing of the batch was kept.
  EXPECT_EQ(*table.Count(), 1);
  ASSERT_TRUE(InsertCard(table, 2));
  {
    Table::Transaction batch(table);
    for (int n = 3; n <= 10; ++n) ASSERT_TRUE(InsertCard(table, n));
    ASSERT_TRUE(batch.Commit());
  }
  EXPECT_EQ(*table.Count(), 10);
}

TEST(ServerStore, ARepeatedCardInsideABatchIsRefusedAloneAndTheBatchGoesOn) {
  const std::string database = PostgresServer::Shared().NewDatabase();
  Table table = Validadas(Station(database, "mesa1"));
  Table::Transaction batch(table);
  ASSERT_TRUE(InsertCard(table, 7));
  EXPECT_FALSE(InsertCard(table, 7));
  ASSERT_TRUE(InsertCard(table, 8));
  ASSERT_TRUE(batch.Commit());
  EXPECT_EQ(*table.Count(), 2);
}

TEST(ServerStore, AServerThatCannotBeReachedOrATableThatIsNotOursIsToldAndLeftAlone) {
  const int port = testing::FreeLocalPort();
  auto unreachable = ServerConnection::Connect("postgresql://tavelao@127.0.0.1:" + std::to_string(port) + "/x", "m");
  ASSERT_FALSE(unreachable);
  EXPECT_NE(unreachable.error().find(
                "Não foi possível conectar ao servidor do banco 127.0.0.1:" + std::to_string(port) + "/x"),
            std::string::npos)
      << unreachable.error();

  auto& server = PostgresServer::Shared();
  const std::string database = server.NewDatabase();
  const std::string name = database.substr(database.rfind('/') + 1);
  server.Psql(name, "CREATE TABLE validadas (id integer, outra text); INSERT INTO validadas VALUES (1, 'x')");
  auto foreign = OpenServerTable(Station(database, "m"), "Validadas.cds", CardSchema());
  ASSERT_FALSE(foreign);
  EXPECT_NE(foreign.error().find("não tem os campos de \"Validadas.cds\""), std::string::npos) << foreign.error();
  EXPECT_EQ(server.Psql(name, "SELECT outra FROM validadas"), "x\n");
}

TEST(ServerStore, TheSharedTableIsCopiedToAFileAndRestoredFromOne) {
  TempFolder dir;
  const std::string database = PostgresServer::Shared().NewDatabase();
  Table table = Validadas(Station(database, "mesa1"));
  for (int n : {5, 3, 9}) ASSERT_TRUE(InsertCard(table, n));
  ASSERT_TRUE(table.CopyTo(dir / "copia.cds"));
  auto copy = Table::Open(dir / "copia.cds");
  ASSERT_TRUE(copy) << copy.error();
  auto rows = copy->Select();
  ASSERT_TRUE(rows && rows->size() == 3u);
  EXPECT_EQ((*rows)[2].record.Int("Numero"), 9) << "in the order they were validated";
  copy->Close();

  ASSERT_TRUE(table.RemoveAll());
  ASSERT_TRUE(InsertCard(table, 100));
  ASSERT_TRUE(table.RestoreFrom(dir / "copia.cds"));
  EXPECT_EQ(*table.Count(), 3);
  EXPECT_EQ(*table.Count("Numero=100"), 0);
}

}  // namespace
}  // namespace tavelao::store
