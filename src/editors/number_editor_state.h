#pragma once
// TFormDVar, the allocatable-number editor: where each of the 25 numbers,
// the two card-number blocks and the matrix print, the font and colours of
// the numbers and the five check boxes.

#include <array>

#include "common/rgb.h"
#include "editors/frame_editor_state.h"

namespace tavelao::editors {

inline constexpr int kNumberPanelWidth = 359;
inline constexpr int kNumberPanelHeight = 522;  // 261 with two cards per sheet

struct NumberEditorState {
  std::array<HandlePosition, 25> numbers{};  // QD1..QD25
  HandlePosition block1;                     // BC1
  HandlePosition block2;                     // BC2
  HandlePosition matrix;                     // BM
  bool suppress_border = false;              // CheckSBorda
  bool two_numbers = true;                   // Check2Cod: BC2 shown
  bool suppress_bar_code = false;            // CheckSBarras
  bool suppress_matrix = false;              // CheckSMatriz: BM hidden
  bool two_cards = false;                    // Check2Cart
  NumberFont font;                           // "Fonte dos números:"
  Rgb background{255, 255, 255};             // "Cor de fundo"
  // FormCar25's band: 559 as designed until the table or the check box
  // sets it.
  double band_height = 559;
};

NumberEditorState DefaultNumberEditorState();
// ButtonRecol: the default 5 x 5 grid, blocks and matrix.
void RestoreNumberDefaults(NumberEditorState& state);
// Check2Cart clicked: the band of one card per half sheet or per sheet.
void SetTwoCards(NumberEditorState& state, bool two_cards);
int NumberPanelHeight(const NumberEditorState& state);

}  // namespace tavelao::editors
