#include "business/business_card_layout.h"

#include <algorithm>

#include "business/business_cards.h"
#include "common/text.h"
#include "issue/card_file.h"
#include "layouts/card_styles.h"
#include "layouts/frame.h"
#include "layouts/page_setups.h"

namespace tavelao::business {
namespace {

using report::HAlign;
using report::Label;
using report::Pen;
using report::Rect;

constexpr double kBandWidth = 718;
constexpr double kBandHeight = 560;
constexpr double kColumnWidth = kBandWidth / 5;
constexpr double kNameWidth = 136;
constexpr double kGridBottom = 403;  // the column rules run to here
constexpr double kBoxBottom = 502;
constexpr double kFooterPoints = 11;
constexpr double kFooterSmallestPoints = 8;

constexpr const char* kLetterNames[5] = {"Lb", "Li", "Ln", "Lg", "Lo"};

// 22 points hold about 34 capitals across the title box; longer titles
// (up to the field's 50) get smaller type rather than being cut.
double TitlePoints(const std::string& title) {
  constexpr double kFull = 22, kFits = 34, kSmallest = 12;
  const double length = static_cast<double>(CharacterCount(title));
  return length <= kFits ? kFull : std::max(kSmallest, kFull * kFits / length);
}

report::TextStyle Clipped(report::TextStyle style) {
  style.clip = true;
  return style;
}

// A footer text as long as its field (a promoter of 40 capitals) is set
// smaller rather than cut under the next caption.
report::TextStyle FooterValueStyle() {
  report::TextStyle style = Clipped(layouts::TextStyleOf(kFooterPoints));
  style.min_points = kFooterSmallestPoints;
  return style;
}

// A bold caption and, right after it, its value in plain type.
void AddFooterPair(report::Band& band, const std::string& name, double x, double caption_width, double value_width,
                   double top, const char* caption, const std::string& value) {
  band.items.push_back(
      Label("Label" + name, {x, top, caption_width, 20}, caption, layouts::TextStyleOf(kFooterPoints, true)));
  band.items.push_back(Label("Edit" + name, {x + caption_width, top, value_width, 20}, value, FooterValueStyle()));
}

void AddCell(report::Band& band, int column, int row, const report::TextStyle& number, const report::TextStyle& names) {
  const int k = layouts::CellNumber(column, row);
  const double x = column * kColumnWidth;
  const double top = kGridRowTops[row];
  band.items.push_back(
      report::FieldText("QN" + std::to_string(k), {x, top + 1, kColumnWidth, 14}, issue::NumberField(k), number));
  const double name_x = x + (kColumnWidth - kNameWidth) / 2;
  for (int line = 1; line <= 3; ++line) {
    const std::string field = BusinessNameField(k, line);
    band.items.push_back(
        report::FieldText("Q" + field, {name_x, top + 15 + 14.5 * (line - 1), kNameWidth, 14.5}, field, names));
  }
}

}  // namespace

report::Layout FormEmpELayout(const EventTexts& event, const session::CardOptions& options,
                              const std::filesystem::path& footer_image) {
  report::Layout layout;
  layout.name = "FormEmpE";
  layout.page = layouts::A4TenMillimetreMargins();
  layout.page.margins.top = layout.page.margins.bottom = 0;
  report::Band& band = layout.detail;
  band.height = kBandHeight;

  band.items.push_back(report::Box("CaixaTitulo", {0, 19, kBandWidth, 44}, Pen{4}));
  band.items.push_back(Label("LabelTitulo", {6, 19, kBandWidth - 12, 44}, event.titulo,
                             Clipped(layouts::TextStyleOf(TitlePoints(event.titulo), true, HAlign::kCentre))));
  for (int c = 0; c < 5; ++c) {
    band.items.push_back(
        Label(kLetterNames[c], {c * kColumnWidth, 63, kColumnWidth, 21}, options.letters[c], layouts::LetterStyle(14)));
  }

  band.items.push_back(report::Box("Quadro", {0, 84, kBandWidth, kBoxBottom - 84}, Pen{4}));
  for (int c = 1; c < 5; ++c) {
    const double x = c * kColumnWidth;
    band.items.push_back(report::Rule("ColunaQuadro", {x, 84}, {x, kGridBottom}, Pen{1}));
  }
  for (int r = 1; r <= 5; ++r) {
    const double y = kGridRowTops[r];
    band.items.push_back(report::Rule("LinhaQuadro", {0, y}, {kBandWidth, y}, Pen{r == 2 ? 2.5 : 1.0}));
  }

  const report::TextStyle number = layouts::NumberStyle(10, layouts::kDesignRed);
  report::TextStyle names = Clipped(layouts::TextStyleOf(8, true, HAlign::kCentre));
  names.colour = options.number_colours[0];
  // Row by row, so that text copied out of a PDF reads like the card.
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 5; ++column) AddCell(band, column, row, number, names);
  }

  AddFooterPair(band, "Promotor", 8, 112, 300, 406, "Promovido por: ", event.promotor);
  AddFooterPair(band, "Data", 430, 42, 90, 406, "Data: ", event.data);
  AddFooterPair(band, "Hora", 566, 44, 100, 406, "Hora: ", event.hora);
  AddFooterPair(band, "Local", 8, 50, 500, 429, "Local: ", event.local);
  AddFooterPair(band, "Valor", 566, 48, 96, 429, "Valor:", event.valor);
  band.items.push_back(Label("LabelObs1", {8, 451, kBandWidth - 16, 20}, event.obs1, FooterValueStyle()));
  band.items.push_back(Label("LabelObs2", {8, 475, kBandWidth - 16, 20}, event.obs2, FooterValueStyle()));

  std::error_code ignored;
  if (!footer_image.empty() && std::filesystem::is_regular_file(footer_image, ignored)) {
    band.items.push_back(report::Picture("ImagemRodape", {3, 402, 712, 98}, footer_image));
  }

  report::TextStyle card_number = layouts::TextStyleOf(kFooterPoints, true, HAlign::kRight);
  card_number.colour = options.number_colours[0];
  band.items.push_back(report::Text(
      "Cartela", {kBandWidth - 300, 505, 292, 22},
      {report::Literal("Cartela: "), report::Value(issue::kNumeroField), report::Value(issue::kDigitoField)},
      card_number));
  return layout;
}

}  // namespace tavelao::business
