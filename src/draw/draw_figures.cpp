#include "draw/draw_figures.h"

#include <initializer_list>

namespace tavelao::draw {
namespace {

constexpr CellMask Cells(std::initializer_list<int> ks) {
  CellMask mask = 0;
  for (int k : ks) mask |= CellMask{1} << (k - 1);
  return mask;
}
constexpr CellMask CellRange(int first, int last) {
  CellMask mask = 0;
  for (int k = first; k <= last; ++k) mask |= CellMask{1} << (k - 1);
  return mask;
}
constexpr CellMask ColumnCells(int c) { return CellRange(5 * c - 4, 5 * c); }
constexpr CellMask RowCells(int r) { return Cells({r, r + 5, r + 10, r + 15, r + 20}); }
constexpr std::array<CellMask, 5> One(CellMask m) { return {m, 0, 0, 0, 0}; }

constexpr std::uint8_t kAllColumns = 0b11111;

const std::array<PatternInfo, kPatternCount> kInfo = {{
    {"CBColuna",
     "Coluna",
     "Coluna",
     "COLUNA ",
     " BATEU COLUNA",
     "COLUNA",
     {ColumnCells(1), ColumnCells(2), ColumnCells(3), ColumnCells(4), ColumnCells(5)},
     5,
     kAllColumns,
     {" coluna(s) faltando 1 pedra.", " coluna(s) faltando 2 pedras."}},
    {"CBLinha",
     "Linha",
     "Linha",
     "LINHA ",
     " BATEU LINHA",
     "LINHA",
     {RowCells(1), RowCells(2), RowCells(3), RowCells(4), RowCells(5)},
     5,
     kAllColumns,
     {" linha(s) faltando 1 pedra.", " linha(s) faltando 2 pedras."}},
    {"CBTe",
     "Tê",
     "Te",
     "TE ",
     " BATEU TE",
     "TE",
     One(Cells({1, 6, 11, 16, 21, 12, 13, 14, 15})),
     1,
     kAllColumns,
     {" Te(es) faltando 1 pedra.", " Te(es) faltando 2 pedras."}},
    {"CBJanelao",
     "Janelão",
     "Janelao",
     "JANELÃO ",
     " BATEU JANELAO",
     "JANELAO",
     One(CellRange(1, 5) | Cells({6, 10, 11, 15, 16, 20}) | CellRange(21, 25)),
     1,
     kAllColumns,
     {" Janelão(ões) faltando 1 pedra.", " Janelão(ões) faltando 2 pedras."}},
    {"CBCruz",
     "Cruz",
     "Cruz",
     "CRUZ ",
     " BATEU CRUZ",
     "CRUZ",
     One(Cells({3, 8, 18, 23}) | CellRange(11, 15)),
     1,
     kAllColumns,
     {" Cruz(es) faltando 1 pedra.", " Cruz(es) faltando 2 pedras."}},
    {"CBXis",
     "Xis",
     "Xis",
     "XIS ",
     " BATEU XIS",
     "XIS",
     One(Cells({1, 5, 7, 9, 13, 17, 19, 21, 25})),
     1,
     kAllColumns,
     {" Xis(es) faltando 1 pedra.", " Xis(es) faltando 2 pedras."}},
    {"CBJanelinha",
     "Janelinha",
     "Janelinha",
     "JANELINHA ",
     " BATEU JANELINHA",
     "JANELINHA",
     One(Cells({7, 8, 9, 12, 14, 17, 18, 19})),
     1,
     0b01110,
     {" Janelinha(s) faltando 1 pedra.", "  Janelinha(s) faltando 2 pedras."}},
    {"CBBin",
     "Bin",
     "Bin",
     "BIN ",
     " BATEU BIN",
     "BIN",
     One(CellRange(1, 15)),
     1,
     0b00111,
     {" Bin(s) faltando 1 pedra.", "  Bin(s) faltando 2 pedras."}},
    {"CBU",
     "U",
     "U",
     "U ",
     " BATEU U",
     "U",
     One(CellRange(1, 5) | Cells({10, 15, 20}) | CellRange(21, 25)),
     1,
     kAllColumns,
     {" U(s) faltando 1 pedra.", " U(s) faltando 2 pedras."}},
    {"CBPorta",
     "Porta",
     "Porta",
     "PORTA ",
     " BATEU PORTA",
     "PORTA",
     One(CellRange(6, 20)),
     1,
     0b01110,
     {" Porta(s) faltando 1 pedra.", " Porta(s) faltando 2 pedras."}},
    {"CBEle",
     "Ele",
     "Ele",
     "ELE ",
     " BATEU ELE",
     "ELE",
     One(CellRange(1, 5) | Cells({10, 15, 20, 25})),
     1,
     kAllColumns,
     {" Ele(s) faltando 1 pedra.", " Ele(s) faltando 2 pedras."}},
    {"CBCantos",
     "Cantos",
     "Cantos",
     "CANTOS ",
     " BATEU CANTOS",
     "CANTOS",
     One(Cells({1, 5, 21, 25})),
     1,
     0b10001,
     {" Cantos(s) faltando 1 pedra.", " Cantos(s) faltando 2 pedras."}},
}};

}  // namespace

std::optional<CardSize> CardSizeOf(int numbers) {
  for (CardSize size : kCardSizes) {
    if (Numbers(size) == numbers) return size;
  }
  return std::nullopt;
}

CellMask CardCells(CardSize size) {
  switch (size) {
    case CardSize::Fifteen:
      return RowCells(1) | RowCells(2) | RowCells(3);
    case CardSize::Twenty:
      return kAllCells & ~RowCells(5);
    case CardSize::Five:
      return Cells({1, 7, 13, 19, 25});
    case CardSize::TwentyFive:
      return kAllCells;
  }
  return kAllCells;
}

int CardThreshold(CardSize size) { return Numbers(size) - 1; }

int StandingsLimit(CardSize size) { return size == CardSize::Five ? 3 : 5; }

std::string_view AnnouncedTitle(std::optional<Pattern> pattern) {
  static constexpr std::array<std::string_view, kPatternCount> kTitles = {
      "COLUNA", "LINHA", "TÊ", "JANELÃO", "CRUZ", "XIS", "JANELINHA", "BIN", "U", "PORTA", "ELE", "CANTOS"};
  return pattern ? kTitles[Index(*pattern)] : kWholeCardTitle;
}

const PatternInfo& Info(Pattern p) { return kInfo[Index(p)]; }

std::optional<Pattern> PatternOfKeyword(std::string_view keyword) {
  for (Pattern p : kPatterns) {
    if (Info(p).keyword == keyword) return p;
  }
  return std::nullopt;
}

}  // namespace tavelao::draw
