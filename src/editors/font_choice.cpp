#include "editors/font_choice.h"

namespace tavelao::editors {

NumberFont KeepUnchangedFont(const NumberFont& stored, const DialogFont& shown, const DialogFont& chosen) {
  NumberFont kept = stored;
  if (chosen.family != shown.family) kept.name = chosen.family;
  if (chosen.size != shown.size && chosen.size > 0) kept.size = chosen.size;
  if (chosen.bold != shown.bold) kept.bold = chosen.bold;
  return kept;
}

}  // namespace tavelao::editors
