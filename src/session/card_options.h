#pragma once
// The card options that shape every printed card: prize descriptions and
// title letters (kept in "premios.cds") and the number colours of the first
// three frames (this run only). Layouts, the ball board and the winners
// sheet all read this one copy.

#include <array>
#include <cstdint>
#include <string>

#include "common/result.h"
#include "common/rgb.h"
#include "store/table.h"

namespace tavelao::session {

using Rgb = tavelao::Rgb;

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};

struct CardOptions {
  std::array<std::string, 9> prizes;                               // premio1..premio9
  std::array<std::string, 5> letters = {"B", "I", "N", "G", "O"};  // Lb, Li, Ln, Lg, Lo
  // Numbers of frames 1, 2 and 3; every run starts with red, blue, green.
  std::array<Rgb, 3> number_colours = {kRed, kBlue, kGreen};

  // The five letters joined ("BINGO").
  std::string Title() const;
};

// Prizes and letters of the options record (the first row); a field the
// table lacks reads as empty. Colours are left at their start values.
Result<CardOptions> ReadCardOptions(store::Table& options);

// Posts prizes and letters to the options record, committed at once.
// Colours are never written. A field the table lacks is refused only when
// it would lose a value.
Status WriteCardOptions(store::Table& options, const CardOptions& values);

}  // namespace tavelao::session
