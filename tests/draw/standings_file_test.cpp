// "sorteadas.cds" kept pass after pass by writing only what changed: after
// every ball it holds exactly the standings a full evaluation gives, in the
// same file, and a new draw starts from a table that holds the last one's.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <thread>

#include "draw/draw_evaluation.h"
#include "draw/draw_pass.h"
#include "draw_fixture.h"

namespace tavelao::draw {
namespace {

using testing::DrawFixture;
using Rows = std::vector<std::pair<std::string, int>>;

ino_t FileId(const std::filesystem::path& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_ino;
}

// What a full evaluation says the table must hold, by card.
Rows Expected(DrawFixture& f) {
  Rows rows;
  const auto request = PlanPass(f.state().choice, f.state().drawn_count);
  if (!request) return rows;
  const CardFindings findings = EvaluateCards(f.run().cards().rows(), f.state().drawn, *request);
  for (const StandingsEntry& s : findings.standings) {
    rows.emplace_back(std::string(f.run().cards().entry(s.card).CardText()), s.missing);
  }
  return rows;
}

Rows ByCard(Rows rows) {
  std::sort(rows.begin(), rows.end());
  return rows;
}

TEST(StandingsFile, HoldsWhatAFullEvaluationGivesThroughMarksAndUnmarksInTheSameFile) {
  DrawFixture f;
  std::mt19937 rng(11);
  for (int n = 1; n <= 300; ++n) f.AddCard(10'000 + n, testing::RandomCard(rng));
  f.Start(CardSize::Fifteen);
  std::vector<int> balls(kBallCount);
  for (int i = 0; i < kBallCount; ++i) balls[i] = i + 1;
  std::shuffle(balls.begin(), balls.end(), rng);

  const auto file = f.ws().folder / "sorteadas.cds";
  std::optional<ino_t> first_file;
  Rows last;
  for (int i = 0; i < 60; ++i) {
    f.Click(balls[i]);
    if (i % 7 == 6) f.Click(balls[i - 3]);  // unmark one of the last balls
    if (i % 7 == 6) f.Click(balls[i - 3]);  // and mark it again
    if (i % 11 == 10) f.Click(balls[i]);    // unmark, left out
    const Rows expected = Expected(f);
    if (!expected.empty()) {
      ASSERT_EQ(ByCard(f.Standings()), ByCard(expected)) << "after ball " << i + 1;
      if (!first_file) first_file = FileId(file);
      EXPECT_EQ(FileId(file), *first_file) << "the file is kept, not made again";
      last = expected;
    }
  }
  ASSERT_FALSE(last.empty()) << "the draw must reach the standings for this test";

  // A new draw started over the table as the last one left it: its first
  // pass replaces the old rows, though a card validated since moved every
  // card one place on.
  // Five numbers, so that its very first pass has standings.
  f.AddCard(5'000, testing::RandomCard(rng));
  f.Start(CardSize::Five);
  for (int i = 0; i < 12; ++i) f.Click(balls[99 - i]);
  const Rows expected = Expected(f);
  ASSERT_GT(expected.size(), 5u) << "enough standings for the test to mean something";
  EXPECT_EQ(ByCard(f.Standings()), ByCard(expected));
}

// Positions in a new card list name other cards: after Forget the next write
// must not take the old rows for its own.
TEST(StandingsFile, AfterANewCardListTheOldRowsAreNotTakenForTheNewOnes) {
  DrawFixture f;
  const auto list = [](std::initializer_list<int> numbers) {
    auto cards = std::make_shared<DrawCards>();
    int offset = 0;
    for (int n : numbers)
      EXPECT_TRUE(cards->Add(DrawCardEntry::Make(testing::RecordOf(testing::Ladder(offset++ % 4 * 5)), n, {}, {})));
    return std::shared_ptr<const DrawCards>(std::move(cards));
  };
  StandingsFile file(f.ws().standings, f.ws().folder);
  ASSERT_TRUE(file.Empty());
  const auto first = list({7, 8});
  ASSERT_TRUE(file.Write(first, {{0, 3}, {1, 2}}));
  ASSERT_TRUE(file.Write(first, {{1, 1}}));  // card 7 left, card 8 changed
  ASSERT_TRUE(file.Flush());
  EXPECT_EQ(f.Standings(), (Rows{{"000008", 1}}));

  const auto second = list({5, 9});  // position 1 is card 9 now
  file.Forget();
  ASSERT_TRUE(file.Write(second, {{0, 1}, {1, 1}}));
  ASSERT_TRUE(file.Flush());
  EXPECT_EQ(ByCard(f.Standings()), (Rows{{"000005", 1}, {"000009", 1}}));
}

// The writer runs beside the draw: passes handed over faster than it writes
// leave the table as the last of them says, and a write that failed is told
// by the next call, once, and mended by the writes after it.
TEST(StandingsFile, TheLastPassHandedOverIsWhatTheTableHoldsAndAFailureIsTold) {
  DrawFixture f;
  auto cards = std::make_shared<DrawCards>();
  for (int n = 1; n <= 40; ++n) {
    ASSERT_TRUE(cards->Add(DrawCardEntry::Make(testing::RecordOf(testing::Ladder(n % 4 * 5)), n, {}, {})));
  }
  const auto table = f.ws().folder / "sorteadas.cds";
  StandingsFile file(f.ws().standings, f.ws().folder);
  ASSERT_TRUE(file.Empty());
  {
    std::ofstream garbage(table, std::ios::trunc);
    garbage << "not a table";
  }
  ASSERT_TRUE(file.Write(cards, {{0, 1}}));
  const Status failed = file.Flush();
  ASSERT_FALSE(failed);
  EXPECT_NE(failed.error().find("sorteadas.cds"), std::string::npos) << failed.error();
  EXPECT_TRUE(file.Flush()) << "told once";

  ASSERT_TRUE(file.Empty());
  std::mt19937 rng(5);
  std::vector<StandingsEntry> last;
  for (int pass = 0; pass < 60; ++pass) {
    last.clear();
    for (std::uint32_t card = 0; card < cards->size(); ++card) {
      if (rng() % 3) last.push_back({card, static_cast<std::uint8_t>(rng() % 4)});
    }
    ASSERT_TRUE(file.Write(cards, last));
  }
  ASSERT_TRUE(file.Flush());
  Rows expected;
  for (const StandingsEntry& s : last) expected.emplace_back(std::string(cards->entry(s.card).CardText()), s.missing);
  EXPECT_EQ(ByCard(f.Standings()), ByCard(expected));
}

// A replay writes once: passes wait for Flush, and one still waiting is
// written when the file goes, or dropped with the table by Empty.
TEST(StandingsFile, WrittenOnFlushOnlyThePassesWaitAndNoneIsLost) {
  DrawFixture f;
  auto cards = std::make_shared<DrawCards>();
  for (int n = 1; n <= 3; ++n) {
    ASSERT_TRUE(cards->Add(DrawCardEntry::Make(testing::RecordOf(testing::Ladder(0)), n, {}, {})));
  }
  {
    StandingsFile file(f.ws().standings, f.ws().folder);
    ASSERT_TRUE(file.Empty());
    file.WriteOnFlushOnly();
    ASSERT_TRUE(file.Write(cards, {{0, 2}}));
    ASSERT_TRUE(file.Write(cards, {{0, 1}, {2, 3}}));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_TRUE(f.Standings().empty()) << "nothing before Flush";
    ASSERT_TRUE(file.Flush());
    EXPECT_EQ(ByCard(f.Standings()), (Rows{{"000001", 1}, {"000003", 3}}));

    ASSERT_TRUE(file.Write(cards, {{1, 4}}));
    ASSERT_TRUE(file.Empty()) << "does not wait for a Flush that never comes";
    EXPECT_TRUE(f.Standings().empty());
    ASSERT_TRUE(file.Write(cards, {{1, 5}}));
  }
  EXPECT_EQ(f.Standings(), (Rows{{"000002", 5}})) << "the last pass, written as the file went";
}

}  // namespace
}  // namespace tavelao::draw
