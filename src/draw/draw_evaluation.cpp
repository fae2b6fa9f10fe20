#include "draw/draw_evaluation.h"

#include <algorithm>
#include <bit>

#include "draw/popcount_builds.h"

namespace tavelao::draw {
namespace {

#if defined(__GNUC__)
inline int Ones(CellMask m) { return __builtin_popcount(m); }
#else
inline int Ones(CellMask m) { return std::popcount(m); }
#endif

struct Plan {
  bool test_card = false;
  CellMask card_cells = 0;
  int card_size = 0;
  int standings_limit = 0;
  int count = 0;  // figure instances to test
  std::array<CellMask, 20> masks{};
  std::array<std::int8_t, 20> pattern{};
  std::array<std::int8_t, 20> instance{};
};

struct Tally {
  std::array<int, 7> card{};                       // missing 0..5, and more
  std::array<std::array<int, 4>, 20> instances{};  // missing 0..2, and more
};

Plan MakePlan(const EvaluationRequest& request) {
  Plan plan;
  plan.test_card = request.test_card;
  plan.card_cells = CardCells(request.size);
  plan.card_size = Numbers(request.size);
  plan.standings_limit = StandingsLimit(request.size);
  if (request.size != CardSize::TwentyFive) return plan;
  for (Pattern p : kPatterns) {
    if (!request.patterns[Index(p)]) continue;
    const PatternInfo& info = Info(p);
    for (int i = 0; i < info.instance_count; ++i) {
      plan.masks[plan.count] = info.instances[i];
      plan.pattern[plan.count] = static_cast<std::int8_t>(Index(p));
      plan.instance[plan.count] = static_cast<std::int8_t>(i);
      ++plan.count;
    }
  }
  return plan;
}

TAVELAO_WITH_POPCNT
void Scan(const CardRows* cards, std::size_t n, BallSet drawn, const Plan& plan, Tally& tally, CardFindings& out) {
  for (std::size_t i = 0; i < n; ++i) {
    const CellMask covered = CoveredCells(cards[i], drawn);
    const auto card = static_cast<std::uint32_t>(i);
    if (plan.test_card) {
      const int missing = plan.card_size - Ones(covered & plan.card_cells);
      ++tally.card[std::min(missing, 6)];
      if (missing <= plan.standings_limit) out.standings.push_back({card, static_cast<std::uint8_t>(missing)});
      if (missing == 0) out.completions.push_back({card, kWholeCard, 0});
    }
    for (int j = 0; j < plan.count; ++j) {
      const int missing = Ones(plan.masks[j] & ~covered);
      ++tally.instances[j][std::min(missing, 3)];
      if (missing == 0) out.completions.push_back({card, plan.pattern[j], plan.instance[j]});
    }
  }
}

}  // namespace

CardFindings EvaluateCards(const std::vector<CardRows>& cards, const BallSet& drawn, const EvaluationRequest& request) {
  const Plan plan = MakePlan(request);
  Tally tally;
  CardFindings findings;
  Scan(cards.data(), cards.size(), drawn, plan, tally, findings);
  for (int m = 0; m < 6; ++m) findings.counters.cartela[m] = tally.card[m];
  for (int j = 0; j < plan.count; ++j) {
    auto& counter = findings.counters.patterns[plan.pattern[j]];
    for (int m = 0; m < 3; ++m) counter[m] += tally.instances[j][m];
  }
  for (Pattern p : kPatterns) findings.won[Index(p)] = findings.counters.patterns[Index(p)][0] > 0;
  return findings;
}

}  // namespace tavelao::draw
