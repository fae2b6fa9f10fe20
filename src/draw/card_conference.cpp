#include "draw/card_conference.h"

#include "common/text.h"

namespace tavelao::draw {

ConferResult ConferCard(const card::CardBank& bank, const card::Password& password, const card::IssuerNumber& issuer,
                        const BallSet& drawn, std::string_view typed) {
  ConferResult result;
  const std::string_view text = Trim(typed);
  const auto card = ParseInt32(text);
  if (!card) return result;
  result.kind = ConferResult::Kind::kRefused;
  if (!card::CardBank::InRange(*card)) {
    result.message = "A cartela " + std::to_string(*card) + " não existe: o banco de cartelas vai de 1 a " +
                     std::to_string(card::kBankCapacity) + ".";
    return result;
  }
  if (bank.CardRecord(*card).size() < 50) {
    result.message = "A cartela " + std::to_string(*card) + " não está no banco de cartelas desta instalação.";
    return result;
  }
  result.kind = ConferResult::Kind::kShown;
  Conference& c = result.conference;
  c.card_caption = "Cartela: " + std::string(text);
  c.authentication_line = card::AuthenticationLine(card::CardAuthenticationCode(bank, *card, password, issuer));
  for (int k = 1; k <= 25; ++k) {
    ConferenceCell& cell = c.cells[k - 1];
    cell.text = std::string(bank.CardNumber(*card, k));
    const auto ball = BallOfNumber(cell.text);
    cell.drawn = ball && drawn.Has(*ball);
  }
  return result;
}

}  // namespace tavelao::draw
