#pragma once
// What can be won: the four card sizes and the twelve patterns of 25-number
// cards, each as the set of card cells it needs. Cells k = 1..25 are in bank
// order (N1..N25): cell k lies in column (k-1)/5+1 and row (k-1)%5+1.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavelao::draw {

// Cells as bits: bit k-1 is cell k.
using CellMask = std::uint32_t;
inline constexpr CellMask kAllCells = (CellMask{1} << 25) - 1;

enum class CardSize { Five = 5, Fifteen = 15, Twenty = 20, TwentyFive = 25 };
inline constexpr std::array<CardSize, 4> kCardSizes = {CardSize::Five, CardSize::Fifteen, CardSize::Twenty,
                                                       CardSize::TwentyFive};

constexpr int Numbers(CardSize size) { return static_cast<int>(size); }
std::optional<CardSize> CardSizeOf(int numbers);

// The cells that make the whole card win.
CellMask CardCells(CardSize size);
// Drawn balls from which the card's own figure is tested (14, 19, 4; 24 for
// the full card inside the 25-number pass).
int CardThreshold(CardSize size);
// Standings are recorded for cards missing at most this many (5; 3 for 5).
int StandingsLimit(CardSize size);

// The 25-number pass runs from this many balls even with no pattern ticked.
inline constexpr int kPatternPassThreshold = 22;

// In the order in which a card is tested and the near-wins are reported.
enum class Pattern { Coluna, Linha, Te, Janelao, Cruz, Xis, Janelinha, Bin, U, Porta, Ele, Cantos };
inline constexpr int kPatternCount = 12;
inline constexpr std::array<Pattern, kPatternCount> kPatterns = {
    Pattern::Coluna,    Pattern::Linha, Pattern::Te, Pattern::Janelao, Pattern::Cruz, Pattern::Xis,
    Pattern::Janelinha, Pattern::Bin,   Pattern::U,  Pattern::Porta,   Pattern::Ele,  Pattern::Cantos};

// The order in which won patterns are unticked after a pass.
inline constexpr std::array<Pattern, kPatternCount> kUntickOrder = {
    Pattern::Linha,     Pattern::Coluna, Pattern::Te, Pattern::Janelao, Pattern::Cruz, Pattern::Xis,
    Pattern::Janelinha, Pattern::Bin,    Pattern::U,  Pattern::Porta,   Pattern::Ele,  Pattern::Cantos};

constexpr int Index(Pattern p) { return static_cast<int>(p); }

struct PatternInfo {
  std::string_view check_box;  // "CBLinha"
  std::string_view caption;    // "Linha"
  std::string_view field;      // its Sim/Não field of "TiposSor.cds"
  std::string_view word;       // in "Outros sorteios: ...", with its space
  std::string_view suffix;     // of the announcement line
  std::string_view keyword;    // how tavelao-cli names it
  // One mask per instance: five for Coluna (columns 1-5) and Linha (rows
  // 1-5), one for every other pattern.
  std::array<CellMask, 5> instances;
  int instance_count;
  // Ball columns 1..5 the pattern needs in play, as bits 0..4.
  std::uint8_t columns;
  // Near-win messages for missing 1 and 2.
  std::array<std::string_view, 2> near_win;
};

const PatternInfo& Info(Pattern p);

// How the hall is told what a card won: the pattern's name in capitals with
// its accents ("TÊ"), or "CARTELA CHEIA" for the card's own figure.
inline constexpr std::string_view kWholeCardTitle = "CARTELA CHEIA";
std::string_view AnnouncedTitle(std::optional<Pattern> pattern);
std::optional<Pattern> PatternOfKeyword(std::string_view keyword);

// One flag per pattern, indexed by Index(Pattern).
using PatternFlags = std::array<bool, kPatternCount>;

}  // namespace tavelao::draw
