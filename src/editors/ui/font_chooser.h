#pragma once
// The system font dialog behind an interface, so that tests can answer it.
// The font dialog has no colour, so the colour dialog follows it.

#include <optional>

#include "editors/frame_editor_state.h"

class QWidget;

namespace tavelao::app {
class ColourPicker;
}

namespace tavelao::editors {

class FontChooser {
 public:
  virtual ~FontChooser() = default;
  // The font chosen starting from `preset`; a cancelled dialog keeps the
  // preset's part it would have chosen.
  virtual NumberFont Choose(const NumberFont& preset) = 0;
};

class QtFontChooser : public FontChooser {
 public:
  QtFontChooser(app::ColourPicker& colours, QWidget* parent) : colours_(colours), parent_(parent) {}
  NumberFont Choose(const NumberFont& preset) override;

 private:
  app::ColourPicker& colours_;
  QWidget* parent_;
};

}  // namespace tavelao::editors
