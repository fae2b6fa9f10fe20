#pragma once
// Form25Can (model 26): five strips with a stub per A4 page; the card shows
// all 25 numbers under the letters, in the first colour of the options.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout Form25CanLayout(const LayoutOptions& options);

}  // namespace tavelao::layouts
