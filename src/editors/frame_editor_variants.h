#pragma once
// The three allocatable-frame editors (A4, large card, A5) are one editor;
// everything that tells them apart is in this table of data.

#include <array>
#include <string>

#include "layouts/card_models.h"
#include "report/geometry.h"
#include "report/page_setup.h"

namespace tavelao::editors {

enum class FrameEditorKind { kA4, kLarge, kA5 };

// A handle's place in the page panel, in panel pixels (half the layout's).
struct HandlePosition {
  int left = 0;
  int top = 0;
  friend bool operator==(const HandlePosition&, const HandlePosition&) = default;
};

struct HandleSize {
  int width = 0;
  int height = 0;
};

// A handle dragged past the page stops whole at its edge, within reach of
// the mouse (and its element on the sheet).
HandlePosition ClampToPanel(HandlePosition at, HandleSize handle, HandleSize panel);

// Where the parts of one frame print, from the frame's (X, Y) in layout
// pixels.
struct FrameGeometry {
  report::Point prize_text;  // LabelP j
  double prize_text_width = 0;
  double box_top = 0;  // Quadro j
  double letter_top = 0;
  std::array<double, 5> letter_lefts{};
  std::array<double, 5> rule_tops{};  // h j1..h j5
  double vertical_top = 0;
  std::array<double, 4> vertical_lefts{};  // v j1..v j4
  report::Point cell_origin;               // C j1
  report::Point cell_pitch;                // to the next column and row
  double letter_points = 16;
  double cell_width = 0;  // of the number and letter texts
  double cell_height = 0;
  // Above 0, how small a long prize text may be set instead of PrizeStyle's
  // smallest.
  double prize_min_points = 0;
};

enum class AuthenticationPlace { kTopRight, kBottomMiddle };

struct FrameEditorVariant {
  FrameEditorKind kind;
  const char* form_name;    // objectName of the window: "TFormVar"
  const char* caption;      // window title
  const char* layout_name;  // "FormCar9"
  report::Paper paper;
  HandleSize panel;  // Panel1, half of the page
  int frames;        // frame handles BQuadro1..
  HandleSize frame_handle;
  const char* matrix_caption;
  HandleSize matrix_handle;
  int blocks;  // block handles BC1..
  std::array<HandlePosition, 9> frame_defaults;
  HandlePosition matrix_default;
  std::array<HandlePosition, 6> block_defaults;
  const char* table_file;   // "Variantes.cds"
  const char* second_file;  // deleted on close: "Variaveis.cds"
  int default_font_size;
  // A4 and large card: a stub at the foot, EditNN counts the blocks, the
  // table must have CSM and stores NNCart. A5: CheckSC doubles the card
  // number instead.
  bool has_stub;
  const char* check_sc_caption;
  bool two_row_matrix;
  // The word "Cartela:" of a block is decoration on the A5 page.
  bool block_word_is_decoration;
  double block_bar_code_top;
  FrameGeometry frame;
  AuthenticationPlace authentication;
  // Band height of the one card per page.
  double band_height;
  // The title-letter option reaches FormCar9 and FormCar9G; FormCarA5
  // keeps B I N G O.
  bool follows_title_letters = true;
};

const FrameEditorVariant& FrameVariant(FrameEditorKind kind);

// The A5 page for kFramesA5; for kFramesA4 the large card when that was
// chosen (PrintCardFile allows it for 6 frames or fewer), A4 otherwise.
FrameEditorKind FrameEditorFor(layouts::CardEditor editor, bool large_card);
// The same for a model code of the catalogue.
FrameEditorKind FrameEditorForModel(int model_code, bool large_card);

// The box of frame handle j printed: width and height in layout pixels.
double FrameBoxWidth(const FrameEditorVariant& variant);
double FrameBoxBottom(const FrameEditorVariant& variant);  // from the frame's Y

}  // namespace tavelao::editors
