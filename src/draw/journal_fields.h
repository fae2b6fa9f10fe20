#pragma once
// What the draw's events say in the journal: the draw types as fields the
// replay reads back, a winner, and the digest of the validated cards.

#include <optional>
#include <string>

#include "draw/draw_cards.h"
#include "draw/draw_figures.h"
#include "draw/draw_journal.h"
#include "draw/draw_type.h"

namespace tavelao::draw {

// cartelas=25;cheia=1;padroes=Linha,Te;tipos=CARTELA CHEIA,LINHA,TÊ
EventFields ChoiceFields(const DrawChoice& choice);
// The card size, full card and patterns of ChoiceFields; the rest as given.
DrawChoice ChoiceOfFields(const EventFields& fields, DrawChoice base);

// cartela=000042;digito=6;lote=000007;seq=001;tipo=LINHA;bola=81;pedras=23
EventFields WinnerFields(const DrawCardEntry& entry, std::optional<Pattern> pattern, int ball, int drawn);

// SHA-256 of every card's number, batch and entry, in list order.
std::string DigestOfCards(const DrawCards& cards);

}  // namespace tavelao::draw
