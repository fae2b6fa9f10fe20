#include "layouts/cut_lines.h"

namespace tavelao::layouts {

void AddCutLineAcross(report::Band& band, double y, double width) {
  band.items.push_back(report::Rule("Corte", {0, y}, {width, y}, {1, report::kBlack, report::LineStyle::kDashed}));
}

void AddCutLineDown(report::Band& band, double x, double height) {
  band.items.push_back(report::Rule("Corte", {x, 0}, {x, height}, {1, report::kBlack, report::LineStyle::kDotted}));
}

}  // namespace tavelao::layouts
