#include "layouts/print_card_file.h"

#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "layouts/card_models.h"

namespace tavelao::layouts {
namespace {

class PrintCardFileTest : public LayoutTest {
 protected:
  Result<PrintResult> PrintModel(int model, std::string number_box = {}) {
    PrintRequest request;
    request.model_code = model;
    request.number_box_text = std::move(number_box);
    request.options = options;
    return PrintCardFile(request, card_file, password, issuer);
  }
  bool CardFileExists() { return std::filesystem::exists(dir / issue::kCardFile); }
};

TEST_F(PrintCardFileTest, FrameAndGridModelsPreviewThenDeleteTheCardFile) {
  for (int model : {1, 2, 3, 4, 6, 12}) {
    Issue(41, 10);
    auto printed = PrintModel(model, "5");
    ASSERT_TRUE(printed.ok()) << printed.error();
    EXPECT_EQ(printed->kind, PrintKind::kPreview) << model;
    EXPECT_TRUE(printed->card_file_deleted);
    EXPECT_FALSE(card_file.is_open());
    EXPECT_FALSE(CardFileExists()) << model;
    EXPECT_EQ(printed->document.records, 10u) << "every page was made before the file went";
  }
}

TEST_F(PrintCardFileTest, StubModelsKeepTheCardFileOpen) {
  for (int model : {15, 26, 27, 44}) {
    Issue(1, 6);
    auto printed = PrintModel(model);
    ASSERT_TRUE(printed.ok());
    EXPECT_EQ(printed->kind, PrintKind::kPreview);
    EXPECT_EQ(printed->document.pages.size(), 2u);
    EXPECT_FALSE(printed->card_file_deleted);
    EXPECT_TRUE(card_file.is_open());
    EXPECT_TRUE(CardFileExists()) << model;
  }
}

TEST_F(PrintCardFileTest, ModelsWithoutLayoutPrintNothingAndDeleteTheFile) {
  for (int model : {5, 7, 0}) {
    Issue(1, 2);
    auto printed = PrintModel(model);
    ASSERT_TRUE(printed.ok());
    EXPECT_EQ(printed->kind, PrintKind::kNothingPrinted) << model;
    EXPECT_TRUE(printed->document.pages.empty());
    EXPECT_FALSE(CardFileExists()) << model;
  }
}

TEST_F(PrintCardFileTest, EditorModelsKeepTheirCardsOpenForTheEditor) {
  for (int model : {9, 69, 25, 33}) {
    Issue(1, 2);
    auto printed = PrintModel(model);
    ASSERT_TRUE(printed.ok());
    EXPECT_EQ(printed->kind, PrintKind::kEditor) << model;
    EXPECT_TRUE(card_file.is_open()) << model;
    EXPECT_TRUE(CardFileExists()) << model;
  }
}

TEST_F(PrintCardFileTest, ModelSixReadsTheNumberBox) {
  for (auto [typed, lines, shown] :
       {std::tuple{"3", 4, ""}, {"8", 6, ""}, {"x", 6, "9"}, {"", 6, "9"}, {" 5 ", 5, ""}}) {
    Issue(1, 1);
    auto printed = PrintModel(6, typed);
    ASSERT_TRUE(printed.ok());
    const report::Page& page = printed->document.pages.at(0);
    EXPECT_NE(page.Find("Linha" + std::to_string(lines), 0), nullptr) << typed;
    EXPECT_EQ(page.Find("Linha" + std::to_string(lines + 1), 0), nullptr) << typed;
    EXPECT_EQ(printed->number_box_text.value_or(""), shown) << typed;
    EXPECT_TRUE(printed->narrow_panel);
  }
}

TEST_F(PrintCardFileTest, BorderBoxOnlyReachesModelsOneToThree) {
  options.suppress_border = true;
  Issue(1, 1);
  auto one = PrintModel(1);
  EXPECT_EQ(one->document.pages[0].Find("Cercadura", 0), nullptr);
  Issue(1, 1);
  auto six = PrintModel(6, "6");
  EXPECT_NE(six->document.pages[0].Find("Cercadura", 0), nullptr);
}

TEST_F(PrintCardFileTest, AnEmptyCardFileOpensAnEmptyLayout) {
  Issue(10, -2);
  auto printed = PrintModel(1);
  ASSERT_TRUE(printed.ok());
  EXPECT_EQ(printed->kind, PrintKind::kPreview);
  EXPECT_EQ(printed->document.records, 0u);
  ASSERT_EQ(printed->document.pages.size(), 1u) << "the bare page with its header";
  EXPECT_EQ(printed->document.pages[0].details, 0);
}

TEST(CardModels, CatalogueInMenuOrder) {
  const auto models = CardModels();
  ASSERT_EQ(models.size(), 16u);
  EXPECT_STREQ(models.front().menu, "Menu9");
  EXPECT_STREQ(models.back().menu, "Menu25ccan");
  const CardModel* extra = FindCardModelByMenu("MenuExtra");
  ASSERT_TRUE(extra);
  EXPECT_EQ(extra->code, 5);
  EXPECT_STREQ(extra->name_shown, "Modelo Extra 1 por folha");
  EXPECT_STREQ(FindCardModel(27)->menu, "Cartelacom20pedras1");
  EXPECT_STREQ(FindCardModel(27)->submenu, "Modelos 5 cartelas por folha com canhoto");
  EXPECT_STREQ(FindCardModel(3)->name_shown, "Modelo uma cartela com 3 quadros  por folha");
  EXPECT_EQ(FindCardModel(8), nullptr);
}

TEST(CardModels, IssuePanelFollowsTheModel) {
  for (const CardModel& model : CardModels()) {
    const IssuePanelSetup setup = SelectCardModel(model);
    const int c = model.code;
    const bool wide = c == 1 || c == 2 || c == 3 || c == 6 || c == 9 || c == 69;
    EXPECT_EQ(setup.width, wide ? 377 : 265) << c;
    EXPECT_EQ(setup.number_box, c == 6 || c == 9 || c == 69) << c;
    EXPECT_EQ(setup.border_box, c == 1 || c == 2 || c == 3) << c;
    EXPECT_EQ(setup.model_name, model.name_shown);
  }
  EXPECT_EQ(SelectCardModel(*FindCardModel(6)).number_caption, "Número de linhas");
  EXPECT_EQ(SelectCardModel(*FindCardModel(6)).number_range, "(de 4 a 6)");
  EXPECT_EQ(SelectCardModel(*FindCardModel(69)).number_range, "(de 1 a 9)");
}

TEST(CardModels, NumberBoxRules) {
  EXPECT_TRUE(ShowsCardSizeChoice("6"));
  EXPECT_FALSE(ShowsCardSizeChoice("7"));
  EXPECT_TRUE(ShowsCardSizeChoice("x")) << "not a number counts as 1";
  EXPECT_EQ(FramesForModel9("0").value, 1);
  EXPECT_EQ(FramesForModel9("12").value, 9);
  EXPECT_EQ(FramesForModel9("abc").value, 9);
  EXPECT_EQ(LinesForModel6("x").written_back, "9");
  EXPECT_FALSE(LinesForModel6("2").written_back);
  EXPECT_EQ(LinesForModel6("2").value, 4);
}

}  // namespace
}  // namespace tavelao::layouts
