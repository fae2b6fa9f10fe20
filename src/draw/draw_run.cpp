#include "draw/draw_run.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "draw/random_ball.h"
#include "draw/standings.h"

namespace tavelao::draw {
namespace {

constexpr const char* kOrderHeading = "Ordem do sorteio:";
constexpr const char* kDrawTitle = "Sorteio";

// Sets the flag for the length of an evaluation pass.
class BusyFlag {
 public:
  explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyFlag() { flag_ = false; }
  BusyFlag(const BusyFlag&) = delete;
  BusyFlag& operator=(const BusyFlag&) = delete;

 private:
  bool& flag_;
};

// The order in which a pass lists its winners.
bool WinnerOrder(const PassWinner& a, const PassWinner& b) {
  const auto figure = [](const PassWinner& w) { return w.pattern ? Index(*w.pattern) + 1 : 0; };
  return std::pair(a.card, figure(a)) < std::pair(b.card, figure(b));
}

}  // namespace

DrawRun::DrawRun(const DrawTables& tables, Dialogs& dialogs, RandomFactory new_random)
    : tables_(tables),
      standings_(tables_.standings, tables_.folder),
      dialogs_(dialogs),
      new_random_(std::move(new_random)),
      record_(tables.draw_type) {}

std::array<BallPanel, kBallCount> DrawRun::Board() const {
  std::array<BallPanel, kBallCount> board;
  for (int n = 1; n <= kBallCount; ++n) {
    board[n - 1] = {state_.InPlay(n) ? BallLabel(n) : std::string(), state_.drawn.Has(n)};
  }
  return board;
}

Status DrawRun::ClickPattern(Pattern pattern, bool ticked) {
  state_.choice.patterns[Index(pattern)] = ticked;
  return RefreshDrawType();
}

Status DrawRun::ClickFullCard(bool ticked) {
  state_.choice.full_card = ticked;
  return RefreshDrawType();
}

Status DrawRun::RefreshDrawType() {
  if (PlaysWholeBoard(state_.choice)) {
    state_.columns = {true, true, true, true, true};
    state_.balls_in_play = kBallCount;
    return {};
  }
  const DrawTypeText text = DescribeDrawType(state_.choice);
  state_.outros = text.outros;
  state_.columns = text.columns;
  // A drawn ball of a column out of play keeps its flag for the cards but no
  // longer counts in "Sorteadas".
  state_.balls_in_play = 0;
  state_.drawn_count = 0;
  for (int c = 1; c <= 5; ++c) {
    if (!state_.columns[c - 1]) continue;
    state_.balls_in_play += kBallsPerColumn;
    state_.drawn_count += (state_.drawn & BallSet::Column(c)).Count();
  }
  return record_.WriteChoice(state_.choice, text);
}

std::optional<CardSizeLayout> DrawRun::ConfirmCardSize() {
  if (!state_.choice.card_size) {
    dialogs_.Inform(kNoCardSizeTitle, kNoCardSizeText);
    return std::nullopt;
  }
  const CardSizeLayout& layout = LayoutOf(*state_.choice.card_size);
  // The new size may play columns the last draw type left out: the board and
  // counters must show them before the first ball, not after it.
  if (auto status = RefreshDrawType(); !status) dialogs_.Inform(kDrawTitle, status.error());
  state_.outros = std::string(layout.outros);
  return layout;
}

Status DrawRun::StartDraw(DrawMode mode) {
  if (mode == DrawMode::None) return {};
  auto loaded = LoadDrawCards(tables_.validation, tables_.bank);
  if (!loaded) return std::move(loaded).take_error();
  cards_ = std::make_shared<const DrawCards>(std::move(loaded->cards));
  evaluation_ = IncrementalEvaluation(cards_->rows());
  standings_.Forget();
  if (!loaded->unusable.empty()) dialogs_.Inform(kUnusableCardsTitle, UnusableCardsMessage(loaded->unusable));

  state_.drawn = {};
  state_.drawn_order.clear();
  state_.new_winners.clear();
  last_winners_.clear();
  state_.drawn_count = 0;
  state_.last_ball.clear();
  state_.memo.clear();
  state_.order_text = kOrderHeading;
  state_.mode = mode;
  state_.alea_enabled = mode == DrawMode::Electronic;
  if (mode == DrawMode::Electronic) random_ = new_random_();
  return {};
}

Result<BallOutcome> DrawRun::ToggleBall(int ball, const TitleLetters& letters) {
  if (state_.busy || held_) return BallOutcome{};
  if (auto status = RefreshDrawType(); !status) return std::move(status).take_error();
  if (state_.mode != DrawMode::Manual || !state_.InPlay(ball)) return BallOutcome{};

  BallOutcome outcome;
  outcome.accepted = true;
  outcome.ball = ball;
  outcome.marked = !state_.drawn.Has(ball);
  if (outcome.marked) {
    Mark(ball);
  } else {
    Unmark(ball);
  }
  state_.order_text += (outcome.marked ? "" : "-") + BallLabel(ball) + " ";
  state_.last_ball = LastBallCaption(ball, letters);
  return Evaluate(std::move(outcome));
}

Result<BallOutcome> DrawRun::DrawRandomBall(const TitleLetters& letters) {
  if (state_.busy || held_ || state_.mode != DrawMode::Electronic || !state_.alea_enabled) return BallOutcome{};
  if (auto status = RefreshDrawType(); !status) return std::move(status).take_error();
  if (!random_) random_ = new_random_();
  const auto ball = PickRandomBall(state_.drawn, state_.columns, *random_);
  if (!ball) return BallOutcome{};

  BallOutcome outcome;
  outcome.accepted = true;
  outcome.ball = *ball;
  outcome.marked = true;
  Mark(*ball);
  if (auto status = record_.MarkDrawn(*ball); !status) return std::move(status).take_error();
  if (state_.drawn_count >= kBallCount) state_.alea_enabled = false;
  state_.last_ball = LastBallCaption(*ball, letters);
  state_.order_text += BallLabel(*ball) + " ";
  return Evaluate(std::move(outcome));
}

void DrawRun::Mark(int ball) {
  state_.drawn.Add(ball);
  state_.drawn_order.push_back(ball);
  ++state_.drawn_count;
  evaluation_.Mark(ball);
}

void DrawRun::Unmark(int ball) {
  state_.drawn.Remove(ball);
  std::erase(state_.drawn_order, ball);
  --state_.drawn_count;
  evaluation_.Unmark(ball);
}

Result<BallOutcome> DrawRun::Evaluate(BallOutcome outcome) {
  BusyFlag busy(state_.busy);
  state_.memo.clear();
  state_.memo_colour = MemoColour::LightYellow;
  state_.mostra_visible = false;

  auto pass =
      EvaluateDraw({cards_, state_.drawn_count, state_.choice}, {evaluation_, findings_}, standings_, state_.sheet);
  if (!pass) return std::move(pass).take_error();
  state_.memo = std::move(pass->memo);
  state_.memo_colour = pass->memo_colour;
  state_.mostra_visible = pass->show_mostra_button;
  outcome.evaluated = pass->ran;
  outcome.winners = pass->winner_count;
  // Both lists come in card order and, within a card, in figure order: one
  // walk over the two finds what the last pass did not have.
  state_.new_winners.clear();
  std::set_difference(pass->winners.begin(), pass->winners.end(), last_winners_.begin(), last_winners_.end(),
                      std::back_inserter(state_.new_winners), WinnerOrder);
  last_winners_ = std::move(pass->winners);
  outcome.show_sheet = pass->show_sheet;
  for (Pattern p : pass->won) {
    state_.choice.patterns[Index(p)] = false;
    outcome.unticked.push_back(p);
    if (auto status = RefreshDrawType(); !status) return std::move(status).take_error();
  }
  return outcome;
}

Status DrawRun::EndDraw() {
  if (auto status = record_.ClearDrawn(); !status) return status;
  if (auto status = standings_.Empty(); !status) return status;
  state_.mostra_visible = false;
  state_.mode = DrawMode::None;
  state_.alea_enabled = false;
  state_.order_text.clear();
  return {};
}

}  // namespace tavelao::draw
