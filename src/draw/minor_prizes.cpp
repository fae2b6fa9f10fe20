#include "draw/minor_prizes.h"

#include <algorithm>
#include <set>

#include "card/card_identity.h"
#include "common/text.h"
#include "draw/draw_journal.h"

namespace tavelao::draw {

namespace {

// "7-8" as the prize table keeps it: the card number before the dash.
std::optional<std::int32_t> CardOfNumero(std::string_view numero) {
  return ParseInt32(Trim(numero.substr(0, numero.find('-'))));
}

}  // namespace

std::optional<std::int32_t> PrizeCount(std::string_view prizes_text) { return ParseInt32(Trim(prizes_text)); }

Result<MinorPrizeDraw> DrawMinorPrizes(const std::filesystem::path& folder, store::Table& validation,
                                       std::string_view prizes_text, RandomSource& random, store::Table& prize_table,
                                       const std::set<std::int32_t>& excluded) {
  const auto n_typed = PrizeCount(prizes_text);
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
  auto read = validation.ForEach({"", "Numero", {"Numero"}}, [&cards, &excluded](const store::Row& row) {
    if (auto numero = row.record.Int("Numero"); numero && !excluded.contains(*numero)) cards.push_back(*numero);
    return true;
  });
  if (!read) return std::move(read).take_error();

  const auto m = static_cast<std::int64_t>(cards.size());
  MinorPrizeDraw result{true, {}, m};
  std::int32_t n = *n_typed;
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
    result.prizes.push_back(MinorPrize{n, std::move(key), card});
    --n;
  }
  std::reverse(result.prizes.begin(), result.prizes.end());
  if (auto committed = transaction.Commit(); !committed) return std::move(committed).take_error();
  return result;
}

Result<std::set<std::int32_t>> StoredPrizeCards(const std::filesystem::path& folder) {
  std::set<std::int32_t> cards;
  const auto path = folder / kMinorPrizeFile;
  auto exists = store::TableFileExists(path);
  if (!exists) return std::move(exists).take_error();
  if (!*exists) return cards;
  auto table = store::Table::OpenReadOnly(path);
  if (!table) return std::move(table).take_error();
  auto read = table->ForEach({"", "", {"Numero"}}, [&cards](const store::Row& row) {
    if (const auto card = CardOfNumero(row.record.Text("Numero"))) cards.insert(*card);
    return true;
  });
  if (!read) return std::move(read).take_error();
  return cards;
}

std::string NoPrizeMessage(const MinorPrizeDraw& draw) {
  return "Nenhum prêmio sorteado: o número de prêmios deve ir de 1 ao número de cartelas validadas que ainda podem ser "
         "sorteadas (" +
         std::to_string(draw.eligible) + ").";
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
