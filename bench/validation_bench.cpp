// Validation: a range entry of 10,000 cards into an empty store, and scanned
// bar codes one after another into a store of 100,000 cards, each on disk
// before its entry returns. The folders are on the build's disk, not in
// memory, so the figures include waiting for the disk.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "session/backups.h"
#include "session/data_files.h"
#include "validation/direct_validation.h"
#include "validation/validation_store.h"

namespace {

namespace fs = std::filesystem;
using namespace tavelao;

class NoDialogs : public Dialogs {
 public:
  void Inform(std::string_view, std::string_view) override { ++shown; }
  bool Ask(std::string_view, std::string_view) override {
    ++shown;
    return false;
  }
  int shown = 0;
};

fs::path FreshFolder(const char* name) {
  const fs::path folder = fs::temp_directory_path() / (std::string("tavelao-bench-") + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

struct Bench {
  explicit Bench(const char* name) : folder(FreshFolder(name)) {
    bank.LoadBuiltIn();
    table = session::OpenValidation({folder, nullptr}).value();
    store = validation::ValidationStore::Attach(table, bank).value();
  }
  ~Bench() {
    store.reset();
    table.Close();
    fs::remove_all(folder);
  }
  fs::path folder;
  card::CardBank bank;
  card::Password password;
  card::IssuerNumber issuer;
  store::Table table;
  std::unique_ptr<validation::ValidationStore> store;
  NoDialogs dialogs;
};

void BM_RangeOf10000IntoEmptyStore(benchmark::State& state) {
  Bench b("range");
  validation::DirectValidation panel(*b.store, {b.bank, b.password, b.issuer}, b.dialogs);
  const std::string entry = "19-" + std::to_string(10'000) + card::CheckDigit(10'000);
  for (auto _ : state) {
    state.PauseTiming();
    (void)b.store->Clear();
    state.ResumeTiming();
    const auto result = panel.Enter(entry);
    if (result.added.size() != 10'000) state.SkipWithError("the range did not validate 10,000 cards");
  }
}
BENCHMARK(BM_RangeOf10000IntoEmptyStore)->Unit(benchmark::kMillisecond);

// The clock of the safety copies moves one minute a card, so a copy of the
// whole store is taken after every tenth card: far more often than a hall
// scans, to show what a copy costs the card that triggers it.
class MinutePerCard : public Clock {
 public:
  std::chrono::system_clock::time_point Now() const override { return now; }
  std::chrono::system_clock::time_point now = std::chrono::system_clock::now();
};

void ScanInto100000(benchmark::State& state, bool with_backups) {
  Bench b(with_backups ? "scan-backup" : "scan");
  MinutePerCard clock;
  session::BackupSchedule backups(b.table, clock);
  if (with_backups) {
    b.store->AfterEachCommit([&] {
      clock.now += std::chrono::minutes(1);
      (void)backups.AfterValidation();
    });
  }
  b.password = *card::Password::FromText("ABCDE");
  // 100,000 cards that are not scanned: 10,001 to 110,000 (empty records).
  (void)b.store->BeginBulk();
  for (std::int32_t card = 10'001; card <= 110'000; ++card) (void)b.store->ValidateDirectly(card);
  (void)b.store->EndBulk();
  validation::DirectValidation panel(*b.store, {b.bank, b.password, b.issuer}, b.dialogs);
  std::int32_t next = 1;
  for (auto _ : state) {
    if (next > card::kBuiltInCards) {
      state.PauseTiming();
      (void)b.table.RemoveWhere("Numero<=" + std::to_string(card::kBuiltInCards));
      (void)b.store->Recount();
      next = 1;
      state.ResumeTiming();
    }
    const std::string scanned =
        card::BarCodeText(next, card::CardAuthenticationCode(b.bank, next, b.password, b.issuer));
    const auto result = panel.Enter(scanned);
    if (result.added.size() != 1) state.SkipWithError("the scanned card was not validated");
    ++next;
  }
  state.counters["cartelas"] = static_cast<double>(b.store->Count());
}

void BM_ScannedCardInto100000(benchmark::State& state) { ScanInto100000(state, false); }
BENCHMARK(BM_ScannedCardInto100000)->Unit(benchmark::kMillisecond);

void BM_ScannedCardInto100000WithBackups(benchmark::State& state) { ScanInto100000(state, true); }
BENCHMARK(BM_ScannedCardInto100000WithBackups)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
