#include "draw/incremental_evaluation.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstring>

#include "draw/popcount_builds.h"

namespace tavelao::draw {
namespace {

// What the two builds share is inlined into each, so that the popcnt build
// counts with the instruction.
#if defined(__GNUC__)
#define TAVELAO_INLINE [[gnu::always_inline]] inline
#else
#define TAVELAO_INLINE inline
#endif

#if defined(__GNUC__)
TAVELAO_INLINE int Ones(CellMask m) { return __builtin_popcount(m); }
TAVELAO_INLINE int LowestBit(std::uint32_t m) { return __builtin_ctz(m); }
#else
TAVELAO_INLINE int Ones(CellMask m) { return std::popcount(m); }
TAVELAO_INLINE int LowestBit(std::uint32_t m) { return std::countr_zero(m); }
#endif

using incremental::kFigures;
using incremental::kInstanceFigures;
constexpr int kCells = 25;
constexpr int kRuns = 5 * kBallCount;

// Where the cards holding a ball in a cell are listed.
constexpr int Run(int ball, int cell) { return 5 * (ball - 1) + cell % 5; }

int CardFigure(CardSize size) {
  const auto it = std::find(kCardSizes.begin(), kCardSizes.end(), size);
  return kInstanceFigures + static_cast<int>(it - kCardSizes.begin());
}

// The cells of every figure, and for every cell the figures that need it.
struct FigureTable {
  std::array<CellMask, kFigures> mask{};
  std::array<std::int8_t, kInstanceFigures> pattern{};
  std::array<std::int8_t, kInstanceFigures> instance{};
  std::array<std::uint32_t, kPatternCount> of_pattern{};  // the pattern's figures as bits
  struct Cell {
    int count = 0;
    std::array<std::uint8_t, kFigures> figures{};
    std::uint32_t bits = 0;  // the same figures as bits
  };
  std::array<Cell, kCells> cells{};
};

const FigureTable& Figures() {
  static const FigureTable table = [] {
    FigureTable t;
    int f = 0;
    for (Pattern p : kPatterns) {
      const PatternInfo& info = Info(p);
      for (int i = 0; i < info.instance_count; ++i, ++f) {
        t.mask[f] = info.instances[i];
        t.pattern[f] = static_cast<std::int8_t>(Index(p));
        t.instance[f] = static_cast<std::int8_t>(i);
        t.of_pattern[Index(p)] |= std::uint32_t{1} << f;
      }
    }
    assert(f == kInstanceFigures);
    for (CardSize size : kCardSizes) t.mask[CardFigure(size)] = CardCells(size);
    for (int k = 0; k < kCells; ++k) {
      FigureTable::Cell& cell = t.cells[k];
      for (int g = 0; g < kFigures; ++g) {
        if ((t.mask[g] >> k & 1) == 0) continue;
        cell.figures[cell.count++] = static_cast<std::uint8_t>(g);
        cell.bits |= std::uint32_t{1} << g;
      }
    }
    return t;
  }();
  return table;
}

// Whether every column field of every row holds at most one ball, as
// CoveredCells needs to fold a field onto one cell.
bool Regular(const CardRows& card) {
  constexpr std::uint64_t kField = (std::uint64_t{1} << kBallsPerColumn) - 1;
  for (const BallSet& row : card.rows) {
    for (int g = 0; g < 3; ++g) {
      if (std::popcount(row.low >> (kBallsPerColumn * g) & kField) > 1) return false;
    }
    for (int g = 0; g < 2; ++g) {
      if (std::popcount(row.high >> (kBallsPerColumn * g) & kField) > 1) return false;
    }
  }
  return true;
}

// The balls of a regular card with their cells: the ball in row r of
// column c lies in cell 5c + r (c, r from 0).
template <typename Visit>
void ForEachCell(const CardRows& card, Visit visit) {
  for (int r = 0; r < 5; ++r) {
    for (int w = 0; w < 2; ++w) {
      for (std::uint64_t bits = w == 0 ? card.rows[r].low : card.rows[r].high; bits != 0; bits &= bits - 1) {
        const int at = std::countr_zero(bits);
        const int column = 3 * w + at / kBallsPerColumn;
        if (w == 0 ? at >= 60 : at >= 40) break;  // past the last field of the word
        visit(kBallsPerColumn * column + at % kBallsPerColumn + 1, 5 * column + r);
      }
    }
  }
}

// The figures of the request, as bits.
std::uint32_t FiguresOf(const EvaluationRequest& request) {
  const FigureTable& t = Figures();
  std::uint32_t figures = request.test_card ? std::uint32_t{1} << CardFigure(request.size) : 0;
  if (request.size == CardSize::TwentyFive) {
    for (Pattern p : kPatterns) {
      if (request.patterns[Index(p)]) figures |= t.of_pattern[Index(p)];
    }
  }
  return figures;
}

using Histogram = incremental::MissingHistogram;
using incremental::CellFigures;

// The cards of one run, all holding the ball in cell k: the kept figures
// that need the cell are the same for the whole run, so the loop over them
// has the same length for every card. `Marking` covers the cell, otherwise
// it is uncovered. The cards are counted by each figure's missing cells
// before the change, and the histogram moved once at the end of the run.
template <bool Marking>
TAVELAO_INLINE void ChangeRun(const std::uint32_t* card, const std::uint32_t* end, int k, const CellFigures& cell,
                              incremental::CardState* cards, Histogram& missing) {
  const int count = cell.count;
  // Two tallies, one for every other card, so that two cards in a row
  // missing as many cells do not wait on the same count.
  std::array<std::array<std::array<std::int32_t, kCells + 1>, kFigures>, 2> before{};
  const CellMask bit = CellMask{1} << k;
  auto change = [&](std::uint32_t c, std::array<std::array<std::int32_t, kCells + 1>, kFigures>& tally) {
    incremental::CardState& s = cards[c];
    const CellMask covered = s.covered;
    std::uint32_t done = 0;
    for (int i = 0; i < count; ++i) {
      const int was = Ones(cell.masks[i] & ~covered);
      ++tally[i][was];
      if constexpr (Marking) done |= static_cast<std::uint32_t>(was == 1) << cell.figures[i];
    }
    if constexpr (Marking) {
      s.covered = covered | bit;
      s.complete |= done;
    } else {
      s.covered = covered & ~bit;
      s.complete &= ~cell.bits;
    }
  };
  for (; end - card >= 2; card += 2) {
    change(card[0], before[0]);
    change(card[1], before[1]);
  }
  if (card != end) change(*card, before[0]);
  for (int i = 0; i < count; ++i) {
    auto& histogram = missing[cell.figures[i]];
    // Marking, a figure that needs the cell missed at least that one.
    for (int was = Marking ? 1 : 0; was < (Marking ? kCells + 1 : kCells); ++was) {
      const std::int32_t n = before[0][i][was] + before[1][i][was];
      histogram[was] -= n;
      histogram[Marking ? was - 1 : was + 1] += n;
    }
  }
}

TAVELAO_WITH_POPCNT
void MarkRun(const std::uint32_t* card, const std::uint32_t* end, int k, const CellFigures& cell,
             incremental::CardState* cards, Histogram& missing) {
  ChangeRun<true>(card, end, k, cell, cards, missing);
}

TAVELAO_WITH_POPCNT
void UnmarkRun(const std::uint32_t* card, const std::uint32_t* end, int k, const CellFigures& cell,
               incremental::CardState* cards, Histogram& missing) {
  ChangeRun<false>(card, end, k, cell, cards, missing);
}

// Starts keeping the figures: their histograms and completion bits from the
// covered cells of every card.
TAVELAO_WITH_POPCNT
void CountFigures(std::uint32_t figures, incremental::CardState* cards, std::size_t n, Histogram& missing) {
  const FigureTable& t = Figures();
  for (std::uint32_t w = figures; w != 0; w &= w - 1) {
    const int f = LowestBit(w);
    const CellMask mask = t.mask[f];
    const std::uint32_t bit = std::uint32_t{1} << f;
    std::array<std::array<std::int32_t, kCells + 1>, 4> counts{};  // four tallies, to keep the additions apart
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
      for (std::size_t j = 0; j < 4; ++j) {
        incremental::CardState& s = cards[i + j];
        const int m = Ones(mask & ~s.covered);
        ++counts[j][m];
        s.complete = m == 0 ? s.complete | bit : s.complete & ~bit;
      }
    }
    for (; i < n; ++i) {
      incremental::CardState& s = cards[i];
      const int m = Ones(mask & ~s.covered);
      ++counts[0][m];
      s.complete = m == 0 ? s.complete | bit : s.complete & ~bit;
    }
    for (int m = 0; m <= kCells; ++m) missing[f][m] = counts[0][m] + counts[1][m] + counts[2][m] + counts[3][m];
  }
}

struct GatherPlan {
  CellMask card_cells = 0;
  int card_size = 0;
  int standings_limit = 0;
  std::uint32_t instances = 0;  // the instance figures asked for
};

// What the gathering may write past the last entry of each list: a card
// that starts at the end writes at most its whole-card completion and three
// blocks of eight instances.
constexpr std::size_t kCompletionSlack = 32;
constexpr std::size_t kStandingSlack = 1;

// Completions and standings entries as one 8-byte word each, written with
// one store: the card in the low half, the figure or the missing count
// above it.
constexpr bool kWordLayout = std::endian::native == std::endian::little && sizeof(Completion) == 8 &&
                             offsetof(Completion, pattern) == 4 && offsetof(Completion, instance) == 5 &&
                             sizeof(StandingsEntry) == 8 && offsetof(StandingsEntry, missing) == 4;

constexpr std::uint64_t FigureWord(std::int8_t pattern, std::int8_t instance) {
  return std::uint64_t{static_cast<std::uint8_t>(pattern)} << 32 | std::uint64_t{static_cast<std::uint8_t>(instance)}
                                                                       << 40;
}

TAVELAO_INLINE void Put(Completion* at, std::uint32_t card, std::uint64_t figure) {
  if constexpr (kWordLayout) {
    const std::uint64_t word = figure | card;
    std::memcpy(static_cast<void*>(at), &word, sizeof word);
  } else {
    *at = {card, static_cast<std::int8_t>(figure >> 32), static_cast<std::int8_t>(figure >> 40)};
  }
}

TAVELAO_INLINE void Put(StandingsEntry* at, std::uint32_t card, int missing) {
  if constexpr (kWordLayout) {
    const std::uint64_t word = std::uint64_t{static_cast<std::uint8_t>(missing)} << 32 | card;
    std::memcpy(static_cast<void*>(at), &word, sizeof word);
  } else {
    *at = {card, static_cast<std::uint8_t>(missing)};
  }
}

// Every card in list order: its standings entry and whole-card completion
// when `TestCard`, then its completed instances when `Instances`. Entries
// are written whether they count or not and the list moves on only past the
// ones that do, so that no card waits on a guessed branch; instances go
// eight at a time.
template <bool TestCard, bool Instances>
TAVELAO_INLINE void GatherCards(const incremental::CardState* cards, std::size_t n, const GatherPlan& plan,
                                Completion* completion, const Completion* completions_end, StandingsEntry* standing,
                                const StandingsEntry* standings_end) {
  const FigureTable& t = Figures();
  std::array<std::uint64_t, 32> words{};  // by figure
  for (int f = 0; f < kInstanceFigures; ++f) words[f] = FigureWord(t.pattern[f], t.instance[f]);
  const std::uint64_t whole_card = FigureWord(kWholeCard, 0);
  const CellMask card_cells = plan.card_cells;
  const int card_size = plan.card_size;
  const int limit = plan.standings_limit;
  const std::uint32_t instances = plan.instances;
  for (std::size_t i = 0; i < n; ++i) {
    // The counts say where the lists end; should the cards ever say more,
    // nothing is written past the room left for the last card.
    if (completion > completions_end || standing > standings_end) break;
    const auto card = static_cast<std::uint32_t>(i);
    if constexpr (TestCard) {
      const int missing = card_size - Ones(cards[i].covered & card_cells);
      Put(standing, card, missing);
      standing += missing <= limit;
      Put(completion, card, whole_card);
      completion += missing == 0;
    }
    if constexpr (Instances) {
      std::uint32_t w = cards[i].complete & instances;
      if (w == 0) continue;
      int left = Ones(w);
      do {
        // Bit 31 stands for no figure once the instances are used up.
#if defined(__GNUC__)
#pragma GCC unroll 8
#endif
        for (int j = 0; j < 8; ++j) {
          Put(completion + j, card, words[LowestBit(w | std::uint32_t{1} << 31)]);
          w &= w - 1;
        }
        completion += std::min(left, 8);
        left -= 8;
      } while (left > 0);
    }
  }
}

TAVELAO_WITH_POPCNT
void Gather(const incremental::CardState* cards, std::size_t n, const GatherPlan& plan, bool test_card,
            Completion* completion, std::size_t completions, StandingsEntry* standing, std::size_t standings) {
  Completion* const completions_end = completion + completions;
  StandingsEntry* const standings_end = standing + standings;
  if (test_card && plan.instances != 0) {
    GatherCards<true, true>(cards, n, plan, completion, completions_end, standing, standings_end);
  } else if (test_card) {
    GatherCards<true, false>(cards, n, plan, completion, completions_end, standing, standings_end);
  } else if (plan.instances != 0) {
    GatherCards<false, true>(cards, n, plan, completion, completions_end, standing, standings_end);
  }
}

}  // namespace

IncrementalEvaluation::IncrementalEvaluation(const std::vector<CardRows>& cards) : cards_(cards.size()) {
  // Run (ball - 1) * 5 + row: the cards holding the ball in that row.
  std::vector<bool> regular(cards.size());
  std::array<std::uint32_t, kRuns> counts{};
  for (std::size_t i = 0; i < cards.size(); ++i) {
    regular[i] = Regular(cards[i]);
    if (regular[i]) {
      ForEachCell(cards[i], [&](int ball, int cell) { ++counts[Run(ball, cell)]; });
    } else {
      irregular_.push_back({static_cast<std::uint32_t>(i), cards[i]});
    }
  }
  for (int r = 0; r < kRuns; ++r) starts_[r + 1] = starts_[r] + counts[r];
  entries_.resize(starts_[kRuns]);
  std::array<std::uint32_t, kRuns + 1> next = starts_;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (!regular[i]) continue;
    ForEachCell(cards[i],
                [&](int ball, int cell) { entries_[next[Run(ball, cell)]++] = static_cast<std::uint32_t>(i); });
  }
  Keep(0);
}

void IncrementalEvaluation::Keep(std::uint32_t figures) {
  if (figures == kept_) return;
  const FigureTable& t = Figures();
  CountFigures(figures & ~kept_, cards_.data(), cards_.size(), missing_);
  for (std::uint32_t w = kept_ & ~figures; w != 0; w &= w - 1) missing_[LowestBit(w)] = {};
  kept_ = figures;
  for (int k = 0; k < kCells; ++k) {
    incremental::CellFigures& cell = by_cell_[k];
    cell = {};
    for (int i = 0; i < t.cells[k].count; ++i) {
      const int f = t.cells[k].figures[i];
      if ((figures >> f & 1) == 0) continue;
      cell.masks[cell.count] = t.mask[f];
      cell.figures[cell.count] = static_cast<std::uint8_t>(f);
      cell.bits |= std::uint32_t{1} << f;
      ++cell.count;
    }
  }
}

bool IncrementalEvaluation::Mark(int ball) {
  if (!IsBall(ball) || drawn_.Has(ball)) return false;
  drawn_.Add(ball);
  for (int row = 0; row < 5; ++row) {
    const int cell = 5 * (BallColumn(ball) - 1) + row;
    const int run = Run(ball, cell);
    MarkRun(entries_.data() + starts_[run], entries_.data() + starts_[run + 1], cell, by_cell_[cell], cards_.data(),
            missing_);
  }
  for (const IrregularCard& card : irregular_) Recompute(card);
  return true;
}

bool IncrementalEvaluation::Unmark(int ball) {
  if (!IsBall(ball) || !drawn_.Has(ball)) return false;
  drawn_.Remove(ball);
  for (int row = 0; row < 5; ++row) {
    const int cell = 5 * (BallColumn(ball) - 1) + row;
    const int run = Run(ball, cell);
    UnmarkRun(entries_.data() + starts_[run], entries_.data() + starts_[run + 1], cell, by_cell_[cell], cards_.data(),
              missing_);
  }
  for (const IrregularCard& card : irregular_) Recompute(card);
  return true;
}

void IncrementalEvaluation::Recompute(const IrregularCard& card) {
  const FigureTable& t = Figures();
  incremental::CardState& s = cards_[card.card];
  const CellMask now = CoveredCells(card.rows, drawn_);
  for (std::uint32_t w = kept_; w != 0; w &= w - 1) {
    const int f = LowestBit(w);
    --missing_[f][Ones(t.mask[f] & ~s.covered)];
    const int missing = Ones(t.mask[f] & ~now);
    ++missing_[f][missing];
    s.complete = missing == 0 ? s.complete | std::uint32_t{1} << f : s.complete & ~(std::uint32_t{1} << f);
  }
  s.covered = now;
}

CardFindings IncrementalEvaluation::Findings(const EvaluationRequest& request) {
  CardFindings findings;
  Findings(request, findings);
  return findings;
}

void IncrementalEvaluation::Findings(const EvaluationRequest& request, CardFindings& findings) {
  Keep(FiguresOf(request));
  const FigureTable& t = Figures();
  GatherPlan plan;
  plan.card_cells = CardCells(request.size);
  plan.card_size = Numbers(request.size);
  plan.standings_limit = StandingsLimit(request.size);
  const std::uint32_t instances = kept_ & ((std::uint32_t{1} << kInstanceFigures) - 1);

  findings.counters = {};
  std::size_t completions = 0, standings = 0;
  if (request.test_card) {
    const auto& card = missing_[CardFigure(request.size)];
    for (int m = 0; m < 6; ++m) findings.counters.cartela[m] = card[m];
    for (int m = 0; m <= plan.standings_limit; ++m) standings += static_cast<std::size_t>(card[m]);
    completions += static_cast<std::size_t>(card[0]);
  }
  for (std::uint32_t w = instances; w != 0; w &= w - 1) {
    const int f = LowestBit(w);
    auto& counter = findings.counters.patterns[t.pattern[f]];
    for (int m = 0; m < 3; ++m) counter[m] += missing_[f][m];
    // Only the instances some card has complete are looked for.
    if (missing_[f][0] > 0) plan.instances |= std::uint32_t{1} << f;
    completions += static_cast<std::size_t>(missing_[f][0]);
  }
  for (Pattern p : kPatterns) findings.won[Index(p)] = findings.counters.patterns[Index(p)][0] > 0;

  // The counts are known, so each list is sized once, with room for what
  // the gathering writes past its end, and filled in place; lists that
  // already hold as many entries are not cleared first.
  if (standings > 0 || plan.instances != 0) {
    findings.completions.resize(completions + kCompletionSlack);
    findings.standings.resize(standings + kStandingSlack);
    Gather(cards_.data(), cards_.size(), plan, standings > 0, findings.completions.data(), completions,
           findings.standings.data(), standings);
  }
  findings.completions.resize(completions);
  findings.standings.resize(standings);
}

}  // namespace tavelao::draw
