#include "layouts/frame.h"

#include "issue/card_file.h"
#include "layouts/card_styles.h"

namespace tavelao::layouts {
namespace {

constexpr const char* kLetterNames[5] = {"Lb", "Li", "Ln", "Lg", "Lo"};

}  // namespace

double FrameWidth(const FrameSpec& spec) { return 5 * spec.cell_width; }
double TitleHeight(const FrameSpec& spec) { return spec.title_height > 0 ? spec.title_height : spec.cell_height; }
double FrameHeight(const FrameSpec& spec) { return TitleHeight(spec) + spec.rows * spec.cell_height; }

void AddFrame(report::Band& band, const FrameSpec& spec) {
  const double x0 = spec.origin.x, y0 = spec.origin.y;
  const double width = FrameWidth(spec), height = FrameHeight(spec);
  const std::string suffix = std::to_string(spec.frame);
  const report::Pen thin{1};

  band.items.push_back(report::Box("Quadro" + suffix, {x0, y0, width, height}, report::Pen{2},
                                   spec.opaque ? std::optional(report::kWhite) : std::nullopt));
  for (int c = 1; c < 5; ++c) {
    const double x = x0 + c * spec.cell_width;
    band.items.push_back(report::Rule("ColunaQuadro" + suffix, {x, y0}, {x, y0 + height}, thin));
  }
  const double title = TitleHeight(spec);
  for (int r = 1; r <= spec.rows; ++r) {
    const double y = y0 + title + (r - 1) * spec.cell_height;
    band.items.push_back(report::Rule("LinhaQuadro" + suffix, {x0, y}, {x0 + width, y}, r == 1 ? report::Pen{2} : thin));
  }

  for (int c = 0; c < 5; ++c) {
    band.items.push_back(report::Label(kLetterNames[c] + suffix,
                                       {x0 + c * spec.cell_width, y0, spec.cell_width, title},
                                       spec.letters[c], LetterStyle(spec.letter_points)));
  }
  const report::TextStyle numbers = NumberStyle(spec.number_points, spec.number_colour);
  // Row by row, so that text copied out of a PDF reads like the card.
  for (int row = 0; row < spec.rows; ++row) {
    for (int column = 0; column < 5; ++column) {
      const int k = CellNumber(column, row);
      const report::Rect cell{x0 + column * spec.cell_width, y0 + title + row * spec.cell_height, spec.cell_width,
                              spec.cell_height};
      band.items.push_back(
          report::FieldText(spec.cell_prefix + std::to_string(k), cell, issue::NumberField(k), numbers));
    }
  }
}

}  // namespace tavelao::layouts
