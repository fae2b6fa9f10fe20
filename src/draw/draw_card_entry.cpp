#include "draw/draw_card_entry.h"

#include <algorithm>

#include "card/card_identity.h"

namespace tavelao::draw {
namespace {

// The last `width` digits of value + 10^width (of a value at least
// -10^width), zero-padded.
void PutDigits(char* out, std::int64_t value, int width) {
  std::int64_t base = 1;
  for (int i = 0; i < width; ++i) base *= 10;
  std::int64_t rest = (value + base) % base;
  if (rest < 0) rest += base;
  for (int i = width - 1; i >= 0; --i, rest /= 10) out[i] = static_cast<char>('0' + rest % 10);
}

}  // namespace

DrawCardEntry DrawCardEntry::Make(std::string_view numbers, std::int32_t card, std::optional<std::int32_t> batch,
                                  std::optional<std::int32_t> entry) {
  DrawCardEntry made;
  char* out = made.text_.data();
  std::fill(out, out + kLength, ' ');
  std::copy_n(numbers.begin(), std::min<std::size_t>(numbers.size(), 50), out);
  PutDigits(out + 50, card, 6);
  made.number_ = card;
  made.check_digit_ = card::CheckDigit(made.CardText());
  if (batch) PutDigits(out + 56, *batch, 6);
  if (entry) PutDigits(out + 62, *entry, 3);
  return made;
}

}  // namespace tavelao::draw
