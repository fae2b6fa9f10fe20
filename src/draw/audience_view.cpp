#include "draw/audience_view.h"

#include <algorithm>

#include "common/text.h"

namespace tavelao::draw {
namespace {

std::string FirstCharacter(std::string_view utf8) { return EncodeUtf8(DecodeUtf8(utf8).substr(0, 1)); }

CalledBall Called(int ball, const std::array<std::string, kColumnCount>& letters) {
  return {ball, letters[BallColumn(ball) - 1], BallLabel(ball)};
}

std::vector<AudienceFigure> FiguresOf(const DrawChoice& choice) {
  std::vector<AudienceFigure> figures;
  if (!choice.card_size) return figures;
  const auto whole_card = [&] { return AudienceFigure{std::string(kWholeCardTitle), CardCells(*choice.card_size)}; };
  if (*choice.card_size != CardSize::TwentyFive) {
    figures.push_back(whole_card());
    return figures;
  }
  if (choice.full_card) figures.push_back(whole_card());
  for (Pattern p : kPatterns) {
    // The first instance stands for them all, as beside the pattern's box.
    if (choice.Ticked(p)) figures.push_back({std::string(AnnouncedTitle(p)), Info(p).instances[0]});
  }
  return figures;
}

void Announce(const std::vector<PassWinner>& winners, AudienceView& view) {
  for (std::size_t i = 0; i < winners.size(); ++i) {
    // A card completing two rows at once is one piece of news for the hall;
    // a pass lists a card's completions together.
    if (i > 0 && winners[i] == winners[i - 1]) continue;
    ++view.announced;
    if (view.announcements.size() == kAnnouncementsListed) continue;
    const PassWinner& w = winners[i];
    view.announcements.push_back("BINGO! Cartela " + SixDigits(w.card) + " — " +
                                 std::string(AnnouncedTitle(w.pattern)));
  }
}

}  // namespace

AudienceView AudienceViewOf(const DrawState& state, const TitleLetters& letters, std::string_view event_title) {
  AudienceView view;
  std::string joined;
  for (int c = 0; c < kColumnCount; ++c) {
    view.letters[c] = FirstCharacter(letters[c]);
    joined += view.letters[c];
  }
  const std::string_view title = Trim(event_title);
  view.event_title = title.empty() ? joined : std::string(title);

  for (int n = 1; n <= kBallCount; ++n) view.board[n - 1] = {BallLabel(n), state.InPlay(n), state.drawn.Has(n)};
  if (!state.drawn_order.empty()) view.last_ball = Called(state.drawn_order.back(), view.letters);
  for (auto it = state.drawn_order.rbegin();
       it != state.drawn_order.rend() && static_cast<int>(view.last_balls.size()) < kLastBallsShown; ++it) {
    view.last_balls.push_back(Called(*it, view.letters));
  }
  view.drawn_count = state.drawn_count;
  view.balls_in_play = state.balls_in_play;
  view.figures = FiguresOf(state.choice);
  Announce(state.new_winners, view);
  return view;
}

}  // namespace tavelao::draw
