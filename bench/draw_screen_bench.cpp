// From a ball click on the operator's board to the operator's screen and the
// audience screen repainted, with 120,000 validated cards, for 25-number
// cards (full card and Linha) and 15-number cards. One iteration is a whole
// manual draw in a random order; the counters give the median, the 90th
// percentile and the worst ball, in milliseconds.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "app_harness.h"
#include "draw/ball.h"
#include "support/temp_folder.h"

namespace {

using namespace tavelao;

constexpr int kCards = 120'000;

// Cards 10,001 on have no built-in numbers: random valid ones go into the
// bank, as a complement file would put them; every card is validated, in
// batches of 100.
void ValidateEveryCard(session::Workspace& ws) {
  std::mt19937 rng(2024);
  for (int n = 10'001; n <= kCards; ++n) {
    std::string record;
    for (int col = 0; col < 5; ++col) {
      std::array<int, 20> column;
      std::iota(column.begin(), column.end(), 20 * col + 1);
      std::shuffle(column.begin(), column.end(), rng);
      for (int r = 0; r < 5; ++r) record += draw::BallLabel(column[r]);
    }
    ws.bank.SetRecord(n, record);
  }
  store::Table::Transaction batch(ws.validation);
  for (int n = 1; n <= kCards; ++n) {
    store::Record record = ws.validation.NewRecord();
    record.Set("Numero", n);
    record.Set("Lote", n / 100 + 1);
    record.Set("Lan", n % 100 + 1);
    for (int k = 1; k <= 25; ++k) record.Set("N" + std::to_string(k), std::string(ws.bank.CardNumber(n, k)));
    if (!ws.validation.Insert(record)) std::abort();
  }
  if (!batch.Commit()) std::abort();
}

struct Hall {
  testing::TempFolder dir;
  testing::AppHarness app{dir.path()};
  Hall() {
    ValidateEveryCard(app.workspace());
    app.form().resize(1920, 1050);
  }
};

Hall& TheHall() {
  static Hall hall;
  return hall;
}

void Repaint(QWidget* window) {
  if (window && window->isVisible()) window->repaint();
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * (v.size() - 1))];
}

void RunDraw(benchmark::State& state, const char* card_size, bool linha) {
  Hall& hall = TheHall();
  testing::AppHarness& app = hall.app;
  app.Choose("MenuSorteio");
  if (card_size) QTest::mouseClick(app.Find<QCheckBox>(card_size), Qt::LeftButton);
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonTelao");  // the audience screen, full screen, follows every ball
  app.Click("ButtonFim");
  std::vector<double> ms;
  std::mt19937 rng(7);
  for (auto _ : state) {
    state.PauseTiming();
    app.Click("ButtonManual");
    if (linha) {
      app.Click("ButtonSorteios");
      QTest::mouseClick(app.Find<QCheckBox>("CBLinha"), Qt::LeftButton);
      app.Find("TFormSorteios")->hide();
    }
    std::vector<int> balls(draw::kBallCount);
    std::iota(balls.begin(), balls.end(), 1);
    std::shuffle(balls.begin(), balls.end(), rng);
    QWidget* audience = app.Find("TFormTelao");
    state.ResumeTiming();
    for (int ball : balls) {
      QWidget* panel = app.Find(("P" + std::to_string(ball)).c_str());
      const auto start = std::chrono::steady_clock::now();
      QTest::mouseClick(panel, Qt::LeftButton);
      Repaint(&app.form());
      Repaint(audience);
      ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.PauseTiming();
    app.Click("ButtonFim");
    state.ResumeTiming();
  }
  app.Click("ButtonSair");
  state.counters["median_ms"] = Percentile(ms, 0.5);
  state.counters["p90_ms"] = Percentile(ms, 0.9);
  state.counters["max_ms"] = Percentile(ms, 1.0);
}

void BM_BallToScreens25FullCard(benchmark::State& state) { RunDraw(state, nullptr, false); }
void BM_BallToScreens25Linha(benchmark::State& state) { RunDraw(state, nullptr, true); }
void BM_BallToScreens15(benchmark::State& state) { RunDraw(state, "CB15", false); }

BENCHMARK(BM_BallToScreens25FullCard)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BallToScreens25Linha)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BallToScreens15)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
