#include "draw/winners_sheet.h"

namespace tavelao::draw {

void AddWinnerToSheet(WinnersSheet& sheet, int& winner_count, const DrawCardEntry& entry) {
  const int frame = winner_count + 1;
  ++winner_count;
  if (frame > WinnersSheet::kFrames) return;
  SheetFrame& f = sheet.frames[frame - 1];
  const std::string number(entry.CardText());
  f.title = "Cartela " + number + "-" + entry.CheckDigit();
  for (int k = 1; k <= 25; ++k) f.cells[k - 1] = std::string(entry.Cell(k));
}

}  // namespace tavelao::draw
