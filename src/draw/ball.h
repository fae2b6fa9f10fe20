#pragma once
// Balls 1..100, their two-character labels and the columns they belong to.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavelao::draw {

inline constexpr int kBallCount = 100;
inline constexpr int kColumnCount = 5;
inline constexpr int kBallsPerColumn = 20;

constexpr bool IsBall(int n) { return n >= 1 && n <= kBallCount; }

// Column 1 (B, balls 1-20) to 5 (O, balls 81-100).
constexpr int BallColumn(int ball) { return (ball - 1) / kBallsPerColumn + 1; }

// "01".."99", and "00" for 100.
std::string BallLabel(int ball);

// A card's two-character number as a ball ("00" is 100); nullopt for
// anything that is not two decimal digits.
std::optional<int> BallOfNumber(std::string_view number);

// The five title letters Lb, Li, Ln, Lg, Lo of the card options.
using TitleLetters = std::array<std::string, 5>;

// What `ButtonUltima` shows: the first character of the ball's column letter,
// then its label ("O00" for 100 with the default letters).
std::string LastBallCaption(int ball, const TitleLetters& letters);

}  // namespace tavelao::draw
