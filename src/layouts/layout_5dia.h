#pragma once
// Form5Dia (model 44): five strips with a stub per A4 page; the card shows
// the main diagonal N1, N7, N13, N19, N25 like the five on a die, each in its
// own heavy box, in its design colour, beside a wider free text (92 mm).

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

report::Layout Form5DiaLayout(const LayoutOptions& options);

}  // namespace tavelao::layouts
