#include "report/page_setup.h"

namespace tavelao::report {

double PaperWidthMm(Paper paper) { return paper == Paper::kA4 ? 210.0 : 148.0; }
double PaperHeightMm(Paper paper) { return paper == Paper::kA4 ? 297.0 : 210.0; }

double PageSetup::width() const {
  return Mm(orientation == Orientation::kPortrait ? PaperWidthMm(paper) : PaperHeightMm(paper));
}

double PageSetup::height() const {
  return Mm(orientation == Orientation::kPortrait ? PaperHeightMm(paper) : PaperWidthMm(paper));
}

Rect PageSetup::Printable() const {
  return {margins.left, margins.top, width() - margins.left - margins.right, height() - margins.top - margins.bottom};
}

}  // namespace tavelao::report
