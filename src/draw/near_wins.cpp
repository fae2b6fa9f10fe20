#include "draw/near_wins.h"

#include <array>
#include <string_view>

namespace tavelao::draw {
namespace {

constexpr std::array<std::string_view, 5> kCardMessages = {
    " cartela(s) faltando 1 pedra.", " cartela(s) faltando 2 pedras.", " cartela(s) faltando 3 pedras.",
    " cartela(s) faltando 4 pedras.", " cartela(s) faltando 5 pedras."};

void AppendLine(MemoLines& memo, int count, std::string_view message) {
  memo.push_back(std::to_string(count) + std::string(message));
}

}  // namespace

void ReportNearWins(const NearWinCounters& counters, MemoLines& memo) {
  if (counters.cartela[0] == 0) {
    for (int level = 1; level <= 5; ++level) {
      if (counters.cartela[level] > 0) AppendLine(memo, counters.cartela[level], kCardMessages[level - 1]);
    }
  }
  for (Pattern p : kPatterns) {
    const auto& counter = counters.patterns[Index(p)];
    if (counter[0] != 0) continue;
    for (int level = 1; level <= 2; ++level) {
      if (counter[level] > 0) AppendLine(memo, counter[level], Info(p).near_win[level - 1]);
    }
  }
}

}  // namespace tavelao::draw
