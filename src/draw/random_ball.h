#pragma once
// The choice of `DrawRandomBall`: r = 1 + a uniform integer below the number
// of balls left in play, then the r-th ball, counting from ball 1, that is in
// play and not drawn. No ball comes out twice and nothing is retried.

#include <optional>

#include "common/random_source.h"
#include "draw/ball_set.h"
#include "draw/draw_type.h"

namespace tavelao::draw {

// Balls of the columns in play that are not drawn yet.
int BallsLeft(const BallSet& drawn, const ColumnFlags& in_play);

// nullopt, without asking `random`, when no ball in play is left.
std::optional<int> PickRandomBall(const BallSet& drawn, const ColumnFlags& in_play, RandomSource& random);

}  // namespace tavelao::draw
