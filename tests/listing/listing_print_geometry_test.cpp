// The card listing (FormRel) on every output (see support/page_checks.h):
// a full page of five-row lines, every column filled, down to the bottom
// margin.

#include <gtest/gtest.h>

#include "card/card_bank.h"
#include "listing/card_listing.h"
#include "listing/listing_layout.h"
#include "support/page_checks.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::listing {
namespace {

TEST(ListingPrintGeometryTest, FullPageOfFiveRowLinesOnEveryOutput) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  TAVELAO_REQUIRE_TOOL("pdftoppm");
  testing::TempFolder dir;
  card::CardBank bank;
  bank.LoadBuiltIn();
  auto printed = BuildCardListing(dir.path(), bank, {9'901, 10'000}, ListingStyle::kFiveRows);
  ASSERT_TRUE(printed) << printed.error();
  ASSERT_GE(printed->pages.size(), 2u);
  const double header = FormRelLayout().page_header->height;  // "Tavelão" / "Relação das cartelas"
  const report::Document document = testing::OnePage(std::move(*printed));
  testing::ExpectPageGeometry(document, testing::CardAreas(document, header), dir.path(), "FormRel");
}

}  // namespace
}  // namespace tavelao::listing
