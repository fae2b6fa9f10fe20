#include "layouts/layout_car12.h"

#include "layouts/card_styles.h"
#include "layouts/card_texts.h"
#include "layouts/frame.h"
#include "layouts/page_setups.h"
#include "report/geometry.h"

namespace tavelao::layouts {

report::Layout FormCar12Layout(const LayoutOptions& options) {
  report::Layout layout;
  layout.name = "FormCar12";
  layout.page = A4NoMargins();
  layout.columns = 3;
  report::Band& band = layout.detail;
  band.height = report::Mm(71);
  const double width = layout.ColumnWidth();

  FrameDesign design;  // the title-letter option does not reach this layout
  design.origin = {(width - FrameWidth(design)) / 2, 14};
  design.number_colour = options.card.number_colours[0];
  AddFrame(band, design);
  // Four rows of cells fill the sheet from its top: the whole page comes
  // down just enough for the first row's frames to clear the edge printers
  // cannot print on.
  layout.page.margins.top = report::Mm(report::kPrinterEdgeMm) - design.origin.y;

  const double texts_top = design.origin.y + FrameHeight(design) + 4;
  const double code_width = 0.62 * FrameWidth(design);
  band.items.push_back(AuthenticationText({design.origin.x, texts_top, code_width, 14}, TextStyleOf(8)));
  band.items.push_back(
      BareCardNumberText("Cartela", {design.origin.x + code_width, texts_top, FrameWidth(design) - code_width, 14},
                         TextStyleOf(8, false, report::HAlign::kRight)));
  return layout;
}

}  // namespace tavelao::layouts
