// The printing-house export of the whole bank with a password.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "card/card_bank.h"
#include "issue/printing_house_export.h"

namespace {

using namespace tavelao;

class SilentDialogs : public Dialogs {
 public:
  void Inform(std::string_view, std::string_view) override { ++shown; }
  bool Ask(std::string_view, std::string_view) override { return false; }
  int shown = 0;
};

void BM_Export120000WithPassword(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "tavelao-bench-export";
  std::filesystem::create_directories(folder);
  card::CardBank bank;
  bank.LoadBuiltIn();
  for (int n = 10001; n <= card::kBankCapacity; ++n) bank.SetRecord(n, bank.CardRecord(n % 10000 + 1));
  const auto password = *card::Password::FromText("SENHA");
  SilentDialogs dialogs;
  for (auto _ : state) {
    const auto outcome = issue::ExportForPrintingHouse(bank, password, card::IssuerNumber(), {folder, nullptr}, "1",
                                                       "120000", dialogs, SystemClock());
    if (outcome != issue::ExportOutcome::kWritten) state.SkipWithError("export refused");
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Export120000WithPassword)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
