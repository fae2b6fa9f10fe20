#pragma once
// What the draw's events say in the journal: the draw types as fields the
// replay reads back, a winner, and the digest of the validated cards.

#include <optional>
#include <string>
#include <vector>

#include "draw/draw_cards.h"
#include "draw/draw_figures.h"
#include "draw/draw_journal.h"
#include "draw/draw_type.h"

namespace tavelao::draw {

// cartelas=25;cheia=1;padroes=Linha,Te;tipos=CARTELA CHEIA,LINHA,TÊ
EventFields ChoiceFields(const DrawChoice& choice);
// The card size, full card and patterns of ChoiceFields; the rest as given.
DrawChoice ChoiceOfFields(const EventFields& fields, DrawChoice base);

// The cards that completed `pattern` with one ball, in one event, each as
// cartela=000042;digito=6;lote=000007;seq=001, then tipo=LINHA;bola=81;
// pedras=23. One event per ball and pattern keeps the last balls of a big
// draw, where thousands of cards complete the full card at once, as quick
// to journal as the others.
// At most kCardsPerWinnerEvent cards an event, so that a row stays well
// within the journal's field.
inline constexpr std::size_t kCardsPerWinnerEvent = 1000;
EventFields WinnerFields(const std::vector<const DrawCardEntry*>& entries, std::optional<Pattern> pattern, int ball,
                         int drawn);

struct AnnouncedCard {
  std::string cartela;  // "000042"
  std::string digito;
  std::string lote;  // empty when validated directly
  std::string seq;
};
// The cards a winner event names, in its order.
std::vector<AnnouncedCard> WinnersOf(const EventFields& fields);

// SHA-256 of every card's number, batch and entry, in list order.
std::string DigestOfCards(const DrawCards& cards);

}  // namespace tavelao::draw
