#pragma once
// The colours of card and ball numbers on the draw screens: navy not drawn,
// red drawn.

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace tavelao::draw {

inline const QColor kNotDrawnColour(0, 0, 128);
inline const QColor kDrawnColour(255, 0, 0);

inline void PaintNumber(QLabel& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);  // a label on the Base role writes in Text
  label.setPalette(palette);
}

}  // namespace tavelao::draw
