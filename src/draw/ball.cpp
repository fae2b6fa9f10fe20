#include "draw/ball.h"

#include "common/text.h"

namespace tavelao::draw {

std::string BallLabel(int ball) {
  const int shown = ball % 100;
  return {static_cast<char>('0' + shown / 10), static_cast<char>('0' + shown % 10)};
}

std::optional<int> BallOfNumber(std::string_view number) {
  if (number.size() != 2) return std::nullopt;
  const char a = number[0], b = number[1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return std::nullopt;
  const int value = (a - '0') * 10 + (b - '0');
  return value == 0 ? kBallCount : value;
}

std::string LastBallCaption(int ball, const TitleLetters& letters) {
  const std::u32string letter = DecodeUtf8(letters[BallColumn(ball) - 1]);
  return EncodeUtf8(letter.substr(0, 1)) + BallLabel(ball);
}

}  // namespace tavelao::draw
