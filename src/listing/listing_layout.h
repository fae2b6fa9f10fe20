#pragma once
// TFormRel: the card listing on A4 portrait with 10 mm margins. The title
// "Tavelão" / "Relação das cartelas" heads every page; each card is one line
// of 15 units: its number, its check digit and N1..N25 in 25 fixed columns,
// so positions the style leaves empty show as gaps.

#include "report/layout.h"

namespace tavelao::listing {

// Where the number columns stand on a line, in layout units.
inline constexpr double kFirstNumberColumn = 97;
inline constexpr double kNumberColumnStep = 25;
inline constexpr double kNumberColumnWidth = 20;
inline constexpr double kLineHeight = 15;

report::Layout FormRelLayout();

}  // namespace tavelao::listing
