#pragma once
// The winners sheet `TFormVenc` ("Cartelas ganhadoras") as data: six card
// frames, each a title and the texts of its 25 cells in bank order, and how
// many of them are shown.

#include <array>
#include <string>

#include "draw/draw_card_entry.h"

namespace tavelao::draw {

struct SheetFrame {
  std::string title;                  // Cart1..Cart6: "Cartela 000042-6"
  std::array<std::string, 25> cells;  // A1..A25 (B1.., C1.. for the next frames)
  friend bool operator==(const SheetFrame&, const SheetFrame&) = default;
};

struct WinnersSheet {
  static constexpr int kFrames = 6;
  std::array<SheetFrame, kFrames> frames;
  int visible_frames = 0;
};

// `AddWinnerToSheet`: the card goes to frame winner_count + 1 when that is
// one of the six; the winner is counted in any case.
void AddWinnerToSheet(WinnersSheet& sheet, int& winner_count, const DrawCardEntry& entry);

}  // namespace tavelao::draw
