#pragma once
// The standings list that `ListStandings` appends to `Memo1`.

#include <memory>
#include <string>
#include <vector>

#include "draw/draw_card_entry.h"
#include "draw/draw_cards.h"
#include "draw/draw_evaluation.h"
#include "draw/memo_lines.h"

namespace tavelao::draw {

// The line of a card that completed the whole card: "      Bateu:000042-6  "
// and, for a card of a batch, " Lote:000007    Seq:001".
std::string WonLine(const DrawCardEntry& entry);
// The same appended to `text`.
void AppendWonLine(const DrawCardEntry& entry, std::string& text);

// The list from the pass's entries taken as the table's index gives them
// (decres ascending, in the pass's order within a value). For each run of
// equal pedras a:
//   a = 0: the WonLine of each card;
//   a > 0: " " + (25 - a) + "     " + count in three characters + " " and
//          the first three cards, then lines of twelve spaces with three cards
//          each up to the 15th card; only the heading beyond 15 cards.
void AppendStandingsList(const std::shared_ptr<const DrawCards>& cards, const std::vector<StandingsEntry>& standings,
                         MemoLines& memo);

}  // namespace tavelao::draw
