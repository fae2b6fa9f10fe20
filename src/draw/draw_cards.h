#pragma once
// The draw card list: the validated cards loaded when a draw starts, each
// kept twice — as its 65-character entry for what is shown, and as bit sets
// of its cells' balls for the evaluation.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "card/card_bank.h"
#include "common/result.h"
#include "draw/ball_set.h"
#include "draw/draw_card_entry.h"
#include "store/table.h"

namespace tavelao::draw {

// The balls of each row of a card: row r (0..4) holds cells r+1, r+6, ...,
// r+21, one ball in each column's field.
struct CardRows {
  std::array<BallSet, 5> rows;
};

// The rows of a card whose 50 characters are 25 distinct balls, each in the
// column of its cell; nullopt for anything else (an empty or damaged record).
std::optional<CardRows> RowsOfNumbers(std::string_view numbers);

class DrawCards {
 public:
  // Appends a card; false, and nothing appended, when its numbers are not
  // usable (RowsOfNumbers).
  bool Add(const DrawCardEntry& entry);

  std::size_t size() const { return entries_.size(); }
  const DrawCardEntry& entry(std::size_t i) const { return entries_[i]; }
  const std::vector<CardRows>& rows() const { return rows_; }
  // Position of a card by number.
  std::optional<std::size_t> Find(std::int32_t card) const;

 private:
  std::vector<DrawCardEntry> entries_;
  std::vector<CardRows> rows_;
  bool ascending_ = true;
};

struct LoadedCards {
  DrawCards cards;
  // Validated cards left out because the card bank has no usable numbers
  // for them, in ascending order.
  std::vector<std::int32_t> unusable;
};

// Every record of the validation store in ascending Numero, with its numbers
// from the card bank and its Lote and Lan.
Result<LoadedCards> LoadDrawCards(store::Table& validation, const card::CardBank& bank);

// The information box about cards left out of the draw.
inline constexpr std::string_view kUnusableCardsTitle = "Cartelas fora do sorteio";
std::string UnusableCardsMessage(const std::vector<std::int32_t>& cards);

}  // namespace tavelao::draw
