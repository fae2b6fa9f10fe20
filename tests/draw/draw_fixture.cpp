#include "draw_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "draw/draw_tables.h"
#include "draw/seeded_random_source.h"

namespace tavelao::draw::testing {

Balls Ladder(int offset) {
  Balls balls{};
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) balls[5 * (c - 1) + r - 1] = 20 * (c - 1) + offset + r;
  }
  return balls;
}

std::string RecordOf(const Balls& balls) {
  std::string record;
  for (int ball : balls) record += BallLabel(ball);
  return record;
}

Balls RandomCard(std::mt19937& rng) {
  Balls balls{};
  for (int c = 0; c < 5; ++c) {
    std::array<int, 20> column;
    std::iota(column.begin(), column.end(), 20 * c + 1);
    std::shuffle(column.begin(), column.end(), rng);
    for (int r = 0; r < 5; ++r) balls[5 * c + r] = column[r];
  }
  return balls;
}

DrawFixture::DrawFixture() {
  auto ws = session::RunStartup(folder_.path(), {});
  if (!ws) ADD_FAILURE() << ws.error();
  workspace_ = std::move(*ws);
  auto tables = OpenDrawTables(*workspace_);
  if (!tables) ADD_FAILURE() << tables.error();
  // Tests that draw electronically get the production generator with a
  // fixed seed.
  run_ = std::make_unique<DrawRun>(*tables, dialogs, [] { return std::make_unique<SeededRandomSource>(20240607); });
}

void DrawFixture::AddCard(int number, const Balls& balls, std::optional<int> lote, std::optional<int> lan) {
  workspace_->bank.SetRecord(number, RecordOf(balls));
  Validate(number, lote, lan);
}

void DrawFixture::Validate(int number, std::optional<int> lote, std::optional<int> lan) {
  store::Record record = workspace_->validation.NewRecord();
  record.Set("Numero", number);
  if (lote) record.Set("Lote", *lote);
  if (lan) record.Set("Lan", *lan);
  for (int k = 1; k <= 25; ++k) {
    record.Set("N" + std::to_string(k), std::string(workspace_->bank.CardNumber(number, k)));
  }
  auto id = workspace_->validation.Insert(record);
  ASSERT_TRUE(id) << id.error();
}

void DrawFixture::Start(CardSize size, std::initializer_list<Pattern> patterns, bool full_card, DrawMode mode) {
  ASSERT_TRUE(run_->OpenDrawChoice());
  ASSERT_TRUE(run_->ClickCardSize(size, true));
  for (Pattern p : patterns) {
    ASSERT_TRUE(run_->ClickPattern(p, true));
  }
  if (!full_card) {
    ASSERT_TRUE(run_->ClickFullCard(false));
  }
  ASSERT_TRUE(run_->ConfirmCardSize());
  auto started = run_->StartDraw(mode);
  ASSERT_TRUE(started) << started.error();
}

BallOutcome DrawFixture::Click(int ball) {
  auto outcome = run_->ToggleBall(ball, letters);
  if (!outcome) {
    ADD_FAILURE() << outcome.error();
    return {};
  }
  return *outcome;
}

void DrawFixture::Click(const std::vector<int>& balls) {
  for (int ball : balls) Click(ball);
}

std::vector<int> DrawFixture::Cells(const Balls& balls, std::initializer_list<int> ks) {
  std::vector<int> out;
  for (int k : ks) out.push_back(CellBall(balls, k));
  return out;
}

std::vector<std::pair<std::string, int>> DrawFixture::Standings() {
  std::vector<std::pair<std::string, int>> rows;
  EXPECT_TRUE(run().FlushStandings());
  auto status = workspace_->standings.ForEach({"", "decres", {}}, [&rows](const store::Row& row) {
    rows.emplace_back(row.record.Text("cartela"), row.record.Int("pedras").value_or(-1));
    EXPECT_EQ(row.record.Int("decres"), 12 - row.record.Int("pedras").value_or(-1));
    return true;
  });
  EXPECT_TRUE(status);
  return rows;
}

}  // namespace tavelao::draw::testing
