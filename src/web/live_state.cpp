#include "web/live_state.h"

#include <algorithm>

#include "card/card_identity.h"
#include "common/text.h"
#include "draw/draw_figures.h"

namespace tavelao::web {

std::string JsonString(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
      // Control characters must be escaped; the markup characters are too,
      // so the text stays inert wherever a page puts it.
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string LiveStateJson(const draw::DrawState& state, const draw::TitleLetters& letters, std::string_view event_title,
                          std::int32_t draw) {
  return LiveStateJson(draw::AudienceViewOf(state, letters, event_title), state, draw);
}

std::string LiveStateJson(const draw::AudienceView& view, const draw::DrawState& state, std::int32_t draw) {
  std::string letters_joined;
  for (const std::string& letter : view.letters) letters_joined += letter;

  std::string json = "{\"sorteio\": " + std::to_string(draw) + ", \"titulo\": " + JsonString(view.event_title) +
                     ", \"letras\": " + JsonString(letters_joined) +
                     ", \"em_jogo\": " + std::to_string(view.balls_in_play) + ", \"bolas\": [";
  for (std::size_t i = 0; i < state.drawn_order.size(); ++i) {
    json += (i ? ", " : "") + std::to_string(state.drawn_order[i]);
  }
  json += "], \"ultima\": ";
  json += view.last_ball ? std::to_string(view.last_ball->ball) : "null";
  json += ", \"tipos\": [";
  for (std::size_t i = 0; i < view.figures.size(); ++i) json += (i ? ", " : "") + JsonString(view.figures[i].title);
  json += "], \"ganhadoras\": [";
  const std::size_t total = state.announced.size();
  const std::size_t first = total - std::min(total, kLiveWinnersListed);
  for (std::size_t i = first; i < total; ++i) {
    const draw::AnnouncedWinner& a = state.announced[i];
    const std::string card = SixDigits(a.winner.card) + "-" + card::CheckDigit(a.winner.card);
    json += (i > first ? ", " : "");
    json += "{\"cartela\": " + JsonString(card) + ", \"tipo\": " + JsonString(draw::AnnouncedTitle(a.winner.pattern)) +
            ", \"pedra\": " + std::to_string(a.balls) + "}";
  }
  json += "], \"total_ganhadoras\": " + std::to_string(total) + "}";
  return json;
}

}  // namespace tavelao::web
