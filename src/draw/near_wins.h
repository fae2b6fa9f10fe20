#pragma once
// `ReportNearWins`: how many cards, columns, rows and patterns are one or
// two balls away (whole cards one to five), for every family that nobody
// completed in the pass.

#include "draw/draw_evaluation.h"
#include "draw/memo_lines.h"

namespace tavelao::draw {

// Appends one line per level with a count above 0: the count, then the
// message (" cartela(s) faltando 1 pedra.").
void ReportNearWins(const NearWinCounters& counters, MemoLines& memo);

}  // namespace tavelao::draw
