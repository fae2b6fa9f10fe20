#pragma once
// FormCar12 (model 12): twelve cards per A4 page without margins, 3 x 4
// cells of 70 x 71 mm, each one frame with the fixed letters B I N G O and,
// under it, the authentication line and the number with its check digit in
// 8-point text. No free text, no stub, no bar code.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout FormCar12Layout(const LayoutOptions& options);

}  // namespace tavelao::layouts
