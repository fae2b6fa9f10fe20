#include "layouts/frame.h"

#include "issue/card_file.h"
#include "layouts/card_styles.h"

namespace tavelao::layouts {
namespace {

constexpr const char* kLetterNames[5] = {"Lb", "Li", "Ln", "Lg", "Lo"};

}  // namespace

double FrameWidth(const FrameDesign& design) { return 5 * design.cell_width; }
double TitleHeight(const FrameDesign& design) {
  return design.title_height > 0 ? design.title_height : design.cell_height;
}
double FrameHeight(const FrameDesign& design) { return TitleHeight(design) + design.rows * design.cell_height; }

void AddFrame(report::Band& band, const FrameDesign& design) {
  const double x0 = design.origin.x, y0 = design.origin.y;
  const double width = FrameWidth(design), height = FrameHeight(design);
  const std::string suffix = std::to_string(design.frame);
  const report::Pen thin{1};

  band.items.push_back(report::Box("Quadro" + suffix, {x0, y0, width, height}, report::Pen{2},
                                   design.opaque ? std::optional(report::kWhite) : std::nullopt));
  for (int c = 1; c < 5; ++c) {
    const double x = x0 + c * design.cell_width;
    band.items.push_back(report::Rule("ColunaQuadro" + suffix, {x, y0}, {x, y0 + height}, thin));
  }
  const double title = TitleHeight(design);
  for (int r = 1; r <= design.rows; ++r) {
    const double y = y0 + title + (r - 1) * design.cell_height;
    band.items.push_back(
        report::Rule("LinhaQuadro" + suffix, {x0, y}, {x0 + width, y}, r == 1 ? report::Pen{2} : thin));
  }

  for (int c = 0; c < 5; ++c) {
    band.items.push_back(report::Label(kLetterNames[c] + suffix,
                                       {x0 + c * design.cell_width, y0, design.cell_width, title}, design.letters[c],
                                       LetterStyle(design.letter_points)));
  }
  const report::TextStyle numbers = NumberStyle(design.number_points, design.number_colour);
  // Row by row, so that text copied out of a PDF reads like the card.
  for (int row = 0; row < design.rows; ++row) {
    for (int column = 0; column < 5; ++column) {
      const int k = CellNumber(column, row);
      const report::Rect cell{x0 + column * design.cell_width, y0 + title + row * design.cell_height, design.cell_width,
                              design.cell_height};
      band.items.push_back(
          report::FieldText(design.cell_prefix + std::to_string(k), cell, issue::NumberField(k), numbers));
    }
  }
}

}  // namespace tavelao::layouts
