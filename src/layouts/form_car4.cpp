#include "layouts/form_car4.h"

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

  band.items.push_back(FreeTextArea({0, 0, width, band.height}, options));
  FrameSpec spec;
  spec.cell_width = spec.cell_height = report::Mm(15);
  spec.origin = {(width - FrameWidth(spec)) / 2, band.height - FrameHeight(spec) - 44};
  spec.letters = options.card.letters;
  spec.number_points = 24;
  spec.letter_points = 26;
  spec.number_colour = options.card.number_colours[0];
  spec.opaque = true;  // the numbers stay readable over the free text
  AddFrame(band, spec);

  const double texts_top = spec.origin.y + FrameHeight(spec) + 10;
  const double half = FrameWidth(spec) / 2;
  band.items.push_back(AuthenticationText({spec.origin.x, texts_top, half, 22}, TextStyleOf(11, true)));
  band.items.push_back(CardNumberText("Cartela", {spec.origin.x + half, texts_top, half, 22},
                                      TextStyleOf(11, true, report::HAlign::kRight)));
  return layout;
}

}  // namespace tavelao::layouts
