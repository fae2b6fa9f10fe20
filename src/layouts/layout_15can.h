#pragma once
// Form15Can (model 15): five strips with a stub per A4 page; the card shows
// rows 1 to 3 (15 numbers) under the letters, in the first colour of the options.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout Form15CanLayout(const LayoutOptions& options);

}  // namespace tavelao::layouts
