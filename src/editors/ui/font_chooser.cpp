#include "editors/ui/font_chooser.h"

#include <QFontDialog>

#include "app/ui/colour_picker.h"
#include "app/ui/qt_text.h"

namespace tavelao::editors {

NumberFont QtFontChooser::Choose(const NumberFont& preset) {
  QFont initial(app::ToQString(preset.name), preset.size, preset.bold ? QFont::Bold : QFont::Normal);
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, parent_, QStringLiteral("Seleciona fonte"));
  NumberFont chosen = preset;
  if (ok) {
    chosen.name = app::ToUtf8(font.family());
    chosen.size = font.pointSize() > 0 ? font.pointSize() : preset.size;
    // "Negrito" is "Sim" only for a style that is exactly bold.
    chosen.bold = font.weight() == QFont::Bold && !font.italic() && !font.underline() && !font.strikeOut();
  }
  if (auto colour = colours_.Pick(preset.colour, QStringLiteral("Cor dos números"))) chosen.colour = *colour;
  return chosen;
}

}  // namespace tavelao::editors
