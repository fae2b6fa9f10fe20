#pragma once
// The strip layouts with a stub (Form5Dia, Form15Can, Form20Can, Form25Can):
// five bordered strips of 190 x 55 mm per A4 page, each one card: the stub at
// the left behind a dotted cut line, the numbers in the middle over the card
// number and the authentication line, the free text at the right.

#include <functional>
#include <string>

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

struct StripDesign {
  std::string name;
  double free_text_mm = 71;
  // Puts the numbers into `area` of the band (between the stub and the free
  // text, above the card number).
  std::function<void(report::Band& band, const report::Rect& area)> add_numbers;
};

report::Layout StripLayout(const StripDesign& design, const LayoutOptions& options);

// Numbers of the strips are 20-point text.
inline constexpr double kStripNumberPoints = 20;

// The grid strips: rows 1..`rows` of the card under the fixed letters, in
// the given colour, centred in the area.
void AddStripGrid(report::Band& band, const report::Rect& area, int rows, report::Colour colour);

}  // namespace tavelao::layouts
