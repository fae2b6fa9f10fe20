// The printed conference sheet (TFormConf) on every output (see
// support/page_checks.h): a conferred card with its authentication line and
// its drawn numbers marked, for a full card and for one whose last rows the
// cover hides.

#include <gtest/gtest.h>

#include <string>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "draw/card_conference.h"
#include "draw/conference_sheet.h"
#include "support/page_checks.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::draw {
namespace {

TEST(ConferencePrintGeometryTest, ConferredCardOnEveryOutput) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  TAVELAO_REQUIRE_TOOL("pdftoppm");
  testing::TempFolder dir;
  card::CardBank bank;
  bank.LoadBuiltIn();
  BallSet drawn;
  for (int ball = 1; ball <= 100; ball += 3) drawn.Add(ball);
  const ConferResult conferred =
      ConferCard(bank, *card::Password::FromText("ABCDE"), card::IssuerNumber(), drawn, "009999");
  ASSERT_EQ(conferred.kind, ConferResult::Kind::kShown);
  const double header =
      ConferenceSheetLayout(&conferred.conference, LayoutOf(CardSize::TwentyFive)).page_header->height;
  for (CardSize size : {CardSize::TwentyFive, CardSize::Fifteen}) {
    auto sheet = ConferenceSheet(&conferred.conference, LayoutOf(size));
    ASSERT_TRUE(sheet) << sheet.error();
    ASSERT_EQ(sheet->pages.size(), 1u);
    testing::ExpectPageGeometry(*sheet, testing::CardAreas(*sheet, header), dir.path(),
                                "TFormConf, " + std::to_string(static_cast<int>(size)) + " numbers");
  }
}

}  // namespace
}  // namespace tavelao::draw
