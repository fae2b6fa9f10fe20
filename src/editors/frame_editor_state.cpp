#include "editors/frame_editor_state.h"

#include "common/text.h"

namespace tavelao::editors {

FrameEditorState DefaultFrameEditorState(const FrameEditorVariant& variant) {
  FrameEditorState state;
  RestoreDefaultPositions(variant, state);
  state.font.size = variant.default_font_size;
  ShowFrames(variant, state, variant.frames);
  ApplyBlockCount(variant, state);
  return state;
}

void RestoreDefaultPositions(const FrameEditorVariant& variant, FrameEditorState& state) {
  for (int j = 0; j < variant.frames; ++j) state.frames[j] = variant.frame_defaults[j];
  state.matrix = variant.matrix_default;
  for (int k = 0; k < variant.blocks; ++k) state.blocks[k] = variant.block_defaults[k];
}

int BlockCount(const std::string& blocks_text) {
  const auto n = ParseInt32(Trim(blocks_text));
  return n ? *n : 1;
}

void ApplyBlockCount(const FrameEditorVariant& variant, FrameEditorState& state) {
  if (!variant.has_stub) {
    state.block_shown = {true, state.check_sc, false, false, false, false};
    return;
  }
  const int n = BlockCount(state.blocks_text);
  if (n < 0 || n > variant.blocks) return;
  for (int k = 0; k < variant.blocks; ++k) state.block_shown[k] = k >= variant.blocks - n;
}

void ShowFrames(const FrameEditorVariant& variant, FrameEditorState& state, int frames) {
  for (int j = 0; j < 9; ++j) state.frame_shown[j] = j < variant.frames && j < frames;
}

std::string ColourValueText(Rgb colour) {
  return std::to_string(colour.red + 256 * colour.green + 65536 * colour.blue);
}

Rgb ColourFromValueText(const std::string& text, Rgb fallback) {
  const auto value = ParseInt32(Trim(text));
  if (!value || *value < 0 || *value > 0xFFFFFF) return fallback;
  return Rgb{static_cast<std::uint8_t>(*value & 0xFF), static_cast<std::uint8_t>((*value >> 8) & 0xFF),
             static_cast<std::uint8_t>((*value >> 16) & 0xFF)};
}

}  // namespace tavelao::editors
