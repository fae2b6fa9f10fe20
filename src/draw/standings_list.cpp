#include "draw/standings_list.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "common/text.h"

namespace tavelao::draw {
namespace {

// "000042-6  "
std::string Piece(const DrawCardEntry& entry) {
  return std::string(entry.CardText()) + "-" + entry.CheckDigit() + "  ";
}

// One run of entries missing the same count, above 0.
void AppendRun(const std::vector<std::uint32_t>& run, int missing, const DrawCards& cards, MemoLines& memo) {
  constexpr std::size_t kListed = 15;
  const std::size_t n = run.size();
  std::string heading = " " + std::to_string(25 - missing) + "     " + (std::to_string(n) + "   ").substr(0, 3) + " ";
  if (n > kListed) {
    memo.push_back(heading);
    return;
  }
  const auto piece = [&](std::size_t i) { return Piece(cards.entry(run[i])); };
  for (std::size_t i = 0; i < std::min<std::size_t>(n, 3); ++i) heading += piece(i);
  memo.push_back(heading);
  for (std::size_t first = 3; first < n; first += 3) {
    std::string line(12, ' ');
    for (std::size_t i = first; i < std::min(n, first + 3); ++i) line += piece(i);
    memo.push_back(line);
  }
}

}  // namespace

std::string WonLine(const DrawCardEntry& entry) {
  std::string line;
  AppendWonLine(entry, line);
  return line;
}

// Made without a temporary: a pass late in a big draw has one per card.
void AppendWonLine(const DrawCardEntry& entry, std::string& text) {
  text += "      Bateu:";
  text += entry.CardText();
  text += '-';
  text += entry.CheckDigit();
  text += "  ";
  if (entry.HasBatch()) {
    text += " Lote:";
    text += Trim(entry.BatchText());
    text += "    Seq:";
    text += Trim(entry.EntryText());
  }
}

void AppendStandingsList(const std::shared_ptr<const DrawCards>& cards, const std::vector<StandingsEntry>& standings,
                         MemoLines& memo) {
  // The cards by missing count, each run in the pass's order: a stable
  // counting sort, as a pass may list every card of the draw.
  std::array<std::vector<std::uint32_t>, 26> runs;
  for (const StandingsEntry& s : standings) runs[s.missing].push_back(s.card);
  for (int missing = 25; missing >= 1; --missing) {
    if (!runs[missing].empty()) AppendRun(runs[missing], missing, *cards, memo);
  }
  if (!runs[0].empty()) memo.SetWonCards(cards, std::move(runs[0]));
}

}  // namespace tavelao::draw
