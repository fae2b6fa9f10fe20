#pragma once
// The evaluation of the draw as a reference: each figure walks its cells one
// by one, with the cell lists written out as the draw documents list them.

#include <array>
#include <vector>

#include "draw/draw_evaluation.h"
#include "draw_fixture.h"

namespace tavelao::draw::testing {

// Cells 1..25 of each pattern instance, in table order.
std::vector<std::vector<int>> ReferenceInstances(Pattern p);
// Cells 1..25 of the card's own figure.
std::vector<int> ReferenceCardCells(CardSize size);
// What EvaluateCards finds, from the cards' balls and a flag per drawn ball.
CardFindings ReferenceFindings(const std::vector<Balls>& cards, const std::array<bool, 101>& drawn,
                               const EvaluationRequest& request);

}  // namespace tavelao::draw::testing
