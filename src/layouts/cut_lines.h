#pragma once
// Where the scissors go: a dashed line across a card, a dotted one down a
// strip between stub and card.

#include <string>

#include "report/layout.h"

namespace tavelao::layouts {

void AddCutLineAcross(report::Band& band, double y, double width);
void AddCutLineDown(report::Band& band, double x, double height);

}  // namespace tavelao::layouts
