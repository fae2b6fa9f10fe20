#pragma once
// A frame: the ruled box of five columns under a title row of five letters,
// with the card's numbers in cell order (row r holds N r, N r+5, ... N r+20).

#include <array>
#include <string>

#include "report/layout.h"

namespace tavelao::layouts {

using TitleLetters = std::array<std::string, 5>;
inline const TitleLetters kFixedLetters = {"B", "I", "N", "G", "O"};

struct FrameDesign {
  report::Point origin;  // top left of the title row, in the band
  double cell_width = 38;
  double cell_height = 38;
  double title_height = 0;         // of the title row; 0 is the cell height
  int rows = 5;                    // number rows, from the top (3 prints N1-N3, N6-N8 ...)
  std::string cell_prefix = "QN";  // "QN", "RN", "SN": the k-th cell is named prefix + k
  int frame = 1;                   // the k of the letter names Lb k .. Lo k
  TitleLetters letters = kFixedLetters;
  double number_points = 14;
  double letter_points = 16;
  report::Colour number_colour;
  // White cells, for frames printed over the free text.
  bool opaque = false;
};

// Width and height of the frame with its title row.
double FrameWidth(const FrameDesign& design);
double FrameHeight(const FrameDesign& design);

// The number k (1..25) at a grid position (column and row from 0).
inline int CellNumber(int column, int row) { return 5 * column + row + 1; }

double TitleHeight(const FrameDesign& design);

void AddFrame(report::Band& band, const FrameDesign& design);

}  // namespace tavelao::layouts
