#include "layouts/layout_car4.h"

#include "layouts/card_styles.h"
#include "layouts/card_texts.h"
#include "layouts/frame.h"
#include "layouts/free_text.h"
#include "layouts/page_setups.h"
#include "report/geometry.h"

namespace tavelao::layouts {

report::Layout FormCar4Layout(const LayoutOptions& options) {
  report::Layout layout;
  layout.name = "FormCar4";
  layout.page = A4NoMargins();
  layout.columns = 2;
  report::Band& band = layout.detail;
  band.height = report::Mm(146);
  const double width = layout.ColumnWidth();

  // The sheet has no margins: the free text keeps clear of the paper's
  // edges, where printers cannot print.
  const double edge = report::Mm(report::kPrinterEdgeMm);
  band.items.push_back(FreeTextArea({edge, edge, width - 2 * edge, band.height - edge}, options));
  FrameDesign design;
  design.cell_width = design.cell_height = report::Mm(15);
  design.origin = {(width - FrameWidth(design)) / 2, band.height - FrameHeight(design) - 44};
  design.letters = options.card.letters;
  design.number_points = 24;
  design.letter_points = 26;
  design.number_colour = options.card.number_colours[0];
  design.opaque = true;  // the numbers stay readable over the free text
  AddFrame(band, design);

  const double texts_top = design.origin.y + FrameHeight(design) + 10;
  const double half = FrameWidth(design) / 2;
  // On a white backing, so that they read over a long free text.
  report::TextStyle left = TextStyleOf(11, true);
  left.backing = report::kWhite;
  report::TextStyle right = TextStyleOf(11, true, report::HAlign::kRight);
  right.backing = report::kWhite;
  band.items.push_back(AuthenticationText({design.origin.x, texts_top, half, 22}, left));
  band.items.push_back(CardNumberText("Cartela", {design.origin.x + half, texts_top, half, 22}, right));
  return layout;
}

}  // namespace tavelao::layouts
