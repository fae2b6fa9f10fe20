// From a ball click on the operator's board to the operator's screen and the
// audience screen repainted, with 120,000 validated cards, for 25-number
// cards (full card and Linha) and 15-number cards. One iteration is a whole
// manual draw in a random order; the counters give the median, the 90th
// percentile and the worst ball, in milliseconds.

#include <benchmark/benchmark.h>

#include "bench_cards.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

#include "app_harness.h"
#include "draw/ball.h"
#include "support/temp_folder.h"

namespace {

using namespace tavelao;

constexpr int kCards = bench::kBenchCards;

// Cards 10,001 on have no built-in numbers: random valid ones go into the
// bank, as a complement file would put them; every card is validated, in
// batches of 100.
void ValidateEveryCard(session::Workspace& ws) {
  std::mt19937 rng(2024);
  for (int n = 10'001; n <= kCards; ++n) {
    ws.bank.SetRecord(n, bench::RandomCardRecord(rng));
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

// Made on first use and gone before the application object.
std::unique_ptr<Hall> the_hall;
Hall& TheHall() {
  if (!the_hall) the_hall = std::make_unique<Hall>();
  return *the_hall;
}

// The offscreen platform does not paint windows it never exposes: each window
// is painted whole into an image of its size, as its backing store would be.
void Repaint(QWidget* window, QImage& image) {
  if (image.size() != window->size()) image = QImage(window->size(), QImage::Format_ARGB32_Premultiplied);
  window->render(&image);
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * (v.size() - 1))];
}

void RunDraw(benchmark::State& state, const char* card_size, bool linha) {
  const int telao_width = static_cast<int>(state.range(0));
  Hall& hall = TheHall();
  testing::AppHarness& app = hall.app;
  app.Choose("MenuSorteio");
  if (auto* box = app.Find<QCheckBox>(card_size ? card_size : "CB25"); !box->isChecked()) {
    QTest::mouseClick(box, Qt::LeftButton);
  }
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonTelao");  // the audience screen follows every ball
  // The offscreen screen is small: the Telão is given the size of the hall's TV.
  app.Find("TFormTelao")->resize(telao_width, telao_width * 9 / 16);
  app.Click("ButtonFim");
  std::vector<double> ms, telao_ms;
  QImage operator_image, audience_image;
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
    if (!audience->isVisible()) std::abort();
    state.ResumeTiming();
    for (int ball : balls) {
      QWidget* panel = app.Find(("P" + std::to_string(ball)).c_str());
      const auto start = std::chrono::steady_clock::now();
      QTest::mouseClick(panel, Qt::LeftButton);
      QCoreApplication::processEvents();  // the updates the click posted
      Repaint(&app.form(), operator_image);
      const auto mid = std::chrono::steady_clock::now();
      Repaint(audience, audience_image);
      telao_ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - mid).count());
      ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.PauseTiming();
    app.Click("ButtonFim");
    state.ResumeTiming();
  }
  app.Click("ButtonTelao");
  app.Click("ButtonSair");
  state.counters["median_ms"] = Percentile(ms, 0.5);
  state.counters["p90_ms"] = Percentile(ms, 0.9);
  state.counters["max_ms"] = Percentile(ms, 1.0);
  state.counters["telao_median_ms"] = Percentile(telao_ms, 0.5);
}

void BM_BallToScreens25FullCard(benchmark::State& state) { RunDraw(state, nullptr, false); }
void BM_BallToScreens25Linha(benchmark::State& state) { RunDraw(state, nullptr, true); }
void BM_BallToScreens15(benchmark::State& state) { RunDraw(state, "CB15", false); }

// The argument is the Telão's width: a 1920×1080 TV, a 3840×2160 one.
BENCHMARK(BM_BallToScreens25FullCard)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1920)->Arg(3840);
BENCHMARK(BM_BallToScreens25Linha)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1920);
BENCHMARK(BM_BallToScreens15)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1920)->Arg(3840);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  the_hall.reset();
  return 0;
}
