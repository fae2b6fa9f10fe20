#pragma once
// The evaluation of the draw kept up to date ball by ball. Built once from
// the card rows when a draw starts, it keeps each card's covered cells and,
// for the figures the last request asked about, which cards have them
// complete and how many cards miss 0, 1, 2, ... of their cells. Marking or
// unmarking a ball touches only the cards that hold it (about a quarter of
// them); `Findings` then gathers what `EvaluateCards` computes from scratch,
// without recomputing any card's cells.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "draw/ball_set.h"
#include "draw/draw_cards.h"
#include "draw/draw_evaluation.h"
#include "draw/draw_figures.h"

namespace tavelao::draw {

// The parts of the evaluation's state that its loops work on.
namespace incremental {

// Every figure a request can ask about, as bit or index f: the 20 pattern
// instances in table order (Coluna 1-5, Linha 1-5, Te, ..., Cantos), then
// the card's own figure for each size in kCardSizes order.
inline constexpr int kInstanceFigures = 20;
inline constexpr int kFigures = kInstanceFigures + static_cast<int>(kCardSizes.size());

struct CardState {
  CellMask covered = 0;
  std::uint32_t complete = 0;  // bit f: kept figure f has every cell covered
};

// Per figure, the cards by missing cells (0..25).
using MissingHistogram = std::array<std::array<std::int32_t, 26>, kFigures>;

// The kept figures that need one cell.
struct CellFigures {
  int count = 0;
  std::array<CellMask, kFigures> masks{};
  std::array<std::uint8_t, kFigures> figures{};
  std::uint32_t bits = 0;
};

}  // namespace incremental

class IncrementalEvaluation {
 public:
  // The cards in list order, nothing drawn. The rows are not kept: only
  // cards with two balls in one row's column field (none that
  // RowsOfNumbers makes) keep theirs, to be recomputed with CoveredCells at
  // every mark and unmark.
  explicit IncrementalEvaluation(const std::vector<CardRows>& cards);

  // Adds the ball to the drawn set and updates the cards holding it. Marking
  // a drawn ball, or a number that is not a ball, changes nothing and
  // returns false.
  bool Mark(int ball);
  // Takes the ball out of the drawn set: the exact inverse of its mark.
  // Unmarking a ball that is not drawn changes nothing and returns false;
  // there is no count of marks, one unmark undoes a ball marked twice.
  bool Unmark(int ball);

  const BallSet& drawn() const { return drawn_; }
  std::size_t size() const { return cards_.size(); }
  // The covered cells of a card: CoveredCells(card, drawn()).
  CellMask Covered(std::size_t card) const { return cards_[card].covered; }

  // Equal to EvaluateCards(cards, drawn(), request): counters,
  // completions and standings in the same order, the same won flags.
  //
  // The figures the request asks about are the ones marks and unmarks keep
  // from then on. A request that asks about a figure the previous one did
  // not (another card size, a pattern ticked) first goes over every card
  // once to start keeping it, about as long as a pass of EvaluateCards over
  // that figure alone; a figure left out is no longer kept.
  CardFindings Findings(const EvaluationRequest& request);
  // The same into `out`, reusing its lists' memory: with lists at least as
  // long as the new ones nothing is allocated or cleared first.
  void Findings(const EvaluationRequest& request, CardFindings& out);

 private:
  struct IrregularCard {
    std::uint32_t card;
    CardRows rows;
  };

  // Keeps exactly these figures (bit f: figure f).
  void Keep(std::uint32_t figures);
  void Recompute(const IrregularCard& card);

  BallSet drawn_;
  std::vector<incremental::CardState> cards_;
  // The cards holding ball b in row r, in list order: entries_[starts_[run]]
  // up to entries_[starts_[run + 1]] for run 5 * (b - 1) + r.
  static constexpr int kRuns = 5 * kBallCount;
  std::array<std::uint32_t, kRuns + 1> starts_{};
  std::vector<std::uint32_t> entries_;
  std::vector<IrregularCard> irregular_;
  std::uint32_t kept_ = 0;
  std::array<incremental::CellFigures, 25> by_cell_{};
  incremental::MissingHistogram missing_{};  // exact for the kept figures
};

}  // namespace tavelao::draw
