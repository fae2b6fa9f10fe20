#pragma once
// The type faces of the printed cards, shared by every layout.

#include "report/style.h"

namespace tavelao::layouts {

// Design colours of the numbers of frames 1, 2 and 3; the layouts that do
// not follow the colour option keep the first.
inline constexpr report::Colour kDesignRed{255, 0, 0};

// Bold numbers and title letters, centred in their cells.
report::TextStyle NumberStyle(double points, report::Colour colour);
report::TextStyle LetterStyle(double points);
// Plain Arial text.
report::TextStyle TextStyleOf(double points, bool bold = false, report::HAlign halign = report::HAlign::kLeft);

}  // namespace tavelao::layouts
