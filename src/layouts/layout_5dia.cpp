#include "layouts/layout_5dia.h"

#include <algorithm>

#include "issue/card_file.h"
#include "layouts/card_styles.h"
#include "layouts/strip_layout.h"
#include "report/geometry.h"

namespace tavelao::layouts {
namespace {

// Number k and its place on the die (column, row of a 3 x 3 grid).
struct Pip {
  int k;
  int column;
  int row;
};
constexpr Pip kPips[5] = {{1, 0, 0}, {7, 2, 0}, {13, 1, 1}, {19, 0, 2}, {25, 2, 2}};

void AddDie(report::Band& band, const report::Rect& area) {
  const double gap = 4;
  const double box = std::min(report::Mm(13), (std::min(area.width, area.height) - 2 * gap) / 3);
  const double side = 3 * box + 2 * gap;
  const double x0 = area.x + (area.width - side) / 2, y0 = area.y + (area.height - side) / 2;
  const report::TextStyle number = NumberStyle(kStripNumberPoints, kDesignRed);
  for (const Pip& pip : kPips) {
    const report::Rect cell{x0 + pip.column * (box + gap), y0 + pip.row * (box + gap), box, box};
    const std::string suffix = std::to_string(pip.k);
    band.items.push_back(report::Box("Caixa" + suffix, cell, report::Pen{3}));
    band.items.push_back(report::FieldText("QN" + suffix, cell, issue::NumberField(pip.k), number));
  }
}

}  // namespace

report::Layout Form5DiaLayout(const LayoutOptions& options) { return StripLayout({"Form5Dia", 92, AddDie}, options); }

}  // namespace tavelao::layouts
