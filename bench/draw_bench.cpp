// The evaluation pass of the draw over 120,000 validated 25-number cards at
// 30, 60, 85 and 100 drawn balls, with every pattern ticked and the full
// card tested (second argument 0) or the full card alone (1): the bit-set
// evaluation from scratch, a per-cell evaluation as the baseline, and the
// whole pass (with "sorteadas.cds" and the lines of Memo1) over the
// incremental evaluation.

#include <benchmark/benchmark.h>

#include "bench_cards.h"

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>
#include <vector>

#include "card/card_bank.h"
#include "draw/draw_evaluation.h"
#include "draw/draw_pass.h"
#include "draw/draw_run.h"
#include "session/data_files.h"

namespace {

using namespace tavelao;
using namespace tavelao::draw;

constexpr int kCards = bench::kBenchCards;

// The built-in cards, then random ones valid in every column, in batches of
// 100 as batch validation makes them.
struct Cards {
  DrawCards list;
  std::vector<std::array<std::uint8_t, 25>> balls;  // for the baseline
};

const Cards& TheCards() {
  static const Cards cards = [] {
    Cards c;
    card::CardBank bank;
    bank.LoadBuiltIn();
    std::mt19937 rng(2024);
    for (int n = 1; n <= kCards; ++n) {
      const std::string record = bench::BenchCardRecord(bank, n, rng);
      if (!c.list.Add(DrawCardEntry::Make(record, n, n / 100 + 1, n % 100 + 1))) std::abort();
      std::array<std::uint8_t, 25> b;
      for (int k = 0; k < 25; ++k) b[k] = static_cast<std::uint8_t>(*BallOfNumber(record.substr(2 * k, 2)));
      c.balls.push_back(b);
    }
    return c;
  }();
  return cards;
}

BallSet Drawn(int count) {
  std::vector<int> balls(100);
  std::iota(balls.begin(), balls.end(), 1);
  std::shuffle(balls.begin(), balls.end(), std::mt19937(99));
  BallSet set;
  for (int i = 0; i < count; ++i) set.Add(balls[i]);
  return set;
}

DrawChoice Everything() {
  DrawChoice choice;
  choice.patterns.fill(true);
  return choice;
}

// The request of the second argument.
EvaluationRequest RequestOf(std::int64_t kind) {
  return {CardSize::TwentyFive, true, kind == 0 ? Everything().patterns : PatternFlags{}};
}

// The baseline: every figure walks its cells and looks each ball up.
struct CellLists {
  std::vector<std::int8_t> card;  // the full card
  std::vector<std::vector<std::int8_t>> instances;
  std::vector<std::int8_t> pattern, instance;
};

CellLists MakeCellLists() {
  CellLists lists;
  auto cells = [](CellMask m) {
    std::vector<std::int8_t> v;
    for (int k = 0; k < 25; ++k) {
      if (m >> k & 1) v.push_back(static_cast<std::int8_t>(k));
    }
    return v;
  };
  lists.card = cells(kAllCells);
  for (Pattern p : kPatterns) {
    for (int i = 0; i < Info(p).instance_count; ++i) {
      lists.instances.push_back(cells(Info(p).instances[i]));
      lists.pattern.push_back(static_cast<std::int8_t>(Index(p)));
      lists.instance.push_back(static_cast<std::int8_t>(i));
    }
  }
  return lists;
}

CardFindings PerCell(const Cards& cards, const BallSet& set, const CellLists& lists, bool patterns) {
  std::array<bool, 101> drawn{};
  for (int b = 1; b <= 100; ++b) drawn[b] = set.Has(b);
  CardFindings out;
  for (std::uint32_t i = 0; i < cards.balls.size(); ++i) {
    const auto& card = cards.balls[i];
    int missing = 0;
    for (std::int8_t k : lists.card) missing += !drawn[card[k]];
    if (missing <= 5) ++out.counters.cartela[missing];
    if (missing <= 5) out.standings.push_back({i, static_cast<std::uint8_t>(missing)});
    if (missing == 0) out.completions.push_back({i, kWholeCard, 0});
    for (std::size_t j = 0; patterns && j < lists.instances.size(); ++j) {
      int m = 0;
      for (std::int8_t k : lists.instances[j]) m += !drawn[card[k]];
      if (m <= 2) ++out.counters.patterns[lists.pattern[j]][m];
      if (m == 0) out.completions.push_back({i, lists.pattern[j], lists.instance[j]});
    }
  }
  for (Pattern p : kPatterns) out.won[Index(p)] = out.counters.patterns[Index(p)][0] > 0;
  return out;
}

void BM_EvaluateCards(benchmark::State& state) {
  const Cards& cards = TheCards();
  const BallSet drawn = Drawn(static_cast<int>(state.range(0)));
  const EvaluationRequest request = RequestOf(state.range(1));
  for (auto _ : state) {
    CardFindings f = EvaluateCards(cards.list.rows(), drawn, request);
    benchmark::DoNotOptimize(f);
  }
}

void BM_PerCellBaseline(benchmark::State& state) {
  const Cards& cards = TheCards();
  const BallSet drawn = Drawn(static_cast<int>(state.range(0)));
  const CellLists lists = MakeCellLists();
  const bool patterns = state.range(1) == 0;
  const CardFindings check = PerCell(cards, drawn, lists, patterns);
  const CardFindings fast = EvaluateCards(cards.list.rows(), drawn, RequestOf(state.range(1)));
  if (!(check.counters == fast.counters) || check.completions != fast.completions ||
      check.standings != fast.standings) {
    state.SkipWithError("the baseline and the bit sets disagree");
    return;
  }
  for (auto _ : state) {
    CardFindings f = PerCell(cards, drawn, lists, patterns);
    benchmark::DoNotOptimize(f);
  }
}

void BM_WholePass(benchmark::State& state) {
  const Cards& cards = TheCards();
  const int count = static_cast<int>(state.range(0));
  const BallSet drawn = Drawn(count);
  DrawChoice choice = Everything();
  if (state.range(1) == 1) choice.patterns = {};
  const auto folder = std::filesystem::temp_directory_path() / ("tavelao-draw-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  auto standings = session::RebuildStandings(folder);
  if (!standings) {
    state.SkipWithError(standings.error().c_str());
    return;
  }
  StandingsFile file(*standings, folder);
  const auto list = std::make_shared<const DrawCards>(cards.list);
  IncrementalEvaluation incremental(list->rows());
  for (int b = 1; b <= kBallCount; ++b) {
    if (drawn.Has(b)) incremental.Mark(b);
  }
  CardFindings findings;
  WinnersSheet sheet;
  DrawState shown;  // Memo1's lines are kept in the draw state, as the follow-up panel takes them
  std::size_t lines = 0, records = 0;
  for (auto _ : state) {
    // Each pass rewrites the whole standings, as the first pass of a draw does.
    file.Forget();
    auto pass = EvaluateDraw({list, count, choice}, {incremental, findings}, file, sheet);
    if (!pass) {
      state.SkipWithError(pass.error().c_str());
      break;
    }
    shown.memo = std::move(pass->memo);
    benchmark::DoNotOptimize(shown.memo);
    lines = shown.memo.size();
  }
  if (!file.Flush()) state.SkipWithError("sorteadas.cds not written");
  if (auto n = standings->Count()) records = static_cast<std::size_t>(*n);
  state.counters["memo_lines"] = static_cast<double>(lines);
  state.counters["standings"] = static_cast<double>(records);
  standings->Close();
  std::filesystem::remove_all(folder);
}

// The standings writer's work for one ball late in the draw: the table holds
// the standings at `balls` - 1 drawn balls and is brought to those at
// `balls` (the rows whose count changed), or, with the second argument 1,
// written whole into an emptied table. The time is until the commit.
void BM_StandingsWrite(benchmark::State& state) {
  const Cards& cards = TheCards();
  const int count = static_cast<int>(state.range(0));
  const bool whole = state.range(1) == 1;
  std::vector<int> order(100);
  std::iota(order.begin(), order.end(), 1);
  std::shuffle(order.begin(), order.end(), std::mt19937(99));
  IncrementalEvaluation incremental(cards.list.rows());
  for (int i = 0; i < count - 1; ++i) incremental.Mark(order[i]);
  const EvaluationRequest request{CardSize::TwentyFive, true, {}};
  const CardFindings before = incremental.Findings(request);
  incremental.Mark(order[count - 1]);
  const CardFindings after = incremental.Findings(request);
  const auto folder = std::filesystem::temp_directory_path() / ("tavelao-write-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  auto table = session::RebuildStandings(folder);
  if (!table) return state.SkipWithError(table.error().c_str());
  StandingsFile file(*table, folder);
  const auto list = std::make_shared<const DrawCards>(cards.list);
  for (auto _ : state) {
    state.PauseTiming();
    if (whole) {
      file.Forget();
    } else if (!file.Write(list, before.standings) || !file.Flush()) {
      return state.SkipWithError("write failed");
    }
    state.ResumeTiming();
    if (!file.Write(list, after.standings) || !file.Flush()) return state.SkipWithError("write failed");
  }
  std::size_t changed = 0;
  for (std::size_t i = 0, j = 0; i < after.standings.size(); ++i) {
    while (j < before.standings.size() && before.standings[j].card < after.standings[i].card) ++j;
    changed += j == before.standings.size() || before.standings[j] != after.standings[i];
  }
  state.counters["rows"] = static_cast<double>(after.standings.size());
  state.counters["changed"] = static_cast<double>(whole ? after.standings.size() : changed);
  table->Close();
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StandingsWrite)
    ->Args({70, 0})
    ->Args({85, 0})
    ->Args({100, 0})
    ->Args({100, 1})
    ->ArgNames({"balls", "whole"})
    ->Unit(benchmark::kMillisecond);

void Cases(benchmark::internal::Benchmark* b) {
  for (int kind : {0, 1}) {
    for (int balls : {30, 60, 85, 100}) b->Args({balls, kind});
  }
  b->ArgNames({"balls", "full_card_only"})->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_EvaluateCards)->Apply(Cases);
BENCHMARK(BM_PerCellBaseline)->Apply(Cases);
BENCHMARK(BM_WholePass)->Apply(Cases);

}  // namespace

BENCHMARK_MAIN();
