#pragma once
// What "Seleciona fonte" keeps after its dialog. The layouts name Arial,
// which a machine without it shows through a substitute (Liberation Sans):
// a family, size or boldness the organiser left as the dialog showed it
// keeps the stored value, so OK without a change stores what was there.

#include <optional>
#include <string>

#include "common/rgb.h"
#include "editors/frame_editor_state.h"

namespace tavelao::editors {

// A font as the dialog shows it: the family under the name the dialog
// gives it, the size and whether the style is exactly bold.
struct DialogFont {
  std::string family;
  int size = 0;
  bool bold = false;
};

NumberFont KeepUnchangedFont(const NumberFont& stored, const DialogFont& shown, const DialogFont& chosen);

// The one dialog of the font button: the numbers' font and colour and, in
// the number editor, the cells' background.
struct FontChoice {
  NumberFont font;
  std::optional<Rgb> background;  // none: the dialog offers no background
  friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

}  // namespace tavelao::editors
