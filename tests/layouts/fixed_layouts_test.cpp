#include <gtest/gtest.h>

#include <regex>

#include "layout_fixture.h"
#include "layouts/card_styles.h"
#include "report/geometry.h"

namespace tavelao::layouts {
namespace {

using report::kPageHeader;
using report::Mm;
using report::PlacedItem;
using report::PlacedText;

const PlacedText* TextItem(const report::Page& page, std::string_view name, int band) {
  const PlacedItem* item = page.Find(name, band);
  return item ? std::get_if<PlacedText>(&item->content) : nullptr;
}

std::string TextOr(const report::Page& page, std::string_view name, int band) {
  return page.TextOf(name, band).value_or("<none>");
}

TEST_F(LayoutTest, CardsPerPageAsTheModelsSay) {
  const std::pair<int, int> per_page[] = {{1, 1},   {2, 1},  {3, 1},  {6, 1},  {4, 4},
                                          {12, 12}, {44, 5}, {15, 5}, {27, 5}, {26, 5}};
  for (auto [model, cards] : per_page) {
    const report::Document document = Print(model, 1, 2 * cards + 1);
    ASSERT_EQ(document.pages.size(), 3u) << model;
    EXPECT_EQ(document.pages[0].details, cards) << model;
    EXPECT_EQ(document.pages[1].details, cards) << model;
    EXPECT_EQ(document.pages[2].details, 1) << model;
  }
}

TEST_F(LayoutTest, ThirteenInFormCar12AndSevenInFormCar4) {
  report::Document twelve = Print(12, 1, 13);
  ASSERT_EQ(twelve.pages.size(), 2u);
  EXPECT_EQ(twelve.pages[1].details, 1);
  EXPECT_EQ(twelve.pages[1].TextOf("Cartela", 0), "000013-" + std::string(1, card::CheckDigit(13)));
  report::Document four = Print(4, 1, 7);
  ASSERT_EQ(four.pages.size(), 2u);
  EXPECT_EQ(four.pages[1].details, 3);
}

TEST_F(LayoutTest, PagesAndCellsHaveTheirDesignedSizes) {
  const report::Document one = Print(1, 1, 1);
  EXPECT_NEAR(one.page.width(), 793.7, 0.1);
  EXPECT_NEAR(one.page.height(), 1122.5, 0.1);
  EXPECT_NEAR(one.page.margins.left, Mm(10), 1e-9);
  const PlacedItem* header = one.pages[0].Find("TextoLivre", kPageHeader);
  const PlacedItem* border = one.pages[0].Find("Cercadura", 0);
  ASSERT_TRUE(border);
  EXPECT_NEAR(border->rect.y, Mm(10) + Mm(177), 0.01) << "the card lies under 177 mm of free text";
  EXPECT_NEAR(border->rect.width, 718, 0.5);
  EXPECT_NEAR(border->rect.height, 353, 0.5);
  EXPECT_EQ(header, nullptr) << "no free text, nothing printed in its place";

  const report::Document twelve = Print(12, 1, 12);
  const PlacedItem* last = twelve.pages[0].Find("QN1", 11);
  ASSERT_TRUE(last);
  EXPECT_GT(last->rect.x, 2 * Mm(70)) << "third column";
  EXPECT_GT(last->rect.y, 3 * Mm(71)) << "fourth row";
  const PlacedItem* cell = twelve.pages[0].Find("QN1", 0);
  EXPECT_NEAR(cell->rect.width, Mm(10), 0.5);
}

// Row r of a frame holds N r, N r+5, ... N r+20, centred in their cells.
TEST_F(LayoutTest, FramesHoldTheNumbersInCellOrder) {
  for (int model : {1, 2, 3, 4, 12, 26}) {
    const report::Document document = Print(model, 42, 1);
    const report::Page& page = document.pages.at(0);
    const int frames = model == 2 ? 2 : model == 3 ? 3 : 1;
    const char* prefixes[] = {"QN", "RN", "SN"};
    for (int f = 0; f < frames; ++f) {
      const PlacedItem* first = page.Find(std::string(prefixes[f]) + "1", 0);
      ASSERT_TRUE(first) << model;
      for (int k = 1; k <= 25; ++k) {
        const std::string name = prefixes[f] + std::to_string(k);
        const PlacedItem* cell = page.Find(name, 0);
        ASSERT_TRUE(cell) << model << " " << name;
        EXPECT_EQ(std::get<PlacedText>(cell->content).text, bank.CardNumber(42, k)) << model << " " << name;
        EXPECT_NEAR(cell->rect.x - first->rect.x, ((k - 1) / 5) * first->rect.width, 0.01) << name;
        EXPECT_NEAR(cell->rect.y - first->rect.y, ((k - 1) % 5) * first->rect.height, 0.01) << name;
        EXPECT_EQ(std::get<PlacedText>(cell->content).style.halign, report::HAlign::kCentre);
      }
    }
    if (frames < 3) {
      EXPECT_EQ(page.Find(std::string(prefixes[frames]) + "1", 0), nullptr) << model;
    }
  }
}

TEST_F(LayoutTest, StripLayoutsPrintTheirRowsOnly) {
  const std::pair<int, std::vector<int>> shown[] = {
      {44, {1, 7, 13, 19, 25}},
      {15, {1, 2, 3, 6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23}},
      {27, {1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 16, 17, 18, 19, 21, 22, 23, 24}},
  };
  for (const auto& [model, cells] : shown) {
    const report::Document document = Print(model, 42, 1);
    const report::Page& page = document.pages.at(0);
    for (int k = 1; k <= 25; ++k) {
      const bool expected = std::find(cells.begin(), cells.end(), k) != cells.end();
      const std::string name = "QN" + std::to_string(k);
      EXPECT_EQ(page.Find(name, 0) != nullptr, expected) << model << " " << name;
      if (expected) {
        EXPECT_EQ(TextOr(page, name, 0), bank.CardNumber(42, k));
      }
    }
  }
}

TEST_F(LayoutTest, CardFortyTwoCarriesItsNumberAndCheckDigit) {
  for (int model : kFixedModels) {
    const report::Document document = Print(model, 42, 1);
    const report::Page& page = document.pages.at(0);
    if (model == 12) {
      EXPECT_EQ(TextOr(page, "Cartela", 0), "000042-6") << "FormCar12 prints no word";
    } else if (model == 6) {
      EXPECT_EQ(TextOr(page, "Cartela", kPageHeader), "Cartela: 000042-6");
    } else {
      EXPECT_EQ(TextOr(page, "Cartela", 0), "Cartela: 000042-6") << model;
    }
    const bool stub = model != 4 && model != 12;
    EXPECT_EQ(TextOr(page, "CartelaCanhoto", 0), stub ? "Cartela: 000042-6" : "<none>") << model;
  }
}

TEST_F(LayoutTest, AuthenticationLineAndBarCodeFollowThePassword) {
  password = *card::Password::FromText("ABCDE");
  for (int model : kFixedModels) {
    const report::Document document = Print(model, 42, 1);
    const report::Page& page = document.pages.at(0);
    const int band = model == 6 ? kPageHeader : 0;
    EXPECT_TRUE(std::regex_match(TextOr(page, "LabelSenha", band), std::regex("Autenticação:[0-9]{5}"))) << model;
    const PlacedItem* bar = page.Find("ImBarra", 0);
    const bool has_bar = model == 1 || model == 2 || model == 3 || model == 6;
    ASSERT_EQ(bar != nullptr, has_bar) << model;
    if (bar) {
      EXPECT_EQ(std::get<report::PlacedBarCode>(bar->content).image.width(), 117) << "12 digits";
    }
  }
  password = card::Password();
  const report::Document cleared = Print(1, 42, 1);
  EXPECT_EQ(TextOr(cleared.pages[0], "LabelSenha", 0), "");
  const auto& image = std::get<report::PlacedBarCode>(cleared.pages[0].Find("ImBarra", 0)->content).image;
  EXPECT_EQ(image.columns, card::MakeBarCodeImage("0000426")->columns) << "7 digits";
}

TEST_F(LayoutTest, ModelSixPrintsTheLinesOfTheNumberBox) {
  Issue(1, 1);
  for (auto [lines, printed] : {std::pair{4, 4}, {5, 5}, {6, 6}, {3, 4}, {9, 6}}) {
    options.lines = lines;
    const report::Document document = Print(FormCar4a6Layout(options));
    const report::Page& page = document.pages.at(0);
    for (int line = 1; line <= 6; ++line) {
      const std::string n = std::to_string(line);
      EXPECT_EQ(page.Find("Linha" + n, 0) != nullptr, line <= printed) << lines << " lines, Linha" << n;
      EXPECT_EQ(page.Find("LP" + n, 0) != nullptr, line <= printed) << lines << " lines, LP" << n;
    }
    EXPECT_EQ(TextOr(page, "Linha1", 0),
              "15  09  14  02  20  37  36  27  30  23  53  44  50  45  48  76  61  73  71  65  81  83  84  89  87");
    EXPECT_EQ(TextOr(page, "LP" + std::to_string(printed), 0), std::to_string(printed) + "º prêmio");
  }
}

TEST_F(LayoutTest, TitleLettersReachOnlyTheLayoutsThatFollowThem) {
  options.card.letters = {"L", "O", "T", "E", "S"};
  for (int model : kFixedModels) {
    const report::Document document = Print(model, 1, 1);
    const report::Page& page = document.pages.at(0);
    if (model == 6 || model == 44) {
      EXPECT_EQ(page.Find("Lb1", 0), nullptr) << model << " has no title row";
      continue;
    }
    const bool follows = model == 1 || model == 2 || model == 3 || model == 4;
    const int frames = model == 2 ? 2 : model == 3 ? 3 : 1;
    for (int f = 1; f <= frames; ++f) {
      const std::string k = std::to_string(f);
      const std::string word = TextOr(page, "Lb" + k, 0) + TextOr(page, "Li" + k, 0) + TextOr(page, "Ln" + k, 0) +
                               TextOr(page, "Lg" + k, 0) + TextOr(page, "Lo" + k, 0);
      EXPECT_EQ(word, follows ? "LOTES" : "BINGO") << model << " frame " << f;
    }
  }
}

TEST_F(LayoutTest, NumberColoursReachTheirLayoutsOnly) {
  options.card.number_colours = {session::Rgb{0, 0, 0}, session::Rgb{10, 20, 30}, session::Rgb{40, 50, 60}};
  auto colour_of = [&](int model, const char* cell) {
    const report::Document document = Print(model, 1, 1);
    const PlacedText* text = TextItem(document.pages.at(0), cell, 0);
    EXPECT_TRUE(text) << model << " " << cell;
    return text ? text->style.colour : report::Colour{1, 2, 3};
  };
  const report::Colour black{0, 0, 0};
  for (int model : {1, 2, 3, 4, 12, 15, 26}) EXPECT_EQ(colour_of(model, "QN1"), black) << model;
  EXPECT_EQ(colour_of(15, "QN13"), black);
  EXPECT_EQ(colour_of(2, "RN25"), (report::Colour{10, 20, 30}));
  EXPECT_EQ(colour_of(3, "RN1"), (report::Colour{10, 20, 30}));
  EXPECT_EQ(colour_of(3, "SN7"), (report::Colour{40, 50, 60}));
  EXPECT_EQ(colour_of(27, "QN1"), kDesignRed) << "Form20Can keeps its design colour";
  EXPECT_EQ(colour_of(44, "QN13"), kDesignRed) << "Form5Dia keeps its design colour";
}

TEST_F(LayoutTest, PrizeHeadingsHangOnTheFirstPrize) {
  options.card.prizes = {"  ", "Uma TV", "Uma bicicleta"};
  const report::Document hidden = Print(3, 1, 1);
  for (const char* heading : {"LP1", "LP2", "LP3"}) EXPECT_EQ(hidden.pages[0].Find(heading, 0), nullptr) << heading;
  EXPECT_EQ(TextOr(hidden.pages[0], "LabelP2", 0), "Uma TV") << "the texts print as they are";
  EXPECT_EQ(TextOr(hidden.pages[0], "LabelP1", 0), "  ");

  options.card.prizes[0] = "Uma moto";
  const report::Document shown = Print(2, 1, 1);
  EXPECT_EQ(TextOr(shown.pages[0], "LP1", 0), "1º prêmio");
  EXPECT_EQ(TextOr(shown.pages[0], "LP2", 0), "2º prêmio");
  EXPECT_EQ(shown.pages[0].Find("LP3", 0), nullptr) << "two frames, two headings";
  EXPECT_EQ(shown.pages[0].Find("LP1", 0)->rect.width, 200);
  EXPECT_EQ(TextOr(shown.pages[0], "LabelP1", 0), "Uma moto");
  EXPECT_EQ(Print(FormCarLayout(options)).pages[0].Find("LP1", 0), nullptr) << "FormCar has no prize heading";
}

TEST_F(LayoutTest, BorderCheckBoxSuppressesTheBorderOfTheFrameLayouts) {
  Issue(1, 1);
  options.suppress_border = true;
  for (const auto& layout : {FormCarLayout(options), FormCar2Layout(options), FormCar3Layout(options)}) {
    EXPECT_EQ(Print(layout).pages[0].Find("Cercadura", 0), nullptr) << layout.name;
  }
  EXPECT_NE(Print(Form15CanLayout(options)).pages[0].Find("Cercadura", 0), nullptr) << "strips keep theirs";
  options.suppress_border = false;
  const report::Document framed = Print(FormCarLayout(options));
  const PlacedItem* border = framed.pages[0].Find("Cercadura", 0);
  ASSERT_TRUE(border);
  EXPECT_EQ(std::get<report::PlacedBox>(border->content).pen.width, 1);
}

TEST_F(LayoutTest, FreeTextReachesItsLayouts) {
  options.free_text = std::make_shared<const std::string>("<p>Bingo da quermesse</p>");
  for (int model : kFixedModels) {
    const report::Document document = Print(model, 1, 1);
    const report::Page& page = document.pages.at(0);
    const bool header = model == 1 || model == 2 || model == 3 || model == 6;
    const PlacedItem* area = page.Find("TextoLivre", header ? kPageHeader : 0);
    if (model == 12) {
      EXPECT_EQ(area, nullptr);
      EXPECT_EQ(page.Find("TextoLivre", kPageHeader), nullptr);
      continue;
    }
    ASSERT_TRUE(area) << model;
    EXPECT_EQ(*std::get<report::PlacedRichText>(area->content).html, *options.free_text);
  }
  const report::Document one = Print(1, 1, 1);
  EXPECT_NEAR(one.pages[0].Find("TextoLivre", kPageHeader)->rect.height, Mm(177), 0.01);
}

// What an organiser would see as a fault: something off the sheet or out
// of its card, texts on top of each other, a bar code without white around
// it.
TEST_F(LayoutTest, NothingLeavesItsCardAndNoTextsOverlap) {
  password = *card::Password::FromText("ABCDE");
  options.card.prizes = {"Uma moto zero quilômetro", "Uma TV", "Uma bicicleta"};
  options.free_text = std::make_shared<const std::string>("<p>texto</p>");
  for (int model : kFixedModels) {
    const report::Document document = Print(model, 1, 13);
    const report::Page& page = document.pages.at(0);
    const report::Rect sheet{0, 0, document.page.width(), document.page.height()};
    for (int band = kPageHeader; band < page.details; ++band) {
      const auto items = page.BandItems(band);
      const PlacedItem* border = page.Find("Cercadura", band);
      std::vector<const PlacedItem*> texts;
      for (const PlacedItem* item : items) {
        EXPECT_TRUE(sheet.Contains(item->rect)) << model << " " << item->name;
        if (border) {
          EXPECT_TRUE(border->rect.Contains(item->rect, 1.0)) << model << " " << item->name;
        }
        if (std::holds_alternative<PlacedText>(item->content) ||
            std::holds_alternative<report::PlacedBarCode>(item->content)) {
          texts.push_back(item);
        }
      }
      for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
          const report::Rect& a = texts[i]->rect;
          const report::Rect& b = texts[j]->rect;
          const bool overlap =
              a.x < b.right() - 0.01 && b.x < a.right() - 0.01 && a.y < b.bottom() - 0.01 && b.y < a.bottom() - 0.01;
          EXPECT_FALSE(overlap) << model << ": " << texts[i]->name << " over " << texts[j]->name;
        }
      }
    }
    if (const PlacedItem* bar = page.Find("ImBarra", 0)) {
      EXPECT_GE(std::get<report::PlacedBarCode>(bar->content).quiet_zone, 10) << model;
    }
  }
}

}  // namespace
}  // namespace tavelao::layouts
