// Draw type: columns in play, the "TiposSor.cds" record, the card-size
// choice and its confirmation.

#include "draw/draw_type.h"

#include <gtest/gtest.h>

#include "draw_fixture.h"

namespace tavelao::draw {
namespace {

using testing::DrawFixture;

store::Record DrawTypeRow(session::Workspace& ws) {
  auto rows = ws.draw_type.Select();
  EXPECT_TRUE(rows);
  EXPECT_EQ(rows->size(), 1u) << "the draw type is one record";
  return rows->front().record;
}

TEST(DescribeDrawType, ListsTickedPatternsInRecordOrderWithTheirColumns) {
  DrawChoice choice;
  choice.full_card = false;
  choice.patterns[Index(Pattern::Linha)] = true;
  choice.patterns[Index(Pattern::Cantos)] = true;
  choice.patterns[Index(Pattern::Janelao)] = true;
  EXPECT_EQ(DescribeDrawType(choice).outros, "Outros sorteios: CANTOS LINHA JANELÃO ");

  DrawChoice bin;
  bin.full_card = false;
  bin.patterns[Index(Pattern::Bin)] = true;
  bin.patterns[Index(Pattern::Porta)] = true;
  EXPECT_EQ(DescribeDrawType(bin).columns, (ColumnFlags{true, true, true, true, false}));
  bin.card_size = CardSize::Five;  // the diagonal needs every column
  EXPECT_EQ(DescribeDrawType(bin).columns, (ColumnFlags{true, true, true, true, true}));
}

TEST(ClickCardSize, TicksOneBoxAtATime) {
  DrawChoice choice;
  ClickCardSize(choice, CardSize::Fifteen, true);
  EXPECT_EQ(choice.card_size, CardSize::Fifteen);
  ClickCardSize(choice, CardSize::Twenty, false);  // not the ticked one
  EXPECT_EQ(choice.card_size, CardSize::Fifteen);
  ClickCardSize(choice, CardSize::Fifteen, false);
  EXPECT_FALSE(choice.card_size);
}

TEST(RefreshDrawType, CantosAlonePlaysFortyBallsAndWritesTheRecord) {
  DrawFixture f;
  f.Start(CardSize::TwentyFive, {Pattern::Cantos}, /*full_card=*/false);
  ASSERT_TRUE(f.run().RefreshDrawType());
  EXPECT_EQ(f.state().balls_in_play, 40);
  EXPECT_EQ(f.state().outros, "Outros sorteios: CANTOS ");
  const auto board = f.run().Board();
  EXPECT_EQ(board[0].caption, "01");
  EXPECT_EQ(board[19].caption, "20");
  EXPECT_EQ(board[20].caption, "") << "column I is blank";
  EXPECT_EQ(board[79].caption, "");
  EXPECT_EQ(board[80].caption, "81");
  EXPECT_EQ(board[99].caption, "00");

  const store::Record r = DrawTypeRow(f.ws());
  EXPECT_EQ(r.Text("Tipos"), "Outros sor") << "cut to the field's ten characters";
  EXPECT_EQ(r.Text("Cantos"), "Sim");
  EXPECT_EQ(r.Text("Cheia"), "Não");
  EXPECT_EQ(r.Text("Linha"), "Não");
  EXPECT_EQ(r.Bool("Col1"), true);
  EXPECT_EQ(r.Bool("Col2"), false);
  EXPECT_EQ(r.Bool("Col4"), false);
  EXPECT_EQ(r.Bool("Col5"), true);
  EXPECT_EQ(r.Text("lb"), "B") << "letters stay as start-up wrote them";

  // Only balls 1-20 and 81-100 can be marked.
  EXPECT_FALSE(f.Click(30).accepted);
  EXPECT_TRUE(f.Click(81).accepted);
  EXPECT_EQ(f.state().drawn_count, 1);
  EXPECT_EQ(f.state().order_text, "Ordem do sorteio:81 ");
}

TEST(RefreshDrawType, FifteenAndTwentyPlayTheWholeBoardWithoutWritingTheRecord) {
  DrawFixture f;
  ASSERT_TRUE(f.run().ClickCardSize(CardSize::Twenty, true));
  ASSERT_TRUE(f.run().ClickFullCard(false));  // would blank the board for 25
  EXPECT_EQ(f.state().balls_in_play, 100);
  EXPECT_EQ(f.run().Board()[45].caption, "46");
  EXPECT_EQ(DrawTypeRow(f.ws()).Text("Tipos"), "") << "the record is not written";
}

TEST(RefreshDrawType, TickingMidDrawRecountsSorteadasOverTheColumnsInPlay) {
  DrawFixture f;
  f.Start(CardSize::TwentyFive, {Pattern::Cantos});
  f.Click({1, 30, 50, 90});
  EXPECT_EQ(f.state().drawn_count, 4);

  ASSERT_TRUE(f.run().ClickFullCard(false));
  EXPECT_EQ(f.state().balls_in_play, 40);
  EXPECT_EQ(f.state().drawn_count, 2) << "30 and 50 stay drawn but out of play";
  EXPECT_EQ(f.state().BallsLeft(), 38);
  EXPECT_TRUE(f.run().Board()[29].red) << "a ball out of play keeps its colour";
  EXPECT_EQ(f.run().Board()[29].caption, "");

  ASSERT_TRUE(f.run().ClickPattern(Pattern::Janelinha, true));
  EXPECT_EQ(f.state().balls_in_play, 100);
  EXPECT_EQ(f.state().drawn_count, 4);
  EXPECT_EQ(f.state().BallsLeft(), 96);
}

TEST(ConfirmCardSize, RefusesNoSizeAndSetsUpEachSize) {
  DrawFixture f;
  ASSERT_TRUE(f.run().ClickCardSize(CardSize::TwentyFive, false));
  EXPECT_FALSE(f.run().ConfirmCardSize());
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.last().title, "Tipo de sorteio não definido.");
  EXPECT_EQ(f.dialogs.last().text, "Marque 5,15, 20 ou 25 dezenas para o sorteio");

  ASSERT_TRUE(f.run().ClickCardSize(CardSize::Fifteen, true));
  const auto layout = f.run().ConfirmCardSize();
  ASSERT_TRUE(layout);
  EXPECT_FALSE(layout->full_card_controls);
  EXPECT_EQ(layout->sheet_frame_height, 164);
  EXPECT_EQ(layout->conference_cover_top, 173);
  EXPECT_EQ(layout->conference_cover_height, 80);
  EXPECT_EQ(layout->conference_panel_height, 198);
  EXPECT_EQ(f.state().outros, "Cartela com 15 pedras:");
  EXPECT_EQ(LayoutOf(CardSize::Twenty).sheet_frame_height, 202);
  EXPECT_TRUE(LayoutOf(CardSize::TwentyFive).full_card_controls);
  EXPECT_EQ(LayoutOf(CardSize::Five).outros, "Cartela com 5 pedras:");
}

}  // namespace
}  // namespace tavelao::draw
