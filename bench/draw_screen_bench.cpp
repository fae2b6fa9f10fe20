// From a ball click on the operator's board to the operator's screen and the
// audience screen repainted, over a hall folder of 120,000 validated cards
// (cards above 10,000 from a complement of 110,000): every pattern with the
// full card, the full card alone, and 15-number cards. One iteration is a
// few whole manual draws in random orders, clicked one ball after the other
// as fast as the screen answers; the counters give, in milliseconds, the
// median at balls 1, 40, 70, 85 and 100, the 90th percentile and the worst
// ball, and the median time of a whole repaint of the Telão.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app_harness.h"
#include "draw/ball.h"
#include "draw/draw_figures.h"
#include "draw/ui/audience_lettering.h"
#include "hall_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace tavelao;

struct Hall {
  fs::path folder = fs::temp_directory_path() / ("tavelao-screen-" + std::to_string(::getpid()));
  std::unique_ptr<testing::AppHarness> app;
  Hall() {
    fs::remove_all(folder);
    fs::copy(bench::HallFolder(), folder, fs::copy_options::recursive);
    app = std::make_unique<testing::AppHarness>(folder);
    app->form().resize(1920, 1050);
  }
  ~Hall() {
    app.reset();
    fs::remove_all(folder);
  }
};

// Made on first use and gone before the application object.
std::unique_ptr<Hall> the_hall;
Hall& TheHall() {
  if (!the_hall) the_hall = std::make_unique<Hall>();
  return *the_hall;
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * (v.size() - 1))];
}

void Tick(testing::AppHarness& app, const char* name, bool ticked) {
  if (auto* box = app.Find<QCheckBox>(name); box->isChecked() != ticked) QTest::mouseClick(box, Qt::LeftButton);
}

enum Case { kAllPatterns, kFullCard, kFifteen };

void RunDraws(benchmark::State& state, Case c, int telao_width) {
  constexpr int kDraws = 3;
  testing::AppHarness& app = *TheHall().app;
  app.Choose("MenuSorteio");
  Tick(app, c == kFifteen ? "CB15" : "CB25", true);
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonTelao");  // the audience screen follows every ball
  // The offscreen screen is small: the Telão is given the size of the hall's TV.
  QWidget* audience = app.Find("TFormTelao");
  audience->resize(telao_width, telao_width * 9 / 16);
  app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
  app.Click("ButtonFim");
  std::vector<std::vector<double>> at(draw::kBallCount);
  std::vector<double> all, telao_ms;
  QImage audience_image(audience->size(), QImage::Format_ARGB32_Premultiplied);
  std::mt19937 rng(7);
  for (auto _ : state) {
    for (int d = 0; d < kDraws; ++d) {
      app.Click("ButtonManual");
      if (c == kAllPatterns) {
        // The patterns won in the last draw were unticked: tick them again.
        app.Click("ButtonSorteios");
        for (draw::Pattern p : draw::kPatterns) Tick(app, std::string(draw::Info(p).check_box).c_str(), true);
        app.Find("TFormSorteios")->hide();
      }
      std::vector<int> balls(draw::kBallCount);
      std::iota(balls.begin(), balls.end(), 1);
      std::shuffle(balls.begin(), balls.end(), rng);
      if (!audience->isVisible()) std::abort();
      for (int i = 0; i < draw::kBallCount; ++i) {
        QWidget* panel = app.Find(("P" + std::to_string(balls[i])).c_str());
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(panel, Qt::LeftButton);
        // The updates the click posted: the platform paints what changed,
        // on both screens, as it would before showing them.
        QCoreApplication::processEvents();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        at[i].push_back(ms);
        all.push_back(ms);
        const auto whole = std::chrono::steady_clock::now();
        audience->render(&audience_image);
        telao_ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - whole).count());
      }
      app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
      app.Click("ButtonFim");
    }
  }
  app.Click("ButtonTelao");
  app.Click("ButtonSair");
  for (int ball : {1, 40, 70, 85, 100}) {
    state.counters["ball" + std::to_string(ball) + "_ms"] = Percentile(at[ball - 1], 0.5);
  }
  state.counters["p90_ms"] = Percentile(all, 0.9);
  state.counters["max_ms"] = Percentile(all, 1.0);
  state.counters["telao_whole_ms"] = Percentile(telao_ms, 0.5);
}

void BM_BallToScreensAllPatterns(benchmark::State& state) {
  RunDraws(state, kAllPatterns, static_cast<int>(state.range(0)));
}
void BM_BallToScreensFullCard(benchmark::State& state) { RunDraws(state, kFullCard, static_cast<int>(state.range(0))); }
void BM_BallToScreens15(benchmark::State& state) { RunDraws(state, kFifteen, static_cast<int>(state.range(0))); }

// The argument is the Telão's width: a 1920×1080 TV, a 3840×2160 one.
BENCHMARK(BM_BallToScreensAllPatterns)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1920);
BENCHMARK(BM_BallToScreensFullCard)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1920)->Arg(3840);
BENCHMARK(BM_BallToScreens15)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1920);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tavelao::draw::CacheLargeGlyphs();  // as the program does
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  the_hall.reset();
  return 0;
}
