#pragma once
// What the live page of the draw shows, as the JSON text the server hands
// every client and answers GET /estado with: the audience screen's content
// (title, letters, balls in order, draw types) and the winners announced so
// far. Nothing else about the validated cards leaves the program.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "draw/audience_view.h"
#include "draw/ball.h"
#include "draw/draw_run.h"

namespace tavelao::web {

// The most recent announcements listed; the rest are only counted, so a
// big draw's last ball does not send tens of thousands of cards to every
// phone.
inline constexpr std::size_t kLiveWinnersListed = 100;

// {"sorteio": 3, "titulo": "...", "letras": "BINGO", "em_jogo": 100,
//  "bolas": [7, 42, 100], "ultima": 100, "tipos": ["LINHA"],
//  "ganhadoras": [{"cartela": "000042-6", "tipo": "LINHA", "pedra": 3}],
//  "total_ganhadoras": 1}
std::string LiveStateJson(const draw::DrawState& state, const draw::TitleLetters& letters, std::string_view event_title,
                          std::int32_t draw);
// The same from the audience screen's view of `state`, when it is at hand.
std::string LiveStateJson(const draw::AudienceView& view, const draw::DrawState& state, std::int32_t draw);

// A JSON string literal, quotes included.
std::string JsonString(std::string_view utf8);

}  // namespace tavelao::web
