#include "layouts/card_styles.h"

#include "layouts/layout_options.h"

namespace tavelao::layouts {

report::TextStyle NumberStyle(double points, report::Colour colour) {
  report::TextStyle style = TextStyleOf(points, true, report::HAlign::kCentre);
  style.colour = colour;
  return style;
}

report::TextStyle LetterStyle(double points) { return TextStyleOf(points, true, report::HAlign::kCentre); }

report::TextStyle TextStyleOf(double points, bool bold, report::HAlign halign) {
  report::TextStyle style;
  style.font.points = points;
  style.font.bold = bold;
  style.halign = halign;
  return style;
}

}  // namespace tavelao::layouts
