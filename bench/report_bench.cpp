// Issue run, documents and PDF writing of the print layouts, with the peak
// memory of the process after each.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QGuiApplication>
#include <filesystem>
#include <memory>

#include "card/card_bank.h"
#include "issue/card_file.h"
#include "issue/card_refresh.h"
#include "issue/issue_run.h"
#include "layouts/fixed_layouts.h"
#include "report/band_engine.h"
#include "report/document_output.h"
#include "report/record_source.h"

namespace {

using namespace tavelao;

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / "tavelao-bench-report";
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

const card::CardBank& Bank() {
  static const auto bank = [] {
    auto b = std::make_unique<card::CardBank>();
    b->LoadBuiltIn();
    return b;
  }();
  return *bank;
}

layouts::LayoutOptions Options() {
  layouts::LayoutOptions options;
  options.card.prizes[0] = "Uma moto";
  options.free_text = std::make_shared<const std::string>(
      "<p align=\"center\"><span style=\"font-size:28pt; font-weight:bold\">GRANDE BINGO BENEFICENTE</span></p>"
      "<p align=\"center\">Paróquia São José — Domingo às 15h</p>");
  return options;
}

// 1,000 issued cards with a password, as a layout prints them.
report::Document MakeDocument(int model) {
  store::Table card_file;
  if (!issue::WriteCardFile(card_file, Folder(), Bank(), {1, 1000})) return {};
  static const auto password = *card::Password::FromText("SENHA");
  static const card::IssuerNumber issuer;
  auto document = report::BuildDocument(*layouts::FixedLayoutForModel(model, Options()),
                                        report::TableRecords(card_file, {"", issue::kNumeroField}),
                                        issue::CardRefreshHook(password, issuer));
  return document ? std::move(*document) : report::Document{};
}

void BM_IssueRun10000(benchmark::State& state) {
  store::Table card_file;
  for (auto _ : state) {
    if (!issue::WriteCardFile(card_file, Folder(), Bank(), {1, 10000})) state.SkipWithError("issue failed");
  }
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_IssueRun10000)->Unit(benchmark::kMillisecond);

void BM_Document1000Cards(benchmark::State& state) {
  const int model = static_cast<int>(state.range(0));
  store::Table card_file;
  if (!issue::WriteCardFile(card_file, Folder(), Bank(), {1, 1000})) state.SkipWithError("issue failed");
  const auto password = *card::Password::FromText("SENHA");
  const card::IssuerNumber issuer;
  const report::Layout layout = *layouts::FixedLayoutForModel(model, Options());
  std::size_t pages = 0;
  for (auto _ : state) {
    auto document = report::BuildDocument(layout, report::TableRecords(card_file, {"", issue::kNumeroField}),
                                          issue::CardRefreshHook(password, issuer));
    if (!document) state.SkipWithError("document failed");
    pages = document->pages.size();
    benchmark::DoNotOptimize(document);
  }
  state.counters["pages"] = static_cast<double>(pages);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_Document1000Cards)->ArgName("model")->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond);

void BM_Pdf1000Cards(benchmark::State& state) {
  const report::Document document = MakeDocument(static_cast<int>(state.range(0)));
  const auto pdf = Folder() / "cartelas.pdf";
  for (auto _ : state) {
    if (!report::WritePdf(document, pdf)) state.SkipWithError("pdf failed");
  }
  state.counters["pages"] = static_cast<double>(document.pages.size());
  state.counters["pages_per_s"] =
      benchmark::Counter(static_cast<double>(document.pages.size()), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["pdf_MB"] = std::filesystem::file_size(pdf) / 1e6;
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_Pdf1000Cards)->ArgName("model")->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(Folder());
  return 0;
}
