#include "card/bar_code.h"

#include <string>

namespace tavelao::card {
namespace {

// Narrow (0) and wide (1) elements of each digit.
constexpr const char* kPatterns[10] = {"00110", "10001", "01001", "11000", "00101",
                                       "10100", "01100", "00011", "10010", "01010"};
constexpr int kNarrow = 1;
constexpr int kWide = 3;

}  // namespace

std::optional<BarCodeImage> MakeBarCodeImage(std::string_view digits) {
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::string text(digits);
  if (text.size() % 2 != 0) text.insert(text.begin(), '0');

  // Elements alternate bar, space, bar, ...; '0' narrow, '1' wide.
  std::string elements = "0000";
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const char* bars = kPatterns[text[i] - '0'];
    const char* spaces = kPatterns[text[i + 1] - '0'];
    for (int k = 0; k < 5; ++k) {
      elements += bars[k];
      elements += spaces[k];
    }
  }
  elements += "100";

  BarCodeImage image;
  bool black = true;
  for (char e : elements) {
    image.columns.insert(image.columns.end(), e == '1' ? kWide : kNarrow, black);
    black = !black;
  }
  return image;
}

}  // namespace tavelao::card
