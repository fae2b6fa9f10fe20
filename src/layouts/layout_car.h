#pragma once
// FormCar (model 1): one card per A4 page with one frame, under the free
// text of the upper 177 mm.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout FormCarLayout(const LayoutOptions& options);

}  // namespace tavelao::layouts
