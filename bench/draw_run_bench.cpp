// The draw as the hall runs it, over a folder of 120,000 validated cards
// (cards above 10,000 from a complement of 110,000): the start of the draw;
// each ball from the click to the results computed, at balls 1, 40, 70, 85
// and 100 of random draws, for every pattern, the full card alone and
// 15-number cards; a ball journalled against the same ball replayed from the
// journal (the one path that journals nothing); the verification of a
// journalled 100-ball draw; and tavelao-cli sorteia of one ball and of 100.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "common/dialogs.h"
#include "draw/draw_run.h"
#include "draw/draw_tables.h"
#include "draw/journal_fields.h"
#include "draw/journal_replay.h"
#include "draw/seeded_random_source.h"
#include "hall_folder.h"
#include "session/data_files.h"
#include "session/workspace.h"
#include "support/cli_runner.h"

namespace {

namespace fs = std::filesystem;
using namespace tavelao;
using namespace tavelao::draw;

class SilentDialogs : public Dialogs {
 public:
  void Inform(std::string_view, std::string_view) override {}
  bool Ask(std::string_view, std::string_view) override { return true; }
};

// A copy of the hall folder, so that each program that takes a folder's
// lock has its own.
fs::path CopyOfHall(const std::string& name) {
  const fs::path copy = fs::temp_directory_path() / ("tavelao-" + name + "-" + std::to_string(::getpid()));
  fs::remove_all(copy);
  fs::copy(bench::HallFolder(), copy, fs::copy_options::recursive);
  return copy;
}

struct Hall {
  fs::path folder = CopyOfHall("draw-run");
  std::unique_ptr<session::Workspace> ws;
  std::optional<DrawTables> tables;
  SilentDialogs dialogs;
  Hall() {
    auto started = session::RunStartup(folder, {});
    if (!started) std::abort();
    ws = std::move(*started);
    auto opened = OpenDrawTables(*ws);
    if (!opened) std::abort();
    tables.emplace(*opened);
  }
  ~Hall() {
    ws.reset();
    fs::remove_all(folder);
  }
};

Hall& TheHall() {
  static Hall hall;
  return hall;
}

enum Case { kAllPatterns, kFullCard, kFifteen };

// A run set up as the operator does: card size, the patterns, OK.
std::unique_ptr<DrawRun> SetUp(Case c) {
  Hall& hall = TheHall();
  auto run =
      std::make_unique<DrawRun>(*hall.tables, hall.dialogs, [] { return std::make_unique<SeededRandomSource>(1); });
  if (!run->OpenDrawChoice()) std::abort();
  if (!run->ClickCardSize(c == kFifteen ? CardSize::Fifteen : CardSize::TwentyFive, true)) std::abort();
  if (c == kAllPatterns) {
    for (Pattern p : kPatterns) {
      if (!run->ClickPattern(p, true)) std::abort();
    }
  }
  if (!run->ConfirmCardSize()) std::abort();
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void BM_StartDraw(benchmark::State& state) {
  auto run = SetUp(kFullCard);
  for (auto _ : state) {
    if (!run->StartDraw(DrawMode::Manual)) state.SkipWithError("start failed");
  }
  state.counters["cards"] = static_cast<double>(run->cards().size());
}
BENCHMARK(BM_StartDraw)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);

// One iteration: `kDraws` whole draws in random orders. The writer of the
// standings is let finish between balls, as the seconds between two balls
// in a hall let it.
void BM_BallToResults(benchmark::State& state) {
  constexpr int kDraws = 7;
  const Case c = static_cast<Case>(state.range(0));
  auto run = SetUp(c);
  const TitleLetters letters;
  std::vector<std::vector<double>> at(kBallCount);
  std::mt19937 rng(7);
  for (auto _ : state) {
    for (int d = 0; d < kDraws; ++d) {
      if (c == kAllPatterns) run = SetUp(c);  // the patterns won in the last draw, ticked again
      if (!run->StartDraw(DrawMode::Manual)) std::abort();
      std::vector<int> balls(kBallCount);
      std::iota(balls.begin(), balls.end(), 1);
      std::shuffle(balls.begin(), balls.end(), rng);
      for (int i = 0; i < kBallCount; ++i) {
        const auto start = std::chrono::steady_clock::now();
        auto outcome = run->ToggleBall(balls[i], letters);
        at[i].push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!outcome || !outcome->accepted) std::abort();
        if (!run->FlushStandings()) std::abort();
      }
    }
  }
  for (int ball : {1, 40, 70, 85, 100}) state.counters["ball" + std::to_string(ball) + "_ms"] = Median(at[ball - 1]);
  double worst = 0;
  for (const auto& times : at) worst = std::max(worst, *std::max_element(times.begin(), times.end()));
  state.counters["max_ms"] = worst;
}
// 0: every pattern and the full card; 1: the full card alone; 2: 15 numbers.
BENCHMARK(BM_BallToResults)
    ->Arg(kAllPatterns)
    ->Arg(kFullCard)
    ->Arg(kFifteen)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The same random draws played twice: live, each ball journalled (synced)
// before it is shown, and replayed from the journal, where the run journals
// nothing. The difference is what the journal costs a ball.
void BM_BallJournalled(benchmark::State& state) {
  constexpr int kDraws = 5;
  const Case c = static_cast<Case>(state.range(0));
  const TitleLetters letters;
  Hall& hall = TheHall();
  std::vector<double> live, replayed;
  std::mt19937 rng(11);
  for (auto _ : state) {
    for (int d = 0; d < kDraws; ++d) {
      auto run = SetUp(c);
      if (auto started = run->StartDraw(DrawMode::Manual); !started) {
        state.SkipWithError(started.error().c_str());
        return;
      }
      std::vector<int> balls(kBallCount);
      std::iota(balls.begin(), balls.end(), 1);
      std::shuffle(balls.begin(), balls.end(), rng);
      for (int ball : balls) {
        const auto start = std::chrono::steady_clock::now();
        auto outcome = run->ToggleBall(ball, letters);
        live.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!outcome || !outcome->accepted) std::abort();
        if (!run->FlushStandings()) std::abort();
      }
      if (!run->EndDraw()) std::abort();
      run.reset();
      auto journal = ReadJournal(hall.ws->journal);
      if (!journal) std::abort();
      const std::vector<JournalEvent> events = EventsOfDraw(*journal, journal->back().draw);

      auto again = SetUp(c);
      auto start = std::chrono::steady_clock::now();
      const auto step = [&](std::size_t event, const DrawRun&) -> Status {
        if (event > 0) {
          replayed.push_back(
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        if (auto flushed = again->FlushStandings(); !flushed) return flushed;
        start = std::chrono::steady_clock::now();
        return {};
      };
      if (auto replay = again->Replay(events, letters, step); !replay) {
        state.SkipWithError(replay.error().c_str());
        return;
      }
    }
  }
  const double journalled = Median(live);
  const double unjournalled = Median(replayed);
  state.counters["journalled_ms"] = journalled;
  state.counters["unjournalled_ms"] = unjournalled;
  state.counters["difference_ms"] = journalled - unjournalled;
  state.counters["journalled_max_ms"] = *std::max_element(live.begin(), live.end());
  state.counters["unjournalled_max_ms"] = *std::max_element(replayed.begin(), replayed.end());
  state.counters["balls"] = static_cast<double>(live.size());
}
BENCHMARK(BM_BallJournalled)->Arg(kAllPatterns)->Arg(kFullCard)->Iterations(1)->Unit(benchmark::kMillisecond);

// One ball's events committed to a journal of a whole draw's size: the ball
// alone, and the ball with the 30,000 full-card winners of a late ball when
// 120,000 cards play to the last ball.
void BM_JournalCommit(benchmark::State& state) {
  const int winners = static_cast<int>(state.range(0));
  const fs::path folder = fs::temp_directory_path() / ("tavelao-journal-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  {
    auto table = session::OpenJournal({folder, nullptr});
    if (!table) std::abort();
    const SystemClock clock;
    DrawJournal journal(*table, clock);
    if (!journal.BeginDraw({{"cartelas", "25"}})) std::abort();
    int ball = 0;
    for (auto _ : state) {
      ball = ball % kBallCount + 1;
      journal.Add(EventKind::Marked, {{"bola", std::to_string(ball)}, {"pedras", "99"}});
      // The events of the ball's winners, a thousand cards each.
      for (int first = 0; first < winners; first += static_cast<int>(kCardsPerWinnerEvent)) {
        EventFields cards;
        const int end = std::min(winners, first + static_cast<int>(kCardsPerWinnerEvent));
        for (int w = first; w < end; ++w) {
          cards.Add("cartela", std::to_string(100000 + w));
          cards.Add("digito", "7");
          cards.Add("lote", "000012");
          cards.Add("seq", "034");
        }
        cards.Add("tipo", "CARTELA CHEIA");
        cards.Add("bola", std::to_string(ball));
        cards.Add("pedras", "99");
        journal.Add(EventKind::Winner, std::move(cards));
      }
      if (!journal.Commit()) std::abort();
    }
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_JournalCommit)
    ->Arg(0)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// tavelao-cli ata N --verifica without the process, over a folder whose
// journal holds one draw of 100 balls with every pattern: the chain and the
// draw replayed over the 120,000 cards in a scratch folder. At ball 100
// every card has completed the full card, so the draw has 120,000 winners.
void BM_VerifyDraw(benchmark::State& state) {
  const fs::path folder = CopyOfHall("verify");
  fs::remove(folder / session::kJournalFile);
  std::int32_t draw = 0;
  std::size_t events = 0;
  {
    auto started = session::RunStartup(folder, {});
    if (!started) std::abort();
    std::unique_ptr<session::Workspace> ws = std::move(*started);
    auto opened = OpenDrawTables(*ws);
    if (!opened) std::abort();
    SilentDialogs dialogs;
    const TitleLetters letters;
    {
      DrawRun run(*opened, dialogs, [] { return std::make_unique<SeededRandomSource>(1); });
      if (!run.OpenDrawChoice() || !run.ClickCardSize(CardSize::TwentyFive, true)) std::abort();
      for (Pattern p : kPatterns) {
        if (!run.ClickPattern(p, true)) std::abort();
      }
      if (!run.ConfirmCardSize() || !run.StartDraw(DrawMode::Manual)) std::abort();
      std::vector<int> balls(kBallCount);
      std::iota(balls.begin(), balls.end(), 1);
      std::shuffle(balls.begin(), balls.end(), std::mt19937(5));
      for (int ball : balls) {
        if (auto outcome = run.ToggleBall(ball, letters); !outcome || !outcome->accepted) std::abort();
      }
      if (!run.EndDraw()) std::abort();
    }
    for (auto _ : state) {
      auto journal = ReadJournal(ws->journal);
      if (!journal) std::abort();
      draw = journal->back().draw;
      events = journal->size();
      auto verdict = VerifyDraw(*ws, *journal, draw);
      if (!verdict) state.SkipWithError(verdict.error().c_str());
    }
  }
  state.counters["events"] = static_cast<double>(events);
  fs::remove_all(folder);
}
BENCHMARK(BM_VerifyDraw)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

// The command over its own copy of the folder, its output thrown away.
void BM_CliSorteia(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const fs::path folder = CopyOfHall("cli");
  std::vector<int> balls(kBallCount);
  std::iota(balls.begin(), balls.end(), 1);
  std::shuffle(balls.begin(), balls.end(), std::mt19937(3));
  std::string list;
  for (int i = 0; i < count; ++i) list += (i ? "," : "") + std::to_string(balls[i]);
  const std::string command = "cd '" + folder.string() + "' && '" + testing::CliPath() +
                              "' sorteia --cartelas 25 --padroes LINHA,COLUNA,TE,JANELAO,CRUZ,XIS,JANELINHA,BIN,U,"
                              "PORTA,ELE,CANTOS --bolas " +
                              list + " >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("tavelao-cli sorteia failed");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_CliSorteia)
    ->Arg(1)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
