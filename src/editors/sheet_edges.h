#pragma once
// The editors print each element where the organiser put its handle, but
// printers cannot print near the paper's edge: an element placed closer to
// it than report::kPrinterEdgeMm moves in just as far as it must, keeping
// its parts together.

#include "editors/frame_editor_state.h"
#include "report/geometry.h"
#include "report/page_setup.h"

namespace tavelao::editors {

// Where the elements of a band may print, from the band's top left corner:
// the sheet less its edge, and not past the foot of the band. The editors'
// pages have no margins, so the first band starts at the sheet's corner.
report::Rect PrintableInBand(const report::PageSetup& page, double band_height);

// How far `extent` must move to lie inside `area`: nothing when it lies
// inside already; one larger than the area keeps its top left corner in.
report::Point MoveInside(const report::Rect& extent, const report::Rect& area);

// Where an element whose parts cover `extent` (from its own top left)
// prints: at twice its handle's position, moved in from the paper's edge
// when it comes too close. The same with or without decorations, so the
// numbers land on pre-printed frames alike.
report::Point PlacedOnSheet(const HandlePosition& handle, const report::Rect& extent, const report::Rect& printable);

// The authentication line at the printable area's top right corner.
report::Rect TopRightAuthentication(const report::Rect& printable);

}  // namespace tavelao::editors
