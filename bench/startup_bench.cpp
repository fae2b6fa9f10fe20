// Start-up: filling the card bank, and the whole procedure in an empty folder,
// in one whose validation store holds every card of the bank, and in a hall
// folder whose complement gives 110,000 cards and whose every card is
// validated.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "card/card_bank.h"
#include "hall_folder.h"
#include "session/data_files.h"
#include "session/workspace.h"

namespace {

namespace fs = std::filesystem;
using namespace tavelao;

fs::path FreshFolder(const char* name) {
  const fs::path folder = fs::temp_directory_path() / (std::string("tavelao-bench-") + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void BM_LoadCardBank(benchmark::State& state) {
  const fs::path folder = FreshFolder("bank");
  card::CardBank bank;
  for (auto _ : state) {
    auto report = card::LoadCardBank(bank, folder);
    benchmark::DoNotOptimize(report);
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_LoadCardBank)->Unit(benchmark::kMillisecond);

void BM_StartupEmptyFolder(benchmark::State& state) {
  const fs::path folder = FreshFolder("empty");
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(folder);
    fs::create_directories(folder);
    state.ResumeTiming();
    auto ws = session::RunStartup(folder, {});
    if (!ws) state.SkipWithError(ws.error().c_str());
    benchmark::DoNotOptimize(ws);
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_StartupEmptyFolder)->Unit(benchmark::kMillisecond);

void BM_StartupWith120000Validated(benchmark::State& state) {
  const fs::path folder = FreshFolder("full");
  {
    auto ws = session::RunStartup(folder, {});
    store::Table::Transaction tx((*ws)->validation);
    for (int n = 1; n <= card::kBankCapacity; ++n) {
      store::Record r = (*ws)->validation.NewRecord();
      r.Set("Numero", n);
      r.Set("Lote", n / 100 + 1);
      r.Set("Lan", n % 100 + 1);
      for (int k = 1; k <= 25; ++k) r.Set("N" + std::to_string(k), std::string((*ws)->bank.CardNumber(n, k)));
      (void)(*ws)->validation.Insert(r);
    }
    (void)tx.Commit();
  }
  for (auto _ : state) {
    auto ws = session::RunStartup(folder, {});
    if (!ws || *(*ws)->validation.Count() != card::kBankCapacity) state.SkipWithError("start-up failed");
    benchmark::DoNotOptimize(ws);
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_StartupWith120000Validated)->Unit(benchmark::kMillisecond);

void BM_LoadCardBankWithComplement(benchmark::State& state) {
  card::CardBank bank;
  const fs::path& folder = bench::HallFolder();  // made before the timing
  for (auto _ : state) {
    auto report = card::LoadCardBank(bank, folder);
    if (!report || report->applied != 110'000) state.SkipWithError("complement not applied");
  }
}
BENCHMARK(BM_LoadCardBankWithComplement)->Unit(benchmark::kMillisecond);

void BM_StartupHall(benchmark::State& state) {
  const fs::path folder = FreshFolder("hall");
  fs::copy(bench::HallFolder(), folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  for (auto _ : state) {
    auto ws = session::RunStartup(folder, {});
    if (!ws) state.SkipWithError(ws.error().c_str());
    benchmark::DoNotOptimize(ws);
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_StartupHall)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
