#include "draw/ball_call.h"

#include <array>
#include <cassert>
#include <string_view>

#include "common/text.h"

namespace tavelao::draw {
namespace {

constexpr std::array<std::string_view, 20> kUnits = {
    "zero", "um",   "dois", "três",  "quatro",   "cinco",  "seis",      "sete",      "oito",    "nove",
    "dez",  "onze", "doze", "treze", "quatorze", "quinze", "dezesseis", "dezessete", "dezoito", "dezenove",
};
constexpr std::array<std::string_view, 10> kTens = {
    "", "", "vinte", "trinta", "quarenta", "cinquenta", "sessenta", "setenta", "oitenta", "noventa",
};
constexpr std::array<std::string_view, 10> kHundreds = {
    "",           "cento",      "duzentos",   "trezentos",  "quatrocentos",
    "quinhentos", "seiscentos", "setecentos", "oitocentos", "novecentos",
};

// 1..999.
std::string BelowThousand(int n) {
  assert(n >= 1 && n <= 999);
  if (n == 100) return "cem";
  std::string words;
  const auto add = [&words](std::string_view word) {
    if (!words.empty()) words += " e ";
    words += word;
  };
  if (n >= 100) add(kHundreds[n / 100]);
  const int rest = n % 100;
  if (rest >= 20) {
    add(kTens[rest / 10]);
    if (rest % 10) add(kUnits[rest % 10]);
  } else if (rest > 0) {
    add(kUnits[rest]);
  }
  return words;
}

}  // namespace

std::string NumberInWords(int n) {
  if (n < 0 || n > 999'999) return std::to_string(n);
  if (n < 20) return std::string(kUnits[n]);
  const int thousands = n / 1000, rest = n % 1000;
  if (thousands == 0) return BelowThousand(rest);
  std::string words = thousands == 1 ? "mil" : BelowThousand(thousands) + " mil";
  if (rest == 0) return words;
  // "mil e vinte e um", "dois mil e quinhentos", but "mil duzentos e
  // trinta": the thousands take "e" before a group below a hundred or of
  // whole hundreds only.
  const bool joined = rest < 100 || rest % 100 == 0;
  return words + (joined ? " e " : " ") + BelowThousand(rest);
}

std::string BallCallText(int ball, const TitleLetters& letters) {
  assert(IsBall(ball));
  const std::u32string letter = DecodeUtf8(Trim(letters[BallColumn(ball) - 1]));
  const std::string number = NumberInWords(ball);
  if (letter.empty()) return number;
  return EncodeUtf8(letter.substr(0, 1)) + ", " + number;
}

std::string WinCallText(int card_number) { return "Bingo! Cartela " + NumberInWords(card_number); }

}  // namespace tavelao::draw
