#pragma once
// The one record of "TiposSor.cds": the last draw type and, in an
// electronic draw, the balls drawn. Written here, read by nobody.

#include "common/result.h"
#include "draw/draw_type.h"
#include "store/table.h"

namespace tavelao::draw {

class DrawTypeRecord {
 public:
  explicit DrawTypeRecord(store::Table& table) : table_(table) {}

  // Tipos (the text cut to the field's ten characters), "Sim" or "Não" for
  // Cheia and each pattern, and Col1..Col5.
  Status WriteChoice(const DrawChoice& choice, const DrawTypeText& text);
  // P<ball> true.
  Status MarkDrawn(int ball);
  // P<ball> false.
  Status UnmarkDrawn(int ball);
  // P1..P100 false.
  Status ClearDrawn();

 private:
  template <typename Change>
  Status Post(Change change);

  store::Table& table_;
};

}  // namespace tavelao::draw
