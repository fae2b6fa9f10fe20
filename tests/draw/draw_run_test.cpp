// The draw run through the calls the screens make, grouped by card size and
// pattern: what Memo1, the winners sheet, the standings and the counters show
// after each ball.

#include "draw/draw_run.h"

#include <gtest/gtest.h>

#include <set>

#include "card/card_identity.h"
#include "draw_fixture.h"

namespace tavelao::draw {
namespace {

using testing::Balls;
using testing::DrawFixture;
using testing::Ladder;

std::vector<int> RowsOneToThree(const Balls& b) {
  return DrawFixture::Cells(b, {1, 2, 3, 6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23});
}

// ---- 25 numbers, patterns ----

TEST(Patterns25, ColumnAndRowOnOneBallGiveColunaBeforeLinhaAndTwoFrames) {
  DrawFixture f;
  f.AddCard(10001, Ladder(0), 7, 1);
  f.Start(CardSize::TwentyFive, {Pattern::Coluna, Pattern::Linha});
  f.Click({1, 2, 4, 5, 23, 43, 63, 83});  // column 1 and row 3 each miss ball 3
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"1 coluna(s) faltando 1 pedra.", "1 linha(s) faltando 1 pedra."}));

  const BallOutcome outcome = f.Click(3);
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"CARTELA 010001 BATEU COLUNA Lote:000007 Seq:001",
                                                "CARTELA 010001 BATEU LINHA Lote:000007 Seq:001"}));
  EXPECT_EQ(f.state().memo_colour, MemoColour::LightYellow) << "only a whole card paints it white";
  EXPECT_EQ(outcome.winners, 2);
  EXPECT_EQ(f.state().new_winners, (std::vector<PassWinner>{{10001, Pattern::Coluna}, {10001, Pattern::Linha}}));
  EXPECT_EQ(outcome.unticked, (std::vector<Pattern>{Pattern::Linha, Pattern::Coluna}));
  EXPECT_TRUE(outcome.show_sheet);
  EXPECT_FALSE(f.state().mostra_visible);
  EXPECT_EQ(f.state().sheet.visible_frames, 2);
  EXPECT_EQ(f.state().sheet.frames[0].title, "Cartela 010001-3");
  EXPECT_EQ(f.state().sheet.frames[1].title, "Cartela 010001-3");
  EXPECT_EQ(f.state().sheet.frames[0].cells[0], "01");
  EXPECT_EQ(f.state().sheet.frames[0].cells[24], "85");
  EXPECT_FALSE(f.state().choice.Ticked(Pattern::Linha));
  EXPECT_FALSE(f.state().choice.Ticked(Pattern::Coluna));
}

TEST(Patterns25, TwoCardsCompletingCruzOnOneBallAreBothAnnouncedThenCruzIsGone) {
  DrawFixture f;
  Balls direct = Ladder(0);  // same Cruz as the first card, other cells differ
  direct[0] = 6, direct[1] = 7, direct[3] = 9, direct[4] = 10;
  f.AddCard(10001, Ladder(0), 3, 1);
  f.AddCard(10002, direct);
  f.AddCard(10003, Ladder(10), 3, 2);
  f.Start(CardSize::TwentyFive, {Pattern::Cruz}, /*full_card=*/false);
  f.Click({3, 23, 41, 42, 44, 45, 63, 83});   // both miss 43
  f.Click({13, 33, 51, 52, 53, 54, 55, 73});  // the third misses 93
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"3 Cruz(es) faltando 1 pedra."}));

  const BallOutcome won = f.Click(43);
  EXPECT_EQ(f.Memo(),
            (std::vector<std::string>{"CARTELA 010001 BATEU CRUZ Lote:000003 Seq:001", "CARTELA 010002 BATEU CRUZ"}))
      << "a direct card has no Lote part; a family completed in the pass reports no near-wins";
  EXPECT_EQ(won.unticked, (std::vector<Pattern>{Pattern::Cruz}));
  EXPECT_EQ(f.state().balls_in_play, 0) << "nothing left in play without Cheia";

  // The third card's Cruz is not announced: the pattern left the draw.
  ASSERT_TRUE(f.run().ClickFullCard(true));
  f.Click(93);
  EXPECT_TRUE(f.Memo().empty());
}

TEST(Patterns25, Ball100CoversColumnOAndShowsThe0Label) {
  DrawFixture f;
  f.letters = {"T", "A", "V", "E", "L"};
  f.AddCard(10004, Ladder(15));  // column O: 96..100
  f.Start(CardSize::TwentyFive, {Pattern::Coluna});
  f.Click({96, 97, 98, 99});
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"1 coluna(s) faltando 1 pedra."}));
  f.Click(100);
  EXPECT_EQ(f.state().last_ball, "L00");
  EXPECT_EQ(f.state().order_text, "Ordem do sorteio:96 97 98 99 00 ");
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"CARTELA 010004 BATEU COLUNA"}));
  EXPECT_EQ(f.state().sheet.frames[0].cells[24], "00");
}

TEST(Patterns25, SevenCompletionsAreAllListedAndTheFirstSixFillTheSheet) {
  DrawFixture f;
  for (int i = 0; i < 7; ++i) {
    Balls b = Ladder(0);  // the same corners 1, 5, 81, 85
    b[1] = 6 + i, b[2] = 13, b[3] = 14;
    f.AddCard(10011 + i, b, 1, i + 1);
  }
  f.Start(CardSize::TwentyFive, {Pattern::Cantos});
  f.run().ClickShowWinners(false);
  f.Click({1, 5, 81});
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"7 Cantos(s) faltando 1 pedra."}));
  const BallOutcome outcome = f.Click(85);

  std::vector<std::string> lines;
  for (int i = 0; i < 7; ++i) {
    lines.push_back("CARTELA 0100" + std::to_string(11 + i) + " BATEU CANTOS Lote:000001 Seq:00" +
                    std::to_string(i + 1));
  }
  EXPECT_EQ(f.Memo(), lines);
  EXPECT_EQ(outcome.winners, 7);
  EXPECT_EQ(f.state().sheet.visible_frames, 6);
  for (int i = 0; i < 6; ++i) {
    const std::string number = "0100" + std::to_string(11 + i);
    EXPECT_EQ(f.state().sheet.frames[i].title, "Cartela " + number + "-" + card::CheckDigit(number));
    EXPECT_EQ(f.state().sheet.frames[i].cells[1], BallLabel(6 + i));
  }
  EXPECT_FALSE(outcome.show_sheet) << "CBMostra unticked";
  EXPECT_TRUE(f.state().mostra_visible);
}

TEST(Patterns25, RowsMissingOneBallAreCountedEachAndFullCardCountsFrom24Balls) {
  DrawFixture f;
  f.AddCard(10001, Ladder(0), 2, 5);
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  f.Click({1, 21, 41, 61, 3, 23, 43, 63});  // rows 1 and 3 miss 81 and 83
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"2 linha(s) faltando 1 pedra."}));

  ASSERT_TRUE(f.run().ClickPattern(Pattern::Linha, false));
  std::vector<int> rest;
  for (int ball : Ladder(0)) {
    if (!f.state().drawn.Has(ball) && ball != 85) rest.push_back(ball);
  }
  f.Click(rest);  // 24 balls: the full card misses 85
  EXPECT_EQ(f.state().drawn_count, 24);
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"1 cartela(s) faltando 1 pedra."}));
  EXPECT_EQ(f.Standings(), (std::vector<std::pair<std::string, int>>{{"010001", 1}}));

  f.Click(85);
  EXPECT_EQ(f.state().memo_colour, MemoColour::White);
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"      Bateu:010001-3   Lote:000002    Seq:005"}));
  EXPECT_EQ(f.state().sheet.frames[0].title, "Cartela 010001-3");
  EXPECT_EQ(f.Standings(), (std::vector<std::pair<std::string, int>>{{"010001", 0}}));
}

// ---- 15 numbers ----

TEST(Cards15, NothingBefore14BallsThenStandingsAndTheWinOnThe15th) {
  DrawFixture f;
  f.AddCard(10001, Ladder(0));
  f.AddCard(10002, Ladder(5));
  f.Start(CardSize::Fifteen);
  const std::vector<int> balls = RowsOneToThree(Ladder(0));
  f.Click(std::vector<int>(balls.begin(), balls.begin() + 13));
  EXPECT_TRUE(f.Memo().empty());
  EXPECT_TRUE(f.Standings().empty());

  f.Click(balls[13]);
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"1 cartela(s) faltando 1 pedra."}));
  EXPECT_EQ(f.Standings(), (std::vector<std::pair<std::string, int>>{{"010001", 1}}));

  // Back to 13: the pass does not run and the table keeps the last standings.
  f.Click(balls[13]);
  EXPECT_TRUE(f.Memo().empty());
  EXPECT_EQ(f.Standings().size(), 1u);
  f.Click(balls[13]);

  f.Click(balls[14]);
  EXPECT_EQ(f.state().memo_colour, MemoColour::White);
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"      Bateu:010001-3  "}));
  EXPECT_EQ(f.state().sheet.visible_frames, 1);
}

TEST(Cards15, UnmarkingABallUndoesTheCountersAndTheWin) {
  DrawFixture f;
  f.AddCard(10001, Ladder(0));
  f.Start(CardSize::Fifteen);
  f.Click(RowsOneToThree(Ladder(0)));
  ASSERT_EQ(f.state().memo_colour, MemoColour::White);

  const BallOutcome outcome = f.Click(43);
  EXPECT_TRUE(outcome.accepted);
  EXPECT_FALSE(outcome.marked);
  EXPECT_EQ(f.state().drawn_count, 14);
  EXPECT_EQ(f.state().BallsLeft(), 86);
  EXPECT_FALSE(f.run().Board()[42].red);
  EXPECT_EQ(f.state().last_ball, "N43");
  EXPECT_EQ(f.state().order_text, "Ordem do sorteio:01 02 03 21 22 23 41 42 43 61 62 63 81 82 83 -43 ");
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"1 cartela(s) faltando 1 pedra."}));
  EXPECT_EQ(f.state().memo_colour, MemoColour::LightYellow);
}

// What the hall is told: a win once, on the ball that made it; the drawn
// order without the unmarked ball.
TEST(Cards15, ACardIsAnnouncedOnceAndTheOrderForgetsAnUnmarkedBall) {
  DrawFixture f;
  f.AddCard(10001, Ladder(0));
  f.AddCard(10002, Ladder(5));
  f.Start(CardSize::Fifteen);
  const std::vector<int> balls = RowsOneToThree(Ladder(0));
  f.Click(balls);
  EXPECT_EQ(f.state().new_winners, (std::vector<PassWinner>{{10001, std::nullopt}}));
  f.Click(99);  // the card is found complete again, but is no news
  EXPECT_TRUE(f.state().new_winners.empty());
  EXPECT_EQ(f.state().drawn_order.back(), 99);

  f.Click(balls[3]);  // unmarked: the card is incomplete
  EXPECT_TRUE(f.state().new_winners.empty());
  EXPECT_EQ(std::count(f.state().drawn_order.begin(), f.state().drawn_order.end(), balls[3]), 0);
  EXPECT_EQ(f.state().drawn_order.size(), 15u);
  f.Click(balls[3]);  // marked again: won again, told again
  EXPECT_EQ(f.state().new_winners, (std::vector<PassWinner>{{10001, std::nullopt}}));
  EXPECT_EQ(f.state().drawn_order.back(), balls[3]);
}

// More than 15 cards with the same count give only the heading; up to 15,
// three cards a line.
TEST(Cards15, StandingsListRunsOfCardsByPoints) {
  DrawFixture f;
  const Balls winner = Ladder(0);
  Balls one_short = winner, two_short = winner;
  one_short[0] = 10;
  two_short[0] = 10, two_short[1] = 11;
  f.AddCard(20001, winner, 9, 1);
  for (int n = 20002; n <= 20008; ++n) f.AddCard(n, one_short);
  for (int n = 20009; n <= 20024; ++n) f.AddCard(n, two_short, 9, n - 20007);
  f.Start(CardSize::Fifteen);
  f.Click(RowsOneToThree(winner));

  auto piece = [](int n) {
    const std::string number = "0" + std::to_string(n);
    return number + "-" + card::CheckDigit(number) + "  ";
  };
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{
                          " 23     16  ",
                          " 24     7   " + piece(20002) + piece(20003) + piece(20004),
                          "            " + piece(20005) + piece(20006) + piece(20007),
                          "            " + piece(20008),
                          "      Bateu:" + piece(20001) + " Lote:000009    Seq:001",
                      }));
}

// ---- 5 numbers ----

TEST(Cards5, MissingFourIsCountedButNotRecorded) {
  DrawFixture f;
  f.AddCard(10001, Ladder(0));  // diagonal 1, 22, 43, 64, 85
  f.Start(CardSize::Five);
  f.Click({1, 30, 50});
  EXPECT_TRUE(f.Memo().empty()) << "the pass starts at 4 balls";
  f.Click(70);
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"1 cartela(s) faltando 4 pedras."}));
  EXPECT_TRUE(f.Standings().empty());
  f.Click(22);
  EXPECT_EQ(f.Memo(), (std::vector<std::string>{"1 cartela(s) faltando 3 pedras."}));
  EXPECT_EQ(f.Standings(), (std::vector<std::pair<std::string, int>>{{"010001", 3}}));
}

// ---- the draw list ----

TEST(StartDraw, LeavesOutCardsWithoutUsableNumbersAndSaysSo) {
  DrawFixture f;
  f.AddCard(10001, Ladder(0));
  f.Validate(10002);  // empty bank record
  Balls wrong_column = Ladder(5);
  wrong_column[0] = 99;
  f.AddCard(10003, wrong_column);
  f.Start(CardSize::TwentyFive);
  ASSERT_EQ(f.run().cards().size(), 1u);
  EXPECT_EQ(f.run().cards().entry(0).CardNumber(), 10001);
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.last().title, "Cartelas fora do sorteio");
  EXPECT_NE(f.dialogs.last().text.find("010002, 010003"), std::string::npos) << f.dialogs.last().text;
}

TEST(StartDraw, EntriesCarryNumbersBatchAndEntry) {
  DrawFixture f;
  f.AddCard(10002, Ladder(0));
  f.AddCard(10001, Ladder(5), 12, 34);
  f.Start(CardSize::TwentyFive);
  ASSERT_EQ(f.run().cards().size(), 2u);
  EXPECT_EQ(f.run().cards().entry(0).Text(), testing::RecordOf(Ladder(5)) + "010001000012034");
  EXPECT_EQ(f.run().cards().entry(1).Text(), testing::RecordOf(Ladder(0)) + "010002         ");
}

// ---- electronic draw ----

TEST(ElectronicDraw, AllHundredBallsComeOutOnceThenTheButtonIsDisabled) {
  DrawFixture f;
  f.Start(CardSize::TwentyFive, {}, true, DrawMode::Electronic);
  EXPECT_FALSE(f.Click(5).accepted) << "no panel clicks in an electronic draw";
  std::set<int> seen;
  for (int i = 0; i < 100; ++i) {
    auto outcome = f.run().DrawRandomBall(f.letters);
    ASSERT_TRUE(outcome) << outcome.error();
    ASSERT_TRUE(outcome->accepted);
    EXPECT_TRUE(seen.insert(outcome->ball).second) << "ball " << outcome->ball << " twice";
  }
  EXPECT_EQ(seen.size(), 100u);
  EXPECT_FALSE(f.state().alea_enabled);
  EXPECT_FALSE(f.run().DrawRandomBall(f.letters)->accepted);
  auto record = f.ws().draw_type.RowAt({}, 1);
  ASSERT_TRUE(record && *record);
  for (int n = 1; n <= 100; ++n) EXPECT_EQ((*record)->record.Bool("P" + std::to_string(n)), true) << n;

  ASSERT_TRUE(f.run().EndDraw());
  record = f.ws().draw_type.RowAt({}, 1);
  for (int n = 1; n <= 100; ++n) EXPECT_EQ((*record)->record.Bool("P" + std::to_string(n)), false) << n;
  EXPECT_TRUE(f.Standings().empty());
  EXPECT_EQ(f.state().mode, DrawMode::None);
  EXPECT_EQ(f.state().drawn.Count(), 100) << "the drawn set stays until the next start";
}

TEST(ElectronicDraw, WithEveryBallInPlayDrawnTheButtonDrawsNothing) {
  DrawFixture f;
  f.Start(CardSize::TwentyFive, {Pattern::Cantos}, /*full_card=*/false, DrawMode::Electronic);
  for (int i = 0; i < 40; ++i) {
    auto outcome = f.run().DrawRandomBall(f.letters);
    ASSERT_TRUE(outcome && outcome->accepted);
    const int column = BallColumn(outcome->ball);
    EXPECT_TRUE(column == 1 || column == 5) << outcome->ball;
  }
  const std::string order = f.state().order_text;
  auto none = f.run().DrawRandomBall(f.letters);
  ASSERT_TRUE(none);
  EXPECT_FALSE(none->accepted);
  EXPECT_TRUE(f.state().alea_enabled) << "the button stays enabled";
  EXPECT_EQ(f.state().drawn_count, 40);
  EXPECT_EQ(f.state().order_text, order);
}

// ---- a ball's picture coming in ----

TEST(HeldBalls, NoBallComesInWhileHeldInEitherMode) {
  DrawFixture manual;
  manual.Start(CardSize::TwentyFive);
  manual.run().HoldBalls(true);
  EXPECT_FALSE(manual.Click(7).accepted);
  EXPECT_FALSE(manual.state().drawn.Has(7));
  EXPECT_EQ(manual.state().order_text, "Ordem do sorteio:");
  manual.run().HoldBalls(false);
  EXPECT_TRUE(manual.Click(7).accepted);

  DrawFixture electronic;
  electronic.Start(CardSize::TwentyFive, {}, true, DrawMode::Electronic);
  electronic.run().HoldBalls(true);
  auto held = electronic.run().DrawRandomBall(electronic.letters);
  ASSERT_TRUE(held);
  EXPECT_FALSE(held->accepted);
  EXPECT_EQ(electronic.state().drawn_count, 0);
  electronic.run().HoldBalls(false);
  EXPECT_TRUE(electronic.run().DrawRandomBall(electronic.letters)->accepted);
}

}  // namespace
}  // namespace tavelao::draw
