#include "listing/listing_layout.h"

#include "issue/card_file.h"
#include "layouts/card_styles.h"
#include "layouts/page_setups.h"

namespace tavelao::listing {
namespace {

constexpr double kLineWidth = 718;
constexpr double kLinePoints = 9;

}  // namespace

report::Layout FormRelLayout() {
  report::Layout layout;
  layout.name = "FormRel";
  layout.page = layouts::A4TenMillimetreMargins();

  // The engine has no band printed once; the title heads every page, so a
  // loose page still says what it is.
  report::Band& title = layout.page_header.emplace();
  title.height = 60;
  title.items.push_back(report::Label("LabelTitulo", {0, 0, kLineWidth, 26}, "Tavelão",
                                      layouts::TextStyleOf(16, true, report::HAlign::kCentre)));
  title.items.push_back(report::Label("LabelRelacao", {0, 26, kLineWidth, 20}, "Relação das cartelas",
                                      layouts::TextStyleOf(11, false, report::HAlign::kCentre)));
  title.items.push_back(report::Rule("LinhaTitulo", {0, 52}, {kLineWidth, 52}));

  report::Band& line = layout.detail;
  line.height = kLineHeight;
  const report::TextStyle style = layouts::TextStyleOf(kLinePoints);
  line.items.push_back(
      report::FieldText(issue::kNumeroField, {0, 0, 60, kLineHeight}, issue::kNumeroField, style, "000000"));
  line.items.push_back(report::FieldText(issue::kDigitoField, {60, 0, 30, kLineHeight}, issue::kDigitoField, style));
  const report::TextStyle number = layouts::TextStyleOf(kLinePoints, false, report::HAlign::kCentre);
  for (int k = 1; k <= 25; ++k) {
    const std::string field = issue::NumberField(k);
    const double x = kFirstNumberColumn + (k - 1) * kNumberColumnStep;
    line.items.push_back(report::FieldText(field, {x, 0, kNumberColumnWidth, kLineHeight}, field, number));
  }
  return layout;
}

}  // namespace tavelao::listing
