#pragma once
// The colours of card and ball numbers on the draw screens: navy not drawn,
// red drawn; a drawn ball of the board is also a filled cell, which reads
// from across the hall where the digits' colour does not.

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace tavelao::draw {

inline const QColor kNotDrawnColour(0, 0, 128);
inline const QColor kDrawnColour(255, 0, 0);

inline const QColor kUndrawnCellColour(255, 255, 255);
inline const QColor kDrawnCellColour(255, 214, 0);

inline void PaintNumber(QLabel& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);  // a label on the Base role writes in Text
  label.setPalette(palette);
}

// A ball panel of the board, on the Base role it fills.
inline void PaintBall(QLabel& label, bool drawn) {
  PaintNumber(label, drawn ? kDrawnColour : kNotDrawnColour);
  QPalette palette = label.palette();
  palette.setColor(QPalette::Base, drawn ? kDrawnCellColour : kUndrawnCellColour);
  label.setPalette(palette);
}

}  // namespace tavelao::draw
