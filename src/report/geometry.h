#pragma once
// Positions and sizes of a layout, in layout pixels of 1/96 inch (A4 is
// 794 x 1123 of them), the unit the layouts were designed in.

namespace tavelao::report {

inline constexpr double kLayoutDpi = 96.0;

// Millimetres as layout pixels (10 mm is about 38).
constexpr double Mm(double millimetres) { return millimetres * kLayoutDpi / 25.4; }

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;

  double right() const { return x + width; }
  double bottom() const { return y + height; }
  Rect Moved(double dx, double dy) const { return {x + dx, y + dy, width, height}; }
  bool Contains(const Rect& inner, double slack = 0.01) const {
    return inner.x >= x - slack && inner.y >= y - slack && inner.right() <= right() + slack &&
           inner.bottom() <= bottom() + slack;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tavelao::report
