// The incremental evaluation against the full pass (EvaluateCards) and the
// per-cell reference (evaluation_reference.h), after every mark and unmark
// of random draws.

#include "draw/incremental_evaluation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "draw_fixture.h"
#include "evaluation_reference.h"

namespace tavelao::draw {
namespace {

using testing::Balls;
using testing::Ladder;
using testing::RandomCard;
using testing::RecordOf;
using testing::ReferenceFindings;

struct Sample {
  std::vector<Balls> cards;
  std::vector<CardRows> rows;
};

void AddCard(Sample& s, const Balls& balls) {
  auto rows = RowsOfNumbers(RecordOf(balls));
  ASSERT_TRUE(rows);
  s.cards.push_back(balls);
  s.rows.push_back(*rows);
}

// Random cards, with the four ladders among them: ball 100 is on Ladder(15).
Sample RandomCards(std::mt19937& rng, int n) {
  Sample s;
  for (int i = 0; i < n; ++i) AddCard(s, i % 500 < 4 ? Ladder(5 * (i % 500)) : RandomCard(rng));
  return s;
}

std::array<bool, 101> Flags(const BallSet& drawn) {
  std::array<bool, 101> flags{};
  for (int b = 1; b <= 100; ++b) flags[b] = drawn.Has(b);
  return flags;
}

PatternFlags AllPatterns() {
  PatternFlags all;
  all.fill(true);
  return all;
}

// Every card size with and without its own figure, with every pattern,
// none, and one random choice of patterns.
std::vector<EvaluationRequest> Requests(std::mt19937& rng) {
  PatternFlags some{};
  for (bool& p : some) p = rng() % 2 == 0;
  std::vector<EvaluationRequest> requests;
  for (CardSize size : kCardSizes) {
    for (bool test_card : {true, false}) {
      for (const PatternFlags& patterns : {AllPatterns(), PatternFlags{}, some}) {
        requests.push_back({size, test_card, patterns});
      }
    }
  }
  // In a new order each time, so that marks and unmarks find other figures
  // kept from the last request.
  std::shuffle(requests.begin(), requests.end(), rng);
  return requests;
}

std::string Describe(const EvaluationRequest& r) {
  std::string s = std::to_string(Numbers(r.size)) + " numbers, " + (r.test_card ? "card" : "no card") + ", patterns ";
  for (bool p : r.patterns) s += p ? '1' : '0';
  return s;
}

void ExpectSame(const CardFindings& got, const CardFindings& want) {
  EXPECT_EQ(got.counters, want.counters);
  EXPECT_EQ(got.completions, want.completions);
  EXPECT_EQ(got.standings, want.standings);
  EXPECT_EQ(got.won, want.won);
}

// Covered cells, the pass for every request, and the reference for one.
void ExpectAgrees(IncrementalEvaluation& incremental, const Sample& s, const std::vector<EvaluationRequest>& requests,
                  std::size_t checked_by_reference) {
  for (std::size_t i = 0; i < s.rows.size(); ++i) {
    ASSERT_EQ(incremental.Covered(i), CoveredCells(s.rows[i], incremental.drawn())) << "card " << i;
  }
  for (std::size_t r = 0; r < requests.size(); ++r) {
    SCOPED_TRACE(Describe(requests[r]));
    const CardFindings got = incremental.Findings(requests[r]);
    ExpectSame(got, EvaluateCards(s.rows, incremental.drawn(), requests[r]));
    if (r == checked_by_reference % requests.size()) {
      ExpectSame(got, ReferenceFindings(s.cards, Flags(incremental.drawn()), requests[r]));
    }
  }
}

TEST(IncrementalEvaluation, RandomDrawsWithUnmarksAgreeAfterEveryStep) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937 rng(seed);
    const Sample s = RandomCards(rng, 2000);
    IncrementalEvaluation incremental(s.rows);
    std::vector<int> order(100);
    std::iota(order.begin(), order.end(), 1);
    std::shuffle(order.begin(), order.end(), rng);
    std::vector<int> drawn;  // in the order they were marked
    std::size_t step = 0;
    // Until every ball, 100 with them, is drawn; a fifth of the steps take
    // back a drawn ball, which goes back to the balls still to come.
    while (drawn.size() < 100 && step < 1000) {
      if (!drawn.empty() && rng() % 5 == 0) {
        const std::size_t at = rng() % drawn.size();
        const int ball = drawn[at];
        ASSERT_TRUE(incremental.Unmark(ball));
        drawn.erase(drawn.begin() + static_cast<std::ptrdiff_t>(at));
        order.push_back(ball);
      } else {
        const int ball = order.front();
        order.erase(order.begin());
        ASSERT_TRUE(incremental.Mark(ball));
        drawn.push_back(ball);
      }
      ASSERT_EQ(incremental.drawn().Count(), static_cast<int>(drawn.size()));
      SCOPED_TRACE(::testing::Message() << "step " << step << ", " << drawn.size() << " balls");
      ExpectAgrees(incremental, s, Requests(rng), step);
      if (::testing::Test::HasFailure()) return;
      ++step;
    }
    ASSERT_EQ(drawn.size(), 100u);
    // And back to nothing drawn, ball by ball.
    std::shuffle(drawn.begin(), drawn.end(), rng);
    for (int ball : drawn) {
      ASSERT_TRUE(incremental.Unmark(ball));
      ExpectAgrees(incremental, s, Requests(rng), step++);
      if (::testing::Test::HasFailure()) return;
    }
    EXPECT_EQ(incremental.drawn(), BallSet{});
  }
}

TEST(IncrementalEvaluation, MarkingTwiceOrUnmarkingAnUndrawnBallChangesNothing) {
  std::mt19937 rng(21);
  const Sample s = RandomCards(rng, 600);
  const EvaluationRequest all{CardSize::TwentyFive, true, AllPatterns()};
  IncrementalEvaluation incremental(s.rows);
  const CardFindings empty = incremental.Findings(all);

  EXPECT_FALSE(incremental.Unmark(100));  // not drawn
  EXPECT_FALSE(incremental.Mark(0));      // not balls
  EXPECT_FALSE(incremental.Mark(101));
  EXPECT_FALSE(incremental.Mark(-3));
  EXPECT_FALSE(incremental.Unmark(0));
  EXPECT_FALSE(incremental.Unmark(101));
  ExpectSame(incremental.Findings(all), empty);
  EXPECT_EQ(incremental.drawn(), BallSet{});

  for (int ball : {100, 1, 20, 21, 40, 41, 60, 61, 80, 81, 7, 55, 93}) {
    ASSERT_TRUE(incremental.Mark(ball));
    EXPECT_FALSE(incremental.Mark(ball)) << ball;
  }
  for (int ball : {2, 3, 99}) EXPECT_FALSE(incremental.Unmark(ball));
  ExpectAgrees(incremental, s, Requests(rng), 0);

  // One unmark takes a ball marked twice out: there is no count of marks.
  EXPECT_TRUE(incremental.Unmark(100));
  EXPECT_FALSE(incremental.Unmark(100));
  EXPECT_FALSE(incremental.drawn().Has(100));
  ExpectAgrees(incremental, s, Requests(rng), 1);

  // Mark and unmark are exact inverses: everything out again is the start.
  for (int ball : {1, 20, 21, 40, 41, 60, 61, 80, 81, 7, 55, 93}) ASSERT_TRUE(incremental.Unmark(ball));
  ExpectSame(incremental.Findings(all), empty);
  for (std::size_t i = 0; i < s.rows.size(); ++i) ASSERT_EQ(incremental.Covered(i), 0u);
}

// The request is not part of the state: the card size and the patterns can
// change between two balls and the marks stay.
TEST(IncrementalEvaluation, TheRequestChangesMidDrawAndTheMarksStay) {
  std::mt19937 rng(33);
  const Sample s = RandomCards(rng, 3000);
  IncrementalEvaluation incremental(s.rows);
  std::vector<int> order(100);
  std::iota(order.begin(), order.end(), 1);
  std::shuffle(order.begin(), order.end(), rng);
  // Ball 100 late, so that it completes figures of Ladder(15).
  std::erase(order, 100);
  order.insert(order.begin() + 80, 100);

  PatternFlags linha{};
  linha[Index(Pattern::Linha)] = true;
  PatternFlags corners_and_cross{};
  corners_and_cross[Index(Pattern::Cantos)] = true;
  corners_and_cross[Index(Pattern::Cruz)] = true;
  const std::vector<EvaluationRequest> phases = {
      {CardSize::TwentyFive, true, AllPatterns()},    {CardSize::Fifteen, true, {}},
      {CardSize::TwentyFive, false, linha},           {CardSize::Five, true, {}},
      {CardSize::Twenty, true, AllPatterns()},  // patterns are for 25 numbers only
      {CardSize::TwentyFive, true, corners_and_cross}};
  for (std::size_t i = 0; i < order.size(); ++i) {
    ASSERT_TRUE(incremental.Mark(order[i]));
    const EvaluationRequest& request = phases[i / 17 % phases.size()];
    SCOPED_TRACE(::testing::Message() << (i + 1) << " balls, " << Describe(request));
    ExpectSame(incremental.Findings(request), EvaluateCards(s.rows, incremental.drawn(), request));
    ExpectSame(incremental.Findings(request), ReferenceFindings(s.cards, Flags(incremental.drawn()), request));
    if (::testing::Test::HasFailure()) return;
  }
  // Every ball drawn: every card complete, every figure won.
  const CardFindings full = incremental.Findings({CardSize::TwentyFive, true, AllPatterns()});
  EXPECT_EQ(full.counters.cartela[0], 3000);
  EXPECT_EQ(full.completions.size(), 3000u * 21);
  EXPECT_EQ(full.standings.size(), 3000u);
  for (bool won : full.won) EXPECT_TRUE(won);
  // Taking 100 back undoes the last column of Ladder(15) and its O row.
  ASSERT_TRUE(incremental.Unmark(100));
  const EvaluationRequest all{CardSize::TwentyFive, true, AllPatterns()};
  ExpectSame(incremental.Findings(all), EvaluateCards(s.rows, incremental.drawn(), all));
  EXPECT_EQ(incremental.Covered(3), kAllCells & ~(CellMask{1} << 24));
}

TEST(IncrementalEvaluation, FindingsIntoUsedListsAreTheSame) {
  std::mt19937 rng(57);
  const Sample s = RandomCards(rng, 1500);
  IncrementalEvaluation incremental(s.rows);
  PatternFlags some{};
  some[Index(Pattern::Cantos)] = some[Index(Pattern::Coluna)] = true;
  const std::vector<EvaluationRequest> requests = {{CardSize::TwentyFive, true, AllPatterns()},
                                                   {CardSize::TwentyFive, false, some},
                                                   {CardSize::Fifteen, true, {}},
                                                   {CardSize::Five, true, {}}};
  CardFindings reused;  // kept across balls and requests, longer or shorter than needed
  reused.completions.assign(5, Completion{7, 3, 1});
  reused.standings.assign(100'000, StandingsEntry{9, 9});
  reused.won.fill(true);
  reused.counters.cartela.fill(-1);
  std::vector<int> order(100);
  std::iota(order.begin(), order.end(), 1);
  std::shuffle(order.begin(), order.end(), rng);
  for (std::size_t i = 0; i < order.size(); ++i) {
    ASSERT_TRUE(incremental.Mark(order[i]));
    for (const EvaluationRequest& request : requests) {
      SCOPED_TRACE(::testing::Message() << (i + 1) << " balls, " << Describe(request));
      incremental.Findings(request, reused);
      ExpectSame(reused, EvaluateCards(s.rows, incremental.drawn(), request));
    }
    if (i % 7 == 6) {
      ASSERT_TRUE(incremental.Unmark(order[i - 3]));
      incremental.Findings(requests[0], reused);
      ExpectSame(reused, EvaluateCards(s.rows, incremental.drawn(), requests[0]));
      ASSERT_TRUE(incremental.Mark(order[i - 3]));
    }
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(IncrementalEvaluation, NoCardsFindNothing) {
  IncrementalEvaluation incremental({});
  EXPECT_TRUE(incremental.Mark(5));
  const CardFindings f = incremental.Findings({CardSize::TwentyFive, true, AllPatterns()});
  EXPECT_EQ(f.counters, NearWinCounters{});
  EXPECT_TRUE(f.completions.empty());
  EXPECT_TRUE(f.standings.empty());
  EXPECT_EQ(f.won, PatternFlags{});
}

// Rows that RowsOfNumbers never makes (two balls in one column field, an
// empty field) still agree with the pass.
TEST(IncrementalEvaluation, IrregularRowsAgreeWithThePass) {
  std::mt19937 rng(45);
  Sample s = RandomCards(rng, 200);
  CardRows crowded = s.rows[10];
  crowded.rows[2].Add(crowded.rows[2].Has(47) ? 48 : 47);  // a second ball in cell 13's field
  crowded.rows[0].Add(100);
  CardRows sparse = s.rows[20];
  sparse.rows[4].low &= ~BallSet::Column(1).low;  // cell 5 holds no ball
  std::vector<CardRows> rows = s.rows;
  rows.insert(rows.begin() + 50, crowded);
  rows.push_back(sparse);
  IncrementalEvaluation incremental(rows);
  const EvaluationRequest all{CardSize::TwentyFive, true, AllPatterns()};
  std::vector<int> order(100);
  std::iota(order.begin(), order.end(), 1);
  std::shuffle(order.begin(), order.end(), rng);
  for (std::size_t i = 0; i < order.size(); ++i) {
    ASSERT_TRUE(incremental.Mark(order[i]));
    if (i % 3 == 2) {
      ASSERT_TRUE(incremental.Unmark(order[i - 1]));
    }
    if (i % 3 == 0 && i > 0) {
      ASSERT_TRUE(incremental.Mark(order[i - 2]));
    }
    for (std::size_t c = 0; c < rows.size(); ++c) {
      ASSERT_EQ(incremental.Covered(c), CoveredCells(rows[c], incremental.drawn())) << "card " << c;
    }
    for (CardSize size : kCardSizes) {
      const EvaluationRequest request{size, true, all.patterns};
      ExpectSame(incremental.Findings(request), EvaluateCards(rows, incremental.drawn(), request));
    }
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace tavelao::draw
