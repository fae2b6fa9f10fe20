#pragma once
// FormCar4a6 (model 6): one card per A4 page as 4 to 6 lines of its 25
// numbers, each line a prize of its own; the free text, the authentication
// line and the card number in the page header; cut line and stub below.

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

// Tops of Linha1..Linha6 in the detail band for 4, 5 or 6 lines; 1000 puts
// a line beyond the band, where it is not printed.
double LineTop(int lines, int line);

// `options.lines` is clamped to 4..6.
report::Layout FormCar4a6Layout(const LayoutOptions& options);

}  // namespace tavelao::layouts
