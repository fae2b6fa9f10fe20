#include "draw/journal_fields.h"

#include "common/text.h"

namespace tavelao::draw {

EventFields ChoiceFields(const DrawChoice& choice) {
  std::string patterns, titles;
  const auto add = [](std::string& list, std::string_view item) { (list += list.empty() ? "" : ",") += item; };
  const bool whole = choice.card_size && *choice.card_size != CardSize::TwentyFive;
  if (choice.full_card || whole) add(titles, AnnouncedTitle(std::nullopt));
  for (Pattern p : kPatterns) {
    if (!choice.Ticked(p)) continue;
    add(patterns, Info(p).field);
    if (!whole) add(titles, AnnouncedTitle(p));
  }
  return {{"cartelas", choice.card_size ? std::to_string(Numbers(*choice.card_size)) : ""},
          {"cheia", choice.full_card ? "1" : "0"},
          {"padroes", patterns},
          {"tipos", titles}};
}

DrawChoice ChoiceOfFields(const EventFields& fields, DrawChoice base) {
  const auto numbers = fields.Int("cartelas");
  base.card_size = numbers ? CardSizeOf(*numbers) : std::nullopt;
  base.full_card = fields.Get("cheia") != "0";
  base.patterns = {};
  const std::string list = fields.Get("padroes");
  std::string_view rest = list;
  while (!rest.empty()) {
    const auto cut = rest.find(',');
    const std::string_view name = rest.substr(0, cut);
    for (Pattern p : kPatterns) {
      if (Info(p).field == name) base.patterns[Index(p)] = true;
    }
    rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
  }
  return base;
}

EventFields WinnerFields(const std::vector<const DrawCardEntry*>& entries, std::optional<Pattern> pattern, int ball,
                         int drawn) {
  EventFields fields;
  for (const DrawCardEntry* entry : entries) {
    fields.Add("cartela", std::string(entry->CardText()));
    fields.Add("digito", std::string(1, entry->CheckDigit()));
    fields.Add("lote", entry->HasBatch() ? std::string(Trim(entry->BatchText())) : "");
    fields.Add("seq", entry->HasBatch() ? std::string(Trim(entry->EntryText())) : "");
  }
  fields.Add("tipo", std::string(AnnouncedTitle(pattern)));
  fields.Add("bola", std::to_string(ball));
  fields.Add("pedras", std::to_string(drawn));
  return fields;
}

std::vector<AnnouncedCard> WinnersOf(const EventFields& fields) {
  std::vector<AnnouncedCard> cards;
  for (const auto& [key, value] : fields.items()) {
    if (key == "cartela") cards.push_back({value, {}, {}, {}});
    if (cards.empty()) continue;
    if (key == "digito") cards.back().digito = value;
    if (key == "lote") cards.back().lote = value;
    if (key == "seq") cards.back().seq = value;
  }
  return cards;
}

std::string DigestOfCards(const DrawCards& cards) {
  std::string keys;
  keys.reserve(cards.size() * 15);
  // Card, batch and entry: the 15 characters after the numbers.
  for (std::size_t i = 0; i < cards.size(); ++i) keys += cards.entry(i).Text().substr(50);
  return Sha256Hex(keys);
}

}  // namespace tavelao::draw
