// What the audience screen shows, over a real draw marked ball by ball: the
// last ball and the last five through an unmark, the board, the draw types
// and their pictures, and the winners of the latest ball only.

#include "draw/audience_view.h"

#include <gtest/gtest.h>

#include "draw_fixture.h"

namespace tavelao::draw {
namespace {

using testing::Balls;
using testing::DrawFixture;
using testing::Ladder;

constexpr CellMask Cells(std::initializer_list<int> ks) {
  CellMask mask = 0;
  for (int k : ks) mask |= CellMask{1} << (k - 1);
  return mask;
}

// "G61": letter and label, as the hall reads a called ball.
std::vector<std::string> Called(const std::vector<CalledBall>& balls) {
  std::vector<std::string> out;
  for (const CalledBall& b : balls) out.push_back(b.letter + b.label);
  return out;
}

std::vector<std::string> Titles(const std::vector<AudienceFigure>& figures) {
  std::vector<std::string> out;
  for (const AudienceFigure& f : figures) out.push_back(f.title);
  return out;
}

class AudienceViewTest : public ::testing::Test {
 protected:
  AudienceView View(std::string_view title = "Bingo da Festa Junina") const {
    return AudienceViewOf(f.state(), f.letters, title);
  }
  DrawFixture f;
};

TEST_F(AudienceViewTest, LastBallAndLastFiveFollowTheDrawThroughAnUnmark) {
  f.AddCard(42, Ladder(0));
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  EXPECT_FALSE(View().last_ball);
  EXPECT_TRUE(View().last_balls.empty());

  f.Click({1, 21, 41, 61});
  ASSERT_TRUE(View().last_ball);
  EXPECT_EQ(*View().last_ball, (CalledBall{61, "G", "61"}));
  EXPECT_EQ(Called(View().last_balls), (std::vector<std::string>{"G61", "N41", "I21", "B01"}));

  f.Click({7, 30});
  EXPECT_EQ(Called(View().last_balls), (std::vector<std::string>{"I30", "B07", "G61", "N41", "I21"}))
      << "five at most, the most recent first";

  f.Click(30);  // the operator takes it back
  EXPECT_EQ(View().last_ball->ball, 7);
  EXPECT_EQ(Called(View().last_balls), (std::vector<std::string>{"B07", "G61", "N41", "I21", "B01"}));
  EXPECT_FALSE(View().board[29].drawn);
  EXPECT_EQ(View().drawn_count, 5);

  // Taking back an older ball leaves the last one where it is.
  f.Click(41);
  EXPECT_EQ(View().last_ball->ball, 7);
  EXPECT_EQ(Called(View().last_balls), (std::vector<std::string>{"B07", "G61", "I21", "B01"}));
}

TEST_F(AudienceViewTest, BoardShowsEveryBallWithItsPlayAndDraw) {
  f.Start(CardSize::TwentyFive, {Pattern::Cantos}, /*full_card=*/false);  // only columns B and O play
  f.Click({5, 100});
  const AudienceView view = View();
  EXPECT_EQ(view.balls_in_play, 40);
  EXPECT_EQ(view.drawn_count, 2);
  EXPECT_EQ(view.board[4].label, "05");
  EXPECT_TRUE(view.board[4].in_play && view.board[4].drawn);
  EXPECT_TRUE(view.board[5].in_play && !view.board[5].drawn);
  EXPECT_EQ(view.board[29].label, "30");
  EXPECT_FALSE(view.board[29].in_play) << "column N is out of this draw";
  EXPECT_EQ(view.board[99].label, "00");
  EXPECT_TRUE(view.board[99].drawn);
  EXPECT_EQ(*view.last_ball, (CalledBall{100, "O", "00"}));
  int in_play = 0;
  for (const BoardBall& ball : view.board) in_play += ball.in_play;
  EXPECT_EQ(in_play, 40);
}

TEST_F(AudienceViewTest, TitleLettersAreTheOptionsOwnWhateverTheyAre) {
  f.letters = {"T", "A", "V", "Ê", "Lu"};
  f.Start(CardSize::TwentyFive);
  f.Click({70, 100});
  const AudienceView view = View();
  EXPECT_EQ(view.letters, (std::array<std::string, 5>{"T", "A", "V", "Ê", "L"}));
  EXPECT_EQ(Called(view.last_balls), (std::vector<std::string>{"L00", "Ê70"})) << "a whole accented letter";
}

TEST_F(AudienceViewTest, EventTitleIsTheFirstPrizeOrElseTheLetters) {
  f.Start(CardSize::TwentyFive);
  EXPECT_EQ(View("  Grande Bingo de São João ").event_title, "Grande Bingo de São João");
  EXPECT_EQ(View("   ").event_title, "BINGO");
}

// ---- the draw types in play ----

TEST_F(AudienceViewTest, TwentyFiveNumbersShowTheFullCardAndEveryTickedPattern) {
  f.Start(CardSize::TwentyFive, {Pattern::Cantos, Pattern::Te});
  const std::vector<AudienceFigure> figures = View().figures;
  EXPECT_EQ(Titles(figures), (std::vector<std::string>{"CARTELA CHEIA", "TÊ", "CANTOS"}));
  ASSERT_EQ(figures.size(), 3u);
  EXPECT_EQ(figures[0].cells, kAllCells);
  EXPECT_EQ(figures[1].cells, Cells({1, 6, 11, 16, 21, 12, 13, 14, 15}));
  EXPECT_EQ(figures[2].cells, Cells({1, 5, 21, 25}));

  ASSERT_TRUE(f.run().ClickFullCard(false));
  ASSERT_TRUE(f.run().ClickPattern(Pattern::Te, false));
  EXPECT_EQ(Titles(View().figures), (std::vector<std::string>{"CANTOS"}));
  ASSERT_TRUE(f.run().ClickPattern(Pattern::Linha, true));
  EXPECT_EQ(View().figures.front().cells, Cells({1, 6, 11, 16, 21})) << "Linha is pictured by its first row";
}

TEST_F(AudienceViewTest, SmallerCardsShowOnlyTheirOwnFigure) {
  f.Start(CardSize::Fifteen);
  EXPECT_EQ(
      View().figures,
      (std::vector<AudienceFigure>{{"CARTELA CHEIA", Cells({1, 2, 3, 6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23})}}));
  f.Start(CardSize::Twenty);
  EXPECT_EQ(View().figures.at(0).cells, kAllCells & ~Cells({5, 10, 15, 20, 25}));
  f.Start(CardSize::Five, {Pattern::Linha});
  EXPECT_EQ(View().figures, (std::vector<AudienceFigure>{{"CARTELA CHEIA", Cells({1, 7, 13, 19, 25})}}))
      << "patterns belong to 25-number cards";
}

// ---- winners ----

TEST_F(AudienceViewTest, AWinIsAnnouncedAfterItsBallAndGoneAfterTheNext) {
  f.AddCard(42, Ladder(0));
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  f.Click({1, 21, 41, 61});
  EXPECT_TRUE(View().announcements.empty()) << "one ball short";

  f.Click(81);
  EXPECT_EQ(View().announcements, (std::vector<std::string>{"BINGO! Cartela 000042 — LINHA"}));
  EXPECT_EQ(Titles(View().figures), (std::vector<std::string>{"CARTELA CHEIA"})) << "the won pattern left the draw";

  f.Click(50);
  EXPECT_TRUE(View().announcements.empty());
}

TEST_F(AudienceViewTest, EveryCardWinningOnOneBallHasItsLine) {
  Balls second = Ladder(0);  // the same first row, the rest of column B differs
  second[1] = 6, second[2] = 7, second[3] = 8, second[4] = 9;
  f.AddCard(10001, Ladder(0));
  f.AddCard(10002, second);
  f.AddCard(10003, Ladder(5));
  f.Start(CardSize::TwentyFive, {Pattern::Linha, Pattern::Coluna});
  f.Click({1, 21, 41, 61, 2, 3, 4});
  f.Click(81);
  EXPECT_EQ(View().announcements,
            (std::vector<std::string>{"BINGO! Cartela 010001 — LINHA", "BINGO! Cartela 010002 — LINHA"}));
  f.Click(5);
  EXPECT_EQ(View().announcements, (std::vector<std::string>{"BINGO! Cartela 010001 — COLUNA"}));
  EXPECT_EQ(View().announced, 1);
}

// The last ball of a big draw completes thousands of cards: the view names
// the first ones, as many as a band can show, and counts them all.
TEST_F(AudienceViewTest, AFloodOfWinnersIsCountedAndOnlyTheFirstAreNamed) {
  constexpr int kWinners = 30;
  for (int i = 0; i < kWinners; ++i) f.AddCard(200 + i, Ladder(0));
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  f.Click({1, 21, 41, 61, 81});
  const AudienceView view = View();
  EXPECT_EQ(view.announced, kWinners);
  ASSERT_EQ(view.announcements.size(), kAnnouncementsListed);
  EXPECT_EQ(view.announcements.front(), "BINGO! Cartela 000200 — LINHA");
}

TEST_F(AudienceViewTest, ACardCompletingTwoRowsAtOnceIsOneLine) {
  f.AddCard(42, Ladder(0));
  f.Start(CardSize::TwentyFive);
  f.Click({1, 21, 41, 61, 81, 2, 22, 42, 62, 82});  // rows 1 and 2, while Linha is not played
  ASSERT_TRUE(f.run().ClickPattern(Pattern::Linha, true));
  f.Click(50);
  EXPECT_EQ(View().announcements, (std::vector<std::string>{"BINGO! Cartela 000042 — LINHA"}));
}

}  // namespace
}  // namespace tavelao::draw
