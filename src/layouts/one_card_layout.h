#pragma once
// The one-card-per-page layouts (FormCar, FormCar2, FormCar3, FormCar4a6):
// A4 with 10 mm margins, the free text in the page header, one bordered card
// below it that ends in the cut line and the stub.

#include <string>

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

inline constexpr double kOneCardWidth = 718;

// The sheet, the header of `header_mm` holding the free text, and an empty
// detail band of `detail_height` with its 1-unit border (none when
// `border_may_be_suppressed` and the option asks for it).
report::Layout OneCardPage(std::string name, double header_mm, double detail_height, const LayoutOptions& options,
                           bool border_may_be_suppressed);

// FormCar, FormCar2, FormCar3: 1 to 3 frames of the same numbers side by
// side (QN, RN, SN in the colours of the options), prize headings over them
// when there are two or three, the card number and authentication line
// under them, then the cut line and the stub.
report::Layout FramedCardLayout(std::string name, int frames, double header_mm, const LayoutOptions& options);

}  // namespace tavelao::layouts
