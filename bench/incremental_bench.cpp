// The incremental evaluation of the draw over 120,000 validated cards, ball
// by ball through one random draw: a ball's Mark and the Findings after it,
// at balls 1, 40, 70, 85 and 100, beside EvaluateCards over the same drawn
// set. Three requests: 25-number cards with every pattern ticked and the
// full card, the full card only, and 15-number cards. Mark and Findings are
// also measured alone, and the building of the index when the draw starts.
//
// Each timed iteration is the ball's Mark, Findings and the freeing of what
// it returned (EvaluateCards: the pass and the freeing); the Unmark that puts
// the state back for the next iteration is not timed. Run with
// --benchmark_repetitions and read the medians.

#include <benchmark/benchmark.h>

#include "bench_cards.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "card/card_bank.h"
#include "draw/draw_cards.h"
#include "draw/draw_evaluation.h"
#include "draw/incremental_evaluation.h"

namespace {

using namespace tavelao;
using namespace tavelao::draw;
using Clock = std::chrono::steady_clock;

constexpr int kCards = bench::kBenchCards;

// The built-in cards, then random ones valid in every column.
const std::vector<CardRows>& TheCards() {
  static const DrawCards cards = [] {
    DrawCards list;
    card::CardBank bank;
    bank.LoadBuiltIn();
    std::mt19937 rng(2024);
    for (int n = 1; n <= kCards; ++n) {
      const std::string record = bench::BenchCardRecord(bank, n, rng);
      if (!list.Add(DrawCardEntry::Make(record, n, n / 100 + 1, n % 100 + 1))) std::abort();
    }
    return list;
  }();
  return cards.rows();
}

// The draw: every ball once, in a random order.
const std::vector<int>& TheDraw() {
  static const std::vector<int> order = [] {
    std::vector<int> balls(100);
    std::iota(balls.begin(), balls.end(), 1);
    std::shuffle(balls.begin(), balls.end(), std::mt19937(99));
    return balls;
  }();
  return order;
}

enum Requested { kAllPatterns, kFullCardOnly, kFifteen };

EvaluationRequest RequestOf(std::int64_t kind) {
  PatternFlags all;
  all.fill(true);
  switch (kind) {
    case kAllPatterns:
      return {CardSize::TwentyFive, true, all};
    case kFullCardOnly:
      return {CardSize::TwentyFive, true, {}};
    default:
      return {CardSize::Fifteen, true, {}};
  }
}

const char* NameOf(std::int64_t kind) {
  switch (kind) {
    case kAllPatterns:
      return "all_patterns";
    case kFullCardOnly:
      return "full_card";
    default:
      return "15_numbers";
  }
}

// The evaluation with the balls before the `ball`-th of the draw marked,
// keeping the request's figures.
IncrementalEvaluation Before(int ball, const EvaluationRequest& request) {
  IncrementalEvaluation incremental(TheCards());
  for (int i = 0; i < ball - 1; ++i) incremental.Mark(TheDraw()[i]);
  incremental.Findings(request);
  return incremental;
}

void Describe(benchmark::State& state, const CardFindings& f, int ball) {
  state.SetLabel(std::string(NameOf(state.range(0))) + ", ball " + std::to_string(ball));
  state.counters["completions"] = static_cast<double>(f.completions.size());
  state.counters["standings"] = static_cast<double>(f.standings.size());
}

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

void BM_MarkAndFindings(benchmark::State& state) {
  const EvaluationRequest request = RequestOf(state.range(0));
  const int ball = static_cast<int>(state.range(1));
  IncrementalEvaluation incremental = Before(ball, request);
  const int drawn = TheDraw()[ball - 1];
  {
    incremental.Mark(drawn);
    const CardFindings check = incremental.Findings(request);
    const CardFindings full = EvaluateCards(TheCards(), incremental.drawn(), request);
    if (!(check.counters == full.counters) || check.completions != full.completions ||
        check.standings != full.standings || check.won != full.won) {
      state.SkipWithError("the incremental evaluation and the pass disagree");
      return;
    }
    Describe(state, check, ball);
    incremental.Unmark(drawn);
  }
  for (auto _ : state) {
    const auto start = Clock::now();
    {
      incremental.Mark(drawn);
      CardFindings f = incremental.Findings(request);
      benchmark::DoNotOptimize(f);
    }
    const auto end = Clock::now();
    state.SetIterationTime(Seconds(start, end));
    incremental.Unmark(drawn);
  }
}

// The same with the findings of the previous ball's pass given back to be
// filled again, as a draw that keeps one CardFindings would.
void BM_MarkAndFindingsReused(benchmark::State& state) {
  const EvaluationRequest request = RequestOf(state.range(0));
  const int ball = static_cast<int>(state.range(1));
  IncrementalEvaluation incremental = Before(ball, request);
  const int drawn = TheDraw()[ball - 1];
  CardFindings f;
  incremental.Mark(drawn);
  incremental.Findings(request, f);
  Describe(state, f, ball);
  incremental.Unmark(drawn);
  for (auto _ : state) {
    const auto start = Clock::now();
    incremental.Mark(drawn);
    incremental.Findings(request, f);
    benchmark::DoNotOptimize(f);
    state.SetIterationTime(Seconds(start, Clock::now()));
    incremental.Unmark(drawn);
  }
}

void BM_EvaluateCards(benchmark::State& state) {
  const EvaluationRequest request = RequestOf(state.range(0));
  const int ball = static_cast<int>(state.range(1));
  BallSet drawn;
  for (int i = 0; i < ball; ++i) drawn.Add(TheDraw()[i]);
  Describe(state, EvaluateCards(TheCards(), drawn, request), ball);
  for (auto _ : state) {
    const auto start = Clock::now();
    {
      CardFindings f = EvaluateCards(TheCards(), drawn, request);
      benchmark::DoNotOptimize(f);
    }
    state.SetIterationTime(Seconds(start, Clock::now()));
  }
}

// The parts alone: Mark (Unmark untimed), and Findings with the ball marked.
void BM_MarkOnly(benchmark::State& state) {
  const EvaluationRequest request = RequestOf(state.range(0));
  const int ball = static_cast<int>(state.range(1));
  IncrementalEvaluation incremental = Before(ball, request);
  const int drawn = TheDraw()[ball - 1];
  state.SetLabel(std::string(NameOf(state.range(0))) + ", ball " + std::to_string(ball));
  for (auto _ : state) {
    const auto start = Clock::now();
    incremental.Mark(drawn);
    state.SetIterationTime(Seconds(start, Clock::now()));
    incremental.Unmark(drawn);
  }
}

void BM_UnmarkOnly(benchmark::State& state) {
  const EvaluationRequest request = RequestOf(state.range(0));
  const int ball = static_cast<int>(state.range(1));
  IncrementalEvaluation incremental = Before(ball + 1, request);
  const int drawn = TheDraw()[ball - 1];
  state.SetLabel(std::string(NameOf(state.range(0))) + ", ball " + std::to_string(ball));
  for (auto _ : state) {
    const auto start = Clock::now();
    incremental.Unmark(drawn);
    state.SetIterationTime(Seconds(start, Clock::now()));
    incremental.Mark(drawn);
  }
}

void BM_FindingsOnly(benchmark::State& state) {
  const EvaluationRequest request = RequestOf(state.range(0));
  const int ball = static_cast<int>(state.range(1));
  IncrementalEvaluation incremental = Before(ball + 1, request);
  Describe(state, incremental.Findings(request), ball);
  for (auto _ : state) {
    CardFindings f = incremental.Findings(request);
    benchmark::DoNotOptimize(f);
  }
}

// Ticking every pattern at the given ball of a 25-number draw that tested
// only the full card: the first Findings starts keeping 20 more figures.
void BM_TickEveryPattern(benchmark::State& state) {
  const int ball = static_cast<int>(state.range(1));
  IncrementalEvaluation incremental = Before(ball + 1, RequestOf(kFullCardOnly));
  state.SetLabel("ball " + std::to_string(ball));
  for (auto _ : state) {
    const auto start = Clock::now();
    {
      CardFindings f = incremental.Findings(RequestOf(kAllPatterns));
      benchmark::DoNotOptimize(f);
    }
    state.SetIterationTime(Seconds(start, Clock::now()));
    incremental.Findings(RequestOf(kFullCardOnly));
  }
}

// Building the index and the state when the draw starts.
void BM_Build(benchmark::State& state) {
  const auto& cards = TheCards();
  for (auto _ : state) {
    IncrementalEvaluation incremental(cards);
    benchmark::DoNotOptimize(incremental);
  }
}

void PerBall(benchmark::internal::Benchmark* b) {
  for (int kind : {kAllPatterns, kFullCardOnly, kFifteen}) {
    for (int ball : {1, 40, 70, 85, 100}) b->Args({kind, ball});
  }
}

BENCHMARK(BM_MarkAndFindings)->Apply(PerBall)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarkAndFindingsReused)->Apply(PerBall)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EvaluateCards)->Apply(PerBall)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarkOnly)->Apply(PerBall)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnmarkOnly)->Apply(PerBall)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindingsOnly)->Apply(PerBall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickEveryPattern)->Args({0, 40})->Args({0, 85})->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Build)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
