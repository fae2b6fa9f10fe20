#pragma once
// `ConferCard`: any card of the bank against the balls drawn so far, with its
// authentication code, for the operator to check a claimed win; and
// `JudgeConference`: the verdict on the claim, by the draw's own figure
// evaluation. Neither changes anything in the draw.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "draw/ball_set.h"
#include "draw/draw_cards.h"
#include "draw/draw_evaluation.h"
#include "draw/draw_type.h"

namespace tavelao::draw {

inline constexpr const char* kConferenceTitle = "Conferência de cartela";

struct ConferenceCell {
  std::string text;  // the card's two characters, "00" for 100
  bool drawn = false;
  bool winning = false;  // a cell of a figure in play that the card completed
};

// Whether the card takes part in the draw and what it completed.
struct ConferenceVerdict {
  bool validated = false;
  std::string headline;                // "VALIDADA — lote 7, seq. 3", or "NÃO VALIDADA — não concorre"
  std::vector<std::string> completed;  // "COMPLETOU LINHA", ...: one line per figure, the card's own first
};

struct Conference {
  std::int32_t card = 0;
  std::string card_caption;              // "Cartela: " and the text as typed, trimmed
  std::string authentication_line;       // "Autenticação:" and the code, or empty
  std::array<ConferenceCell, 25> cells;  // cell k = N k, in bank order
  ConferenceVerdict verdict;             // as JudgeConference gives it
};

struct ConferResult {
  enum class Kind {
    kIgnored,  // not a whole number: the panel keeps what it showed
    kRefused,  // no such card: `message` says why, the panel keeps what it showed
    kShown,
  };
  Kind kind = Kind::kIgnored;
  std::string message;
  Conference conference;
};

ConferResult ConferCard(const card::CardBank& bank, const card::Password& password, const card::IssuerNumber& issuer,
                        const BallSet& drawn, std::string_view typed);

// The figures a conference looks at: the card size's own figure and the
// ticked patterns, with the patterns this draw already gave (a won pattern
// is unticked at once, and its winner is the card that comes to be
// conferred). Nothing when no card size is chosen.
std::optional<EvaluationRequest> FiguresInPlay(const DrawChoice& choice, const PatternFlags& awarded);

inline constexpr std::string_view kNotValidated = "NÃO VALIDADA — não concorre";

// Fills the verdict of a shown conference: validated when the card is in
// `cards` (the draw card list, which alone can win), with its Lote and Lan;
// the figures of `figures` it completed against `drawn`, their cells marked
// winning.
void JudgeConference(Conference& conference, const DrawCards& cards, const BallSet& drawn,
                     const std::optional<EvaluationRequest>& figures);

}  // namespace tavelao::draw
