#include "draw/ui/cell_picture_widget.h"

#include <QPainter>

namespace tavelao::draw {

CellPicture::CellPicture(CellMask cells, QWidget* parent) : QWidget(parent), cells_(cells) { setFixedSize(sizeHint()); }

void CellPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  constexpr int kCell = 9;
  for (int k = 1; k <= 25; ++k) {
    const int column = (k - 1) / 5;
    const int row = (k - 1) % 5;
    const QRect cell(column * kCell, row * kCell, kCell - 1, kCell - 1);
    const bool on = (cells_ >> (k - 1)) & 1u;
    painter.fillRect(cell, on ? QColor(0, 0, 128) : QColor(Qt::white));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(cell);
  }
}

CellMask PictureCells(Pattern pattern) { return Info(pattern).instances[0]; }

}  // namespace tavelao::draw
