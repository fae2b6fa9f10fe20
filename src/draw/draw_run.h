#pragma once
// The draw as the screens run it (PanelTSor, TFormSorteios, PanelInicio,
// PanelPedras, PanelAcompanha, TFormVenc): every handler calls one member
// and shows `state()` and the returned outcome. Nothing of it survives a
// restart except the two scratch tables it writes, "TiposSor.cds" and
// "sorteadas.cds".

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/random_source.h"
#include "common/result.h"
#include "draw/ball.h"
#include "draw/ball_set.h"
#include "draw/draw_cards.h"
#include "draw/draw_journal.h"
#include "draw/draw_pass.h"
#include "draw/draw_tables.h"
#include "draw/draw_type.h"
#include "draw/draw_type_record.h"
#include "draw/incremental_evaluation.h"
#include "draw/memo_lines.h"
#include "draw/winners_sheet.h"

namespace tavelao::draw {

enum class DrawMode { None, Manual, Electronic };

// A card the hall was told of, and how many balls were drawn then.
struct AnnouncedWinner {
  PassWinner winner;
  int balls = 0;
};

struct DrawState {
  DrawChoice choice;
  ColumnFlags columns{true, true, true, true, true};  // Col1..Col5 in play
  int balls_in_play = 100;                            // LabelnoSorteio
  int drawn_count = 0;                                // LabelSorteadas: drawn balls of the columns in play
  BallSet drawn;                                      // every drawn ball, in play or not
  std::vector<int> drawn_order;                       // the drawn balls as they came; an unmarked one leaves
  std::string outros;                                 // LabelOutros
  std::string order_text;                             // LabelOrdem and MemoOrdem
  std::string last_ball;                              // ButtonUltima
  MemoLines memo;                                     // Memo1
  MemoColour memo_colour = MemoColour::White;
  bool mostra_visible = true;      // ButtonMostra
  DrawMode mode = DrawMode::None;  // ButtonAlea is shown in electronic mode
  bool alea_enabled = false;
  bool busy = false;
  WinnersSheet sheet;
  // The completions of the last pass that the pass before did not have: what
  // the hall is told after this ball.
  std::vector<PassWinner> new_winners;
  // Every announcement of this draw, in order (a card completing two
  // instances of one figure at once is one).
  std::vector<AnnouncedWinner> announced;
  // The patterns a pass of this draw unticked because a card won them.
  PatternFlags awarded{};

  int BallsLeft() const { return balls_in_play - drawn_count; }  // LabelRestam
  bool InPlay(int ball) const { return IsBall(ball) && columns[BallColumn(ball) - 1]; }
};

// A panel of the board: the label when its column is in play, red when drawn.
struct BallPanel {
  std::string caption;
  bool red = false;
};

// What a ball click or "Sortear pedra" did beyond the state.
struct BallOutcome {
  bool accepted = false;  // false: nothing changed (busy, blank panel, no ball left, ...)
  int ball = 0;
  bool marked = false;     // false when a second click unmarked the ball
  bool evaluated = false;  // the pass ran
  int winners = 0;
  std::vector<Pattern> unticked;  // boxes the pass unticked, in this order
  bool show_sheet = false;        // bring the winners sheet to the front
};

class DrawRun {
 public:
  using RandomFactory = std::function<std::unique_ptr<RandomSource>()>;

  // `tables` as OpenDrawTables gives them; `new_random` makes the generator
  // of each electronic draw (SeededRandomSource::FromClock in the program).
  DrawRun(const DrawTables& tables, Dialogs& dialogs, RandomFactory new_random);

  const DrawState& state() const { return state_; }
  const DrawCards& cards() const { return *cards_; }
  // The journal's number of the draw running or last run; 0 before any.
  std::int32_t draw_number() const { return journal_.draw(); }
  std::array<BallPanel, kBallCount> Board() const;

  // Menu "Sorteio".
  Status OpenDrawChoice() { return RefreshDrawType(); }
  // CB5, CB15, CB20, CB25; journalled during a draw.
  Status ClickCardSize(CardSize size, bool ticked);
  // CBMostra.
  void ClickShowWinners(bool ticked) { state_.choice.show_winners = ticked; }
  // A box of TFormSorteios, and CBCheia; each refreshes the draw type.
  Status ClickPattern(Pattern pattern, bool ticked);
  Status ClickFullCard(bool ticked);

  // Columns in play, the board's captions and the counters; writes the
  // draw-type record unless 15 or 20 numbers play the whole board.
  Status RefreshDrawType();

  // ButtonOKTSor: what the chosen card size sets up, or nullopt after the
  // message when no size is ticked.
  std::optional<CardSizeLayout> ConfirmCardSize();

  // ButtonManual, ButtonEletronico: loads the validated cards, clears the
  // board and begins a draw in the journal. Cards without usable numbers are
  // left out and reported.
  Status StartDraw(DrawMode mode);

  // A click on panel P<ball> of a manual draw: marks, or unmarks a drawn
  // ball, then evaluates.
  Result<BallOutcome> ToggleBall(int ball, const TitleLetters& letters);

  // ButtonAlea: draws one of the balls left in play, then evaluates.
  Result<BallOutcome> DrawRandomBall(const TitleLetters& letters);

  // ButtonFim: journals the end, clears P1..P100 of the draw-type record and
  // empties the standings. The drawn set stays until the next StartDraw.
  Status EndDraw();

  // "Desfazer última pedra": unmarks the last ball still drawn, as a second
  // click on it would; nothing when none is.
  Result<BallOutcome> UndoLastBall(const TitleLetters& letters);

  // Plays a journalled draw's events again (its start, draw types, balls and
  // unmarks) without journalling them; events from then on join that draw.
  Status Resume(const std::vector<JournalEvent>& draw_events, const TitleLetters& letters);
  // The same, calling `after` with the position of the start event and of
  // each ball event once the run has played it; a failure stops the replay.
  using ReplayStep = std::function<Status(std::size_t event, const DrawRun& run)>;
  Status Replay(const std::vector<JournalEvent>& draw_events, const TitleLetters& letters, const ReplayStep& after);

  // A conference or a minor-prize draw, journalled into the current draw
  // (or the last one).
  Status RecordEvent(EventKind kind, EventFields fields);

  // ButtonMostra pressed, or the winners sheet closed.
  void HideWinnersButton() { state_.mostra_visible = false; }

  // Waits until "sorteadas.cds" holds the last pass's standings.
  Status FlushStandings() { return standings_.Flush(); }
  // A replay: "sorteadas.cds" is written once, by FlushStandings.
  void WriteStandingsOnFlushOnly() { standings_.WriteOnFlushOnly(); }

  // While a ball's picture comes in, ball input is ignored as during a pass.
  void HoldBalls(bool held) { held_ = held; }

 private:
  // Marks an undrawn ball or unmarks a drawn one, then evaluates.
  Result<BallOutcome> Toggle(int ball, const TitleLetters& letters);
  // The drawn set, its order and count, and the evaluation move together.
  void Mark(int ball);
  void Unmark(int ball);
  Result<BallOutcome> Evaluate(BallOutcome outcome);
  // A ball's event and what its pass announced, in one commit before the
  // screen shows them. When the journal cannot take them the failure is
  // returned and they wait for the next commit.
  Result<BallOutcome> Journalled(Result<BallOutcome> outcome, const TitleLetters& letters);
  void LoadCards(LoadedCards loaded);
  Status JournalTypes();

  DrawTables tables_;
  SystemClock clock_;
  DrawJournal journal_;
  bool journalling_ = true;  // off while a resume replays the journal
  StandingsFile standings_;
  Dialogs& dialogs_;
  RandomFactory new_random_;
  std::unique_ptr<RandomSource> random_;
  DrawTypeRecord record_;
  // Shared with the results box's lines, which name its cards.
  std::shared_ptr<const DrawCards> cards_ = std::make_shared<const DrawCards>();
  IncrementalEvaluation evaluation_{cards_->rows()};
  CardFindings findings_;
  DrawState state_;
  bool held_ = false;
  std::vector<PassWinner> last_winners_;  // every completion of the last pass
};

}  // namespace tavelao::draw
