#pragma once
// The sheet a layout prints on: paper, orientation and page margins.

#include "report/geometry.h"

namespace tavelao::report {

enum class Paper { kA4, kA5 };

// Many printers cannot print closer than this to the paper's edge: every
// layout keeps its content inside it.
inline constexpr double kPrinterEdgeMm = 5;
enum class Orientation { kPortrait, kLandscape };

struct Margins {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  static Margins All(double each) { return {each, each, each, each}; }
  friend bool operator==(const Margins&, const Margins&) = default;
};

struct PageSetup {
  Paper paper = Paper::kA4;
  Orientation orientation = Orientation::kPortrait;
  Margins margins;

  // The whole sheet and the part inside the margins, in layout pixels.
  double width() const;
  double height() const;
  Rect Printable() const;
  friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// Paper sizes in millimetres, portrait.
double PaperWidthMm(Paper paper);
double PaperHeightMm(Paper paper);

}  // namespace tavelao::report
