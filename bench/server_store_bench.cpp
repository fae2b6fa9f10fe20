// The validated cards on a PostgreSQL server shared by several stations
// (a real server on this machine, with fsync on, started for the run):
// one scanned card, each committed before its entry returns; four stations
// scanning at once; and the start of a draw reading 120,000 cards.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <thread>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "common/dialogs.h"
#include "draw/draw_cards.h"
#include "hall_folder.h"
#include "session/data_files.h"
#include "store/server_store.h"
#include "support/postgres_server.h"
#include "validation/direct_validation.h"
#include "validation/validation_store.h"

namespace {

using namespace tavelao;

class NoDialogs : public Dialogs {
 public:
  void Inform(std::string_view, std::string_view) override {}
  bool Ask(std::string_view, std::string_view) override { return false; }
};

// One station: its connection, the shared validation store and an entry panel.
struct Station {
  Station(const std::string& database, const card::CardBank& bank, const std::string& name) {
    server = store::ServerConnection::Connect(database, name).value();
    table = session::OpenValidation({{}, server}).value();
    cards = validation::ValidationStore::Attach(table, bank).value();
    panel =
        std::make_unique<validation::DirectValidation>(*cards, validation::EntryKeys{bank, password, issuer}, dialogs);
  }
  // Scans card `n` (its bar code); whether it was validated.
  bool Scan(const card::CardBank& bank, std::int32_t n) {
    const auto result = panel->Enter(card::BarCodeText(n, card::CardAuthenticationCode(bank, n, password, issuer)));
    return result.added.size() == 1;
  }
  std::shared_ptr<store::ServerConnection> server;
  store::Table table;
  std::unique_ptr<validation::ValidationStore> cards;
  card::Password password = *card::Password::FromText("ABCDE");
  card::IssuerNumber issuer;
  NoDialogs dialogs;
  std::unique_ptr<validation::DirectValidation> panel;
};

const card::CardBank& Bank() {
  static const card::CardBank bank = [] {
    card::CardBank b;
    b.LoadBuiltIn();
    return b;
  }();
  return bank;
}

void BM_ScannedCardOnTheServer(benchmark::State& state) {
  const std::string database = testing::PostgresServer::Durable().NewDatabase();
  Station station(database, Bank(), "mesa1");
  std::int32_t next = 1;
  for (auto _ : state) {
    if (next > card::kBuiltInCards) {
      state.PauseTiming();
      (void)station.cards->Clear();
      next = 1;
      state.ResumeTiming();
    }
    if (!station.Scan(Bank(), next++)) state.SkipWithError("the scanned card was not validated");
  }
}
BENCHMARK(BM_ScannedCardOnTheServer)->Unit(benchmark::kMillisecond);

// Four stations scanning 250 cards each, at the same moment.
void BM_FourStationsAtOnce(benchmark::State& state) {
  const std::string database = testing::PostgresServer::Durable().NewDatabase();
  std::vector<std::unique_ptr<Station>> stations;
  for (int k = 0; k < 4; ++k)
    stations.push_back(std::make_unique<Station>(database, Bank(), "mesa" + std::to_string(k)));
  std::int64_t validated = 0;
  for (auto _ : state) {
    state.PauseTiming();
    (void)stations[0]->cards->Clear();
    state.ResumeTiming();
    std::vector<std::thread> threads;
    std::vector<int> taken(4, 0);
    for (int k = 0; k < 4; ++k) {
      threads.emplace_back([&, k] {
        for (std::int32_t n = 1 + 250 * k; n <= 250 * (k + 1); ++n) taken[k] += stations[k]->Scan(Bank(), n);
      });
    }
    for (auto& t : threads) t.join();
    for (int t : taken) validated += t;
  }
  state.SetItemsProcessed(validated);
}
BENCHMARK(BM_FourStationsAtOnce)->Unit(benchmark::kMillisecond)->UseRealTime();

// The draw's start reads every validated card: 120,000 on the server.
void BM_DrawStartWith120000OnTheServer(benchmark::State& state) {
  const std::string database = testing::PostgresServer::Durable().NewDatabase();
  auto server = store::ServerConnection::Connect(database, "palco").value();
  auto table = session::OpenValidation({{}, server}).value();
  if (auto restored = table.RestoreFrom(bench::HallFolder() / session::kValidationFile); !restored) {
    state.SkipWithError(restored.error().c_str());
    return;
  }
  card::CardBank bank;
  if (!card::LoadCardBank(bank, bench::HallFolder())) state.SkipWithError("the hall's card bank");
  std::size_t cards = 0;
  for (auto _ : state) {
    auto loaded = draw::LoadDrawCards(table, bank);
    if (!loaded) state.SkipWithError(loaded.error().c_str());
    cards = loaded->cards.size();
  }
  state.counters["cartelas"] = static_cast<double>(cards);
}
BENCHMARK(BM_DrawStartWith120000OnTheServer)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
