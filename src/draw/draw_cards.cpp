#include "draw/draw_cards.h"

#include <algorithm>

#include "common/text.h"

namespace tavelao::draw {

std::optional<CardRows> RowsOfNumbers(std::string_view numbers) {
  if (numbers.size() != 50) return std::nullopt;
  CardRows card{};
  BallSet seen;
  for (int k = 1; k <= 25; ++k) {
    const auto ball = BallOfNumber(numbers.substr(2 * (k - 1), 2));
    const int column = (k - 1) / 5 + 1;
    if (!ball || BallColumn(*ball) != column || seen.Has(*ball)) return std::nullopt;
    seen.Add(*ball);
    card.rows[(k - 1) % 5].Add(*ball);
  }
  return card;
}

bool DrawCards::Add(const DrawCardEntry& entry) {
  auto rows = RowsOfNumbers(entry.Text().substr(0, 50));
  if (!rows) return false;
  if (!entries_.empty() && entries_.back().CardNumber() >= entry.CardNumber()) ascending_ = false;
  entries_.push_back(entry);
  rows_.push_back(*rows);
  return true;
}

std::optional<std::size_t> DrawCards::Find(std::int32_t card) const {
  const auto by_number = [](const DrawCardEntry& e, std::int32_t n) { return e.CardNumber() < n; };
  if (ascending_) {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), card, by_number);
    if (it != entries_.end() && it->CardNumber() == card) return static_cast<std::size_t>(it - entries_.begin());
    return std::nullopt;
  }
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].CardNumber() == card) return i;
  }
  return std::nullopt;
}

Result<LoadedCards> LoadDrawCards(store::Table& validation, const card::CardBank& bank) {
  LoadedCards loaded;
  auto status = validation.ForEach({"", "Numero", {"Numero", "Lote", "Lan"}}, [&](const store::Row& row) {
    const auto card = row.record.Int("Numero");
    if (!card) return true;  // not a card at all
    const auto entry =
        DrawCardEntry::Make(bank.CardRecord(*card), *card, row.record.Int("Lote"), row.record.Int("Lan"));
    if (bank.CardRecord(*card).size() != 50 || !loaded.cards.Add(entry)) loaded.unusable.push_back(*card);
    return true;
  });
  if (!status) return std::move(status).take_error();
  return loaded;
}

std::string UnusableCardsMessage(const std::vector<std::int32_t>& cards) {
  if (cards.empty()) return {};
  if (cards.size() == 1) {
    return "A cartela validada " + SixDigits(cards[0]) +
           " não tem números válidos no banco de cartelas e fica fora do sorteio.";
  }
  constexpr std::size_t kShown = 20;
  std::string list;
  for (std::size_t i = 0; i < std::min(cards.size(), kShown); ++i) list += (i ? ", " : "") + SixDigits(cards[i]);
  if (cards.size() > kShown) list += " e mais " + std::to_string(cards.size() - kShown);
  return "As " + std::to_string(cards.size()) +
         " cartelas validadas a seguir não têm números válidos no banco de cartelas e ficam fora do sorteio: " + list +
         ".";
}

}  // namespace tavelao::draw
