#include "editors/number_editor_state.h"

namespace tavelao::editors {

NumberEditorState DefaultNumberEditorState() {
  NumberEditorState state;
  RestoreNumberDefaults(state);
  return state;
}

void RestoreNumberDefaults(NumberEditorState& state) {
  for (int k = 0; k < 25; ++k) state.numbers[k] = {30 + 30 * (k / 5), 30 + 30 * (k % 5)};
  state.block1 = {18, 220};
  state.block2 = {100, 220};
  // M25 ends clear of the 5 mm the printer leaves at the right edge.
  state.matrix = {63, 180};
}

void SetTwoCards(NumberEditorState& state, bool two_cards) {
  state.two_cards = two_cards;
  state.band_height = two_cards ? 552 : 1118;
}

int NumberPanelHeight(const NumberEditorState& state) {
  return state.two_cards ? kNumberPanelHeight / 2 : kNumberPanelHeight;
}

}  // namespace tavelao::editors
