// Stations of a big event, each a tavelao-cli in its own folder, sharing
// the validated cards on a real PostgreSQL server through banco=.

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <regex>
#include <thread>

#include "card/card_identity.h"
#include "support/child_process.h"
#include "support/cli_runner.h"
#include "support/free_port.h"
#include "support/postgres_server.h"
#include "support/temp_folder.h"

namespace tavelao {
namespace {

using testing::PostgresServer;
using testing::RunCli;
using testing::TempFolder;

// A station: a data folder whose installation settings name the server.
struct Station {
  Station(const std::string& database, const std::string& name) {
    std::filesystem::create_directories(folder / "pasta");
    std::filesystem::create_directories(folder / "pasta.config/tavelao");
    std::ofstream(folder / "pasta.config/tavelao/tavelao.conf") << "banco=" << database << "\nestacao=" << name << "\n";
  }
  std::filesystem::path path() const { return folder / "pasta"; }
  TempFolder folder;
};

std::string Code(int card) { return std::to_string(card) + card::CheckDigit(card); }

std::string ServerCount(const std::string& database, const std::string& sql) {
  std::string out = PostgresServer::Shared().Psql(database.substr(database.rfind('/') + 1), sql);
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

TEST(CliSharedStore, FourStationsValidatingOverlappingRangesAtOnceTakeEachCardOnce) {
  const std::string database = PostgresServer::Shared().NewDatabase();
  std::vector<std::unique_ptr<Station>> stations;
  for (int k = 0; k < 4; ++k) stations.push_back(std::make_unique<Station>(database, "mesa" + std::to_string(k)));
  // The first validation makes the table; the stations then start together.
  ASSERT_EQ(RunCli(stations[0]->path(), "valida " + Code(9000)).status, 0);
  testing::CliRun runs[4];
  std::vector<std::thread> threads;
  for (int k = 0; k < 4; ++k) {
    threads.emplace_back([&, k] {
      runs[k] = RunCli(stations[k]->path(), "valida " + Code(1 + 1000 * k) + "-" + Code(5000 + 1000 * k));
    });
  }
  for (auto& t : threads) t.join();
  int reported = 0;
  const std::regex added(": ([0-9]+) cartelas? validadas?");
  for (const auto& run : runs) {
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    std::smatch m;
    if (std::regex_search(run.out, m, added)) reported += std::stoi(m[1]);
  }
  EXPECT_EQ(reported, 8000) << runs[0].out << runs[1].out << runs[2].out << runs[3].out;
  EXPECT_EQ(ServerCount(database, "SELECT count(*) FROM validadas WHERE \"Numero\" <= 8000"), "8000");
  EXPECT_EQ(ServerCount(database, "SELECT count(DISTINCT \"Numero\") FROM validadas"), "8001");
  EXPECT_EQ(ServerCount(database,
                        "SELECT count(*) FROM validadas WHERE estacao NOT IN ('mesa0', 'mesa1', 'mesa2', "
                        "'mesa3') OR gravado_em > now()"),
            "0")
      << "each row names the station that validated it, and when";
  for (const auto& station : stations)
    EXPECT_FALSE(std::filesystem::exists(station->path() / "Validadas.cds")) << "the cards live on the server only";
}

TEST(CliSharedStore, AStationKilledMidBatchLosesNoConfirmedCard) {
  const std::string database = PostgresServer::Shared().NewDatabase();
  Station station(database, "mesa1");
  std::string command =
      "XDG_CONFIG_HOME='" + station.path().string() + ".config' exec '" + testing::CliPath() + "' valida --lote 7";
  for (int card = 1; card <= 100; ++card) command += " " + Code(card);
  testing::ChildProcess cli("/bin/sh", {"-c", command}, station.path());
  std::vector<int> confirmed;
  for (int i = 0; i < 30; ++i) {
    const std::string line = cli.ReadLine();
    ASSERT_FALSE(line.empty()) << "the station stopped before its 30th card";
    confirmed.push_back(i + 1);
  }
  cli.Kill();
  const int kept = std::stoi(ServerCount(database, "SELECT count(*) FROM validadas WHERE \"Lote\" = 7"));
  EXPECT_GE(kept, static_cast<int>(confirmed.size()));
  for (int card : confirmed)
    EXPECT_EQ(ServerCount(database, "SELECT count(*) FROM validadas WHERE \"Numero\" = " + std::to_string(card)), "1")
        << "card " << card << " was confirmed";
}

TEST(CliSharedStore, TheDrawOverTheServerAnnouncesWhatTheSameDrawOverAFolderAnnounces) {
  const std::string database = PostgresServer::Shared().NewDatabase();
  Station shared(database, "palco");
  TempFolder local;
  for (const auto& folder : {shared.path(), local.path()})
    ASSERT_EQ(RunCli(folder, "valida " + Code(1) + "-" + Code(2000)).status, 0);
  const std::string draw = "sorteia --cartelas 25 --padroes LINHA,CANTOS --bolas 15,37,53,76,81,20,87,3,44,61,9,70";
  const auto on_server = RunCli(shared.path(), draw);
  const auto in_folder = RunCli(local.path(), draw);
  ASSERT_EQ(on_server.status, 0) << on_server.err;
  EXPECT_EQ(on_server.out, in_folder.out);
  EXPECT_NE(on_server.out.find("CARTELA 000001 BATEU LINHA"), std::string::npos) << on_server.out;
}

TEST(CliSharedStore, AServerThatCannotBeReachedOrABadSettingStopsTheCommandAndTouchesNothing) {
  Station unreachable("postgresql://tavelao@127.0.0.1:" + std::to_string(testing::FreeLocalPort()) + "/x", "m");
  const auto refused = RunCli(unreachable.path(), "valida " + Code(1));
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Não foi possível conectar ao servidor do banco 127.0.0.1:"), std::string::npos)
      << refused.err;
  EXPECT_TRUE(std::filesystem::is_empty(unreachable.path()));

  Station bad("mysql://x", "m");
  const auto unusable = RunCli(bad.path(), "valida " + Code(1));
  EXPECT_EQ(unusable.status, 2);
  EXPECT_NE(unusable.err.find("banco=postgresql://USUÁRIO@HOST:PORTA/BASE"), std::string::npos) << unusable.err;
  EXPECT_TRUE(std::filesystem::is_empty(bad.path()));
}

TEST(CliSharedStore, MigraCopiesAFoldersCardsToTheServerAndBackNamingThoseAlreadyThere) {
  const std::string database = PostgresServer::Shared().NewDatabase();
  TempFolder hall;
  ASSERT_EQ(RunCli(hall.path(), "valida " + Code(1) + "-" + Code(10)).status, 0);
  Station other(database, "mesa2");
  ASSERT_EQ(RunCli(other.path(), "valida " + Code(5) + "-" + Code(7)).status, 0);

  std::filesystem::create_directories(hall.path().string() + ".config/tavelao");
  std::ofstream(hall.path().string() + ".config/tavelao/tavelao.conf") << "banco=" << database << "\n";
  const auto up = RunCli(hall.path(), "migra --para-servidor");
  EXPECT_EQ(up.status, 1) << up.err;
  EXPECT_NE(up.out.find("7 cartelas copiadas para o servidor 127.0.0.1:"), std::string::npos) << up.out;
  EXPECT_NE(up.out.find("3 cartelas já estavam validadas lá e ficaram como estavam: 000005, 000006, 000007."),
            std::string::npos)
      << up.out;
  EXPECT_EQ(ServerCount(database, "SELECT count(*) FROM validadas"), "10");
  EXPECT_EQ(ServerCount(database, "SELECT estacao FROM validadas WHERE \"Numero\" = 5"), "mesa2");

  Station fresh(database, "palco");
  const auto down = RunCli(fresh.path(), "migra --para-pasta");
  EXPECT_EQ(down.status, 0) << down.err;
  EXPECT_NE(down.out.find("10 cartelas copiadas do servidor"), std::string::npos) << down.out;
  EXPECT_EQ(testing::SqliteQuery(fresh.path() / "Validadas.cds", "SELECT count(*) FROM tavelao_dados"), "10");
  EXPECT_EQ(RunCli(fresh.path(), "migra").status, 2);
}

TEST(CliSharedStore, ABatchBelongsToTheStationThatOpenedItFirst) {
  const std::string database = PostgresServer::Shared().NewDatabase();
  Station first(database, "mesa1"), second(database, "mesa2");
  ASSERT_EQ(RunCli(first.path(), "valida --lote 7 " + Code(1)).status, 0);
  const auto taken = RunCli(second.path(), "valida --lote 7 " + Code(2));
  EXPECT_EQ(taken.status, 1);
  EXPECT_NE(taken.err.find("O lote 7 foi aberto pela estação mesa1."), std::string::npos) << taken.err;
  EXPECT_EQ(RunCli(second.path(), "valida --lote 8 " + Code(2)).status, 0);
  const auto again = RunCli(first.path(), "valida --lote 7 " + Code(3));
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("lançamento 2"), std::string::npos) << again.out;
  EXPECT_EQ(ServerCount(database, "SELECT count(*) FROM validadas WHERE \"Lote\" = 7"), "2");
}

}  // namespace
}  // namespace tavelao
