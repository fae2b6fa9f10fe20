#pragma once
// `EvaluateDraw`: one evaluation pass after a ball is marked, unmarked or
// drawn. It tests every card, writes the standings, fills the winners sheet
// and returns everything `Memo1` and the follow-up panel show.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "common/rgb.h"

#include "common/result.h"
#include "draw/ball_set.h"
#include "draw/draw_cards.h"
#include "draw/draw_evaluation.h"
#include "draw/draw_type.h"
#include "draw/incremental_evaluation.h"
#include "draw/memo_lines.h"
#include "draw/standings.h"
#include "draw/winners_sheet.h"
#include "store/table.h"

namespace tavelao::draw {

using Rgb = tavelao::Rgb;

// `Memo1` is light yellow, and white once a whole card is complete.
enum class MemoColour { White, LightYellow };
inline constexpr Rgb kMemoWhite{255, 255, 255};
inline constexpr Rgb kMemoLightYellow{255, 250, 153};
constexpr Rgb ColourOf(MemoColour c) { return c == MemoColour::White ? kMemoWhite : kMemoLightYellow; }

struct PassInput {
  const std::shared_ptr<const DrawCards>& cards;
  int drawn_count;  // "Sorteadas": the drawn balls of the columns in play
  const DrawChoice& choice;
};

// What a pass works on and keeps for the next: the evaluation of
// `PassInput::cards` over the drawn balls, and the findings' lists, whose
// memory each pass reuses.
struct PassMemory {
  IncrementalEvaluation& evaluation;
  CardFindings& findings;
};

// A card that completed a figure in the pass; a card that completes two rows
// is there twice.
struct PassWinner {
  int card = 0;
  std::optional<Pattern> pattern;  // nullopt: the card's own figure
  friend bool operator==(const PassWinner&, const PassWinner&) = default;
};

struct PassResult {
  bool ran = false;
  MemoLines memo;  // the lines of Memo1
  MemoColour memo_colour = MemoColour::LightYellow;
  int winner_count = 0;
  std::vector<PassWinner> winners;  // in the order of the announcements
  std::vector<Pattern> won;         // to untick, in this order
  bool show_sheet = false;          // bring the winners sheet to the front
  bool show_mostra_button = false;  // show ButtonMostra instead
};

// What the pass tests at this drawn count; nullopt when it does not run
// (below the card size's threshold; a 25-number pass needs 22 balls or a
// ticked pattern).
std::optional<EvaluationRequest> PlanPass(const DrawChoice& choice, int drawn_count);

// "CARTELA 000042 BATEU LINHA Lote:000007 Seq:001"; no Lote part for a card
// validated directly.
std::string AnnouncementLine(const DrawCardEntry& entry, Pattern pattern);

// The whole pass. "sorteadas.cds" is written only when the pass runs. The
// won patterns are returned, not unticked: the caller unticks them and
// refreshes the draw type.
Result<PassResult> EvaluateDraw(const PassInput& input, PassMemory memory, StandingsFile& standings,
                                WinnersSheet& sheet);

}  // namespace tavelao::draw
