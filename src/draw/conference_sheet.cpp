#include "draw/conference_sheet.h"

#include <string>
#include <vector>

#include "layouts/card_styles.h"
#include "layouts/page_setups.h"
#include "report/band_engine.h"
#include "report/record_source.h"

namespace tavelao::draw {
namespace {

// The rows sit where the cover of each card size expects them: the fourth
// row starts at 173 and the fifth at 212.
constexpr double kGridLeft = 40;
constexpr double kColumnPitch = 90;
constexpr double kNumberWidth = 50;
constexpr double kMarkWidth = 36;
constexpr double kLettersTop = 17;
constexpr double kFirstRowTop = 56;
constexpr double kRowPitch = 39;
constexpr double kTextsLeft = kGridLeft + 5 * kColumnPitch + 30;
constexpr double kTextsWidth = 198;
constexpr const char* kLetterNames[5] = {"Lb1", "Li1", "Ln1", "Lg1", "Lo1"};
constexpr const char* kLetters[5] = {"B", "I", "N", "G", "O"};

double ColumnLeft(int column) { return kGridLeft + (column - 1) * kColumnPitch; }
double RowTop(int row) { return kFirstRowTop + (row - 1) * kRowPitch; }

}  // namespace

report::Layout ConferenceSheetLayout(const Conference* conference, const CardSizeLayout& size) {
  report::Layout layout;
  layout.name = kConferenceSheetName;
  layout.page = layouts::A4TenMillimetreMargins();
  report::Band form;
  form.height = 340;
  auto& items = form.items;

  items.push_back(report::Label("LabelCart", {kTextsLeft, RowTop(1), kTextsWidth, 30},
                                conference ? conference->card_caption : "Cartela:", layouts::TextStyleOf(14, true)));
  items.push_back(report::Label("LabelSenha", {kTextsLeft, RowTop(2), kTextsWidth, 30},
                                conference ? conference->authentication_line : "", layouts::TextStyleOf(11, true)));
  for (int c = 1; c <= 5; ++c) {
    items.push_back(report::Label(kLetterNames[c - 1], {ColumnLeft(c), kLettersTop, kNumberWidth, kRowPitch},
                                  kLetters[c - 1], layouts::LetterStyle(20)));
  }
  for (int k = 1; k <= 25; ++k) {
    const int column = (k - 1) / 5 + 1;
    const int row = (k - 1) % 5 + 1;
    const double x = ColumnLeft(column);
    const double y = RowTop(row);
    const ConferenceCell* cell = conference ? &conference->cells[k - 1] : nullptr;
    const std::string key = std::to_string(k);
    // Inset by a pixel so that the cover takes a hidden row's box whole
    // and leaves the row above untouched.
    items.push_back(
        report::Box("Casa" + key, {x + 1, y + 1, kNumberWidth + kMarkWidth - 2, kRowPitch - 2}, report::Pen{0.5}));
    items.push_back(report::Label("n" + key, {x, y, kNumberWidth, kRowPitch}, cell ? cell->text : "",
                                  layouts::NumberStyle(20, report::kBlack)));
    items.push_back(report::Label("x" + key, {x + kNumberWidth, y, kMarkWidth, kRowPitch},
                                  cell && cell->drawn ? "X" : "", layouts::LetterStyle(18)));
  }
  const double signature_top = RowTop(5) + kRowPitch + 44;
  items.push_back(report::Label("LabelRubrica", {kGridLeft, signature_top, 200, 24}, "Rubrica de autorização ",
                                layouts::TextStyleOf(11)));
  items.push_back(report::Rule("LinhaRubrica", {kGridLeft + 200, signature_top + 20},
                               {kTextsLeft + kTextsWidth, signature_top + 20}));
  // Last, so that it lies over the rows it hides.
  items.push_back(report::Box("ShapeCobre",
                              {kGridLeft - 4, static_cast<double>(size.conference_cover_top), 5 * kColumnPitch + 8,
                               static_cast<double>(size.conference_cover_height)},
                              report::Pen{0}, report::kWhite));
  layout.page_header = std::move(form);
  layout.detail.height = 0;
  return layout;
}

Result<report::Document> ConferenceSheet(const Conference* conference, const CardSizeLayout& size) {
  // One page of the form alone: no records.
  const std::vector<store::Record> none;
  return report::BuildDocument(ConferenceSheetLayout(conference, size), report::RecordList(none));
}

}  // namespace tavelao::draw
