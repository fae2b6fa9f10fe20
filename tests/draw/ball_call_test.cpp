#include "draw/ball_call.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace tavelao::draw {
namespace {

const TitleLetters kBingo = {"B", "I", "N", "G", "O"};

TEST(NumberInWords, SaysEveryKindOfNumberAsTheHallDoes) {
  const std::pair<int, const char*> table[] = {
      {0, "zero"},
      {1, "um"},
      {2, "dois"},
      {3, "três"},
      {10, "dez"},
      {11, "onze"},
      {14, "quatorze"},
      {15, "quinze"},
      {16, "dezesseis"},
      {17, "dezessete"},
      {18, "dezoito"},
      {19, "dezenove"},
      {20, "vinte"},
      {21, "vinte e um"},
      {42, "quarenta e dois"},
      {50, "cinquenta"},
      {67, "sessenta e sete"},
      {99, "noventa e nove"},
      {100, "cem"},
      {101, "cento e um"},
      {110, "cento e dez"},
      {200, "duzentos"},
      {230, "duzentos e trinta"},
      {555, "quinhentos e cinquenta e cinco"},
      {999, "novecentos e noventa e nove"},
      {1000, "mil"},
      {1001, "mil e um"},
      {1021, "mil e vinte e um"},
      {1100, "mil e cem"},
      {1101, "mil cento e um"},
      {1200, "mil e duzentos"},
      {1230, "mil duzentos e trinta"},
      {2000, "dois mil"},
      {2500, "dois mil e quinhentos"},
      {2501, "dois mil quinhentos e um"},
      {10001, "dez mil e um"},
      {21000, "vinte e um mil"},
      {100000, "cem mil"},
      {101000, "cento e um mil"},
      {120000, "cento e vinte mil"},
      {999999, "novecentos e noventa e nove mil novecentos e noventa e nove"},
  };
  for (const auto& [n, words] : table) EXPECT_EQ(NumberInWords(n), words) << n;
}

TEST(NumberInWords, NoTwoNumbersSoundAlike) {
  std::set<std::string> said;
  for (int n = 0; n <= 999'999; n += (n < 3000 ? 1 : 997)) EXPECT_TRUE(said.insert(NumberInWords(n)).second) << n;
}

TEST(BallCallText, ColumnLetterThenTheNumberInWords) {
  const std::pair<int, const char*> table[] = {
      {1, "B, um"},
      {5, "B, cinco"},
      {20, "B, vinte"},
      {21, "I, vinte e um"},
      {40, "I, quarenta"},
      {42, "N, quarenta e dois"},
      {61, "G, sessenta e um"},
      {80, "G, oitenta"},
      {81, "O, oitenta e um"},
      {100, "O, cem"},
  };
  for (const auto& [ball, words] : table) EXPECT_EQ(BallCallText(ball, kBingo), words) << ball;
}

TEST(BallCallText, TheFolderLettersTheirFirstCharacterAndBlankOnes) {
  const TitleLetters letters = {"ÇA", "É", "", " ", " Xy"};
  EXPECT_EQ(BallCallText(7, letters), "Ç, sete");
  EXPECT_EQ(BallCallText(33, letters), "É, trinta e três");
  EXPECT_EQ(BallCallText(42, letters), "quarenta e dois");
  EXPECT_EQ(BallCallText(70, letters), "setenta");
  EXPECT_EQ(BallCallText(100, letters), "X, cem");
}

TEST(WinCallText, BingoAndTheCardInWords) {
  EXPECT_EQ(WinCallText(42), "Bingo! Cartela quarenta e dois");
  EXPECT_EQ(WinCallText(1), "Bingo! Cartela um");
  EXPECT_EQ(WinCallText(120000), "Bingo! Cartela cento e vinte mil");
}

}  // namespace
}  // namespace tavelao::draw
