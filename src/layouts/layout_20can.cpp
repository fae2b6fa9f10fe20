#include "layouts/layout_20can.h"

#include "layouts/card_styles.h"
#include "layouts/strip_layout.h"

namespace tavelao::layouts {

report::Layout Form20CanLayout(const LayoutOptions& options) {
  const report::Colour colour = kDesignRed;
  StripDesign design{"Form20Can", 71,
                     [colour](report::Band& band, const report::Rect& area) { AddStripGrid(band, area, 4, colour); }};
  return StripLayout(design, options);
}

}  // namespace tavelao::layouts
