// The pages of the two layout editors on every output (see
// support/page_checks.h): the frame editor's A4 page, large card and A5
// page with every frame and a prize as long as its field over each, and the
// number editor's card, one and two to a sheet, as their windows open.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "editors/number_card_layout.h"
#include "frame_editor_fixture.h"
#include "support/page_checks.h"
#include "support/required_tool.h"

namespace tavelao::editors {
namespace {

// Nine prize descriptions of the 30 characters premio1..premio9 hold, in
// capitals as organisers type them.
const char* const kPrizes[9] = {
    "TELEVISOR 50 POLEGADAS SAMSUNG", "CELULAR SAMSUNG GALAXY A54 MAX", "MOTOCICLETA HONDA POP 110I 0KM",
    "GELADEIRA BRASTEMP FROST FREE!", "FOGAO ATLAS 5 BOCAS COM FORNO!", "BICICLETA CALOI ARO 29 21 MARC",
    "NOTEBOOK LENOVO IDEAPAD 15 POL", "CESTA BASICA COMPLETA 30 ITENS", "MICROONDAS ELECTROLUX 31 LITRO"};

class EditorPrintGeometryTest : public FrameEditorTest {
 protected:
  void SetUp() override {
    FrameEditorTest::SetUp();
    password = *card::Password::FromText("ABCDE");
    for (int j = 0; j < 9; ++j) {
      card.prizes[j] = kPrizes[j];
      EXPECT_EQ(std::string(kPrizes[j]).size(), 30u) << kPrizes[j];
    }
  }

  report::Document FirstPage(Result<report::Document> printed) {
    EXPECT_TRUE(printed.ok()) << (printed.ok() ? "" : printed.error());
    if (!printed.ok() || printed->pages.empty()) return {};
    return testing::OnePage(std::move(*printed));
  }
};

// A frame page as the window opens it, with `frames` shown.
struct FramePage {
  FrameEditorKind kind;
  int frames;
  const char* name;
  const char* blocks = "1";  // EditNN
};

// Every page size with all its frames. The large card holds the stub and
// the matrix under two rows of frames; six large frames fill the sheet, and
// print without them. Blocks side by side show every check digit.
const FramePage kFramePages[] = {
    {FrameEditorKind::kA4, 9, "FormCar9"},
    {FrameEditorKind::kA4, 9, "FormCar9_ThreeBlocks", "3"},
    {FrameEditorKind::kLarge, 4, "FormCar9G_FourFrames"},
    {FrameEditorKind::kLarge, 4, "FormCar9G_FourFramesSixBlocks", "6"},
    {FrameEditorKind::kLarge, 6, "FormCar9G_SixFramesNoStubNoMatrix"},
    {FrameEditorKind::kA5, 9, "FormCarA5"},
};

void PrintTo(const FramePage& page, std::ostream* out) { *out << page.name; }

class FrameCardGeometryTest : public EditorPrintGeometryTest, public ::testing::WithParamInterface<FramePage> {};

INSTANTIATE_TEST_SUITE_P(FramePages, FrameCardGeometryTest, ::testing::ValuesIn(kFramePages),
                         [](const ::testing::TestParamInfo<FramePage>& info) { return std::string(info.param.name); });

// The frames where the window first puts them with a prize as long as its
// field over each, and the blocks the window starts with; on the A5 page
// the second card number too.
TEST_P(FrameCardGeometryTest, EveryFrameWithItsLongPrizeOnEveryOutput) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  TAVELAO_REQUIRE_TOOL("pdftoppm");
  const FramePage& page = GetParam();
  const FrameEditorVariant& variant = FrameVariant(page.kind);
  FrameEditorState state = DefaultFrameEditorState(variant);
  ShowFrames(variant, state, page.frames);
  state.blocks_text = page.blocks;
  ApplyBlockCount(variant, state);
  if (!variant.has_stub) {
    state.check_sc = true;  // "Número da cartela duplicado"
    ApplyBlockCount(variant, state);
  } else if (page.frames > 4) {
    state.check_sc = true;  // "Suprime canhoto ..."
    state.suppress_matrix = true;
  }
  Issue(9'999, 1);
  const report::Document document =
      FirstPage(PrintFrameCards(variant, state, card, dir.path(), card_file, password, issuer));
  ASSERT_EQ(document.pages.size(), 1u);
  const std::vector<testing::PageOutput> outputs =
      testing::ExpectPageGeometry(document, testing::CardAreas(document), dir.path(), page.name);
  ASSERT_EQ(outputs.size(), 6u);
  testing::ExpectTextsWholeAndApart(outputs, std::vector<std::string>(kPrizes, kPrizes + page.frames),
                                    testing::ToMm(document.pages[0].bands.at(0)), page.name);
}

TEST_F(EditorPrintGeometryTest, NumberCardOneAndTwoToASheetOnEveryOutput) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  TAVELAO_REQUIRE_TOOL("pdftoppm");
  for (bool two_cards : {false, true}) {
    NumberEditorState state = DefaultNumberEditorState();
    SetTwoCards(state, two_cards);
    Issue(9'999, 2);
    const report::Document document = FirstPage(PrintNumberCards(state, dir.path(), card_file, password, issuer));
    ASSERT_EQ(document.pages.size(), 1u);
    ASSERT_EQ(document.pages[0].details, two_cards ? 2 : 1);
    testing::ExpectPageGeometry(document, testing::CardAreas(document), dir.path(),
                                two_cards ? "FormCar25, two cards a sheet" : "FormCar25");
  }
}

}  // namespace
}  // namespace tavelao::editors
