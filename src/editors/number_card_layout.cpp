#include "editors/number_card_layout.h"

#include "editors/editor_files.h"
#include "editors/frame_card_layout.h"
#include "editors/sheet_edges.h"
#include "issue/card_file.h"
#include "issue/card_refresh.h"
#include "layouts/card_styles.h"
#include "layouts/card_texts.h"
#include "layouts/page_setups.h"
#include "report/band_engine.h"
#include "report/record_source.h"

namespace tavelao::editors {
namespace {

using layouts::TextStyleOf;

constexpr const char* kNumberFormat = "000000";

// A block: the number and its digit, the bar code under them.
constexpr report::Rect kBlockExtent{0, 0, 110, 63};
// The matrix: M1..M25 from 25 pixels right of its handle, 25 apart.
constexpr double kMatrixPitch = 25;
constexpr report::Rect kMatrixExtent{kMatrixPitch, 0, 24 * kMatrixPitch + 22, 16};

void AddBlock(report::Band& band, int k, report::Point at, bool bar_code) {
  const std::string n = std::to_string(k);
  const report::TextStyle text = TextStyleOf(10, true);
  band.items.push_back(report::FieldText("NumCar" + n, {at.x, at.y, 59, 18}, issue::kNumeroField,
                                         TextStyleOf(10, true, report::HAlign::kRight), kNumberFormat));
  band.items.push_back(report::FieldText("Dig" + n, {at.x + 59, at.y, 24, 18}, issue::kDigitoField, text));
  if (bar_code) band.items.push_back(report::BarCode("ImB" + n, {at.x, at.y + 23, 110, 40}, issue::kBarCodeValue));
}

}  // namespace

report::Rect NumberCellAt(const HandlePosition& at, const NumberFont& font) {
  const double pixels = font.size * report::kLayoutDpi / 72.0;
  const report::Point p = Doubled(at);
  return {p.x, p.y, 2 * 0.62 * pixels + 4, 1.2 * pixels};
}

report::Layout NumberCardLayout(const NumberEditorState& state, const std::filesystem::path& folder) {
  report::Layout layout;
  layout.name = "FormCar25";
  layout.page = layouts::A4NoMargins();
  report::Band& band = layout.detail;
  band.height = state.band_height;
  band.border = report::Pen{0};
  const double width = layout.page.width();

  std::error_code ignored;
  if (const auto picture = folder / kCardPicture; std::filesystem::exists(picture, ignored)) {
    report::LayoutItem background = report::Picture("Imagem", {0, 0, width, band.height - 2}, picture);
    std::get<report::PictureContent>(background.content).stretch = true;
    band.items.push_back(std::move(background));
  }
  const report::Rect printable = PrintableInBand(layout.page, band.height);
  band.items.push_back(
      layouts::AuthenticationText(TopRightAuthentication(printable), TextStyleOf(10, true, report::HAlign::kRight)));

  report::TextStyle numbers = TextStyleOf(state.font.size, state.font.bold, report::HAlign::kCentre);
  numbers.font.family = state.font.name;
  numbers.colour = state.font.colour;
  // The background colour fills the cell behind its number; the border is
  // drawn in the number's colour unless suppressed.
  const report::Pen border{1, state.suppress_border ? state.background : report::kBlack};
  for (int k = 1; k <= 25; ++k) {
    report::Rect cell = NumberCellAt(state.numbers[k - 1], state.font);
    const report::Point moved = MoveInside(cell, printable);
    cell = cell.Moved(moved.x, moved.y);
    band.items.push_back(report::Box("F1" + std::to_string(k), cell, border, state.background));
    band.items.push_back(report::FieldText("C1" + std::to_string(k), cell, issue::NumberField(k), numbers));
  }
  AddBlock(band, 1, PlacedOnSheet(state.block1, kBlockExtent, printable), !state.suppress_bar_code);
  if (state.two_numbers)
    AddBlock(band, 2, PlacedOnSheet(state.block2, kBlockExtent, printable), !state.suppress_bar_code);
  if (!state.suppress_matrix) {
    const report::Point at = PlacedOnSheet(state.matrix, kMatrixExtent, printable);
    const report::TextStyle matrix = TextStyleOf(10, true, report::HAlign::kCentre);
    for (int k = 1; k <= 25; ++k) {
      band.items.push_back(report::FieldText("M" + std::to_string(k), {at.x + kMatrixPitch * k, at.y, 22, 16},
                                             issue::NumberField(k), matrix));
    }
  }
  return layout;
}

Result<report::Document> PrintNumberCards(const NumberEditorState& state, const std::filesystem::path& folder,
                                          store::Table& card_file, const card::Password& password,
                                          const card::IssuerNumber& issuer) {
  if (auto open = RequireOpenCardFile(card_file); !open) return std::move(open).take_error();
  return report::BuildDocument(NumberCardLayout(state, folder),
                               report::TableRecords(card_file, {"", issue::kNumeroField}),
                               issue::CardRefreshHook(password, issuer));
}

}  // namespace tavelao::editors
