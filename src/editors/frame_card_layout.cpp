#include "editors/frame_card_layout.h"

#include <algorithm>

#include "common/text.h"
#include "editors/editor_files.h"
#include "editors/sheet_edges.h"
#include "issue/card_file.h"
#include "issue/card_refresh.h"
#include "layouts/card_styles.h"
#include "layouts/card_texts.h"
#include "layouts/frame.h"
#include "layouts/prize_headings.h"
#include "layouts/stub.h"
#include "report/band_engine.h"
#include "report/record_source.h"

namespace tavelao::editors {
namespace {

using layouts::TextStyleOf;
using report::Rect;

constexpr const char* kLetterNames[5] = {"lb", "li", "ln", "lg", "lo"};
constexpr const char* kNumberFormat = "000000";
// A block: "Cartela:", the number, its digit and the bar code under them.
constexpr double kBlockWidth = 155;
constexpr double kBarCodeHeight = 40;

report::TextStyle BandFont(const NumberFont& font) {
  report::TextStyle style = TextStyleOf(font.size, font.bold, report::HAlign::kCentre);
  style.font.family = font.name;
  style.colour = font.colour;
  return style;
}

class FrameCardBuilder {
 public:
  FrameCardBuilder(const FrameEditorVariant& variant, const FrameEditorState& state, report::Band& band,
                   const Rect& printable)
      : v_(variant), s_(state), band_(band), printable_(printable) {}

  void Blocks() {
    const report::TextStyle text = TextStyleOf(10, true);
    const report::TextStyle number = TextStyleOf(10, true, report::HAlign::kRight);
    for (int k = 1; k <= v_.blocks; ++k) {
      if (!s_.block_shown[k - 1]) continue;
      const auto [x, y] = Placed(s_.blocks[k - 1], kBlockWidth, v_.block_bar_code_top + kBarCodeHeight);
      const std::string n = std::to_string(k);
      if (!v_.block_word_is_decoration || !decorations_off())
        Add(report::Label("Cart" + n, {x, y, 55, 18}, "Cartela:", text));
      // Right-aligned, so the number runs into its check digit.
      Add(report::FieldText("Num" + n, {x + 55, y, 59, 18}, issue::kNumeroField, number, kNumberFormat));
      Add(report::FieldText("Dig" + n, {x + 114, y, 24, 18}, issue::kDigitoField, text));
      if (!s_.suppress_bar_code)
        Add(report::BarCode("ImB" + n, {x + 55, y + v_.block_bar_code_top, 100, kBarCodeHeight}, issue::kBarCodeValue));
    }
  }

  void Stub() {
    if (!v_.has_stub || s_.check_sc) return;
    const char* names[3] = {"LabelNome", "LabelEnd", "LabelFone"};
    const double tops[3] = {992, 1020, 1044};
    for (int i = 0; i < 3; ++i)
      Add(report::Label(names[i], {40, tops[i], 520, 22}, layouts::kCardStubLines[i], TextStyleOf(12)));
    Add(report::Rule("Shape", {38, 974}, {756, 974}, report::Pen{1}));
    const report::TextStyle text = TextStyleOf(10, true);
    Add(report::Label("LabelCar", {38, 950, 64, 18}, "Cartela:", text));
    Add(report::FieldText("NumCar", {102, 950, 59, 18}, issue::kNumeroField,
                          TextStyleOf(10, true, report::HAlign::kRight), kNumberFormat));
    Add(report::FieldText("Dig", {161, 950, 24, 18}, issue::kDigitoField, text));
  }

  void Matrix() {
    if (s_.suppress_matrix) return;
    const auto [x, y] = Placed(s_.matrix, 2.0 * v_.matrix_handle.width, 2.0 * v_.matrix_handle.height);
    if (!decorations_off())
      Add(report::Box("QuadroM", {x, y, 2.0 * v_.matrix_handle.width, 2.0 * v_.matrix_handle.height}));
    report::TextStyle numbers = layouts::NumberStyle(11, layouts::kDesignRed);
    for (int k = 1; k <= 25; ++k) {
      Rect at{x + 26.0 * (k - 1) + 2, y + 2, 24, 32};
      if (v_.two_row_matrix) {
        at = k <= 13 ? Rect{x + 32.0 * (k - 1) + 17, y + 2, 28, 20}
                     : Rect{x + 32.0 * (k - 1) + 17 - 399, y + 22, 28, 20};
      }
      Add(report::FieldText("M" + std::to_string(k), at, issue::NumberField(k), numbers));
    }
  }

  void Frame(int j, const std::string& prize, const session::CardOptions& card) {
    const FrameGeometry& g = v_.frame;
    const auto [x, y] =
        Placed(s_.frames[j - 1], std::max(FrameBoxWidth(v_), g.prize_text.x + g.prize_text_width), FrameBoxBottom(v_));
    const std::string n = std::to_string(j);
    if (!decorations_off()) {
      const double width = FrameBoxWidth(v_);
      const double bottom = FrameBoxBottom(v_);
      if (!Trim(prize).empty())
        Add(report::Label("LP" + n, {x, y, 100, 18}, layouts::PrizeCaption(j), TextStyleOf(10, true)));
      report::TextStyle prize_style = layouts::PrizeStyle(report::HAlign::kLeft);
      if (g.prize_min_points > 0) prize_style.min_points = g.prize_min_points;
      Add(report::Label("LabelP" + n, {x + g.prize_text.x, y + g.prize_text.y, g.prize_text_width, 18}, prize,
                        prize_style));
      Add(report::Box("Quadro" + n, {x, y + g.box_top, width, bottom - g.box_top}, report::Pen{2}));
      const layouts::TitleLetters& letters = v_.follows_title_letters ? card.letters : layouts::kFixedLetters;
      for (int c = 0; c < 5; ++c) {
        Add(report::Label(kLetterNames[c] + n, {x + g.letter_lefts[c], y + g.letter_top, g.cell_width, g.cell_height},
                          letters[c], layouts::LetterStyle(g.letter_points)));
      }
      for (int r = 0; r < 5; ++r) {
        const double top = y + g.rule_tops[r];
        Add(report::Rule("h" + n + std::to_string(r + 1), {x, top}, {x + width, top}, report::Pen{1}));
      }
      for (int c = 0; c < 4; ++c) {
        const double left = x + g.vertical_lefts[c];
        Add(report::Rule("v" + n + std::to_string(c + 1), {left, y + g.vertical_top}, {left, y + bottom},
                         report::Pen{1}));
      }
    }
    const report::TextStyle numbers = BandFont(s_.font);
    // Row by row, so that text copied out of a PDF reads like the card.
    for (int row = 0; row < 5; ++row) {
      for (int column = 0; column < 5; ++column) {
        const int k = layouts::CellNumber(column, row);
        const Rect cell{x + g.cell_pitch.x * column + g.cell_origin.x, y + g.cell_pitch.y * row + g.cell_origin.y,
                        g.cell_width, g.cell_height};
        Add(report::FieldText("C" + n + std::to_string(k), cell, issue::NumberField(k), numbers));
      }
    }
  }

 private:
  bool decorations_off() const { return s_.only_numbers; }
  report::Point Placed(const HandlePosition& handle, double width, double height) const {
    return PlacedOnSheet(handle, {0, 0, width, height}, printable_);
  }
  void Add(report::LayoutItem item) { band_.items.push_back(std::move(item)); }

  const FrameEditorVariant& v_;
  const FrameEditorState& s_;
  report::Band& band_;
  const Rect printable_;
};

}  // namespace

report::Layout FrameCardLayout(const FrameEditorVariant& variant, const FrameEditorState& state,
                               const session::CardOptions& card, const std::filesystem::path& folder) {
  report::Layout layout;
  layout.name = variant.layout_name;
  layout.page.paper = variant.paper;
  report::Band& band = layout.detail;
  band.height = variant.band_height;
  band.border = report::Pen{0};
  const double width = layout.page.width();

  std::error_code ignored;
  if (const auto picture = folder / kCardPicture; std::filesystem::exists(picture, ignored)) {
    report::LayoutItem background = report::Picture("Imagem", {0, 0, width, band.height}, picture);
    std::get<report::PictureContent>(background.content).stretch = true;
    band.items.push_back(std::move(background));
  }
  // The authentication line at the printable corner or foot of the sheet.
  const Rect printable = PrintableInBand(layout.page, band.height);
  const Rect authentication = variant.authentication == AuthenticationPlace::kTopRight
                                  ? TopRightAuthentication(printable)
                                  : Rect{width / 2 - 150, std::min(band.height - 26, printable.bottom() - 18), 300, 18};
  band.items.push_back(layouts::AuthenticationText(
      authentication, TextStyleOf(10, true,
                                  variant.authentication == AuthenticationPlace::kTopRight ? report::HAlign::kRight
                                                                                           : report::HAlign::kCentre)));

  FrameCardBuilder builder(variant, state, band, printable);
  builder.Blocks();
  builder.Stub();
  builder.Matrix();
  for (int j = 1; j <= variant.frames; ++j) {
    if (state.frame_shown[j - 1]) builder.Frame(j, card.prizes[j - 1], card);
  }
  return layout;
}

Result<report::Document> PrintFrameCards(const FrameEditorVariant& variant, const FrameEditorState& state,
                                         const session::CardOptions& card, const std::filesystem::path& folder,
                                         store::Table& card_file, const card::Password& password,
                                         const card::IssuerNumber& issuer) {
  if (auto open = RequireOpenCardFile(card_file); !open) return std::move(open).take_error();
  return report::BuildDocument(FrameCardLayout(variant, state, card, folder),
                               report::TableRecords(card_file, {"", issue::kNumeroField}),
                               issue::CardRefreshHook(password, issuer));
}

}  // namespace tavelao::editors
