#include "editors/frame_editor_variants.h"

#include <algorithm>

namespace tavelao::editors {
namespace {

constexpr const char* kA4Caption = "Posicionamento dos quadros na cartela variavel tamanho A4 - 21 * 29,7cm";
constexpr const char* kStubCheck = "Suprime canhoto com nome/endereço/telefone";

// Positions are written (left, top) here; the handles' defaults are given
// by the organiser's documents as (top, left).
constexpr HandlePosition At(int top, int left) { return {left, top}; }

// A block is wider than the documents' pitch of 57 (its check digit ended
// under the next block's "Cartela:"), and six side by side are wider than
// the sheet: BC4 to BC6, which the first three counts show, in one row
// ending where BC6 always was, BC1 to BC3 in a row under it.
constexpr std::array<HandlePosition, 6> kA4Blocks = {At(501, 18),  At(501, 90),  At(501, 162),
                                                     At(467, 159), At(467, 231), At(467, 303)};

const FrameEditorVariant kA4{
    FrameEditorKind::kA4,
    "TFormVar",
    kA4Caption,
    "FormCar9",
    report::Paper::kA4,
    {397, 560},
    9,
    {96, 134},
    "Matriz de conferência",
    {350, 18},
    6,
    {At(6, 18), At(6, 137), At(6, 250), At(158, 18), At(158, 137), At(158, 250), At(312, 18), At(312, 137),
     At(312, 250)},
    At(450, 21),
    kA4Blocks,
    "Variantes.cds",
    "Variaveis.cds",
    16,
    true,
    kStubCheck,
    false,
    false,
    23,
    {{0, 20},
     190,
     40,
     47,
     {7, 46, 83, 120, 158},
     {78, 115, 154, 191, 230},
     78,
     {38, 76, 114, 152},
     {7, 86},
     {38, 37},
     16,
     24,
     22},
    AuthenticationPlace::kTopRight,
    1121,
};

const FrameEditorVariant kLarge{
    FrameEditorKind::kLarge,
    "TFormVarG",
    kA4Caption,
    "FormCar9G",
    report::Paper::kA4,
    {397, 560},
    6,
    {150, 165},
    "Matriz de conferência",
    {350, 18},
    6,
    // The first row comes down from the edge printers cannot print on and
    // under the authentication line. Under the stub, the only strip the
    // third row leaves, the matrix keeps clear of frames 5 and 6; the blocks
    // take the room under the second row, two rows of three like the A4
    // page's.
    {At(18, 31), At(18, 213), At(185, 31), At(185, 213), At(352, 31), At(352, 213)},
    At(534, 21),
    {At(418, 18), At(418, 90), At(418, 162), At(384, 159), At(384, 231), At(384, 303)},
    "VariantesG.cds",
    "VariaveisG.cds",
    16,
    true,
    kStubCheck,
    false,
    false,
    23,
    {{75, 0},
     225,
     20,
     26,
     {6, 63, 123, 183, 243},
     {68, 120, 173, 226, 279},
     70,
     {58, 118, 178, 239},
     {5, 80},
     {60, 53},
     22,
     50,
     28},
    AuthenticationPlace::kTopRight,
    1121,
};

const FrameEditorVariant kA5{
    FrameEditorKind::kA5,
    "TFormVarA5",
    "Posicionamento dos quadros na cartela variavel tamanho A5",
    "FormCarA5",
    report::Paper::kA5,
    {280, 400},
    9,
    {80, 102},
    "Matriz",
    {225, 24},
    2,
    // The A5 sheet is a little smaller than its panel: the frames come up
    // and closer together so that matrix, blocks and their bar codes end
    // clear of the paper's foot; the second block goes under the third
    // column, apart from the first and from the authentication line.
    {At(10, 13), At(10, 102), At(10, 190), At(117, 13), At(117, 102), At(117, 190), At(224, 13), At(224, 102),
     At(224, 190)},
    At(331, 27),
    {At(356, 17), At(356, 190)},
    "VariantesA5.cds",
    "VariaveisA5.cds",
    12,
    false,
    "Número da cartela duplicado",
    true,
    true,
    20,
    {{0, 16},
     150,
     34,
     39,
     {6, 37, 66, 96, 126},
     {60, 91, 121, 151, 181},
     62,
     {30, 60, 90, 120},
     {2, 66},
     {30, 30},
     11,
     26,
     20,
     // The A4 page at seven tenths: a prize of 30 capitals fits across
     // a frame only at 6 points.
     6},
    AuthenticationPlace::kBottomMiddle,
    792,
    false,
};

}  // namespace

HandlePosition ClampToPanel(HandlePosition at, HandleSize handle, HandleSize panel) {
  return {std::clamp(at.left, 0, std::max(0, panel.width - handle.width)),
          std::clamp(at.top, 0, std::max(0, panel.height - handle.height))};
}

const FrameEditorVariant& FrameVariant(FrameEditorKind kind) {
  switch (kind) {
    case FrameEditorKind::kLarge:
      return kLarge;
    case FrameEditorKind::kA5:
      return kA5;
    case FrameEditorKind::kA4:
      break;
  }
  return kA4;
}

FrameEditorKind FrameEditorFor(layouts::CardEditor editor, bool large_card) {
  if (editor == layouts::CardEditor::kFramesA5) return FrameEditorKind::kA5;
  return large_card ? FrameEditorKind::kLarge : FrameEditorKind::kA4;
}

FrameEditorKind FrameEditorForModel(int model_code, bool large_card) {
  const layouts::CardModel* model = layouts::FindCardModel(model_code);
  return FrameEditorFor(model ? model->editor : layouts::CardEditor::kFramesA4, large_card);
}

double FrameBoxWidth(const FrameEditorVariant& variant) { return 5 * variant.frame.cell_pitch.x; }
double FrameBoxBottom(const FrameEditorVariant& variant) {
  return variant.frame.rule_tops[4] + variant.frame.cell_pitch.y;
}

}  // namespace tavelao::editors
