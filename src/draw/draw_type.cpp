#include "draw/draw_type.h"

namespace tavelao::draw {
namespace {

// The order in which the record is described; nullopt stands for Cheia.
constexpr std::array<std::optional<Pattern>, 13> kDescribeOrder = {
    Pattern::Cantos, Pattern::Janelinha, Pattern::Porta,   Pattern::Bin,  Pattern::Xis, std::nullopt, Pattern::Linha,
    Pattern::Coluna, Pattern::Te,        Pattern::Janelao, Pattern::Cruz, Pattern::U,   Pattern::Ele};

constexpr std::uint8_t kAllColumns = 0b11111;

const CardSizeLayout kLayout25{true, "Outros tipos de sorteio:", 237, 255, 0, 288};
const CardSizeLayout kLayout15{false, "Cartela com 15 pedras:", 164, 173, 80, 198};
const CardSizeLayout kLayout20{false, "Cartela com 20 pedras:", 202, 212, 43, 242};
const CardSizeLayout kLayout5{false, "Cartela com 5 pedras:", 237, 255, 0, 288};

}  // namespace

bool DrawChoice::AnyPattern() const {
  for (bool ticked : patterns) {
    if (ticked) return true;
  }
  return false;
}

void ClickCardSize(DrawChoice& choice, CardSize size, bool ticked) {
  if (ticked) {
    choice.card_size = size;
  } else if (choice.card_size == size) {
    choice.card_size.reset();
  }
}

bool PlaysWholeBoard(const DrawChoice& choice) {
  return choice.card_size == CardSize::Fifteen || choice.card_size == CardSize::Twenty;
}

DrawTypeText DescribeDrawType(const DrawChoice& choice) {
  DrawTypeText text{"Outros sorteios: ", {}};
  std::uint8_t columns = 0;
  for (const auto& entry : kDescribeOrder) {
    if (!entry) {
      if (choice.full_card) columns |= kAllColumns;
      continue;
    }
    if (!choice.Ticked(*entry)) continue;
    text.outros += Info(*entry).word;
    columns |= Info(*entry).columns;
  }
  // The diagonal of a 5-number card touches every column.
  if (choice.card_size == CardSize::Five) columns = kAllColumns;
  for (int c = 0; c < 5; ++c) text.columns[c] = (columns >> c) & 1;
  return text;
}

const CardSizeLayout& LayoutOf(CardSize size) {
  switch (size) {
    case CardSize::Fifteen:
      return kLayout15;
    case CardSize::Twenty:
      return kLayout20;
    case CardSize::Five:
      return kLayout5;
    case CardSize::TwentyFive:
      return kLayout25;
  }
  return kLayout25;
}

}  // namespace tavelao::draw
