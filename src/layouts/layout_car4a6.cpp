#include "layouts/layout_car4a6.h"

#include <algorithm>

#include "issue/card_refresh.h"
#include "layouts/card_styles.h"
#include "layouts/card_texts.h"
#include "layouts/free_text.h"
#include "layouts/one_card_layout.h"
#include "layouts/prize_headings.h"
#include "layouts/stub.h"
#include "report/geometry.h"

namespace tavelao::layouts {
namespace {

constexpr double kBandHeight = 353;
constexpr double kCut = 268;
// 25 numbers in 12 points take about 658 of the card's 718 pixels. The
// 8-point caption goes in front of them with air to the border and to the
// first number; the numbers give up half a point where they must.
constexpr double kCaptionLeft = 6;
constexpr double kCaptionWidth = 48;
constexpr double kLineLeft = 58;
constexpr double kLineRightAir = 6;
// Linha2..Linha6 for 4, 5 and 6 lines; Linha1 is always at 12.
constexpr double kTops[3][5] = {
    {82, 152, 222, 1000, 1000},
    {64, 116, 168, 220, 1000},
    {54, 96, 138, 180, 220},
};

}  // namespace

double LineTop(int lines, int line) {
  if (line == 1) return 12;
  return kTops[std::clamp(lines, 4, 6) - 4][std::clamp(line, 2, 6) - 2];
}

report::Layout FormCar4a6Layout(const LayoutOptions& options) {
  report::Layout layout = OneCardPage("FormCar4a6", 177, kBandHeight, options, /*border_may_be_suppressed=*/false);

  // The header's foot carries the card's identity, above the card.
  report::Band& header = *layout.page_header;
  const double foot = header.height - 24;
  header.Find("TextoLivre")->rect.height = foot - 2;
  header.items.push_back(AuthenticationText({16, foot, 320, 20}, TextStyleOf(11, true)));
  header.items.push_back(
      CardNumberText("Cartela", {kOneCardWidth - 336, foot, 320, 20}, TextStyleOf(11, true, report::HAlign::kRight)));

  report::Band& band = layout.detail;
  const int lines = std::clamp(options.lines, 4, 6);
  for (int line = 1; line <= 6; ++line) {
    const double top = LineTop(lines, line);
    band.items.push_back(report::Label("LP" + std::to_string(line), {kCaptionLeft, top, kCaptionWidth, 20},
                                       PrizeCaption(line), TextStyleOf(8)));
    report::TextStyle numbers = TextStyleOf(12);
    numbers.min_points = 10;
    band.items.push_back(report::FieldText("Linha" + std::to_string(line),
                                           {kLineLeft, top, kOneCardWidth - kLineLeft - kLineRightAir, 20},
                                           issue::kLineTextValue, numbers));
  }
  AddCardStub(band, kCut);
  return layout;
}

}  // namespace tavelao::layouts
