#pragma once
// `ConferCard`: any card of the bank against the balls drawn so far, with its
// authentication code, for the operator to check a claimed win. It changes
// nothing in the draw.

#include <array>
#include <string>
#include <string_view>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "draw/ball_set.h"

namespace tavelao::draw {

inline constexpr const char* kConferenceTitle = "Conferência de cartela";

struct ConferenceCell {
  std::string text;  // the card's two characters, "00" for 100
  bool drawn = false;
};

struct Conference {
  std::string card_caption;              // "Cartela: " and the text as typed, trimmed
  std::string authentication_line;       // "Autenticação:" and the code, or empty
  std::array<ConferenceCell, 25> cells;  // cell k = N k, in bank order
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

}  // namespace tavelao::draw
