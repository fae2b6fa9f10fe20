#pragma once
// The editors print each element where the organiser put its handle, but
// printers cannot print near the paper's edge: an element placed closer to
// it than report::kPrinterEdgeMm moves in just as far as it must, keeping
// its parts together.

#include "report/geometry.h"
#include "report/page_setup.h"

namespace tavelao::editors {

// A right-aligned text's last glyph ends on its rectangle: set against the
// printable area's side, the rectangle keeps this much air from it.
inline constexpr double kTextAir = 4;

// Where the elements of a band may print, from the band's top left corner:
// the sheet less its edge, and not past the foot of the band. The editors'
// pages have no margins, so the first band starts at the sheet's corner.
report::Rect PrintableInBand(const report::PageSetup& page, double band_height);

// How far `extent` must move to lie inside `area`: nothing when it lies
// inside already; one larger than the area keeps its top left corner in.
report::Point MoveInside(const report::Rect& extent, const report::Rect& area);

}  // namespace tavelao::editors
