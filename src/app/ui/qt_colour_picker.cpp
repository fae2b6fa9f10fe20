#include <QApplication>
#include <QColorDialog>

#include "app/ui/colour_picker.h"
#include "app/ui/qt_text.h"

namespace tavelao::app {

std::optional<session::Rgb> QtColourPicker::Pick(session::Rgb initial, const QString& title) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow(), title);
  if (!chosen.isValid()) return std::nullopt;
  return ToRgb(chosen);
}

}  // namespace tavelao::app
