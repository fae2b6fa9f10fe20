#include <QApplication>
#include <QColorDialog>

#include "app/colour_picker.h"
#include "app/qt_text.h"

namespace tavelao::app {

std::optional<session::Rgb> QtColourPicker::Pick(session::Rgb initial, const QString& title) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow(), title);
  if (!chosen.isValid()) return std::nullopt;
  return ToRgb(chosen);
}

}  // namespace tavelao::app
