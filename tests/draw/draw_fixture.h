#pragma once
// A working directory prepared as start-up leaves it, a draw run over it,
// and cards chosen by the test written into the card bank and validated.

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "draw/draw_run.h"
#include "session/workspace.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace tavelao::draw::testing {

// A card's 25 balls in bank order (N1..N25).
using Balls = std::array<int, 25>;

// The card whose cell in column c, row r (1..5) holds ball
// 20(c-1) + offset + r; offsets 0, 5, 10, 15 give four cards without a
// common ball, and offset 15 puts ball 100 at the bottom of column O.
Balls Ladder(int offset);
// The 50-character bank record of a card.
std::string RecordOf(const Balls& balls);
// A card drawn at random, valid in every column.
Balls RandomCard(std::mt19937& rng);
// Cell k (1..25) of a card.
inline int CellBall(const Balls& balls, int k) { return balls[k - 1]; }

class DrawFixture {
 public:
  DrawFixture();

  session::Workspace& ws() { return *workspace_; }
  DrawRun& run() { return *run_; }
  const DrawState& state() const { return run_->state(); }

  // Writes the card into the bank and validates it, in a batch or directly.
  void AddCard(int number, const Balls& balls, std::optional<int> lote = std::nullopt,
               std::optional<int> lan = std::nullopt);
  // Validates a number without touching the bank.
  void Validate(int number, std::optional<int> lote = std::nullopt, std::optional<int> lan = std::nullopt);

  // Chooses the draw type as the screens do, confirms it and starts.
  void Start(CardSize size, std::initializer_list<Pattern> patterns = {}, bool full_card = true,
             DrawMode mode = DrawMode::Manual);

  BallOutcome Click(int ball);
  void Click(const std::vector<int>& balls);
  // The cells of a card, in bank order, as balls to click.
  static std::vector<int> Cells(const Balls& balls, std::initializer_list<int> ks);

  std::vector<std::string> Memo() const { return state().memo.ToVector(); }
  // Records of "sorteadas.cds" as (cartela, pedras), in decres order.
  std::vector<std::pair<std::string, int>> Standings();

  TitleLetters letters = {"B", "I", "N", "G", "O"};
  tavelao::testing::ScriptedDialogs dialogs;

 private:
  tavelao::testing::TempFolder folder_;
  std::unique_ptr<session::Workspace> workspace_;
  std::unique_ptr<DrawRun> run_;
};

}  // namespace tavelao::draw::testing
