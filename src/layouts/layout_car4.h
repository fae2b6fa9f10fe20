#pragma once
// FormCar4 (model 4): four cards per A4 page without margins, 2 x 2 cells of
// 105 x 146 mm; each cell holds the free text as its background, a large
// frame over it and, under the frame, the authentication line and the card
// number. No stub, no bar code.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout FormCar4Layout(const LayoutOptions& options);

}  // namespace tavelao::layouts
