#pragma once
// The evaluation of every card of the draw card list against the drawn set,
// over bit sets: a card's covered cells come from its row sets with a few
// word operations, and each figure is then a mask and a population count.

#include <array>
#include <cstdint>
#include <vector>

#include "draw/ball_set.h"
#include "draw/draw_cards.h"
#include "draw/draw_figures.h"

namespace tavelao::draw {

// The cells of a card whose balls are drawn, in bank order (bit k-1 = cell k).
// Each row set has at most one ball per 20-bit column field: a field is
// folded onto its top bit, the five rows are staggered one bit apart, and one
// multiplication per word gathers the columns side by side.
inline CellMask CoveredCells(const CardRows& card, const BallSet& drawn) {
  constexpr std::uint64_t kField = (std::uint64_t{1} << 19) - 1;
  constexpr std::uint64_t kLow3 = kField | kField << 20 | kField << 40;
  constexpr std::uint64_t kTop3 = std::uint64_t{1} << 19 | std::uint64_t{1} << 39 | std::uint64_t{1} << 59;
  constexpr std::uint64_t kLow2 = kField | kField << 20;
  constexpr std::uint64_t kTop2 = std::uint64_t{1} << 19 | std::uint64_t{1} << 39;
  std::uint64_t low = 0, high = 0;
  for (int r = 0; r < 5; ++r) {
    const std::uint64_t a = card.rows[r].low & drawn.low;
    const std::uint64_t b = card.rows[r].high & drawn.high;
    // Row r of column g ends at bit 20g + 15 + r.
    low |= ((((a & kLow3) + kLow3) | a) & kTop3) >> (4 - r);
    high |= ((((b & kLow2) + kLow2) | b) & kTop2) >> (4 - r);
  }
  // Fields at bits 15-19, 35-39, 55-59 moved to 45-49, 50-54, 55-59; the
  // partial products that stay below bit 45 never overlap, so nothing carries.
  const auto first = static_cast<CellMask>((low * (1 + (std::uint64_t{1} << 15) + (std::uint64_t{1} << 30))) >> 45);
  const auto last = static_cast<CellMask>(((high * (1 + (std::uint64_t{1} << 15))) >> 30) & 0x3FF);
  return first | last << 15;
}

// A completion found by the pass: the card (its position in the list) and
// the figure.
inline constexpr std::int8_t kWholeCard = -1;
struct Completion {
  std::uint32_t card;
  std::int8_t pattern;   // Index(Pattern), or kWholeCard for the card's own figure
  std::int8_t instance;  // column or row 0..4 for Coluna and Linha, else 0
  friend bool operator==(const Completion&, const Completion&) = default;
};

// A card of the standings: missing at most the limit of its size.
struct StandingsEntry {
  std::uint32_t card;
  std::uint8_t missing;
  friend bool operator==(const StandingsEntry&, const StandingsEntry&) = default;
};

struct NearWinCounters {
  std::array<int, 6> cartela{};  // cards missing 0..5 of their own figure
  // Instances missing 0..2; Coluna and Linha count each column and row.
  std::array<std::array<int, 3>, kPatternCount> patterns{};
  friend bool operator==(const NearWinCounters&, const NearWinCounters&) = default;
};

struct EvaluationRequest {
  CardSize size = CardSize::TwentyFive;
  bool test_card = true;    // the card's own figure (the full card for 25)
  PatternFlags patterns{};  // looked at for 25-number cards only
};

struct CardFindings {
  NearWinCounters counters;
  // Per card in list order: its own figure first, then the patterns in
  // table order, Coluna and Linha instance by instance.
  std::vector<Completion> completions;
  std::vector<StandingsEntry> standings;  // in list order
  PatternFlags won{};
};

CardFindings EvaluateCards(const std::vector<CardRows>& cards, const BallSet& drawn, const EvaluationRequest& request);

}  // namespace tavelao::draw
