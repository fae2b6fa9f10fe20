#pragma once
// The cards the draw benchmarks play with: the built-in records, and above
// them random cards valid in every column, as a complement file gives them.

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>

#include "card/card_bank.h"
#include "draw/ball.h"

namespace tavelao::bench {

inline constexpr int kBenchCards = 120'000;

// Five distinct balls of each column, in bank order.
inline std::string RandomCardRecord(std::mt19937& rng) {
  std::string record;
  for (int col = 0; col < 5; ++col) {
    std::array<int, 20> column;
    std::iota(column.begin(), column.end(), 20 * col + 1);
    std::shuffle(column.begin(), column.end(), rng);
    for (int r = 0; r < 5; ++r) record += draw::BallLabel(column[r]);
  }
  return record;
}

// The record of card n: the bank's own, else a random one.
inline std::string BenchCardRecord(const card::CardBank& bank, int n, std::mt19937& rng) {
  std::string record(bank.CardRecord(n));
  return record.empty() ? RandomCardRecord(rng) : record;
}

}  // namespace tavelao::bench
