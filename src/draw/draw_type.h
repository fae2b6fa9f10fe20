#pragma once
// The draw type as the operator ticks it: card size (`CB5`, `CB15`, `CB20`,
// `CB25`), the twelve pattern boxes of `TFormSorteios`, the full card
// (`CBCheia`) and `CBMostra`; and what follows from it: the columns in play
// and the "Outros sorteios: ..." text.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "draw/draw_figures.h"

namespace tavelao::draw {

struct DrawChoice {
  std::optional<CardSize> card_size = CardSize::TwentyFive;  // none when every box is unticked
  PatternFlags patterns{};
  bool full_card = true;     // CBCheia
  bool show_winners = true;  // CBMostra

  bool Ticked(Pattern p) const { return patterns[Index(p)]; }
  bool AnyPattern() const;
};

// Ticking one card-size box unticks the other three; unticking it leaves
// none ticked.
void ClickCardSize(DrawChoice& choice, CardSize size, bool ticked);

// Columns 1..5 in play, index 0 for column 1.
using ColumnFlags = std::array<bool, 5>;

// Whether the choice plays every column without looking at the patterns
// (15 and 20 numbers): the draw-type record is then not written.
bool PlaysWholeBoard(const DrawChoice& choice);

struct DrawTypeText {
  std::string outros;  // "Outros sorteios: CANTOS LINHA "
  ColumnFlags columns{};
};

// The text and columns of a choice that does not play the whole board: the
// ticked patterns in the order Cantos, Janelinha, Porta, Bin, Xis, Cheia,
// Linha, Coluna, Te, Janelão, Cruz, U, Ele; 5-number cards play every column.
DrawTypeText DescribeDrawType(const DrawChoice& choice);

// What `ConfirmCardSize` sets up for each card size.
struct CardSizeLayout {
  bool full_card_controls;   // LabelTipoSor, CBCheia and ButtonSorteios shown
  std::string_view outros;   // LabelOutros
  int sheet_frame_height;    // the six frames of the winners sheet
  int conference_cover_top;  // white cover of the printed conference form
  int conference_cover_height;
  int conference_panel_height;  // PanelConf
};
const CardSizeLayout& LayoutOf(CardSize size);

inline constexpr std::string_view kNoCardSizeTitle = "Tipo de sorteio não definido.";
inline constexpr std::string_view kNoCardSizeText = "Marque 5,15, 20 ou 25 dezenas para o sorteio";

}  // namespace tavelao::draw
