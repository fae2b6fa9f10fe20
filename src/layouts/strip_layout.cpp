#include "layouts/strip_layout.h"

#include <algorithm>

#include "layouts/card_styles.h"
#include "layouts/card_texts.h"
#include "layouts/frame.h"
#include "layouts/free_text.h"
#include "layouts/page_setups.h"
#include "layouts/stub.h"
#include "report/geometry.h"

namespace tavelao::layouts {
namespace {

constexpr double kPad = 4;
// Texts keep clear of the cut line and of the free text.
constexpr double kTextInset = 10;
constexpr double kTextHeight = 18;

}  // namespace

report::Layout StripLayout(const StripDesign& design, const LayoutOptions& options) {
  report::Layout layout;
  layout.name = design.name;
  layout.page = A4TenMillimetreMargins();
  report::Band& band = layout.detail;
  band.height = report::Mm(55);
  band.border = report::Pen{1};
  const double width = layout.ColumnWidth();

  AddStripStub(band);
  const double free_width = report::Mm(design.free_text_mm);
  const report::Rect free_text{width - free_width - kPad, kPad, free_width, band.height - 2 * kPad};
  band.items.push_back(FreeTextArea(free_text, options));

  const double left = StripStubWidth() + kPad;
  const report::Rect middle{left, kPad, free_text.x - kPad - left, band.height - 2 * kPad};
  // The card number and the code side by side when there is room, else one
  // above the other.
  const bool side_by_side = middle.width >= 240;
  const double texts_height = side_by_side ? kTextHeight : 2 * kTextHeight;
  const report::TextStyle text = TextStyleOf(9, true);
  const double texts_top = middle.bottom() - texts_height;
  if (side_by_side) {
    const double half = middle.width / 2 - kTextInset;
    band.items.push_back(CardNumberText("Cartela", {middle.x + kTextInset, texts_top, half, kTextHeight}, text));
    band.items.push_back(AuthenticationText({middle.x + middle.width / 2, texts_top, half, kTextHeight},
                                            TextStyleOf(9, true, report::HAlign::kRight)));
  } else {
    band.items.push_back(CardNumberText("Cartela", {middle.x, texts_top, middle.width, kTextHeight},
                                        TextStyleOf(9, true, report::HAlign::kCentre)));
    band.items.push_back(AuthenticationText({middle.x, texts_top + kTextHeight, middle.width, kTextHeight},
                                            TextStyleOf(9, true, report::HAlign::kCentre)));
  }
  design.add_numbers(band, {middle.x, middle.y, middle.width, texts_top - middle.y - 2});
  return layout;
}

void AddStripGrid(report::Band& band, const report::Rect& area, int rows, report::Colour colour) {
  FrameDesign design;  // the stub layouts keep their own letters
  design.rows = rows;
  design.cell_width = std::min(46.0, area.width / 5);
  // A low title row leaves the 20-point numbers as much height as it can.
  design.title_height = std::min(24.0, area.height / (rows + 1));
  design.cell_height = std::min(38.0, (area.height - design.title_height) / rows);
  design.number_points = kStripNumberPoints;
  design.letter_points = 14;
  design.number_colour = colour;
  design.origin = {area.x + (area.width - FrameWidth(design)) / 2, area.y + (area.height - FrameHeight(design)) / 2};
  AddFrame(band, design);
}

}  // namespace tavelao::layouts
