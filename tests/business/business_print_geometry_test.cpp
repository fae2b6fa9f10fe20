// The business cards and the sponsor list on every output (see
// support/page_checks.h), with every text as long as its field allows: the
// event's title, promoter, place and notes, and three name lines for the
// sponsor of each of the hundred balls.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "business/business_print.h"
#include "business/event_data.h"
#include "business/sponsor_list_layout.h"
#include "business_fixture.h"
#include "common/text.h"
#include "support/page_checks.h"
#include "support/required_tool.h"

namespace tavelao::business {
namespace {

// Name lines of 15 characters, the most Nome1..Nome3 hold.
const char* const kFirstLines[] = {"MERCADO CENTRAL", "PADARIA BOM PÃO", "FARMÁCIA SAÚDE+", "AUTO PEÇAS MOTA",
                                   "MADEIREIRA LIMA"};
const char* const kSecondLines[] = {"Rua XV, nº 1234", "Av. Brasil, 500", "Pça. da Matriz "};
constexpr const char* kThirdLine = "Fone 93232-4455";

class BusinessPrintGeometryTest : public BusinessFixture {
 protected:
  void SetUp() override {
    BusinessFixture::SetUp();
    FillEvent();
    for (int pedra = 0; pedra < 100; ++pedra) {
      Name(pedra, kFirstLines[pedra % 5], kSecondLines[pedra % 3], kThirdLine);
    }
    for (const char* line : {kFirstLines[0], kSecondLines[0], kThirdLine}) {
      EXPECT_EQ(CharacterCount(line), static_cast<std::size_t>(kNameLength)) << line;
    }
  }

  // Each edited text of the event as long as its field in "dados.cds".
  void FillEvent() {
    const std::pair<EventField, const char*> texts[] = {
        {EventField::kTitulo, "BINGO EMPRESARIAL DA ASSOCIAÇÃO COMERCIAL DE BAURU"},
        {EventField::kPromotor, "ASSOCIAÇÃO DOS COMERCIANTES DO CENTRO SP"},
        {EventField::kHora, "20:00 hrs."},
        {EventField::kLocal, "SALÃO SOCIAL DA IGREJA MATRIZ SÃO JOSÉ - AV. BRASIL, Nº 1500"},
        {EventField::kObs1, "Cartela válida somente p/ este sorteio; confira sempre os seus números"},
        {EventField::kObs2, "Prêmios entregues após a conferência da cartela; traga o seu documento"},
    };
    for (const auto& [field, text] : texts) {
      const auto at = store::FindField(event_table.schema(), EventFieldName(field));
      ASSERT_TRUE(at);
      EXPECT_EQ(CharacterCount(text), static_cast<std::size_t>(event_table.schema()[*at].size)) << text;
      ASSERT_TRUE(StoreEventField(event_table, field, text));
    }
    ASSERT_TRUE(StoreEventField(event_table, EventField::kData, "27/11/2027"));
    ASSERT_TRUE(StoreEventField(event_table, EventField::kValor, "1.500,00"));
  }
};

TEST_F(BusinessPrintGeometryTest, TwoBusinessCardsOnEveryOutput) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  TAVELAO_REQUIRE_TOOL("pdftoppm");
  store::Table cards = CardFile({9'999, 10'000, 1});
  auto printed = PrintBusinessCards(dir.path(), {cards, event_table, sponsors_table}, session::CardOptions{},
                                    /*names_only=*/false);
  ASSERT_TRUE(printed) << printed.error();
  const report::Document document = testing::OnePage(std::move(*printed));
  ASSERT_EQ(document.pages.size(), 1u);
  ASSERT_EQ(document.pages[0].details, 2);
  testing::ExpectPageGeometry(document, testing::CardAreas(document), dir.path(), "FormEmpE");
}

TEST_F(BusinessPrintGeometryTest, SponsorListOnEveryOutput) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  TAVELAO_REQUIRE_TOOL("pdftoppm");
  auto printed = PrintSponsorList(sponsors_table);
  ASSERT_TRUE(printed) << printed.error();
  ASSERT_GE(printed->pages.size(), 2u) << "a hundred lines take two pages: the first is full";
  const double header = FormEmpLayout().page_header->height;  // the title and the column headings
  const report::Document document = testing::OnePage(std::move(*printed));
  testing::ExpectPageGeometry(document, testing::CardAreas(document, header), dir.path(), "FormEmp");
}

}  // namespace
}  // namespace tavelao::business
