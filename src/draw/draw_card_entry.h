#pragma once
// One card of the draw card list as the fixed 65-character text the
// announcements and standings are cut from:
//   1-50  the card's numbers N1..N25, two characters each
//   51-56 card number, six digits
//   57-62 batch (Lote), six digits, or six spaces for a direct card
//   63-65 entry (Lan), three digits, or three spaces

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavelao::draw {

class DrawCardEntry {
 public:
  static constexpr std::size_t kLength = 65;

  // `numbers` must be the card's 50 characters.
  static DrawCardEntry Make(std::string_view numbers, std::int32_t card, std::optional<std::int32_t> batch,
                            std::optional<std::int32_t> entry);

  std::string_view Text() const { return {text_.data(), kLength}; }
  // The two characters of cell k = 1..25.
  std::string_view Cell(int k) const { return Text().substr(2 * (k - 1), 2); }
  std::string_view CardText() const { return Text().substr(50, 6); }
  std::string_view BatchText() const { return Text().substr(56, 6); }
  std::string_view EntryText() const { return Text().substr(62, 3); }
  // A card validated in a batch; a direct card has six spaces there.
  bool HasBatch() const { return BatchText() != "      "; }
  std::int32_t CardNumber() const { return number_; }
  // The check digit of the card number, as printed after it.
  char CheckDigit() const { return check_digit_; }

 private:
  std::array<char, kLength> text_{};
  // Kept beside the text: late in a big draw every pass names every card.
  std::int32_t number_ = 0;
  char check_digit_ = '0';
};

}  // namespace tavelao::draw
