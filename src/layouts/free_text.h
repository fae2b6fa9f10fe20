#pragma once
// The organiser's free text, shown in a rectangle of a layout as the text
// editor holds it when the layout is printed, cut at the rectangle.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::LayoutItem FreeTextArea(report::Rect rect, const LayoutOptions& options);

}  // namespace tavelao::layouts
