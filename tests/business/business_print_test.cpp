// The business cards (TFormEmpE) and the sponsor list (TFormEmp) as the
// preview gets them from "OK" and "Imprime a lista das empresas".

#include "business/business_print.h"

#include <gtest/gtest.h>

#include "business/business_card_layout.h"
#include "business/business_cards.h"
#include "business/event_data.h"
#include "business_fixture.h"
#include "layouts/print_card_file.h"

namespace tavelao::business {
namespace {

class BusinessPrintTest : public BusinessFixture {
 protected:
  report::Document Print(store::Table& cards, bool names_only = false) {
    auto document = PrintBusinessCards(dir.path(), {cards, event_table, sponsors_table}, options, names_only);
    EXPECT_TRUE(document) << document.error();
    return document ? std::move(*document) : report::Document{};
  }
  // The text item `name` of the k-th card (0 first) of the document.
  std::string TextOf(const report::Document& document, int card, const std::string& name) {
    const report::Page& page = document.pages.at(card / 2);
    return page.TextOf(name, card % 2).value_or("<none>");
  }
  std::string Names(const report::Document& document, int card, int k) {
    return TextOf(document, card, "Q" + BusinessNameField(k, 1)) + "|" +
           TextOf(document, card, "Q" + BusinessNameField(k, 2)) + "|" +
           TextOf(document, card, "Q" + BusinessNameField(k, 3));
  }

  session::CardOptions options;
};

TEST_F(BusinessPrintTest, CardOneShowsItsNumberDigitNumbersAndSponsors) {
  Name(15, "Padaria", "Pão Quente", "Centro");
  store::Table cards = CardFile({1, 2, 3});
  const report::Document document = Print(cards);
  EXPECT_EQ(document.name, "FormEmpE");
  EXPECT_EQ(document.records, 3u);
  ASSERT_EQ(document.pages.size(), 2u) << "two cards per page";
  EXPECT_EQ(document.pages[0].details, 2);
  EXPECT_EQ(TextOf(document, 0, "Cartela"), "Cartela: 1-9");
  EXPECT_EQ(TextOf(document, 1, "Cartela"), "Cartela: 2-7");
  EXPECT_EQ(TextOf(document, 0, "QN1"), "15");
  EXPECT_EQ(Names(document, 0, 1), "Padaria|Pão Quente|Centro");
  // A ball without sponsor prints empty lines.
  EXPECT_EQ(Names(document, 0, 2), "||");
  // Cell k lies in column (k-1) div 5, row (k-1) mod 5: N7 is column 2, row 2.
  const auto* n7 = document.pages[0].Find("QN7", 0);
  const auto* n2 = document.pages[0].Find("QN2", 0);
  ASSERT_TRUE(n7 && n2);
  EXPECT_NEAR(n7->rect.y, n2->rect.y, 0.01);
  EXPECT_GT(n7->rect.x, n2->rect.x + 100);
}

TEST_F(BusinessPrintTest, BallOneHundredTakesTheSponsorOfPedraZero) {
  Name(0, "Cem Mercado", "", "Filial 2");
  store::Table cards = CardFile({10000});
  const report::Document document = Print(cards);
  EXPECT_EQ(TextOf(document, 0, "QN22"), "00");
  EXPECT_EQ(Names(document, 0, 22), "Cem Mercado||Filial 2");
}

TEST_F(BusinessPrintTest, NamesOnlyLeavesTheNumbersEmptyButKeepsTheBallsSponsors) {
  Name(15, "Padaria");
  Name(9, "Açougue");
  store::Table cards = CardFile({1});
  const report::Document document = Print(cards, /*names_only=*/true);
  for (int k = 1; k <= 25; ++k) EXPECT_EQ(TextOf(document, 0, "QN" + std::to_string(k)), "") << k;
  EXPECT_EQ(Names(document, 0, 1), "Padaria||");
  EXPECT_EQ(Names(document, 0, 2), "Açougue||") << "card 1 holds 15, 09, ...";
  EXPECT_EQ(TextOf(document, 0, "Cartela"), "Cartela: 1-9");
}

TEST_F(BusinessPrintTest, TitleLettersFooterAndColourFollowTheEventAndOptions) {
  ASSERT_TRUE(StoreEventField(event_table, EventField::kPromotor, "Associação de Moradores"));
  ASSERT_TRUE(StoreEventField(event_table, EventField::kData, "07/03/2027"));
  ASSERT_TRUE(StoreEventField(event_table, EventField::kValor, "1234,5"));
  ASSERT_TRUE(StoreEventField(event_table, EventField::kObs2, "Traga sua caneta"));
  options.letters = {"S", "O", "R", "T", "E"};
  options.number_colours[0] = {0, 0, 200};
  Name(15, "Padaria");
  store::Table cards = CardFile({1});
  const report::Document document = Print(cards);
  EXPECT_EQ(TextOf(document, 0, "LabelTitulo"), "BINGO EMPRESARIAL");
  EXPECT_EQ(TextOf(document, 0, "Lb") + TextOf(document, 0, "Lo"), "SE");
  EXPECT_EQ(TextOf(document, 0, "LabelPromotor"), "Promovido por: ");
  EXPECT_EQ(TextOf(document, 0, "EditPromotor"), "Associação de Moradores");
  EXPECT_EQ(TextOf(document, 0, "EditData"), "07/03/2027");
  EXPECT_EQ(TextOf(document, 0, "EditValor"), "1.234,50");
  EXPECT_EQ(TextOf(document, 0, "LabelObs2"), "Traga sua caneta");
  const auto text_colour = [&](const char* name) {
    return std::get<report::PlacedText>(document.pages[0].Find(name, 0)->content).style.colour;
  };
  EXPECT_EQ(text_colour("QE011"), (Rgb{0, 0, 200}));
  EXPECT_EQ(text_colour("Cartela"), (Rgb{0, 0, 200}));
  EXPECT_EQ(text_colour("QN1"), (Rgb{255, 0, 0})) << "the numbers keep the design red";
}

TEST_F(BusinessPrintTest, ALongTitleGetsSmallerTypeInsteadOfBeingCut) {
  store::Table cards = CardFile({1});
  const auto title_points = [&] {
    const report::Document document = Print(cards);
    return std::get<report::PlacedText>(document.pages[0].Find("LabelTitulo", 0)->content).style.font.points;
  };
  EXPECT_DOUBLE_EQ(title_points(), 22);
  ASSERT_TRUE(StoreEventField(event_table, EventField::kTitulo, std::string(50, 'M')));
  const double points = title_points();
  EXPECT_LT(points, 16);
  EXPECT_GE(points, 12);
}

TEST_F(BusinessPrintTest, FooterPictureOnlyWhenTheFileExists) {
  store::Table cards = CardFile({1});
  EXPECT_EQ(Print(cards).pages[0].Find("ImagemRodape", 0), nullptr);
  testing::WriteBytes(dir / kFooterImageFile, "\xFF\xD8\xFF\xE0 not really a picture");
  const report::Document document = Print(cards);
  const auto* picture = document.pages[0].Find("ImagemRodape", 0);
  ASSERT_NE(picture, nullptr);
  EXPECT_NEAR(picture->rect.width, 712, 0.01);
  EXPECT_NEAR(picture->rect.height, 98, 0.01);
}

TEST_F(BusinessPrintTest, EveryOkRebuildsTheBusinessCardFile) {
  Name(15, "Padaria");
  store::Table first = CardFile({1, 2});
  Print(first);
  store::Table second = CardFile({5});
  const report::Document document = Print(second);
  EXPECT_EQ(document.records, 1u);
  auto rebuilt = store::Table::Open(dir / kBusinessCardFile);
  ASSERT_TRUE(rebuilt);
  EXPECT_EQ(rebuilt->Count().value(), 1);
}

TEST_F(BusinessPrintTest, SponsorListHasTheHundredBallsInPedraOrder) {
  Name(0, "Cem");
  Name(99, "Noventa", "e nove");
  auto document = PrintSponsorList(sponsors_table);
  ASSERT_TRUE(document) << document.error();
  EXPECT_EQ(document->records, 100u);
  ASSERT_EQ(document->pages.size(), 2u);
  const report::Page& first = document->pages[0];
  EXPECT_EQ(first.TextOf("LabelTituloLista", report::kPageHeader), "Bingo Empresarial - Listagem das 100 empresas");
  EXPECT_EQ(first.TextOf("TituloNome2", report::kPageHeader), "Nome - Linha 2");
  EXPECT_EQ(first.TextOf("Pedra", 0), "00");
  EXPECT_EQ(first.TextOf("Nome1", 0), "Cem");
  const report::Page& last = document->pages[1];
  EXPECT_EQ(last.TextOf("Pedra", last.details - 1), "99");
  EXPECT_EQ(last.TextOf("Nome2", last.details - 1), "e nove");
}

TEST_F(BusinessPrintTest, ModelThirtyThreeLeavesTheCardFileOpenForThePanel) {
  store::Table cards = CardFile({1, 2});
  layouts::PrintRequest request;
  request.model_code = 33;
  auto printed = layouts::PrintCardFile(request, cards, {}, {});
  ASSERT_TRUE(printed);
  EXPECT_EQ(printed->kind, layouts::PrintKind::kEditor);
  EXPECT_FALSE(printed->card_file_deleted);
  EXPECT_TRUE(cards.is_open());
  EXPECT_TRUE(std::filesystem::exists(dir / issue::kCardFile));
}

}  // namespace
}  // namespace tavelao::business
