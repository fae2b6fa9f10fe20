#pragma once
// The Interleaved 2 of 5 picture of a bar-code text: 50 pixels high, one
// pixel per narrow element and three per wide one, no quiet zone.

#include <optional>
#include <string_view>
#include <vector>

namespace tavelao::card {

struct BarCodeImage {
  static constexpr int kHeight = 50;
  // One entry per pixel column, left to right: true is a black line.
  std::vector<bool> columns;
  int width() const { return static_cast<int>(columns.size()); }
};

// No picture when a character is not a decimal digit. An odd number of
// digits is led by a 0.
std::optional<BarCodeImage> MakeBarCodeImage(std::string_view digits);

}  // namespace tavelao::card
