#pragma once
// The draw standings "sorteadas.cds" (cartela, pedras, decres = 12 - pedras)
// and the standings list that `ListStandings` appends to `Memo1`.

#include <filesystem>
#include <string>
#include <vector>

#include "common/result.h"
#include "draw/draw_cards.h"
#include "draw/draw_evaluation.h"
#include "store/table.h"

namespace tavelao::draw {

// Deletes the file and creates the table afresh, open in `table`.
Status EmptyStandings(store::Table& table, const std::filesystem::path& folder);

// One record per entry, in the given order, in one commit.
Status WriteStandings(store::Table& table, const DrawCards& cards, const std::vector<StandingsEntry>& standings);

// Reads the table back in decres order (insertion order within a value) and
// appends, for each run of equal pedras a:
//   a = 0: "      Bateu:000042-6  " and, for a card of a batch,
//          " Lote:000007    Seq:001";
//   a > 0: " " + (25 - a) + "     " + count in three characters + " " and
//          the first three cards, then lines of twelve spaces with three cards
//          each up to the 15th card; only the heading beyond 15 cards.
Status AppendStandingsList(store::Table& table, const DrawCards& cards, std::vector<std::string>& memo);

}  // namespace tavelao::draw
