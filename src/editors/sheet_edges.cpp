#include "editors/sheet_edges.h"

#include <algorithm>

#include "editors/frame_card_layout.h"

namespace tavelao::editors {
namespace {

// A right-aligned text's last glyph ends on its rectangle: set against the
// printable area's side, the rectangle keeps this much air from it.
constexpr double kTextAir = 4;

// The shift along one axis that brings [start, end) into [low, high).
double Shift(double start, double end, double low, double high) {
  double shift = 0;
  if (end > high) shift = high - end;
  if (start + shift < low) shift = low - start;
  return shift;
}

}  // namespace

report::Rect PrintableInBand(const report::PageSetup& page, double band_height) {
  const double edge = report::Mm(report::kPrinterEdgeMm);
  const double bottom = std::min(band_height, page.height() - edge);
  return {edge, edge, page.width() - 2 * edge, bottom - edge};
}

report::Point MoveInside(const report::Rect& extent, const report::Rect& area) {
  return {Shift(extent.x, extent.right(), area.x, area.right()),
          Shift(extent.y, extent.bottom(), area.y, area.bottom())};
}

report::Point PlacedOnSheet(const HandlePosition& handle, const report::Rect& extent, const report::Rect& printable) {
  const report::Point at = Doubled(handle);
  const report::Point moved = MoveInside(extent.Moved(at.x, at.y), printable);
  return {at.x + moved.x, at.y + moved.y};
}

report::Rect TopRightAuthentication(const report::Rect& printable) {
  constexpr double kWidth = 300;
  return {printable.right() - kTextAir - kWidth, printable.y, kWidth, 18};
}

}  // namespace tavelao::editors
