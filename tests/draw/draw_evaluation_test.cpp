// The bit-set evaluation against a reference that walks the cells of each
// figure one by one (evaluation_reference.h).

#include "draw/draw_evaluation.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "draw_fixture.h"
#include "evaluation_reference.h"

namespace tavelao::draw {
namespace {

using testing::Balls;
using testing::RandomCard;
using testing::RecordOf;
using testing::ReferenceFindings;

std::vector<int> Range(int a, int b) {
  std::vector<int> v;
  for (int k = a; k <= b; ++k) v.push_back(k);
  return v;
}

struct Sample {
  std::vector<Balls> cards;
  std::vector<CardRows> rows;
};

Sample RandomCards(std::mt19937& rng, int n) {
  Sample s;
  for (int i = 0; i < n; ++i) {
    s.cards.push_back(RandomCard(rng));
    auto rows = RowsOfNumbers(RecordOf(s.cards.back()));
    EXPECT_TRUE(rows);
    s.rows.push_back(*rows);
  }
  return s;
}

// A drawn set of `count` balls, always including the edges of the column
// fields when asked (1, 20, 21, ..., 100), where carries go wrong first.
std::pair<BallSet, std::array<bool, 101>> RandomDraw(std::mt19937& rng, int count, bool edges) {
  std::vector<int> balls = Range(1, 100);
  std::shuffle(balls.begin(), balls.end(), rng);
  BallSet set;
  std::array<bool, 101> flags{};
  auto add = [&](int b) {
    set.Add(b);
    flags[b] = true;
  };
  for (int i = 0; i < count; ++i) add(balls[i]);
  if (edges) {
    for (int b : {1, 20, 21, 40, 41, 60, 61, 80, 81, 100}) add(b);
  }
  return {set, flags};
}

TEST(CoveredCells, AgreesWithTheCellsOneByOne) {
  std::mt19937 rng(7);
  const Sample s = RandomCards(rng, 300);
  for (int count : {0, 1, 10, 30, 60, 90, 100}) {
    for (bool edges : {false, true}) {
      const auto [set, flags] = RandomDraw(rng, count, edges);
      for (std::size_t i = 0; i < s.cards.size(); ++i) {
        CellMask expected = 0;
        for (int k = 1; k <= 25; ++k) {
          if (flags[s.cards[i][k - 1]]) expected |= CellMask{1} << (k - 1);
        }
        ASSERT_EQ(CoveredCells(s.rows[i], set), expected) << "card " << i << ", " << count << " balls";
      }
    }
  }
}

TEST(EvaluateCards, EveryCardSizeAndPatternAgreesWithTheReference) {
  std::mt19937 rng(11);
  const Sample s = RandomCards(rng, 400);
  PatternFlags all;
  all.fill(true);
  for (int count : {4, 14, 24, 40, 60, 75, 90}) {
    const auto [set, flags] = RandomDraw(rng, count, false);
    for (CardSize size : kCardSizes) {
      for (bool test_card : {true, false}) {
        const EvaluationRequest request{size, test_card, all};
        const CardFindings got = EvaluateCards(s.rows, set, request);
        const CardFindings want = ReferenceFindings(s.cards, flags, request);
        SCOPED_TRACE(::testing::Message() << Numbers(size) << " numbers, " << count << " balls");
        EXPECT_EQ(got.counters, want.counters);
        EXPECT_EQ(got.completions, want.completions);
        EXPECT_EQ(got.standings, want.standings);
        EXPECT_EQ(got.won, want.won);
      }
    }
  }
}

TEST(EvaluateCards, OnlyTickedPatternsAreTestedAndOnlyFor25Numbers) {
  std::mt19937 rng(5);
  const Sample s = RandomCards(rng, 50);
  const auto [set, flags] = RandomDraw(rng, 100, false);  // everything complete
  PatternFlags cruz{};
  cruz[Index(Pattern::Cruz)] = true;
  const CardFindings f25 = EvaluateCards(s.rows, set, {CardSize::TwentyFive, false, cruz});
  EXPECT_EQ(f25.completions.size(), 50u);
  EXPECT_EQ(f25.counters.patterns[Index(Pattern::Cruz)][0], 50);
  EXPECT_EQ(f25.counters.patterns[Index(Pattern::Linha)][0], 0);
  const CardFindings f15 = EvaluateCards(s.rows, set, {CardSize::Fifteen, true, cruz});
  EXPECT_EQ(f15.counters.patterns[Index(Pattern::Cruz)][0], 0);
  EXPECT_EQ(f15.counters.cartela[0], 50);
}

}  // namespace
}  // namespace tavelao::draw
