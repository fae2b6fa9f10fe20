#pragma once
// A small 5×5 picture of the card cells a card size or a pattern plays,
// drawn beside its check box.

#include <QWidget>

#include "draw/draw_figures.h"

namespace tavelao::draw {

class CellPicture : public QWidget {
 public:
  CellPicture(CellMask cells, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {46, 46}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CellMask cells_;
};

// Every cell any instance of the pattern uses (the first column for Coluna,
// the top row for Linha).
CellMask PictureCells(Pattern pattern);

}  // namespace tavelao::draw
