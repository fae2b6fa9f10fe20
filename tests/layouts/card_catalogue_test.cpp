// Every model of the catalogue printed the way the program prints it:
// PrintCardFile, then for the editor models the editor's stored positions
// (as tavelao-cli emite does) and for business bingo its cards.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>

#include "business/business_print.h"
#include "editors/stored_frame_print.h"
#include "layout_fixture.h"
#include "layouts/card_models.h"
#include "layouts/print_card_file.h"
#include "session/data_files.h"

namespace tavelao::layouts {
namespace {

constexpr int kFirst = 1041;  // four digits: no ball number reads as one
constexpr int kQuantity = 3;

// The layout each model prints through.
const std::map<int, std::string> kLayoutOfModel = {
    {1, "FormCar"},    {2, "FormCar2"},   {3, "FormCar3"},   {6, "FormCar4a6"}, {4, "FormCar4"},
    {12, "FormCar12"}, {9, "FormCar9"},   {69, "FormCarA5"}, {25, "FormCar25"}, {33, "FormEmpE"},
    {44, "Form5Dia"},  {15, "Form15Can"}, {27, "Form20Can"}, {26, "Form25Can"},
};

// The card numbers that the detail bands show, in print order: the first of
// the issued numbers found among each band's texts, 0 when none is.
std::vector<int> CardsPrinted(const report::Document& document) {
  std::vector<int> cards;
  for (const report::Page& page : document.pages) {
    for (int band = 0; band < page.details; ++band) {
      int found = 0;
      for (const report::PlacedItem* item : page.BandItems(band)) {
        const auto* text = std::get_if<report::PlacedText>(&item->content);
        for (int n = kFirst; text && !found && n < kFirst + kQuantity; ++n) {
          if (text->text.find(std::to_string(n)) != std::string::npos) found = n;
        }
      }
      cards.push_back(found);
    }
  }
  return cards;
}

class CardCatalogueTest : public LayoutTest {
 protected:
  // The document of the model, through the route its catalogue entry names.
  report::Document PrintModel(const CardModel& model, std::string number_box = {}, bool large_card = false) {
    Issue(kFirst, kQuantity);
    PrintRequest request;
    request.model_code = model.code;
    request.number_box_text = std::move(number_box);
    request.large_card = large_card;
    request.options = options;
    auto printed = PrintCardFile(request, card_file, password, issuer);
    EXPECT_TRUE(printed.ok()) << printed.error();
    if (!printed.ok()) return {};
    switch (model.route) {
      case PrintRoute::kFixedLayout:
        EXPECT_EQ(printed->kind, PrintKind::kPreview) << model.code;
        EXPECT_EQ(CardFileExists(), model.keeps_card_file) << model.code;
        return std::move(printed->document);
      case PrintRoute::kFrameEditor: {
        EXPECT_EQ(printed->kind, PrintKind::kEditor) << model.code;
        auto stored = editors::PrintWithStoredFrameEditor(model.code, printed->frames, printed->large_card,
                                                          options.card, dir.path(), card_file, password, issuer);
        EXPECT_TRUE(stored.ok()) << stored.error();
        return stored.ok() ? std::move(stored->document) : report::Document{};
      }
      case PrintRoute::kNumberEditor: {
        EXPECT_EQ(printed->kind, PrintKind::kEditor) << model.code;
        auto stored = editors::PrintWithStoredNumberEditor(dir.path(), card_file, password, issuer);
        EXPECT_TRUE(stored.ok()) << stored.error();
        return stored.ok() ? std::move(*stored) : report::Document{};
      }
      case PrintRoute::kBusiness:
        EXPECT_EQ(printed->kind, PrintKind::kEditor) << model.code;
        return PrintBusiness();
      case PrintRoute::kNothing:
        EXPECT_EQ(printed->kind, PrintKind::kNothingPrinted) << model.code;
        EXPECT_FALSE(CardFileExists()) << model.code;
        return std::move(printed->document);
    }
    ADD_FAILURE() << "no print for the route of model " << model.code;
    return {};
  }

  report::Document PrintBusiness() {
    for (auto ensure : {session::EnsureSponsors, session::EnsureEvent}) {
      const Status made = ensure(dir.path());
      EXPECT_TRUE(made.ok()) << made.error();
    }
    auto sponsors = store::Table::Open(dir / session::kSponsorsFile);
    auto event = store::Table::Open(dir / session::kEventFile);
    if (!sponsors.ok() || !event.ok()) {
      ADD_FAILURE() << "business tables";
      return {};
    }
    auto document = business::PrintBusinessCards(dir.path(), {card_file, *event, *sponsors}, options.card, false);
    EXPECT_TRUE(document.ok()) << document.error();
    return document.ok() ? std::move(*document) : report::Document{};
  }

  bool CardFileExists() { return std::filesystem::exists(dir / issue::kCardFile); }
};

TEST_F(CardCatalogueTest, EveryModelPrintsTheIssuedCardsThroughItsRoute) {
  const std::vector<int> issued = {kFirst, kFirst + 1, kFirst + 2};
  for (const CardModel& model : CardModels()) {
    SCOPED_TRACE(model.menu);
    const report::Document document = PrintModel(model);
    if (model.route == PrintRoute::kNothing) {
      EXPECT_TRUE(document.pages.empty());
      continue;
    }
    EXPECT_FALSE(document.pages.empty());
    EXPECT_EQ(document.records, issued.size());
    EXPECT_EQ(CardsPrinted(document), issued) << "one card per detail band, in card order";
    const auto layout = kLayoutOfModel.find(model.code);
    ASSERT_NE(layout, kLayoutOfModel.end()) << "model " << model.code << " prints through which layout?";
    EXPECT_EQ(document.name, layout->second);
  }
}

TEST_F(CardCatalogueTest, TheLargeCardIsOnlyForTheA4FramesThatFitIt) {
  struct Case {
    int code;
    const char* frames;
    const char* layout;
  };
  for (const Case& c : {Case{9, "4", "FormCar9G"}, Case{9, "7", "FormCar9"}, Case{69, "4", "FormCarA5"}}) {
    const report::Document document = PrintModel(*FindCardModel(c.code), c.frames, /*large_card=*/true);
    EXPECT_EQ(document.name, c.layout) << c.code << " " << c.frames;
    EXPECT_EQ(document.records, static_cast<std::size_t>(kQuantity));
  }
}

// A new entry must hold together: one route with what it needs, and names
// that no other entry takes.
TEST(CardCatalogue, EntriesAreConsistent) {
  std::set<int> codes;
  std::set<std::string_view> menus;
  std::set<std::string_view> submenus;
  for (const CardSubmenu& submenu : CardSubmenus()) submenus.insert(submenu.caption);
  for (const CardModel& model : CardModels()) {
    SCOPED_TRACE(model.menu);
    EXPECT_TRUE(codes.insert(model.code).second) << "code taken twice";
    EXPECT_TRUE(menus.insert(model.menu).second) << "menu entry taken twice";
    EXPECT_EQ(FindCardModel(model.code), &model);
    EXPECT_EQ(FindCardModelByMenu(model.menu), &model);
    if (model.submenu) {
      EXPECT_TRUE(submenus.contains(model.submenu));
    }
    EXPECT_EQ(model.layout != nullptr, model.route == PrintRoute::kFixedLayout);
    const bool frames = model.editor == CardEditor::kFramesA4 || model.editor == CardEditor::kFramesA5;
    EXPECT_EQ(frames, model.route == PrintRoute::kFrameEditor);
    EXPECT_EQ(model.editor == CardEditor::kNumbers, model.route == PrintRoute::kNumberEditor);
    EXPECT_EQ(model.editor == CardEditor::kBusiness, model.route == PrintRoute::kBusiness);
    EXPECT_EQ(frames, model.panel.extra == ExtraInput::kFrames) << "the frames are typed in the number box";
    if (model.panel.large_card) {
      EXPECT_EQ(model.editor, CardEditor::kFramesA4);
    }
    if (model.keeps_card_file) {
      EXPECT_EQ(model.route, PrintRoute::kFixedLayout);
    }
  }
}

}  // namespace
}  // namespace tavelao::layouts
