// The bit-set evaluation against a reference that walks the cells of each
// figure one by one, with the cell lists written out as the draw documents
// list them.

#include "draw/draw_evaluation.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "draw_fixture.h"

namespace tavelao::draw {
namespace {

using testing::Balls;
using testing::RandomCard;
using testing::RecordOf;

std::vector<int> Range(int a, int b) {
  std::vector<int> v;
  for (int k = a; k <= b; ++k) v.push_back(k);
  return v;
}
std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> v;
  for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

// Cells of each pattern instance, in table order.
std::vector<std::vector<int>> ReferenceInstances(Pattern p) {
  switch (p) {
    case Pattern::Coluna:
      return {Range(1, 5), Range(6, 10), Range(11, 15), Range(16, 20), Range(21, 25)};
    case Pattern::Linha:
      return {{1, 6, 11, 16, 21}, {2, 7, 12, 17, 22}, {3, 8, 13, 18, 23}, {4, 9, 14, 19, 24}, {5, 10, 15, 20, 25}};
    case Pattern::Te:
      return {{1, 6, 11, 16, 21, 12, 13, 14, 15}};
    case Pattern::Janelao:
      return {Join({Range(1, 5), {6, 10, 11, 15, 16, 20}, Range(21, 25)})};
    case Pattern::Cruz:
      return {Join({{3, 8}, Range(11, 15), {18, 23}})};
    case Pattern::Xis:
      return {{1, 5, 7, 9, 13, 17, 19, 21, 25}};
    case Pattern::Janelinha:
      return {{7, 8, 9, 12, 14, 17, 18, 19}};
    case Pattern::Bin:
      return {Range(1, 15)};
    case Pattern::U:
      return {Join({Range(1, 5), {10, 15, 20}, Range(21, 25)})};
    case Pattern::Porta:
      return {Range(6, 20)};
    case Pattern::Ele:
      return {Join({Range(1, 5), {10, 15, 20, 25}})};
    case Pattern::Cantos:
      return {{1, 5, 21, 25}};
  }
  return {};
}

std::vector<int> ReferenceCardCells(CardSize size) {
  switch (size) {
    case CardSize::Fifteen:
      return {1, 2, 3, 6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23};
    case CardSize::Twenty:
      return Join({Range(1, 4), Range(6, 9), Range(11, 14), Range(16, 19), Range(21, 24)});
    case CardSize::Five:
      return {1, 7, 13, 19, 25};
    case CardSize::TwentyFive:
      return Range(1, 25);
  }
  return {};
}

int Missing(const Balls& card, const std::vector<int>& cells, const std::array<bool, 101>& drawn) {
  int missing = 0;
  for (int k : cells) missing += drawn[card[k - 1]] ? 0 : 1;
  return missing;
}

CardFindings Reference(const std::vector<Balls>& cards, const std::array<bool, 101>& drawn,
                       const EvaluationRequest& request) {
  CardFindings out;
  for (std::uint32_t i = 0; i < cards.size(); ++i) {
    if (request.test_card) {
      const int m = Missing(cards[i], ReferenceCardCells(request.size), drawn);
      if (m <= 5) ++out.counters.cartela[m];
      if (m <= StandingsLimit(request.size)) out.standings.push_back({i, static_cast<std::uint8_t>(m)});
      if (m == 0) out.completions.push_back({i, kWholeCard, 0});
    }
    if (request.size != CardSize::TwentyFive) continue;
    for (Pattern p : kPatterns) {
      if (!request.patterns[Index(p)]) continue;
      const auto instances = ReferenceInstances(p);
      for (std::size_t j = 0; j < instances.size(); ++j) {
        const int m = Missing(cards[i], instances[j], drawn);
        if (m <= 2) ++out.counters.patterns[Index(p)][m];
        if (m == 0) {
          out.completions.push_back({i, static_cast<std::int8_t>(Index(p)), static_cast<std::int8_t>(j)});
          out.won[Index(p)] = true;
        }
      }
    }
  }
  return out;
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
        const CardFindings want = Reference(s.cards, flags, request);
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
