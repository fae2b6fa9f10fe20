#include "draw/random_ball.h"

namespace tavelao::draw {

int BallsLeft(const BallSet& drawn, const ColumnFlags& in_play) {
  int left = 0;
  for (int c = 1; c <= 5; ++c) {
    if (in_play[c - 1]) left += kBallsPerColumn - (drawn & BallSet::Column(c)).Count();
  }
  return left;
}

std::optional<int> PickRandomBall(const BallSet& drawn, const ColumnFlags& in_play, RandomSource& random) {
  const int left = BallsLeft(drawn, in_play);
  if (left == 0) return std::nullopt;
  const int r = 1 + static_cast<int>(random.Below(static_cast<std::uint32_t>(left)));
  int count = 0;
  for (int n = 1; n <= kBallCount; ++n) {
    if (in_play[BallColumn(n) - 1] && !drawn.Has(n) && ++count == r) return n;
  }
  return std::nullopt;  // a source that answers beyond its bound
}

}  // namespace tavelao::draw
