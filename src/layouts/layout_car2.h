#pragma once
// FormCar2 (model 2): one card per A4 page with two frames of the same
// numbers (QN left, RN right), each under its prize heading; free text
// 171 mm high.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout FormCar2Layout(const LayoutOptions& options);

}  // namespace tavelao::layouts
