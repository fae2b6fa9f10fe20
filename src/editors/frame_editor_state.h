#pragma once
// What an allocatable-frame editor holds: where its handles are, which are
// shown, the four check boxes, EditNN and the numbers' font. The window
// shows it; printing and the table file read it.

#include <array>
#include <string>

#include "common/rgb.h"
#include "editors/frame_editor_variants.h"

namespace tavelao::editors {

// The font panel "Fonte dos números:".
struct NumberFont {
  std::string name = "Arial";  // LabelFonte
  int size = 16;               // LabelTamanho
  bool bold = true;            // LabelNegrito "Sim"
  Rgb colour{255, 0, 0};       // LabelCor
  friend bool operator==(const NumberFont&, const NumberFont&) = default;
};

struct FrameEditorState {
  std::array<HandlePosition, 9> frames{};  // BQuadro1..BQuadro9
  HandlePosition matrix;                   // BM
  std::array<HandlePosition, 6> blocks{};  // BC1..BC6
  // Frames 1 to N of the issue run are shown; handles the variant lacks
  // stay hidden.
  std::array<bool, 9> frame_shown{};
  std::array<bool, 6> block_shown{};
  bool only_numbers = false;       // CheckSN
  bool check_sc = false;           // CheckSC: no stub, or (A5) the second card number
  bool suppress_bar_code = false;  // CheckSBarras
  bool suppress_matrix = false;    // CheckSMatriz
  std::string blocks_text = "1";   // EditNN
  NumberFont font;
};

// The state of a new window: default positions and font, every frame the
// variant has shown, the number of blocks applied.
FrameEditorState DefaultFrameEditorState(const FrameEditorVariant& variant);

// ButtonRecol: frames, matrix and blocks back where they start; nothing
// else changes.
void RestoreDefaultPositions(const FrameEditorVariant& variant, FrameEditorState& state);

// Number of blocks, from the last one backwards: EditNN 0 hides all, 1 shows
// BC6, 2 shows BC5 and BC6 ... 6 shows all; text that is not a number counts
// as 1 and other numbers change nothing. On the A5 page BC1 always shows and
// BC2 follows CheckSC.
void ApplyBlockCount(const FrameEditorVariant& variant, FrameEditorState& state);

// EditNN as NNCart stores it: trimmed, not a number is 1.
int BlockCount(const std::string& blocks_text);

// Frames 1 to `frames` shown, the others hidden.
void ShowFrames(const FrameEditorVariant& variant, FrameEditorState& state, int frames);

// The colour as the table keeps it: the decimal text of red + 256 green +
// 65536 blue.
std::string ColourValueText(Rgb colour);
// Text that is not such a number keeps `fallback`.
Rgb ColourFromValueText(const std::string& text, Rgb fallback);

}  // namespace tavelao::editors
