#include "layouts/one_card_layout.h"

#include "layouts/card_styles.h"
#include "layouts/card_texts.h"
#include "layouts/frame.h"
#include "layouts/free_text.h"
#include "layouts/page_setups.h"
#include "layouts/prize_headings.h"
#include "layouts/stub.h"
#include "report/geometry.h"

namespace tavelao::layouts {
namespace {

constexpr double kCell = 38;  // about 10 mm
constexpr const char* kCellPrefixes[3] = {"QN", "RN", "SN"};

}  // namespace

report::Layout OneCardPage(std::string name, double header_mm, double detail_height, const LayoutOptions& options,
                           bool border_may_be_suppressed) {
  report::Layout layout;
  layout.name = std::move(name);
  layout.page = A4TenMillimetreMargins();
  report::Band header;
  header.height = report::Mm(header_mm);
  header.items.push_back(FreeTextArea({0, 0, kOneCardWidth, header.height}, options));
  layout.page_header = std::move(header);
  layout.detail.height = detail_height;
  const bool suppressed = border_may_be_suppressed && options.suppress_border;
  layout.detail.border = report::Pen{suppressed ? 0.0 : 1.0};
  return layout;
}

report::Layout FramedCardLayout(std::string name, int frames, double header_mm, const LayoutOptions& options) {
  const bool headings = frames > 1;
  // Room for the prize caption and text over the frames.
  const double frame_top = headings ? 44 : 8;
  const double frame_height = 6 * kCell;
  const double texts_top = frame_top + frame_height + 6;
  const double cut = texts_top + 26;
  report::Layout layout =
      OneCardPage(std::move(name), header_mm, cut + kCardStubHeight + 4, options, /*border_may_be_suppressed=*/true);
  report::Band& band = layout.detail;

  const double column_width = kOneCardWidth / frames;
  for (int f = 0; f < frames; ++f) {
    const report::Rect column{f * column_width, 0, column_width, band.height};
    const double centre = column.x + column_width / 2;
    if (headings) AddPrizeHeading(band, f + 1, centre, 4, column, options);
    FrameDesign design;
    design.origin = {centre - 2.5 * kCell, frame_top};
    design.cell_width = design.cell_height = kCell;
    design.cell_prefix = kCellPrefixes[f];
    design.frame = f + 1;
    design.letters = options.card.letters;
    design.number_colour = options.card.number_colours[f];
    AddFrame(band, design);
  }
  band.items.push_back(CardNumberText("Cartela", {16, texts_top, 320, 20}, TextStyleOf(11, true)));
  band.items.push_back(
      AuthenticationText({kOneCardWidth - 336, texts_top, 320, 20}, TextStyleOf(11, true, report::HAlign::kRight)));
  AddCardStub(band, cut);
  return layout;
}

}  // namespace tavelao::layouts
