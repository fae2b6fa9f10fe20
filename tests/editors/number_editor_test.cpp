#include <gtest/gtest.h>

#include "editors/number_card_layout.h"
#include "editors/number_editor_table.h"
#include "frame_editor_fixture.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao::editors {
namespace {

using NumberEditorTest = FrameEditorTest;

TEST_F(NumberEditorTest, DefaultPositionsMakeAGridOfSixtyPixels) {
  Issue(42, 1);
  auto document = PrintNumberCards(DefaultNumberEditorState(), dir.path(), card_file, password, issuer);
  ASSERT_TRUE(document.ok()) << document.error();
  const report::Page& page = document->pages.at(0);
  EXPECT_EQ(page.Find("C11", 0)->rect.x, 60);
  EXPECT_EQ(page.Find("C11", 0)->rect.y, 60);
  EXPECT_EQ(page.Find("C125", 0)->rect.x, 300);
  EXPECT_EQ(page.Find("C125", 0)->rect.y, 300);
  EXPECT_EQ(page.Find("C12", 0)->rect.y, 120) << "column 1 runs down";
  EXPECT_EQ(page.TextOf("C11", 0), page.TextOf("M1", 0));
  EXPECT_EQ(page.Find("M1", 0)->rect.x, 126 + 25);
  EXPECT_EQ(page.Find("ImB1", 0)->rect.y, 440 + 23);
  EXPECT_EQ(page.Find("Dig2", 0)->rect.x, 200 + 59);
  EXPECT_EQ(document->name, "FormCar25");
}

TEST_F(NumberEditorTest, ANumberAtThePaperEdgePrintsClearOfIt) {
  const double edge = report::Mm(report::kPrinterEdgeMm);
  NumberEditorState state = DefaultNumberEditorState();
  state.numbers[0] = {0, 0};
  state.matrix = {kNumberPanelWidth, 0};
  Issue(42, 1);
  auto document = PrintNumberCards(state, dir.path(), card_file, password, issuer);
  ASSERT_TRUE(document.ok()) << document.error();
  const report::Page& page = document->pages.at(0);
  EXPECT_NEAR(page.Find("C11", 0)->rect.x, edge, 0.01);
  EXPECT_NEAR(page.Find("C11", 0)->rect.y, edge, 0.01);
  EXPECT_EQ(page.Find("F11", 0)->rect, page.Find("C11", 0)->rect) << "the box goes with its number";
  EXPECT_LE(page.Find("M25", 0)->rect.right(), 794 - edge + 0.01);
  EXPECT_NEAR(page.Find("M2", 0)->rect.x - page.Find("M1", 0)->rect.x, 25, 0.01) << "the matrix moves whole";
}

TEST_F(NumberEditorTest, TwoCardsPerSheetEachWithItsAuthenticationLine) {
  NumberEditorState state = DefaultNumberEditorState();
  SetTwoCards(state, true);
  EXPECT_EQ(NumberPanelHeight(state), 261);
  Issue(1, 3);
  auto document = PrintNumberCards(state, dir.path(), card_file, password, issuer);
  ASSERT_TRUE(document.ok());
  ASSERT_EQ(document->pages.size(), 2u);
  const report::Page& page = document->pages[0];
  EXPECT_EQ(page.details, 2);
  const report::PlacedItem* second = page.Find("LabelSenha", 1);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->rect.y, 552 + page.Find("LabelSenha", 0)->rect.y) << "the top of the lower half";
  EXPECT_GT(second->rect.x, 794 / 2) << "at the right";
  EXPECT_EQ(page.Find("C11", 1)->rect.y, 552 + 60);

  SetTwoCards(state, false);
  Issue(1, 3);
  EXPECT_EQ(PrintNumberCards(state, dir.path(), card_file, password, issuer)->pages.size(), 3u);
}

TEST_F(NumberEditorTest, ChecksLeaveOutTheSecondNumberBarCodesMatrixAndBorders) {
  NumberEditorState state = DefaultNumberEditorState();
  state.two_numbers = false;
  Issue(7, 1);
  auto one = PrintNumberCards(state, dir.path(), card_file, password, issuer);
  const report::Page& page = one->pages.at(0);
  EXPECT_NE(page.Find("NumCar1", 0), nullptr);
  EXPECT_NE(page.Find("ImB1", 0), nullptr);
  EXPECT_EQ(page.Find("NumCar2", 0), nullptr);
  EXPECT_EQ(page.Find("ImB2", 0), nullptr);

  state.suppress_bar_code = true;
  state.suppress_matrix = true;
  state.suppress_border = true;
  state.background = Rgb{255, 255, 0};
  Issue(7, 1);
  auto bare = PrintNumberCards(state, dir.path(), card_file, password, issuer);
  const report::Page& p = bare->pages.at(0);
  EXPECT_EQ(p.Find("ImB1", 0), nullptr);
  EXPECT_EQ(p.Find("M1", 0), nullptr);
  const auto& cell = std::get<report::PlacedBox>(p.Find("F11", 0)->content);
  EXPECT_EQ(cell.fill, (Rgb{255, 255, 0}));
  EXPECT_EQ(cell.pen.colour, (Rgb{255, 255, 0})) << "no border to see";
}

TEST_F(NumberEditorTest, ClosingAndReopeningRestoresEverything) {
  auto fresh = LoadNumberEditor(dir.path());
  ASSERT_TRUE(fresh.ok());
  EXPECT_EQ(fresh->band_height, 559) << "the designed band until the file exists";
  EXPECT_FALSE(fresh->two_cards);
  EXPECT_TRUE(fresh->two_numbers);

  NumberEditorState state = DefaultNumberEditorState();
  state.numbers[24] = {11, 12};
  state.block2 = {13, 14};
  state.matrix = {15, 16};
  state.font = {"Times New Roman", 18, false, Rgb{0, 128, 0}};
  state.background = Rgb{200, 200, 255};
  state.suppress_border = state.suppress_bar_code = state.suppress_matrix = true;
  state.two_numbers = false;
  SetTwoCards(state, true);
  Issue(1, 1);
  testing::WriteBytes(dir / kNumberEditorSecondFile, "x");
  const Status closed = CloseNumberEditor(dir.path(), state, card_file);
  ASSERT_TRUE(closed.ok()) << closed.error();
  EXPECT_FALSE(std::filesystem::exists(dir / issue::kCardFile));
  EXPECT_FALSE(std::filesystem::exists(dir / kNumberEditorSecondFile));

  auto back = LoadNumberEditor(dir.path());
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back->numbers, state.numbers);
  EXPECT_EQ(back->block2, state.block2);
  EXPECT_EQ(back->matrix, state.matrix);
  EXPECT_EQ(back->font, state.font);
  EXPECT_EQ(back->background, state.background);
  EXPECT_TRUE(back->suppress_border && back->suppress_bar_code && back->suppress_matrix);
  EXPECT_FALSE(back->two_numbers);
  EXPECT_TRUE(back->two_cards);
  EXPECT_EQ(back->band_height, 558);

  auto table = store::Table::Open(dir / kNumberEditorTable);
  auto rows = table->Select();
  EXPECT_EQ(rows->front().record.Text("C2C"), "True");
  EXPECT_EQ(rows->front().record.Text("Fundo"), std::to_string(200 + 200 * 256 + 255 * 65536));
}

TEST_F(NumberEditorTest, CliPrintsModel25WithTheStoredTable) {
  NumberEditorState state = DefaultNumberEditorState();
  SetTwoCards(state, true);
  ASSERT_TRUE(SaveNumberEditor(dir.path(), state).ok());
  const auto run = testing::RunCli(dir.path(), "emite --modelo 25 --inicial 1 --quantidade 3 --pdf n.pdf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("FormCar25"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("2 página(s)"), std::string::npos) << run.out;
  EXPECT_FALSE(std::filesystem::exists(dir / issue::kCardFile));
}

}  // namespace
}  // namespace tavelao::editors
