#pragma once
// How the items of a layout look: colours, fonts, text alignment, pens.

#include <cstdint>
#include <optional>
#include <string>

#include "common/rgb.h"

namespace tavelao::report {

using Colour = tavelao::Rgb;

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

// Layouts name Arial; on Linux fontconfig maps it to Liberation Sans, which
// has the same metrics.
struct Font {
  std::string family = "Arial";
  double points = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class HAlign { kLeft, kCentre, kRight };
enum class VAlign { kTop, kCentre, kBottom };

struct TextStyle {
  Font font;
  Colour colour = kBlack;
  HAlign halign = HAlign::kLeft;
  VAlign valign = VAlign::kCentre;
  bool word_wrap = false;
  bool clip = false;  // cut the text at its rectangle
  // Above 0, a text too long for its rectangle is set smaller, down to this
  // many points, instead of running out of it.
  double min_points = 0;
  // Painted under the text's lines, so it reads over a picture or free text.
  std::optional<Colour> backing;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

enum class LineStyle { kSolid, kDashed, kDotted };

struct Pen {
  double width = 1;  // layout pixels
  Colour colour = kBlack;
  LineStyle style = LineStyle::kSolid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

}  // namespace tavelao::report
