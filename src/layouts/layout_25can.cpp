#include "layouts/layout_25can.h"

#include "layouts/card_styles.h"
#include "layouts/strip_layout.h"

namespace tavelao::layouts {

report::Layout Form25CanLayout(const LayoutOptions& options) {
  const report::Colour colour = options.card.number_colours[0];
  StripDesign design{"Form25Can", 71,
                     [colour](report::Band& band, const report::Rect& area) { AddStripGrid(band, area, 5, colour); }};
  return StripLayout(design, options);
}

}  // namespace tavelao::layouts
