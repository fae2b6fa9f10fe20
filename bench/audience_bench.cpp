// One repaint of the audience screen, at the sizes of a hall's TV or
// projector, halfway through a draw and with winners announced. A ball must
// show within 50 ms even at 3840×2160.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <QImage>
#include "draw/ui/audience_lettering.h"

#include "draw/ui/audience_window.h"

namespace {

using namespace tavelao::draw;

// Forty balls drawn in an order that spreads over the columns, three draw
// types, and `winners` announcement lines.
AudienceView HalfwayView(int winners) {
  DrawState state;
  state.choice.patterns[Index(Pattern::Linha)] = true;
  state.choice.patterns[Index(Pattern::Cantos)] = true;
  for (int i = 0; i < 40; ++i) {
    const int ball = (i * 37) % kBallCount + 1;
    state.drawn.Add(ball);
    state.drawn_order.push_back(ball);
  }
  state.drawn_count = 40;
  for (int i = 0; i < winners; ++i) state.new_winners.push_back({1000 + i, Pattern::Linha});
  return AudienceViewOf(state, {"B", "I", "N", "G", "O"}, "Grande Bingo da Festa Junina");
}

void BM_Repaint(benchmark::State& state) {
  const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(0)) * 9 / 16);
  AudienceWindow window;
  window.resize(size);
  window.Show(HalfwayView(static_cast<int>(state.range(1))));
  QImage image(size, QImage::Format_RGB32);
  for (auto _ : state) {
    window.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_Repaint)
    ->ArgNames({"width", "winners"})
    ->Args({1366, 0})
    ->Args({1920, 0})
    ->Args({3840, 0})
    ->Args({3840, 1})
    ->Args({3840, 12})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tavelao::draw::CacheLargeGlyphs();  // as the program does
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
