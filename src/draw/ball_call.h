#pragma once
// What the caller says aloud for a ball and for a win, in Brazilian
// Portuguese words, so the voice never has to guess how to read digits.

#include <string>

#include "draw/ball.h"

namespace tavelao::draw {

// 0..999999 in words, masculine ("um", "vinte e um", "cento e vinte mil",
// "dois mil e quinhentos"); outside that range, the decimal digits.
std::string NumberInWords(int n);

// The first character of the ball's column letter, a comma and the number
// in words: "B, cinco", "O, cem" (ball 100, labelled "00"). A blank letter
// leaves the number alone.
std::string BallCallText(int ball, const TitleLetters& letters);

// "Bingo! Cartela quarenta e dois".
std::string WinCallText(int card_number);

}  // namespace tavelao::draw
