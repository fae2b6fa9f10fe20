#include "draw/draw_run.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "draw/journal_fields.h"
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
      journal_(tables_.journal, clock_),
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

Status DrawRun::ClickCardSize(CardSize size, bool ticked) {
  draw::ClickCardSize(state_.choice, size, ticked);
  return JournalTypes();
}

Status DrawRun::ClickPattern(Pattern pattern, bool ticked) {
  state_.choice.patterns[Index(pattern)] = ticked;
  if (auto status = RefreshDrawType(); !status) return status;
  return JournalTypes();
}

Status DrawRun::ClickFullCard(bool ticked) {
  state_.choice.full_card = ticked;
  if (auto status = RefreshDrawType(); !status) return status;
  return JournalTypes();
}

// Changes made while no draw runs go into the next draw's start.
Status DrawRun::JournalTypes() {
  if (state_.mode == DrawMode::None || !journalling_) return {};
  journal_.Add(EventKind::TypesChanged, ChoiceFields(state_.choice));
  return journal_.Commit();
}

Status DrawRun::RecordEvent(EventKind kind, EventFields fields) {
  if (!journalling_) return {};
  if (journal_.draw() == 0) {
    if (auto status = journal_.ContinueLastDraw(); !status) return status;
  }
  journal_.Add(kind, std::move(fields));
  return journal_.Commit();
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
  const std::vector<std::int32_t> unusable = std::move(loaded->unusable);
  LoadCards(std::move(*loaded));
  if (journalling_) {
    EventFields started = ChoiceFields(state_.choice);
    started.Add("modo", mode == DrawMode::Manual ? "manual" : "eletronico")
        .Add("emissor", tables_.issuer)
        .Add("validadas", std::to_string(cards_->size()))
        .Add("resumo", DigestOfCards(*cards_));
    if (auto status = journal_.BeginDraw(std::move(started)); !status) return status;
  }
  if (!unusable.empty()) dialogs_.Inform(kUnusableCardsTitle, UnusableCardsMessage(unusable));

  state_.drawn = {};
  state_.drawn_order.clear();
  state_.new_winners.clear();
  state_.announced.clear();
  state_.awarded = {};
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

void DrawRun::LoadCards(LoadedCards loaded) {
  cards_ = std::make_shared<const DrawCards>(std::move(loaded.cards));
  evaluation_ = IncrementalEvaluation(cards_->rows());
  standings_.Forget();
}

Result<BallOutcome> DrawRun::Journalled(Result<BallOutcome> outcome, const TitleLetters&) {
  if (!outcome || !outcome->accepted || !journalling_) return outcome;
  const int drawn = static_cast<int>(state_.drawn_order.size());
  journal_.Add(outcome->marked ? EventKind::Marked : EventKind::Unmarked,
               {{"bola", std::to_string(outcome->ball)}, {"pedras", std::to_string(drawn)}});
  // One event for each run of winners of the same pattern, in the order
  // they are announced.
  std::vector<const DrawCardEntry*> run;
  for (std::size_t i = 0; i < state_.new_winners.size(); ++i) {
    const PassWinner& w = state_.new_winners[i];
    if (const auto at = cards_->Find(w.card)) run.push_back(&cards_->entry(*at));
    const bool last_of_run = i + 1 == state_.new_winners.size() || state_.new_winners[i + 1].pattern != w.pattern;
    if ((last_of_run && !run.empty()) || run.size() == kCardsPerWinnerEvent) {
      journal_.Add(EventKind::Winner, WinnerFields(run, w.pattern, outcome->ball, drawn));
      run.clear();
    }
  }
  if (!outcome->unticked.empty()) journal_.Add(EventKind::TypesChanged, ChoiceFields(state_.choice));
  if (auto status = journal_.Commit(); !status) {
    return Fail("A ata do sorteio não pôde ser gravada: " + status.error() +
                " A pedra ficou como está na tela; a ata será gravada com a próxima pedra.");
  }
  return outcome;
}

Result<BallOutcome> DrawRun::UndoLastBall(const TitleLetters& letters) {
  if (state_.busy || held_ || state_.mode == DrawMode::None || state_.drawn_order.empty()) return BallOutcome{};
  if (auto status = RefreshDrawType(); !status) return std::move(status).take_error();
  const int ball = state_.drawn_order.back();
  if (state_.mode == DrawMode::Electronic) {
    if (auto status = record_.UnmarkDrawn(ball); !status) return std::move(status).take_error();
    state_.alea_enabled = true;
  }
  return Toggle(ball, letters);
}

Result<BallOutcome> DrawRun::ToggleBall(int ball, const TitleLetters& letters) {
  if (state_.busy || held_) return BallOutcome{};
  if (auto status = RefreshDrawType(); !status) return std::move(status).take_error();
  if (state_.mode != DrawMode::Manual || !state_.InPlay(ball)) return BallOutcome{};
  return Toggle(ball, letters);
}

Result<BallOutcome> DrawRun::Toggle(int ball, const TitleLetters& letters) {
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
  return Journalled(Evaluate(std::move(outcome)), letters);
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
  return Journalled(Evaluate(std::move(outcome)), letters);
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
  for (std::size_t i = 0; i < state_.new_winners.size(); ++i) {
    if (i > 0 && state_.new_winners[i] == state_.new_winners[i - 1]) continue;
    state_.announced.push_back({state_.new_winners[i], static_cast<int>(state_.drawn_order.size())});
  }
  outcome.show_sheet = pass->show_sheet;
  for (Pattern p : pass->won) {
    state_.choice.patterns[Index(p)] = false;
    state_.awarded[Index(p)] = true;
    outcome.unticked.push_back(p);
    if (auto status = RefreshDrawType(); !status) return std::move(status).take_error();
  }
  return outcome;
}

Status DrawRun::EndDraw() {
  if (state_.mode != DrawMode::None && journalling_) {
    journal_.Add(EventKind::Ended, {{"pedras", std::to_string(state_.drawn_order.size())}});
    if (auto status = journal_.Commit(); !status) return status;
  }
  if (auto status = record_.ClearDrawn(); !status) return status;
  if (auto status = standings_.Empty(); !status) return status;
  state_.mostra_visible = false;
  state_.mode = DrawMode::None;
  state_.alea_enabled = false;
  state_.order_text.clear();
  return {};
}

Status DrawRun::Resume(const std::vector<JournalEvent>& draw_events, const TitleLetters& letters) {
  if (auto status = Replay(draw_events, letters, {}); !status) return status;
  return journal_.ContinueLastDraw();
}

Status DrawRun::Replay(const std::vector<JournalEvent>& draw_events, const TitleLetters& letters,
                       const ReplayStep& after) {
  if (draw_events.empty() || draw_events.front().kind != EventKind::Started) {
    return Fail("O sorteio da ata não tem o evento de início.");
  }
  journalling_ = false;
  struct Restore {
    bool& flag;
    ~Restore() { flag = true; }
  } restore{journalling_};
  const JournalEvent& started = draw_events.front();
  state_.choice = ChoiceOfFields(started.fields, state_.choice);
  if (auto status = RefreshDrawType(); !status) return status;
  const DrawMode mode = started.fields.Get("modo") == "eletronico" ? DrawMode::Electronic : DrawMode::Manual;
  if (auto status = StartDraw(mode); !status) return status;
  if (after) {
    if (auto status = after(0, *this); !status) return status;
  }
  for (std::size_t i = 1; i < draw_events.size(); ++i) {
    const JournalEvent& e = draw_events[i];
    if (e.kind == EventKind::TypesChanged) {
      state_.choice = ChoiceOfFields(e.fields, state_.choice);
      if (auto status = RefreshDrawType(); !status) return status;
      continue;
    }
    if (e.kind != EventKind::Marked && e.kind != EventKind::Unmarked) continue;
    const int ball = e.fields.Int("bola").value_or(0);
    if (!IsBall(ball) || state_.drawn.Has(ball) != (e.kind == EventKind::Unmarked)) {
      return Fail("O evento " + std::to_string(e.seq) + " (" + std::string(WordOf(e.kind)) +
                  ") não cabe no sorteio: a pedra " + std::to_string(ball) +
                  (e.kind == EventKind::Marked ? " já estava marcada." : " não estava marcada."));
    }
    if (mode == DrawMode::Electronic) {
      auto status = e.kind == EventKind::Marked ? record_.MarkDrawn(ball) : record_.UnmarkDrawn(ball);
      if (!status) return status;
      state_.alea_enabled = state_.drawn_count + (e.kind == EventKind::Marked ? 1 : -1) < kBallCount;
    }
    if (auto outcome = Toggle(ball, letters); !outcome) return std::move(outcome).take_error();
    if (after) {
      if (auto status = after(i, *this); !status) return status;
    }
  }
  return {};
}

}  // namespace tavelao::draw
