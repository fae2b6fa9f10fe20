#pragma once
// The font button's one dialog, behind an interface so that tests can
// answer it: the system font dialog with the numbers' colour and, for the
// number editor, the background beside it.

#include "editors/font_choice.h"

class QWidget;

namespace tavelao::app {
class ColourPicker;
}

namespace tavelao::editors {

class FontChooser {
 public:
  virtual ~FontChooser() = default;
  // The choice starting from `preset`, in a dialog over `parent` (the
  // editor window, which stays in front when it closes); a cancelled
  // dialog gives the preset back.
  virtual FontChoice Choose(const FontChoice& preset, QWidget* parent) = 0;
};

// "Seleciona fonte" (DialogFonte): the font dialog FontDialog opened on the
// stored font as this machine shows it, and the colour buttons ButtonCor
// and ButtonFundo, which open the colour dialog only when pressed.
class QtFontChooser : public FontChooser {
 public:
  explicit QtFontChooser(app::ColourPicker& colours) : colours_(colours) {}
  FontChoice Choose(const FontChoice& preset, QWidget* parent) override;

 private:
  app::ColourPicker& colours_;
};

}  // namespace tavelao::editors
