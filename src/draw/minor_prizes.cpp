#include "draw/minor_prizes.h"

#include <algorithm>
#include <set>

#include "card/card_identity.h"
#include "common/text.h"
#include "draw/draw_journal.h"

namespace tavelao::draw {

Result<MinorPrizeDraw> DrawMinorPrizes(const std::filesystem::path& folder, store::Table& validation,
                                       std::string_view prizes_text, RandomSource& random, store::Table& prize_table) {
  const auto n_typed = ParseInt32(Trim(prizes_text));
  if (!n_typed) return MinorPrizeDraw{};
  prize_table.Close();
  auto table = store::Table::CreateAfresh(folder / kMinorPrizeFile,
                                          {store::IntegerField("Premio"), store::StringField("Numero", 10)});
  if (!table) return std::move(table).take_error();
  prize_table = std::move(*table);
  if (auto indexed = prize_table.AddIndex("Premio", "Premio", false); !indexed) return std::move(indexed).take_error();

  // The store in ascending card number, read once: picking the k-th card is
  // then an index, however many picks repeat.
  std::vector<std::int32_t> cards;
  auto read = validation.ForEach({"", "Numero", {"Numero"}}, [&cards](const store::Row& row) {
    if (auto numero = row.record.Int("Numero")) cards.push_back(*numero);
    return true;
  });
  if (!read) return std::move(read).take_error();

  MinorPrizeDraw result{true, {}};
  std::int32_t n = *n_typed;
  const auto m = static_cast<std::int64_t>(cards.size());
  if (n < 1 || n > m) return result;
  std::set<std::string> drawn;
  store::Table::Transaction transaction(prize_table);
  while (n > 0) {
    const std::int32_t card = cards[random.Below(static_cast<std::uint32_t>(m))];
    std::string key = std::to_string(card) + "-" + card::CheckDigit(card);
    if (!drawn.insert(key).second) continue;  // drawn before: draw again
    store::Record record = prize_table.NewRecord();
    record.Set("Premio", n);
    record.Set("Numero", key);
    if (auto id = prize_table.Insert(record); !id) return std::move(id).take_error();
    result.prizes.push_back(MinorPrize{n, std::move(key)});
    --n;
  }
  std::reverse(result.prizes.begin(), result.prizes.end());
  if (auto committed = transaction.Commit(); !committed) return std::move(committed).take_error();
  return result;
}

Status JournalMinorPrizes(store::Table& journal, const Clock& clock, const MinorPrizeDraw& draw) {
  if (draw.prizes.empty()) return {};
  DrawJournal record(journal, clock);
  if (auto status = record.ContinueLastDraw(); !status) return status;
  // In events of at most 2,000 prizes, so that a row stays well within the
  // journal's field; the first says how many there are.
  constexpr std::size_t kPrizesPerEvent = 2000;
  EventFields fields{{"quantidade", std::to_string(draw.prizes.size())}};
  for (std::size_t i = 0; i < draw.prizes.size(); ++i) {
    const MinorPrize& prize = draw.prizes[i];
    // "7-2" as printed on the card: "000007-2".
    const std::string_view numero = prize.numero;
    const std::size_t dash = std::min(numero.find('-'), numero.size());
    std::string card(numero.substr(0, dash));
    if (card.size() < 6) card.insert(0, 6 - card.size(), '0');
    fields.Add(std::to_string(prize.premio), card + std::string(numero.substr(dash)));
    if ((i + 1) % kPrizesPerEvent == 0 || i + 1 == draw.prizes.size()) {
      record.Add(EventKind::MinorPrizes, std::move(fields));
      fields = {};
    }
  }
  return record.Commit();
}

}  // namespace tavelao::draw
