#pragma once
// FormCar3 (model 3): one card per A4 page with three frames of the same
// numbers (QN, RN, SN), each under its prize heading; free text 168 mm high.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout FormCar3Layout(const LayoutOptions& options);

}  // namespace tavelao::layouts
