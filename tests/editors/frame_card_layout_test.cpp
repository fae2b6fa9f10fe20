#include <gtest/gtest.h>

#include <algorithm>

#include "editors/frame_editor_state.h"
#include "frame_editor_fixture.h"
#include "support/temp_folder.h"

namespace tavelao::editors {
namespace {

const FrameEditorVariant& kA4 = FrameVariant(FrameEditorKind::kA4);
const FrameEditorVariant& kLarge = FrameVariant(FrameEditorKind::kLarge);
const FrameEditorVariant& kA5 = FrameVariant(FrameEditorKind::kA5);

bool StartsWithAny(const std::string& name, std::initializer_list<const char*> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(), [&](const char* p) { return name.rfind(p, 0) == 0; });
}

bool Overlap(const report::Rect& a, const report::Rect& b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

// The items of `page` whose names start with one of `prefixes` and end in
// `number` ("Dig" and "5": Dig5), or all of that prefix when `number` is
// empty.
std::vector<const report::PlacedItem*> Items(const report::Page& page, std::initializer_list<const char*> prefixes,
                                             const std::string& number = "") {
  std::vector<const report::PlacedItem*> found;
  for (const auto& item : page.items) {
    for (const char* prefix : prefixes) {
      if (number.empty() ? item.name.rfind(prefix, 0) == 0 : item.name == prefix + number) found.push_back(&item);
    }
  }
  return found;
}

// The first pair, one of `a` and one of `b`, that lie over each other.
std::string FirstOverlap(const std::vector<const report::PlacedItem*>& a,
                         const std::vector<const report::PlacedItem*>& b) {
  for (const auto* x : a) {
    for (const auto* y : b) {
      if (x != y && Overlap(x->rect, y->rect)) return x->name + " over " + y->name;
    }
  }
  return "";
}

TEST_F(FrameEditorTest, HiddenFramesPrintNowhereWhateverTheirPositions) {
  for (const FrameEditorVariant* variant : {&kA4, &kLarge, &kA5}) {
    FrameEditorState state = DefaultFrameEditorState(*variant);
    for (int j = 3; j < 9; ++j) state.frames[j] = {10 + j, 20 + j};  // on the page
    ShowFrames(*variant, state, 3);
    const report::Page page = PrintPage(*variant, state);
    for (int j = 1; j <= 9; ++j) {
      const std::string n = std::to_string(j);
      const bool shown = j <= 3;
      EXPECT_EQ(Has(page, "Quadro" + n), shown) << variant->form_name << " frame " << j;
      EXPECT_EQ(Has(page, "C" + n + "1"), shown) << variant->form_name << " frame " << j;
      EXPECT_EQ(Has(page, "C" + n + "25"), shown) << variant->form_name << " frame " << j;
      EXPECT_EQ(Has(page, "LP" + n), shown) << variant->form_name << " frame " << j;
    }
    EXPECT_EQ(page.TextOf("C11", 0), page.TextOf("C31", 0)) << "every frame shows the same card";
    EXPECT_EQ(page.TextOf("C11", 0), page.TextOf("M1", 0));
  }
}

TEST_F(FrameEditorTest, BlocksAreShownFromTheLastBackwards) {
  FrameEditorState state = DefaultFrameEditorState(kA4);
  auto blocks_printed = [&](const std::string& typed) {
    state.blocks_text = typed;
    ApplyBlockCount(kA4, state);
    const report::Page page = PrintPage(kA4, state);
    std::string printed;
    for (int k = 1; k <= 6; ++k) {
      const std::string n = std::to_string(k);
      const bool num = Has(page, "Num" + n);
      EXPECT_EQ(num, Has(page, "Cart" + n));
      EXPECT_EQ(num, Has(page, "Dig" + n));
      EXPECT_EQ(num, Has(page, "ImB" + n));
      if (num) printed += n;
    }
    EXPECT_TRUE(Has(page, "NumCar")) << "the stub keeps its number";
    return printed;
  };
  EXPECT_EQ(blocks_printed("1"), "6");
  EXPECT_EQ(blocks_printed("0"), "");
  EXPECT_EQ(blocks_printed("2"), "56");
  EXPECT_EQ(blocks_printed(" 6 "), "123456");
  EXPECT_EQ(blocks_printed("7"), "123456") << "out of range changes nothing";
  EXPECT_EQ(blocks_printed("x"), "6") << "not a number counts as 1";
  EXPECT_EQ(BlockCount("x"), 1);
}

TEST_F(FrameEditorTest, OnlyNumbersLeavesTheVariableData) {
  for (const FrameEditorVariant* variant : {&kA4, &kA5}) {
    FrameEditorState state = DefaultFrameEditorState(*variant);
    state.only_numbers = true;
    state.blocks_text = "6";
    ApplyBlockCount(*variant, state);
    const report::Page page = PrintPage(*variant, state);
    ASSERT_FALSE(page.items.empty());
    for (const std::string& name : Names(page)) {
      const bool variable = StartsWithAny(name, {"C", "M", "Num", "Dig", "ImB", "LabelSenha", "LabelNome", "LabelEnd",
                                                 "LabelFone", "LabelCar", "Shape"});
      const bool decoration = StartsWithAny(name, {"QuadroM"}) || (variant == &kA5 && StartsWithAny(name, {"Cart"}));
      EXPECT_TRUE(variable && !decoration) << variant->form_name << " prints " << name;
    }
    EXPECT_TRUE(Has(page, "C925"));
    EXPECT_TRUE(Has(page, "M25"));
    EXPECT_TRUE(Has(page, "Num1"));
  }
  // On the A4 page the word of a block belongs to the block and stays.
  FrameEditorState state = DefaultFrameEditorState(kA4);
  state.only_numbers = true;
  EXPECT_TRUE(Has(PrintPage(kA4, state), "Cart6"));
}

TEST_F(FrameEditorTest, ABlankPrizeRemovesOnlyItsCaption) {
  card.prizes[2] = "   ";
  const report::Page page = PrintPage(kA4, DefaultFrameEditorState(kA4));
  EXPECT_FALSE(Has(page, "LP3"));
  EXPECT_TRUE(Has(page, "Quadro3"));
  EXPECT_TRUE(Has(page, "C325"));
  EXPECT_EQ(page.TextOf("LP1", 0), "1º prêmio");
  EXPECT_EQ(page.TextOf("LabelP2", 0), "Prêmio 2");
}

TEST_F(FrameEditorTest, ElementsPrintAtTwiceTheirHandlePosition) {
  FrameEditorState state = DefaultFrameEditorState(kA4);
  state.frames[0] = {100, 50};
  state.matrix = {10, 400};
  state.blocks[5] = {300, 450};
  const report::Page page = PrintPage(kA4, state);
  const report::Rect caption = page.Find("LP1", 0)->rect;
  EXPECT_EQ(caption.x, 200);
  EXPECT_EQ(caption.y, 100);
  const report::Rect box = page.Find("Quadro1", 0)->rect;
  EXPECT_EQ(box.x, 200);
  EXPECT_EQ(box.y, 140);
  EXPECT_EQ(page.Find("LabelP1", 0)->rect.y, 120);
  // Column 2, row 3 holds N8.
  EXPECT_EQ(page.Find("C18", 0)->rect.x, 200 + 38 + 7);
  EXPECT_EQ(page.Find("C18", 0)->rect.y, 100 + 2 * 37 + 86);
  EXPECT_EQ(page.Find("M3", 0)->rect.x, 20 + 52 + 2);
  EXPECT_EQ(page.Find("Num6", 0)->rect.x, 655);
  EXPECT_EQ(page.Find("ImB6", 0)->rect.y, 923);
  EXPECT_EQ(page.Find("NumCar", 0)->rect.x, 102);
}

// Handles go anywhere on the panel, the paper's edge included; what prints
// there moves in by just what the printer cannot print, all its parts
// together, and lands in the same place without its decorations.
TEST_F(FrameEditorTest, AnElementAtThePaperEdgeMovesInWhole) {
  const double edge = report::Mm(report::kPrinterEdgeMm);
  FrameEditorState state = DefaultFrameEditorState(kA4);
  state.frames[0] = {0, 0};
  state.frames[8] = {kA4.panel.width, kA4.panel.height};  // the far corner
  state.blocks[5] = {kA4.panel.width, kA4.panel.height};
  const report::Page page = PrintPage(kA4, state);
  const report::Rect box1 = page.Find("Quadro1", 0)->rect;
  EXPECT_NEAR(box1.x, edge, 0.01);
  EXPECT_NEAR(page.Find("LP1", 0)->rect.y, edge, 0.01);
  EXPECT_NEAR(page.Find("C11", 0)->rect.x - box1.x, kA4.frame.cell_origin.x, 0.01) << "the frame moves whole";
  const report::Rect box9 = page.Find("Quadro9", 0)->rect;
  EXPECT_NEAR(box9.right(), 794 - edge, 1) << "in from the right edge just far enough";
  EXPECT_LE(box9.bottom(), 1123 - edge + 0.01);
  const report::Rect bar_code = page.Find("ImB6", 0)->rect;
  EXPECT_LE(bar_code.right(), 794 - edge + 0.01);
  EXPECT_LE(bar_code.bottom(), 1123 - edge + 0.01);
  EXPECT_EQ(page.Find("C55", 0)->rect, PrintPage(kA4, DefaultFrameEditorState(kA4)).Find("C55", 0)->rect)
      << "a frame clear of the edge stays where its handle puts it";

  state.only_numbers = true;
  const report::Page numbers = PrintPage(kA4, state);
  EXPECT_EQ(numbers.Find("C11", 0)->rect, page.Find("C11", 0)->rect);
  EXPECT_EQ(numbers.Find("C925", 0)->rect, page.Find("C925", 0)->rect);
}

TEST_F(FrameEditorTest, TheOtherTwoPagesFollowTheirOwnGeometry) {
  FrameEditorState large = DefaultFrameEditorState(kLarge);
  large.frames[0] = {100, 50};
  const report::Page g = PrintPage(kLarge, large);
  EXPECT_EQ(g.Find("LabelP1", 0)->rect.x, 275) << "beside the caption";
  EXPECT_EQ(g.Find("Quadro1", 0)->rect.y, 120);
  EXPECT_EQ(g.Find("C16", 0)->rect.x, 200 + 60 + 5);
  EXPECT_FALSE(Has(g, "Quadro7"));
  EXPECT_NEAR(g.Find("LabelSenha", 0)->rect.y, report::Mm(report::kPrinterEdgeMm), 0.01)
      << "top right, clear of the paper's edge";

  FrameEditorState a5 = DefaultFrameEditorState(kA5);
  a5.matrix = {20, 300};
  const report::Page p = PrintPage(kA5, a5);
  EXPECT_EQ(p.Find("M1", 0)->rect.x, 40 + 17);
  EXPECT_EQ(p.Find("M14", 0)->rect.x, 40 + 34) << "half a cell further right";
  EXPECT_EQ(p.Find("M14", 0)->rect.y, 622);
  EXPECT_FALSE(Has(p, "LabelNome")) << "no stub on the A5 page";
  EXPECT_FALSE(Has(p, "Num2"));
  EXPECT_GT(p.Find("LabelSenha", 0)->rect.y, 700) << "bottom middle";
}

TEST_F(FrameEditorTest, SuppressionsLeaveTheirElementsOut) {
  FrameEditorState state = DefaultFrameEditorState(kA4);
  state.suppress_bar_code = true;
  state.suppress_matrix = true;
  state.check_sc = true;
  const report::Page page = PrintPage(kA4, state);
  for (const std::string& name : Names(page)) {
    EXPECT_FALSE(StartsWithAny(name, {"ImB", "M", "QuadroM",
                                      "Label"
                                      "Nome",
                                      "LabelCar", "NumCar", "Shape"}))
        << name;
  }
  EXPECT_TRUE(Has(page, "Num6"));

  FrameEditorState a5 = DefaultFrameEditorState(kA5);
  a5.check_sc = true;  // "Número da cartela duplicado"
  ApplyBlockCount(kA5, a5);
  const report::Page doubled = PrintPage(kA5, a5);
  EXPECT_TRUE(Has(doubled, "Num1"));
  EXPECT_TRUE(Has(doubled, "Num2"));
}

TEST_F(FrameEditorTest, TheBackgroundPictureIsStretchedOverThePage) {
  EXPECT_FALSE(Has(PrintPage(kA5, DefaultFrameEditorState(kA5)), "Imagem"));
  testing::WriteBytes(dir / kCardPicture, "not decoded until painted");
  const report::Page page = PrintPage(kA5, DefaultFrameEditorState(kA5));
  const report::PlacedItem* picture = page.Find("Imagem", 0);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(std::get<report::PlacedPicture>(picture->content).stretch);
  EXPECT_NEAR(picture->rect.width, 559, 1);
  EXPECT_EQ(page.items.front().name, "Imagem") << "under everything else";
}

TEST_F(FrameEditorTest, AClosedCardFileIsRefusedNotRead) {
  auto document = PrintFrameCards(kA4, DefaultFrameEditorState(kA4), card, dir.path(), card_file, password, issuer);
  ASSERT_FALSE(document.ok());
  EXPECT_NE(document.error().find("emissão"), std::string::npos);
}

TEST_F(FrameEditorTest, EveryCardOfTheFileGetsItsPage) {
  Issue(1, 3);
  auto document = PrintFrameCards(kA4, DefaultFrameEditorState(kA4), card, dir.path(), card_file, password, issuer);
  ASSERT_TRUE(document.ok());
  ASSERT_EQ(document->pages.size(), 3u);
  EXPECT_EQ(document->pages[2].TextOf("Num6", 0), "000003");
  EXPECT_EQ(document->name, "FormCar9");
}

// However many blocks are shown, each one's card number, check digit and
// bar code lie clear of every other block.
TEST_F(FrameEditorTest, NoBlockHidesTheCheckDigitOfAnother) {
  for (const FrameEditorVariant* variant : {&kA4, &kLarge}) {
    for (const char* count : {"2", "3", "4", "6"}) {
      FrameEditorState state = DefaultFrameEditorState(*variant);
      state.blocks_text = count;
      ApplyBlockCount(*variant, state);
      const report::Page page = PrintPage(*variant, state);
      for (int k = 1; k <= 6; ++k) {
        if (!state.block_shown[k - 1]) continue;
        const std::string n = std::to_string(k);
        ASSERT_TRUE(Has(page, "Dig" + n));
        for (int m = k + 1; m <= 6; ++m) {
          EXPECT_EQ(FirstOverlap(Items(page, {"Cart", "Num", "Dig", "ImB"}, n),
                                 Items(page, {"Cart", "Num", "Dig", "ImB"}, std::to_string(m))),
                    "")
              << variant->form_name << " with " << count << " blocks";
        }
      }
    }
  }
}

// The large card: with four frames nothing it prints lies over anything
// else's place; with six the matrix still keeps clear of frames 5 and 6.
TEST_F(FrameEditorTest, TheLargeCardKeepsItsMatrixStubAndBlocksClear) {
  FrameEditorState state = DefaultFrameEditorState(kLarge);
  state.blocks_text = "6";
  ApplyBlockCount(kLarge, state);
  ShowFrames(kLarge, state, 4);
  const report::Page four = PrintPage(kLarge, state);
  const auto frames =
      Items(four, {"Quadro1", "Quadro2", "Quadro3", "Quadro4", "C1", "C2", "C3", "C4", "LP", "LabelP", "l"});
  const auto matrix = Items(four, {"QuadroM", "M"});
  const auto stub = Items(four, {"LabelNome", "LabelEnd", "LabelFone", "LabelCar", "NumCar", "Dig", "Shape"});
  const auto blocks = Items(four, {"Cart", "Num", "ImB"});
  EXPECT_EQ(FirstOverlap(frames, matrix), "");
  EXPECT_EQ(FirstOverlap(frames, stub), "");
  EXPECT_EQ(FirstOverlap(frames, blocks), "");
  EXPECT_EQ(FirstOverlap(matrix, stub), "");
  EXPECT_EQ(FirstOverlap(matrix, blocks), "");
  EXPECT_EQ(FirstOverlap(blocks, Items(four, {"LabelNome", "LabelEnd", "LabelFone", "LabelCar", "NumCar", "Shape"})),
            "");

  ShowFrames(kLarge, state, 6);
  const report::Page six = PrintPage(kLarge, state);
  EXPECT_EQ(FirstOverlap(Items(six, {"Quadro5", "Quadro6", "LP5", "LP6", "C5", "C6"}), Items(six, {"QuadroM", "M"})),
            "");
  for (const auto* item : Items(six, {"QuadroM"})) {
    EXPECT_GE(item->rect.y, six.Find("LabelFone", 0)->rect.bottom()) << "under the stub";
    EXPECT_LE(item->rect.bottom(), 1123 - report::Mm(report::kPrinterEdgeMm) + 0.01);
  }
}

// The title-letter option reaches FormCar9 and FormCar9G, not FormCarA5.
TEST_F(FrameEditorTest, TheA5PageKeepsBingoWhateverTheLetters) {
  card.letters = {"T", "A", "V", "E", "L"};
  const report::Page a5 = PrintPage(kA5, DefaultFrameEditorState(kA5));
  EXPECT_EQ(a5.TextOf("lb1", 0), "B");
  EXPECT_EQ(a5.TextOf("lo9", 0), "O");
  EXPECT_EQ(PrintPage(kA4, DefaultFrameEditorState(kA4)).TextOf("lb1", 0), "T");
  EXPECT_EQ(PrintPage(kLarge, DefaultFrameEditorState(kLarge)).TextOf("lo6", 0), "L");
}

}  // namespace
}  // namespace tavelao::editors
