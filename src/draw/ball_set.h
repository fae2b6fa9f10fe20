#pragma once
// A set of balls as 100 bits in two words, laid out by column so that each
// column is one 20-bit field: columns 1-3 fill bits 0-59 of `low`, columns
// 4-5 bits 0-39 of `high`. The drawn set and every row of a card use it.

#include <bit>
#include <cstdint>

#include "draw/ball.h"

namespace tavelao::draw {

struct BallSet {
  std::uint64_t low = 0;
  std::uint64_t high = 0;

  // Where ball n lives: word (false = low) and bit.
  static constexpr bool InHigh(int ball) { return BallColumn(ball) > 3; }
  static constexpr std::uint64_t Bit(int ball) {
    const int column = BallColumn(ball) - 1;
    const int offset = (ball - 1) % kBallsPerColumn;
    return std::uint64_t{1} << (kBallsPerColumn * (column % 3) + offset);
  }

  constexpr bool Has(int ball) const {
    if (!IsBall(ball)) return false;
    return ((InHigh(ball) ? high : low) & Bit(ball)) != 0;
  }
  constexpr void Add(int ball) {
    if (IsBall(ball)) (InHigh(ball) ? high : low) |= Bit(ball);
  }
  constexpr void Remove(int ball) {
    if (IsBall(ball)) (InHigh(ball) ? high : low) &= ~Bit(ball);
  }
  constexpr int Count() const { return std::popcount(low) + std::popcount(high); }

  // The balls of column 1..5.
  static constexpr BallSet Column(int column) {
    const std::uint64_t field = ((std::uint64_t{1} << kBallsPerColumn) - 1) << (kBallsPerColumn * ((column - 1) % 3));
    return column > 3 ? BallSet{0, field} : BallSet{field, 0};
  }

  friend constexpr BallSet operator&(BallSet a, BallSet b) { return {a.low & b.low, a.high & b.high}; }
  friend constexpr bool operator==(BallSet a, BallSet b) = default;
};

}  // namespace tavelao::draw
