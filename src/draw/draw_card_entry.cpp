#include "draw/draw_card_entry.h"

#include <algorithm>
#include <string>

namespace tavelao::draw {
namespace {

// The last `width` characters of the decimal text of value + 10^width.
void PutDigits(char* out, std::int64_t value, int width) {
  std::int64_t base = 1;
  for (int i = 0; i < width; ++i) base *= 10;
  const std::string text = std::to_string(value + base);
  const std::string tail = text.size() >= static_cast<std::size_t>(width) ? text.substr(text.size() - width) : text;
  std::fill(out, out + width, ' ');
  std::copy(tail.begin(), tail.end(), out + (width - tail.size()));
}

}  // namespace

DrawCardEntry DrawCardEntry::Make(std::string_view numbers, std::int32_t card, std::optional<std::int32_t> batch,
                                  std::optional<std::int32_t> entry) {
  DrawCardEntry made;
  char* out = made.text_.data();
  std::fill(out, out + kLength, ' ');
  std::copy_n(numbers.begin(), std::min<std::size_t>(numbers.size(), 50), out);
  PutDigits(out + 50, card, 6);
  if (batch) PutDigits(out + 56, *batch, 6);
  if (entry) PutDigits(out + 62, *entry, 3);
  return made;
}

std::int32_t DrawCardEntry::CardNumber() const {
  std::int32_t n = 0;
  for (char c : CardText()) n = n * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
  return n;
}

}  // namespace tavelao::draw
