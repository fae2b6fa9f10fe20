#pragma once
// What the hall sees on the audience screen ("Telão") after every ball: the
// last ball, the board, the last balls, the counters, the draw types in play
// and who just won. Made afresh from the draw state each time; the window
// only paints it.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/ball.h"
#include "draw/draw_figures.h"
#include "draw/draw_run.h"

namespace tavelao::draw {

inline constexpr int kLastBallsShown = 5;

// A drawn ball as called: "O" and "00" for 100 with the default letters.
struct CalledBall {
  int ball = 0;
  std::string letter;  // the first character of its column's title letter
  std::string label;
  friend bool operator==(const CalledBall&, const CalledBall&) = default;
};

// One ball of the board; a ball out of play shows nothing.
struct BoardBall {
  std::string label;
  bool in_play = false;
  bool drawn = false;
};

// A draw type in play and the card cells its picture fills.
struct AudienceFigure {
  std::string title;  // "LINHA", "CARTELA CHEIA"
  CellMask cells = 0;
  friend bool operator==(const AudienceFigure&, const AudienceFigure&) = default;
};

struct AudienceView {
  std::string event_title;
  std::array<std::string, kColumnCount> letters;  // the first character of each, line by line
  std::optional<CalledBall> last_ball;            // the last ball still drawn
  std::array<BoardBall, kBallCount> board;        // ball n at board[n - 1]
  std::vector<CalledBall> last_balls;             // up to kLastBallsShown, the most recent first
  int drawn_count = 0;
  int balls_in_play = 0;
  std::vector<AudienceFigure> figures;
  // "BINGO! Cartela 000042 — LINHA" for the first kAnnouncementsListed
  // completions of the latest ball; empty when it made none. The last ball
  // of a big draw completes tens of thousands of cards: `announced` counts
  // them all, for "e mais N".
  std::vector<std::string> announcements;
  int announced = 0;
};

// More lines than the announcement band ever fits.
inline constexpr std::size_t kAnnouncementsListed = 20;

// `event_title` is the first prize text of the options; when it is blank
// the title letters joined stand in for it ("BINGO").
AudienceView AudienceViewOf(const DrawState& state, const TitleLetters& letters, std::string_view event_title);

}  // namespace tavelao::draw
