#include "editors/sheet_edges.h"

#include <algorithm>

namespace tavelao::editors {
namespace {

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

}  // namespace tavelao::editors
