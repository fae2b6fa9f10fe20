#pragma once
// Form20Can (model 27): five strips with a stub per A4 page; the card shows
// rows 1 to 4 (20 numbers) under the letters, in its design colour (the colour option does not reach it).

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout Form20CanLayout(const LayoutOptions& options);

}  // namespace tavelao::layouts
